"""The colour menu on the screen: where it opens, its default item, its owner-drawn items."""

import unittest

import colour_menu
from acceptance_case import AcceptanceCase
from band_layout import BAND_COLOURS, BODY_BEIGE, BandCode
from displays import on_windows
from menu_driver import MenuDriver
from menu_geometry import text_lines
from screen_image import ink_box, is_dark
from x_display import wait_until

# Stroke weight: bold text is at least this much heavier than the normal items.
BOLD_RATIO = 1.3
# Sub-menu arrows sit at the menu's right end; they are no text.
ARROW_ROOM = 25


def stroke_width(image, menu, line):
    """Mean length of the horizontal runs of dark pixels in one line of menu text."""
    top, bottom = line
    dark = runs = 0
    for y in range(top, bottom):
        run = 0
        for x in range(menu.left + 2, menu.right - ARROW_ROOM):
            if is_dark(image.pixel(x, y)):
                run += 1
                dark += 1
            elif run:
                runs += 1
                run = 0
    return dark / runs


def is_uniform(image, area):
    left, top, right, bottom = area
    return len(set(image.pixels(left, top, right, bottom))) == 1


class ColourMenuTest(AcceptanceCase):
    def test_right_click_opens_the_menu_at_the_pointer(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        driver = MenuDriver(self, app)
        point = driver.open_point()
        menu, image = driver.open(extended=False, point=point)
        self.assertEqual((menu.left, menu.top), point)
        # Four-band code: no third-digit entry.
        self.assertEqual(len(text_lines(image, menu)), len(colour_menu.entries(False)))

    def test_left_double_click_opens_the_menu_at_the_pointer(self):
        app = self.start_kolvar(settings=BandCode(extended=1).settings())
        self.wait_for_marking(app, BandCode(extended=1))
        driver = MenuDriver(self, app)
        x, y = driver.open_point()
        point = (x + 150, y + 30)
        menu, image = driver.open(extended=True, double_click=True, point=point)
        self.assertEqual((menu.left, menu.top), point)
        # Five-band code: the third-digit entry is there as well.
        self.assertEqual(len(text_lines(image, menu)), len(colour_menu.entries(True)))

    if not on_windows():
        # Wine draws the default item of a menu in its own Tahoma Bold, antialiased and no
        # heavier than the plain items by this measure.
        def test_close_is_the_default_item_and_bold(self):
            app = self.start_kolvar()
            self.wait_for_marking(app, BandCode())
            menu, image = MenuDriver(self, app).open(extended=False)
            lines = text_lines(image, menu)
            close = stroke_width(image, menu, lines[colour_menu.entry_index(False, "close")])
            others = [stroke_width(image, menu, line) for line in lines[:-1]]
            self.assertGreater(close, BOLD_RATIO * max(others),
                               f"'Закрыть' strokes {close:.2f} px, the other items' up to "
                               f"{max(others):.2f} px")

    def test_sub_menus_show_a_swatch_per_colour_and_check_the_current_one(self):
        code = BandCode(extended=1, digit1=4, digit2=7, digit3=0, power=-1, overshoot=9)
        app = self.start_kolvar(settings=code.settings())
        self.wait_for_marking(app, code)
        driver = MenuDriver(self, app)
        for name, current in (("digit1", 4), ("digit2", 7), ("digit3", 0), ("power", -1),
                              ("overshoot", 9)):
            with self.subTest(sub_menu=name):
                image, items = driver.open_sub_menu(extended=True, name=name)
                self.assert_swatches(image, items, colour_menu.ITEM_CODES[name])
                self.assert_checked(image, items, colour_menu.ITEM_CODES[name].index(current))
                self.key("Escape", "Escape")
                self.wait_for_menus(app, 0)

    def test_tolerance_without_band_has_an_empty_swatch_with_text(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        image, items = MenuDriver(self, app).open_sub_menu(extended=False, name="overshoot")
        item = items[colour_menu.ITEM_CODES["overshoot"].index(colour_menu.NO_BAND_TOLERANCE)]
        left, top, right, bottom = item.swatch()
        background = image.pixel(item.left, item.top)
        self.assertEqual(image.pixel(left + 2, bottom - 3), background)
        self.assertIsNotNone(ink_box(image, left + 1, top + 1, right - 1, bottom - 1, is_dark),
                             "no text in the empty swatch")
        # The default code checks silver, the first item, and not this one.
        self.assert_checked(image, items, 0)

    def test_pointed_item_is_highlighted_and_keeps_its_swatch(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        image, items = MenuDriver(self, app).open_sub_menu(extended=False, name="power")
        codes = colour_menu.ITEM_CODES["power"]
        pointed = codes.index(5)
        menu_colour = image.pixel(items[pointed].left, items[pointed].top)
        self.display.move(*items[pointed].centre)

        def highlighted():
            shot = self.grab()
            item = items[pointed]
            return shot if shot.pixel(item.left, item.top) != menu_colour else None

        shot = wait_until(highlighted, interval=0.1)
        self.assertIsNotNone(shot, "the pointed item is not highlighted")
        backgrounds = [shot.pixel(item.left, item.top) for item in items]
        self.assertEqual([index for index, colour in enumerate(backgrounds)
                          if colour != menu_colour], [pointed])
        self.assert_swatches(shot, items, codes)
        # The check mark of 1000, the current multiplier, stays with its item.
        self.assert_checked(shot, items, codes.index(3))

    def assert_swatches(self, image, items, codes):
        self.assertEqual(len(items), len(codes))
        for item, code in zip(items, codes):
            left, top, right, bottom = item.swatch()
            frame = {image.pixel(left, top), image.pixel(right - 1, bottom - 1),
                     image.pixel(left, bottom - 1), image.pixel(right - 1, top)}
            self.assertEqual(frame, {BODY_BEIGE}, f"frame of the swatch of code {code}")
            if code == colour_menu.NO_BAND_TOLERANCE and codes == colour_menu.ITEM_CODES[
                    "overshoot"]:
                continue
            inside = set(image.pixels(left + 1, top + 1, right - 1, bottom - 1))
            self.assertEqual(inside, {BAND_COLOURS[code]}, f"swatch of code {code}")

    def assert_checked(self, image, items, checked_index):
        marked = [index for index, item in enumerate(items)
                  if not is_uniform(image, item.check_cell())]
        self.assertEqual(marked, [checked_index])
        left, top, right, bottom = items[checked_index].check_cell()
        self.assertIsNotNone(ink_box(image, left, top, right, bottom, is_dark),
                             "the check mark is not dark")


if __name__ == "__main__":
    unittest.main()

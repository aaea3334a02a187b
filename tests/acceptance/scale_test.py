"""The window at the scales a user sets: on X per program (QT_SCALE_FACTOR, or Xft.dpi in the X
resources), on sway by the output's scale, under Wine by the prefix's dpi. Each scale is held
against the same window at 100 %: the client size, the picture's place and pixels, and the colour
menu, all in proportion. Under Wine the dialog manager sizes the window from its font at that
dpi, which does not grow in proportion: there the client is the dialog manager's size, and the
menus, whose text items it measures too, are left to the program's own tests."""

import os
import unittest
from collections import namedtuple
from math import ceil, floor
from unittest import mock

import colour_menu
import marking_view
from acceptance_case import AcceptanceCase
from band_layout import (CLIENT_UNITS, PICTURE_HEIGHT, PICTURE_WIDTH, VIEW_EDGE, VIEW_MARGIN,
                         BandCode)
from displays import display_class, on_windows
from kolvar_app import Rect
from menu_driver import OPEN_OFFSET, MenuDriver
from menu_geometry import check_mark_columns, frame_widths
from screen_image import ink_box
from sway_display import SwayDisplay
from x_display import wait_until

ON_SWAY = display_class() is SwayDisplay
# Name, scale, the program's environment, and what the display is told before it starts and
# after it ends.
X_SCALES = [(f"qt_scale_factor_{factor.replace('.', '_')}", float(factor),
             {"QT_SCALE_FACTOR": factor}, None) for factor in ("1", "1.25", "1.5", "2")] + [
    ("xft_dpi_144", 1.5, {}, (("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set",
                               "RESOURCE_MANAGER", "Xft.dpi:\t144\n"),
                              ("xprop", "-root", "-remove", "RESOURCE_MANAGER")))]
SWAY_SCALES = [("sway_output_scale_1_5", 1.5, {}, (("swaymsg", "output", "*", "scale", "1.5"),
                                                   ("swaymsg", "output", "*", "scale", "1")))]
# How far the picture's drawing may be from its place at 100 % in proportion: the picture is
# centred above the caption, and under Wine the caption's height is the font's own at that dpi,
# which may be a pixel or two off the proportion.
DRAWING_WITHIN = 2 if on_windows() else 1


def wine_scales():
    def logical_dpi(dpi):
        return (os.environ["KOLVAR_WINE_RUN"], "reg", "add", "HKCU\\Control Panel\\Desktop",
                "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
    return [(f"wine_dpi_{dpi}", dpi / 96, {}, (logical_dpi(dpi), logical_dpi(96)))
            for dpi in (120, 144, 192)]


def scales():
    if on_windows():
        return wine_scales()
    return SWAY_SCALES if ON_SWAY else X_SCALES


# The program on the screen, in the screenshot's pixels: the client, the box of what the picture
# draws, relative to the client, and the colour menu with its multiplier sub-menu.
Window = namedtuple("Window", "client drawing menus")


def on_screen(rect, compositor_scale):
    """sway tells places in its logical pixels; its screenshots and pointer are in the output's."""
    return Rect(*(round(value * compositor_scale) for value in
                  (rect.left, rect.top, rect.width, rect.height)))


def centre(client):
    return client.left + client.width / 2, client.top + client.height / 2


def relative(box, client):
    """A box relative to the client's centre, which the picture and caption are placed from."""
    return tuple(value - origin for value, origin in zip(box, centre(client) * 2))


def placed(box, client, scale=1):
    """A box relative to a client's centre, scaled and placed on this one."""
    return tuple(origin + scale * value for value, origin in zip(box, centre(client) * 2))


def in_proportion(measured, hundred, scale, within=1):
    return all(abs(m - scale * h) <= within for m, h in zip(measured, hundred))


def colours(pixels):
    return {tuple(pixels[i:i + 3]) for i in range(0, len(pixels), 3)}


def doubled(pixels):
    """The picture with each pixel a 2 x 2 block."""
    width = 3 * PICTURE_WIDTH
    rows = (pixels[width * y:width * (y + 1)] for y in range(PICTURE_HEIGHT))
    return b"".join(2 * b"".join(2 * row[x:x + 3] for x in range(0, len(row), 3)) for row in rows)


class ScaleTest(AcceptanceCase):
    hundred = None

    def measure(self, app, scale, compositor_scale, picture_area, hundred=None):
        """Client, drawing and menus once the drawing shows, or that at 100 % in proportion; the
        picture's area is relative to the client at 100 %, and the drawing is searched for a
        little beyond it."""
        # sway draws the pointer into its screenshots.
        self.display.move(0, 0)
        client = on_screen(app.client_rect(), compositor_scale)
        if hundred and on_windows():
            [size] = app.dialog_pixels(self.display, CLIENT_UNITS)
            self.assertEqual((client.width, client.height), size, "the dialog manager's size")
        elif hundred:
            self.assert_in_proportion("client size", (client.width, client.height),
                                      (hundred.client.width, hundred.client.height), scale)
        area = placed(picture_area, client, scale)
        search = (floor(area[0]) - 4, floor(area[1]) - 4, ceil(area[2]) + 4, ceil(area[3]) + 4)
        inside = round(client.left + 10 * scale), round(client.top + 10 * scale)

        def drawn():
            image = self.grab()
            box = ink_box(image, *search, lambda colour: colour != image.pixel(*inside))
            last[:] = image, box
            return box and (hundred is None or
                            in_proportion(relative(box, client), hundred.drawing, scale,
                                          DRAWING_WITHIN))

        last = []
        wait_until(drawn, interval=0.2)
        image, box = last
        self.assertIsNotNone(box, "nothing drawn")
        if on_windows():
            return Window(client, relative(box, client), ()), image, area
        inset = VIEW_MARGIN + VIEW_EDGE
        self.click(round(client.left + scale * (inset + OPEN_OFFSET[0])),
                   round(client.top + scale * (inset + OPEN_OFFSET[1])), button=3)
        menu = on_screen(self.wait_for_menus(app, 1)[0], compositor_scale)
        shown = self.wait_for_menu_text(menu, len(colour_menu.entries(False)))
        self.display.move(*MenuDriver(self, app).entry_centre(menu, shown, False, "power"))
        sub_menu = on_screen(self.wait_for_menus(app, 2)[-1], compositor_scale)
        return Window(client, relative(box, client), (menu, sub_menu)), image, area

    def hundred_percent(self):
        """The window at 100 % with its picture's area and pixels, measured once."""
        if ScaleTest.hundred is None:
            app = self.start_kolvar()
            marking = self.wait_for_marking(app, BandCode())
            left = marking_view.picture_left(marking.view)
            area = relative((left, marking.picture_top, left + PICTURE_WIDTH,
                             marking.picture_top + PICTURE_HEIGHT), app.client_rect())
            window, image, _ = self.measure(app, 1, 1, area)
            picture = image.region_bytes(*map(round, placed(area, window.client)))
            ScaleTest.hundred = window, area, picture
            app.stop()
        return ScaleTest.hundred

    def assert_in_proportion(self, what, measured, hundred, scale, within=1):
        self.assertTrue(in_proportion(measured, hundred, scale, within),
                        f"{what}: {measured}, expected "
                        f"{tuple(scale * value for value in hundred)} within {within} pixels")

    def assert_even_strokes(self, sub_menu, scale):
        """The swatch's frame is as wide on every side, the check mark's strokes as deep in every
        column, each column a pixel above or below its neighbour."""
        image = self.wait_for_menu_text(sub_menu, len(colour_menu.ITEM_CODES["power"]))
        widths = frame_widths(image, sub_menu)
        self.assertEqual(len(set(widths)), 1, f"the swatch frame's sides: {widths}")
        columns = check_mark_columns(image, sub_menu, ceil(2 * scale))
        self.assertGreater(len(columns), 3, "no check mark")
        self.assertEqual([span for span in columns if span[1] - span[0] != span[2]], [],
                         "check-mark columns with a gap")
        self.assertEqual({depth for _, _, depth in columns}, {columns[0][2]},
                         f"the check mark's strokes are uneven: {columns}")
        self.assertEqual({abs(b[0] - a[0]) for a, b in zip(columns, columns[1:])}, {1},
                         f"the check mark's steps are uneven: {columns}")

    def check(self, scale, environment, told):
        hundred, area, picture = self.hundred_percent()
        compositor_scale = scale if ON_SWAY else 1
        if told:
            self.display.run(*told[0])
            self.addCleanup(self.display.run, *told[1])
        # The program inherits the environment the display starts it with.
        with mock.patch.dict(os.environ, environment):
            app = self.start_kolvar()
        window, image, shown_at = self.measure(app, scale, compositor_scale, area, hundred)
        self.assert_in_proportion("the picture's drawing", window.drawing, hundred.drawing, scale,
                                  DRAWING_WITHIN)
        for name, menu, menu_at_100 in zip(("menu", "sub-menu"), window.menus, hundred.menus):
            self.assert_in_proportion(name, (menu.width, menu.height),
                                      (menu_at_100.width, menu_at_100.height), scale)
        if compositor_scale != 1:
            return  # sway scales the program's buffer to the output, blending its pixels.
        if window.menus:
            self.assert_even_strokes(window.menus[-1], scale)
        if on_windows():
            # Placed by its drawing, as the caption's height may not be in proportion.
            drawn_at = placed(window.drawing, window.client)
            shown_at = tuple(edge - scale * (ink - place)
                             for edge, ink, place in zip(drawn_at, hundred.drawing, area))
        inner = [ceil(edge) + 1 for edge in shown_at[:2]] + [floor(edge) - 1
                                                             for edge in shown_at[2:]]
        self.assertEqual(colours(image.region_bytes(*inner)) - colours(picture), set(),
                         "colours the picture at 100 % lacks")
        if scale == 2:
            left, top = round(shown_at[0]), round(shown_at[1])
            shown = image.region_bytes(left, top, left + 2 * PICTURE_WIDTH,
                                       top + 2 * PICTURE_HEIGHT)
            if shown != doubled(picture):
                first = next(i // 3 for i, (a, b) in enumerate(zip(shown, doubled(picture)))
                             if a != b)
                y, x = divmod(first, 2 * PICTURE_WIDTH)
                self.fail(f"the picture's pixel ({x // 2}, {y // 2}) is not a 2 x 2 block of "
                          "its colour at 100 %")


for row_name, *row in scales():
    setattr(ScaleTest, "test_" + row_name, lambda self, row=row: self.check(*row))


if __name__ == "__main__":
    unittest.main()

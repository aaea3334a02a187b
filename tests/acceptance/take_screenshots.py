"""Takes the README's pictures of kolvar: docs/window.png, docs/screenshot.png and
docs/value-dialog.png.

Usage: KOLVAR_EXECUTABLE=build/app/kolvar python3 tests/acceptance/take_screenshots.py docs
"""

import os
import subprocess
import sys
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from acceptance_case import AcceptanceCase  # noqa: E402
from band_layout import BandCode  # noqa: E402
from colour_menu import ITEM_CODES  # noqa: E402
from kolvar_app import VALUE_TITLE, frame_rect  # noqa: E402
from menu_driver import MenuDriver  # noqa: E402
from screen_image import ink_box, is_dark  # noqa: E402
from x_display import wait_until  # noqa: E402

SHOWN = BandCode(digit1=4, digit2=7, power=2, overshoot=-1)
MARGIN = 0
MENU_AT = (330, 12)
# The bottom of the value dialog's field, in dialog units.
FIELD_BOTTOM_UNITS = (0, 31)


def transparent_around(path, area, rects):
    """Makes everything of the picture at path but the given rectangles transparent."""
    left, top, right, bottom = area
    shapes = [f"rectangle {r.left - left},{r.top - top} {r.right - left - 1},{r.bottom - top - 1}"
              for r in rects]
    mask = ["(", "-size", f"{right - left}x{bottom - top}", "xc:black", "-fill", "white"]
    for shape in shapes:
        mask += ["-draw", shape]
    subprocess.run(["convert", path] + mask + [")", "-alpha", "off", "-compose", "CopyOpacity",
                                                "-composite", "-strip", path], check=True)


def bounding(rects):
    return (min(r.left for r in rects) - MARGIN, min(r.top for r in rects) - MARGIN,
            max(r.right for r in rects) + MARGIN, max(r.bottom for r in rects) + MARGIN)


class Screenshots(AcceptanceCase):
    folder = "docs"

    def test_take(self):
        app = self.start_kolvar(settings=SHOWN.settings())
        marking = self.wait_for_marking(app, SHOWN)
        frame = frame_rect(self.display, app.window)
        marking.image.save_png(os.path.join(self.folder, "window.png"), *bounding([frame]))

        # Opened at the right, the menus leave most of the bands in sight.
        driver = MenuDriver(self, app)
        left, top = self.marking_origin(app)
        driver.open_point = lambda: (left + MENU_AT[0], top + MENU_AT[1])
        _, items = driver.open_sub_menu(extended=False, name="power")
        # Point at the checked item, so that the picture shows the highlight as well.
        self.display.move(*items[ITEM_CODES["power"].index(SHOWN.power)].centre)
        menus = self.wait_for_menus(app, 2)
        image = self.grab()
        path = os.path.join(self.folder, "screenshot.png")
        area = bounding([frame] + menus)
        image.save_png(path, *area)
        transparent_around(path, area, [frame] + menus)

        # The value dialog, opened by a digit typed in the main window, with a value typed in.
        self.key("Escape", "Escape")
        self.wait_for_menus(app, 0)
        self.key("4")
        dialog = self.wait_for_window(app, VALUE_TITLE)
        area = bounding([wait_until(lambda: frame_rect(self.display, dialog))])
        # What it says it understood, below the field, whose caret blinks.
        client = app.client_rect_of(dialog)
        [(_, below_field)] = app.dialog_pixels(self.display, FIELD_BOTTOM_UNITS)
        reading = (client.left, client.top + below_field, client.right, client.bottom)
        opened = self.steady(reading)
        self.assertIsNotNone(opened, "the value dialog is not drawn")
        self.key("K", "7", "J")
        typed = self.steady(reading, unlike=opened[1])
        self.assertIsNotNone(typed, "the value dialog does not show what the value was read as")
        typed[0].save_png(os.path.join(self.folder, "value-dialog.png"), *area)

    def steady(self, area, unlike=None):
        """A screenshot and its area's pixels, once the area shows text, two screenshots agree
        there and it differs from unlike."""
        def shown():
            image = self.grab()
            pixels = image.region_bytes(*area)
            drawn = pixels != unlike and ink_box(image, *area, is_dark) is not None
            return (image, pixels) if drawn and pixels == self.grab().region_bytes(*area) else None

        return wait_until(shown, interval=0.1)


if __name__ == "__main__":
    Screenshots.folder = sys.argv[1] if len(sys.argv) > 1 else "docs"
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(Screenshots)
    sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1)

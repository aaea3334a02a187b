"""Takes the README's pictures of kolvar: docs/window.png and docs/screenshot.png.

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
from kolvar_app import frame_rect  # noqa: E402
from menu_driver import MenuDriver  # noqa: E402

SHOWN = BandCode(digit1=4, digit2=7, power=2, overshoot=-1)
MARGIN = 0
MENU_AT = (330, 12)


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


if __name__ == "__main__":
    Screenshots.folder = sys.argv[1] if len(sys.argv) > 1 else "docs"
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(Screenshots)
    sys.exit(0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1)

"""kolvar.exe under Wine, started as a Windows user starts it: its main window shows the stored
selection's picture and caption, and the picture is the Linux build's, pixel for pixel."""

import os
import shutil
import unittest

import displays
import marking_view
from acceptance_case import AcceptanceCase
from band_layout import PICTURE_HEIGHT, PICTURE_WIDTH, BandCode
from kolvar_app import MAIN_TITLE, KolvarApp
from wine_app import WineKolvarApp, missing_variables

# Five bands, gold multiplier and tolerance: every kind of band, and codes stored negative.
CODE = BandCode(extended=1, digit1=4, digit2=7, digit3=0, power=-1, overshoot=-1)


def missing_tools():
    missing = displays.missing_tools() + missing_variables()
    if not os.environ.get("KOLVAR_LINUX_EXECUTABLE"):
        missing.append("KOLVAR_LINUX_EXECUTABLE (the Linux build's kolvar)")
    return missing + ([] if shutil.which("wine") else ["wine"])


class WineMainWindowTest(AcceptanceCase):
    def start(self, app):
        self.addCleanup(app.stop)
        app.write_settings(CODE.settings())
        return app.start()

    def picture(self, app):
        """The picture's pixels as the screen shows them, once they show the code."""
        marking = self.wait_for_marking(app, CODE, timeout=30)
        left = marking_view.picture_left(marking.view)
        rows = range(marking.picture_top, marking.picture_top + PICTURE_HEIGHT)
        return marking, [marking.image.pixel(x, y) for y in rows
                         for x in range(left, left + PICTURE_WIDTH)]

    def test_shows_the_stored_selection_as_the_linux_build_does(self):
        windows = self.start(WineKolvarApp(self.display))
        self.assertEqual(self.display.window_title(windows.window), MAIN_TITLE)
        marking, windows_picture = self.picture(windows)
        self.assertIsNotNone(
            marking_view.caption_ink(marking.image, marking.view, marking.picture_top),
            "no caption under the picture")
        windows.stop()

        linux = self.start(KolvarApp(self.display,
                                     program=os.environ["KOLVAR_LINUX_EXECUTABLE"]))
        _, linux_picture = self.picture(linux)
        different = [index for index, (a, b) in enumerate(zip(windows_picture, linux_picture))
                     if a != b]
        self.assertEqual(different, [], "pixels (x, y) that differ: " + ", ".join(
            f"({i % PICTURE_WIDTH}, {i // PICTURE_WIDTH})" for i in different[:10]))


if __name__ == "__main__":
    unittest.main()

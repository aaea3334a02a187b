"""The main window as it first appears: place, size, title, picture and caption; on Windows, the
picture is the Linux build's, pixel for pixel."""

import os
import unittest

import marking_view
from acceptance_case import AcceptanceCase
from band_layout import BODY_BEIGE, CLIENT_UNITS, PICTURE_HEIGHT, PICTURE_WIDTH, BandCode
import displays
from displays import on_windows
from kolvar_app import MAIN_TITLE, KolvarApp, Rect, centre_offset, frame_rect
from x_display import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until


def missing_tools():
    linux = os.environ.get("KOLVAR_LINUX_EXECUTABLE", "")
    return displays.missing_tools() + (
        ["KOLVAR_LINUX_EXECUTABLE, the Linux build's kolvar"]
        if on_windows() and not os.access(linux, os.X_OK) else [])
# A caption in 24-point type at 96 dots per inch is 32 pixels to the em.
CAPTION_EM = 32


class MainWindowTest(AcceptanceCase):
    def test_window_has_the_title_and_client_size_and_is_centred(self):
        app = self.start_kolvar()
        self.assertEqual(self.display.window_title(app.window), MAIN_TITLE)
        client = app.client_rect()
        [size] = app.dialog_pixels(self.display, CLIENT_UNITS)
        self.assertEqual((client.width, client.height), size)

        # The window manager may place the frame a moment after the window is shown.
        screen = Rect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)

        def centred():
            frame = frame_rect(self.display, app.window)
            offset = centre_offset(screen, frame) if frame else None
            return offset is not None and max(map(abs, offset)) <= 1

        self.assertTrue(wait_until(centred),
                        f"the window's frame {frame_rect(self.display, app.window)} is not "
                        "centred on the screen")

    def test_picture_is_centred_above_the_caption(self):
        app = self.start_kolvar()
        marking = self.wait_for_marking(app, BandCode())
        view = marking.view
        # The picture's left edge follows from the layout alone; its top from the caption height.
        self.assertEqual(marking_view.picture_left(view) - view.left,
                         (app.client_rect().width - 14 - PICTURE_WIDTH) // 2)
        caption_height = marking_view.caption_height_for(view, marking.picture_top)
        self.assertIn(caption_height - CAPTION_EM, range(0, 13),
                      f"a caption {caption_height} px high does not fit 24-point type")

        ink = marking_view.caption_ink(marking.image, view, marking.picture_top)
        self.assertIsNotNone(ink, "no caption under the picture")
        ink_left, ink_top, ink_right, ink_bottom = ink
        self.assertGreaterEqual(ink_top, view.bottom - caption_height,
                                "the caption reaches into the picture's area")
        self.assertGreater(ink_bottom, view.bottom - caption_height // 2,
                           "the caption does not sit on the view's bottom edge")
        self.assertLessEqual(abs((ink_left + ink_right) - (view.left + view.right)), 4,
                             "the caption is not centred")

    def test_default_bands_are_brown_red_orange_silver_on_beige(self):
        app = self.start_kolvar()
        marking = self.wait_for_marking(app, BandCode())
        self.assertEqual(marking.differences(BandCode()), [])
        # The whole of the body's middle row between the bands is body-coloured.
        between = [column for column in range(60, 290)
                   if not any(first <= column <= last for first, last in BandCode().slots())]
        self.assertEqual(set(marking.columns(between)), {BODY_BEIGE})
        # Above the picture and around it, the view shows its window colour.
        window_colour = marking.image.pixel(marking.view.left + 1, marking.view.top + 1)
        self.assertEqual(marking.columns([0, PICTURE_WIDTH - 1]), [window_colour] * 2)
        self.assertEqual(marking.image.pixel(marking.view.left + 1,
                                             marking.picture_top + PICTURE_HEIGHT // 2),
                         window_colour)

    if on_windows():
        def test_picture_is_the_linux_builds_pixel_for_pixel(self):
            # Five bands, gold multiplier and tolerance: every kind of band, codes stored negative.
            code = BandCode(extended=1, digit1=4, digit2=7, digit3=0, power=-1, overshoot=-1)
            windows = self.start_kolvar(settings=code.settings())
            windows_picture = self.picture(windows, code)
            windows.stop()
            linux = KolvarApp(self.display, program=os.environ["KOLVAR_LINUX_EXECUTABLE"])
            self.addCleanup(linux.stop)
            linux.write_settings(code.settings())
            linux_picture = self.picture(linux.start(), code)
            different = [index for index, (a, b) in enumerate(zip(windows_picture, linux_picture))
                         if a != b]
            self.assertEqual(different, [], "pixels (x, y) that differ: " + ", ".join(
                f"({i % PICTURE_WIDTH}, {i // PICTURE_WIDTH})" for i in different[:10]))

    def picture(self, app, code):
        """The picture's pixels as the screen shows them, once they show the code."""
        marking = self.wait_for_marking(app, code)
        left = marking_view.picture_left(marking.view)
        rows = range(marking.picture_top, marking.picture_top + PICTURE_HEIGHT)
        return [marking.image.pixel(x, y) for y in rows for x in range(left, left + PICTURE_WIDTH)]


if __name__ == "__main__":
    unittest.main()

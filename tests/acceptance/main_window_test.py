"""The main window as it first appears: place, size, title, picture and caption."""

import unittest

import marking_view
from acceptance_case import AcceptanceCase
from band_layout import BODY_BEIGE, PICTURE_HEIGHT, PICTURE_WIDTH, BandCode
from kolvar_app import MAIN_TITLE, Rect, centre_offset, frame_rect
from x_display import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

CLIENT_WIDTH = 480
CLIENT_HEIGHT = 325
# A caption in 24-point type at 96 dots per inch is 32 pixels to the em.
CAPTION_EM = 32


class MainWindowTest(AcceptanceCase):
    def test_window_has_the_title_and_client_size_and_is_centred(self):
        app = self.start_kolvar()
        self.assertEqual(self.display.window_title(app.window), MAIN_TITLE)
        client = app.client_rect()
        self.assertEqual((client.width, client.height), (CLIENT_WIDTH, CLIENT_HEIGHT))

        # The window manager may place the frame a moment after the window is shown.
        screen = Rect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)

        def centred():
            frame = frame_rect(self.display, app.window)
            offset = centre_offset(screen, frame) if frame else None
            return offset is not None and max(map(abs, offset)) <= 1

        self.assertTrue(wait_until(centred, timeout=5),
                        f"the window's frame {frame_rect(self.display, app.window)} is not "
                        "centred on the screen")

    def test_picture_is_centred_above_the_caption(self):
        app = self.start_kolvar()
        marking = self.wait_for_marking(app, BandCode())
        view = marking.view
        # The picture's left edge follows from the layout alone; its top from the caption height.
        self.assertEqual(marking_view.picture_left(view) - view.left,
                         (CLIENT_WIDTH - 14 - PICTURE_WIDTH) // 2)
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


if __name__ == "__main__":
    unittest.main()

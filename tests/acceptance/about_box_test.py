"""The About box: opened from the colour menu, centred over the main window, closed by OK."""

import unittest

from acceptance_case import AcceptanceCase
from band_layout import BandCode
from kolvar_app import ABOUT_TITLE, centre_offset, frame_extents, frame_rect
from menu_driver import MenuDriver
from screen_image import ink_box, is_dark
from x_display import wait_until

ABOUT_CLIENT = (353, 89)
# The OK button's place in dialog units (178, 7; 50 by 14), at 6 by 13 base units.
OK_BUTTON = (267, 11, 75, 23)


class AboutBoxTest(AcceptanceCase):
    def open_about(self, app, open_from_menu):
        self.wait_for_marking(app, BandCode())
        open_from_menu(MenuDriver(self, app))
        about = wait_until(lambda: app.find_window(ABOUT_TITLE), timeout=10)
        self.assertIsNotNone(about, f"no window titled {ABOUT_TITLE!r}")
        wait_until(lambda: frame_extents(self.display, about), timeout=10)
        return about

    def click_ok(self, app, about):
        client = app.client_rect_of(about)
        left, top, width, height = OK_BUTTON
        image = self.grab()
        self.assertIsNotNone(
            ink_box(image, client.left + left, client.top + top, client.left + left + width,
                    client.top + top + height, is_dark), "no OK button where the layout puts it")
        self.click(client.left + left + width // 2, client.top + top + height // 2)
        self.assertTrue(wait_until(lambda: app.find_window(ABOUT_TITLE) is None, timeout=10),
                        "the About box is still open")

    def test_opens_from_the_menu_by_mouse_centred_and_closes_with_ok(self):
        app = self.start_kolvar()
        about = self.open_about(app, lambda menu: menu.choose_entry_by_mouse(False, "about"))
        client = app.client_rect_of(about)
        self.assertEqual((client.width, client.height), ABOUT_CLIENT)
        main_frame = frame_rect(self.display, app.window)

        def centred():
            frame = frame_rect(self.display, about)
            return frame is not None and max(map(abs, centre_offset(main_frame, frame))) <= 1

        self.assertTrue(wait_until(centred, timeout=5),
                        f"the About box {frame_rect(self.display, about)} is not centred over "
                        f"the main window {main_frame}")
        self.click_ok(app, about)
        self.assertIsNone(app.process.poll(), "the program ended with the About box")

    def test_main_window_takes_no_input_until_ok(self):
        app = self.start_kolvar()
        about = self.open_about(app, lambda menu: menu.choose_by_keys(False, "about"))
        driver = MenuDriver(self, app)
        self.click(*driver.open_point(), button=3)
        self.assertIsNone(wait_until(app.popup_windows, timeout=1),
                          "the main window opened its menu under the About box")
        self.click_ok(app, about)
        # Back in the main window, the menu opens again and its choices work.
        driver.choose_by_keys(False, "digit1", 2)
        self.wait_for_marking(app, BandCode(digit1=2))


if __name__ == "__main__":
    unittest.main()

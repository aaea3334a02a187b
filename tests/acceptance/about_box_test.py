"""The About box: opened from the colour menu, and on Windows from the system menu, centred over
the main window, closed by OK."""

import unittest

from acceptance_case import AcceptanceCase
from band_layout import BandCode
from displays import on_windows
from kolvar_app import ABOUT_TITLE, centre_offset, frame_rect
from menu_driver import MenuDriver
from menu_geometry import text_lines
from screen_image import ink_box, is_dark
from x_display import wait_until

# The About box's template in dialog units: its size, and the OK button's place and size.
ABOUT_UNITS = (235, 55)
OK_BUTTON_UNITS = ((178, 7), (50, 14))


class AboutBoxTest(AcceptanceCase):
    def open_about(self, app, open_from_menu):
        self.wait_for_marking(app, BandCode())
        open_from_menu(MenuDriver(self, app))
        return self.wait_for_window(app, ABOUT_TITLE)

    def click_ok(self, app, about):
        client = app.client_rect_of(about)
        (left, top), (width, height) = app.dialog_pixels(self.display, *OK_BUTTON_UNITS)
        image = self.grab()
        self.assertIsNotNone(
            ink_box(image, client.left + left, client.top + top, client.left + left + width,
                    client.top + top + height, is_dark), "no OK button where the layout puts it")
        self.click(client.left + left + width // 2, client.top + top + height // 2)
        self.assertTrue(wait_until(lambda: app.find_window(ABOUT_TITLE) is None),
                        "the About box is still open")

    def test_opens_from_the_menu_by_mouse_centred_and_closes_with_ok(self):
        app = self.start_kolvar()
        about = self.open_about(app, lambda menu: menu.choose_entry_by_mouse(False, "about"))
        client = app.client_rect_of(about)
        self.assertEqual([(client.width, client.height)],
                         app.dialog_pixels(self.display, ABOUT_UNITS))
        self.assert_centred_over_the_main_window(app, about)
        self.click_ok(app, about)
        self.assertIsNone(app.process.poll(), "the program ended with the About box")

    def assert_centred_over_the_main_window(self, app, about):
        main_frame = frame_rect(self.display, app.window)

        def centred():
            frame = frame_rect(self.display, about)
            return frame is not None and max(map(abs, centre_offset(main_frame, frame))) <= 1

        self.assertTrue(wait_until(centred),
                        f"the About box {frame_rect(self.display, about)} is not centred over "
                        f"the main window {main_frame}")

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

    if on_windows():
        # On Linux the window menu is the window manager's, and no program adds to it.
        def test_opens_from_the_system_menu_by_keys_and_mouse(self):
            app = self.start_kolvar()

            def choose_from_system_menu(_):
                app.open_system_menu()
                [menu] = self.wait_for_menus(app, 1)
                # The program's item is the last one; two screenshots alike: the menu is drawn.
                lines = wait_until(lambda: self.stable_text_lines(menu))
                self.assertIsNotNone(lines, "the system menu shows no items")
                top, bottom = lines[-1]
                self.click(menu.left + menu.width // 3, (top + bottom) // 2)

            about = self.open_about(app, choose_from_system_menu)
            self.assert_centred_over_the_main_window(app, about)
            self.click_ok(app, about)
            self.assertIsNone(app.process.poll(), "the program ended with the About box")

    def stable_text_lines(self, menu):
        lines = text_lines(self.grab(), menu)
        return lines if lines and lines == text_lines(self.grab(), menu) else None


if __name__ == "__main__":
    unittest.main()

"""Every way of ending the program saves the selection, and the next start shows it."""

import signal
import unittest

from acceptance_case import AcceptanceCase
from band_layout import BandCode
from displays import on_windows
from kolvar_app import ABOUT_TITLE
from menu_driver import MenuDriver
from window_frame import close_button
from x_display import wait_until


class EndingTest(AcceptanceCase):
    def end_and_restart(self, change, expected, end):
        """Changes the selection, ends the program one way, and starts it again."""
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        change(MenuDriver(self, app))
        self.wait_for_menus(app, 0)
        before = self.wait_for_marking(app, expected)
        end(app)
        self.assertIsNotNone(app.wait_for_exit(), "the program did not end")
        self.assertEqual(app.read_settings(), expected.settings())

        again = self.start_kolvar(config_home=app.config_home)
        after = self.wait_for_marking(again, expected)
        self.assertEqual(after.caption(), before.caption())

    def test_escape(self):
        self.end_and_restart(lambda menu: menu.choose_by_keys(False, "overshoot", -1),
                             BandCode(overshoot=-1), lambda app: self.key("Escape"))

    def test_enter(self):
        self.end_and_restart(lambda menu: menu.choose_by_keys(False, "five_band"),
                             BandCode(extended=1), lambda app: self.key("Return"))

    def test_close_box(self):
        def click_close_box(app):
            button = close_button(self.display, app.window, app.client_rect())
            self.assertIsNotNone(button, "no close button on the window's frame")
            self.click(button.left + button.width // 2, button.top + button.height // 2)

        self.end_and_restart(lambda menu: menu.choose_by_keys(False, "power", -2),
                             BandCode(power=-2), click_close_box)

    def test_alt_f4(self):
        self.end_and_restart(lambda menu: menu.choose_by_keys(False, "digit1", 9),
                             BandCode(digit1=9), lambda app: self.key("alt+F4"))

    def test_close_item_of_the_menu(self):
        def choose_close(app):
            MenuDriver(self, app).choose_entry_by_mouse(False, "close")

        self.end_and_restart(lambda menu: menu.choose_by_mouse(False, "overshoot", 9),
                             BandCode(overshoot=9), choose_close)

    if on_windows():
        # Logging off asks each program whether it may end, then tells it the session ends.
        def test_end_of_the_session_with_the_colour_menu_open(self):
            def log_off(app):
                MenuDriver(self, app).open(extended=False)
                app.end_user_session()

            self.end_and_restart(lambda menu: menu.choose_by_keys(False, "digit2", 0),
                                 BandCode(digit2=0), log_off)

        def test_end_of_the_session_with_the_about_box_open(self):
            def log_off(app):
                MenuDriver(self, app).choose_by_keys(False, "about")
                self.assertIsNotNone(wait_until(lambda: app.find_window(ABOUT_TITLE)),
                                     "the About box did not open")
                app.end_user_session()

            self.end_and_restart(lambda menu: menu.choose_by_mouse(False, "power", 5),
                                 BandCode(power=5), log_off)
    else:
        # Windows has no signals; a session's end is its way of asking a program to end.
        def test_termination_signal(self):
            self.end_and_restart(lambda menu: menu.choose_by_keys(False, "digit2", 0),
                                 BandCode(digit2=0),
                                 lambda app: app.process.send_signal(signal.SIGTERM))

    def test_first_run_saves_the_defaults_unchanged(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        self.assertIsNone(app.read_settings(), "settings written before the program ended")
        self.key("Escape")
        self.assertIsNotNone(app.wait_for_exit(), "the program did not end")
        self.assertEqual(app.read_settings(), BandCode().settings())


if __name__ == "__main__":
    unittest.main()

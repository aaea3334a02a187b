"""On sway: the colour menu is a pop-up at the pointer even while another program has the focus."""

import unittest

import colour_menu
from acceptance_case import AcceptanceCase
from band_layout import BandCode
from kolvar_app import MAIN_TITLE
from menu_driver import MenuDriver


class UnfocusedMenuTest(AcceptanceCase):
    def test_right_click_into_an_unfocused_window_opens_a_popup_at_the_pointer(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        other = self.start_kolvar()
        # Out of the way, in the screen's bottom right corner, and with the focus.
        self.display.run("swaymsg", f"[pid={other.process.pid}] move position 544 443, focus")
        point = MenuDriver(self, app).open_point()
        self.click(*point, button=3)
        [menu] = self.wait_for_menus(app, 1)
        self.assertEqual((menu.left, menu.top), point)
        self.wait_for_menu_text(menu, len(colour_menu.entries(False)))
        self.assertEqual([window["name"] for window in self.display.windows(app.process.pid)],
                         [MAIN_TITLE], "the menu became a window of its own")


if __name__ == "__main__":
    unittest.main()

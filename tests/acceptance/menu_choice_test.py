"""Choices from the colour menu, by mouse and by keys, repaint bands and caption at once."""

import unittest

from acceptance_case import AcceptanceCase
from band_layout import BandCode
from kolvar_app import VALUE_TITLE
from menu_driver import MenuDriver
from x_display import wait_until


class MenuChoiceTest(AcceptanceCase):
    def choose(self, app, before, after, choice):
        """Makes the choice and returns the marking, checked to show the new code."""
        shown = self.wait_for_marking(app, before)
        choice(MenuDriver(self, app))
        self.wait_for_menus(app, 0)
        changed = self.wait_for_marking(app, after)
        self.assertNotEqual(changed.caption(), shown.caption(), "the caption did not change")
        return changed

    def caption_of(self, code):
        """The caption a fresh start shows for the code."""
        app = self.start_kolvar(settings=code.settings())
        caption = self.wait_for_marking(app, code).caption()
        app.stop()
        return caption

    def test_first_digit_by_mouse(self):
        app = self.start_kolvar()
        after = BandCode(digit1=4)
        changed = self.choose(app, BandCode(), after,
                              lambda menu: menu.choose_by_mouse(False, "digit1", 4))
        app.stop()
        self.assertEqual(changed.caption(), self.caption_of(after))

    def test_second_digit_by_keys(self):
        app = self.start_kolvar()
        self.choose(app, BandCode(), BandCode(digit2=9),
                    lambda menu: menu.choose_by_keys(False, "digit2", 9))

    def test_silver_multiplier_by_keys(self):
        app = self.start_kolvar()
        after = BandCode(power=-2)
        changed = self.choose(app, BandCode(), after,
                              lambda menu: menu.choose_by_keys(False, "power", -2))
        app.stop()
        self.assertEqual(changed.caption(), self.caption_of(after))

    def test_gold_multiplier_by_mouse(self):
        app = self.start_kolvar()
        self.choose(app, BandCode(), BandCode(power=-1),
                    lambda menu: menu.choose_by_mouse(False, "power", -1))

    def test_twenty_percent_leaves_the_tolerance_slot_empty(self):
        app = self.start_kolvar()
        after = BandCode(overshoot=9)
        changed = self.choose(app, BandCode(), after,
                              lambda menu: menu.choose_by_mouse(False, "overshoot", 9))
        app.stop()
        self.assertEqual(changed.caption(), self.caption_of(after))

    def test_gold_tolerance_by_keys_and_back_to_silver_by_mouse(self):
        app = self.start_kolvar()
        gold = BandCode(overshoot=-1)
        shown = self.choose(app, BandCode(), gold,
                            lambda menu: menu.choose_by_keys(False, "overshoot", -1))
        back = self.choose(app, gold, BandCode(),
                           lambda menu: menu.choose_by_mouse(False, "overshoot", -2))
        self.assertNotEqual(back.caption(), shown.caption())

    def test_five_band_code_by_keys_then_third_digit_by_mouse_and_back_by_mouse(self):
        app = self.start_kolvar()
        five = BandCode(extended=1)
        self.choose(app, BandCode(), five, lambda menu: menu.choose_by_keys(False, "five_band"))
        third = five.but(digit3=7)
        self.choose(app, five, third, lambda menu: menu.choose_by_mouse(True, "digit3", 7))
        self.choose(app, third, third.but(extended=0),
                    lambda menu: menu.choose_entry_by_mouse(True, "five_band"))

    def test_a_value_typed_in_the_main_window(self):
        app = self.start_kolvar()
        shown = self.wait_for_marking(app, BandCode())
        # A digit typed in the main window opens the dialog with the digit in its field.
        self.key("4")
        self.wait_for_window(app, VALUE_TITLE)
        self.key("K", "7", "J", "Return")
        self.assertTrue(wait_until(lambda: app.find_window(VALUE_TITLE) is None),
                        "the value dialog is still open")
        after = BandCode(digit1=4, digit2=7, power=2, overshoot=-1)
        changed = self.wait_for_marking(app, after)
        app.stop()
        self.assertNotEqual(changed.caption(), shown.caption(), "the caption did not change")
        self.assertEqual(changed.caption(), self.caption_of(after))


if __name__ == "__main__":
    unittest.main()

"""Opening the colour menu and choosing from it with real mouse and key events."""

import colour_menu
from menu_geometry import colour_items, text_lines
from x_display import wait_until

# Where in the view the menu is opened: near its top left, so every sub-menu fits below.
OPEN_OFFSET = (40, 20)


class MenuDriver:
    def __init__(self, case, app):
        self.case = case
        self.app = app

    def open_point(self):
        view_left, view_top = self.case.marking_origin(self.app)
        return view_left + OPEN_OFFSET[0], view_top + OPEN_OFFSET[1]

    def open(self, extended, double_click=False, point=None):
        """Opens the menu; returns its rectangle and a screenshot showing its items."""
        x, y = point or self.open_point()
        if double_click:
            self.case.click(x, y, button=1, repeat=2)
        else:
            self.case.click(x, y, button=3)
        [menu] = self.case.wait_for_menus(self.app, 1)
        image = self.case.wait_for_menu_text(menu, len(colour_menu.entries(extended)))
        return menu, image

    def entry_centre(self, menu, image, extended, name):
        top, bottom = text_lines(image, menu)[colour_menu.entry_index(extended, name)]
        return menu.left + menu.width // 3, (top + bottom) // 2

    def open_sub_menu(self, extended, name):
        """Opens the menu and points at a sub-menu entry; returns the sub-menu's items."""
        menu, image = self.open(extended)
        self.case.display.move(*self.entry_centre(menu, image, extended, name))
        sub_menu = self.case.wait_for_menus(self.app, 2)[-1]
        expected = len(colour_menu.ITEM_CODES[name])

        def items_shown():
            shot = self.case.grab()
            items = colour_items(shot, sub_menu)
            return (shot, items) if len(items) == expected else None

        shown = wait_until(items_shown, interval=0.1)
        self.case.assertIsNotNone(shown, f"the {name} sub-menu does not show {expected} items")
        return shown

    def choose_by_mouse(self, extended, name, code):
        _, items = self.open_sub_menu(extended, name)
        item = items[colour_menu.ITEM_CODES[name].index(code)]
        self.case.click(*item.centre)

    def choose_entry_by_mouse(self, extended, name):
        menu, image = self.open(extended)
        self.case.click(*self.entry_centre(menu, image, extended, name))

    def choose_by_keys(self, extended, name, code=None):
        """Walks to the entry with the arrow keys, into its sub-menu if any, and takes Enter."""
        self.open(extended)
        keys = ["Down"] * (colour_menu.entry_index(extended, name) + 1)
        if code is not None:
            # A sub-menu opened from the keyboard starts on its first item.
            keys += ["Right"] + ["Down"] * colour_menu.ITEM_CODES[name].index(code)
        self.case.key(*keys, "Return")

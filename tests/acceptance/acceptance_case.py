"""Test cases that run kolvar on a display of their own and look at the screen."""

import unittest
from dataclasses import dataclass

import marking_view
from band_layout import BODY_BEIGE, body_gap_columns
from displays import app_class, display_class, missing_tools
from kolvar_app import Rect, frame_extents
from menu_geometry import text_lines
from screen_image import ScreenImage
from x_display import STATE_TIMEOUT, wait_until


@dataclass
class Marking:
    """What the view shows on one screenshot."""
    image: ScreenImage
    view: Rect
    picture_top: int

    def columns(self, columns):
        return marking_view.band_row_colours(self.image, self.view, self.picture_top, columns)

    def differences(self, code):
        """Readable list of the band and body pixels that do not show the code."""
        wrong = []
        for (first, last), colour in zip(code.slots(), code.slot_colours()):
            columns = range(first, last + 1)
            for column, seen in zip(columns, self.columns(columns)):
                if seen != colour:
                    wrong.append(f"band column {column}: {seen}, expected {colour}")
        gaps = body_gap_columns(code.slots())
        for column, seen in zip(gaps, self.columns(gaps)):
            if seen != BODY_BEIGE:
                wrong.append(f"body column {column}: {seen}, expected {BODY_BEIGE}")
        return wrong

    def caption(self):
        return marking_view.caption_bytes(self.image, self.view, self.picture_top)


class AcceptanceCase(unittest.TestCase):
    """One display server per test class, one kolvar per test; config_home=another run's
    config_home starts with that run's settings."""

    @classmethod
    def setUpClass(cls):
        missing = missing_tools()
        if missing:
            raise unittest.SkipTest("acceptance tests need " + ", ".join(missing))
        cls.display = display_class()()
        cls.addClassCleanup(cls.display.stop)
        cls.display.start()
        cls.app_class = app_class()
        cls.app_class.begin_session(cls.display)
        cls.addClassCleanup(cls.app_class.end_session, cls.display)

    def start_kolvar(self, settings=None, config_home=None):
        app = self.app_class(self.display, config_home=config_home)
        self.addCleanup(app.stop)
        if settings is not None:
            app.write_settings(settings)
        app.start()
        return app

    def grab(self):
        return ScreenImage.grab(self.display)

    def marking(self, app, image=None):
        image = image or self.grab()
        view = marking_view.view_rect(app.client_rect())
        top = marking_view.find_picture_top(image, view)
        return Marking(image, view, top) if top is not None else None

    def marking_origin(self, app):
        view = marking_view.view_rect(app.client_rect())
        return view.left, view.top

    def wait_for_marking(self, app, code, timeout=STATE_TIMEOUT):
        """The first screenshot whose picture shows the code; fails with what it shows."""
        last = None

        def shows_code():
            nonlocal last
            last = self.marking(app)
            return last if last is not None and not last.differences(code) else None

        found = wait_until(shows_code, timeout=timeout, interval=0.1)
        if found is None:
            self.assertIsNotNone(last, "the picture's outline is not in the view")
            self.fail(f"the picture does not show {code}:\n  " +
                      "\n  ".join(last.differences(code)[:12]))
        return found

    def wait_for_window(self, app, title):
        """The program's window titled title, once the window manager has framed it."""
        window = wait_until(lambda: app.find_window(title))
        self.assertIsNotNone(window, f"no window titled {title!r}")
        wait_until(lambda: frame_extents(self.display, window))
        return window

    def click(self, x, y, button=1, repeat=1):
        self.display.click(x, y, button, repeat)

    def key(self, *keys):
        self.display.key(*keys)

    def wait_for_menus(self, app, count, timeout=STATE_TIMEOUT):
        """The program's open menus, once exactly count of them are shown."""
        def menus_shown():
            found = app.popup_windows()
            # Wrapped, as no menus at all is an empty and so false list.
            return (found,) if len(found) == count else None

        shown = wait_until(menus_shown, timeout=timeout)
        self.assertIsNotNone(shown, f"expected {count} open menu(s), found "
                                    f"{len(app.popup_windows())}")
        return shown[0]

    def wait_for_menu_text(self, menu, line_count, timeout=STATE_TIMEOUT):
        """A screenshot on which the menu shows line_count lines of text."""
        def painted():
            image = self.grab()
            return image if len(text_lines(image, menu)) == line_count else None

        image = wait_until(painted, timeout=timeout, interval=0.1)
        self.assertIsNotNone(image, f"the menu at {menu} does not show {line_count} lines")
        return image

"""One run of the built program on a display of its own, with a settings folder of its own."""

import os
import shutil
import subprocess
import tempfile

import rect
from x_display import STATE_TIMEOUT, stop_process, wait_until

# The tests' modules take it from here.
Rect = rect.Rect

MAIN_TITLE = "Цветная маркировка резистора"
ABOUT_TITLE = "О программе Kolvar"
VALUE_TITLE = "Номинал резистора"
COMPANY_FOLDER = "Local AppWizard-Generated Applications"
# The Qt build lays its dialogs out in the classic dialog base units of 6 x 13 at 96 dots per
# inch, whatever font the system has.
DIALOG_BASE_UNITS = (6, 13)


def executable():
    path = os.environ.get("KOLVAR_EXECUTABLE", "")
    if not path or not os.access(path, os.X_OK):
        raise RuntimeError("KOLVAR_EXECUTABLE must name the built kolvar program")
    return path


# The display finds the windows: each display server has its own way of telling where they are.
def window_rect(display, window):
    """The window's place on the screen, without the window manager's frame."""
    return display.window_rect(window)


def frame_extents(display, window):
    """Left, right, top and bottom of the decoration the window manager put around it."""
    return display.frame_extents(window)


def frame_rect(display, window):
    """The window with the window manager's frame, or None while it has no frame."""
    return display.frame_rect(window)


def centre_offset(outer, inner):
    """How far, in doubled pixels, the inner rectangle's centre lies from the outer one's."""
    return (2 * inner.left + inner.width - 2 * outer.left - outer.width,
            2 * inner.top + inner.height - 2 * outer.top - outer.height)


def dialog_units_to_pixels(units, base_units):
    """(x, y) pairs in dialog units as pixels, rounded half away from zero as Windows does."""
    pixels = []
    for x, y in units:
        for value, base, per in ((x, base_units[0], 4), (y, base_units[1], 8)):
            pixels.append((2 * value * base + per) // (2 * per))
    return [tuple(pixels[i:i + 2]) for i in range(0, len(pixels), 2)]


class KolvarApp:
    """Starts kolvar as a user would; stop() ends it, by SIGTERM if it is still running."""

    @staticmethod
    def missing_tools():
        return []

    @staticmethod
    def begin_session(display):
        """Nothing outlives a program on Linux: each start is on its own."""

    @staticmethod
    def end_session(display):
        """See begin_session."""

    @staticmethod
    def dialog_pixels(display, *units):
        """Where (x, y) pairs of dialog units lie in a dialog of the program, in pixels."""
        return dialog_units_to_pixels(units, DIALOG_BASE_UNITS)

    def __init__(self, display, config_home=None, program=None):
        self.display = display
        self.own_config = config_home is None
        self.config_home = config_home or tempfile.mkdtemp(prefix="kolvar-config-")
        self.program = program or executable()
        self.process = None
        self.window = None

    @property
    def settings_path(self):
        name = os.path.basename(self.program)
        return os.path.join(self.config_home, COMPANY_FOLDER, name + ".conf")

    def start(self):
        self.display.hand_over(self.config_home)
        self.process = self.launch()
        self.window = wait_until(lambda: self.find_window(MAIN_TITLE))
        if self.window is None:
            raise RuntimeError(f"no window titled {MAIN_TITLE!r} appeared")
        # Painted once the window manager has framed it.
        wait_until(lambda: frame_extents(self.display, self.window))
        return self

    def launch(self):
        return self.display.launch([self.program], XDG_CONFIG_HOME=self.config_home)

    def stop(self):
        stop_process(self.process)
        if self.own_config:
            shutil.rmtree(self.config_home, ignore_errors=True)

    def wait_for_exit(self, timeout=STATE_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def find_window(self, title):
        return self.display.find_window(self.process.pid, title)

    def popup_windows(self):
        """The program's open menus, by position."""
        return self.display.popup_windows(self.process.pid)

    def client_rect(self):
        return window_rect(self.display, self.window)

    def client_rect_of(self, window):
        return window_rect(self.display, window)

    def read_settings(self):
        """The [Settings] section of the settings file as numbers, or None without a file."""
        if not os.path.exists(self.settings_path):
            return None
        values, section = {}, None
        with open(self.settings_path, encoding="utf-8") as settings:
            for line in settings:
                line = line.strip()
                if line.startswith("["):
                    section = line.strip("[]")
                elif "=" in line and section == "Settings":
                    key, value = line.split("=", 1)
                    values[key.strip()] = int(value.strip())
        return values

    def write_settings(self, values):
        os.makedirs(os.path.dirname(self.settings_path), exist_ok=True)
        with open(self.settings_path, "w", encoding="utf-8") as settings:
            settings.write("[Settings]\n")
            for key, value in values.items():
                settings.write(f"{key}={value}\n")

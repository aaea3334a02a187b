"""kolvar.exe under Wine on the test's display, its settings in the registry of a Wine prefix of
the tests' own.

A Wine session keeps the display it started with, so a test class has one session, ended with
the class; its programs start in the running session, which makes a start take a second rather
than several."""

import os
import shutil
import subprocess
import tempfile

from kolvar_app import COMPANY_FOLDER, KolvarApp

SETTINGS_KEY = "HKEY_CURRENT_USER\\Software\\" + COMPANY_FOLDER + "\\kolvar"
# The font the program's dialog templates name.
DIALOG_FONT = ("MS Shell Dlg", "8")
VARIABLES = ("KOLVAR_WINE_RUN", "KOLVAR_WINEPREFIX", "KOLVAR_WINDOW_TOOL")


def unix_to_wine(path):
    """The path as Wine's programs see it: the Unix root is drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def registry_file(values, fresh):
    """A .reg file that sets the values, after deleting the program's key if fresh."""
    lines = ["Windows Registry Editor Version 5.00", ""]
    if fresh:
        lines += [f"[-{SETTINGS_KEY}]", ""]
    if values is not None:
        lines.append(f"[{SETTINGS_KEY}\\Settings]")
        lines += [f'"{name}"=dword:{value:08x}' for name, value in values.items()]
    return "\r\n".join(lines) + "\r\n"


class WineKolvarApp(KolvarApp):
    """Starts kolvar.exe through scripts/wine-run; its settings are REG_DWORD values.

    A run with a settings folder of its own (config_home None) starts from no settings, as each
    Linux run does; one given another run's config_home keeps that run's settings."""

    @staticmethod
    def missing_tools():
        missing = [f"the variable {name}, which CTest sets" for name in VARIABLES
                   if not os.environ.get(name)]
        return missing + ([] if shutil.which("wine") else ["wine"])

    @staticmethod
    def wine(display, *command, check=True):
        return display.run(os.environ["KOLVAR_WINE_RUN"], *command, check=check)

    @staticmethod
    def begin_session(display):
        # A session a test run left behind has a display that is gone.
        WineKolvarApp.end_session(display)
        # The first program in a fresh prefix makes it, which takes longer than a display's
        # clients are given.
        subprocess.run([os.environ["KOLVAR_WINE_RUN"], "wineboot"], env=display.env(),
                       capture_output=True, timeout=600, check=False)

    @staticmethod
    def end_session(display):
        environment = dict(os.environ, WINEPREFIX=os.environ["KOLVAR_WINEPREFIX"])
        subprocess.run(["wineserver", "-k"], env=environment, capture_output=True, check=False)
        subprocess.run(["wineserver", "-w"], env=environment, capture_output=True, check=False)

    @staticmethod
    def dialog_pixels(display, *units):
        """The dialog manager's own conversion, for a dialog in the program's dialog font."""
        numbers = [str(number) for pair in units for number in pair]
        printed = WineKolvarApp.wine(display, os.environ["KOLVAR_WINDOW_TOOL"], "dialog-size",
                                     *DIALOG_FONT, *numbers).split()
        pixels = [int(number) for number in printed]
        return [tuple(pixels[i:i + 2]) for i in range(0, len(pixels), 2)]

    # Set once the user has logged off: the next program starts in a session of its own.
    logged_off = False

    def __init__(self, display, config_home=None, program=None):
        super().__init__(display, config_home, program)
        self.settings = None

    def launch(self):
        if WineKolvarApp.logged_off:
            # Logging on again waits until the old session has ended; a program started while
            # it ends may never get a window.
            WineKolvarApp.begin_session(self.display)
            WineKolvarApp.logged_off = False
        if self.own_config or self.settings is not None:
            self.import_registry(registry_file(self.settings, self.own_config))
        return self.display.launch([os.environ["KOLVAR_WINE_RUN"], self.program])

    def import_registry(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".reg", encoding="ascii") as file:
            file.write(text)
            file.flush()
            self.wine(self.display, "reg", "import", unix_to_wine(file.name))

    def open_system_menu(self):
        """Alt+Space, from inside the Wine session (the X window manager keeps it for itself)."""
        self.wine(self.display, os.environ["KOLVAR_WINDOW_TOOL"], "system-menu",
                  self.display.window_title(self.window))

    def end_user_session(self):
        """Logs the user off as Windows does: every program's windows are asked, then told."""
        self.wine(self.display, "wineboot", "--end-session")
        WineKolvarApp.logged_off = True

    def read_settings(self):
        """The values under the settings key as numbers, or None without the key."""
        text = self.wine(self.display, "reg", "query", SETTINGS_KEY + "\\Settings", check=False)
        values = {}
        for line in text.splitlines():
            name, kind, value = (line.strip().rsplit(None, 2) + ["", "", ""])[:3]
            if kind == "REG_DWORD":
                values[name] = int(value, 16)
        return values or None

    def write_settings(self, values):
        """Stored as the program starts, in the same call that clears the earlier ones."""
        self.settings = dict(values)

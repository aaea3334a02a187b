"""kolvar.exe under Wine on the test's display, its settings in the registry of a Wine prefix of
the tests' own."""

import os
import subprocess

from kolvar_app import KolvarApp

SETTINGS_KEY = r"HKCU\Software\Local AppWizard-Generated Applications\kolvar\Settings"


def missing_variables():
    return [name for name in ("KOLVAR_WINE_RUN", "KOLVAR_WINEPREFIX")
            if not os.environ.get(name)]


class WineKolvarApp(KolvarApp):
    """Starts kolvar.exe through scripts/wine-run; its settings are REG_DWORD values."""

    def __init__(self, display):
        super().__init__(display)
        self.wine_run = os.environ["KOLVAR_WINE_RUN"]
        # The first program in a fresh prefix makes it, which takes longer than a display's
        # clients are given.
        subprocess.run([self.wine_run, "wineboot"], env=display.env(), capture_output=True,
                       timeout=600, check=False)
        # Each run starts from no settings, as each Linux run from a folder of its own.
        self.reg("delete", SETTINGS_KEY.rsplit("\\", 1)[0], "/f")

    def launch(self):
        return self.display.launch([self.wine_run, self.program])

    def stop(self):
        super().stop()
        # A Wine session keeps the display it started with; the next one may have another.
        self.display.run(self.wine_run, "wineserver", "-k", check=False)

    def reg(self, *arguments):
        return self.display.run(self.wine_run, "reg", *arguments, check=False)

    def read_settings(self):
        """The values under the settings key as numbers, or None without the key."""
        text = self.reg("query", SETTINGS_KEY)
        values = {}
        for line in text.splitlines():
            name, kind, value = (line.strip().rsplit(None, 2) + ["", "", ""])[:3]
            if kind == "REG_DWORD":
                values[name] = int(value, 16)
        return values or None

    def write_settings(self, values):
        for name, value in values.items():
            self.reg("add", SETTINGS_KEY, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f")

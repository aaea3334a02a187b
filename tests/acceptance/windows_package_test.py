"""kolvar.exe as a Windows user gets it: its icon and version in the file, and the installer,
run silently under Wine in a prefix of its own that starts empty."""

import os
import re
import shutil
import tempfile
import unittest

import displays
from acceptance_case import AcceptanceCase
from band_layout import BandCode
from package_test import missing_tools as package_tools
from package_test import run
from wine_app import SETTINGS_KEY, WineKolvarApp
from x_display import wait_until

ICON_FILE = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "kolvar.ico")
PROGRAM_FILES = "drive_c/Program Files/Kolvar"
SHORTCUT = "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kolvar/Kolvar.lnk"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kolvar"
RUSSIAN, ENGLISH = "041904B0", "040904B0"


def missing_tools():
    return displays.missing_tools() + package_tools(
        ("makensis",), ("KOLVAR_EXECUTABLE", "KOLVAR_WINDRES"))


def resource_script(path):
    """The file's resources as the resource compiler writes them back as a script, without the
    memory flags that only a compiled script keeps."""
    format_options = () if path.endswith(".rc") else ("-J", "coff")
    script = run(os.environ["KOLVAR_WINDRES"], *format_options, "-i", path, "-O", "rc")
    return re.sub(r"(\*/)[ A-Z]+\n", r"\1\n", script)


def unescaped(text):
    return re.sub(r"\\x([0-9a-fA-F]{4})|\\([0-7]{3})",
                  lambda match: chr(int(match[1], 16) if match[1] else int(match[2], 8)), text)


class ProgramResourcesTest(unittest.TestCase):
    def test_program_carries_its_icon_and_version(self):
        script = resource_script(os.environ["KOLVAR_EXECUTABLE"])
        # First come the program's icon and its images (IDR_MAINICON), which Explorer shows.
        with tempfile.NamedTemporaryFile("w", suffix=".rc") as icon_only:
            icon_only.write(f'128 ICON "{os.path.abspath(ICON_FILE)}"\n')
            icon_only.flush()
            self.assertTrue(script.startswith(resource_script(icon_only.name)),
                            "the first icon is not the program's")
        self.assertEqual(re.findall(r"(?m)^ (?:FILE|PRODUCT)VERSION (.*)$", script),
                         ["1, 0, 0, 0"] * 2)
        tables = {language.upper(): dict(re.findall(r'VALUE "(\w+)", L?"(.*)"', unescaped(body)))
                  for language, body in re.findall(r'BLOCK "([0-9A-F]{8})"(.*?)END', script, re.S)}
        self.assertEqual(sorted(tables), sorted((RUSSIAN, ENGLISH)))
        for strings in tables.values():
            self.assertEqual(strings["ProductName"], "Kolvar")
            self.assertEqual(strings["ProductVersion"], "1.0.0")
            self.assertIn("MIT", strings["LegalCopyright"])
        self.assertRegex(tables[RUSSIAN]["FileDescription"], r"^[А-Яа-яЁё ]+$")
        self.assertRegex(tables[ENGLISH]["FileDescription"], r"^[A-Za-z ]+$")


class InstallerTest(AcceptanceCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = os.environ["KOLVAR_WINEPREFIX"]
        WineKolvarApp.end_session(None)
        shutil.rmtree(cls.prefix, ignore_errors=True)
        super().setUpClass()
        cls.packed = tempfile.mkdtemp(prefix="kolvar-package-")
        cls.addClassCleanup(shutil.rmtree, cls.packed, ignore_errors=True)
        run(os.environ["KOLVAR_CPACK"], "-G", "NSIS", "-B", cls.packed, "--config",
            os.path.join(os.environ["KOLVAR_BUILD_DIR"], "CPackConfig.cmake"))

    def wine(self, *command):
        return run(os.environ["KOLVAR_WINE_RUN"], *command, env=self.display.env())

    def in_prefix(self, path):
        return os.path.join(self.prefix, path)

    def uninstall_entry(self):
        """The entry's values as reg prints them; without the entry, only the error."""
        return WineKolvarApp.wine(self.display, "reg", "query", UNINSTALL_KEY, check=False)

    def test_installs_starts_and_uninstalls_keeping_the_settings(self):
        self.wine(os.path.join(self.packed, "kolvar-1.0.0-windows-x64.exe"), "/S")
        program = self.in_prefix(os.path.join(PROGRAM_FILES, "kolvar.exe"))
        self.assertEqual(resource_script(program),
                         resource_script(os.environ["KOLVAR_EXECUTABLE"]))
        with open(self.in_prefix(SHORTCUT), "rb") as shortcut:
            self.assertIn(b"kolvar.exe", shortcut.read().replace(b"\0", b"").lower())
        entry = self.uninstall_entry()
        self.assertRegex(entry, r"DisplayName\s+REG_SZ\s+Kolvar\s")
        self.assertRegex(entry, r"DisplayVersion\s+REG_SZ\s+1\.0\.0\s")
        uninstaller = re.search(r'UninstallString\s+REG_SZ\s+"?([^"]*\.exe)', entry).group(1)

        app = WineKolvarApp(self.display, program=program).start()
        self.addCleanup(app.stop)
        self.wait_for_marking(app, BandCode())
        self.key("Escape")
        self.assertIsNotNone(app.wait_for_exit(), "the program did not end")

        # The uninstaller runs on from a copy of itself, so its end is awaited by its effects.
        self.wine(uninstaller, "/S")
        folders = [self.in_prefix(PROGRAM_FILES), os.path.dirname(self.in_prefix(SHORTCUT))]
        wait_until(lambda: not any(map(os.path.exists, folders)) and
                   "DisplayName" not in self.uninstall_entry(), timeout=60)
        self.assertEqual([folder for folder in folders if os.path.exists(folder)], [])
        self.assertNotIn("DisplayName", self.uninstall_entry())
        self.assertEqual(app.read_settings(), BandCode().settings(),
                         f"{SETTINGS_KEY} did not stay")


if __name__ == "__main__":
    unittest.main()

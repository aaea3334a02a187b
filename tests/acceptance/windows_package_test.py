"""kolvar.exe as Windows users and administrators get it: its icons and version in the file; the
installer, for the user and for the machine, and the MSI, run silently under Wine in a prefix of
their own that starts empty; their signatures; and the same bytes from a second build."""

import contextlib
import filecmp
import glob
import os
import pathlib
import re
import shutil
import struct
import subprocess
import tempfile
import unittest
import zipfile

import displays
from acceptance_case import AcceptanceCase
from band_layout import BandCode
from package_test import missing_tools as package_tools
from package_test import run
from reproducible_package_test import copy_working_tree
from wine_app import SETTINGS_KEY, WineKolvarApp, unix_to_wine
from x_display import wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "..", "resources")
PACK = os.path.join(HERE, "..", "..", "scripts", "pack-windows")
VERSION = "1.0.0"
PACKAGE = f"kolvar-{VERSION}-windows-x64"
# What Explorer, the Start menu and the task bar ask a program file for, at every scale.
ICON_SIDES = [16, 20, 24, 32, 40, 48, 64, 256]
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"
FOR_USER = {"root": "HKCU", "programs": "drive_c/users/*/AppData/Local/Programs",
            "menu": "drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"}
FOR_MACHINE = {"root": "HKLM", "programs": "drive_c/Program Files",
               "menu": "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"}


def missing_tools():
    return displays.missing_tools() + package_tools(
        ("makensis", "wixl", "osslsigncode", "openssl", "wrestool", "xprop", "git"),
        ("KOLVAR_EXECUTABLE", "KOLVAR_WINDRES"))


def resource_script(path):
    """The file's resources as the resource compiler writes them back as a script, without the
    memory flags that only a compiled script keeps."""
    format_options = () if path.endswith(".rc") else ("-J", "coff")
    script = run(os.environ["KOLVAR_WINDRES"], *format_options, "-i", path, "-O", "rc")
    return re.sub(r"(\*/)[ A-Z]+\n", r"\1\n", script)


def icon_images(data):
    """An icon file's images as (side, bits per pixel, bytes), in its order."""
    count, = struct.unpack_from("<H", data, 4)
    images = []
    for entry in range(count):
        width, *_, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * entry)
        images.append((width or 256, bits, data[offset:offset + size]))
    return images


def icon_rows(data, side):
    """The image of that side as rows of "RRGGBB", "------" where transparent; the image is a
    bottom-up bitmap of 4 bits with a palette or of 32 with alpha, with its mask."""
    (image,) = [image for image_side, _, image in icon_images(data) if image_side == side]
    bits, = struct.unpack_from("<H", image, 14)
    colours = 40 + (64 if bits == 4 else 0)
    stride, mask_stride = (side * bits + 31) // 32 * 4, (side + 31) // 32 * 4
    rows = []
    for y in range(side - 1, -1, -1):
        row = []
        for x in range(side):
            mask = image[colours + side * stride + y * mask_stride + x // 8]
            at = colours + y * stride + x * 4
            if bits == 4:
                pair = image[colours + y * stride + x // 2]
                at = 40 + 4 * (pair >> 4 if x % 2 == 0 else pair & 15)
            row.append("------" if mask & (0x80 >> x % 8) else image[at:at + 3][::-1].hex())
        rows.append(" ".join(row))
    return rows


def title_bar_icon_rows(display, window, side):
    """The window's icon of that side as the window manager gets it (_NET_WM_ICON: width,
    height, then ARGB pixels, for each image), in the rows of icon_rows."""
    printed = display.run("xprop", "-id", str(window), "-notype", "-f", "_NET_WM_ICON", "32c",
                          "_NET_WM_ICON")
    numbers = [int(number) for number in re.findall(r"\d+", printed.partition("=")[2])]
    while numbers:
        width, height, pixels = numbers[0], numbers[1], numbers[2:2 + numbers[0] * numbers[1]]
        numbers = numbers[2 + width * height:]
        if (width, height) == (side, side):
            return [" ".join(f"{pixel & 0xFFFFFF:06x}" if pixel >> 24 else "------"
                             for pixel in pixels[y * side:(y + 1) * side]) for y in range(side)]
    raise AssertionError(f"the window has no {side}-pixel icon")


def is_signed(path):
    """Whether the program file has an Authenticode signature (its security directory), or the
    MSI the stream that holds one."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:2] != b"MZ":
        return "DigitalSignature".encode("utf-16-le") in data
    header, = struct.unpack_from("<I", data, 0x3C)
    magic, = struct.unpack_from("<H", data, header + 24)
    security = header + 24 + (144 if magic == 0x20B else 128)
    return struct.unpack_from("<II", data, security)[1] != 0


def dll_characteristics(path):
    """The flags in the program's optional header that tell Windows how to load and run it."""
    with open(path, "rb") as file:
        data = file.read(4096)
    header, = struct.unpack_from("<I", data, 0x3C)
    return struct.unpack_from("<H", data, header + 24 + 70)[0]


def wine_commands(prefix):
    """The command lines, as Wine gives them, of the processes that run in the prefix."""
    for process in pathlib.Path("/proc").glob("[0-9]*"):
        with contextlib.suppress(OSError):  # ended meanwhile
            if f"\0WINEPREFIX={prefix}\0".encode() in b"\0" + (process / "environ").read_bytes():
                yield (process / "cmdline").read_bytes().lower()


def pack(output, *options, env=None):
    """scripts/pack-windows into output; returns what it printed."""
    return run(PACK, os.environ["KOLVAR_BUILD_DIR"], output, *options, env=env or os.environ,
               timeout=600)


class ProgramResourcesTest(unittest.TestCase):
    def test_program_carries_its_icons_and_version(self):
        script = resource_script(os.environ["KOLVAR_EXECUTABLE"])
        # First come the icon Explorer shows for the file, then the application icon
        # (IDR_MAINICON), each with its images.
        with tempfile.NamedTemporaryFile("w", suffix=".rc") as icons:
            icons.write(f'1 ICON "{os.path.join(RESOURCES, "windows", "kolvar.ico")}"\n'
                        f'128 ICON "{os.path.join(RESOURCES, "kolvar.ico")}"\n')
            icons.flush()
            self.assertTrue(script.startswith(resource_script(icons.name)),
                            "the first icons are not the program's")
        # The version's texts, as Explorer reads them, are platform_win32_tests' (ProgramFile).
        self.assertEqual(re.findall(r"(?m)^ (?:FILE|PRODUCT)VERSION (.*)$", script),
                         ["1, 0, 0, 0"] * 2)

    def test_program_is_loaded_as_a_hardened_terminal_server_aware_program(self):
        # IMAGE_DLLCHARACTERISTICS_: HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT and
        # TERMINAL_SERVER_AWARE, without which a Remote Desktop session maps the per-user
        # Windows folder over the program's view of the system one.
        wanted = {"high entropy": 0x0020, "dynamic base": 0x0040, "NX": 0x0100,
                  "terminal server aware": 0x8000}
        flags = dll_characteristics(os.environ["KOLVAR_EXECUTABLE"])
        self.assertEqual([name for name, bit in wanted.items() if flags & bit == 0], [])

    def test_program_asks_to_be_restarted_after_an_update(self):
        # Wine keeps no restart registration to read back; the program's imports show the call.
        imports = run(os.environ["KOLVAR_OBJDUMP"], "-p", os.environ["KOLVAR_EXECUTABLE"])
        self.assertRegex(imports, r"\bRegisterApplicationRestart\b")

    def test_first_icon_has_every_size_in_32_bits_the_largest_compressed(self):
        listing = run("wrestool", "-l", os.environ["KOLVAR_EXECUTABLE"])
        groups = re.findall(r"--type=14 --name=(\w+)", listing)
        self.assertEqual(groups[0], "1", "Explorer takes the first icon group")
        extracted = subprocess.run(["wrestool", "-x", "-t", "14", "-n", "1",
                                    os.environ["KOLVAR_EXECUTABLE"]], capture_output=True,
                                   check=True).stdout
        images = icon_images(extracted)
        self.assertEqual(sorted(side for side, _, _ in images), ICON_SIDES)
        for side, bits, image in images:
            self.assertEqual(bits, 32, f"{side} pixels")
            self.assertEqual(image.startswith(b"\x89PNG"), side == 256, f"{side} pixels")
        # Where the application icon has the same size, the pictures are the same.
        with open(os.path.join(RESOURCES, "kolvar.ico"), "rb") as file:
            application = file.read()
        for side in (16, 32):
            self.assertEqual(icon_rows(extracted, side), icon_rows(application, side), side)


class InstallerTest(AcceptanceCase):
    """Packages signed with a certificate the test makes, and unsigned, installed in turn."""

    @classmethod
    def setUpClass(cls):
        cls.prefix = os.environ["KOLVAR_WINEPREFIX"]
        WineKolvarApp.end_session(None)
        shutil.rmtree(cls.prefix, ignore_errors=True)
        super().setUpClass()
        cls.work = tempfile.mkdtemp(prefix="kolvar-package-")
        cls.addClassCleanup(shutil.rmtree, cls.work, ignore_errors=True)
        cls.certificate = os.path.join(cls.work, "certificate.pem")
        key = os.path.join(cls.work, "key.pem")
        run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
            "/CN=Kolvar test signer", "-keyout", key, "-out", cls.certificate)
        cls.signed = os.path.join(cls.work, "signed")
        cls.signed_report = pack(cls.signed, env=dict(
            os.environ, KOLVAR_SIGN_CERT=cls.certificate, KOLVAR_SIGN_KEY=key))
        cls.unsigned = os.path.join(cls.work, "unsigned")
        cls.unsigned_report = pack(cls.unsigned, env={
            name: value for name, value in os.environ.items()
            if not name.startswith("KOLVAR_SIGN_")})

    def wine(self, *command):
        return WineKolvarApp.wine(self.display, *command)

    def in_prefix(self, pattern):
        """The one path in the prefix that the pattern matches, or None."""
        found = glob.glob(os.path.join(self.prefix, pattern))
        self.assertLessEqual(len(found), 1, pattern)
        return found[0] if found else None

    def uninstall_entries(self, root):
        """Every program's uninstall entry under the root, as {key: {name: (type, value)}}."""
        printed = WineKolvarApp.wine(self.display, "reg", "query", f"{root}\\{UNINSTALL}", "/s",
                                     check=False)
        entries, key = {}, None
        for line in printed.splitlines():
            value = re.match(r"^\s+(\S+)\s+(REG_\w+)\s*(.*?)\s*$", line)
            if value and key:
                entries[key][value[1]] = (value[2], value[3])
            elif line.startswith("HKEY_"):
                key = line.strip().rsplit("\\", 1)[1]
                entries[key] = {}
        return {key: values for key, values in entries.items() if values}

    def kolvar_entries(self, root):
        return {key: values for key, values in self.uninstall_entries(root).items()
                if values.get("DisplayName", ("", ""))[1] == "Kolvar"}

    def assert_verified(self, path):
        run("osslsigncode", "verify", "-in", path, "-CAfile", self.certificate)

    def assert_starts_and_saves(self, program, code):
        # Started from no settings, it writes them as it ends.
        app = WineKolvarApp(self.display, program=program).start()
        self.addCleanup(app.stop)
        self.wait_for_marking(app, BandCode())
        # The title bar shows the application icon's own 16-pixel image.
        icon = os.path.join(RESOURCES, "kolvar.ico")
        with open(icon, "rb") as file:
            self.assertEqual(title_bar_icon_rows(self.display, app.window, 16),
                             icon_rows(file.read(), 16))
        self.key("Escape")
        self.assertIsNotNone(app.wait_for_exit(), "the program did not end")
        self.assertEqual(app.read_settings(), code.settings(), "the program did not save")

    def install_and_uninstall(self, mode, packages, *options):
        """Installs from the packages in that folder, checks, starts the program, uninstalls."""
        self.wine(os.path.join(packages, PACKAGE + ".exe"), "/S", *options)
        folder = self.in_prefix(os.path.join(mode["programs"], "Kolvar"))
        self.assertIsNotNone(folder, "not installed where expected")
        self.assertEqual(sorted(os.listdir(folder)), ["LICENSE.txt", "Uninstall.exe", "kolvar.exe"])
        if packages == self.signed:
            for name in ("kolvar.exe", "Uninstall.exe"):
                self.assert_verified(os.path.join(folder, name))
        else:
            with zipfile.ZipFile(os.path.join(packages, PACKAGE + ".zip")) as portable, \
                    open(os.path.join(folder, "kolvar.exe"), "rb") as installed:
                self.assertEqual(installed.read(), portable.read("kolvar.exe"))
        shortcut = self.in_prefix(os.path.join(mode["menu"], "Kolvar.lnk"))
        with open(shortcut, "rb") as link:
            self.assertIn(b"kolvar.exe", link.read().replace(b"\0", b"").lower())
        self.assertEqual(glob.glob(os.path.join(self.prefix, "drive_c/**/Uninstall*.lnk"),
                                   recursive=True), [])

        other = FOR_MACHINE if mode is FOR_USER else FOR_USER
        self.assertEqual(self.kolvar_entries(other["root"]), {})
        entries = self.kolvar_entries(mode["root"])
        self.assertEqual(list(entries), ["Kolvar"])
        entry = {name: value for name, (_, value) in entries["Kolvar"].items()}
        location = "C:\\" + os.path.relpath(folder, os.path.join(self.prefix, "drive_c"))
        location = location.replace("/", "\\")
        self.assertEqual(entry["InstallLocation"].lower(), location.lower())
        self.assertEqual(entry["DisplayIcon"].lower(), location.lower() + "\\kolvar.exe,0")
        self.assertEqual(entry["DisplayVersion"], VERSION)
        self.assertEqual(entry["Publisher"], "Kolvar developers")
        self.assertEqual((entry["NoModify"], entry["NoRepair"]), ("0x1", "0x1"))
        size = sum(os.path.getsize(os.path.join(folder, name)) for name in os.listdir(folder))
        self.assertAlmostEqual(int(entry["EstimatedSize"], 16), size / 1024, delta=1)
        self.assertRegex(entry["UninstallString"], r'(?i)^".*\\uninstall\.exe"')
        quiet = re.fullmatch(r'"([^"]+)"((?: /\w+)*)', entry["QuietUninstallString"])
        self.assertIn("/S", quiet[2].split())

        self.assert_starts_and_saves(os.path.join(folder, "kolvar.exe"), BandCode())

        # The uninstaller runs on from a copy of itself, so its end is awaited by its effects.
        self.wine(quiet[1], *quiet[2].split())
        wait_until(lambda: not os.path.exists(folder) and not os.path.exists(shortcut) and
                   not self.kolvar_entries(mode["root"]), timeout=60)
        self.assertFalse(os.path.exists(folder), "the program's folder stayed")
        self.assertFalse(os.path.exists(shortcut), "the shortcut stayed")
        self.assertEqual(self.kolvar_entries(mode["root"]), {})
        self.assertEqual(WineKolvarApp(self.display).read_settings(), BandCode().settings(),
                         f"{SETTINGS_KEY} did not stay")

    def test_an_elevated_install_leaves_the_program_to_the_instance_that_asked_for_the_rights(self):
        # Wine's account is an administrator, so the instance that would ask never runs here.
        word = os.path.join(self.work, "run")
        installer = self.display.launch([os.environ["KOLVAR_WINE_RUN"], os.path.join(
            self.unsigned, PACKAGE + ".exe"), "/AllUsers", "/RunFile=" + unix_to_wine(word)])
        window = wait_until(lambda: self.display.find_window(installer.pid, ".*Kolvar.*"))
        self.assertTrue(window and wait_until(lambda: self.display.frame_rect(window)))
        # A click on the title bar gives the installer the keyboard. Return takes each page's
        # default button, as the page comes: the licence, the folder, and Finish with "Run
        # Kolvar" ticked, which ends it; one pressed while the files go in does nothing.
        frame = self.display.frame_rect(window)
        title_bar = self.display.frame_extents(window)[2]
        self.display.click(frame.left + frame.width // 2, frame.top + title_bar // 2)
        ended = wait_until(lambda: self.key("Return") or installer.poll() is not None,
                           interval=0.5)
        self.assertTrue(ended, "the installer did not end")
        self.assertEqual(installer.wait(), 0)
        with open(word, encoding="utf-16-le") as file:
            self.assertEqual(file.read(), r"C:\Program Files\Kolvar\kolvar.exe")
        self.assertFalse(any(b"kolvar.exe" in command for command in wine_commands(self.prefix)))
        self.wine(r"C:\Program Files\Kolvar\Uninstall.exe", "/S", "/AllUsers")
        self.assertTrue(wait_until(lambda: not self.kolvar_entries("HKLM"), timeout=60))

    def test_signs_every_file_only_with_a_certificate(self):
        self.assertIn("Not signing", self.unsigned_report)
        self.assertNotIn("Not signing", self.signed_report)
        for folder, signed in ((self.signed, True), (self.unsigned, False)):
            with zipfile.ZipFile(os.path.join(folder, PACKAGE + ".zip")) as portable:
                portable.extract("kolvar.exe", folder)
            for name in ("kolvar.exe", PACKAGE + ".exe", PACKAGE + ".msi"):
                path = os.path.join(folder, name)
                self.assertEqual(is_signed(path), signed, path)
                if signed:
                    self.assert_verified(path)

    def test_installs_for_the_user_then_for_the_machine_and_uninstalls_keeping_the_settings(self):
        self.install_and_uninstall(FOR_USER, self.unsigned)
        self.install_and_uninstall(FOR_MACHINE, self.signed, "/AllUsers")

    def test_msi_installs_upgrades_and_uninstalls_silently(self):
        first = os.path.join(self.signed, PACKAGE + ".msi")
        later_folder = os.path.join(self.work, "later")
        run(os.environ["KOLVAR_CPACK"], "-G", "External", "-R", "1.0.1", "-B", later_folder,
            "--config", os.path.join(os.environ["KOLVAR_BUILD_DIR"], "CPackConfig.cmake"))
        later = os.path.join(later_folder, PACKAGE + ".msi")
        folder = os.path.join(self.prefix, FOR_MACHINE["programs"], "Kolvar")

        self.wine("msiexec", "/i", unix_to_wine(first), "/qn")
        self.assertEqual(sorted(os.listdir(folder)), ["LICENSE.txt", "kolvar.exe"])
        # Windows puts the shortcut in everyone's Start menu; Wine's msiexec puts it in the
        # user's, as it takes the Start menu's folder from the user alone.
        self.assertTrue(self.in_prefix(FOR_MACHINE["menu"] + "/Kolvar.lnk") or
                        self.in_prefix(FOR_USER["menu"] + "/Kolvar.lnk"), "no shortcut")
        (code,) = self.kolvar_entries("HKLM")
        entry = self.kolvar_entries("HKLM")[code]
        self.assertEqual(entry["DisplayVersion"][1], VERSION)
        self.assertEqual(entry["InstallLocation"][1].rstrip("\\"), r"C:\Program Files\Kolvar")
        self.assertEqual(self.kolvar_entries("HKCU"), {})

        self.wine("msiexec", "/i", unix_to_wine(later), "/qn")
        (later_code,) = self.kolvar_entries("HKLM")
        self.assertNotEqual(later_code, code)
        self.assertEqual(self.kolvar_entries("HKLM")[later_code]["DisplayVersion"][1], "1.0.1")
        self.assertTrue(os.path.isfile(os.path.join(folder, "kolvar.exe")))

        self.wine("msiexec", "/x", unix_to_wine(later), "/qn")
        self.assertEqual(self.kolvar_entries("HKLM"), {})
        self.assertFalse(os.path.exists(folder))
        self.assertIsNone(self.in_prefix(FOR_MACHINE["menu"] + "/Kolvar.lnk"))
        self.assertIsNone(self.in_prefix(FOR_USER["menu"] + "/Kolvar.lnk"))


class ReproducibleWindowsBuildTest(unittest.TestCase):
    """Not the MSI, into which wixl writes the time and a random package code."""

    def test_a_second_build_elsewhere_gives_the_same_program_and_packages(self):
        work = tempfile.mkdtemp(prefix="kolvar-reproducible-")
        self.addCleanup(shutil.rmtree, work, ignore_errors=True)
        first_build = os.environ["KOLVAR_BUILD_DIR"]
        first = os.path.join(work, "first")
        run(os.environ["KOLVAR_CPACK"], "-G", "NSIS;ZIP", "-B", first, "--config",
            os.path.join(first_build, "CPackConfig.cmake"), timeout=600)

        copy, build = os.path.join(work, "kolvar"), os.path.join(work, "build")
        copy_working_tree(os.environ["KOLVAR_SOURCE_DIR"], copy)
        options = {"umask": 0o002, "timeout": 1500, "env": dict(
            os.environ, CCACHE_DISABLE="1", TZ="Asia/Vladivostok", LC_ALL="ru_RU.UTF-8")}
        run(os.environ["KOLVAR_CMAKE"], "-S", copy, "-B", build, "--toolchain",
            os.path.join(copy, "cmake", "mingw-w64.cmake"),
            "-DCMAKE_BUILD_TYPE=" + os.environ["KOLVAR_BUILD_TYPE"],
            "-DKOLVAR_BUILD_TESTS=OFF", "-DKOLVAR_BUILD_BENCHMARKS=OFF", **options)
        run(os.environ["KOLVAR_CMAKE"], "--build", build, "--target", "kolvar", "-j",
            str(os.cpu_count()), **options)
        second = os.path.join(work, "second")
        run(os.environ["KOLVAR_CPACK"], "-G", "NSIS;ZIP", "-B", second, "--config",
            os.path.join(build, "CPackConfig.cmake"), **options)

        pairs = [(os.path.join(first_build, "app", "kolvar.exe"),
                  os.path.join(build, "app", "kolvar.exe")),
                 *[(os.path.join(first, PACKAGE + suffix), os.path.join(second, PACKAGE + suffix))
                   for suffix in (".zip", ".exe")]]
        for one, other in pairs:
            if not filecmp.cmp(one, other, shallow=False):
                report = subprocess.run(["diffoscope", "--text", "-", one, other],
                                        capture_output=True, text=True)
                self.fail(f"{one} and {other} differ:\n{report.stdout}{report.stderr}")
            print(run("sha256sum", one, other))


if __name__ == "__main__":
    unittest.main()

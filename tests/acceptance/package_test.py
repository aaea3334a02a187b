"""kolvar installed like a desktop program: the installed files and the Debian package."""

import glob
import os
import platform
import re
import shutil
import signal
import subprocess
import tempfile
import unittest

from band_layout import BandCode
from kolvar_app import COMPANY_FOLDER
from x_display import stop_process, wait_until

REQUIRED_TOOLS = ("desktop-file-validate", "appstreamcli", "dpkg-deb", "dpkg-shlibdeps",
                  "apt-get", "identify", "lintian", "hardening-check", "objdump")
INSTALLED_FILES = {
    "usr/bin/kolvar": None,
    "usr/share/applications/kolvar.desktop": None,
    "usr/share/metainfo/io.github.kolvar.metainfo.xml": None,
    "usr/share/icons/hicolor/16x16/apps/kolvar.png": (16, 16),
    "usr/share/icons/hicolor/32x32/apps/kolvar.png": (32, 32),
}
SIGTERM_BIT = 1 << (signal.SIGTERM - 1)


def missing_tools(tools=REQUIRED_TOOLS, variables=()):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    for variable in ("KOLVAR_BUILD_DIR", "KOLVAR_CMAKE", "KOLVAR_CPACK") + variables:
        if not os.environ.get(variable):
            missing.append(f"the variable {variable}, which CTest sets")
    return missing


def run(*command, **options):
    options.setdefault("timeout", 300)
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed ({result.returncode}):\n"
                             f"{result.stdout}\n{result.stderr}")
    return result.stdout


def make_package(build, output, **options):
    """Packs the build tree into output; returns the path of the one kolvar_1.0.0_<arch>.deb."""
    run(os.environ["KOLVAR_CPACK"], "-G", "DEB", "-B", output, "--config",
        os.path.join(build, "CPackConfig.cmake"), **options)
    (package,) = glob.glob(os.path.join(output, "kolvar_1.0.0_*.deb"))
    return package


def catches_sigterm(pid):
    """Whether the process has its own handler for SIGTERM yet."""
    try:
        with open(f"/proc/{pid}/status", encoding="ascii") as status:
            for line in status:
                if line.startswith("SigCgt:"):
                    return int(line.split()[1], 16) & SIGTERM_BIT != 0
    except OSError:
        pass
    return False


def read_settings(path):
    values = {}
    with open(path, encoding="utf-8") as settings:
        for line in settings:
            key, equals, value = line.strip().partition("=")
            if equals:
                values[key] = int(value)
    return values


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.packed = tempfile.mkdtemp(prefix="kolvar-package-")
        cls.addClassCleanup(shutil.rmtree, cls.packed, ignore_errors=True)
        cls.package = make_package(os.environ["KOLVAR_BUILD_DIR"], cls.packed)
        cls.extracted = os.path.join(cls.packed, "extracted")
        run("dpkg-deb", "-x", cls.package, cls.extracted)

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="kolvar-package-")
        self.addCleanup(shutil.rmtree, self.work, ignore_errors=True)
        self.build = os.environ["KOLVAR_BUILD_DIR"]

    def assert_installed_tree(self, root):
        for path, icon_size in INSTALLED_FILES.items():
            full = os.path.join(root, path)
            self.assertTrue(os.path.isfile(full), f"{path} is not installed")
            if icon_size:
                size = run("identify", "-format", "%w %h", "png:" + full)
                self.assertEqual(tuple(map(int, size.split())), icon_size, path)
        self.assertTrue(os.access(os.path.join(root, "usr/bin/kolvar"), os.X_OK))

    def test_install_puts_every_file_in_place_and_the_metadata_validates(self):
        root = os.path.join(self.work, "root")
        run(os.environ["KOLVAR_CMAKE"], "--install", self.build, "--prefix", "/usr",
            env=dict(os.environ, DESTDIR=root))
        self.assert_installed_tree(root)
        run("desktop-file-validate",
            os.path.join(root, "usr/share/applications/kolvar.desktop"))
        run("appstreamcli", "validate", "--no-net",
            os.path.join(root, "usr/share/metainfo/io.github.kolvar.metainfo.xml"))

    def test_debian_package_resolves_installs_and_runs(self):
        package = self.package
        fields = run("dpkg-deb", "--field", package, "Package", "Version", "Depends")
        self.assertIn("Package: kolvar", fields)
        self.assertIn("Version: 1.0.0", fields)
        self.assertIn("libqt6widgets6", fields)
        self.assertIn("fonts-liberation", fields)

        simulation = run("apt-get", "install", "--simulate", "--no-install-recommends",
                         os.path.abspath(package))
        self.assertRegex(simulation, r"(?m)^Inst kolvar |kolvar is already the newest")

        self.assert_installed_tree(self.extracted)
        self.assert_runs_and_saves(os.path.join(self.extracted, "usr/bin/kolvar"))

    def test_debian_package_passes_lintian(self):
        # Any error or warning fails; informational and pedantic tags are only listed, except
        # those of a program built without Debian's hardening or not stripped as Debian strips.
        # Builds run as root on CI, which lintian would otherwise warn about on its own account.
        report = run("lintian", "--allow-root", "--fail-on", "error,warning", "--display-info",
                     "--pedantic", self.package)
        print(report or "lintian: no tags")
        self.assertNotRegex(report, r"\b(hardening-no-[a-z-]+|binary-has-unneeded-section)\b")

    def test_packaged_program_is_hardened(self):
        program = os.path.join(self.extracted, "usr/bin/kolvar")
        # Fails on any protection found missing. Control-flow protection is judged from the code:
        # hardening-check reads an ELF note that the linker writes only when every object has it,
        # and Debian 12's C start files do not.
        print(run("hardening-check", "--nocfprotection", program))
        if platform.machine() == "x86_64":
            # -fcf-protection starts each function that may be called indirectly with endbr64.
            code = run("objdump", "-d", "--no-show-raw-insn", program)
            self.assertGreater(code.count("endbr64"), len(re.findall(r"\sret\b", code)) // 2)

    def assert_runs_and_saves(self, program):
        config = os.path.join(self.work, "config")
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=config)
        process = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL)
        self.addCleanup(stop_process, process)
        self.assertTrue(wait_until(lambda: catches_sigterm(process.pid), timeout=15),
                        f"{program} did not start")
        # Still running: it waits for the user rather than ending by itself.
        self.assertIsNone(process.poll())
        process.send_signal(signal.SIGTERM)
        process.wait(15)
        settings = os.path.join(config, COMPANY_FOLDER, "kolvar.conf")
        self.assertTrue(os.path.isfile(settings), "no settings saved on SIGTERM")
        self.assertEqual(read_settings(settings), BandCode().settings())


if __name__ == "__main__":
    unittest.main()

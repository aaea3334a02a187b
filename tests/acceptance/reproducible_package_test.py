"""The package built again from the same source, elsewhere and later, is the same byte for byte."""

import filecmp
import os
import shutil
import subprocess
import tempfile
import unittest

from package_test import make_package, run

REQUIRED_TOOLS = ("git", "dpkg-shlibdeps", "diffoscope")
VARIABLES = ("KOLVAR_SOURCE_DIR", "KOLVAR_BUILD_DIR", "KOLVAR_BUILD_TYPE", "KOLVAR_CXX_COMPILER",
             "KOLVAR_CMAKE", "KOLVAR_CPACK")


def missing_tools():
    missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
    missing += [f"the variable {name}, which CTest sets" for name in VARIABLES
                if name not in os.environ]
    return missing


def copy_of_source(source, copy):
    """A clone of the source at its last commit, with the working tree's changes on top."""
    run("git", "clone", "--quiet", "--shared", source, copy)
    listed = run("git", "-C", source, "ls-files", "-z", "--cached", "--others",
                 "--exclude-standard")
    for name in filter(None, listed.split("\0")):
        original, target = os.path.join(source, name), os.path.join(copy, name)
        if os.path.lexists(original):
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy2(original, target, follow_symlinks=False)
        elif os.path.lexists(target):
            os.remove(target)


class ReproduciblePackageTest(unittest.TestCase):
    def test_a_second_build_elsewhere_packs_the_same_bytes(self):
        work = tempfile.mkdtemp(prefix="kolvar-reproducible-")
        self.addCleanup(shutil.rmtree, work, ignore_errors=True)
        first = make_package(os.environ["KOLVAR_BUILD_DIR"], os.path.join(work, "first"))

        # The second build: its own folders, later, with only what the package needs, without the
        # compiler cache, and under another umask, time zone and language.
        source = os.path.join(work, "elsewhere", "kolvar")
        build = os.path.join(work, "elsewhere", "build")
        copy_of_source(os.environ["KOLVAR_SOURCE_DIR"], source)
        environment = dict(os.environ, CCACHE_DISABLE="1", TZ="Asia/Vladivostok",
                           LC_ALL="ru_RU.UTF-8")
        environment.pop("CMAKE_CXX_COMPILER_LAUNCHER", None)
        options = {"env": environment, "umask": 0o002, "timeout": 1500}
        run(os.environ["KOLVAR_CMAKE"], "-S", source, "-B", build,
            "-DCMAKE_BUILD_TYPE=" + os.environ["KOLVAR_BUILD_TYPE"],
            "-DCMAKE_CXX_COMPILER=" + os.environ["KOLVAR_CXX_COMPILER"],
            "-DKOLVAR_BUILD_TESTS=OFF", "-DKOLVAR_BUILD_BENCHMARKS=OFF", **options)
        run(os.environ["KOLVAR_CMAKE"], "--build", build, "--parallel", str(os.cpu_count()),
            **options)
        second = make_package(build, os.path.join(work, "second"), **options)

        if not filecmp.cmp(first, second, shallow=False):
            report = subprocess.run(["diffoscope", "--text", "-", "--max-text-report-size",
                                     "200000", first, second],
                                    capture_output=True, text=True, timeout=900)
            self.fail(f"the two packages differ:\n{report.stdout}{report.stderr}")
        print(run("sha256sum", first, second))


if __name__ == "__main__":
    unittest.main()

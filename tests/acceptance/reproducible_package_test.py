"""The package built again from the same source, elsewhere and later, is the same byte for byte."""

import filecmp
import os
import shutil
import subprocess
import tempfile
import unittest

import package_test
from package_test import make_package, run


def missing_tools():
    return package_test.missing_tools(("git", "dpkg-shlibdeps", "diffoscope"), (
        "KOLVAR_SOURCE_DIR", "KOLVAR_BUILD_TYPE", "KOLVAR_CXX_COMPILER"))


def copy_working_tree(source, copy):
    """The same commit cloned, with the working tree's changes copied over it."""
    run("git", "clone", "--quiet", "--shared", source, copy)
    for name in run("git", "-C", source, "ls-files", "-z", "--cached", "--others",
                    "--exclude-standard").split("\0")[:-1]:
        if os.path.lexists(os.path.join(source, name)):
            os.makedirs(os.path.dirname(os.path.join(copy, name)), exist_ok=True)
            shutil.copy2(os.path.join(source, name), os.path.join(copy, name))
        elif os.path.lexists(os.path.join(copy, name)):
            os.remove(os.path.join(copy, name))


class ReproduciblePackageTest(unittest.TestCase):
    def test_a_second_build_elsewhere_packs_the_same_bytes(self):
        work = tempfile.mkdtemp(prefix="kolvar-reproducible-")
        self.addCleanup(shutil.rmtree, work, ignore_errors=True)
        first = make_package(os.environ["KOLVAR_BUILD_DIR"], os.path.join(work, "first"))

        source, build = os.environ["KOLVAR_SOURCE_DIR"], os.path.join(work, "build")
        copy = os.path.join(work, "kolvar")
        copy_working_tree(source, copy)

        # Only what the package needs, later, without the compiler cache, and under another
        # umask, time zone and language.
        options = {"umask": 0o002, "timeout": 1500, "env": dict(
            os.environ, CCACHE_DISABLE="1", TZ="Asia/Vladivostok", LC_ALL="ru_RU.UTF-8")}
        options["env"].pop("CMAKE_CXX_COMPILER_LAUNCHER", None)
        run(os.environ["KOLVAR_CMAKE"], "-S", copy, "-B", build,
            "-DCMAKE_BUILD_TYPE=" + os.environ["KOLVAR_BUILD_TYPE"],
            "-DCMAKE_CXX_COMPILER=" + os.environ["KOLVAR_CXX_COMPILER"],
            "-DKOLVAR_BUILD_TESTS=OFF", "-DKOLVAR_BUILD_BENCHMARKS=OFF", **options)
        run(os.environ["KOLVAR_CMAKE"], "--build", build, "-j", str(os.cpu_count()), **options)
        second = make_package(build, os.path.join(work, "second"), **options)

        if not filecmp.cmp(first, second, shallow=False):
            report = subprocess.run(["diffoscope", "--text", "-", "--max-text-report-size",
                                     "200000", first, second], capture_output=True, text=True)
            self.fail(f"the two packages differ:\n{report.stdout}{report.stderr}")
        print(run("sha256sum", first, second))


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""The runner that runs a GoogleTest program once for all its cases (cmake/GoogleTestOnce.cmake,
gtest_once.py), as the Windows build's tests run under Wine, holds to its promise that a case the
program's run did not pass fails, by its name: on made-up programs (once_runner/) under CTest,
each with a case that passed beside the one that must not.

    gtest_once_test.py --cmake CMAKE --ctest CTEST
"""
import argparse
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))


class OnceRunnerTest(unittest.TestCase):
    tools = None

    @classmethod
    def setUpClass(cls):
        scratch = tempfile.TemporaryDirectory()
        cls.addClassCleanup(scratch.cleanup)
        source = os.path.normpath(os.path.join(HERE, "..", ".."))
        subprocess.run([cls.tools.cmake, "-S", os.path.join(HERE, "once_runner"), "-B",
                        scratch.name, f"-DKOLVAR_SOURCE_DIR={source}",
                        f"-DKOLVAR_PYTHON3={sys.executable}"],
                       check=True, stdout=subprocess.DEVNULL)
        verdicts = os.path.join(scratch.name, "verdicts.xml")
        subprocess.run([cls.tools.ctest, "--output-on-failure", "--output-junit", verdicts],
                       cwd=scratch.name, check=False)
        # CTest's word for each test by its name: "run" when it passed.
        cls.status = {case.get("name"): case.get("status")
                      for case in ElementTree.parse(verdicts).iter("testcase")}

    def test_a_listed_case_that_the_report_leaves_out_fails(self):
        self.assertEqual(self.status["Lacking.Ran"], "run")
        self.assertEqual(self.status["Lacking.Unreported"], "fail")

    def test_a_disabled_case_fails(self):
        self.assertEqual(self.status["Disabled.Ran"], "run")
        self.assertEqual(self.status["Disabled.DISABLED_Off"], "fail")

    def test_a_program_that_fails_after_all_its_cases_passed_fails(self):
        self.assertEqual(self.status["failing_exit"], "fail")
        self.assertNotEqual(self.status["FailingExit.Ran"], "run")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    for tool in ("--cmake", "--ctest"):
        parser.add_argument(tool, required=True)
    OnceRunnerTest.tools, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest)

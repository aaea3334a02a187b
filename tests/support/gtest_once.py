#!/usr/bin/env python3
"""A GoogleTest program run once for all its cases, each case's verdict kept for CTest.

Where starting a test program is dear (under Wine it takes a second or more), CTest runs the
program once, as the fixture of its cases, and then each case as a test of its own that only
shows the verdict this run kept for it:

    gtest_once.py run REPORT CASES PROGRAM [ARGUMENT...]

runs the program, its output passing through, with GoogleTest writing its XML report to REPORT;
then writes, for each case that the file CASES names (one "Suite.Case" a line, parameterised ones
"Prefix/Suite.Case/0"), the file that verdict_path() names: "[       OK ]", "[  SKIPPED ]" or
"[  FAILED  ]" with the failures, or why the case did not run. Passes when the program got as
far as writing its report, whatever its cases made of it, unless the program failed after all
its cases passed: a leak found at exit, say, which no case's verdict would show.
"""

import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def verdict_path(report, name):
    """Where the verdict on a case goes; GoogleTest's names hold no "~"."""
    return os.path.join(report + ".verdicts", name.replace("/", "~") + ".txt")


def results(report):
    return {
        element.get("classname") + "." + element.get("name"): element
        for element in ElementTree.parse(report).iter("testcase")
    }


def verdict(name, element):
    if element is None or element.get("status") == "notrun":
        return f"{name} did not run: the program's report has no result for it\n"
    failures = [failure.text or failure.get("message", "") for failure in element.iter("failure")]
    if failures:
        return "\n".join(failures) + f"\n[  FAILED  ] {name}\n"
    if element.get("result") == "skipped":
        reasons = [skipped.get("message", "") for skipped in element.iter("skipped")]
        return "\n".join(reasons) + f"\n[  SKIPPED ] {name}\n"
    return f"[       OK ] {name} ({element.get('time')} s)\n"


def run(report, cases, command):
    if os.path.exists(report):
        os.remove(report)
    shutil.rmtree(report + ".verdicts", ignore_errors=True)
    # Relative, so that a program under an emulator finds it in its own terms as well.
    status = subprocess.call(command + ["--gtest_output=xml:" + os.path.relpath(report)])
    if not os.path.exists(report):
        print(f"{command} ended with status {status} before writing its report {report}")
        return 1
    found = results(report)
    if status != 0 and not any(element.find("failure") is not None for element in found.values()):
        print(f"{command} ended with status {status} although every case passed")
        return 1
    os.makedirs(report + ".verdicts", exist_ok=True)
    with open(cases, encoding="utf-8") as names:
        for name in filter(None, (line.strip() for line in names)):
            with open(verdict_path(report, name), "w", encoding="utf-8") as out:
                out.write(verdict(name, found.get(name)))
    return 0


def main(arguments):
    if len(arguments) >= 4 and arguments[0] == "run":
        return run(arguments[1], arguments[2], arguments[3:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

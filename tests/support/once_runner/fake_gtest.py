"""A GoogleTest program as the runner sees it, what it does named by its file's name: "lacking"
lists a case that its report leaves out, "disabled" reports one it did not run (a DISABLED_
case), "failing_exit" ends with status 1 after all its cases passed."""
import os
import sys

# Each program's cases as it lists them, with the status its report gives each; None: left out.
PROGRAMS = {
    "lacking": {"Ran": "run", "Unreported": None},
    "disabled": {"Ran": "run", "DISABLED_Off": "notrun"},
    "failing_exit": {"Ran": "run"},
}

program = os.path.splitext(os.path.basename(sys.argv[0]))[0]
suite = program.title().replace("_", "")
cases = PROGRAMS[program]
if "--gtest_list_tests" in sys.argv:
    print(suite + ".\n" + "".join(f"  {case}\n" for case in cases), end="")
    sys.exit(0)
report = next(argument for argument in sys.argv if argument.startswith("--gtest_output=xml:"))
with open(report[len("--gtest_output=xml:"):], "w", encoding="utf-8") as out:
    out.write(f'<?xml version="1.0" encoding="UTF-8"?>\n<testsuites>\n<testsuite name="{suite}">\n')
    for case, status in cases.items():
        if status is not None:
            result = "completed" if status == "run" else "suppressed"
            out.write(f'<testcase name="{case}" status="{status}" result="{result}" time="0"'
                      f' classname="{suite}" />\n')
    out.write("</testsuite>\n</testsuites>\n")
sys.exit(1 if program == "failing_exit" else 0)

"""Runs one module of acceptance tests for CTest: 0 passed, 1 failed, 77 could not run (1 on
CI, where CI=true)."""

import importlib
import os
import sys
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import displays  # noqa: E402

SKIPPED = 77


def main(name, *test_names):
    """Runs the module's tests, or only those named."""
    module = importlib.import_module(name)
    # A module names the tools it needs; the others need a display.
    missing = getattr(module, "missing_tools", displays.missing_tools)()
    if missing:
        return could_not_run(name + " needs " + ", ".join(missing) +
                             " (scripts/install-dependencies installs them)")
    loader = unittest.defaultTestLoader
    suite = (loader.loadTestsFromNames(test_names, module) if test_names
             else loader.loadTestsFromModule(module))
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    if not result.wasSuccessful():
        return 1
    if result.testsRun == len(result.skipped):
        return could_not_run("every test of " + name + " was skipped")
    return 0


def could_not_run(reason):
    """Skipped for CTest; on CI, where everything is installed, a failure."""
    on_ci = os.environ.get("CI") == "true"
    print(("FAILED (on CI every test must run): " if on_ci else "SKIPPED: ") + reason)
    return 1 if on_ci else SKIPPED


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))

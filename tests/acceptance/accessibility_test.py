"""What a screen reader hears of kolvar: read through the AT-SPI bus, driven by real keys."""

import json
import os
import queue
import shutil
import subprocess
import threading
import time
import unittest

import colour_menu
import x_display
from acceptance_case import AcceptanceCase
from band_layout import BandCode
from x_display import die_with_parent, stop_process, wait_until

SYSTEM_PYTHON = "/usr/bin/python3"
READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_reader.py")
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY = "/usr/libexec/at-spi2-registryd"

POWER_TITLE = "Множитель"
POWER_ITEMS = ["0.01, серебристый", "0.1, золотистый", "1, чёрный", "10, коричневый",
               "100, красный", "1000, оранжевый", "10e+4, жёлтый", "10e+5, зелёный",
               "10e+6, синий", "10e+7, фиолетовый", "10e+8, серый", "10e+9, белый"]


def _reader_imports():
    return subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True,
                          check=False).returncode == 0


def missing_tools():
    missing = x_display.missing_tools()
    if shutil.which("dbus-daemon") is None:
        missing.append("dbus-daemon (dbus)")
    if not all(os.access(path, os.X_OK) for path in (BUS_LAUNCHER, REGISTRY)):
        missing.append("the AT-SPI bus (at-spi2-core)")
    if not os.access(SYSTEM_PYTHON, os.X_OK) or not _reader_imports():
        missing.append("pyatspi (python3-pyatspi)")
    return missing


class AccessibilityBus:
    """A session D-Bus with the AT-SPI bus and its registry, as a desktop with a screen reader
    has; programs started with variables() talk to it."""

    def __init__(self, display):
        self.display = display
        self.processes = []
        self.address = None

    def variables(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}

    def env(self):
        return self.display.env(**self.variables())

    def start(self):
        daemon = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE)
        self.address = daemon.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("dbus-daemon reported no address")
        self._spawn([BUS_LAUNCHER, "--launch-immediately"])
        if not wait_until(self._accessibility_bus_up, timeout=20):
            raise RuntimeError("the AT-SPI bus did not come up")
        self._spawn([REGISTRY])

    def stop(self):
        for process in reversed(self.processes):
            stop_process(process)

    def _spawn(self, command, stdout=subprocess.DEVNULL):
        process = subprocess.Popen(command, env=self.env() if self.address else self.display.env(),
                                   stdout=stdout, stderr=subprocess.DEVNULL, text=True,
                                   preexec_fn=die_with_parent)
        self.processes.append(process)
        return process

    def _accessibility_bus_up(self):
        return subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                               "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=self.env(),
                              capture_output=True, check=False, timeout=10).returncode == 0


class Listener:
    """A reader process that reports focus and name changes as they happen."""

    def __init__(self, bus, app_name):
        self.process = subprocess.Popen([SYSTEM_PYTHON, READER, "listen", app_name],
                                        env=bus.env(), stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        text=True, preexec_fn=die_with_parent)
        self.records = queue.Queue()
        self.seen = []
        threading.Thread(target=self._read, daemon=True).start()
        if self.next(lambda record: record.get("event") == "ready") is None:
            raise RuntimeError("the AT-SPI reader did not start listening")

    def _read(self):
        for line in self.process.stdout:
            self.records.put(json.loads(line))

    def next(self, wanted, timeout=15):
        """The next record that is wanted, or None if none comes in time."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                record = self.records.get(timeout=max(deadline - time.monotonic(), 0))
            except queue.Empty:
                return None
            self.seen.append(record)
            if wanted(record):
                return record

    def stop(self):
        stop_process(self.process)


def find(node, wanted):
    if wanted(node):
        return node
    for child in node.get("children", []):
        found = find(child, wanted)
        if found is not None:
            return found
    return None


def is_view(node):
    return node["role"] == "image"


def outline(node, depth=0):
    """The tree as a screen reader's user would list it, one node per line."""
    states = [state for state in ("focused", "checkable", "checked") if node.get(state)]
    line = "  " * depth + f"[{node['role']}] {node['name']!r}"
    if node.get("description"):
        line += f" — {node['description']!r}"
    if states:
        line += " (" + ", ".join(states) + ")"
    return "\n".join([line] + [outline(child, depth + 1) for child in node.get("children", [])])


class AccessibilityTest(AcceptanceCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.bus = AccessibilityBus(cls.display)
        cls.addClassCleanup(cls.bus.stop)
        cls.bus.start()
        # The program inherits what the display hands on from this process.
        saved = {key: os.environ.get(key) for key in cls.bus.variables()}
        os.environ.update(cls.bus.variables())
        cls.addClassCleanup(cls._restore, saved)

    @staticmethod
    def _restore(saved):
        for key, value in saved.items():
            if value is None:
                os.environ.pop(key, None)
            else:
                os.environ[key] = value

    def read_tree(self, app):
        result = subprocess.run([SYSTEM_PYTHON, READER, "tree", os.path.basename(app.program)],
                                env=self.bus.env(), capture_output=True, text=True, timeout=60,
                                check=False)
        lines = result.stdout.splitlines()
        return json.loads(lines[-1]) if lines else {"error": result.stderr}

    def wait_for_view(self, app, name):
        """The program's tree once its view reads the name."""
        def view_named():
            tree = self.read_tree(app)
            view = find(tree, is_view) if "role" in tree else None
            return tree if view is not None and view["name"] == name else None

        tree = wait_until(view_named, timeout=30, interval=0.5)
        self.assertIsNotNone(tree, f"no view reading {name!r}: {self.read_tree(app)}")
        return tree

    def test_menu_key_choice_is_heard_with_colours_checks_and_the_new_value(self):
        app = self.start_kolvar()
        self.wait_for_marking(app, BandCode())
        tree = self.wait_for_view(app, "12 кОм ± 10 %")
        print("Main window as read:\n" + outline(tree))
        view = find(tree, is_view)
        self.assertEqual(view["description"], "коричневый, красный, оранжевый, серебристый")
        self.assertTrue(view["focused"], "the view does not have the focus at start")

        listener = Listener(self.bus, os.path.basename(app.program))
        self.addCleanup(listener.stop)
        self.key("Menu")
        self.wait_for_menus(app, 1)
        self.key(*["Down"] * (colour_menu.entry_index(False, "power") + 1), "Right")
        focused = listener.next(lambda record: record["event"] == "focus" and record["menu"] and
                                record["menu"]["name"] == POWER_TITLE)
        self.assertIsNotNone(focused, "no item of the multiplier sub-menu took the focus; heard: "
                             + json.dumps(listener.seen, ensure_ascii=False)[:3000])
        sub_menu = focused["menu"]
        print("Multiplier sub-menu as read:\n" + outline(sub_menu))
        items = sub_menu["children"]
        self.assertEqual([item["name"] for item in items], POWER_ITEMS)
        # Qt's bridge hands on "checked" but not "checkable": the unit tests pin the latter.
        self.assertEqual([item["name"] for item in items if item["checked"]], ["1000, оранжевый"])
        self.assertEqual(focused["source"]["name"], POWER_ITEMS[0])

        self.key(*["Down"] * POWER_ITEMS.index("100, красный"), "Return")
        renamed = listener.next(lambda record: record["event"] == "name" and
                                is_view(record["source"]))
        self.assertIsNotNone(renamed, "no name change of the view was announced")
        self.assertEqual(renamed["source"]["name"], "1.2 кОм ± 10 %")
        self.wait_for_marking(app, BandCode(power=2))
        view = find(self.wait_for_view(app, "1.2 кОм ± 10 %"), is_view)
        self.assertEqual(view["description"], "коричневый, красный, красный, серебристый")


if __name__ == "__main__":
    unittest.main()

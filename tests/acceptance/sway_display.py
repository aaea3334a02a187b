"""A private headless sway, as a Wayland desktop would have: the same services as XDisplay.

sway refuses to run as root, so it and every program on it run as the unprivileged user nobody,
in folders handed over to that user. sway's window tree says where the top-level windows are;
where a program's pop-up menus are, only the program knows, so each program it launches logs its
Wayland requests and events (WAYLAND_DEBUG), and the menus are read from that log."""

import glob
import json
import os
import re
import shutil
import subprocess
import tempfile

from rect import Rect
from x_display import SCREEN_HEIGHT, SCREEN_WIDTH, stop_process, wait_until

REQUIRED_TOOLS = ("sway", "swaymsg", "grim", "wtype", "setpriv")
# A test run killed by its time limit leaves nothing behind: the parent's death ends each program.
AS_NOBODY = ("setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--pdeathsig=TERM")
USER = "nobody"
GROUP = "nogroup"
# One virtual keyboard stays plugged in all along: unplugging the seat's last keyboard would close
# the open menus. It presses no key; it waits a day.
HELD_KEYBOARD = ("wtype", "-s", "86400000")
CONFIG = f"""output HEADLESS-1 resolution {SCREEN_WIDTH}x{SCREEN_HEIGHT}
default_border none
default_floating_border none
focus_follows_mouse no
for_window [app_id=".*"] floating enable
"""

POPUP = re.compile(r"-> xdg_surface@(\d+)\.get_popup\(new id xdg_popup@(\d+), xdg_surface@(\d+)")
POPUP_PLACED = re.compile(r" xdg_popup@(\d+)\.configure\((-?\d+), (-?\d+), (\d+), (\d+)\)")
POPUP_GONE = re.compile(r"-> xdg_popup@(\d+)\.destroy\(\)")
TOPLEVEL = re.compile(r"-> xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)")
TITLE = re.compile(r'-> xdg_toplevel@(\d+)\.set_title\("(.*)"\)')


def pointer_client():
    return os.environ.get("KOLVAR_POINTER_CLIENT", "")


def qt_wayland_plugin_installed():
    return bool(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"))


def missing_tools():
    missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
    if not os.access(pointer_client(), os.X_OK):
        missing.append("the virtual pointer client (built with libwayland-dev)")
    if not qt_wayland_plugin_installed():
        missing.append("qt6-wayland")
    if shutil.which("setpriv") is not None and not can_run_as_nobody():
        missing.append("the capabilities to run sway as the user nobody (CAP_SETUID, CAP_SETGID)")
    return missing


def can_run_as_nobody():
    return subprocess.run([*AS_NOBODY, "true"], capture_output=True, check=False).returncode == 0


def hand_to_user(path):
    shutil.chown(path, USER, GROUP)
    for folder, folders, files in os.walk(path):
        for name in folders + files:
            shutil.chown(os.path.join(folder, name), USER, GROUP)


def tree_windows(node):
    """Every window of sway's tree, with a process."""
    found = [node] if node.get("pid") else []
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found += tree_windows(child)
    return found


class SwayDisplay:
    missing_tools = staticmethod(missing_tools)

    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="kolvar-sway-")
        os.chmod(self.home, 0o755)
        self.runtime = os.path.join(self.home, "runtime")
        self.user_home = os.path.join(self.home, "home")
        self.compositor = None
        self.keyboard = None
        self.pointer = None
        self.logs = {}
        self.socket = None
        self.wayland = None

    def start(self):
        for folder in (self.runtime, self.user_home):
            os.mkdir(folder, 0o700)
            hand_to_user(folder)
        config = os.path.join(self.home, "config")
        with open(config, "w", encoding="utf-8") as text:
            text.write(CONFIG)
        with open(os.path.join(self.home, "sway.log"), "wb") as log:
            self.compositor = subprocess.Popen(
                [*AS_NOBODY, "sway", "--config", config],
                env=self.env(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                             WLR_RENDERER="pixman"), stdout=log, stderr=log)
        self.socket = wait_until(self._ipc_socket, timeout=20)
        if self.socket is None or not wait_until(self._wayland_socket, timeout=20):
            raise RuntimeError("sway did not start; see " + os.path.join(self.home, "sway.log"))
        self.keyboard = self.launch(HELD_KEYBOARD, log=False)
        self.pointer = subprocess.Popen([*AS_NOBODY, pointer_client(), str(SCREEN_WIDTH),
                                         str(SCREEN_HEIGHT)], env=self.env(),
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        if not wait_until(self._has_keyboard, timeout=10):
            raise RuntimeError("the held virtual keyboard did not appear")

    def stop(self):
        if self.pointer is not None and self.pointer.poll() is None:
            self.pointer.stdin.close()
        for process in (self.pointer, self.keyboard, self.compositor):
            stop_process(process)
        shutil.rmtree(self.home, ignore_errors=True)

    def env(self, **extra):
        environment = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, HOME=self.user_home,
                           QT_QPA_PLATFORM="wayland")
        for key in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "SWAYSOCK", "WAYLAND_DISPLAY"):
            environment.pop(key, None)
        if self.socket:
            environment["SWAYSOCK"] = self.socket
        if self.wayland:
            environment["WAYLAND_DISPLAY"] = self.wayland
        environment.update(extra)
        return environment

    def run(self, *command, check=True, stdin=None):
        """Runs a client of this display as nobody and returns what it printed."""
        result = subprocess.run([*AS_NOBODY, *command], env=self.env(), input=stdin,
                                capture_output=True, timeout=30, check=False)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(command)} failed: {result.stderr.decode().strip()}")
        return result.stdout if isinstance(stdin, bytes) else result.stdout.decode()

    def launch(self, command, log=True, **extra):
        """Starts a program as nobody; its Wayland conversation goes to a log of its own."""
        log_path = os.path.join(self.home, f"client-{len(self.logs)}.log")
        environment = self.env(WAYLAND_DEBUG="client", **extra) if log else self.env(**extra)
        with open(log_path, "wb") as log_file:
            process = subprocess.Popen([*AS_NOBODY, *command], env=environment,
                                       stdout=subprocess.DEVNULL, stderr=log_file)
        self.logs[process.pid] = log_path
        return process

    def hand_over(self, folder):
        hand_to_user(folder)

    def windows(self, pid=None):
        tree = json.loads(self.run("swaymsg", "--raw", "-t", "get_tree"))
        return [node for node in tree_windows(tree) if pid is None or node["pid"] == pid]

    def _window(self, window):
        return next((node for node in self.windows() if node["id"] == window), None)

    def find_window(self, pid, title):
        return next((node["id"] for node in self.windows(pid) if node["name"] == title), None)

    def window_title(self, window):
        return self._window(window)["name"]

    def window_rect(self, window):
        node = self._window(window)
        outer, inner = node["rect"], node["window_rect"]
        return Rect(outer["x"] + inner["x"], outer["y"] + inner["y"], inner["width"],
                    inner["height"])

    def frame_extents(self, window):
        """sway draws no frame; a window has its place once it has a size."""
        node = self._window(window)
        return (0, 0, 0, 0) if node and node["window_rect"]["width"] else None

    def frame_rect(self, window):
        return self.window_rect(window) if self.frame_extents(window) else None

    def popup_windows(self, pid):
        """The program's open pop-ups, from its log: each lies relative to its parent."""
        parents, places, toplevels, titles = {}, {}, {}, {}
        with open(self.logs[pid], encoding="utf-8", errors="replace") as log:
            for line in log:
                if match := POPUP.search(line):
                    surface, popup, parent = match.groups()
                    parents[popup] = (surface, parent)
                elif match := POPUP_PLACED.search(line):
                    places[match.group(1)] = tuple(map(int, match.groups()[1:]))
                elif match := POPUP_GONE.search(line):
                    parents.pop(match.group(1), None)
                elif match := TOPLEVEL.search(line):
                    toplevels[match.group(1)] = match.group(2)
                elif match := TITLE.search(line):
                    titles[match.group(1)] = match.group(2)
        surface_popups = {surface: popup for popup, (surface, _) in parents.items()}

        def origin(surface):
            if surface in surface_popups:
                left, top, _, _ = places[surface_popups[surface]]
                parent_left, parent_top = origin(parents[surface_popups[surface]][1])
                return parent_left + left, parent_top + top
            window = self.find_window(pid, titles.get(toplevels.get(surface)))
            rect = self.window_rect(window)
            return rect.left, rect.top

        popups = []
        for popup, (surface, _) in parents.items():
            if popup in places:
                left, top = origin(surface)
                popups.append(Rect(left, top, *places[popup][2:]))
        return sorted(popups, key=lambda rect: rect.left)

    def _pointer(self, *steps):
        self.pointer.stdin.write(" ".join(map(str, steps)) + "\n")
        self.pointer.stdin.flush()
        answer = self.pointer.stdout.readline().strip()
        if answer != "done":
            raise RuntimeError(f"the virtual pointer did not take {steps}: {answer!r}")

    def move(self, x, y):
        # Into a freshly opened menu, the first motion only enters its surface.
        self._pointer("move", x, y + 1, "move", x, y)

    def click(self, x, y, button=1, repeat=1):
        self.move(x, y)
        for _ in range(repeat):
            self._pointer("press", button, "release", button, "wait", 60)

    def key(self, *keys):
        arguments = []
        for key in keys:
            *modifiers, name = key.split("+")
            arguments += [word for modifier in modifiers for word in ("-M", modifier)]
            arguments += ["-k", name]
            arguments += [word for modifier in modifiers for word in ("-m", modifier)]
            arguments += ["-s", "60"]
        self.run("wtype", *arguments)

    def screenshot_ppm(self):
        return self.run("grim", "-t", "ppm", "-", stdin=b"")

    def _ipc_socket(self):
        found = glob.glob(os.path.join(self.runtime, "sway-ipc.*.sock"))
        return found[0] if found else None

    def _wayland_socket(self):
        found = [path for path in glob.glob(os.path.join(self.runtime, "wayland-*"))
                 if not path.endswith(".lock")]
        self.wayland = os.path.basename(found[0]) if found else None
        return self.wayland

    def _has_keyboard(self):
        inputs = json.loads(self.run("swaymsg", "--raw", "-t", "get_inputs"))
        return any(device["type"] == "keyboard" for device in inputs)

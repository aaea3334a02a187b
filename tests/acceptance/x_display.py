"""A private X server with a window manager, as a user's desktop would have."""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

from rect import Rect

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
REQUIRED_TOOLS = ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import", "convert")


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


PR_SET_PDEATHSIG = 1


def die_with_parent():
    """For Popen's preexec_fn: a test run killed by its time limit leaves no server behind."""
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


# How long a state the program shows may take to come about on a slow or loaded machine. Only a
# wait that fails lasts that long.
STATE_TIMEOUT = 60


def wait_until(predicate, timeout=STATE_TIMEOUT, interval=0.05):
    """Polls until predicate returns a true value, which is returned; None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)


def stop_process(process, timeout=5.0):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def _read_line(descriptor, timeout):
    """Reads up to a newline; Xvfb dies if its pipe closes before it wrote the newline."""
    deadline = time.monotonic() + timeout
    text = b""
    while not text.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        ready, _, _ = select.select([descriptor], [], [], max(remaining, 0))
        chunk = os.read(descriptor, 32) if ready else b""
        if not chunk:
            break
        text += chunk
    return text.decode().strip()


class XDisplay:
    """Xvfb on a display number it picks itself, with openbox managing its windows."""

    missing_tools = staticmethod(missing_tools)

    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="kolvar-x-")
        self.server = None
        self.window_manager = None
        self.name = None

    def start(self):
        self._start_server()
        # openbox reads its configuration from a home of its own, not the developer's.
        self.window_manager = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env(HOME=self.home, XDG_CONFIG_HOME=self.home),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        if not wait_until(self._window_manager_running, timeout=20):
            raise RuntimeError("openbox did not take over the display")

    def stop(self):
        stop_process(self.window_manager)
        stop_process(self.server)
        shutil.rmtree(self.home, ignore_errors=True)

    def env(self, **extra):
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        environment = dict(os.environ, DISPLAY=self.name, XDG_RUNTIME_DIR=runtime)
        for key in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY", "SESSION_MANAGER"):
            environment.pop(key, None)
        environment.update(extra)
        return environment

    def run(self, *command, check=True):
        """Runs an X client on this display and returns what it printed."""
        result = subprocess.run(command, env=self.env(), capture_output=True, text=True,
                                timeout=30, check=False)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(command)} failed: {result.stderr.strip()}")
        return result.stdout

    def xdotool(self, *arguments):
        return self.run("xdotool", *map(str, arguments))

    # What the tests do on any display: start programs, find their windows, give input, look.
    def launch(self, command, **extra):
        return subprocess.Popen(command, env=self.env(**extra), stdout=subprocess.DEVNULL,
                                preexec_fn=die_with_parent)

    def hand_over(self, folder):
        """Nothing to hand over: the programs on this display run as the folder's owner."""

    def find_window(self, pid, title):
        found = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                         "--name", f"^{title}$", check=False)
        windows = found.split()
        return int(windows[0]) if windows else None

    def window_title(self, window):
        return self.xdotool("getwindowname", window).strip()

    def window_rect(self, window):
        return self._rect_from_info(self.run("xwininfo", "-id", str(window)))

    @staticmethod
    def _rect_from_info(info):
        def field(name):
            return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))

        return Rect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                    field("Width"), field("Height"))

    def frame_extents(self, window):
        text = self.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS", check=False)
        numbers = re.findall(r"\d+", text.partition("=")[2])
        return tuple(int(n) for n in numbers) if len(numbers) == 4 else None

    def frame_rect(self, window):
        extents = self.frame_extents(window)
        if extents is None:
            return None
        left, right, top, bottom = extents
        client = self.window_rect(window)
        return Rect(client.left - left, client.top - top, client.width + left + right,
                    client.height + top + bottom)

    def popup_windows(self, pid):
        """The program's visible override-redirect windows: its open menus, by position. A menu
        that closes between the listing and the look at it is not counted."""
        found = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                         "--class", ".", check=False).split()
        popups = []
        for window in map(int, found):
            info = self.run("xwininfo", "-id", str(window), check=False)
            if "Override Redirect State: yes" in info and "Map State: IsViewable" in info:
                popups.append(self._rect_from_info(info))
        return sorted(popups, key=lambda rect: rect.left)

    def click(self, x, y, button=1, repeat=1):
        self.xdotool("mousemove", x, y, "click", "--repeat", repeat, "--delay", 60, button)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def key(self, *keys):
        self.xdotool("key", "--delay", 60, *keys)

    def screenshot_ppm(self):
        return subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env(), capture_output=True, timeout=30,
                              check=True).stdout

    def _start_server(self):
        read_end, write_end = os.pipe()
        try:
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-dpi", "96", "-nolisten", "tcp",
                 "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=die_with_parent)
            os.close(write_end)
            write_end = None
            number = _read_line(read_end, timeout=30)
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        if not number:
            raise RuntimeError("Xvfb did not report its display number")
        self.name = ":" + number

    def _window_manager_running(self):
        return "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False)

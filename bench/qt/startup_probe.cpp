// Starts a program on the X display and reports, on one line, how long it took from exec to
// the first of its windows being mapped and the peak resident memory it reached:
//
//   startup_probe SETTLE_MS PROGRAM [ARGS...]
//   map_ms=123.456 max_rss_kb=45678 dirty_kb=12345 cpu_ms=98.7 status=0
//
// The probe listens for MapNotify on the root window before it forks, so no map can be missed
// and no polling interval adds to the figure. Under a window manager the window mapped on the
// root is the manager's frame; it counts once the program's own window (by _NET_WM_PID) is
// inside it. After SETTLE_MS more, for the first paint, the program gets SIGTERM, and the peak
// resident set comes from wait4, as /usr/bin/time reports it. Much of that is library code,
// which other programs share, so the memory the process has written to itself (its private
// dirty pages, from /proc/PID/smaps_rollup just before the signal) is reported too, and the
// processor time, user and system, that it used from exec to its end: on a shared machine that
// moves less with the load than the time to the map.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

constexpr int kTimeoutMs = 30000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::optional<long> WindowPid(Display* display, Window window) {
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                          &format, &count, &remaining, &data);
    std::optional<long> pid;
    if (status == Success && data != nullptr && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// The window itself or, under a window manager, the client inside its frame.
bool BelongsTo(Display* display, Window window, pid_t pid, int depth = 0) {
    if (WindowPid(display, window) == pid) {
        return true;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (depth > 2 || !XQueryTree(display, window, &root, &parent, &children, &count)) {
        return false;
    }
    bool found = false;
    for (unsigned index = 0; index < count && !found; ++index) {
        found = BelongsTo(display, children[index], pid, depth + 1);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// Swallows errors about windows that vanished between the event and our look at them.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

std::optional<double> WaitForMap(Display* display, pid_t pid, double start) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (NowMs() - start < kTimeoutMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && BelongsTo(display, event.xmap.window, pid)) {
                return NowMs() - start;
            }
        }
        poll(&connection, 1, 100);
    }
    return std::nullopt;
}

long PrivateDirtyKb(pid_t pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long total = 0;
    std::string line;
    while (std::getline(rollup, line)) {
        long kb = 0;
        if (std::sscanf(line.c_str(), "Private_Dirty: %ld", &kb) == 1) {
            total += kb;
        }
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const std::optional<double> mapped = WaitForMap(display, pid, start);
    if (mapped) {
        usleep(static_cast<useconds_t>(settleMs) * 1000);
    }
    const long dirtyKb = mapped ? PrivateDirtyKb(pid) : 0;
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[2]);
        return 1;
    }
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    std::printf("map_ms=%.3f max_rss_kb=%ld dirty_kb=%ld cpu_ms=%.1f status=%d\n", *mapped,
                usage.ru_maxrss, dirtyKb, ms(usage.ru_utime) + ms(usage.ru_stime), exitStatus);
    return 0;
}

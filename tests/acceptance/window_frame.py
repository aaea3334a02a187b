"""The window manager's frame around a window: where its close button is."""

import re

from kolvar_app import Rect

# A line of `xwininfo -tree`: id, name, size, relative and absolute position.
TREE_LINE = re.compile(
    r"^\s*(0x[0-9a-f]+) .*?(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+?(-?\d+)\+?(-?\d+)\s*$")


def parent_window(display, window):
    info = display.run("xwininfo", "-tree", "-id", str(window))
    return int(re.search(r"Parent window id: (0x[0-9a-f]+)", info).group(1), 16)


def descendants(display, window):
    """(id, Rect) of every window inside the given one, on the screen."""
    found = []
    for line in display.run("xwininfo", "-tree", "-id", str(window)).splitlines():
        match = TREE_LINE.match(line)
        if match:
            ident, width, height, left, top = match.groups()
            found.append((int(ident, 16), Rect(int(left), int(top), int(width), int(height))))
    return found


def is_mapped(display, window):
    return "Map State: IsViewable" in display.run("xwininfo", "-id", str(window), check=False)


def close_button(display, window, client):
    """The rightmost square button in the title bar above the client area."""
    frame = parent_window(display, window)
    buttons = [(ident, rect) for ident, rect in descendants(display, frame)
               if rect.width == rect.height and 8 <= rect.width <= 40
               and rect.bottom <= client.top and client.left <= rect.left < client.right]
    buttons = [rect for ident, rect in buttons if is_mapped(display, ident)]
    return max(buttons, key=lambda rect: rect.left) if buttons else None

"""Reads a program through the AT-SPI bus, as a screen reader does; prints JSON lines.

Run with the system's python3, which has pyatspi, in a process of its own: libatspi binds to
the first bus it meets for the life of the process.

    atspi_reader.py tree APP      the accessible tree of the program's windows
    atspi_reader.py listen APP    "ready", then one line per event a screen reader acts on:
                                  a focused object with the menu it belongs to, and a changed
                                  name; ends when its input closes
"""

import json
import sys
import threading

import pyatspi

MAX_DEPTH = 8


def node(accessible, depth=0):
    """Role, name, description, the states a screen reader speaks, and the children."""
    states = accessible.getState()
    described = {
        "role": accessible.getRoleName(),
        "name": accessible.name,
        "description": accessible.description,
        "checkable": states.contains(pyatspi.STATE_CHECKABLE),
        "checked": states.contains(pyatspi.STATE_CHECKED),
        "focused": states.contains(pyatspi.STATE_FOCUSED),
    }
    if depth < MAX_DEPTH:
        described["children"] = [node(child, depth + 1) for child in accessible
                                 if child is not None]
    return described


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def emit(record):
    print(json.dumps(record, ensure_ascii=False), flush=True)


def print_tree(name):
    app = application(name)
    if app is None:
        emit({"error": f"no application {name!r} on the bus"})
        return 1
    emit(node(app))
    return 0


def menu_of(accessible):
    """The menu a focused item sits in: Qt leaves pop-up menus out of the program's tree."""
    parent = accessible.parent
    menus = (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU)
    return parent if parent is not None and parent.getRole() in menus else None


def listen(name):
    def belongs(event):
        app = event.source.getApplication() if event.source is not None else None
        return app is not None and app.name == name

    def on_focus(event):
        if event.detail1 and belongs(event):
            menu = menu_of(event.source)
            emit({"event": "focus", "source": node(event.source, MAX_DEPTH),
                  "menu": node(menu, MAX_DEPTH - 1) if menu is not None else None})

    def on_name(event):
        if belongs(event):
            emit({"event": "name", "source": node(event.source, MAX_DEPTH)})

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    threading.Thread(target=lambda: (sys.stdin.read(), pyatspi.Registry.stop()),
                     daemon=True).start()
    emit({"event": "ready"})
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    command, app_name = sys.argv[1], sys.argv[2]
    sys.exit(print_tree(app_name) if command == "tree" else listen(app_name))

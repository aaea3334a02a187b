"""The display server the acceptance tests run on: X by default, sway if KOLVAR_DISPLAY says so;
and how the program is started on it: the Linux build, or kolvar.exe under Wine if KOLVAR_APP
says so.

A display starts and stops its server, launches programs on it, finds their windows and open
menus, moves and clicks the pointer, presses keys and takes screenshots; the tests' steps are
the same on each, and for either program."""

import os

from kolvar_app import KolvarApp
from sway_display import SwayDisplay
from wine_app import WineKolvarApp
from x_display import XDisplay


def display_class():
    return SwayDisplay if os.environ.get("KOLVAR_DISPLAY") == "sway" else XDisplay


def on_windows():
    """Whether the program under test is the Windows one."""
    return os.environ.get("KOLVAR_APP") == "wine"


def app_class():
    return WineKolvarApp if on_windows() else KolvarApp


def missing_tools():
    return display_class().missing_tools() + app_class().missing_tools()

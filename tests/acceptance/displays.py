"""The display server the acceptance tests run on: X by default, sway if KOLVAR_DISPLAY says so.

A display starts and stops its server, launches programs on it, finds their windows and open
menus, moves and clicks the pointer, presses keys and takes screenshots; the tests' steps are
the same on each."""

import os

from sway_display import SwayDisplay
from x_display import XDisplay


def display_class():
    return SwayDisplay if os.environ.get("KOLVAR_DISPLAY") == "sway" else XDisplay


def missing_tools():
    return display_class().missing_tools()

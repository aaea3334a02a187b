#!/usr/bin/env python3
"""The platform's boundary: the program's own code includes only the public platform headers,
those headers never bring Qt in, and tests and benchmarks look inside only through testing.h."""
import functools
import pathlib
import re
import sys

PUBLIC = {"colour.h", "geometry.h", "surface.h", "window.h", "message_map.h", "dialog.h", "menu.h",
          "application.h", "system_metrics.h"}
INSIDE_VIEW = "testing.h"
PRODUCT = ("app", "model", "picture", "menu", "resources")
OUTSIDE = ("tests", "bench", "scripts")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.MULTILINE)


def includes(path):
    return INCLUDE.findall(path.read_text(encoding="utf-8"))


def faults(root):
    @functools.cache
    def sees_qt(header):
        return any(name.startswith("Q") or (name.startswith("platform/") and sees_qt(name))
                   for name in includes(root / header))

    for name in sorted(PUBLIC):
        if sees_qt(f"platform/{name}"):
            yield f"platform/{name} brings Qt in"
    paths = (path for folder in PRODUCT + OUTSIDE for path in (root / folder).rglob("*"))
    for path in sorted(paths):
        relative = path.relative_to(root)
        top = relative.parts[0]
        if path.suffix not in (".h", ".cpp") or relative.parts[:2] == ("tests", "platform"):
            continue
        for header in includes(path):
            name = header.removeprefix("platform/")
            if name == header or name in PUBLIC:
                continue
            if top in PRODUCT or (name != INSIDE_VIEW and sees_qt(header)):
                yield f"{relative} includes {header}"


def main():
    found = list(faults(pathlib.Path(sys.argv[1])))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The platform's public headers stand on their own: each compiles alone, with nothing but the
other public headers and the standard library in reach, so none of them brings a toolkit or an
internal header in. With a Windows cross compiler, each also compiles after the Win32 backend's
one include of <windows.h>, whose macros would otherwise rename or break what they declare.
Which headers a folder may include, the build's include roots decide."""
import argparse
import os
import pathlib
import subprocess
import sys

FLAGS = ["-std=c++20", "-fsyntax-only", "-Wall", "-Wextra", "-Wpedantic", "-Werror", "-x", "c++",
         "-"]


def compile_errors(compiler, roots, text):
    command = [compiler] + [f"-I{root}" for root in roots] + FLAGS
    result = subprocess.run(command, input=text, capture_output=True, text=True)
    return result.stderr if result.returncode != 0 else ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--public-root", required=True, type=pathlib.Path)
    parser.add_argument("--compiler", required=True)
    parser.add_argument("--windows-compiler", default="")
    parser.add_argument("--internal-root", type=pathlib.Path)
    args = parser.parse_args()

    headers = sorted(path.name for path in (args.public_root / "platform").glob("*.h"))
    failures = []
    for header in headers:
        text = f'#include "platform/{header}"\n'
        if errors := compile_errors(args.compiler, [args.public_root], text):
            failures.append(f"platform/{header} does not compile on its own:\n{errors}")
        if args.windows_compiler:
            after = '#include "platform/win32/windows_api.h"\n' + text
            if errors := compile_errors(args.windows_compiler, [args.internal_root], after):
                failures.append(f"platform/{header} breaks after <windows.h>:\n{errors}")
    if not args.windows_compiler and os.environ.get("CI") == "true":
        failures.append("no Windows cross compiler (g++-mingw-w64-x86-64-posix) was found")
    for failure in failures:
        print(failure)
    print(f"{len(headers)} public headers checked")
    return 1 if failures or not headers else 0


if __name__ == "__main__":
    sys.exit(main())

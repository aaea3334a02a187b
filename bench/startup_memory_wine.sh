#!/usr/bin/env bash
# kolvar.exe's start under Wine against the least Win32 dialog program showing one line of text
# in the same font (bench/win32/minimal_dialog.cpp), with the same probe and display as
# bench/startup_memory.sh:
#
#   bench/startup_memory_wine.sh [WINDOWS_BUILD_DIR] [LINUX_BUILD_DIR]
#
# (defaults build-win32/ and build/; the Windows build made with -DKOLVAR_BUILD_BENCHMARKS=ON,
# the Linux build's bench/startup_probe is the probe; KOLVAR_RUNS runs each, default 7;
# KOLVAR_DPI the display's dpi for both, default 96, 192 for 200 %).
# Both run as `wine PROGRAM.exe` in a running Wine session of a prefix of their own, so that
# the session's start (wineserver, services, the desktop window) is in neither figure. The
# start ends when the program's dialog, whose _NET_WM_PID is the process the probe forked, is
# mapped. Peak memory is that process's own, the program's: the maximum resident set size of
# the process that runs the .exe, and what it wrote to itself; wineserver and the session's
# other processes, shared by every program of the session, are not in it.
# Both are measured as the installer and the .zip ship kolvar.exe: stripped of their debug
# information (KOLVAR_STRIP=0 measures the build tree's files as they are). Wine reads the
# sections of a program whose file alignment is less than a page into memory of its own, debug
# sections included: unstripped, kolvar.exe's 4 MB of them are in its peak memory.
# The programs take turns, one run each per round, after one warm-up run each not counted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows_build=$(cd "${1:-$root/build-win32}" && pwd)
linux_build=$(cd "${2:-${KOLVAR_BUILD_DIR:-$root/build}}" && pwd)
runs=${KOLVAR_RUNS:-7}
settle_ms=500

kolvar=$windows_build/app/kolvar.exe
minimal=$windows_build/bench/minimal_dialog.exe
probe=$linux_build/bench/startup_probe
for program in "$kolvar" "$minimal" "$probe"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done
command -v wine >/dev/null || { echo "missing wine (see scripts/packages.txt)" >&2; exit 1; }
source "$root/bench/startup_common.sh"

if [ "${KOLVAR_STRIP:-1}" != 0 ]; then
    strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$windows_build/CMakeCache.txt")
    mkdir "$work/programs"
    "$strip" -o "$work/programs/kolvar.exe" "$kolvar"
    "$strip" -o "$work/programs/minimal_dialog.exe" "$minimal"
    kolvar=$work/programs/kolvar.exe
    minimal=$work/programs/minimal_dialog.exe
fi

# The prefix scripts/wine-run makes, with its fonts; a session started on this display.
export KOLVAR_WINEPREFIX=$windows_build/wine-bench
export WINEPREFIX=$KOLVAR_WINEPREFIX
WINEDEBUG=-all wineserver -k 2>/dev/null || true
before_display_ends='WINEDEBUG=-all wineserver -k'
# The session stays up for a minute after its last program, long enough between the runs.
"$root/scripts/wine-run" wineboot
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEDEBUG=-all WINEARCH=win64
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${KOLVAR_DPI:-96}" /f \
    >/dev/null

measure /dev/null wine "$kolvar"
measure /dev/null wine "$minimal"
for _ in $(seq "$runs"); do
    measure "$work/kolvar" wine "$kolvar"
    measure "$work/minimal" wine "$minimal"
done

echo "under Wine $(wine --version 2>/dev/null): startup to window mapped and peak memory of the"
echo "program's process, median of $runs runs each (min-max)$([ "${KOLVAR_STRIP:-1}" != 0 ] && echo ", stripped"), ${KOLVAR_DPI:-96} dpi"
printf '%s\n' "kolvar kolvar.exe" "minimal minimal dialog with a line" | table
read -r ratio rss own cpu < <(compare kolvar minimal)
echo "kolvar.exe against the minimal dialog: startup $ratio, peak RSS $rss MB, written $own MB," \
    "CPU time $cpu"
print_aims "$ratio" "$rss" 2 ""

#!/usr/bin/env bash
# kolvar's start against the least a Qt 6 dialog program needs, on a private Xvfb display with
# openbox as the window manager:
#
#   bench/startup_memory.sh [BUILD_DIR]      (default build/; KOLVAR_RUNS runs each, default 7)
#
# Startup is the time from exec to the program's window being mapped (MapNotify of the window
# manager's frame around it, seen by bench/startup_probe, which was listening before it forked).
# Peak memory is the maximum resident set size from wait4 after SIGTERM, half a second after
# the map so that the first paint is in it. Most of that is library code that other programs
# share, so the memory each process wrote to itself (private dirty pages of
# /proc/PID/smaps_rollup just before the signal) is shown too. The yardstick runs twice: as an
# empty dialog, and showing one line of text as kolvar's caption does, which loads the fonts.
# The programs take turns, one run each per round, after one warm-up run each not counted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-${KOLVAR_BUILD_DIR:-$root/build}}" && pwd)
runs=${KOLVAR_RUNS:-7}
settle_ms=500

kolvar=$build_dir/app/kolvar
minimal=$build_dir/bench/minimal_dialog
probe=$build_dir/bench/startup_probe
for program in "$kolvar" "$minimal" "$probe"; do
    [ -x "$program" ] || { echo "missing $program: build $build_dir first" >&2; exit 1; }
done
source "$root/bench/startup_common.sh"

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure /dev/null "$kolvar"
measure /dev/null "$minimal"
measure /dev/null "$minimal" --text
for _ in $(seq "$runs"); do
    measure "$work/kolvar" "$kolvar"
    measure "$work/empty" "$minimal"
    measure "$work/text" "$minimal" --text
done

echo "startup to window mapped and peak memory, median of $runs runs each (min-max)"
printf '%s\n' "kolvar kolvar" "empty empty dialog" "text dialog with a caption" | table
read -r ratio rss own cpu < <(compare kolvar empty)
echo "kolvar against the empty dialog: startup $ratio, peak RSS $rss MB, written $own MB," \
    "CPU time $cpu"
read -r ratio_text rss_text own_text cpu_text < <(compare kolvar text)
echo "kolvar against the dialog with a caption: startup $ratio_text, peak RSS $rss_text MB," \
    "written $own_text MB, CPU time $cpu_text"
print_aims "$ratio" "$rss" 4 " against the empty dialog"

#!/usr/bin/env bash
# kolvar's start against the least a Qt 6 dialog program needs, on a private Xvfb display with
# openbox as the window manager:
#
#   bench/startup_memory.sh [BUILD_DIR]      (default build/; KOLVAR_RUNS runs each, default 7)
#
# Startup is the time from exec to the program's window being mapped (MapNotify of the window
# manager's frame around it, seen by bench/startup_probe, which was listening before it forked).
# Peak memory is the maximum resident set size from wait4 after SIGTERM, half a second after
# the map so that the first paint is in it. The two programs take turns, one run each per round,
# after one warm-up run each that is not counted.
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
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "missing $tool (see scripts/packages.txt)" >&2; exit 1; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One line "map_ms=... max_rss_kb=... status=..." per run, appended to the program's file.
measure() {
    "$probe" "$settle_ms" "$1" >>"$2"
}

measure "$kolvar" /dev/null
measure "$minimal" /dev/null
for _ in $(seq "$runs"); do
    measure "$kolvar" "$work/kolvar"
    measure "$minimal" "$work/minimal"
done

# Median of one field over a program's runs.
median() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
spread() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g | awk 'NR == 1 { min = $1 } { max = $1 }
        END { printf "%s-%s", min, max }'
}

kolvar_ms=$(median map_ms "$work/kolvar")
minimal_ms=$(median map_ms "$work/minimal")
kolvar_kb=$(median max_rss_kb "$work/kolvar")
minimal_kb=$(median max_rss_kb "$work/minimal")

echo "startup to window mapped and peak resident memory, median of $runs runs each"
echo "machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p')"
row() {
    awk -v name="$1" -v ms="$2" -v ms_range="$3" -v kb="$4" -v kb_range="$5" 'BEGIN {
        printf "%-16s %12.1f %18s %14.1f %18s\n", name, ms, ms_range, kb / 1024, kb_range }'
}
printf '%-16s %12s %18s %14s %18s\n' program startup_ms startup_range_ms peak_rss_MiB peak_rss_range_kB
row kolvar "$kolvar_ms" "$(spread map_ms "$work/kolvar")" "$kolvar_kb" \
    "$(spread max_rss_kb "$work/kolvar")"
row minimal_dialog "$minimal_ms" "$(spread map_ms "$work/minimal")" "$minimal_kb" \
    "$(spread max_rss_kb "$work/minimal")"
awk -v a="$kolvar_ms" -v b="$minimal_ms" -v ka="$kolvar_kb" -v kb="$minimal_kb" 'BEGIN {
    ratio = a / b; extra = (ka - kb) / 1024
    printf "startup ratio kolvar/minimal: %.2f (aim: at most 1.10) %s\n", ratio,
           ratio <= 1.10 ? "met" : "MISSED"
    printf "extra peak memory: %.1f MiB (aim: at most 4 MB) %s\n", extra,
           extra * 1048576 <= 4e6 ? "met" : "MISSED"
}'

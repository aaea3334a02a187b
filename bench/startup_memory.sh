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

# One line "map_ms=... max_rss_kb=... dirty_kb=... status=..." per run, appended to a file.
measure() {
    local file=$1
    shift
    "$probe" "$settle_ms" "$@" >>"$file"
}

measure /dev/null "$kolvar"
measure /dev/null "$minimal"
measure /dev/null "$minimal" --text
for _ in $(seq "$runs"); do
    measure "$work/kolvar" "$kolvar"
    measure "$work/empty" "$minimal"
    measure "$work/text" "$minimal" --text
done

# Median, smallest and largest of one field over a program's runs.
stats() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        print m, v[1], v[NR] }'
}

echo "startup to window mapped and peak memory, median of $runs runs each (min-max)"
echo "machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p')"
printf '%-22s %24s %24s %24s\n' program "startup ms" "peak RSS MiB" "written MiB"
for name in kolvar empty text; do
    read -r ms ms_min ms_max < <(stats map_ms "$work/$name")
    read -r rss rss_min rss_max < <(stats max_rss_kb "$work/$name")
    read -r own own_min own_max < <(stats dirty_kb "$work/$name")
    echo "$name $ms $ms_min $ms_max $rss $rss_min $rss_max $own $own_min $own_max"
done | awk '
    { label = $1 == "kolvar" ? "kolvar" : $1 == "empty" ? "empty dialog" : "dialog with a caption"
      printf "%-22s %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f)\n", label,
             $2, $3, $4, $5 / 1024, $6 / 1024, $7 / 1024, $8 / 1024, $9 / 1024, $10 / 1024
      ms[$1] = $2; rss[$1] = $5; own[$1] = $8 }
    END {
      for (base in ms) if (base != "kolvar") {
          name = base == "empty" ? "empty dialog" : "dialog with a caption"
          printf "kolvar against the %s: startup x%.2f, peak RSS %+.1f MB, written %+.1f MB\n",
                 name, ms["kolvar"] / ms[base], (rss["kolvar"] - rss[base]) * 1024 / 1e6,
                 (own["kolvar"] - own[base]) * 1024 / 1e6
      }
      printf "aims against the empty dialog: startup at most x1.10 (%s), at most 4 MB more peak memory (%s)\n",
             ms["kolvar"] <= 1.10 * ms["empty"] ? "met" : "missed",
             (rss["kolvar"] - rss["empty"]) * 1024 <= 4e6 ? "met" : "missed"
    }'

# What bench/startup_memory.sh and bench/startup_memory_wine.sh share, sourced by both: a
# private Xvfb display with openbox as the window manager, one measured start, and the figures.
# Before sourcing, set probe to bench/startup_probe of a Linux build and settle_ms.
# shellcheck shell=bash
: "${probe:?}" "${settle_ms:?}"

for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "missing $tool (see scripts/packages.txt)" >&2; exit 1; }
done

work=$(mktemp -d)
# More to end at exit, before the display: set by the sourcing script.
before_display_ends=:
cleanup() {
    eval "$before_display_ends" || true
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
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

# One line "map_ms=... max_rss_kb=... dirty_kb=... cpu_ms=... status=..." per run, appended to a file.
measure() {
    local file=$1
    shift
    "$probe" "$settle_ms" "$@" >>"$file"
}

# Median, smallest and largest of one field over a program's runs.
stats() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        print m, v[1], v[NR] }'
}

# The table of the programs' figures, "name label" pairs on standard input, from
# $work/<name>.
table() {
    echo "machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), load $(cut -d' ' -f1-3 /proc/loadavg)"
    printf '%-26s %22s %22s %22s %22s\n' program "startup ms" "peak RSS MiB" "written MiB" \
        "CPU ms"
    while read -r name label; do
        read -r ms ms_min ms_max < <(stats map_ms "$work/$name")
        read -r rss rss_min rss_max < <(stats max_rss_kb "$work/$name")
        read -r own own_min own_max < <(stats dirty_kb "$work/$name")
        read -r cpu cpu_min cpu_max < <(stats cpu_ms "$work/$name")
        printf '%-26s %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f) %8.1f (%5.1f-%5.1f)\n' \
            "$label" "$ms" "$ms_min" "$ms_max" "$(kib_to_mib "$rss")" "$(kib_to_mib "$rss_min")" \
            "$(kib_to_mib "$rss_max")" "$(kib_to_mib "$own")" "$(kib_to_mib "$own_min")" \
            "$(kib_to_mib "$own_max")" "$cpu" "$cpu_min" "$cpu_max"
    done
}

kib_to_mib() {
    awk -v kib="$1" 'BEGIN { printf "%.1f", kib / 1024 }'
}

# "x1.23 +4.5 +0.6 x1.05": the first program's median start over the second's, how many MB more
# peak and written memory it took, and its median processor time over the second's.
compare() {
    local ms1 ms2 rss1 rss2 own1 own2 cpu1 cpu2 _
    read -r ms1 _ < <(stats map_ms "$work/$1")
    read -r ms2 _ < <(stats map_ms "$work/$2")
    read -r rss1 _ < <(stats max_rss_kb "$work/$1")
    read -r rss2 _ < <(stats max_rss_kb "$work/$2")
    read -r own1 _ < <(stats dirty_kb "$work/$1")
    read -r own2 _ < <(stats dirty_kb "$work/$2")
    read -r cpu1 _ < <(stats cpu_ms "$work/$1")
    read -r cpu2 _ < <(stats cpu_ms "$work/$2")
    awk -v a="$ms1" -v b="$ms2" -v r1="$rss1" -v r2="$rss2" -v o1="$own1" -v o2="$own2" \
        -v c1="$cpu1" -v c2="$cpu2" 'BEGIN { printf "x%.2f %+.1f %+.1f x%.2f\n", a / b,
            (r1 - r2) * 1024 / 1e6, (o1 - o2) * 1024 / 1e6, c1 / c2 }'
}

# The verdict on the aims: a start at most x1.10 the yardstick's, and at most $3 MB more peak
# memory; $1 and $2 are compare's first two figures, $4 names the yardstick.
print_aims() {
    awk -v ratio="${1#x}" -v rss="$2" -v most="$3" -v against="$4" 'BEGIN {
        printf "aims%s: startup at most x1.10 (%s), at most %s MB more peak memory (%s)\n",
               against, ratio <= 1.10 ? "met" : "missed", most, rss <= most ? "met" : "missed" }'
}

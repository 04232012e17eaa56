#!/bin/sh
# Runs every benchmark under one private Xvfb with Qt's xcb platform: the
# Google Benchmark figures first, then kurvan's start-up against the bare
# QMainWindow (and one with a line of text), run in turn so all see the same
# machine.
# Usage: bench/run.sh <bench build dir> [start-up runs per program, default 20] [startup]
# With "startup" as third argument only the start-up is timed.
set -eu
build=$(cd "$1" && pwd)
runs=${2:-20}
part=${3:-all}

. "$(dirname "$0")/../tools/xsession.sh"
xvfb= runtime=
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$runtime" "$work"' EXIT INT TERM
# Black root (-br): first_paint tells a painted window from the root behind it.
start_xvfb 90 160 -screen 0 2560x1440x24 -br

if [ "$part" != startup ]; then
    echo "== Data commands, hand-over and painting (3999 channels), Xvfb $display, xcb"
    "$build/bench/kurvan_bench" --benchmark_counters_tabular=false
    echo
fi
echo "== Start-up: process start to first painted main window, ms ($runs runs each, alternating)"
cd "$work"
# One unrecorded run of each warms the caches for all alike.
"$build/bench/first_paint" "$build/bench/bare_window" >/dev/null
"$build/bench/first_paint" "$build/bench/text_window" >/dev/null
"$build/bench/first_paint" "$build/kurvan" >/dev/null
: >bare.txt
: >text.txt
: >kurvan.txt
r=1
while [ $r -le "$runs" ]; do
    # Alternate the order, so neither kurvan nor the bare window always goes first.
    if [ $((r % 2)) -eq 1 ]; then
        "$build/bench/first_paint" "$build/bench/bare_window" >>bare.txt
        "$build/bench/first_paint" "$build/kurvan" >>kurvan.txt
        "$build/bench/first_paint" "$build/bench/text_window" >>text.txt
    else
        "$build/bench/first_paint" "$build/kurvan" >>kurvan.txt
        "$build/bench/first_paint" "$build/bench/bare_window" >>bare.txt
        "$build/bench/first_paint" "$build/bench/text_window" >>text.txt
    fi
    r=$((r + 1))
done

# Column 1 wall, 2 CPU, 3 run-queue wait (ms), one line per run.
summary() {
    for col in 1 2 3; do
        cut -d' ' -f$col "$2" | sort -n | awk -v name="$1" -v col=$col '
            { v[NR] = $1; s += $1; all = all sprintf(" %.1f", $1) }
            END {
                what = col == 1 ? "wall" : col == 2 ? "cpu" : "waited"
                med = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                printf "%-12s %-6s median %7.1f  mean %7.1f  min %7.1f  max %7.1f\n", name, what, med, s / NR, v[1], v[NR]
                if (col == 1)
                    printf "%-12s %-6s sorted:%s\n", "", "", all
                print med > (name "." what)
            }'
    done
}
echo "wall: process start to first painted window; cpu: CPU time of the program's threads by then;"
echo "waited: time its threads waited for a CPU (other load on the machine)"
summary bare_window bare.txt
summary text_window text.txt
summary kurvan kurvan.txt
awk -v k="$(cat kurvan.wall)" -v b="$(cat bare_window.wall)" -v t="$(cat text_window.wall)" \
    -v kc="$(cat kurvan.cpu)" -v bc="$(cat bare_window.cpu)" -v tc="$(cat text_window.cpu)" \
    'BEGIN {
        printf "start-up ratio kurvan / bare window, wall medians: %.3f (target <= 1.25)\n", k / b
        printf "start-up ratio kurvan / bare window, cpu medians:  %.3f\n", kc / bc
        printf "start-up ratio kurvan / text window, wall medians: %.3f, cpu medians: %.3f\n", k / t, kc / tc
    }'

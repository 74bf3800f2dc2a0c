#!/usr/bin/env bash
# The main window on a real X server (Xvfb) with a window manager (openbox):
#   1. exec to first full paint, against a bare Qt Widgets window and against
#      one with Marbix's chrome and no game (median of N runs);
#   2. resident memory 3 s after start, against the same two;
#   3. CPU time and wake-ups over 10 s with no game, then while a game waits.
# Usage: bench/window_bench.sh [BUILD_DIR] [RUNS] [ZOOM]   (default build, 15)
# With ZOOM (in tenths, 15 to 30) every start finds it in a fresh profile,
# on a screen large enough for the board at 3×.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
zoom=${3:-}
screen=1024x768x24
[ -z "$zoom" ] || screen=1600x1200x24
marbix=$build/marbix
[ -x "$marbix" ] || { echo "build $marbix first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

flags=$(pkg-config --cflags --libs Qt6Widgets)
g++ -O2 -fPIC -std=c++20 "$here/window/bare_window.cpp" -o "$work/bare" $flags
g++ -O2 -fPIC -std=c++20 "$here/window/chrome_window.cpp" -o "$work/chrome" $flags
g++ -O2 -fPIC -std=c++20 "$here/window/first_paint_probe.cpp" -o "$work/probe" $flags

n=80
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 $screen -nolisten tcp -br >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$n
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
XDG_CONFIG_HOME=$work/wm openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done

export QT_QPA_PLATFORM=xcb
export PULSE_SERVER=unix:/nonexistent/marbix-bench
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"

fresh_profile() {
    rm -f "$XDG_CONFIG_HOME/marbix.INI"
    [ -z "$zoom" ] || printf '[SETTINGS]\nZOOM=%s\n' "$zoom" >"$XDG_CONFIG_HOME/marbix.INI"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
paint() {
    for _ in $(seq "$runs"); do
        fresh_profile
        "$work/probe" "$@"
        sleep 0.3
    done | median
}
# One warm-up each, so both start from a warm file cache.
"$work/probe" "$work/bare" >/dev/null
"$work/probe" "$work/chrome" >/dev/null
"$work/probe" "$marbix" >/dev/null
bare_ms=$(paint "$work/bare")
text_ms=$(paint "$work/bare" text)
chrome_ms=$(paint "$work/chrome")
marbix_ms=$(paint "$marbix")
versus() { awk -v a="$marbix_ms" -v b="$1" 'BEGIN {printf "%+.0f%%", (a / b - 1) * 100}'; }
echo "first full paint, median of $runs runs:"
echo "  bare Qt window             ${bare_ms} ms"
echo "  bare Qt window with text   ${text_ms} ms"
echo "  Marbix's chrome, no game   ${chrome_ms} ms"
echo "  marbix                     ${marbix_ms} ms ($(versus "$bare_ms") / $(versus "$text_ms") / $(versus "$chrome_ms"))"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
switches() {
    cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'
}
fresh_profile
"$marbix" &
pid=$!
pids+=($pid)
sleep 3
"$work/bare" text &
bare=$!
"$work/chrome" &
chrome=$!
sleep 3
rss() { awk '/VmRSS/ {print $2 / 1024}' "/proc/$1/status"; }
echo "resident memory 3 s after start: marbix $(rss $pid) MB," \
     "bare Qt window with text $(rss $bare) MB, Marbix's chrome with no game $(rss $chrome) MB"
kill $bare $chrome
hz=$(getconf CLK_TCK)
measure() {
    local t0 s0 t1 s1
    t0=$(ticks $pid) s0=$(switches $pid)
    sleep 10
    t1=$(ticks $pid) s1=$(switches $pid)
    echo "$1: CPU $(((t1 - t0) * 1000 / hz)) ms, $((s1 - s0)) context switches in 10 s"
}
measure "no game"
xdotool search --onlyvisible --name '^Marbix forever' windowactivate --sync key F2
sleep 1
measure "a game waiting for the player"

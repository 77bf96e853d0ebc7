#!/bin/sh
# Time from launch to a visible window, zef next to a bare Qt Widgets window,
# each started RUNS times (median in ms). Needs a display: run it under xvfb-run.
# Usage: startup_compare.sh ZEF MINIMAL_WINDOW [RUNS]
set -eu
zef=$(realpath "$1")
minimal=$(realpath "$2")
runs=${3:-15}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints the milliseconds until a visible window titled $2 appears for command $1.
time_to_window() {
    start=$(now_ms)
    "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
        sleep 0.005
    done
    end=$(now_ms)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# zef runs from a copy with its own settings file, intro off, in an empty folder.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cp "$zef" "$root/zef"
printf '[FormOptions]\r\nintro=0\r\n' >"$root/zeF.ini"
cd "$root"

time_to_window "$root/zef" "^ZeF v" >/dev/null
time_to_window "$minimal" "^minimal window" >/dev/null
for i in $(seq "$runs"); do time_to_window "$root/zef" "^ZeF v"; done | median >"$root/zef.ms"
for i in $(seq "$runs"); do time_to_window "$minimal" "^minimal window"; done | median >"$root/minimal.ms"
echo "zef: $(cat "$root/zef.ms") ms, minimal window: $(cat "$root/minimal.ms") ms (medians of $runs starts)"
awk -v a="$(cat "$root/zef.ms")" -v b="$(cat "$root/minimal.ms")" 'BEGIN { printf "ratio: %.2f\n", a / b }'

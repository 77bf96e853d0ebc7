#!/bin/sh
# Start-up time and memory of zef next to two yardsticks: yardstick_window
# (a bare Qt Widgets window with zef's controls, fonts and texts) and
# minimal_window (an empty Qt window, the floor). Each program is started RUNS
# times, the three in turn so that a busy machine slows them alike; printed
# are the medians of the time from launch to a visible window and of the
# resident memory (VmRSS) once the window has been shown for SETTLE seconds.
# zef runs with the intro off in a folder holding the example files; the
# yardstick shows the same plan and report.
# Needs a display: run it under xvfb-run, or on a desktop.
# Usage: startup_compare.sh ZEF YARDSTICK_WINDOW MINIMAL_WINDOW [RUNS]
set -eu
zef=$(realpath "$1")
yardstick=$(realpath "$2")
minimal=$(realpath "$3")
runs=${4:-31}
settle=0.3
source_dir=$(realpath "$(dirname "$0")/../..")

now_ns() { date +%s%N; }

# Starts "$@" after the window title pattern $title, waits for a visible
# window of that title and appends "milliseconds resident-kB" to $out. A start
# that ends, or shows no window within 30 s, is not measured: the program is
# started again, three times at most.
measure() {
    out=$1 title=$2
    shift 2
    for try in 1 2 3; do
        start=$(now_ns)
        "$@" >/dev/null 2>&1 &
        pid=$!
        until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null && [ $((($(now_ns) - start) / 1000000000)) -lt 30 ] || break
            sleep 0.002
        done
        end=$(now_ns)
        if kill -0 "$pid" 2>/dev/null && xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
            sleep "$settle"
            rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
            kill "$pid"
            wait "$pid" 2>/dev/null || true
            echo "$(((end - start) / 1000000)) $rss" >>"$out"
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo "$1: no window titled $title (start $try); started again" >&2
    done
    echo "$1: no window titled $title in three starts" >&2
    exit 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir "$root/bin" "$root/work" "$root/config"
cp "$zef" "$root/bin/zef"
cp "$source_dir/examples/arm.txt" "$source_dir/examples/rekrut.txt" "$root/work/"
iconv -f WINDOWS-1250 -t UTF-8 "$source_dir/examples/rekrut.txt" >"$root/plan.utf8"
cp "$source_dir/tests/golden/examples-report.utf8.txt" "$root/report.utf8"
# The settings with the intro off, both beside the program and in the
# per-user configuration folder, wherever this build looks for them.
settings='[FormOptions]\r\nintro=0\r\nleft=100\r\ntop=100\r\n'
printf "$settings" >"$root/bin/zeF.ini"
mkdir -p "$root/config/ZeF"
printf "$settings" >"$root/config/ZeF/zeF.ini"
export XDG_CONFIG_HOME="$root/config"
cd "$root/work"

run_zef() { measure "$root/zef.txt" "^ZeF v" "$root/bin/zef"; }
run_yardstick() { measure "$root/yardstick.txt" "^yardstick window" "$yardstick" "$root/plan.utf8" "$root/report.utf8"; }
run_minimal() { measure "$root/minimal.txt" "^minimal window" "$minimal"; }

# One unmeasured round warms the caches.
run_zef && run_yardstick && run_minimal
rm -f "$root"/*.txt
for i in $(seq "$runs"); do
    run_zef
    run_yardstick
    run_minimal
done

for name in zef yardstick minimal; do
    ms=$(cut -d' ' -f1 "$root/$name.txt" | median)
    kb=$(cut -d' ' -f2 "$root/$name.txt" | median)
    echo "$name $ms $kb" >>"$root/medians"
done
awk -v runs="$runs" '
    { name[NR] = $1; ms[NR] = $2; kb[NR] = $3 }
    END {
        printf "medians of %d starts each\n", runs
        printf "%-10s %8s %10s %14s %14s\n", "program", "ms", "RSS kB", "time/yardstick", "RSS/yardstick"
        for (i = 1; i <= NR; i++)
            printf "%-10s %8d %10d %14.2f %14.2f\n", name[i], ms[i], kb[i], ms[i] / ms[2], kb[i] / kb[2]
    }' "$root/medians"

#!/bin/sh
# Start-up time of the Windows window (zef.exe under Wine) next to the Linux
# window (zef on Qt), both with the intro off in a folder holding the example
# files, under one virtual X server with a window manager. Each is started
# RUNS times, in turn; printed are the medians of the time from launch to a
# visible window. Wine's server and services stay up between the starts, as
# on a desktop where Wine already runs; the first start after them is
# printed apart.
# Usage: startup_wine.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX LINUX_ZEF [RUNS]
set -eu
zef_exe=$(realpath "$1")
probe=$(realpath "$2")
prefix=$3
zef_linux=$(realpath "$4")
runs=${5:-11}
source_dir=$(realpath "$(dirname "$0")/../..")

. "$source_dir/tests/system/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"
. "$source_dir/tests/system/wine_session.sh"

root=$(mktemp -d)
trap 'stop_wine_session; rm -rf "$root"' EXIT
mkdir "$root/bin" "$root/work" "$root/config"
cp "$zef_exe" "$root/bin/zef.exe"
cp "$zef_linux" "$root/bin/zef"
settings='[FormOptions]\r\nintro=0\r\nleft=100\r\ntop=100\r\n'
printf "$settings" >"$root/bin/zeF.ini"
mkdir -p "$root/config/ZeF"
printf "$settings" >"$root/config/ZeF/zeF.ini"
export XDG_CONFIG_HOME="$root/config"
cp "$source_dir/examples/arm.txt" "$source_dir/examples/rekrut.txt" "$root/work/"
start_wine_session "$prefix" "$probe"
cd "$root/work"

# Starts "$@", waits for a visible window titled "ZeF v..." and prints the
# milliseconds it took; then closes the program and waits for its end.
measure() {
    start=$(date +%s%N)
    "$@" </dev/null >/dev/null 2>&1 &
    pid=$!
    until window=$(xdotool search --onlyvisible --name "^ZeF v" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
        sleep 0.002
    done
    echo $((($(date +%s%N) - start) / 1000000))
    wmctrl -i -c "$window"
    wait "$pid" 2>/dev/null || true
    pid=
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$wineserver" -k 2>/dev/null || true
echo "zef.exe, first start with Wine's server down: $(measure run_wine "$root/bin/zef.exe") ms"
for _ in $(seq "$runs"); do
    measure run_wine "$root/bin/zef.exe" >>"$root/wine.txt"
    measure "$root/bin/zef" >>"$root/linux.txt"
done
echo "median of $runs starts to a visible window:"
echo "  zef.exe under Wine: $(median <"$root/wine.txt") ms"
echo "  zef (Qt, Linux):    $(median <"$root/linux.txt") ms"

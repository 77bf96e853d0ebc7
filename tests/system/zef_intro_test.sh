#!/bin/sh
# System test of the OpenGL intro in the real zef window under Xvfb: the
# spinning box is drawn, a key ends it and shows the calculator, a window
# closed during the intro exits in time, an unmapped window does not spin a
# core, and with the intro off no GL library is loaded at all.
# Usage: zef_intro_test.sh ZEF CLOSE_REQUEST [SCREENSHOT-FOLDER]
set -eu

zef=$1
close_request=$2
shots=${3:-}

. "$(dirname "$0")/common.sh"
require_tools xvfb-run xdotool xprop import convert
run_inside_xvfb "$0" "$@"

# The settings file lives beside the executable, so the program runs from a
# copy in the temporary folder, never from the build tree.
root=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir "$root/bin" "$root/work"
cp "$zef" "$root/bin/zef"
cd "$root/work"

# Starts zef with the intro switch $1 and waits for its window.
start_zef() {
    printf '[FormOptions]\r\nintro=%s\r\n' "$1" >"$root/bin/zeF.ini"
    "$root/bin/zef" &
    pid=$!
    wait_for_window || fail "no window titled 'ZeF v.3 ...' appeared"
}

running() { kill -0 "$pid" 2>/dev/null; }

gl_mapped() { grep -qE '/libGLU?\.so\.1' "/proc/$pid/maps"; }

# CPU time of zef in clock ticks, user and system together.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

# Percentage of one core that zef used over the next two seconds.
cpu_percent_over_2s() {
    before=$(cpu_ticks)
    sleep 2
    after=$(cpu_ticks)
    echo $(((after - before) * 100 / (2 * $(getconf CLK_TCK))))
}

echo "-- the intro runs and a key ends it"
start_zef 1
gl_mapped || fail "libGL.so.1 and libGLU.so.1 are not loaded while the intro runs"
# The window starts transparent and fades in to full opacity (0xffffffff).
wait_for 'xprop -id "$window" _NET_WM_WINDOW_OPACITY | grep -q "= 4294967295$"' || fail "the window did not fade in"
sleep 1
yellow=$(yellow_in_middle "$window" "$root/intro.png")
echo "yellow pixels in the middle during the intro: $yellow"
[ "$yellow" -gt 500 ] || fail "the spinning box is not drawn"
[ -z "$shots" ] || cp "$root/intro.png" "$shots/intro.png"

xdotool key space
wait_for '[ "$(yellow_in_middle "$window" "$root/calculator.png")" -eq 0 ]' || fail "the intro went on after a key"
[ -z "$shots" ] || cp "$root/calculator.png" "$shots/intro-ended.png"
# F5 reaches the plan editor: the calculator has the keyboard.
xdotool key F5
sleep 0.3
request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef exited with status $?"
tr -d '\r' <"$root/bin/zeF.ini" | grep -qx "navrhArmady=1" || fail "F5 after the intro did not refresh: $(cat "$root/bin/zeF.ini")"

echo "-- an unmapped window rests, and a close during the intro exits in time"
start_zef 1
sleep 1
echo "CPU while drawing: $(cpu_percent_over_2s)% of one core"
xdotool windowunmap "$window"
sleep 0.5
idle=$(cpu_percent_over_2s)
echo "CPU while unmapped: $idle% of one core"
[ "$idle" -lt 20 ] || fail "the unmapped window still draws: $idle% CPU"
xdotool windowmap "$window"
sleep 0.5
close_within "$window" 2000 zef
tr -d '\r' <"$root/bin/zeF.ini" | grep -qx "intro=1" || fail "the settings were not written: $(cat "$root/bin/zeF.ini")"

echo "-- with the intro off no GL library is loaded"
start_zef 0
sleep 0.5
! gl_mapped || fail "libGL.so.1 or libGLU.so.1 is loaded with the intro off"
request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef exited with status $?"
pid=
echo "PASS"

#!/bin/sh
# zef.exe under Wine: with the intro switch on, the spinning box is drawn
# (GL through WGL, Mesa's llvmpipe in Wine), a key ends it and shows the
# calculator, which then has the keyboard; and a window closed during the
# intro exits in time, its render thread stopped without a deadlock.
# Usage: zef_wine_intro_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
set -eu

zef=$1
probe=$2
prefix=$3

here=$(dirname "$0")
. "$here/common.sh"
require_tools xvfb-run xdotool import convert
run_inside_xvfb "$0" "$@"
. "$here/wine_session.sh"

prepare_zef_exe "$zef" "$prefix" "$probe"

start_intro() {
    printf '[FormOptions]\r\nintro=1\r\n' >"$root/bin/zeF.ini"
    start_zef_exe "$root/bin/zef.exe"
    wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
}

echo "-- the intro runs and a key ends it"
start_intro
grep -qi 'opengl32\.dll' "/proc/$pid/maps" || fail "opengl32.dll is not loaded while the intro runs"
sleep 1
yellow=$(yellow_in_middle root "$root/intro.png")
echo "yellow pixels in the middle during the intro: $yellow"
[ "$yellow" -gt 500 ] || fail "the spinning box is not drawn"

# The key goes to the intro's surface, which has the focus.
xdotool key space
wait_for '[ "$(yellow_in_middle root "$root/calculator.png")" -eq 0 ]' || fail "the intro went on after a key"
# F5 reaches the plan editor: the calculator has the keyboard.
xdotool key F5
sleep 0.5
request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
check_ini "$root/bin/zeF.ini" "navrhArmady=1"
check_ini "$root/bin/zeF.ini" "intro=1"

echo "-- a close during the intro exits in time"
start_intro
sleep 1
close_within "$window" 3000 zef.exe
check_ini "$root/bin/zeF.ini" "spusteni=1"
echo "PASS"

#!/bin/sh
# zef.exe under Wine, the best plan: F8 opens the search beside the window
# with the plan's own turns, Enter searches, the answer is the proven one,
# and "Použít" puts its plan lines in the editor, unsaved.
# Usage: zef_wine_best_plan_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
set -eu

zef=$1
probe=$2
prefix=$3

here=$(dirname "$0")
. "$here/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"
. "$here/wine_session.sh"

prepare_zef_exe "$zef" "$prefix" "$probe" '[FormOptions]\r\nintro=0\r\n'
cp "$here/../../examples/arm.txt" "$here/../../examples/rekrut.txt" "$root/work/"
saved=$(cat "$root/work/rekrut.txt")

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
focus_window "$window"

echo "-- F8 opens the search; Enter finds the most damage in the plan's 31 turns"
xdotool key F8
search=
wait_for 'search=$(xdotool search --onlyvisible --name "^ZeF – nejlepší plán$" 2>/dev/null | head -n 1); [ -n "$search" ]' ||
    fail "F8 opened no search window"
focus_window "$search"
xdotool key Return

echo "-- Použít puts the answer's lines in the editor and saves nothing"
# The button's middle in the window's design at 96 dpi.
wait_for 'xdotool mousemove --window "$search" 366 336 click 1; zef_text 1004 | grep -q "^Drak 9 18399"' ||
    fail "Použít put no answer in the editor: '$(zef_text 1004)'"
zef_text 1004 | grep -q "^Zold 6 7040" || fail "the answer's second line is missing: '$(zef_text 1004)'"
[ "$(cat "$root/work/rekrut.txt")" = "$saved" ] || fail "rekrut.txt changed before the player saved"

request_close_until "$window" '! running' || fail "the window did not close"
echo "PASS"

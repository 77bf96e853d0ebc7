#!/bin/sh
# zef.exe under Wine, the plan editor: its context menu opens the list of
# unit types, and Esc closes it. F7 and Enter in the list, and the wave under
# a line with a warning, are player scenarios (zef_wine_scenarios).
# Usage: zef_wine_editor_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
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
cp "$here/../../examples/arm.txt" "$root/work/"

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
focus_window "$window"

list=
wait_for_list() {
    wait_for 'list=$(xdotool search --onlyvisible --name "^Jednotky z arm.txt$" 2>/dev/null | head -n 1); [ -n "$list" ]' ||
        fail "$1 did not open the unit list"
}

echo "-- the editor's menu opens the unit list, and Esc closes it"
# The command before the menu's last; Up from none chosen chooses the last.
xdotool key shift+F10
sleep 0.5
xdotool key Up Up Return
wait_for_list "the editor's menu"
focus_window "$list"
xdotool key Escape
wait_for '! xdotool search --onlyvisible --name "^Jednotky z arm.txt$" >/dev/null 2>&1' || fail "Esc did not close the list"

request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
echo "PASS"

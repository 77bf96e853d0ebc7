#!/bin/sh
# zef.exe under Wine: Ctrl+Alt+Shift+M locks the window; locked, it refuses a
# close with its three-line message and refuses the end of the session; the
# key again unlocks it, and then it closes and writes zeF.ini.
# Usage: zef_wine_lock_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
set -eu

zef=$1
probe=$2
prefix=$3

here=$(dirname "$0")
. "$here/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"
. "$here/wine_session.sh"

prepare_zef_exe "$zef" "$prefix" "$probe" '[FormOptions]\r\nintro=0\r\nleft=40\r\ntop=30\r\n'

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"

# The hot key reaches Wine only while one of its windows has the focus.
focus_window "$window"
xdotool key ctrl+alt+shift+m
sleep 0.5
check_locked_window_refuses_close "$window" "$pid"
echo "ok: the locked window refused a close"

# The end of the session is refused too (wineboot sends WM_QUERYENDSESSION),
# and the refusal explained once it has been given.
if run_wine wineboot --end-session >/dev/null 2>&1; then
    fail "the locked window let the session end"
fi
running || fail "the locked window closed at the end of the session"
box=
wait_for 'box=$(xdotool search --onlyvisible --name "^q71_brouzdac$" 2>/dev/null | head -n 1); [ -n "$box" ]' ||
    fail "the refused end of the session was not explained"
request_close_until "$box" '! xdotool search --onlyvisible --name "^q71_brouzdac$" >/dev/null 2>&1' ||
    fail "the message stayed open"
! grep -q spusteni "$root/bin/zeF.ini" || fail "the locked window wrote its settings"
echo "ok: the locked window refused the end of the session"

focus_window "$window"
xdotool key ctrl+alt+shift+m
sleep 0.5
request_close_until "$window" '! running' || fail "the unlocked window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
ini="$root/bin/zeF.ini"
check_ini "$ini" "spusteni=1"
check_ini "$ini" "navrhArmady=0"
# Where the frame stood, as it was placed from the file.
check_ini "$ini" "left=40"
check_ini "$ini" "top=30"
echo "PASS"

#!/bin/sh
# zef.exe under Wine: a refresh that runs long shows "Počítám plán…" with
# "Zrušit", and cancelling it adds nothing to the report; a close during such
# a run cancels it, and the window closes as soon as the run has returned,
# writing its settings.
# Usage: zef_wine_long_run_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
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

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
zef_text 1003 >"$root/view-before.txt"

# A unit of batch 1 and about a billion turns: far longer than the test waits.
printf 'Pesi 100 0 0 0 0 0 1 1\r\n' >arm.txt
focus_window "$window"
xdotool type "1 400000000"
progress=
long_refresh() {
    xdotool key F5
    wait_for 'progress=$(xdotool search --onlyvisible --name "^ZeF$" 2>/dev/null | head -n 1); [ -n "$progress" ]' ||
        fail "a long refresh showed no progress"
}

long_refresh
# The progress window's text is control 101, its button IDCANCEL (2).
[ "$(run_wine "$probe" text "ZeF" 101)" = "Počítám plán…" ] || fail "the progress does not say 'Počítám plán…'"
[ "$(run_wine "$probe" text "ZeF" 2)" = "Zrušit" ] || fail "the progress offers no 'Zrušit'"
# Escape in the progress window is its Cancel.
focus_window "$progress"
xdotool key Escape
wait_for '! xdotool search --onlyvisible --name "^ZeF$" >/dev/null 2>&1' || fail "Zrušit did not end the run"
zef_text 1003 | cmp -s - "$root/view-before.txt" || fail "a cancelled run added to the report"
echo "ok: a long run was cancelled and added nothing"

# A close during the run: the run ends and the window closes.
focus_window "$window"
long_refresh
request_close_until "$window" '! running' || fail "a close during a run did not close the window"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
check_ini "$root/bin/zeF.ini" "navrhArmady=2"
echo "PASS"

#!/bin/sh
# zef.exe under Wine: F5 in the plan editor, with or without a modifier,
# saves the editor's text to rekrut.txt in Windows-1250 (a Czech line typed
# on a Czech keyboard, with a letter the machine's ANSI code page lacks) and
# appends exactly one new report to the report view; typing shows the
# preview line without saving or reporting.
# Usage: zef_wine_refresh_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
set -eu

zef=$1
probe=$2
prefix=$3
golden=$4

here=$(dirname "$0")
. "$here/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"
. "$here/wine_session.sh"

prepare_zef_exe "$zef" "$prefix" "$probe" '[FormOptions]\r\nintro=0\r\n'
cp "$here/../../examples/arm.txt" "$here/../../examples/rekrut.txt" "$root/work/"

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"

# The view holds the start-up report; each refresh adds one more. A comment
# changes nothing of the report.
views() { zef_text 1003 >"$root/view.txt"; }
expect_reports() {
    : >"$root/expected-view.txt"
    for _ in $(seq "$1"); do cat "$golden/examples-report.txt" >>"$root/expected-view.txt"; done
    printf '\r\n' >>"$root/expected-view.txt"
    views
    cmp -s "$root/view.txt" "$root/expected-view.txt"
}
expect_reports 1 || fail "the start-up report is not the examples' report"

# The editor's caret stands at the start of the plan.
focus_window "$window"
xdotool type "; řeřicha"
xdotool key Return F5
# "; řeřicha" in Windows-1250 (ř is 0xF8), then CR LF: what the editor held.
printf '; \370e\370icha\r\n' >"$root/line.txt"
wait_for 'head -n 1 rekrut.txt | cmp -s - "$root/line.txt"' ||
    fail "F5 did not save the typed line in Windows-1250: $(head -n 1 rekrut.txt | od -An -tx1)"
wait_for 'expect_reports 2' || fail "F5 did not append exactly one report: $(grep -c '##########' "$root/view.txt") separators"
tail -n +2 rekrut.txt | cmp -s - "$here/../../examples/rekrut.txt" || fail "the rest of the plan changed"

# While typing, the preview line shows the plan's result before any refresh;
# the typed comment changes nothing of it, and nothing is saved or reported.
xdotool type "; x"
xdotool key Return
wait_for 'zef_text 1202 | grep -q "^Náhled: 31 TU"' || fail "no preview line: '$(zef_text 1202)'"
head -n 1 rekrut.txt | cmp -s - "$root/line.txt" || fail "the preview saved the plan"
expect_reports 2 || fail "the preview added a report"

# Whatever the modifier: Ctrl and Alt (a system key to Windows) refresh too.
xdotool key ctrl+F5
wait_for 'expect_reports 3' || fail "Ctrl+F5 did not refresh"
xdotool key alt+F5
wait_for 'expect_reports 4' || fail "Alt+F5 did not refresh"

request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
check_ini "$root/bin/zeF.ini" "navrhArmady=3"
echo "PASS"

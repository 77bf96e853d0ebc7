#!/bin/sh
# zef.exe under Wine: a first start in an empty folder opens the window with
# its caption, makes both data files empty, shows the report of the empty
# plan, loads no GL with the intro off, and a close writes the settings.
# Usage: zef_wine_window_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
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

# The intro is on by default; this test is about the calculator.
prepare_zef_exe "$zef" "$prefix" "$probe" '[FormOptions]\r\nintro=0\r\n'

started=$(date +%s%N)
start_zef_exe "$root/bin/zef.exe"
# The first start in a new prefix also builds Wine's font cache.
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
echo "window after $((($(date +%s%N) - started) / 1000000)) ms"

caption=$(zef_text)
[ "$caption" = "ZeF v.3 – autor: q71, q71@example.org, https://zef.example.org" ] || fail "the caption is '$caption'"
check_new_data_files
# The report view holds the report of the empty plan and its line break.
{ cat "$golden/empty-folder/expected.txt"; printf '\r\n'; } >"$root/expected-view.txt"
zef_text 1003 >"$root/view.txt"
cmp -s "$root/view.txt" "$root/expected-view.txt" ||
    fail "the report view is not the empty plan's report: $(od -c "$root/view.txt" | head -5)"
! grep -qi 'opengl32\.dll' "/proc/$pid/maps" || fail "opengl32.dll is loaded with the intro off"

request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
check_ini "$root/bin/zeF.ini" "spusteni=1"
check_ini "$root/bin/zeF.ini" "navrhArmady=0"
check_ini "$root/bin/zeF.ini" "intro=0"
echo "PASS"

#!/bin/sh
# System test of the real zef window under Xvfb, driven by real key presses
# (xdotool) and real close requests (zef_close_request).
# Usage: zef_system_test.sh ZEF CLOSE_REQUEST [SCREENSHOT.png]
set -eu

zef=$1
close_request=$2
screenshot=${3:-}

. "$(dirname "$0")/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"

# The settings file lives beside the executable, so the program runs from a
# copy in the temporary folder, never from the build tree.
root=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir "$root/bin" "$root/work"
cp "$zef" "$root/bin/zef"
# The intro is on by default; this test is about the calculator.
printf '[FormOptions]\r\nintro=0\r\n' >"$root/bin/zeF.ini"
cd "$root/work"

"$root/bin/zef" &
pid=$!

wait_for_window || fail "no window titled 'ZeF v.3 ...' appeared"
title=$(xdotool getwindowname "$window")
echo "window $window: $title"

check_new_data_files

# Three refreshes: two with F5 in the plan editor, one after typing a line.
xdotool key --window "$window" F5
xdotool key --window "$window" F5
xdotool type --window "$window" "1 10"
xdotool key --window "$window" F5
wait_for 'grep -q "1 10" rekrut.txt' || fail "F5 did not save the typed plan line"

if [ -n "$screenshot" ]; then
    sleep 0.3
    import -window "$window" "$screenshot" || echo "note: no screenshot taken"
fi

# Locked, the window refuses a close request and explains it in a message box.
xdotool key ctrl+alt+shift+m
sleep 0.3
check_locked_window_refuses_close "$window" "$pid"

# Unlocked, it closes and writes the settings beside the executable.
xdotool key ctrl+alt+shift+m
sleep 0.3
request_close_until "$window" '! kill -0 "$pid" 2>/dev/null' || fail "the unlocked window did not close"
wait "$pid" || fail "zef exited with status $?"

ini="$root/bin/zeF.ini"
[ -f "$ini" ] || fail "zeF.ini was not written"
check_ini "$ini" "spusteni=1"
check_ini "$ini" "navrhArmady=3"
echo "PASS"

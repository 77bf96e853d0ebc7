#!/bin/sh
# The player's files with real zef windows under Xvfb: two windows in one
# folder, where the second must ask before writing over the first one's plan
# and both keep their counts; a TERM during the start-up refresh; and, where this machine lets us mount a small
# file system, a refresh on a full disk that must leave the plan whole.
# Usage: zef_files_test.sh ZEF CLOSE_REQUEST
set -eu

zef=$1
close_request=$2

. "$(dirname "$0")/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"

root=$(mktemp -d)
pids=
cleanup() {
    for p in $pids; do kill "$p" 2>/dev/null || true; done
    cd /
    umount "$root/full" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
mkdir "$root/bin" "$root/work" "$root/full"
cp "$zef" "$root/bin/zef"
printf '[FormOptions]\r\nintro=0\r\n' >"$root/bin/zeF.ini"

# Types $2 into the plan editor of window $1 and presses F5. The window gets
# the input focus first: with two windows and no window manager, keys sent to
# a window that does not have it go astray.
type_and_refresh() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
    xdotool type "$2"
    xdotool key F5
}

# Sets $window to the visible zef window that is not $1.
wait_for_other_window() {
    known=$1
    sleep 1  # the new window's program connects to the display alone, as in wait_for_window
    wait_for 'window=$(xdotool search --onlyvisible --name "^ZeF v\.3" 2>/dev/null | grep -vx "$known" | head -n 1); [ -n "$window" ]'
}

# Waits for the overwrite question (captioned "ZeF") and sets $box to it.
wait_for_question() {
    known=$1
    wait_for 'box=$(xdotool search --onlyvisible --name "^ZeF($| )" 2>/dev/null | grep -vE "$known" | head -n 1); [ -n "$box" ]'
}

cd "$root/work"
printf 'Pesi 100 0 0 0 0 0 25 1\r\n' >arm.txt
printf '1 10\r\n' >rekrut.txt

"$root/bin/zef" &
pids="$!"
first_pid=$!
wait_for_other_window none || fail "the first window did not appear"
first=$window
"$root/bin/zef" &
pids="$pids $!"
second_pid=$!
wait_for_other_window "$first" || fail "the second window did not appear"
second=$window

type_and_refresh "$first" "; first"
wait_for 'grep -q "; first" rekrut.txt' || fail "the first window did not save its plan"

type_and_refresh "$second" "; second"
box=
wait_for_question "^($first|$second)$" || fail "the second window did not ask before overwriting"
# Closing the question answers No, its default.
request_close_until "$box" '! xdotool search --onlyvisible --name "^ZeF($| )" 2>/dev/null | grep -vqE "^($first|$second)$"' ||
    fail "the question stayed open"
grep -q "; first" rekrut.txt && ! grep -q "; second" rekrut.txt || fail "No did not keep the first window's plan: $(cat rekrut.txt)"
echo "ok: the second window asked, and No kept the first window's plan"

request_close_until "$first" '! kill -0 "$first_pid" 2>/dev/null' || fail "the first window did not close"
request_close_until "$second" '! kill -0 "$second_pid" 2>/dev/null' || fail "the second window did not close"
ini="$root/bin/zeF.ini"
tr -d '\r' <"$ini" | grep -qx "spusteni=2" || fail "a start was lost: $(cat "$ini")"
tr -d '\r' <"$ini" | grep -qx "navrhArmady=2" || fail "a refresh was lost: $(cat "$ini")"
echo "ok: both windows' counts are kept"

# A TERM during the start-up refresh of a plan of a billion turns: the run is
# cancelled and the window closes, writing its settings, instead of dying.
mkdir "$root/long"
cd "$root/long"
printf 'Pesi 100 0 0 0 0 0 1 1\r\n' >arm.txt
printf '@zl 1\r\n1 400000000\r\n' >rekrut.txt
"$root/bin/zef" &
long_pid=$!
pids="$pids $long_pid"
sleep 1.5
kill -TERM "$long_pid"
wait_for '! kill -0 "$long_pid" 2>/dev/null' || fail "a TERM during the start-up refresh did not close the window"
wait "$long_pid" || fail "zef ended with status $? after a TERM during the start-up refresh"
tr -d '\r' <"$ini" | grep -qx "spusteni=3" || fail "the start ended by TERM was not counted: $(cat "$ini")"
echo "ok: a TERM during the start-up refresh closes the window and keeps the settings"

# A full disk: a small tmpfs filled to its last page. Only root may mount it.
if [ "$(id -u)" -ne 0 ] || ! mount -t tmpfs -o size=256k tmpfs "$root/full" 2>/dev/null; then
    echo "note: no tmpfs could be mounted; the full-disk case is left to the window tests"
    echo "PASS"
    exit 0
fi
cd "$root/full"
cp "$root/work/arm.txt" "$root/work/rekrut.txt" .
cp rekrut.txt "$root/plan.before"
"$root/bin/zef" &
pids="$pids $!"
full_pid=$!
wait_for_other_window none || fail "the window on the full disk did not appear"
dd if=/dev/zero of=filler bs=4k 2>/dev/null || true
type_and_refresh "$window" "; no room for this"
error_box=
wait_for 'error_box=$(xdotool search --onlyvisible --name "^q71_brouzdac" 2>/dev/null | head -n 1); [ -n "$error_box" ]' ||
    fail "a full disk gave no message"
cmp -s rekrut.txt "$root/plan.before" || fail "the plan on the full disk changed: $(wc -c <rekrut.txt) bytes"
[ "$(ls | sort | tr '\n' ' ')" = "arm.txt filler rekrut.txt " ] || fail "something was left behind: $(ls)"
echo "ok: a full disk left the plan whole and said so"
request_close_until "$error_box" '! xdotool search --onlyvisible --name "^q71_brouzdac" >/dev/null 2>&1' ||
    fail "the message stayed open"
request_close_until "$window" '! kill -0 "$full_pid" 2>/dev/null' || fail "the window on the full disk did not close"
echo "PASS"

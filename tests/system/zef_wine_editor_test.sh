#!/bin/sh
# zef.exe under Wine, the plan editor: F7 opens the list of unit types and
# Enter puts the chosen number at the caret; the editor's context menu opens
# the same list; a line with a warning ("1 2 000") is drawn with a red wave
# under it, and only that line.
# Usage: zef_wine_editor_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
set -eu

zef=$1
probe=$2
prefix=$3

here=$(dirname "$0")
. "$here/common.sh"
require_tools xvfb-run xdotool import convert
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

echo "-- F7 opens the unit list; Enter puts the second unit's number at the caret"
xdotool key F7
wait_for_list F7
focus_window "$list"
xdotool key Down Return
wait_for '[ "$(zef_text 1004)" = "2" ]' || fail "Enter did not put 2 in the editor: '$(zef_text 1004)'"
! xdotool search --onlyvisible --name "^Jednotky z arm.txt$" >/dev/null 2>&1 || fail "the list stayed open"

echo "-- the editor's menu opens it too, and Esc closes it"
focus_window "$window"
# The command before the menu's last; Up from none chosen chooses the last.
xdotool key shift+F10
sleep 0.5
xdotool key Up Up Return
wait_for_list "the editor's menu"
focus_window "$list"
xdotool key Escape
wait_for '! xdotool search --onlyvisible --name "^Jednotky z arm.txt$" >/dev/null 2>&1' || fail "Esc did not close the list"

# Red (255, 0, 0) in window $1's picture: the rows it is in and how many pixels.
red_rows() {
    import -window "$1" "$2"
    convert "$2" -depth 8 txt:- | awk -F'[(),: ]+' '$3 == 255 && $4 == 0 && $5 == 0 { n++; rows[$2] = 1 }
        END { for (r in rows) { if (min == "" || r + 0 < min) min = r + 0; if (r + 0 > max) max = r + 0 }
              print n + 0, (n ? max - min + 1 : 0) }'
}

echo "-- a line with a warning gets a red wave, a plain line none"
focus_window "$window"
xdotool key ctrl+End Return
xdotool type "1 200"
sleep 1
set -- $(red_rows "$window" "$root/plain.png")
[ "$1" -eq 0 ] || fail "red pixels without a warning: $1"
xdotool key Return
xdotool type "1 2 000"
wait_for 'zef_text 1202 | grep -q "2 000"' || fail "no preview of the line with a warning: '$(zef_text 1202)'"
sleep 0.5
set -- $(red_rows "$window" "$root/wave.png")
cp "$root/wave.png" /tmp/ 2>/dev/null || true
echo "red pixels under the line: $1 in $2 rows"
[ "$1" -ge 15 ] && [ "$2" -le 4 ] || fail "no wave under the line with a warning: $1 red pixels in $2 rows"

request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
echo "PASS"

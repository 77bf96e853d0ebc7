#!/bin/sh
# zef.exe under Wine, the treasury chart: after typing, F6 opens the chart
# of the editor's preview, and its title says so; "Uložit SVG…" saves it
# under the name the dialog offers.
# Usage: zef_wine_chart_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER
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

start_zef_exe "$root/bin/zef.exe"
wait_for_window 30 || fail "no window titled 'ZeF v.3 ...' appeared"
focus_window "$window"
xdotool type "; x"
xdotool key Return
wait_for 'zef_text 1202 | grep -q "^Náhled: 31 TU"' || fail "no preview line: '$(zef_text 1202)'"

xdotool key F6
chart=
wait_for 'chart=$(xdotool search --onlyvisible --name "^ZeF – pokladna po tazích$" 2>/dev/null | head -n 1); [ -n "$chart" ]' ||
    fail "F6 did not open the chart"
# The preview made while the chart was closed recorded no turns; the
# recorded one follows.
sleep 1
# "Uložit SVG…" stands in the bottom right corner of the window's client
# area, which is the X window Wine maps: 100 x 24 pixels, 8 from the edges.
eval "$(xdotool getwindowgeometry --shell "$chart")"
xdotool mousemove --window "$chart" $((WIDTH - 58)) $((HEIGHT - 20)) click 1
dialog=
wait_for 'dialog=$(xdotool search --onlyvisible --name "^Uložit graf$" 2>/dev/null | head -n 1); [ -n "$dialog" ]' ||
    fail "Uložit SVG… opened no dialog"
focus_window "$dialog"
xdotool key Return
wait_for '[ -s graf.svg ]' || fail "no graf.svg was saved"
grep -q "Zlato a mana po tazích – náhled plánu z editoru, ne poslední obnovení" graf.svg ||
    fail "the chart's title does not say it shows the preview: $(grep -o '<text[^>]*>[^<]*' graf.svg | head -n 3)"

request_close_until "$window" '! running' || fail "the window did not close"
wait "$pid" || fail "zef.exe exited with status $?"
pid=
echo "PASS"

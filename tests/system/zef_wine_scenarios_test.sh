#!/bin/sh
# zef.exe under Wine plays the player scenarios of
# tests/scenarios/player_scenarios.txt (whose head describes them), the same
# that player_scenarios_test plays against the Qt window: xdotool types and
# presses the keys, zef_probe reads the controls and clicks the buttons.
# Each scenario starts zef.exe afresh in a folder of its own.
# Usage: zef_wine_scenarios_test.sh ZEF_EXE ZEF_PROBE_EXE WINE_PREFIX GOLDEN_FOLDER [SCENARIOS]
set -eu

zef=$1
probe=$2
prefix=$3

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$(dirname "$here")")
scenarios=$(realpath "${5:-$source_dir/tests/scenarios/player_scenarios.txt}")
. "$here/common.sh"
require_tools xvfb-run xdotool import convert iconv realpath
run_inside_xvfb "$0" "$@"
. "$here/wine_session.sh"

prepare_zef_exe "$zef" "$prefix" "$probe" '[FormOptions]\r\nintro=0\r\n'

# The calculator's controls by the names the scenarios use.
control_id() {
    case $1 in
    editor) echo 1004 ;;
    report) echo 1003 ;;
    preview) echo 1202 ;;
    Button3) echo 1103 ;;
    Button6) echo 1106 ;;
    Button7) echo 1107 ;;
    *) fail "$where: no control $1" ;;
    esac
}

# TEXT with its escapes: UTF-8 with LF breaks, as the controls are read.
unescaped() { printf '%s' "$1" | sed 's/\\\\/\x01/g; s/\\n/\n/g; s/\x01/\\/g'; }

# TEXT as the data files hold it.
file_bytes() { unescaped "$1" | sed -z 's/\n/\r\n/g' | iconv -f UTF-8 -t CP1250; }

# An xdotool pattern for exactly the caption $1 ($2 "prefix": its beginning).
caption_pattern() {
    pattern="^$(printf '%s' "$1" | sed 's/[][\\.*^$()+?{}|]/\\&/g')"
    [ "${2:-}" = prefix ] && echo "$pattern" || echo "$pattern\$"
}

shown_window() { xdotool search --onlyvisible --name "$(caption_pattern "$@")" 2>/dev/null | head -n 1; }

# Red (255, 0, 0) in window $1's picture: how many pixels, and how many rows they span.
red_rows() {
    import -window "$1" "$2"
    convert "$2" -depth 8 txt:- | awk -F'[(),: ]+' '$3 == 255 && $4 == 0 && $5 == 0 { n++; rows[$2] = 1 }
        END { for (r in rows) { if (min == "" || r + 0 < min) min = r + 0; if (r + 0 > max) max = r + 0 }
              print n + 0, (n ? max - min + 1 : 0) }'
}

# The wave under a line of text is at least 15 red pixels within 4 rows.
underlined() {
    set -- $(red_rows "$window" "$root/editor.png")
    shown="$1 red pixels in $2 rows"
    if [ "$wanted" = none ]; then [ "$1" -eq 0 ]; else [ "$1" -ge 15 ] && [ "$2" -le 4 ]; fi
}

# The save dialog opens in the folder a dialog of zef.exe saved in last, as
# the prefix remembers it: forgotten, it opens in the working folder.
forget_save_folder() {
    run_wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\LastVisitedMRU' /f \
        >/dev/null 2>&1 || true
}

# Saves the shown chart with "Uložit SVG…" under the name the dialog offers
# and looks for the title among its texts. The button stands in the bottom
# right corner of the window's client area, which is the X window Wine maps:
# 100 x 24 pixels, 8 from the edges.
chart_titled() {
    chart=$(shown_window "ZeF – pokladna po tazích")
    [ -n "$chart" ] || { shown="no chart"; return 1; }
    rm -f graf.svg
    forget_save_folder
    eval "$(xdotool getwindowgeometry --shell "$chart")"
    xdotool mousemove --window "$chart" $((WIDTH - 58)) $((HEIGHT - 20)) click 1
    wait_for 'dialog=$(shown_window "Uložit graf"); [ -n "$dialog" ]' || { shown="no save dialog"; return 1; }
    focus_window "$dialog"
    xdotool key Return
    wait_for '[ -s graf.svg ]' || { shown="no graf.svg"; return 1; }
    forget_save_folder
    shown=$(grep -o '<text[^>]*>[^<]*</text>' graf.svg | sed 's/<[^>]*>//g' | grep 'po tazích' | tr '\n' '|')
    grep -qF ">$wanted</text>" graf.svg
}

# Reads the control $1 into $shown and compares it with $wanted by $2.
control_matches() {
    shown=$(zef_text "$(control_id "$1")" | tr -d '\r'; echo x)
    shown=${shown%x}
    case $2 in
    =) [ "$shown" = "$wanted" ] ;;
    has) case $shown in *"$wanted"*) ;; *) return 1 ;; esac ;;
    starts) case $shown in "$wanted"*) ;; *) return 1 ;; esac ;;
    *) fail "$where: no relation $2" ;;
    esac
}

report_count() {
    shown=$(zef_text 1003 | tr -d '\r' | grep -cx '##########' || true)
    [ "$shown" = "$wanted" ]
}

file_matches() {
    shown=$(od -An -tx1 "$1" 2>&1 | head -n 4 | tr -s ' \n' ' ')
    cmp -s "$1" "$root/wanted"
}

expect() {
    what=${1%% *}
    argument=${1#"$what"}
    argument=${argument# }
    relation=${argument%% *}
    text=${argument#"$relation"}
    text=${text# }
    shown=
    case $what in
    editor | preview | report)
        wanted=$(unescaped "$text"; echo x)
        wanted=${wanted%x}
        check='control_matches $what $relation'
        ;;
    reports) wanted=$argument check=report_count ;;
    file)
        name=$relation
        relation=${text%% *}
        content=${text#"$relation"}
        content=${content# }
        case $relation in
        =) file_bytes "$content" >"$root/wanted" ;;
        same) cp "$source_dir/$content" "$root/wanted" ;;
        *) fail "$where: no relation $relation" ;;
        esac
        check='file_matches "$name"'
        ;;
    shown) check='[ -n "$(shown_window "$argument")" ]' ;;
    closed) check='[ -z "$(shown_window "$argument")" ]' ;;
    chart-title) wanted=$argument ;;
    underlined) wanted=$argument check=underlined ;;
    *) fail "$where: no such expectation" ;;
    esac
    if [ "$what" = chart-title ]; then
        # Each try waits for itself (wait_for cannot be nested): three tries.
        chart_titled || chart_titled || chart_titled || fail "$where does not hold; shown: $shown"
    else
        wait_for "$check" || fail "$where does not hold; shown: $shown"
    fi
}

# The question box the last step opened, answered yes (the button before the
# default No) or no.
answer_question() {
    box=
    wait_for 'box=$(shown_window ZeF); [ -n "$box" ]' || fail "$where asked nothing"
    focus_window "$box"
    if [ "$answer" = yes ]; then xdotool key shift+Tab Return; else xdotool key Return; fi
    wait_for '[ -z "$(shown_window ZeF)" ]' || fail "$where: the question stayed open"
    answer=
}

step() {
    case $1 in
    type) xdotool type -- "$(unescaped "$2")" ;;
    keys) xdotool key $2 ;;
    click) run_wine "$probe" click "ZeF v.3" "$(control_id "$2")" >/dev/null 2>&1 || fail "$where: no button" ;;
    answer) answer=${2%% *} ;;
    window)
        found=
        title=$2
        wait_for 'found=$(shown_window "$title" prefix); [ -n "$found" ]' || fail "$where: not shown"
        focus_window "$found"
        ;;
    *) fail "$where: no such command" ;;
    esac
    if [ -n "$answer" ] && [ "$1" != answer ]; then answer_question; fi
}

given() {
    name=${1%% *}
    how=${1#"$name"}
    how=${how# }
    text=${how#* }
    [ "$text" != "$how" ] || text=
    case ${how%% *} in
    =) file_bytes "$text" >"$name" ;;
    from) cp "$source_dir/$text" "$name" ;;
    *) fail "$where: no such source" ;;
    esac
}

end_scenario() {
    [ -n "$pid" ] || return 0
    request_close_until "$window" '! running' || fail "$scenario: the window did not close"
    wait "$pid" || fail "$scenario: zef.exe exited with status $?"
    pid=
}

number=0
played=0
skipped=
limited=
answer=
scenario=
while IFS= read -r line <&3; do
    number=$((number + 1))
    case $line in '#'* | '') continue ;; esac
    command=${line%% *}
    rest=${line#"$command"}
    rest=${rest# }
    where="line $number \"$line\""
    case $command in
    skip | limit)
        if [ "${rest%% *}" = wine ]; then
            [ "$command" = skip ] && skipped=${rest#* } || limited=${rest#* }
        fi
        continue
        ;;
    esac
    if [ -n "$skipped" ]; then
        echo "$where skipped: $skipped"
        skipped=
        continue
    fi
    if [ -n "$limited" ]; then
        echo "$where only in part: $limited"
        limited=
    fi
    case $command in
    scenario)
        end_scenario
        scenario=$rest
        played=$((played + 1))
        echo "-- $scenario"
        mkdir "$root/work-$played"
        cd "$root/work-$played"
        ;;
    given)
        [ -z "$pid" ] || fail "$where: the window has started"
        given "$rest"
        ;;
    *)
        if [ -z "$pid" ]; then
            start_zef_exe "$root/bin/zef.exe"
            wait_for_window 30 || fail "$scenario: no window titled 'ZeF v.3 ...' appeared"
            focus_window "$window"
        fi
        if [ "$command" = expect ]; then expect "$rest"; else step "$command" "$rest"; fi
        ;;
    esac
done 3<"$scenarios"
end_scenario
[ "$played" -gt 0 ] || fail "no scenarios in $scenarios"
echo "PASS: $played scenarios"

# Helpers of the system tests of zef.exe under Wine, sourced after common.sh
# by each zef_wine_*_test.sh. A test runs inside its own virtual X server
# (run_inside_xvfb) with a window manager, since without one every hide
# stalls for two seconds, and a Czech keyboard map, on which xdotool types
# Czech letters as real keys (on a US map it remaps keys on the fly, which
# Wine misses). Wine's limits met here: the hot key arrives only while a Wine
# window has the focus, and Wine does not pass the window manager's close on
# to a disabled window, so a close of the locked window goes the way Windows'
# task bar sends it (zef_probe close).
#
#   prepare_zef_exe ZEF_EXE PREFIX PROBE [SETTINGS]
#                                     a copy in $root/bin (with zeF.ini holding
#                                     SETTINGS, when given), the session, and
#                                     $root/work as the current folder
#   start_wine_session PREFIX PROBE   the window manager, the keyboard, the prefix
#   run_wine PROGRAM [ARGUMENT...]    runs a Windows program
#   start_zef_exe ZEF_EXE             runs it (from the current folder), sets $pid
#   wine_close_request WINDOW         asks the window to close, as the task bar does
#   stop_wine_session                 ends zef, the prefix's server and the window manager

wine=${WINE:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver}
pid=

# Every Wine program starts without address randomisation, as
# cmake/wine-run.sh says why: now and then a randomised start fails unseen.
run_wine() { setarch "$(uname -m)" --addr-no-randomize "$wine" "$@"; }
openbox_pid=

start_wine_session() {
    require_tools openbox wmctrl setxkbmap setarch xdotool "$wine" "$wineserver"
    WINEPREFIX=$(realpath -m -- "$1")
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    probe=$2
    openbox >/dev/null 2>&1 &
    openbox_pid=$!
    wait_for 'wmctrl -m >/dev/null 2>&1' || fail "openbox did not start"
    # Before any Wine program starts, since Wine reads the keyboard map once;
    # and after the window manager, since a bare Xvfb keeps its US map
    # whatever setxkbmap says (xkbcomp reads back which one is in force).
    wait_for 'setxkbmap cz && czech_keyboard' || fail "the Czech keyboard map did not take"
    if [ ! -e "$WINEPREFIX/.made" ]; then
        # The first test makes the prefix (about 6 s); the tests take turns
        # with it (RESOURCE_LOCK), as each brings its own X server.
        mkdir -p "$WINEPREFIX"
        run_wine wineboot --init >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; fail "no Wine prefix"; }
        # The server that made the prefix ends before any program runs.
        "$wineserver" -w
        touch "$WINEPREFIX/.made"
    fi
}

# The settings live beside the executable, so each test runs a copy of its
# own in a temporary folder, never the one in the build tree.
prepare_zef_exe() {
    root=$(mktemp -d)
    trap 'stop_wine_session; rm -rf "$root"' EXIT
    mkdir "$root/bin" "$root/work"
    cp "$1" "$root/bin/zef.exe"
    [ -z "${4:-}" ] || printf "$4" >"$root/bin/zeF.ini"
    start_wine_session "$2" "$3"
    close_request=wine_close_request
    cd "$root/work"
}

# The key of 5 on a US map gives ř on a Czech one.
czech_keyboard() {
    ! command -v xkbcomp >/dev/null 2>&1 || xkbcomp -xkb "$DISPLAY" - 2>/dev/null | grep -A2 'key <AE05>' | grep -q rcaron
}

# Not through run_wine: a function in the background is a shell of its own,
# and $pid must be the program's.
start_zef_exe() {
    setarch "$(uname -m)" --addr-no-randomize "$wine" "$1" </dev/null >/dev/null 2>&1 &
    pid=$!
}

running() { [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; }

# The probe finds the window by the start of its caption: up to the first
# character beyond ASCII, which the X property may carry in another encoding.
wine_close_request() {
    run_wine "$probe" close "$(xdotool getwindowname "$1" | LC_ALL=C sed 's/[^ -~].*//')" >/dev/null 2>&1
}

# The text of the control with identifier $1 in the zef window, as UTF-8
# (Memo4 1004, Memo3 1003); without one, the window's caption.
zef_text() {
    run_wine "$probe" text "ZeF v.3" ${1:+"$1"}
}

# Types into the window $1 after giving it the focus, which keys need under Wine.
focus_window() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
}

stop_wine_session() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    "$wineserver" -k 2>/dev/null || true
    [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
}

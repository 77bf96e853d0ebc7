# Helpers shared by the system tests, sourced by each script.

# Exits with 77 (CTest's skip) when a tool is missing.
require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

# Runs the calling script again inside a virtual X server, once.
# Usage: run_inside_xvfb "$0" "$@"
run_inside_xvfb() {
    if [ -z "${ZEF_INSIDE_XVFB:-}" ]; then
        ZEF_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" sh "$@"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to $2 seconds (five unless given) for a shell condition.
wait_for() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        [ "$tries" -lt "$((${2:-5} * 10))" ] || return 1
        sleep 0.1
    done
}

# Sends a close request to window $1 and waits for the condition $2.
request_close_until() {
    "$close_request" "$1"
    wait_for "$2"
}

# Waits up to $1 seconds (five unless given) for the program's window and
# sets $window to its id. A program just started first connects to the
# display alone: Xvfb now and then drops a connection being set up while
# another one is (xdotool's), and the program then ends with "could not
# connect to display".
wait_for_window() {
    sleep 1
    wait_for 'window=$(xdotool search --onlyvisible --name "^ZeF v\.3" 2>/dev/null | head -n 1); [ -n "$window" ]' "${1:-5}"
}

# The checks that the Linux window and the Windows window share.

# A first start in an empty folder made both data files, empty.
check_new_data_files() {
    [ -f rekrut.txt ] && [ -f arm.txt ] || fail "the data files were not created"
    [ ! -s rekrut.txt ] && [ ! -s arm.txt ] || fail "the data files are not empty"
}

# The settings file $1 holds the line $2 (key=value).
check_ini() {
    tr -d '\r' <"$1" | grep -qx "$2" || fail "$1 does not hold $2: $(cat "$1")"
}

# Window $1 of process $2 is locked: a close request gets the refusal (a box
# captioned "q71_brouzdac") and the window stays; the box closes when asked,
# and still the window stays.
check_locked_window_refuses_close() {
    box=
    request_close_until "$1" \
        'box=$(xdotool search --onlyvisible --name "^q71_brouzdac$" 2>/dev/null | head -n 1); [ -n "$box" ]' ||
        fail "the locked window showed no refusal"
    kill -0 "$2" 2>/dev/null || fail "the locked window closed"
    request_close_until "$box" '! xdotool search --onlyvisible --name "^q71_brouzdac$" >/dev/null 2>&1' ||
        fail "the message stayed open"
    kill -0 "$2" 2>/dev/null || fail "the locked window closed"
}

# Counts the yellow pixels (the intro picture's letters) in the middle half
# of window $1, keeping the screenshot as $2.
yellow_in_middle() {
    import -window "$1" "$2"
    size=$(convert "$2" -format '%w %h' info:)
    set -- "$2" ${size}
    convert "$1" -crop "$(($2 / 2))x$(($3 / 2))+$(($2 / 4))+$(($3 / 4))" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 && $3 > 180 && $4 > 140 && $5 < 90 { n++ } END { print n + 0 }'
}

# Asks window $1 to close and fails unless the program ($pid, named $3)
# ends within $2 milliseconds with status 0.
close_within() {
    sent=$(date +%s%N)
    request_close_until "$1" '! running' || fail "$3 did not exit after a close request"
    elapsed=$((($(date +%s%N) - sent) / 1000000))
    echo "exit after the close request: within $elapsed ms"
    [ "$elapsed" -lt "$2" ] || fail "$3 took $elapsed ms to exit"
    wait "$pid" || fail "$3 exited with status $?"
    pid=
}

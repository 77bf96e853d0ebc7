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

# Waits up to five seconds for a shell condition.
wait_for() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        [ "$tries" -lt 50 ] || return 1
        sleep 0.1
    done
}

# Sends a close request to window $1 and waits for the condition $2.
request_close_until() {
    "$close_request" "$1"
    wait_for "$2"
}

# Waits for the program's window and sets $window to its id.
wait_for_window() {
    wait_for 'window=$(xdotool search --onlyvisible --name "^ZeF v\.3" 2>/dev/null | head -n 1); [ -n "$window" ]'
}

#!/bin/sh
# Runs a test program in a virtual X server of its own with a window manager,
# so that its windows get frames as on a desktop. Exits with 77 (CTest's
# skip) where xvfb-run, openbox or xprop is missing.
# Usage: under_window_manager.sh PROGRAM [ARGUMENTS...]
set -eu

for tool in xvfb-run openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
if [ -z "${ZEF_UNDER_WINDOW_MANAGER:-}" ]; then
    ZEF_UNDER_WINDOW_MANAGER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
fi

openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    if [ "$tries" -ge 100 ]; then
        echo "the window manager did not start" >&2
        exit 1
    fi
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"

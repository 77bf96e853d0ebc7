#!/bin/sh
# Runs a command in a private Wayland desktop: a headless weston, a private
# D-Bus session bus and the desktop portal stand-in on it. The command gets
# QT_QPA_PLATFORM=wayland, WAYLAND_DISPLAY, XDG_RUNTIME_DIR and
# DBUS_SESSION_BUS_ADDRESS, and no DISPLAY. Skipped (exit code 77) where
# weston, dbus-daemon or Qt's Wayland plugin is missing.
# Usage: wayland_session.sh QT_PLATFORM_PLUGIN_DIR PORTAL_STANDIN COMMAND [ARG...]
set -eu

plugins=$1
standin=$2
shift 2

. "$(dirname "$0")/common.sh"
require_tools weston dbus-daemon dbus-send
if ! ls "$plugins"/libqwayland-*.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland platform plugin is not installed in $plugins"
    exit 77
fi

# weston refuses a runtime folder that others may read; mktemp makes it 0700.
runtime=$(mktemp -d)
socket=zef-wayland-$$
bus_pid=
weston_pid=
standin_pid=
cleanup() {
    for pid in $standin_pid $weston_pid $bus_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$runtime"
}
trap cleanup EXIT

dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$runtime/bus"
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$runtime/bus")
bus_pid=$(sed -n 2p "$runtime/bus")
export DBUS_SESSION_BUS_ADDRESS

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$socket" \
    --idle-time=0 --debug >"$runtime/weston.log" 2>&1 &
weston_pid=$!
wait_for '[ -S "$runtime/$socket" ]' || { cat "$runtime/weston.log" >&2; fail "weston did not start"; }

"$standin" &
standin_pid=$!
wait_for 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
          org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop 2>/dev/null | grep -q true' ||
    fail "the portal stand-in did not start"

unset DISPLAY
status=0
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@" || status=$?
exit "$status"

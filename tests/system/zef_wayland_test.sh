#!/bin/sh
# System test of the real zef on Wayland: run by wayland_session.sh inside a
# headless weston with the desktop portal stand-in. The window must map, bind
# its hot key through the portal, lock and unlock on the portal's Activated
# signal (seen from outside as the log-off inhibition that a lock holds), and
# at its end leave the stored position as it was, since Wayland reports none.
# Usage: wayland_session.sh PLUGINS STANDIN zef_wayland_test.sh ZEF
set -eu

zef=$1

. "$(dirname "$0")/common.sh"
require_tools weston-debug

root=$(mktemp -d)
pid=
proto_pid=
trap 'kill $pid $proto_pid 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir "$root/bin" "$root/work"
cp "$zef" "$root/bin/zef"
printf '[FormOptions]\r\nintro=0\r\nLeft=30\r\nTop=40\r\n' >"$root/bin/zeF.ini"
cd "$root/work"

standin() {
    dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/example/zef/PortalStandIn \
        "org.example.zef.PortalStandIn.$@"
}

# The compositor's record of every client request shows the window mapping.
weston-debug proto >"$root/proto.txt" 2>&1 &
proto_pid=$!

"$root/bin/zef" 2>"$root/stderr.txt" &
pid=$!

wait_for 'grep -q "set_app_id(\"zef\")" "$root/proto.txt"' || fail "no window with the application id zef"
grep -q 'set_title("ZeF v\.3' "$root/proto.txt" || fail "the window has not the title 'ZeF v.3 ...'"
wait_for 'grep -q "wl_surface@[0-9]*\.attach(wl_buffer" "$root/proto.txt"' || fail "the window never showed a picture"

wait_for 'standin BoundTrigger string:KlavZkrZeF | grep -q "CTRL+ALT+SHIFT+m"' ||
    fail "the hot key was not bound through the portal: $(cat "$root/stderr.txt")"

standin Activate string:KlavZkrZeF >/dev/null
wait_for 'standin LogoutInhibitions | grep -q NEVYP' || fail "Activated did not lock the window"
kill -0 "$pid" 2>/dev/null || fail "zef ended"
standin Activate string:KlavZkrZeF >/dev/null
wait_for '! standin LogoutInhibitions | grep -q NEVYP' || fail "a second Activated did not unlock the window"

# Unlocked, a TERM closes the window as a close request does.
kill -TERM "$pid"
wait "$pid" || fail "zef exited with status $?"
pid=

ini=$(tr -d '\r' <"$root/bin/zeF.ini")
echo "$ini" | grep -qx "spusteni=1" || fail "the settings were not written at the end: $ini"
echo "$ini" | grep -qx "Left=30" && echo "$ini" | grep -qx "Top=40" ||
    fail "the stored position changed: $ini"
! grep -q "cannot be locked" "$root/stderr.txt" || fail "zef said it cannot lock: $(cat "$root/stderr.txt")"
echo "PASS"

#!/bin/sh
# The installed zef as a new user meets it: started in an empty folder with no
# settings anywhere, then closed. An installed copy never writes into its
# installation folder, even for root who may: it keeps its settings in the
# user's configuration folder, and an error box would keep it from ending.
# Usage: zef_installed_test.sh ZEF CLOSE_REQUEST
set -eu

zef=$1
close_request=$2

. "$(dirname "$0")/common.sh"
require_tools xvfb-run xdotool
run_inside_xvfb "$0" "$@"

ini="${XDG_CONFIG_HOME:-$HOME/.config}/ZeF/zeF.ini"
[ ! -e "$ini" ] || fail "$ini is there before the first start"

work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

"$zef" &
pid=$!
wait_for_window || fail "no window titled 'ZeF v.3 ...' appeared"
request_close_until "$window" '! kill -0 "$pid" 2>/dev/null' ||
    fail "zef is still running after a close request; open windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null)"
wait "$pid" || fail "zef exited with status $?"

[ -f "$ini" ] || fail "$ini was not written"
tr -d '\r' <"$ini" | grep -qx "spusteni=1" || fail "spusteni is not 1: $(cat "$ini")"
[ ! -e "$(dirname "$zef")/zeF.ini" ] || fail "zeF.ini was written beside $zef"
echo "PASS: $ini"

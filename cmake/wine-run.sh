#!/usr/bin/env bash
# The Windows builds' CMAKE_CROSSCOMPILING_EMULATOR: runs a Windows program
# (.exe) under wine64 and any other program (Python, sh, cmake -P) directly.
# Wine would run a Unix program too, but returns 0 whatever it did, so a
# failing test would pass.
#
#   wine-run.sh PREFIX PROGRAM [ARGUMENT...]
#
# PREFIX is the Wine prefix, made on first use (about 6 s). The program's exit
# status is this script's.
set -euo pipefail
prefix=$(realpath -m -- "$1")
shift
case $1 in
  *.exe | *.EXE) ;;
  *) exec "$@" ;;
esac

# Debian's Wine comes without the preloader that keeps the addresses Windows
# reserves free. With its heap started at a random address, about one start
# in a few thousand finds Windows' shared user data taken and fails without a
# word; without the randomisation the heap starts well below it.
wine=(setarch "$(uname -m)" --addr-no-randomize "${WINE:-/usr/lib/wine/wine64}")
wineserver=${WINESERVER:-/usr/lib/wine/wineserver}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$prefix/.made" ]; then
  # Tests run in parallel: one of them makes the prefix, the others wait.
  (
    flock 9
    if [ ! -e "$prefix/.made" ]; then
      "${wine[@]}" wineboot --init >"$prefix.log" 2>&1 9>&- || { cat "$prefix.log" >&2; exit 1; }
      # The server that made the prefix ends 3 s later; a program that
      # connected to it as it ended would fail, so it ends before any runs.
      "$wineserver" -w
      touch "$prefix/.made"
    fi
  ) 9>"$prefix.lock"
fi
# A Wine program that finds no Wine server running starts one, and with it
# the prefix's services, which keep the program's output open until the
# server ends, 3 s after its last program: ctest would wait for them. Started
# here (wineserver says 0 when it starts one, 2 when one runs), away from the
# output, they serve the tests instead.
if "$wineserver" -p3 </dev/null >/dev/null 2>&1; then
  "${wine[@]}" wineboot </dev/null >/dev/null 2>&1 || true
fi

for argument in "$@"; do
  if [ "$argument" = --gtest_list_tests ]; then
    # GoogleTest lists the tests in text mode (CR LF); CMake's discovery
    # expects bare LF.
    "${wine[@]}" "$@" | tr -d '\r'
    exit
  fi
done
exec "${wine[@]}" "$@"

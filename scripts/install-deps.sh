#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing ZeF need,
# and any given as arguments, skipping the update when everything is already
# there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  clang libclang-rt-14-dev clang-format
  libgtest-dev libbenchmark-dev python3
  qt6-base-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
  libxcb1-dev libgl1 libglu1-mesa libgl1-mesa-dri
  xvfb xauth xdotool x11-utils imagemagick openbox libcap2-bin
  qt6-wayland weston dbus-daemon dbus-bin
  # The Windows builds: mingw-w64 with posix threads, GoogleTest's sources to
  # build it for Windows, 64-bit Wine to run the tests, NSIS for the installer
  # and unzip to try the portable zip; the system tests of the Windows window
  # also need a window manager's controls (wmctrl) and a Czech keyboard map
  # (setxkbmap, xkbcomp). The program's icon is drawn from its SVG (rsvg-convert)
  # into an .ico (icotool, whose wrestool also reads it back from zef.exe).
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine64 nsis unzip wmctrl x11-xkb-utils
  librsvg2-bin icoutils
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

#!/bin/sh
# The Windows packages under Wine, in a fresh Wine prefix. The portable zip's
# zef-plan gives the golden report, and no uninstaller marks it as installed.
# A silent install puts the programs beside Uninstall.exe (which marks the
# copy as installed) and in the Start menu, and the installed zef-plan gives
# the golden report; a silent uninstall takes them away again and leaves the
# player's plan files and settings as they were.
# Usage: windows_packages_test.sh ZIP INSTALLER SOURCE_DIR
set -eu
zip=$(realpath "$1") installer=$(realpath "$2") source=$(realpath "$3")
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
run() { "$source/cmake/wine-run.sh" "$WINEPREFIX" "$@"; }
# A silent installer or uninstaller returns before it has finished.
settle() { /usr/lib/wine/wineserver -w; }
fail() { echo "FAIL: $*" >&2; exit 1; }
program="$WINEPREFIX/drive_c/Program Files/ZeF"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZeF"
player="$WINEPREFIX/drive_c/users/$(id -un)"
settings='[FormOptions]\r\nintro=0\r\n'

unzip -q "$zip" -d "$work"
[ ! -e "$work"/ZeF-*/Uninstall.exe ] || fail "the portable copy has an uninstaller"
run "$work"/ZeF-*/zef-plan.exe -C "$source/examples" | cmp - "$source/tests/golden/examples-report.txt"

run "$installer" /S && settle
for file in Uninstall.exe README.txt LICENSE.txt examples/arm.txt examples/rekrut.txt; do
    [ -f "$program/$file" ] || fail "the installation lacks $file"
done
[ -f "$menu/Uninstall.lnk" ] || fail "no Start-menu folder"
[ ! -f "$program/zef.exe" ] || [ -f "$menu/ZeF.lnk" ] || fail "zef.exe has no Start-menu entry"
run "$program/zef-plan.exe" -C "$program/examples" | cmp - "$source/tests/golden/examples-report.txt"

mkdir -p "$player/AppData/Roaming/ZeF" "$player/Documents/ZeF"
printf "$settings" >"$player/AppData/Roaming/ZeF/zeF.ini"
cp "$source/examples/arm.txt" "$source/examples/rekrut.txt" "$player/Documents/ZeF"
run "$program/Uninstall.exe" /S && settle
[ ! -e "$program" ] && [ ! -e "$menu" ] || fail "left behind: $(find "$program" "$menu" 2>&1)"
printf "$settings" | cmp - "$player/AppData/Roaming/ZeF/zeF.ini"
for file in arm.txt rekrut.txt; do cmp "$source/examples/$file" "$player/Documents/ZeF/$file"; done
echo "ok: the portable copy, a silent install and uninstall; the plan files and settings stay"

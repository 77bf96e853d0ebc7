#!/bin/sh
# The Windows packages under Wine, in a fresh Wine prefix and a virtual X
# server. The portable zip's zef-plan gives the golden report, and no
# uninstaller marks it as installed. A silent install puts the programs beside
# Uninstall.exe (which marks the copy as installed) and in the Start menu, and
# the installed zef-plan gives the golden report. The installed zef.exe,
# started in its installation folder as a double click in Explorer starts it,
# makes its files in the player's documents (wherever the player has moved
# them) and says so in its caption, and writes nothing beside itself. A silent
# uninstall takes the programs and their folder away again and leaves the
# player's plan files and settings as they were.
# Usage: windows_packages_test.sh ZIP INSTALLER SOURCE_DIR ZEF_PROBE_EXE
set -eu
. "$3/tests/system/common.sh"
require_tools xvfb-run
run_inside_xvfb "$0" "$@"
zip=$(realpath "$1") installer=$(realpath "$2") source=$(realpath "$3") probe=$(realpath "$4")
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
run() { "$source/cmake/wine-run.sh" "$WINEPREFIX" "$@"; }
# A silent installer or uninstaller returns before it has finished.
settle() { /usr/lib/wine/wineserver -w; }
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

if [ -f "$program/zef.exe" ]; then
    # A Documents folder the player has moved, to a name beyond ASCII.
    run reg.exe add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Personal \
        /t REG_EXPAND_SZ /d "%USERPROFILE%\\Dokumenty hráče" /f >/dev/null
    mkdir -p "$player/AppData/Roaming/ZeF"
    printf "$settings" >"$player/AppData/Roaming/ZeF/zeF.ini"
    find "$program" | sort >"$work/installed.txt"
    (cd "$program" && run zef.exe) &
    zef=$!
    documents="$player/Dokumenty hráče/ZeF"
    wait_for '[ -f "$documents/arm.txt" ] && [ -f "$documents/rekrut.txt" ]' 30 ||
        fail "zef.exe made no data files in $documents"
    wait_for 'caption=$(run "$probe" text "ZeF v.3")' 30 || fail "no window titled 'ZeF v.3 ...' appeared"
    expected=" – soubory ve složce C:\\users\\$(id -un)\\Dokumenty hráče\\ZeF"
    [ "${caption%"$expected"}" != "$caption" ] || fail "the caption does not name the folder: $caption"
    run "$probe" close "ZeF v.3" >/dev/null
    wait "$zef" || fail "zef.exe exited with status $?"
    find "$program" | sort | diff "$work/installed.txt" - || fail "zef.exe wrote into its installation folder"
fi

mkdir -p "$player/AppData/Roaming/ZeF" "$player/Documents/ZeF"
printf "$settings" >"$player/AppData/Roaming/ZeF/zeF.ini"
cp "$source/examples/arm.txt" "$source/examples/rekrut.txt" "$player/Documents/ZeF"
run "$program/Uninstall.exe" /S && settle
[ ! -e "$program" ] && [ ! -e "$menu" ] || fail "left behind: $(find "$program" "$menu" 2>&1)"
printf "$settings" | cmp - "$player/AppData/Roaming/ZeF/zeF.ini"
for file in arm.txt rekrut.txt; do cmp "$source/examples/$file" "$player/Documents/ZeF/$file"; done
echo "ok: the portable copy, a silent install and uninstall; the installed window works in the documents; the plan files and settings stay"

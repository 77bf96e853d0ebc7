#!/bin/sh
# zef.exe carries the program's icon, which Windows shows for the file, its
# windows and the Start-menu entry: an icon group under the first
# identifier, with pictures of 16, 32, 48 and 256 pixels.
# Usage: zef_icon_test.sh ZEF_EXE
set -eu
. "$(dirname "$0")/../system/common.sh"
require_tools wrestool od

wrestool -l "$1" | grep -q -- '--type=14 --name=1 ' || fail "zef.exe carries no icon group: $(wrestool -l "$1")"
# The group's entries, 14 bytes each after a 6-byte head, begin with the
# picture's width; 0 stands for 256.
widths=$(wrestool -x --raw --type=14 --name=1 "$1" | od -An -v -tu1 -j6 -w14 | awk '{ printf "%s ", $1 }')
[ "$widths" = "16 32 48 0 " ] || fail "the icon's pictures are $widths wide"
echo "PASS"

#!/bin/sh
# zef-plan --csv FILE and --chart FILE are all or nothing: a refused run leaves
# an earlier file as it was, and FILE may never be the run's own arm.txt or
# rekrut.txt, not even through a link.
# Usage: output_all_or_nothing.sh ZEF_PLAN GOLDEN_FOLDER OPTION
set -eu
plan=$1
golden=$2
option=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$golden/too-long-plan/arm.txt" "$golden/too-long-plan/rekrut.txt" "$work"
ln -s arm.txt "$work/link-to-arm.txt"
printf 'turn,line\r\n1,2\r\n' >"$work/earlier.csv"

# Usage: expect FILE EXIT_STATUS WHAT
expect() {
    before=$(cat "$work/$1" | od -c)
    status=0
    "$plan" -C "$work" "$option" "$work/$1" >/dev/null 2>"$work/err" || status=$?
    [ "$status" -eq "$2" ] || { echo "FAIL: $3: exit status $status, expected $2: $(cat "$work/err")" >&2; exit 1; }
    [ "$(cat "$work/$1" | od -c)" = "$before" ] || { echo "FAIL: $3: $1 was changed" >&2; exit 1; }
    [ "$(ls "$work" | wc -l)" -eq 5 ] || { echo "FAIL: $3: files left behind: $(ls "$work")" >&2; exit 1; }
    echo "ok: $3"
}

expect earlier.csv 1 "$option: a refused plan keeps the earlier file"
expect rekrut.txt 2 "$option: the plan is not written over"
expect link-to-arm.txt 2 "$option: the catalogue, through a link, is not written over"

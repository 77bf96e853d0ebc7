#!/bin/sh
# zef-plan --csv FILE is all or nothing: a refused run leaves an earlier CSV as
# it was, and FILE may never be the run's own arm.txt or rekrut.txt, not even
# through a link.
# Usage: csv_all_or_nothing.sh ZEF_PLAN GOLDEN_FOLDER
set -eu
plan=$1
golden=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$golden/too-long-plan/arm.txt" "$golden/too-long-plan/rekrut.txt" "$work"
ln -s arm.txt "$work/link-to-arm.txt"
printf 'turn,line\r\n1,2\r\n' >"$work/earlier.csv"

# Usage: expect CSV_FILE EXIT_STATUS WHAT
expect() {
    before=$(cat "$work/$1" | od -c)
    status=0
    "$plan" -C "$work" --csv "$work/$1" >/dev/null 2>"$work/err" || status=$?
    [ "$status" -eq "$2" ] || { echo "FAIL: $3: exit status $status, expected $2: $(cat "$work/err")" >&2; exit 1; }
    [ "$(cat "$work/$1" | od -c)" = "$before" ] || { echo "FAIL: $3: $1 was changed" >&2; exit 1; }
    [ "$(ls "$work" | wc -l)" -eq 5 ] || { echo "FAIL: $3: files left behind: $(ls "$work")" >&2; exit 1; }
    echo "ok: $3"
}

expect earlier.csv 1 "a refused plan keeps the earlier CSV"
expect rekrut.txt 2 "the plan is no CSV"
expect link-to-arm.txt 2 "the catalogue, through a link, is no CSV"

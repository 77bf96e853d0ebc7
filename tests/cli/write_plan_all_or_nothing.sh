#!/bin/sh
# zef-plan --write-plan FILE is all or nothing: an answer is written whole, a
# request without an answer or a failed write leaves FILE as it was, and FILE
# may never be the run's own arm.txt or rekrut.txt, not even through a link.
# Usage: write_plan_all_or_nothing.sh ZEF_PLAN GOLDEN_FOLDER EXAMPLES_FOLDER
set -eu
plan=$1
golden=$2
examples=$3
work=$(mktemp -d)
before=$(mktemp -d)
trap 'rm -rf "$work" "$before"' EXIT
cp "$examples/arm.txt" "$examples/rekrut.txt" "$work"
ln -s arm.txt "$work/link-to-arm.txt"
printf '@zl 5\r\n' >"$work/earlier.txt"
cp "$work/arm.txt" "$work/rekrut.txt" "$work/earlier.txt" "$before"

# Usage: expect EXIT_STATUS WHAT ARGUMENTS...
expect() {
    expected=$1
    what=$2
    shift 2
    status=0
    "$plan" "$@" >/dev/null 2>"$before/err" || status=$?
    [ "$status" -eq "$expected" ] || { echo "FAIL: $what: exit status $status, expected $expected: $(cat "$before/err")" >&2; exit 1; }
    [ "$(ls "$work" | wc -l)" -eq 4 ] || { echo "FAIL: $what: files left behind: $(ls "$work")" >&2; exit 1; }
    echo "ok: $what"
}

# Usage: same FILE EXPECTED WHAT
same() {
    cmp -s "$work/$1" "$2" || { echo "FAIL: $3: $1 is not as it should be" >&2; exit 1; }
}

expect 0 "the answer replaces an earlier file" -C "$work" --most-damage-by 31 --write-plan "$work/earlier.txt"
same earlier.txt "$golden/best-plan/rekrut-most-damage-by-31.txt" "the answer replaces an earlier file"
cp "$before/earlier.txt" "$work/earlier.txt"

expect 1 "no answer writes nothing" -C "$work" --fewest-turns-to 400000 --write-plan "$work/earlier.txt"
same earlier.txt "$before/earlier.txt" "no answer writes nothing"

expect 2 "the plan is no answer's file" -C "$work" --most-damage-by 31 --write-plan "$work/rekrut.txt"
same rekrut.txt "$before/rekrut.txt" "the plan is no answer's file"
expect 2 "the catalogue, through a link, is no answer's file" -C "$work" --most-damage-by 31 \
    --write-plan "$work/link-to-arm.txt"
same arm.txt "$before/arm.txt" "the catalogue, through a link, is no answer's file"
expect 1 "a missing folder fails" -C "$work" --most-damage-by 31 --write-plan "$work/no-such-folder/rekrut.txt"

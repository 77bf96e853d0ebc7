#!/bin/sh
# zef-plan takes every name on its command line as Unicode, letters beyond
# any one code page included: -C finds a folder named in Czech or Chinese,
# --csv writes the file of exactly that name (never one whose letters lost
# their accents, such as tahy-kun.csv for tahy-kůň.csv), and a message names
# the path as it was given.
# Usage: unicode_names.sh ZEF_PLAN GOLDEN_FOLDER EXAMPLES_FOLDER
set -eu
plan=$1
golden=$2
examples=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
for folder in plain "Žluťoučký kůň" 计划; do
    mkdir "$folder"
    cp "$examples/arm.txt" "$examples/rekrut.txt" "$folder"
done
printf 'untouched\r\n' >tahy-kun.csv
"$plan" -C plain --csv plain.csv --no-report || fail "the run with plain names failed"

for folder in "Žluťoučký kůň" 计划; do
    "$plan" -C "$folder" >report.txt 2>err.txt || fail "-C $folder: $(cat err.txt)"
    cmp -s report.txt "$golden/examples-report.txt" || fail "-C $folder: not the examples' report"
done
echo "ok: -C finds folders named in Czech and in Chinese"

for csv in tahy-kůň.csv 计划/计划.csv; do
    "$plan" -C "Žluťoučký kůň" --csv "$csv" --no-report 2>err.txt || fail "--csv $csv: $(cat err.txt)"
    cmp -s "$csv" plain.csv || fail "--csv $csv: not the examples' CSV"
done
printf 'untouched\r\n' | cmp -s - tahy-kun.csv || fail "tahy-kun.csv was written over"
echo "ok: --csv writes the file of the name given and no look-alike"

status=0
"$plan" -C "Žluťoučký kůň/chybí" 2>err.txt || status=$?
[ "$status" -eq 1 ] || fail "a missing folder: exit status $status"
tr -d '\r' <err.txt | grep -q "^zef-plan: Žluťoučký kůň/chybí: " || fail "the message does not name the folder: $(cat err.txt)"
echo "ok: a message names the folder as it was given"

#!/bin/sh
# Where zef-plan --csv writes: through a link to the file it leads to, through
# /dev/stdout to the program's own output, never onto a folder; an interrupted
# run leaves no temporary file, and a CSV its disk cannot hold is refused
# before the run.
# Usage: csv_targets.sh ZEF_PLAN
set -eu
plan=$1
work=$(mktemp -d)
trap 'rm -rf "$work" /dev/shm/zef-csv-targets-$$.csv' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Usage: plan_of TURNS: a folder whose plan simulates TURNS turns.
plan_of() {
    mkdir "turns-$1"
    printf 'Pes 10 0 0 0 0 0 1 1\r\n' >"turns-$1/arm.txt"
    printf '1 %s\r\n' "$(($1 * 2 / 5))" >"turns-$1/rekrut.txt"
}
plan_of 10
plan_of 10000000
plan_of 2000000000
starts_as_csv() { [ "$(head -c 4 "$1")" = turn ] || fail "$2: $1 holds no CSV"; }

printf 'earlier\r\n' >other.csv
ln -s other.csv link.csv
"$plan" -C turns-10 --csv link.csv --no-report
[ -L link.csv ] || fail "a link to a CSV was replaced"
starts_as_csv other.csv "a link to a CSV"
echo "ok: a link stays a link and the file it leads to gets the CSV"

ln -s made.csv dangling.csv
"$plan" -C turns-10 --csv dangling.csv --no-report
[ -L dangling.csv ] || fail "a link to a missing file was replaced"
starts_as_csv made.csv "a link to a missing file"
echo "ok: a link to a missing file makes that file"

"$plan" -C turns-10 --csv /dev/stdout --no-report >out.csv
[ -L /dev/stdout ] || fail "/dev/stdout is no longer a link"
starts_as_csv out.csv "/dev/stdout"
echo "ok: /dev/stdout writes to the program's own output"

mkdir folder.csv
status=0
"$plan" -C turns-10 --csv folder.csv --no-report 2>err || status=$?
[ "$status" -eq 1 ] && [ "$(cat err)" = "zef-plan: folder.csv: Is a directory" ] ||
    fail "a folder as CSV: exit status $status, '$(cat err)'"
echo "ok: a folder is refused with its reason"

for signal in INT TERM HUP; do
    "$plan" -C turns-10000000 --csv long.csv --no-report &
    pid=$!
    tries=0
    until ls -A | grep -q '^\.long\.csv\.'; do
        tries=$((tries + 1))
        [ "$tries" -lt 500 ] || fail "no temporary CSV appeared"
        sleep 0.01
    done
    kill -"$signal" "$pid"
    wait "$pid" || true
    leftover=$(ls -A | grep '\.csv\.' || true)
    [ -z "$leftover" ] && [ ! -e long.csv ] || fail "$signal left $leftover"
    echo "ok: $signal leaves no temporary CSV"
done

if [ -d /dev/shm ]; then
    status=0
    "$plan" -C turns-2000000000 --csv /dev/shm/zef-csv-targets-$$.csv --no-report 2>err || status=$?
    [ "$status" -eq 1 ] && grep -q "^zef-plan: /dev/shm/zef-csv-targets-$$.csv: the CSV of 2000000000 turns needs at least [0-9]* bytes; its disk has [0-9]* free$" err ||
        fail "a CSV too large for its disk: exit status $status, '$(cat err)'"
    [ -z "$(ls -A /dev/shm | grep "zef-csv-targets-$$")" ] || fail "a refused CSV left a file in /dev/shm"
    echo "ok: a CSV too large for its disk is refused before the run"
fi

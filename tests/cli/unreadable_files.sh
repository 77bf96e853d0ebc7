#!/bin/sh
# zef-plan with data files that exist but cannot be read: each is an error on
# one line and exit status 1, with nothing on standard output, and a FIFO
# never blocks the run.
# Usage: unreadable_files.sh ZEF_PLAN
set -eu
plan=$1
folder=$(mktemp -d)
trap 'chmod -R u+rwx "$folder"; rm -rf "$folder"' EXIT
cd "$folder"

# Runs zef-plan as a player would: root's override of file permissions dropped.
run_plan() {
    if [ "$(id -u)" -eq 0 ]; then
        timeout 10 capsh --drop=cap_dac_override,cap_dac_read_search -- -c "exec '$plan' >out 2>err"
    else
        timeout 10 "$plan" >out 2>err
    fi
}

# Usage: expect_refusal WHAT EXPECTED_STDERR
expect_refusal() {
    status=0
    run_plan || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $1: exit status $status, expected 1" >&2; exit 1; }
    [ ! -s out ] || { echo "FAIL: $1: something was written to standard output" >&2; exit 1; }
    [ "$(cat err)" = "$2" ] || { echo "FAIL: $1: standard error '$(cat err)', expected '$2'" >&2; exit 1; }
    echo "ok: $1"
}

printf 'Foot 100 10 0 3 12 0 5 50\r\n' >arm.txt
printf '1 1000\r\n' >rekrut.txt
run_plan && [ -s out ] || { echo "FAIL: the readable files give no report" >&2; exit 1; }

chmod 000 rekrut.txt
expect_refusal "plan without permission" "zef-plan: rekrut.txt: Permission denied"
chmod 644 rekrut.txt

rm arm.txt
mkfifo arm.txt
expect_refusal "catalogue FIFO" "zef-plan: arm.txt: not a regular file"

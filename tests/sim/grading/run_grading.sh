#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Grades a folder of four programs with motor.script and checks one aspect of what rungbox-sim
# gives, against hand-worked expectations under expected/.
#
#   run_grading.sh RUNGBOX_SIM GRADING_DIR CHECK
#
# The folder: right.PLC (the motor latch example, 6 of 6 points), wrong.PLC (no self-holding
# contact: the latch and the hidden test fail, 3 points), unreadable.PLC (not a program file:
# every test fails) and error.PLC (stops with a program error at its first scan: every test
# fails).
set -euo pipefail

sim=$1
dir=$2
check=$3
root=$(cd "$dir/../../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/examples/motor_latch.PLC" "$work/right.PLC"
cp "$dir/wrong.PLC" "$dir/unreadable.PLC" "$work/"
cp "$dir/../cases/error_stack.PLC" "$work/error.PLC"
cp "$dir/motor.script" "$work/"
cd "$work"
programs=(right.PLC wrong.PLC unreadable.PLC error.PLC)

# grade ARGS...: runs the grade command, which must exit with 4 (not every program passed).
grade() {
    local status=0
    "$sim" grade "$@" motor.script "${programs[@]}" || status=$?
    [ "$status" -eq 4 ] || { echo "grade exited with $status, expected 4" >&2; return 1; }
}

# same EXPECTED ACTUAL: fails with the difference when they differ.
same() { diff -u --label expected --label actual "$1" "$2"; }

case $check in
tap)
    grade --tap report.tap >summary.txt
    same "$dir/expected/summary.txt" summary.txt
    perl "$dir/read_tap.pl" report.tap >read.txt
    same "$dir/expected/tap.txt" read.txt
    ;;
junit)
    grade --junit report.xml >/dev/null
    xmllint --noout --schema "$dir/junit.xsd" report.xml
    # One suite per program, its failures counted; the hidden test's failure names nothing.
    [ "$(grep -c '<testsuite ' report.xml)" -eq 4 ]
    grep -q '<testsuite name="wrong.PLC" tests="4" failures="2"' report.xml
    grep -q '<testsuite name="right.PLC" tests="4" failures="0"' report.xml
    ;;
json)
    grade --json report.json >/dev/null
    perl "$dir/read_json.pl" report.json >read.txt
    same "$dir/expected/json.txt" read.txt
    ;;
csv)
    grade --csv - >report.csv 2>summary.txt
    same "$dir/expected/report.csv" report.csv
    same "$dir/expected/summary.txt" summary.txt
    ;;
test_option)
    # One test of one program: its status is that test's alone.
    "$sim" --test stop --tap - wrong.PLC motor.script >stop.tap 2>/dev/null
    perl "$dir/read_tap.pl" stop.tap | grep -qx 'plan 1..1, 1 passed, 0 failed'
    status=0
    "$sim" --test latch --json - wrong.PLC motor.script >latch.json 2>latch.err || status=$?
    [ "$status" -eq 4 ]
    perl "$dir/read_json.pl" latch.json | grep -qx -- '- 0/2'
    grep -q 'test latch: expected out' latch.err
    status=0
    "$sim" --test nonesuch right.PLC motor.script 2>/dev/null || status=$?
    [ "$status" -eq 1 ]
    # grade --test: one column, one test per program.
    grade --test latch --csv - >latch.csv 2>/dev/null
    same "$dir/expected/latch.csv" latch.csv
    # Only a run that failed the chosen test is written: wrong.PLC passes stop.
    mkdir runs
    grade --test stop --vcd-dir runs >/dev/null
    [ "$(cd runs && echo *)" = "04-error.vcd" ]
    ;;
hidden)
    # The hidden test checks relay 1001; no report, summary or complaint may say so.
    grade --tap r.tap --junit r.xml --json r.json --csv r.csv >summary.txt 2>err.txt
    "$sim" --tap - wrong.PLC motor.script >single.tap 2>>err.txt || true
    if grep -l '1001' r.tap r.xml r.json r.csv summary.txt single.tap err.txt; then
        echo "the hidden test's expectation shows in the files above" >&2
        exit 1
    fi
    grep -qx 'rungbox-sim: hidden test stop_wins failed' err.txt
    ;;
jobs)
    # Programs run at once give the same reports, in the order given, as one at a time.
    for jobs in 1 3; do
        mkdir "j$jobs" "j$jobs/runs"
        grade --jobs "$jobs" --vcd-dir "j$jobs/runs" --tap "j$jobs/r.tap" --junit "j$jobs/r.xml" \
            --json "j$jobs/r.json" --csv "j$jobs/r.csv" | sed "s#j$jobs/##" >"j$jobs/summary.txt"
    done
    diff -r j1 j3
    # Only the programs that ran and failed leave a run; numbered by their place.
    [ "$(cd j1/runs && echo *)" = "02-wrong.vcd 04-error.vcd" ]
    ;;
stdout)
    # While a report goes to standard output, the script's `show` goes to standard error.
    "$sim" --tap - right.PLC motor.script >single.tap 2>err.txt
    head -n 1 single.tap | grep -qx 'TAP version 13'
    ! grep -q '^in=' single.tap
    grep -q '^in=' err.txt
    perl "$dir/read_tap.pl" single.tap | grep -qx 'plan 1..4, 4 passed, 0 failed'
    ;;
no_tests)
    # A script without tests counts as one test: the unreadable, the wrong and the failing
    # program fail it in the summary, every report and the exit status.
    cp "$dir/no_tests.script" .
    status=0
    "$sim" grade --tap r.tap --junit r.xml --json r.json --csv r.csv no_tests.script \
        "${programs[@]}" >summary.txt || status=$?
    [ "$status" -eq 4 ] || { echo "grade exited with $status, expected 4" >&2; exit 1; }
    same "$dir/expected/no_tests_summary.txt" summary.txt
    same "$dir/expected/no_tests.csv" r.csv
    perl "$dir/read_json.pl" r.json >read.txt
    same "$dir/expected/no_tests_json.txt" read.txt
    perl "$dir/read_tap.pl" r.tap | grep -qx 'plan 1..4, 1 passed, 3 failed'
    xmllint --noout --schema "$dir/junit.xsd" r.xml
    grep -q '<testsuites name="rungbox-sim" tests="4" failures="3"' r.xml
    # The program that passes alone passes the grade.
    "$sim" grade no_tests.script right.PLC >/dev/null
    ;;
utf8)
    # An expected text in UTF-8 stays as it is in every report; the terminal shows it escaped.
    cp "$dir/utf8.script" .
    status=0
    "$sim" --tap u.tap --junit u.xml --json u.json --csv u.csv right.PLC utf8.script 2>err.txt ||
        status=$?
    [ "$status" -eq 4 ] || { echo "the run exited with $status, expected 4" >&2; exit 1; }
    for report in u.tap u.xml u.json; do
        grep -q 'expected plant pos Tür, got 0' "$report" ||
            { echo "$report lost the text:" >&2; cat "$report" >&2; exit 1; }
    done
    perl "$dir/read_json.pl" u.json |
        grep -qx '  door 0/1 failed visible: expected plant pos Tür, got 0 (line 5, scan 0, 0 ms)'
    grep -qF 'test door: expected plant pos T\xc3\xbcr, got 0' err.txt
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac

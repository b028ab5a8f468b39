#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one rungbox-sim case and compares what it printed with what it should print.
#
#   run_case.sh RUNGBOX_SIM CASES_DIR NAME
#
# A case is CASES_DIR/NAME.script with NAME.expected beside it. The first line of NAME.expected
# is "exit N", the exit status expected; the rest is the expected standard output, byte for byte.
# When NAME.stderr exists, standard error must match it too.
#
# Comment lines of the script tell how to run it (rungbox-sim itself skips them):
#   # program: FILE     the program file (default NAME.PLC)
#   # stdin             feed the script on standard input instead of naming it
#   # unreadable stdin  name no script, and give a standard input that cannot be read
#   # full stdout       standard output goes to /dev/full (NAME.expected holds no output)
#   # saved: FILE GOLD  FILE, saved by the script, must hold the bytes of GOLD
#   # args: WORDS...    the whole command line instead; %p stands for the program, %s for the
#                       script, %r for the repository's top folder (words are split at blanks)
set -uo pipefail

sim=$1
dir=$2
name=$3
script="$name.script"
root=$(cd "$dir/../../.." && pwd)
# The case runs in a copy of the cases, so that a script's saves land in a scratch folder.
work=$(mktemp -d)
cp -r "$dir"/. "$work"
cd "$work" || exit 2

directive() { sed -n "s/^# $1: *//p" "$script" | tr -d '\r' | head -n 1; }

program=$(directive program)
[ -n "$program" ] || program="$name.PLC"

args_line=$(directive args)
use_stdin=$(grep -c '^# stdin$' "$script")

out=$(mktemp)
err=$(mktemp)
trap 'rm -rf "$out" "$err" "$work"' EXIT

if grep -q '^# args:' "$script"; then
    args=()
    for word in $args_line; do
        word=${word//%p/$program}
        word=${word//%s/$script}
        word=${word//%r/$root}
        args+=("$word")
    done
    "$sim" "${args[@]}" >"$out" 2>"$err" </dev/null
elif grep -q '^# unreadable stdin$' "$script"; then
    "$sim" "$program" >"$out" 2>"$err" 0>/dev/null
elif grep -q '^# full stdout$' "$script"; then
    "$sim" "$program" "$script" >/dev/full 2>"$err" </dev/null
elif [ "$use_stdin" -gt 0 ]; then
    "$sim" "$program" <"$script" >"$out" 2>"$err"
else
    "$sim" "$program" "$script" >"$out" 2>"$err" </dev/null
fi
status=$?

failed=0
expected_status=$(head -n 1 "$name.expected")
if [ "$expected_status" != "exit $status" ]; then
    echo "$name: exit status $status, expected ${expected_status#exit }"
    failed=1
fi
if ! tail -n +2 "$name.expected" | diff -u --label expected --label actual - "$out"; then
    echo "$name: standard output differs (above)"
    failed=1
fi
if [ -f "$name.stderr" ] && ! diff -u --label expected --label actual "$name.stderr" "$err"; then
    echo "$name: standard error differs (above)"
    failed=1
fi
read -r saved gold <<<"$(directive saved)"
if [ -n "${saved:-}" ] && ! cmp "$saved" "$dir/$gold"; then
    echo "$name: $saved differs from $gold"
    failed=1
fi
if [ "$failed" -ne 0 ] && [ -s "$err" ]; then
    echo "--- standard error:"
    cat "$err"
fi
exit "$failed"

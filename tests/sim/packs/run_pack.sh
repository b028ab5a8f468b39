#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of rungbox-sim's pack check, pack publish and grade --pack on the small teacher's pack
# in good/ and on broken copies of it made here.
#
#   run_pack.sh RUNGBOX_SIM PACKS_DIR CHECK
#
# A check's expected standard output is expected/CHECK.out (and expected/CHECK.FILE for a report
# it writes); its expected exit status is the first line of expected/CHECK.out ("exit N").
# RUNGBOX_UPDATE_PACKS=1 writes what the check got there instead (then read it before committing).
set -uo pipefail

sim=$1
dir=$(cd "$2" && pwd)
check=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
cp -r "$dir/good" pack
subs="$dir/submissions"

fail() { echo "FAIL: $*"; exit 1; }

# Runs rungbox-sim with the words given, and compares the exit status and standard output
# (the pack folder's path written as PACK) with expected/$check.out.
golden() {
    local status
    "$sim" "$@" > out.txt 2> err.txt
    status=$?
    { echo "exit $status"; sed "s|$work/||g" out.txt; } > got.txt
    [ -z "${RUNGBOX_UPDATE_PACKS:-}" ] || cp got.txt "$dir/expected/$check.out"
    diff -u "$dir/expected/$check.out" got.txt || { cat err.txt; fail "$check: output differs"; }
}

# Every byte published (the one-file packs decoded too) is free of the teacher's secrets: the
# hidden scripts' and the model solutions' distinctive text.
no_secrets() {
    python3 - "$1" "$2" <<'PY' || fail "a secret was published"
import base64, json, os, sys
folder, one = sys.argv[1], sys.argv[2]
secrets = [b"secret", b"stop_wins_secretly", b"left_alone_dark_secretly", b"AND\r\n1\r\n",
           b"OR\r\n1000\r\n", b"TIM\r\n0\r\n20\r\n", b"solution.PLC", b"hidden.script"]
texts = []
for root, _, files in os.walk(folder):
    for name in files:
        texts.append((os.path.join(root, name), open(os.path.join(root, name), "rb").read()))
texts.append((one, open(one, "rb").read()))
for path, data in list(texts):
    if path.endswith(".rbxpack"):
        for name, b64 in json.loads(data)["files"].items():
            texts.append((path + ":" + name, name.encode() + base64.b64decode(b64)))
for path, data in texts:
    for secret in secrets:
        if secret in data:
            sys.exit(f"{path} holds {secret!r}")
print(f"{len(texts)} files free of secrets")
PY
}

case $check in
check_good) golden pack check pack ;;
check_free)
    # The starter already solves the latch.
    cp pack/latch.solution.PLC pack/latch.PLC
    golden pack check pack ;;
check_wrong_solution)
    # An OR where an AND is wanted: the visible test passes, the hidden one fails.
    sed 's/^AND\r$/OR\r/' pack/lamp.solution.PLC > x && mv x pack/lamp.solution.PLC
    golden pack check pack ;;
check_missing)
    rm pack/lamp.script
    golden pack check pack ;;
check_bad_files)
    # A script line not understood, a program that does not load, a names file with a bad line.
    printf 'press\ntest a\nexpect nothing\n' > pack/lamp.script
    printf 'QZV_RUNGBOX_MAGIC\r\n9.00\r\n' > pack/latch.solution.PLC
    printf 'x\tNOT_AN_ADDRESS\n' >> pack/lamp.names
    golden pack check pack ;;
check_escape_path)
    sed 's|"id": "lamp", "title": "Two switches, one lamp"|&, "files": {"starter": "../lamp.PLC"}|' \
        pack/pack.json > x && mv x pack/pack.json
    golden pack check pack ;;
check_escape_link)
    echo outside > secret.txt
    ln -s ../secret.txt pack/notes.txt
    golden pack check pack
    grep -q "^rungbox-sim: notes.txt: a link out of the pack's folder$" err.txt || fail "$(cat err.txt)" ;;
publish)
    golden pack publish pack out
    [ -f out.rbxpack ] && cmp out.rbxpack out/pack.rbxpack || fail "out.rbxpack differs from out/pack.rbxpack"
    [ "$(cd out && find . -type f | sort | tr '\n' ' ')" = \
      "./delay.PLC ./delay.md ./delay.script ./lamp.PLC ./lamp.md ./lamp.names ./lamp.script ./latch.PLC ./latch.md ./latch.script ./pack.json ./pack.rbxpack " ] ||
        fail "published files: $(cd out && find . -type f | sort)"
    no_secrets out out.rbxpack
    # Published again over itself: allowed, and a file the pack no longer has goes.
    rm pack/lamp.md
    sed 's/"lamp", "title": "Two switches, one lamp"/&, "files": {"statement": "latch.md"}/' pack/pack.json > x && mv x pack/pack.json
    "$sim" pack publish pack out > /dev/null || fail "publishing again refused"
    [ ! -e out/lamp.md ] || fail "a file of the earlier publication stayed"
    # Never over a folder that holds something else.
    mkdir other && echo mine > other/notes.txt
    "$sim" pack publish pack other > /dev/null 2> err.txt && fail "published over another folder"
    grep -q "holds no earlier publication" err.txt && [ "$(cat other/notes.txt)" = mine ] ||
        fail "other folder: $(cat err.txt)"
    # Nor a pack that fails its check.
    cp pack/latch.solution.PLC pack/latch.PLC
    "$sim" pack publish pack broken > /dev/null 2>&1 && fail "a broken pack was published"
    [ ! -e broken ] && [ ! -e broken.rbxpack ] || fail "a broken pack left files" ;;
grade_csv)
    golden grade --pack pack --csv report.csv "$subs/alice" "$subs/bob.rbxsub" "$subs/carol.rbxsub" "$subs/dave"
    [ -z "${RUNGBOX_UPDATE_PACKS:-}" ] || cp report.csv "$dir/expected/grade_csv.csv"
    diff -u "$dir/expected/grade_csv.csv" report.csv || fail "CSV differs" ;;
grade_json)
    golden grade --pack pack --jobs 2 --json report.json "$subs/alice" "$subs/bob.rbxsub" "$subs/carol.rbxsub"
    [ -z "${RUNGBOX_UPDATE_PACKS:-}" ] || cp report.json "$dir/expected/grade_json.json"
    diff -u "$dir/expected/grade_json.json" report.json || fail "JSON differs" ;;
grade_single)
    # A Gradescope run: one submission, its JSON one object.
    golden grade --pack pack --json - "$subs/bob.rbxsub" ;;
grade_max_states)
    # The delay's comparison needs more states than allowed: not decided, and told so.
    golden grade --pack pack --max-states 5 "$subs/alice" ;;
grade_other_pack)
    # A hand-in for another pack is graded as nothing handed in, and says why.
    sed 's/"id": "week1"/"id": "week9"/' "$subs/bob.rbxsub" > erin.rbxsub
    golden grade --pack pack --json - erin.rbxsub ;;
*) fail "no check $check" ;;
esac
echo "ok: $check"

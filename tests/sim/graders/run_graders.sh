#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the graders made from the example pack as their services would, since neither can be
# reached from here:
#
#   run_graders.sh RUNGBOX_SIM RUNGBOX_SIM_STATIC EXAMPLE_PACK gradescope|classroom
#
# gradescope: the autograder's zip unpacked under a temporary root laid out as Gradescope lays
# out /autograder, setup.sh run, then run_autograder for a submission of the model solutions'
# .PLC files (every point) and for a hand-in of the starters (fewer points); results.json must
# be what Gradescope reads. classroom: in the template, with the model solutions copied over the
# starters, every autograding step's command passes; with the starters, some fail.
set -euo pipefail

sim=$1
static=$2
pack=$3
check=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exercises=(latch one_shot counter traffic gate)

# score RESULTS: "score/max" of a results.json, read by the report checker.
score() { perl "$here/../grading/read_json.pl" "$1" | head -1; }

# What each check prints is compared with expected/CHECK.txt at the end.
run() {
case $check in
gradescope)
    "$sim" pack gradescope --sim "$static" "$pack" "$work/autograder.zip" >/dev/null
    root=$work/autograder
    mkdir -p "$root/source" "$root/submission" "$root/results"
    (cd "$root/source" && unzip -q "$work/autograder.zip")
    [ -x "$root/source/run_autograder" ] && [ -x "$root/source/rungbox-sim" ]
    # Gradescope runs setup.sh while building the image and copies run_autograder beside source/.
    sed "s|/autograder|$root|g" "$root/source/setup.sh" | bash
    cp "$root/source/run_autograder" "$root/run_autograder"
    for e in "${exercises[@]}"; do cp "$pack/$e.solution.PLC" "$root/submission/$e.PLC"; done
    RUNGBOX_AUTOGRADER_ROOT=$root "$root/run_autograder"
    score "$root/results/results.json"
    # A hand-in of the starters, as a student would upload it.
    rm -f "$root/submission"/* "$root/results"/*
    perl -MMIME::Base64 -e '
        my ($pack, @ids) = @ARGV; my @work;
        for my $id (@ids) {
            open(my $f, "<:raw", "$pack/$id.PLC") or die; local $/; my $b = encode_base64(<$f>, "");
            push @work, "\"$id\":{\"program\":\"$b\",\"checks\":{\"runs\":1,\"passed\":0,\"tests\":2}}";
        }
        print "{\"format\":\"rungbox-handin\",\"version\":1,\"pack\":{\"id\":\"first-week\",",
              "\"title\":\"A first week\"},\"exercises\":{", join(",", @work), "}}\n";
    ' "$pack" "${exercises[@]}" >"$root/submission/student.rbxsub"
    RUNGBOX_AUTOGRADER_ROOT=$root "$root/run_autograder"
    score "$root/results/results.json"
    ;;
classroom)
    "$sim" pack classroom --sim "$static" "$pack" "$work/template" >/dev/null
    cd "$work/template" || return 1
    export PATH="$work/template/.github/rungbox:$PATH"
    # The steps' commands, as the workflow runs them, from autograding.json.
    mapfile -t runs < <(perl -MJSON::PP -0777 -ne \
        'print "$_->{points} $_->{run}\n" for @{decode_json($_)->{tests}}' \
        .github/classroom/autograding.json)
    # steps: runs every step and prints the points earned of the points there are.
    steps() {
        local earned=0 total=0 points run
        for line in "${runs[@]}"; do
            points=${line%% *}
            run=${line#* }
            total=$((total + points))
            if bash -c "$run" >/dev/null 2>&1; then earned=$((earned + points)); fi
        done
        echo "$earned/$total"
    }
    echo "starters: $(steps)"
    for e in "${exercises[@]}"; do cp "$pack/$e.solution.PLC" "$e.PLC"; done
    echo "solutions: $(steps)"
    ;;
esac
}
run >"$work/printed.txt"
diff -u --label expected --label printed "$here/expected/$check.txt" "$work/printed.txt"

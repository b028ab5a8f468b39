#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#
#   scripts/fuzz.sh [SECONDS]   fuzz each target SECONDS (default 60) with -fork=2 -timeout=2,
#                               growing a work corpus under fuzz/corpus-work/, and print the
#                               executions done
#   scripts/fuzz.sh --ci        replay the committed seeds and regressions, then fuzz each
#                               target about 6 s; any crash fails the run
#
# A crash leaves its input as crash-* in the current folder: copy it into the target's
# regressions/ folder, fix the fault, and the replay keeps it fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

mode=long
seconds=60
if [ "${1:-}" = "--ci" ]; then
    mode=ci
    seconds=6
elif [ -n "${1:-}" ]; then
    seconds=$1
fi

# The build's output is kept out of the way, and shown when the build fails.
build_log=$(mktemp)
if ! configure_and_build fuzz fuzz_file_reader fuzz_program fuzz_editor fuzz_ladder fuzz_script \
    fuzz_extended fuzz_property fuzz_diagram fuzz_names fuzz_name_edits fuzz_address fuzz_watch fuzz_signal \
    fuzz_typed_text fuzz_vcd fuzz_word fuzz_plants fuzz_json fuzz_pack fuzz_handin fuzz_markdown >"$build_log" 2>&1; then
    grep -E -A5 'error|FAILED' "$build_log" | head -60
    rm -f "$build_log"
    exit 1
fi
rm -f "$build_log"

targets=(file_reader program extended editor ladder script property diagram names name_edits address watch signal typed_text vcd word plants json pack handin markdown)
for t in "${targets[@]}"; do
    bin=build/fuzz/fuzz/fuzz_$t
    dict=fuzz/$t/$t.dict
    seeds=fuzz/$t/seeds
    regressions=fuzz/$t/regressions
    if [ "$mode" = ci ]; then
        inputs=("$seeds"/*)
        [ -d "$regressions" ] && inputs+=("$regressions"/*)
        echo "== fuzz_$t: replaying ${#inputs[@]} committed inputs"
        "$bin" -runs=0 "${inputs[@]}" >/dev/null 2>&1 || {
            "$bin" -runs=0 "${inputs[@]}" 2>&1 | tail -30
            exit 1
        }
        work=$(mktemp -d)
        cp "$seeds"/* "$work"/
        echo "== fuzz_$t: fuzzing ${seconds} s"
        log=$(mktemp)
        if ! "$bin" -dict="$dict" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
            -print_final_stats=1 "$work" >"$log" 2>&1; then
            tail -40 "$log"
            rm -rf "$work" "$log"
            exit 1
        fi
        grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/   fuzz_$t /"
        rm -rf "$work" "$log"
    else
        work=fuzz/corpus-work/$t
        mkdir -p "$work"
        cp -n "$seeds"/* "$work"/ 2>/dev/null || true
        echo "== fuzz_$t: fuzzing ${seconds} s (-fork=2)"
        log=fuzz/corpus-work/$t.log
        status=0
        "$bin" "$work" -dict="$dict" -max_total_time="$seconds" -fork=2 -timeout=2 \
            -rss_limit_mb=2048 >"$log" 2>&1 || status=$?
        execs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
        crashes=$(grep -oE 'oom/timeout/crash: [0-9]+/[0-9]+/[0-9]+' "$log" | tail -1 || true)
        echo "   fuzz_$t executions: ${execs:-0}  ${crashes:-}  corpus: $(ls "$work" | wc -l) inputs"
        if [ $status -ne 0 ]; then
            tail -30 "$log"
            exit $status
        fi
    fi
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the release configuration and runs the scan benchmark: the controller's scan of a
# 298-line program against the same program written by hand in C++, and of a 298-line program in
# the extended instruction set on a line of its own. Extra arguments go to the benchmark (for
# example --benchmark_filter=Engine). The last line printed is "ratio engine/native = X", the
# classic program's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"

configure_and_build release rungbox_bench
exec build/release/bench/rungbox_bench "$@"

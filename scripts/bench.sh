#!/usr/bin/env bash
# Builds the release configuration and runs the scan benchmark: the controller's scan of a
# 298-line program against the same program written by hand in C++. Extra arguments go to the
# benchmark (for example --benchmark_filter=Engine). The last line printed is
# "ratio engine/native = X".
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_packages "${RUNGBOX_BUILD_PACKAGES[@]}"

# A release tree configured earlier without the benchmark gets it switched on.
if grep -qs '^RUNGBOX_BUILD_BENCH:BOOL=OFF' build/release/CMakeCache.txt; then
    cmake --preset release -DRUNGBOX_BUILD_BENCH=ON >/dev/null
fi
configure_and_build release rungbox_bench
exec build/release/bench/rungbox_bench "$@"

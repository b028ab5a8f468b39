// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The timed loop of the scan benchmarks: before each scan the switches flip as nextSwitches()
// says (BenchProgram.h), then `scan(i)` runs scan i.

#include "BenchProgram.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace rungbox::bench {

template <typename ScanFn> void runScans(benchmark::State& state, CheapPanel& panel, ScanFn scan) {
    std::uint16_t switches = 0;
    std::uint32_t i = 0;
    for (auto _ : state) {
        switches = nextSwitches(switches, i);
        panel.switches = switches;
        scan(i);
        benchmark::ClobberMemory();
        ++i;
    }
}

} // namespace rungbox::bench

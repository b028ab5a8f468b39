// SPDX-License-Identifier: GPL-3.0-or-later
// Times the timing recorder against the scan it records: one scan of the 298-line benchmark
// program alone, and the same scan followed by a sample of the default signals (the 16 inputs,
// 16 outputs, timer and counter done bits and values), and prints what recording adds to a scan.
// A run that records nothing never calls the recorder, so it costs nothing there.

#include "BenchProgram.h"
#include "BestTimeReporter.h"
#include "trace/Recorder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace rungbox::bench;
using rungbox::trace::Recorder;

void BM_Scan(benchmark::State& state) {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    std::uint16_t switches = 0;
    std::uint32_t i = 0;
    for (auto _ : state) {
        switches = nextSwitches(switches, i);
        panel.switches = switches;
        benchmark::DoNotOptimize(plc.scan());
        if (i % kTickEvery == 0) {
            plc.tick();
        }
        benchmark::ClobberMemory();
        ++i;
    }
}

// The recorder samples after each scan and after each tick, as a run does; one scan is one
// millisecond.
void BM_ScanRecorded(benchmark::State& state) {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    Recorder recorder;
    std::uint16_t switches = 0;
    std::uint32_t i = 0;
    for (auto _ : state) {
        switches = nextSwitches(switches, i);
        panel.switches = switches;
        benchmark::DoNotOptimize(plc.scan());
        recorder.sample(plc, i, i);
        if (i % kTickEvery == 0) {
            plc.tick();
            recorder.sample(plc, i, i);
        }
        benchmark::ClobberMemory();
        ++i;
    }
    state.counters["bytes/scan"] =
        static_cast<double>(recorder.memoryBytes()) / static_cast<double>(recorder.lastScan() + 1);
}

// The two run in turns, many times, and the fastest run of each counts: on a shared machine the
// runs least disturbed by others are the ones that compare.
constexpr int kRepetitions = 12;
BENCHMARK(BM_Scan)->MinTime(0.2)->Repetitions(kRepetitions);
BENCHMARK(BM_ScanRecorded)->MinTime(0.2)->Repetitions(kRepetitions);

using rungbox::bench::BestTimeReporter;

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double scan = reporter.bestNs["BM_Scan"];
    const double recorded = reporter.bestNs["BM_ScanRecorded"];
    std::printf("\nBest CPU time per scan of the %d-line program (%d runs each):\n", kProgramLines,
                kRepetitions);
    std::printf("  scan alone:                       %8.1f ns\n", scan);
    std::printf("  scan and sample, default signals: %8.1f ns\n", recorded);
    std::printf("recording adds %.1f%% to a scan\n",
                scan > 0 ? (recorded - scan) / scan * 100.0 : 0.0);
    std::fflush(stdout);
    return 0;
}

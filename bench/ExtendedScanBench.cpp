// SPDX-License-Identifier: GPL-3.0-or-later
// The extended program's part of the scan benchmark: the controller's scan of a 298-line program
// in the extended instruction set, after a check that its fast scan agrees with the reference
// scan. It has no hand-written yardstick; the benchmark's ratio stays the classic program's.

#include "ExtendedScanBench.h"

#include "ExtendedBenchProgram.h"
#include "ScanLoop.h"

#include <cstdio>
#include <cstdlib>

namespace rungbox::bench {

namespace {

// The clocks: the timer tick every kTickEvery scans, as for the classic program, and a hundredth
// of a second every kHundredthEvery scans, so that both kinds of timer run out while it runs.
constexpr std::uint32_t kHundredthEvery = 2;

void clocks(Controller& plc, std::uint32_t scan) {
    if (scan % kTickEvery == 0) {
        plc.tick();
    }
    if (scan % kHundredthEvery == 0) {
        plc.hundredthTick();
    }
}

bool sameBytes(const Controller& a, const Controller& b, int from, int to) {
    for (int byte = from; byte < to; ++byte) {
        if (a.bit(byte) != b.bit(byte)) {
            std::fprintf(stderr, "workspace byte %d differs\n", byte);
            return false;
        }
    }
    return true;
}

// The DM words the program writes: DM0000 to DM0002.
constexpr int kBenchDmWords = 3;

// Every bit a program can address (relays, done flags, the extended areas), timer, counter and
// the program's DM words.
bool sameState(const Controller& a, const Controller& b) {
    if (!sameBytes(a, b, 0, kStackByte) || !sameBytes(a, b, kHighRelayByte, kInterlockByte)) {
        return false;
    }
    for (int n = 0; n < kTimerSlots; ++n) {
        if (a.timValue(n) != b.timValue(n) || a.cntValue(n) != b.cntValue(n)) {
            std::fprintf(stderr, "timer or counter %d differs\n", n);
            return false;
        }
    }
    for (int n = 0; n < kBenchDmWords; ++n) {
        const WordAddress dm{WordArea::Dm, n};
        if (a.word(dm) != b.word(dm)) {
            std::fprintf(stderr, "DM%04d differs\n", n);
            return false;
        }
    }
    return true;
}

// Runs the fast and reference scans side by side over thousands of scans and ends the process if
// they disagree or the program stops at an error.
void checkAgreement() {
    if (extendedBenchProgram().size() != kExtendedProgramLines) {
        std::fprintf(stderr, "the extended benchmark program has the wrong size\n");
        std::exit(1);
    }
    CheapPanel fastPanel;
    CheapPanel referencePanel;
    Controller fast(fastPanel);
    Controller reference(referencePanel);
    loadExtendedProgram(fast);
    loadExtendedProgram(reference);
    std::uint16_t switches = 0;
    for (std::uint32_t i = 0; i < 20000; ++i) {
        switches = nextSwitches(switches, i);
        fastPanel.switches = referencePanel.switches = switches;
        if (fast.scan() != 0 || reference.scanReference() != 0) {
            std::fprintf(stderr, "the extended benchmark program stopped at an error\n");
            std::exit(1);
        }
        clocks(fast, i);
        clocks(reference, i);
        if (!sameState(fast, reference)) {
            std::fprintf(stderr, "scan %u: the extended program's scans disagree\n", i);
            std::exit(1);
        }
    }
}

void BM_ExtendedScan(benchmark::State& state) {
    // Checked here rather than before every benchmark, so that the classic benchmarks run in a
    // process just as they did before this one was added.
    static const bool checked = (checkAgreement(), true);
    benchmark::DoNotOptimize(checked);
    CheapPanel panel;
    Controller plc(panel);
    loadExtendedProgram(plc);
    runScans(state, panel, [&](std::uint32_t i) {
        benchmark::DoNotOptimize(plc.scan());
        clocks(plc, i);
    });
}

// As the classic benchmarks: the fastest of several runs, in CPU time.
BENCHMARK(BM_ExtendedScan)->MinTime(0.3)->Repetitions(5);

} // namespace

bool extendedRunsMachineCode() {
    CheapPanel panel;
    Controller plc(panel);
    loadExtendedProgram(plc);
    return plc.runsMachineCode();
}

} // namespace rungbox::bench

// SPDX-License-Identifier: GPL-3.0-or-later
// Times one full scan of a 298-line ladder program that uses every instruction form, once through
// the controller and once as the same program written out by hand in C++ on the same memory
// layout, and prints how many times slower the controller is.
//
// The hand-written version is the yardstick for the controller's scan: it does the same work
// (input copy and lamps, every rung, the timer and counter steps with their displays, DIFU, SFT,
// the output lamps) with every address known to the compiler. Before timing, both run side by
// side over thousands of scans and must agree on every relay, timer and counter, so that the
// yardstick cannot drift from the ladder program it stands for.
//
// A second program of the same size in the extended instruction set is timed through the
// controller too (ExtendedScanBench.cpp) and shown on a line of its own; the ratio is the classic
// program's.

#include "BenchProgram.h"
#include "BestTimeReporter.h"
#include "ExtendedBenchProgram.h"
#include "ExtendedScanBench.h"
#include "ScanLoop.h"
#include "engine/LineSyntax.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace rungbox::engine;
using namespace rungbox::bench;
using rungbox::bench::loadProgram; // beside the overload for the hand-written program below

// --- The same program by hand ------------------------------------------------------------------

// The controller's memory as a hand-written program would keep it: the same byte layout of
// relays and done flags, the same timer and counter tables and display memories.
// The hand-written program indexes its tables with int, as a programmer writing it by hand
// would; the index conversions it would need under -Wsign-conversion are not part of what it
// is measured against.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsign-conversion"
class Native {
public:
    explicit Native(IoPanel& panel) : m_panel(panel) {
        m_timerShown.fill(INT32_MIN);
        m_counterShown.fill(INT32_MIN);
        m_timReset.fill(true);
        // Every present value starts at 0: every done flag is on until the set values load.
        std::fill(m_bits.begin() + kTimerDoneBit, m_bits.end(), std::uint8_t{1});
    }

    void setTimValue(int n, int value) {
        m_timValue[n] = static_cast<std::int16_t>(value);
        m_bits[kTimerDoneBit + n] = value == 0;
    }
    void setCntValue(int n, int value) {
        m_cntValue[n] = static_cast<std::int16_t>(value);
        m_bits[kCounterDoneBit + n] = value == 0;
    }

    void scan() {
        const std::uint16_t switches = m_panel.inputSwitches();
        for (int n = 0; n < kInputCount; ++n) {
            m_bits[n] = (switches >> n) & 1U;
        }
        if (const std::uint16_t changed = switches ^ m_inputsShown; changed != 0) {
            for (int n = 0; n < kInputCount; ++n) {
                if ((changed >> n) & 1U) {
                    m_panel.setInputLamp(n, (switches >> n) & 1U);
                }
            }
            m_inputsShown = switches;
        }

        group<0>();
        group<1>();
        group<2>();
        group<3>();
        group<4>();
        group<5>();
        group<6>();
        group<7>();
        std::uint8_t* b = m_bits.data();
        b[1015] = ((((b[0] & b[1] & b[2] & b[3]) | b[4]) & (b[5] ^ 1)) | b[6]) | b[1000];

        std::uint16_t outputs = 0;
        for (int n = 0; n < kOutputCount; ++n) {
            outputs |= static_cast<std::uint16_t>(b[kFirstOutputRelay + n] << n);
        }
        if (const std::uint16_t changed = outputs ^ m_outputsShown; changed != 0) {
            for (int n = 0; n < kOutputCount; ++n) {
                if ((changed >> n) & 1U) {
                    m_panel.setOutputLamp(n, (outputs >> n) & 1U);
                }
            }
            m_outputsShown = outputs;
        }
    }

    void tick() {
        for (int n = 0; n < kTimerCount; ++n) {
            if (m_timReset[n]) {
                continue;
            }
            if (m_timValue[n] > 0) {
                setTimValue(n, m_timValue[n] - 1);
            }
            showTimer(n, m_timValue[n]);
        }
    }

    bool relay(int address) const { return m_bits[address] != 0; }
    std::int16_t timValue(int n) const { return m_timValue[n]; }
    std::int16_t cntValue(int n) const { return m_cntValue[n]; }

private:
    template <int G> void group() {
        constexpr int a = base(G);
        constexpr int t = kTimerDoneBit + G;
        constexpr int c = kCounterDoneBit + G;
        std::uint8_t* b = m_bits.data();

        b[a] = (b[in(G, 0)] & (b[in(G, 1)] ^ 1)) | b[a];
        b[a + 1] = ((((b[a] & b[t]) | (b[c] ^ 1)) | (b[a + 5] ^ 1))) ^ 1;
        timerStep(G, (b[in(G, 2)] ^ 1) & b[in(G, 3)], timerSet(G));
        const std::uint8_t count = b[in(G, 3)] & (b[c] ^ 1);
        counterStep(G, count, b[in(G, 4)], kCounterSet);
        const std::uint8_t first = (b[t] ^ 1) & b[c];
        const std::uint8_t second = (b[a] | (b[t] ^ 1)) | first;
        b[outA(G)] = ((b[c] ^ 1) | b[t]) & second;
        difu(a + 2, (b[c] & (b[t] ^ 1)) | b[c]);
        shift(a + 10, a + 13, b[a + 2], b[in(G, 5)], b[in(G, 6)]);
        b[outB(G)] = b[t] & b[a + 13];
    }

    void showTimer(int n, int value) {
        if (m_timerShown[n] != value) {
            m_timerShown[n] = value;
            m_panel.setTimerDisplay(n, timerText(value));
        }
    }
    void showCounter(int n, int value) {
        if (m_counterShown[n] != value) {
            m_counterShown[n] = value;
            m_panel.setCounterDisplay(n, std::to_string(value));
        }
    }

    void timerStep(int n, bool input, int setValue) {
        if (input) {
            m_timReset[n] = false;
            return;
        }
        m_timReset[n] = true;
        setTimValue(n, setValue);
        showTimer(n, setValue);
    }

    void counterStep(int n, bool count, bool reset, int setValue) {
        if (!m_cntLast[n] && count) {
            if (m_cntValue[n] > 0) {
                setCntValue(n, m_cntValue[n] - 1);
            }
            m_cntLast[n] = true;
        } else if (m_cntLast[n] && !count) {
            m_cntLast[n] = false;
        }
        if (reset) {
            setCntValue(n, setValue);
        }
        showCounter(n, m_cntValue[n]);
    }

    void difu(int address, bool input) {
        if (!m_difuLast[address]) {
            if (input) {
                m_bits[address] = 1;
                m_difuLast[address] = 1;
            }
        } else {
            m_bits[address] = 0;
            if (!input) {
                m_difuLast[address] = 0;
            }
        }
    }

    // Registers here always run upwards (first < last).
    void shift(int first, int last, std::uint8_t data, bool clock, bool reset) {
        std::uint8_t* r = m_bits.data();
        if (clock) {
            std::copy(r + first + 1, r + last + 1, r + first);
            r[last] = data;
        }
        if (reset) {
            std::fill(r + first, r + last + 1, std::uint8_t{0});
        }
    }

    IoPanel& m_panel;
    std::array<std::uint8_t, kBitCount> m_bits{};
    std::array<std::uint8_t, kRelayCount> m_difuLast{};
    std::array<std::int16_t, kCounterCount> m_cntValue{};
    std::array<bool, kCounterCount> m_cntLast{};
    std::array<std::int16_t, kTimerCount> m_timValue{};
    std::array<bool, kTimerCount> m_timReset{};
    std::uint16_t m_inputsShown = 0;
    std::uint16_t m_outputsShown = 0;
    std::array<int, kTimerCount> m_timerShown{};
    std::array<int, kCounterCount> m_counterShown{};
};
#pragma GCC diagnostic pop

// --- Driving both the same way -----------------------------------------------------------------

void loadProgram(Native& native) {
    for (int g = 0; g < kGroups; ++g) {
        native.setTimValue(g, timerSet(g));
        native.setCntValue(g, kCounterSet);
    }
}

bool sameState(Controller& plc, const Native& native) {
    for (int r = 0; r < kRelayCount; ++r) {
        if (plc.relay(r) != native.relay(r)) {
            std::fprintf(stderr, "relay %d differs\n", r);
            return false;
        }
    }
    for (int n = 0; n < kTimerCount; ++n) {
        if (plc.timValue(n) != native.timValue(n) || plc.cntValue(n) != native.cntValue(n)) {
            std::fprintf(stderr, "timer or counter %d differs\n", n);
            return false;
        }
    }
    return true;
}

// Runs the controller's scan, its reference scan and the hand-written program side by side and
// stops the benchmark if any of them disagree.
void checkAgreement() {
    CheapPanel fastPanel;
    CheapPanel referencePanel;
    CheapPanel nativePanel;
    Controller fast(fastPanel);
    Controller reference(referencePanel);
    Native native(nativePanel);
    loadProgram(fast);
    loadProgram(reference);
    loadProgram(native);
    // Count only the calls of the scans: the reset's calls are the controller's alone.
    for (CheapPanel* panel : {&fastPanel, &referencePanel, &nativePanel}) {
        panel->lampCalls = 0;
        panel->displayCalls = 0;
    }
    std::uint16_t switches = 0;
    for (std::uint32_t i = 0; i < 20000; ++i) {
        switches = nextSwitches(switches, i);
        fastPanel.switches = referencePanel.switches = nativePanel.switches = switches;
        if (fast.scan() != 0 || reference.scanReference() != 0) {
            std::fprintf(stderr, "the benchmark program stopped at an error\n");
            std::exit(1);
        }
        native.scan();
        if (i % kTickEvery == 0) {
            fast.tick();
            reference.tick();
            native.tick();
        }
        if (!sameState(fast, native) || !sameState(reference, native) ||
            fastPanel.lampCalls != nativePanel.lampCalls ||
            fastPanel.displayCalls != nativePanel.displayCalls) {
            std::fprintf(stderr,
                         "scan %u: controller and hand-written program disagree (lamps %d/%d, "
                         "displays %d/%d)\n",
                         i, fastPanel.lampCalls, nativePanel.lampCalls, fastPanel.displayCalls,
                         nativePanel.displayCalls);
            std::exit(1);
        }
    }
}

bool runsMachineCode() {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    return plc.runsMachineCode();
}

// --- Benchmarks --------------------------------------------------------------------------------

void BM_EngineScan(benchmark::State& state) {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    runScans(state, panel, [&](std::uint32_t i) {
        benchmark::DoNotOptimize(plc.scan());
        if (i % kTickEvery == 0) {
            plc.tick();
        }
    });
}

void BM_FusedScan(benchmark::State& state) {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    runScans(state, panel, [&](std::uint32_t i) {
        benchmark::DoNotOptimize(plc.scanFused());
        if (i % kTickEvery == 0) {
            plc.tick();
        }
    });
}

void BM_ReferenceScan(benchmark::State& state) {
    CheapPanel panel;
    Controller plc(panel);
    loadProgram(plc);
    runScans(state, panel, [&](std::uint32_t i) {
        benchmark::DoNotOptimize(plc.scanReference());
        if (i % kTickEvery == 0) {
            plc.tick();
        }
    });
}

void BM_NativeScan(benchmark::State& state) {
    CheapPanel panel;
    // On the heap, and its address handed out, so that the compiler must keep every store.
    auto native = std::make_unique<Native>(panel);
    loadProgram(*native);
    Native* escaped = native.get();
    benchmark::DoNotOptimize(escaped);
    runScans(state, panel, [&](std::uint32_t i) {
        escaped->scan();
        if (i % kTickEvery == 0) {
            escaped->tick();
        }
    });
}

// Each benchmark runs several times; the fastest run counts, as the one least disturbed by
// whatever else the machine was doing. CPU time, not wall time, for the same reason.
constexpr int kRepetitions = 5;
BENCHMARK(BM_EngineScan)->MinTime(0.3)->Repetitions(kRepetitions);
BENCHMARK(BM_FusedScan)->MinTime(0.3)->Repetitions(kRepetitions);
BENCHMARK(BM_ReferenceScan)->MinTime(0.3)->Repetitions(kRepetitions);
BENCHMARK(BM_NativeScan)->MinTime(0.3)->Repetitions(kRepetitions);

using rungbox::bench::BestTimeReporter;

} // namespace

int main(int argc, char** argv) {
    checkAgreement();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double engine = reporter.bestNs["BM_EngineScan"];
    const double fused = reporter.bestNs["BM_FusedScan"];
    const double reference = reporter.bestNs["BM_ReferenceScan"];
    const double native = reporter.bestNs["BM_NativeScan"];
    const double extended = reporter.bestNs["BM_ExtendedScan"];
    std::printf("\nBest CPU time per scan of the %d-line program (%d runs each):\n", kProgramLines,
                kRepetitions);
    std::printf("  engine, scan():                  %8.1f ns  (%s)\n", engine,
                runsMachineCode() ? "generated machine code" : "fused interpreter");
    std::printf("  fused interpreter, scanFused(): %8.1f ns\n", fused);
    std::printf("  reference, scanReference():     %8.1f ns\n", reference);
    std::printf("  hand-written C++:               %8.1f ns\n", native);
    std::printf(
        "extended %d-line program, scan(): %8.1f ns  (%s)\n", kExtendedProgramLines, extended,
        rungbox::bench::extendedRunsMachineCode() ? "generated machine code" : "fused interpreter");
    std::printf("ratio engine/native = %.2f\n", native > 0 ? engine / native : 0.0);
    std::fflush(stdout);
    return 0;
}

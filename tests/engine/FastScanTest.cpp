// SPDX-License-Identifier: GPL-3.0-or-later
// The fast scans, scan() and scanFused(), against the reference scan: seeded random programs over
// every instruction form, valid or not, and programs aimed at the fusion, run side by side and
// compared on all state and every panel call after every scan.

#include "RandomProgram.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rungbox::test {
namespace {

using engine::Controller;
using engine::LadderLine;
using Scan = int (Controller::*)();

const std::pair<const char*, Scan> kFastScans[] = {{"Scan", &Controller::scan},
                                                   {"Fused", &Controller::scanFused}};

/// One controller on a fast scan, one on the reference scan, fed the same way.
struct Twin {
    LoggingPanel fastPanel;
    LoggingPanel referencePanel;
    Controller fast{fastPanel};
    Controller reference{referencePanel};

    void load(const std::vector<LadderLine>& lines) {
        loadProgram(fast, lines);
        loadProgram(reference, lines);
    }
    /// One scan on each with `switches`, compared, then `ticks` timer ticks.
    void step(Scan scan, int switches, int ticks) {
        fastPanel.switches = referencePanel.switches = static_cast<std::uint16_t>(switches);
        ASSERT_EQ((fast.*scan)(), reference.scanReference());
        for (int a = 0; a <= engine::kLastRelay; ++a) {
            if (fast.relay(a) != reference.relay(a) || fast.difuLast(a) != reference.difuLast(a)) {
                FAIL() << "relay or DIFU memory " << a; // one failure, not 20001 assertions
            }
        }
        for (int n = 0; n < 8; ++n) {
            const auto unit = [n](const Controller& c) {
                return std::tuple(c.timValue(n), c.timReset(n), c.cntValue(n), c.cntLast(n));
            };
            ASSERT_EQ(unit(fast), unit(reference)) << "timer and counter " << n;
        }
        ASSERT_EQ(fastPanel.log, referencePanel.log);
        for (; ticks > 0; --ticks) {
            fast.tick();
            reference.tick();
        }
    }
};

// Programs aimed at the fusion, each run under all 64 states of the inputs it reads.
const std::string kAimedPrograms[] = {
    // An OUT writes a relay the same rung reads right after; OUT NOT overrides it.
    "LD 0; OUT 100; AND NOT 100; OR 100; OUT NOT 100; AND 100; OUT 1000; END",
    // Outputs with no contact before them: at the start (R is false), after TIM, CNT, DIFU, SFT.
    "OUT NOT 1000; OUT 1001; LD 0; TIM 0 2; OUT 1002; LD 1; LD 2; CNT 1 2; OUT NOT 1003; "
    "OUT 1004; DIFU 1005; OUT 1006; LD 3; LD 4; SFT 110 113; OUT NOT 1007; END",
    // A fused OUT read by the steps that are not fused.
    "LD 0; OUT 120; DIFU 120; LD 120; LD 1; LD 2; OUT 122; SFT 120 123; LD 122; OUT 1000; END",
    // Entries reused after a pop, and a push followed at once by the pop that reads it.
    "LD 0; LD 1; CNT 0 3; LD 2; LD 3; CNT 1 3; LD 4; OR BLK; LD 5; AND BLK; OUT 1000; LD 0; "
    "LD 1; LD 2; OUT 1001; SFT 130 127; LD CNT 0; OR NOT CNT 1; OUT 1002; END",
    "LD 0; OUT 1000; OUT NOT 140; LD BLK; END", // an invalid line after fused outputs
    // Rungs that each leave one entry behind fill the block stack up to its limit and beyond.
    repeat("LD 1; OUT 1000; LD 1000; OUT 101; ", 50) + "LD 2; OUT 1; END",
    repeat("LD 1; OUT 1000; LD 1000; OUT 101; ", 51) + "END",
};

// The aimed programs, then seeded random ones under random inputs and ticks, now and then with
// an edited line that the next scan runs.
TEST(FastScans, BehaveAsTheReference) {
#if defined(__x86_64__) && defined(__linux__)
    ScriptedController m;
    m.load("END");
    ASSERT_TRUE(m.plc.runsMachineCode()) << "else the scan() runs only repeat the scanFused() ones";
#endif
    const int aimed = std::size(kAimedPrograms);
    for (const auto& [name, scan] : kFastScans) {
        for (int program = -aimed; program < 100; ++program) {
            Generator g(static_cast<std::uint32_t>(program + 1));
            Twin twin;
            // Long programs make long fused runs; short ones are easier to read when they fail.
            twin.load(program < 0 ? parseProgram(kAimedPrograms[program + aimed])
                                  : g.program(program % 3 == 2 ? 298 : 40));
            for (int scanNo = 0; scanNo < (program < 0 ? 64 : 25); ++scanNo) {
                SCOPED_TRACE(std::string(name) + " program " + std::to_string(program) + " scan " +
                             std::to_string(scanNo));
                ASSERT_NO_FATAL_FAILURE(program < 0
                                            ? twin.step(scan, scanNo * 0x0101, 1)
                                            : twin.step(scan, g.pick(0, 0xFFFF), g.pick(0, 3)));
                if (program >= 0 && g.chance(5)) {
                    const int r = g.pick(1, 20);
                    const LadderLine line = g.line();
                    twin.fast.setLadderTable(r, line);
                    twin.reference.setLadderTable(r, line);
                }
            }
        }
    }
}

} // namespace
} // namespace rungbox::test

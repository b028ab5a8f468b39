// The fast scans, scan() and scanFused(), against the reference scan: seeded random programs over
// every instruction form, valid or not, and programs aimed at the fusion, run side by side and
// compared on all state and every panel call after every scan.

#include "Machine.h"
#include "engine/Instruction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace rungbox::test {
namespace {

using engine::Controller;
using engine::LadderLine;
using Scan = int (Controller::*)();

const std::pair<const char*, Scan> kFastScans[] = {{"Scan", &Controller::scan},
                                                   {"Fused", &Controller::scanFused}};

LadderLine lineOf(std::string code, int location, int setValue = 0) {
    return {std::move(code), static_cast<std::int16_t>(location),
            static_cast<std::int16_t>(setValue)};
}

/// A recording panel that also writes down, in order, every call a scan or a tick can make.
struct LoggingPanel : RecordingPanel {
    std::string log;

    void note(const char* what, int n, std::string_view text) {
        log += std::string(what) + ' ' + std::to_string(n) + ' ' + std::string(text) + '\n';
    }
    void setInputLamp(int n, bool on) override { note("in", n, on ? "on" : "off"); }
    void setOutputLamp(int n, bool on) override { note("out", n, on ? "on" : "off"); }
    void setTimerDisplay(int n, std::string_view text) override { note("tim", n, text); }
    void setCounterDisplay(int n, std::string_view text) override { note("cnt", n, text); }
};

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

/// Reproducible random programs. Addresses come from small pools so that lines meet each other's
/// relays; in some programs a few lines are invalid.
struct Generator {
    explicit Generator(std::uint32_t seed) : random(seed) {}

    int pick(int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(random);
    }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    int relay() { // inputs, outputs and internal relays from small pools; either end of the range
        static constexpr int kPools[] = {0, 0, 0, 1000, 1000, 100, 100, 100, 100, -1};
        const int pool = kPools[pick(0, 9)];
        return pool < 0 ? 20000 * pick(0, 1) : pool + pick(0, 20);
    }
    LadderLine line() {
        // Lines a scan cannot execute: unknown words, numbers out of range.
        static const std::vector<LadderLine> kInvalid =
            parseProgram("ld 0; LD BLK; ; XYZ 1; OUT BLK; AND NOT BLK; OUT TIM 1; LD NOT NOT 2; "
                         "OUT 20001; AND TIM 8; LD CNT 8; TIM 8 3; SFT 100 20001; SFT 100 -1");
        static const char* const kContacts[] = {"LD", "AND", "OR"};
        static const char* const kOperands[] = {"", " TIM", " CNT"};
        const int kind = pick(0, 99), operand = pick(0, 2), a = 100 + pick(0, 20);
        LadderLine line;
        if (invalid && chance(4)) {
            line = kInvalid[static_cast<std::size_t>(pick(0, 13))];
        } else if (kind < 50) { // every form of LD, AND and OR
            line = lineOf(std::string(kContacts[pick(0, 2)]) + (chance(50) ? " NOT" : "") +
                              kOperands[operand],
                          operand == 0 ? relay() : pick(0, 7));
        } else if (kind < 58) {
            line = lineOf(chance(50) ? "AND BLK" : "OR BLK", 0);
        } else if (kind < 72) {
            line = lineOf(chance(70) ? "OUT" : "OUT NOT", relay());
        } else if (kind < 84) {
            line = lineOf(kind < 78 ? "TIM" : "CNT", pick(0, 7), chance(5) ? -3 : pick(0, 6));
        } else if (kind < 92) {
            line = lineOf("DIFU", relay());
        } else {
            line = lineOf("SFT", a, a + pick(-5, 5));
        }
        if (chance(5)) {
            line.code = "  " + line.code + " "; // blanks around the words change nothing
        }
        return line;
    }

    /// Up to `maxLines` lines, most ending in END. Lines that would pop an empty block stack or
    /// push a 102nd entry stop the scan, so they are mostly replaced.
    std::vector<LadderLine> program(int maxLines) {
        invalid = chance(40);
        std::vector<LadderLine> lines;
        int depth = 0;
        for (int n = pick(1, maxLines); n > 0; --n) {
            LadderLine next = line();
            const int after = depth + depthChange(next);
            if ((after < 0 || after > 101) && !(invalid && chance(10))) {
                next = lineOf(after < 0 ? "LD" : "OUT", relay());
            }
            depth = std::max(depth + depthChange(next), 0);
            lines.push_back(next);
        }
        if (chance(90)) {
            lines.push_back(lineOf("END", 0));
        }
        return lines;
    }

    static int depthChange(const LadderLine& line) { // entries pushed minus entries popped
        const engine::OpInfo& info = engine::opInfo(engine::decodeForm(line.code).op);
        return info.pushes - info.pops;
    }

    std::mt19937 random;
    bool invalid = false; ///< whether lines of the program may be invalid
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
    Machine m;
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

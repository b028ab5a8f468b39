// SPDX-License-Identifier: GPL-3.0-or-later
// Debugging a run in the engine: stepping line by line, breakpoints and forced relays, first on
// small programs whose every step is known, then on random programs in all three scan paths side
// by side and against a run that nobody interrupts.

#include "RandomProgram.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace rungbox::test {
namespace {

using engine::Controller;
using Scan = int (Controller::*)();

/// The paused scan as `step` in rungbox-sim shows it: "line R stack", the stack top first.
std::string paused(Controller& plc) {
    std::string stack;
    for (const bool entry : plc.blockStack()) {
        stack += entry ? '1' : '0';
    }
    return std::to_string(plc.nextLine()) + ' ' + (plc.result() ? '1' : '0') + ' ' +
           (stack.empty() ? "-" : stack);
}

TEST(Step, ExecutesOneLineAndKeepsTheResultAndTheBlockStack) {
    ScriptedController m;
    m.load("LD 0; LD 1; LD NOT 2; AND BLK; OR BLK; OUT 1000; END");
    m.panel.switches = 0b011;
    std::vector<std::string> seen;
    for (int k = 0; k < 7; ++k) {
        ASSERT_EQ(m.plc.stepLine(), 0);
        seen.push_back(paused(m.plc));
    }
    // After each line: the next line, R, the stack. LD pushes R, AND BLK and OR BLK pop.
    EXPECT_EQ(seen, (std::vector<std::string>{"2 1 0", "3 1 10", "4 1 110", "5 1 10", "6 1 0",
                                              "7 1 0", "0 0 -"}));
    EXPECT_TRUE(m.panel.outputLamp[0]) << "END showed the outputs";
    EXPECT_FALSE(m.plc.midScan());
}

TEST(Step, AnInvalidLineEndsTheScanWithItsNumber) {
    ScriptedController m;
    m.load("LD 0; OUT 1000; LD BLK; END");
    EXPECT_EQ(m.plc.stepLine(), 0);
    EXPECT_EQ(m.plc.stepLine(), 0);
    EXPECT_EQ(m.plc.stepLine(), 3);
    EXPECT_FALSE(m.plc.midScan());
}

struct BreakRow {
    const char* name;
    std::vector<int> breakpoints;
    std::vector<int> pausesAt; ///< nextLine() after each scan() call until the scan ends
};

// The program's line 3 turns output 1001 on, so the lamps tell which lines a call ran.
TEST(Breakpoint, PausesBeforeItsLineAndTheNextScanGoesOnFromThere) {
    const BreakRow rows[] = {
        {"OnTheFirstLine", {1}, {1, 0}},
        {"TwoInOneScan", {2, 4}, {2, 4, 0}},
        {"OnEnd", {5}, {5, 0}},
        {"BelowEndNeverReached", {7}, {0}},
    };
    for (const BreakRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedController m;
        m.load("LD 0; OUT 1000; OUT 1001; OUT NOT 1002; END; END; OUT 1003");
        for (const int line : row.breakpoints) {
            m.plc.setBreakpoint(line, true);
        }
        for (std::size_t k = 0; k < row.pausesAt.size(); ++k) {
            ASSERT_EQ(m.plc.scan(), 0);
            EXPECT_EQ(m.plc.nextLine(), row.pausesAt[k]) << "call " << k;
        }
        EXPECT_EQ(lit(m.panel.outputLamp), "2") << "the scan ran once to END";
        m.plc.reset();
        EXPECT_TRUE(m.plc.breakpoint(row.breakpoints[0])) << "a reset keeps the breakpoints";
    }
}

TEST(Breakpoint, StepExecutesTheLineItPausedBefore) {
    ScriptedController m;
    m.load("LD 0; OUT 1000; END");
    m.plc.setBreakpoint(2, true);
    m.panel.switches = 1;
    EXPECT_EQ(m.plc.scan(), 0);
    EXPECT_FALSE(m.plc.relay(1000));
    EXPECT_EQ(m.plc.stepLine(), 0);
    EXPECT_TRUE(m.plc.relay(1000));
    EXPECT_EQ(m.plc.nextLine(), 3);
}

struct ForceRow {
    const char* name;
    const char* program;
    std::vector<std::pair<int, bool>> forces;
    const char* script;
    const char* trace;
};

TEST(Force, AForcedRelayKeepsItsValueWhateverWritesIt) {
    const ForceRow rows[] = {
        {"OutputForcedOff", "LD 0; OUT 1000; END", {{1000, false}}, "1 0", "- -"},
        {"OutputForcedOn", "LD 0; OUT NOT 1000; LD 1000; OUT 1001; END", {{1000, true}}, "1", "01"},
        {"InputIgnoresItsSwitch",
         "LD 0; OUT 1000; LD 1; OUT 1001; END",
         {{0, true}, {1, false}},
         "2 0",
         "0 0"},
        {"ReadInTheSameRunOfContacts",
         "LD 2; OUT 100; AND 100; OUT 1000; END",
         {{100, false}},
         "4",
         "-"},
        {"DifuCannotPulseIt", "LD 0; DIFU 1000; END", {{1000, false}}, "1", "-"},
        {"ShiftCannotMoveThroughIt",
         "LD 0; LD 1; LD 2; SFT 1001 1003; END",
         {{1002, false}},
         "3 2 2",
         "3 - -"},
        {"ResetCannotClearIt", "LD 0; LD 1; LD 2; SFT 1001 1003; END", {{1002, true}}, "4", "2"},
    };
    // On the scan a run uses; the other paths agree with it under forces (AllScanPathsAgree).
    for (const ForceRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedController m;
        m.load(row.program);
        for (const auto& [address, on] : row.forces) {
            m.plc.force(address, on);
        }
        std::string trace;
        for (const std::string& token : split(row.script, ' ')) {
            m.panel.switches = static_cast<std::uint16_t>(std::stoi(token));
            ASSERT_EQ(m.plc.scan(), 0);
            trace += (trace.empty() ? "" : " ") + lit(m.panel.outputLamp);
        }
        EXPECT_EQ(trace, row.trace);
    }
}

TEST(Force, InputLampShowsTheForcedValueAndResetReleasesEveryForce) {
    ScriptedController m;
    m.load("LD 0; OUT 1000; END");
    m.plc.force(0, true);
    m.plc.force(1000, false);
    m.run("0");
    EXPECT_TRUE(m.panel.inputLamp[0]);
    m.plc.unforce(1000);
    EXPECT_FALSE(m.plc.relay(1000)) << "an unforced relay keeps its value until written";
    m.run("0");
    EXPECT_TRUE(m.plc.relay(1000));
    m.plc.reset();
    EXPECT_TRUE(m.plc.forces().empty());
    m.run("0");
    EXPECT_FALSE(m.plc.relay(1000));
}

// Only the state at END reaches the output lamps: forcing an output in a paused scan lights that
// lamp alone, not the outputs the paused scan has written so far.
TEST(Force, AnOutputForcedMidScanChangesItsLampAlone) {
    ScriptedController m;
    m.load("LD 0; OUT 1002; END");
    m.panel.switches = 0b1;
    ASSERT_EQ(m.plc.stepLine(), 0);
    ASSERT_EQ(m.plc.stepLine(), 0);
    ASSERT_TRUE(m.plc.relay(1002) && m.plc.midScan());
    m.plc.force(1006, true);
    EXPECT_TRUE(m.panel.outputLamp[6]);
    EXPECT_FALSE(m.panel.outputLamp[2]) << "the paused scan has not reached END";
    ASSERT_EQ(m.plc.stepLine(), 0);
    EXPECT_TRUE(m.panel.outputLamp[2]) << "END shows what the scan wrote";
    m.plc.force(1006, false);
    EXPECT_FALSE(m.panel.outputLamp[6]);
    EXPECT_TRUE(m.panel.outputLamp[2]);
}

/// Relays, edge memories, timers and counters of two controllers; "" when they agree.
std::string difference(const Controller& a, const Controller& b) {
    for (int r = 0; r <= engine::kLastRelay; ++r) {
        if (a.relay(r) != b.relay(r) || a.difuLast(r) != b.difuLast(r)) {
            return "relay or DIFU memory " + std::to_string(r);
        }
    }
    for (int n = 0; n < 8; ++n) {
        const auto unit = [n](const Controller& c) {
            return std::tuple(c.timValue(n), c.timReset(n), c.cntValue(n), c.cntLast(n));
        };
        if (unit(a) != unit(b)) {
            return "timer or counter " + std::to_string(n);
        }
    }
    return "";
}

// Random programs under random steps, scans, ticks, forces and breakpoints. The three paths must
// agree after every action, and with a controller that only ever runs whole scans whenever the
// actions add up to whole scans. Switches, forces and ticks change only between scans, where an
// uninterrupted run can see them at the same moment.
TEST(Debugging, AllScanPathsAgreeAndStepsAddUpToWholeScans) {
    const Scan kPaths[] = {&Controller::scan, &Controller::scanFused, &Controller::scanReference};
    for (int program = 0; program < 80; ++program) {
        Generator g(static_cast<std::uint32_t>(7000 + program));
        const std::vector<LadderLine> lines = g.program(program % 4 == 3 ? 200 : 30);
        std::array<RecordingPanel, 4> panels;
        std::array<std::unique_ptr<Controller>, 4> plcs; // the three paths, then the whole run
        for (std::size_t k = 0; k < 4; ++k) {
            plcs[k] = std::make_unique<Controller>(panels[k]);
            loadProgram(*plcs[k], lines);
        }
        Controller& whole = *plcs[3];
        const auto lastLine = static_cast<int>(lines.size()) + 1;
        for (int action = 0; action < 120; ++action) {
            SCOPED_TRACE("program " + std::to_string(program) + " action " +
                         std::to_string(action));
            const bool between = !plcs[0]->midScan();
            const int kind = g.pick(0, 99);
            std::array<int, 3> status{};
            bool scanned = false; // the action stepped or scanned
            if (kind < 8 && between) {
                const int address = g.chance(30) ? g.pick(0, 15) : g.relay();
                const bool release = g.chance(30), on = g.chance(50);
                for (auto& plc : plcs) {
                    release ? plc->unforce(address) : plc->force(address, on);
                }
            } else if (kind < 14) {
                const int line = g.pick(1, lastLine);
                const bool on = !plcs[0]->breakpoint(line) && !g.chance(20);
                for (std::size_t k = 0; k < 3; ++k) {
                    plcs[k]->setBreakpoint(line, on);
                }
            } else if (kind < 20 && between) {
                const int switches = g.pick(0, 0xFFFF);
                for (auto& panel : panels) {
                    panel.switches = static_cast<std::uint16_t>(switches);
                }
                for (int t = g.pick(0, 3); t > 0; --t) {
                    for (auto& plc : plcs) {
                        plc->tick();
                    }
                }
            } else {
                scanned = true;
                for (std::size_t k = 0; k < 3; ++k) {
                    status[k] = kind < 60 ? plcs[k]->stepLine() : ((*plcs[k]).*kPaths[k])();
                }
            }
            ASSERT_EQ(status[1], status[0]);
            ASSERT_EQ(status[2], status[0]);
            for (std::size_t k = 1; k < 3; ++k) {
                ASSERT_EQ(paused(*plcs[k]), paused(*plcs[0])) << "path " << k;
                ASSERT_EQ(difference(*plcs[k], *plcs[0]), "") << "path " << k;
            }
            // A scan ended with this action (at END or a line that cannot execute): the whole
            // run runs that scan in one go.
            if (scanned && !plcs[0]->midScan()) {
                ASSERT_EQ(whole.scan(), status[0]);
                ASSERT_EQ(difference(whole, *plcs[0]), "") << "against the whole run";
            }
        }
    }
}

} // namespace
} // namespace rungbox::test

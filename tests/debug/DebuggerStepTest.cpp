// SPDX-License-Identifier: GPL-3.0-or-later
// The debugger over an extended program: breakpoints on lines inside JMP and IL regions pause
// the scan there, stepping goes through every line of a region in order whether it runs or is
// skipped, and what the paused scan shows (the next line, the result, the block stack) follows.

#include "debug/Debugger.h"
#include "debug/Registers.h"
#include "engine/BitAddress.h"
#include "engine/Controller.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace rungbox::debug {
namespace {

// Lines 1 to 14: a JMP 3 region (2 to 6) holding a timer past 7, an IL region (8 to 13).
constexpr std::array<std::array<const char*, 3>, 14> kProgram{{
    {"LD", "0.00", ""},      // 1
    {"JMP(04)", "3", ""},    // 2  the lines up to JME 3 are skipped while 0.00 is off
    {"LD", "0.01", ""},      // 3
    {"OUT", "10.00", ""},    // 4
    {"TIM", "100", "#0005"}, // 5
    {"JME(05)", "3", ""},    // 6
    {"LD", "0.02", ""},      // 7
    {"IL(02)", "", ""},      // 8  the lines up to ILC run interlocked while 0.02 is off
    {"LD", "0.03", ""},      // 9
    {"LD", "CNT 90", ""},    // 10
    {"OR BLK", "", ""},      // 11
    {"OUT", "W0.00", ""},    // 12
    {"ILC(03)", "", ""},     // 13
    {"END(01)", "", ""},     // 14
}};

class ExtendedStepping : public ::testing::Test {
protected:
    ExtendedStepping() {
        plc.setInstructionSet(engine::InstructionSet::Extended);
        for (std::size_t i = 0; i < kProgram.size(); ++i) {
            engine::LadderLine line;
            line.code = kProgram[i][0];
            line.locationText = kProgram[i][1];
            line.setValueText = kProgram[i][2];
            plc.setLadderTable(static_cast<int>(i) + 1, std::move(line));
        }
        plc.setSimulating(true);
    }

    bool bit(const char* address) const {
        return plc.bit(engine::workspaceByte(*engine::parseBitAddress(address)));
    }

    test::RecordingPanel panel;
    engine::Controller plc{panel};
    Debugger debugger{plc};
};

// A breakpoint inside each region pauses the scan before it; stepping from there visits the
// region's lines one by one, and the skipped or interlocked OUT leaves its bit off.
TEST_F(ExtendedStepping, BreakpointsAndStepsGoThroughTheRegionsLineByLine) {
    struct Case {
        std::vector<int> switches;
        int breakpoint;
        std::vector<int> visited; // debugger.currentLine() after each step from the breakpoint
        bool out;                 // 10.00 after the scan
        bool work;                // W0.00 after the scan
    };
    // The scans follow each other: a skipped OUT keeps what the last scan that ran it wrote.
    const Case cases[] = {
        {{1}, 4, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}, false, false}, // JMP skips, IL off
        {{0, 1}, 4, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}, true, false},
        {{2, 3}, 12, {13, 14, 0}, true, true}, // skipped: 10.00 stays on
        {{3}, 12, {13, 14, 0}, true, false},   // interlocked: the OUT writes off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.breakpoint);
        for (int n = 0; n < 16; ++n) {
            panel.setSwitch(n,
                            std::find(c.switches.begin(), c.switches.end(), n) != c.switches.end());
        }
        debugger.clearBreakpoints();
        debugger.setBreakpoint(c.breakpoint, true);
        ASSERT_EQ(plc.scanReference(), 0);
        ASSERT_EQ(debugger.currentLine(), c.breakpoint);
        std::vector<int> visited;
        while (debugger.currentLine() != 0 && visited.size() < 20) {
            ASSERT_EQ(plc.stepLine(), 0);
            visited.push_back(debugger.currentLine());
        }
        EXPECT_EQ(visited, c.visited);
        EXPECT_EQ(bit("10.00"), c.out);
        EXPECT_EQ(bit("W0.00"), c.work);
    }
}

// Paused before the OR BLK inside the IL region, the scan shows the two branches it joins: the
// result (CNT 90's done flag) and 0.03 on the block stack, above the IL's own entry.
TEST_F(ExtendedStepping, PausedInsideARegionShowsTheResultAndTheBlockStack) {
    panel.setSwitch(2, true);
    panel.setSwitch(3, true);
    debugger.setBreakpoint(11, true);
    ASSERT_EQ(plc.scanReference(), 0);
    ASSERT_EQ(debugger.currentLine(), 11);
    EXPECT_EQ(debugger.result(), bit("CNT 90"));
    const std::vector<bool> stack = debugger.blockStack();
    ASSERT_FALSE(stack.empty());
    EXPECT_TRUE(stack.front()); // 0.03, top first
    // The next line as the extended set reads it: its operand as typed, none for IL or ILC.
    const std::pair<int, const char*> next[] = {{12, "Next line 12: OUT W0.00"},
                                                {13, "Next line 13: ILC(03)"},
                                                {14, "Next line 14: END(01)"}};
    for (const auto& [line, shown] : next) {
        ASSERT_EQ(plc.stepLine(), 0);
        ASSERT_EQ(debugger.currentLine(), line);
        const std::string text = registerText(debugger);
        EXPECT_EQ(text.substr(0, text.find('\n')), shown);
    }
}

} // namespace
} // namespace rungbox::debug

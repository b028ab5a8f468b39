// SPDX-License-Identifier: GPL-3.0-or-later
// The register panel's text as a scan is stepped through line by line.

#include "debug/Registers.h"
#include "debug/Debugger.h"
#include "engine/Controller.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace rungbox::debug {
namespace {

// Each line as the panel names it when the scan stands before it: instructions with an operand
// show their LOCATION, END and the block combinations (which take none) do not.
TEST(RegisterText, NamesTheNextLineWithItsOperandOnlyWhereItHasOne) {
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    plc.setLadderTable(1, {"LD", 0, 0});
    plc.setLadderTable(2, {"LD", 1, 0});
    plc.setLadderTable(3, {"OR BLK", 0, 0});
    plc.setLadderTable(4, {"LD TIM", 2, 0});
    plc.setLadderTable(5, {"AND BLK", 0, 0});
    plc.setLadderTable(6, {"OUT", 1000, 0});
    plc.setLadderTable(7, {"END", 0, 0});
    plc.setSimulating(true);
    Debugger debugger(plc);
    EXPECT_EQ(registerText(debugger), "Between scans");
    const char* next[] = {"LD 1", "OR BLK", "LD TIM 2", "AND BLK", "OUT 1000", "END"};
    for (int line = 2; line <= 7; ++line) {
        ASSERT_EQ(plc.stepLine(), 0);
        const std::string text = registerText(debugger);
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "Next line " + std::to_string(line) + ": " + next[line - 2]);
    }
    ASSERT_EQ(plc.stepLine(), 0);
    EXPECT_EQ(registerText(debugger), "Between scans");
}

} // namespace
} // namespace rungbox::debug

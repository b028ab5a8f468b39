// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UsedAddresses.h"
#include "editor/Editor.h"

#include <gtest/gtest.h>

namespace rungbox::editor {
namespace {

using names::Address;

TEST(UsedAddresses, EachOperandAsItsInstructionReadsIt) {
    CodeGrid grid;
    setUpGrid(grid);
    const char* lines[][2] = {
        {"LD", "1000"},   {"AND NOT TIM", "2"}, {"OR CNT", "7"}, {"TIM", "2"},
        {"AND BLK", "5"}, {"LD", ""},           {"LD", "20001"}, {"OUT", "1000"},
        {"LD NOT", "0"},  {"END", ""},          {"LD", "3"},
    };
    for (int i = 0; i < static_cast<int>(std::size(lines)); ++i) {
        grid.setText(i + 1, kCodeCol, lines[i][0]);
        grid.setText(i + 1, kLocationCol, lines[i][1]);
    }
    EXPECT_EQ(addressOfLine(grid, 2), Address::timer(2));
    EXPECT_EQ(addressOfLine(grid, 5), std::nullopt) << "AND BLK has no operand";
    EXPECT_EQ(addressOfLine(grid, 6), std::nullopt) << "blank LOCATION";
    EXPECT_EQ(addressOfLine(grid, 7), std::nullopt) << "out of range";
    EXPECT_EQ(addressesUsed(grid), (std::vector<Address>{Address::relay(0), Address::relay(1000),
                                                         Address::timer(2), Address::counter(7)}))
        << "each once, in order, none after END";
}

} // namespace
} // namespace rungbox::editor

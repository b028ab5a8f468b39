// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridText.h"

namespace rungbox::editor::test {
namespace {

using Keys = Editing;

TEST_F(Keys, EachColumnTakesOnlyItsCharacters) {
    // Letters (upper-case whichever case names the key) and the blank go into the code column,
    // digits of the main keyboard into the other two; keypad digits, the characters next to the
    // ranges and keys made without their character append nothing.
    for (const auto& [col, typed] : {std::pair{1, "LAZ L"}, {2, "09"}, {3, "09"}}) {
        grid.select(5, col, 5, col);
        type({key('L'), key('A'), key('Z'), Key::Space, key('0'), key('9'),
              KeyPress::keypadDigit('0'), KeyPress::keypadDigit('9'), KeyPress::letter('l'),
              KeyPress::letter('@'), KeyPress::letter('['), KeyPress::letter('`'),
              KeyPress::letter('{'), KeyPress::digit('/'), KeyPress::digit(':'), Key::Letter,
              Key::Digit, Key::Other});
        EXPECT_EQ(grid.currentText(), typed) << "column " << col;
        EXPECT_EQ(grid.line(), 5);
        EXPECT_EQ(grid.column(), col);
    }
}

TEST_F(Keys, BackspaceAndEnter) {
    type("LD NOT");
    type({Key::Enter, key('1'), key('0'), Key::Enter, key('5'), Key::Backspace, Key::Backspace});
    EXPECT_EQ(cells(grid, 1), (Cells{"LD NOT", "10", ""})) << "an empty cell stays empty";
    // Enter's moves belong to the handler, whether or not the view adds its own.
    for (const auto& [row, col, toRow, toCol] :
         {std::array{5, 1, 5, 2}, {5, 2, 5, 3}, {5, 3, 6, 1}, {299, 1, 299, 2}, {299, 3, 299, 1}}) {
        grid.select(row, col, row, col);
        editor.handleKey(Key::Enter);
        EXPECT_EQ(grid.line(), toRow) << row << "," << col;
        EXPECT_EQ(grid.column(), toCol) << row << "," << col;
    }
}

TEST_F(Keys, DeleteAndInsertWithoutWholeLinesTouchOnlyTheCurrentCell) {
    // A single cell, a block of cells, and a drag from column 3 back to column 1.
    for (const auto& [row, col, rowSel, colSel] :
         {std::array{4, 2, 4, 2}, {4, 1, 6, 2}, {5, 3, 4, 1}}) {
        write(grid, 4, {{"LD", "1", "2"}, {"AND", "3", "4"}, {"OUT", "5", "6"}});
        grid.select(row, col, rowSel, colSel);
        type({Key::Delete, Key::Insert});
        EXPECT_EQ(grid.text(row, col), "");
        int emptied = 0;
        for (int r = 4; r <= 6; ++r) {
            const Cells line = cells(grid, r);
            emptied += line.code.empty() + line.location.empty() + line.setValue.empty();
        }
        EXPECT_EQ(emptied, 1) << "from " << row << "," << col;
    }
}

TEST_F(Keys, WholeLinesDeletedInEitherDragDirectionAndInsertedWhereTheDragBegan) {
    for (const bool downwards : {true, false}) {
        write(grid, 1,
              {{"L1"}, {"L2"}, {"L3"}, {"L4"}, {"L5"}, {"L6"}, {"L7", "700"}, {"L8"}, {"L9"}});
        grid.select(downwards ? 4 : 6, 1, downwards ? 6 : 4, 3);
        type({Key::Delete});
        EXPECT_EQ(codes(grid, 1, 10), "L1 L2 L3 L7 L8 L9 - - - -");
        EXPECT_EQ(cells(grid, 4), (Cells{"L7", "700"}));
        EXPECT_EQ(cells(grid, 7), Cells{});
        EXPECT_EQ(grid.selectionLine(), 4);
        EXPECT_EQ(grid.selectionColumn(), 1);
    }
    grid.select(4, 1, 2, 3);
    type({Key::Insert});
    EXPECT_EQ(codes(grid, 1, 8), "L1 L2 L3 - L7 L8 L9 -");
    EXPECT_EQ(grid.line(), 5);
}

TEST_F(Keys, StepAgainstTheEdgeKeepsAWholeLineSelection) {
    grid.select(1, 1, 1, 3);
    type({Key::Left, Key::Up});
    EXPECT_EQ(grid.selectionColumn(), 3);
    grid.select(5, 2, 7, 3);
    type({Key::Down});
    EXPECT_EQ(grid.selectionLine(), 6) << "a step that moves collapses it";
    EXPECT_EQ(grid.selectionColumn(), 2);
}

} // namespace
} // namespace rungbox::editor::test

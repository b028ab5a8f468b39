// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridText.h"

#include <tuple>

namespace rungbox::editor::test {
namespace {

using Lines = Editing;

TEST_F(Lines, InsertAndDeleteMoveOnlyTheProgram) {
    // insert?, cursor line, lines 1 to 9 after it, cursor line after it
    for (const auto& [insert, cursor, after, cursorAfter] :
         {std::tuple{true, 3, "LD AND - OUT LD END - - -", 4},
          {true, 1, "- LD AND OUT LD END - - -", 2},
          {true, 5, "LD AND OUT LD - END - - -", 6},
          {true, 8, "LD AND OUT LD END - - - -", 9}, // its location moves down
          {false, 3, "LD AND LD END - - - - -", 3},
          {false, 1, "AND OUT LD END - - - - -", 1},
          {false, 5, "LD AND OUT LD - - - - -", 5},
          {false, 8, "LD AND OUT LD END - - - -", 8}}) {
        SCOPED_TRACE(std::string(insert ? "insert at " : "delete at ") + std::to_string(cursor));
        editor.clearCode();
        write(grid, 1, {{"LD"}, {"AND"}, {"OUT"}, {"LD"}, {"END"}});
        grid.setText(cursor, kLocationCol, "55"); // blanked or moved with its line
        grid.select(cursor, 2, cursor, 2);
        insert ? editor.insertLine() : editor.deleteLine();
        EXPECT_EQ(codes(grid, 1, 9), after);
        EXPECT_EQ(grid.line(), cursorAfter);
        EXPECT_EQ(grid.column(), 2) << "the cursor keeps its column";
        EXPECT_EQ(grid.text(cursor, kLocationCol), "");
        EXPECT_EQ(grid.text(cursor, 0), std::to_string(cursor));
        EXPECT_EQ(grid.text(0, kCodeCol), "LADDER CODE");
    }
}

TEST_F(Lines, AllThreeCellsMoveAndAnEmptyLineInsideTheProgramMovesWithIt) {
    write(grid, 1, {{"L1"}, {"L2"}, {"L3", "3", "30"}, {"", "", "44"}, {"L5"}, {"", "6", "60"}});
    grid.setLine(2);
    editor.deleteLine();
    EXPECT_EQ(codes(grid, 1, 5), "L1 L3 - L5 -");
    EXPECT_EQ(cells(grid, 2), (Cells{"L3", "3", "30"}));
    EXPECT_EQ(cells(grid, 3), (Cells{"", "", "44"}));
    EXPECT_EQ(cells(grid, 6), (Cells{"", "6", "60"})) << "below the program nothing moves";
    editor.insertLine();
    EXPECT_EQ(codes(grid, 1, 5), "L1 - L3 - L5");
    EXPECT_EQ(cells(grid, 4), (Cells{"", "", "44"}));
    editor.insertLine();
    EXPECT_EQ(cells(grid, 6), Cells{"L5"});
    EXPECT_EQ(cells(grid, 8), (Cells{"", "6", "60"})) << "text below the program moves along";
}

// An ADD's operand line (empty code cell) at the end of an extended program moves up with the
// ADD when a line above is deleted; in a classic program such a line stays, as before.
TEST_F(Lines, DeletingAboveAnAddAtTheEndTakesItsOperandLineAlong) {
    for (const auto set : {engine::InstructionSet::Extended, engine::InstructionSet::Classic}) {
        const bool extended = set == engine::InstructionSet::Extended;
        SCOPED_TRACE(extended ? "extended" : "classic");
        editor.clearCode();
        grid.setInstructionSet(set);
        write(grid, 1, {{"LD", "0.00"}, {"LD", "0.01"}, {"ADD", "DM0", "#0001"}, {"", "DM0"}});
        grid.setLine(1);
        editor.deleteLine();
        EXPECT_EQ(cells(grid, 2), (Cells{"ADD", "DM0", "#0001"}));
        EXPECT_EQ(cells(grid, 3), extended ? (Cells{"", "DM0"}) : Cells{});
        EXPECT_EQ(cells(grid, 4), extended ? Cells{} : (Cells{"", "DM0"}));
    }
}

TEST_F(Lines, Line299) {
    write(grid, 1, {{"LD"}, {"AND"}, {"OUT"}, {"LD"}, {"END"}});
    write(grid, 299, {{"END", "1", "2"}});
    grid.select(3, 1, 3, 3);
    editor.insertLine();
    EXPECT_EQ(codes(grid, 1, 6), "LD AND OUT LD END -") << "no room: insert is refused";
    EXPECT_EQ(cells(grid, 299), (Cells{"END", "1", "2"}));
    EXPECT_EQ(grid.selectionColumn(), 3) << "the selection is left as it was";

    grid.setLine(298);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 298), (Cells{"END", "1", "2"}));
    EXPECT_EQ(cells(grid, 299), Cells{});
    editor.insertLine(); // may fill line 299
    EXPECT_EQ(cells(grid, 299), (Cells{"END", "1", "2"}));
    EXPECT_EQ(grid.line(), 299);

    write(grid, 299, {{"", "", "2"}});
    grid.setLine(1);
    editor.insertLine();
    EXPECT_EQ(codes(grid, 1, 2), "LD AND") << "text on line 299 leaves no room either";
}

TEST_F(Lines, ClearCodeAndTheGridsBounds) {
    write(grid, 299, {{" ", "2", "3"}});
    EXPECT_EQ(editor.lastUsedLine(), 299) << "a blank is text";
    grid.select(200, 3, 210, 1);
    editor.clearCode();
    for (int row = 1; row <= kLastLine; ++row) {
        ASSERT_EQ(cells(grid, row), Cells{}) << "line " << row;
        ASSERT_EQ(grid.text(row, 0), std::to_string(row));
    }
    EXPECT_EQ(cells(grid, 0), (Cells{"LADDER CODE", "LOCATION", "###"}));
    EXPECT_EQ(grid.selectionColumn(), 1);

    grid.setRowCount(400);
    EXPECT_EQ(grid.rowCount(), 300) << "the grid never grows past line 299";
    grid.setText(300, kCodeCol, "LD");
    grid.setText(1, 4, "LD");
    grid.setText(9, kLocationCol, "5");
    EXPECT_EQ(editor.lastUsedLine(), 0) << "only code cells inside the grid count";
}

} // namespace
} // namespace rungbox::editor::test

#include "GridText.h"

#include <gtest/gtest.h>

namespace rungbox::editor::test {
namespace {

using Codes = std::vector<std::string>;

const Codes kProgram = {"LD", "AND", "OUT", "LD", "END"};

class Lines : public testing::Test {
protected:
    Lines() { prepare(grid); }

    CodeGrid grid;
    Editor editor{grid};
};

// --- The examples: one operation on a five-line program -----------------------------------------

enum class Op { Insert, Delete };

struct LineOpRow {
    const char* name;
    Op op;
    int cursor;
    Codes after; // lines 1 to 9
    int cursorAfter;
};

class LineOp : public Lines, public testing::WithParamInterface<LineOpRow> {};

TEST_P(LineOp, MovesOnlyTheProgram) {
    const LineOpRow& row = GetParam();
    writeCodes(grid, kProgram);
    grid.setTextMatrix(row.cursor, kLocationCol, "55"); // blanked or moved with its line
    grid.select(row.cursor, 2, row.cursor, 2);
    if (row.op == Op::Insert) {
        editor.insertLine();
    } else {
        editor.deleteLine();
    }
    EXPECT_EQ(codes(grid, 1, 9), row.after);
    EXPECT_EQ(grid.Row(), row.cursorAfter);
    EXPECT_EQ(grid.Col(), 2) << "the cursor keeps its column";
    EXPECT_EQ(grid.TextMatrix(0, kCodeCol), "LADDER CODE");
    EXPECT_EQ(grid.TextMatrix(row.cursor, 0), std::to_string(row.cursor));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LineOp,
    testing::Values(
        LineOpRow{"InsertInside",
                  Op::Insert,
                  3,
                  {"LD", "AND", "-", "OUT", "LD", "END", "-", "-", "-"},
                  4},
        LineOpRow{"InsertAtFirst",
                  Op::Insert,
                  1,
                  {"-", "LD", "AND", "OUT", "LD", "END", "-", "-", "-"},
                  2},
        LineOpRow{"InsertAtLastUsed",
                  Op::Insert,
                  5,
                  {"LD", "AND", "OUT", "LD", "-", "END", "-", "-", "-"},
                  6},
        LineOpRow{"InsertBelowProgram",
                  Op::Insert,
                  8,
                  {"LD", "AND", "OUT", "LD", "END", "-", "-", "-", "-"},
                  8},
        LineOpRow{
            "DeleteInside", Op::Delete, 3, {"LD", "AND", "LD", "END", "-", "-", "-", "-", "-"}, 3},
        LineOpRow{
            "DeleteFirst", Op::Delete, 1, {"AND", "OUT", "LD", "END", "-", "-", "-", "-", "-"}, 1},
        LineOpRow{"DeleteLastUsed",
                  Op::Delete,
                  5,
                  {"LD", "AND", "OUT", "LD", "-", "-", "-", "-", "-"},
                  5},
        LineOpRow{"DeleteBelowProgram",
                  Op::Delete,
                  8,
                  {"LD", "AND", "OUT", "LD", "END", "-", "-", "-", "-"},
                  8}),
    [](const testing::TestParamInfo<LineOpRow>& info) { return info.param.name; });

TEST_F(Lines, InsertMovesAllThreeCellsAndBlanksTheNewLine) {
    write(grid, 1, {{"LD", "0", "x"}, {"TIM", "2", "50"}, {"END", "", ""}});
    grid.setRow(2);
    editor.insertLine();
    EXPECT_EQ(cells(grid, 2), (Cells{}));
    EXPECT_EQ(cells(grid, 3), (Cells{"TIM", "2", "50"}));
    EXPECT_EQ(cells(grid, 4), (Cells{"END", "", ""}));
}

TEST_F(Lines, DeleteBlanksEveryCellOfTheCursorLineBelowTheProgram) {
    writeCodes(grid, kProgram);
    write(grid, 8, {{"", "100", "20"}});
    grid.setRow(8);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 8), (Cells{}));
    EXPECT_EQ(codes(grid, 1, 5), kProgram);
}

TEST_F(Lines, DeleteWithNoLineUsedBlanksOnlyTheCursorLine) {
    write(grid, 7, {{"", "1", "2"}});
    write(grid, 9, {{"", "3", "4"}});
    grid.setRow(7);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 7), (Cells{}));
    EXPECT_EQ(cells(grid, 9), (Cells{"", "3", "4"}));
    EXPECT_EQ(grid.TextMatrix(0, 1), "LADDER CODE");
    EXPECT_EQ(grid.TextMatrix(0, 2), "LOCATION");
    EXPECT_EQ(grid.TextMatrix(0, 3), "###");
}

TEST_F(Lines, EmptyLineInsideTheProgramMovesWithIt) {
    writeCodes(grid, {"L1", "L2", "L3", "-", "L5", "L6"});
    grid.setTextMatrix(4, kSetValueCol, "44");
    grid.setRow(2);
    editor.deleteLine();
    EXPECT_EQ(codes(grid, 1, 7), (Codes{"L1", "L3", "-", "L5", "L6", "-", "-"}));
    EXPECT_EQ(cells(grid, 3), (Cells{"", "", "44"}));

    editor.insertLine(); // at line 2 again
    EXPECT_EQ(codes(grid, 1, 7), (Codes{"L1", "-", "L3", "-", "L5", "L6", "-"}));
    EXPECT_EQ(cells(grid, 4), (Cells{"", "", "44"}));
}

TEST_F(Lines, LocationOnlyLineBelowTheProgram) {
    writeCodes(grid, kProgram);
    write(grid, 6, {{"", "1234", "9"}});
    grid.setRow(2);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 5), (Cells{}));
    EXPECT_EQ(cells(grid, 6), (Cells{"", "1234", "9"})) << "delete leaves it in place";

    writeCodes(grid, kProgram);
    editor.insertLine(); // the old line 5 moves down over it
    EXPECT_EQ(cells(grid, 6), (Cells{"END", "", ""}));
}

TEST_F(Lines, InsertIsRefusedWhenLine299IsUsed) {
    writeCodes(grid, kProgram);
    write(grid, 299, {{"END", "1", "2"}});
    grid.select(3, 1, 3, 3);
    editor.insertLine();
    EXPECT_EQ(codes(grid, 1, 6), (Codes{"LD", "AND", "OUT", "LD", "END", "-"}));
    EXPECT_EQ(cells(grid, 299), (Cells{"END", "1", "2"}));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.ColSel(), 3) << "the selection is left as it was";

    grid.setRow(299);
    editor.insertLine();
    EXPECT_EQ(cells(grid, 299), (Cells{"END", "1", "2"}));
}

TEST_F(Lines, InsertMayFillLine299) {
    grid.setTextMatrix(298, kCodeCol, "END");
    grid.setRow(298);
    editor.insertLine();
    EXPECT_EQ(grid.TextMatrix(298, kCodeCol), "");
    EXPECT_EQ(grid.TextMatrix(299, kCodeCol), "END");
    EXPECT_EQ(grid.Row(), 299);
    EXPECT_EQ(grid.Rows(), 300);
}

TEST_F(Lines, DeleteOfLine299) {
    writeCodes(grid, {"LD"});
    write(grid, 299, {{"END", "1", "2"}});
    grid.setRow(298);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 298), (Cells{"END", "1", "2"}));
    EXPECT_EQ(cells(grid, 299), (Cells{}));
    grid.setRow(299);
    editor.deleteLine();
    EXPECT_EQ(cells(grid, 298), (Cells{"END", "1", "2"}));
    EXPECT_EQ(grid.Row(), 299);
}

TEST_F(Lines, LastUsedLineCountsCodeCellsOnly) {
    EXPECT_EQ(editor.lastUsedLine(), 0);
    write(grid, 9, {{"", "5", "6"}});
    EXPECT_EQ(editor.lastUsedLine(), 0);
    grid.setTextMatrix(3, kCodeCol, "LD");
    grid.setTextMatrix(7, kCodeCol, "OUT");
    EXPECT_EQ(editor.lastUsedLine(), 7);
    grid.setTextMatrix(299, kCodeCol, " ");
    EXPECT_EQ(editor.lastUsedLine(), 299) << "a blank is text";
}

TEST_F(Lines, ClearCodeEmptiesEveryLineAndKeepsTheNumbers) {
    write(grid, 1, {{"LD", "0", "1"}});
    write(grid, 299, {{"END", "2", "3"}});
    grid.select(200, 3, 210, 1);
    editor.setCodeChanged(true);
    editor.clearCode();
    for (int row = 1; row <= kLastLine; ++row) {
        ASSERT_EQ(cells(grid, row), (Cells{})) << "line " << row;
        ASSERT_EQ(grid.TextMatrix(row, 0), std::to_string(row));
    }
    EXPECT_EQ(grid.TextMatrix(0, kSetValueCol), "###");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.RowSel(), 1);
    EXPECT_EQ(grid.ColSel(), 1);
    EXPECT_TRUE(editor.codeChanged()) << "the caller owns the flag";
}

} // namespace
} // namespace rungbox::editor::test

#include "GridText.h"

#include <gtest/gtest.h>

namespace rungbox::editor::test {
namespace {

TEST(GridSetUp, HeadingsLineNumbersAndWidths) {
    CodeGrid grid;
    grid.setRows(2); // as the window description holds it
    setUpGrid(grid);

    EXPECT_EQ(grid.Rows(), 300);
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 1), "LADDER CODE");
    EXPECT_EQ(grid.TextMatrix(0, 2), "LOCATION");
    EXPECT_EQ(grid.TextMatrix(0, 3), "###");
    EXPECT_EQ(grid.TextMatrix(1, 0), "1");
    EXPECT_EQ(grid.TextMatrix(10, 0), "10");
    EXPECT_EQ(grid.TextMatrix(299, 0), "299");
    EXPECT_EQ(grid.TextMatrix(300, 0), "") << "there is no row 300";
    EXPECT_EQ(grid.ColWidth(0), 500);
    EXPECT_EQ(grid.ColWidth(1), 1500);
    EXPECT_EQ(grid.ColWidth(2), 1000);
    EXPECT_EQ(grid.ColWidth(3), 800);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);

    Editor editor(grid);
    EXPECT_EQ(editor.lastUsedLine(), 0);
    for (int row = 1; row <= kLastLine; ++row) {
        ASSERT_EQ(cells(grid, row), (Cells{})) << "line " << row;
    }
}

TEST(GridBounds, NothingIsWrittenOutsideTheGrid) {
    CodeGrid grid;
    setUpGrid(grid);
    grid.setRows(400);
    EXPECT_EQ(grid.Rows(), 300) << "the grid never grows past line 299";
    grid.setTextMatrix(300, 1, "LD");
    grid.setTextMatrix(-1, 1, "LD");
    grid.setTextMatrix(1, 4, "LD");
    EXPECT_EQ(grid.TextMatrix(300, 1), "");
    EXPECT_EQ(Editor(grid).lastUsedLine(), 0);
}

TEST(GridCursor, StaysOnEditableCellsAndPutsCollapseTheSelection) {
    CodeGrid grid;
    setUpGrid(grid);
    grid.setRow(0);
    grid.setCol(0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.setRow(300);
    EXPECT_EQ(grid.Row(), 299);

    grid.select(4, 1, 6, 3);
    grid.setRow(5);
    EXPECT_EQ(grid.RowSel(), 5);
    EXPECT_EQ(grid.ColSel(), 1);
    grid.select(4, 1, 6, 3);
    grid.setCol(2);
    EXPECT_EQ(grid.RowSel(), 4);
    EXPECT_EQ(grid.ColSel(), 2);
}

TEST(GridCursor, StepsAtTheEdgeDoNothing) {
    CodeGrid grid;
    setUpGrid(grid);
    // A whole line selected on line 1: stepping left or up has nowhere to go and keeps it.
    grid.select(1, 1, 1, 3);
    grid.stepLeft();
    grid.stepUp();
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.ColSel(), 3);

    grid.select(299, 3, 299, 3);
    grid.stepRight();
    grid.stepDown();
    EXPECT_EQ(grid.Row(), 299);
    EXPECT_EQ(grid.Col(), 3);

    grid.select(5, 2, 7, 3);
    grid.stepDown();
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.RowSel(), 6) << "a step that moves collapses the selection";
    EXPECT_EQ(grid.ColSel(), 2);
}

} // namespace
} // namespace rungbox::editor::test

#include "GridText.h"

#include <gtest/gtest.h>

namespace rungbox::editor::test {
namespace {

constexpr int kNoShift = 0;

class Keys : public testing::Test {
protected:
    Keys() { prepare(grid); }

    void type(std::initializer_list<int> keys, int shift = kNoShift) {
        for (int key : keys) {
            editor.pressKey(key, shift);
        }
    }
    void at(int row, int col) { grid.select(row, col, row, col); }

    CodeGrid grid;
    Editor editor{grid};
};

// --- What a key appends ----------------------------------------------------------------------

struct AppendRow {
    int col;
    int key;
    int shift;
    const char* result; // the cell after the key, starting from "X"
};

class Appending : public Keys, public testing::WithParamInterface<AppendRow> {};

TEST_P(Appending, AppendsOnlyWhatTheColumnTakes) {
    const AppendRow& row = GetParam();
    at(5, row.col);
    grid.setText("X");
    editor.pressKey(row.key, row.shift);
    EXPECT_EQ(grid.Text(), row.result);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), row.col);
    EXPECT_TRUE(editor.codeChanged());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Appending,
    testing::Values(
        // Letters are upper case whatever Shift; a blank only in the code column.
        AppendRow{1, 'L', kNoShift, "XL"}, AppendRow{1, 'D', KeyMod::Shift, "XD"},
        AppendRow{1, Key::A, kNoShift, "XA"}, AppendRow{1, Key::Z, kNoShift, "XZ"},
        AppendRow{1, Key::Space, kNoShift, "X "}, AppendRow{2, Key::Space, kNoShift, "X"},
        AppendRow{1, '5', kNoShift, "X"}, AppendRow{2, 'A', kNoShift, "X"},
        AppendRow{3, 'Z', KeyMod::Shift, "X"},
        // Digits of the main keyboard in columns 2 and 3 only, Shift or not.
        AppendRow{2, Key::Digit0, kNoShift, "X0"}, AppendRow{2, Key::Digit9, kNoShift, "X9"},
        AppendRow{3, '3', KeyMod::Shift, "X3"},
        // Keypad digits and other codes append nothing anywhere.
        AppendRow{2, Key::Numpad0, kNoShift, "X"}, AppendRow{3, Key::Numpad9, kNoShift, "X"},
        AppendRow{1, Key::Numpad0 + 1, kNoShift, "X"}, AppendRow{1, 64, kNoShift, "X"},
        AppendRow{1, 91, kNoShift, "X"}, AppendRow{2, 47, kNoShift, "X"},
        AppendRow{2, 58, kNoShift, "X"}));

TEST_F(Keys, TypingAnInstruction) {
    type({'l', 'd'}); // the view delivers upper-case codes; lower case ones are not letters
    EXPECT_EQ(grid.Text(), "");
    type({'L', 'D', Key::Space, 'N', 'O', 'T', Key::Return, '1', '0', '0', '0', Key::Return, '5'},
         KeyMod::Shift);
    EXPECT_EQ(cells(grid, 1), (Cells{"LD NOT", "1000", "5"}));
}

// --- Every key marks the program changed -------------------------------------------------------

class MarksChanged : public Keys, public testing::WithParamInterface<int> {};

TEST_P(MarksChanged, EvenWhenNothingChanges) {
    editor.setCodeChanged(false);
    editor.pressKey(GetParam(), kNoShift);
    EXPECT_TRUE(editor.codeChanged());
}

INSTANTIATE_TEST_SUITE_P(Keys, MarksChanged,
                         testing::Values(Key::Left, Key::Up, Key::Right, Key::Down, Key::PageUp,
                                         Key::PageDown, Key::Home, Key::End, 16 /* Shift */,
                                         17 /* Ctrl */, Key::Back, Key::Delete, Key::Insert,
                                         Key::Return, Key::Numpad0, '1'));

TEST_F(Keys, DisabledGridTakesNoKeys) {
    grid.setEnabled(false);
    type({'L', Key::Down, Key::Return, Key::Delete});
    EXPECT_FALSE(editor.codeChanged());
    EXPECT_EQ(grid.Text(), "");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

// --- Backspace and Delete of a cell ----------------------------------------------------------

TEST_F(Keys, BackspaceTakesTheLastCharacterInAnyColumn) {
    at(2, 1);
    type({Key::Back});
    EXPECT_EQ(grid.Text(), "") << "empty cell stays empty";
    grid.setText("TIM");
    type({Key::Back});
    EXPECT_EQ(grid.Text(), "TI");
    at(2, 3);
    grid.setText("600");
    type({Key::Back, Key::Back});
    EXPECT_EQ(grid.Text(), "6");
}

TEST_F(Keys, DeleteWithoutWholeLinesEmptiesOnlyTheCurrentCell) {
    write(grid, 4, {{"LD", "1", "2"}, {"AND", "3", "4"}, {"OUT", "5", "6"}});
    struct Selection {
        int row, col, rowSel, colSel;
    };
    // A single cell, a block of cells, and a drag from column 3 back to column 1.
    for (const Selection s :
         {Selection{4, 2, 4, 2}, Selection{4, 1, 6, 2}, Selection{5, 3, 4, 1}}) {
        write(grid, 4, {{"LD", "1", "2"}, {"AND", "3", "4"}, {"OUT", "5", "6"}});
        grid.select(s.row, s.col, s.rowSel, s.colSel);
        type({Key::Delete});
        EXPECT_EQ(grid.TextMatrix(s.row, s.col), "");
        int emptied = 0;
        for (int row = 4; row <= 6; ++row) {
            for (int col = 1; col <= 3; ++col) {
                emptied += grid.TextMatrix(row, col).empty() ? 1 : 0;
            }
        }
        EXPECT_EQ(emptied, 1) << "selection " << s.row << "," << s.col;
    }
}

// --- Enter -------------------------------------------------------------------------------------

struct EnterRow {
    int row, col;
    int toRow, toCol;
};

class Enter : public Keys, public testing::WithParamInterface<EnterRow> {};

TEST_P(Enter, MovesToTheNextCell) {
    const EnterRow& r = GetParam();
    at(r.row, r.col);
    grid.setText("7");
    // The moves belong to the handler, so they happen whether or not the view adds its own.
    editor.grdcode_KeyDown(Key::Return, kNoShift);
    EXPECT_EQ(grid.Row(), r.toRow);
    EXPECT_EQ(grid.Col(), r.toCol);
    EXPECT_EQ(grid.TextMatrix(r.row, r.col), "7") << "Enter changes no cell";
}

INSTANTIATE_TEST_SUITE_P(Keys, Enter,
                         testing::Values(EnterRow{5, 1, 5, 2}, EnterRow{5, 2, 5, 3},
                                         EnterRow{5, 3, 6, 1}, EnterRow{298, 3, 299, 1},
                                         EnterRow{299, 1, 299, 2}, EnterRow{299, 3, 299, 1}));

// --- Insert and Delete of whole lines -----------------------------------------------------------

TEST_F(Keys, DeleteRemovesSelectedLinesInEitherDragDirection) {
    for (const bool downwards : {true, false}) {
        writeCodes(grid, {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9"});
        grid.setTextMatrix(7, kLocationCol, "700");
        if (downwards) {
            grid.select(4, 1, 6, 3);
        } else {
            grid.select(6, 1, 4, 3);
        }
        type({Key::Delete});
        EXPECT_EQ(codes(grid, 1, 10), (std::vector<std::string>{"L1", "L2", "L3", "L7", "L8", "L9",
                                                                "-", "-", "-", "-"}))
            << (downwards ? "dragged down" : "dragged up");
        EXPECT_EQ(cells(grid, 4), (Cells{"L7", "700", ""}));
        EXPECT_EQ(cells(grid, 7), (Cells{}));
        EXPECT_EQ(grid.Row(), 4);
        EXPECT_EQ(grid.Col(), 1);
        EXPECT_EQ(grid.RowSel(), 4);
        EXPECT_EQ(grid.ColSel(), 1);
    }
}

TEST_F(Keys, DeleteOfTheWholeProgramLeavesNothing) {
    writeCodes(grid, {"LD", "OUT", "END"});
    grid.select(1, 1, 5, 3);
    type({Key::Delete});
    EXPECT_EQ(editor.lastUsedLine(), 0);
    EXPECT_EQ(grid.TextMatrix(0, kCodeCol), "LADDER CODE");
}

TEST_F(Keys, InsertOpensOneLineWhereTheSelectionBegan) {
    writeCodes(grid, {"L1", "L2", "L3", "L4", "L5"});
    grid.select(4, 1, 2, 3); // dragged from line 4 up to line 2
    type({Key::Insert});
    EXPECT_EQ(codes(grid, 1, 7),
              (std::vector<std::string>{"L1", "L2", "L3", "-", "L4", "L5", "-"}));
    EXPECT_EQ(grid.Row(), 5);
}

TEST_F(Keys, InsertWithoutWholeLinesDoesNothing) {
    writeCodes(grid, {"L1", "L2", "L3"});
    for (const auto& [col, colSel] : {std::pair{1, 2}, std::pair{3, 1}, std::pair{2, 3}}) {
        grid.select(2, col, 2, colSel);
        type({Key::Insert});
        EXPECT_EQ(codes(grid, 1, 4), (std::vector<std::string>{"L1", "L2", "L3", "-"}));
    }
}

// --- The grid's own cursor movement --------------------------------------------------------------

TEST_F(Keys, CursorKeysMoveWithinTheEditableCells) {
    at(5, 2);
    type({Key::Right, Key::Right});
    EXPECT_EQ(grid.Col(), 3);
    type({Key::Home});
    EXPECT_EQ(grid.Col(), 1);
    type({Key::End, Key::Up, Key::Up});
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 3);
    type({Key::PageUp});
    EXPECT_EQ(grid.Row(), 1);
    type({Key::PageDown, Key::Down});
    EXPECT_EQ(grid.Row(), 1 + kPageRows + 1);
    at(295, 1);
    type({Key::PageDown, Key::Down, Key::Left});
    EXPECT_EQ(grid.Row(), 299);
    EXPECT_EQ(grid.Col(), 1);
    editor.pressKey(Key::Home, KeyMod::Ctrl);
    EXPECT_EQ(grid.Row(), 1);
}

} // namespace
} // namespace rungbox::editor::test

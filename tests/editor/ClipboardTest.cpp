// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard's text form of code lines both ways, pasting lines and text, the keyboard's
// line selection, and Ctrl keys as commands that never type.

#include "GridText.h"
#include "editor/ClipboardText.h"

namespace rungbox::editor::test {
namespace {

using Clipboard = Editing;

TEST(ClipboardText, LinesGoToTextAndComeBackAsTheyWere) {
    CodeGrid grid;
    setUpGrid(grid);
    write(grid, 3, {{"LD NOT", "0", ""}, {}, {"TIM", "1", "50"}, {" ", "", "7"}});
    const std::string text = linesToText(grid, 3, 6);
    EXPECT_EQ(text, "LD NOT\t0\t\n\t\t\nTIM\t1\t50\n \t\t7\n");
    const auto lines = textToLines(text);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 4U);
    EXPECT_EQ((*lines)[2], (LineCells{"TIM", "1", "50"}));
    EXPECT_EQ((*lines)[1], LineCells{});
    EXPECT_EQ(linesToText(grid, 4, 4), "\t\t\n");
}

TEST(ClipboardText, OnlyThreeCellsOnEveryLineIsTheLineForm) {
    const std::pair<std::string_view, std::size_t> inForm[] = {
        {"LD\t0\t", 1},          // no line end after the last line
        {"LD\t0\t\r\n", 1},      // CR LF, as a spreadsheet on another system copies
        {"LD\t0\t\nEND\t\t", 2}, //
        {"\t\t\n\t\t\n", 2},     // empty lines are lines
    };
    for (const auto& [text, count] : inForm) {
        const auto lines = textToLines(text);
        ASSERT_TRUE(lines) << text;
        EXPECT_EQ(lines->size(), count) << text;
    }
    EXPECT_EQ((*textToLines("LD\t0\t\r\n"))[0], (LineCells{"LD", "0", ""}));
    for (const std::string_view text :
         {"", "\n", "LD", "LD\t0", "LD\t0\t\t", "LD\t0\t\n\n", "LD\t0\t\nOUT\t1000", "LD 0\n"}) {
        EXPECT_FALSE(textToLines(text)) << text;
    }
}

TEST(ClipboardText, OtherTextIsTypedByTheCellsRules) {
    EXPECT_EQ(typedText("and not 12;x", kCodeCol), "AND NOT X");
    EXPECT_EQ(typedText("and not 12;x", kLocationCol), "12");
    EXPECT_EQ(typedText("#1 000\n", kSetValueCol), "1000");
}

TEST_F(Clipboard, CopyCutAndPasteWholeLines) {
    write(grid, 1, {{"LD", "0"}, {"AND", "1"}, {"OUT", "1000"}, {"END"}});
    grid.select(2, kCodeCol, 2, kSetValueCol + 0);
    grid.select(2, kCodeCol, 3, kSetValueCol);
    EXPECT_EQ(editor.copyLines(), "AND\t1\t\nOUT\t1000\t\n");
    grid.select(2, kCodeCol, 3, kLocationCol);
    EXPECT_FALSE(editor.copyLines()) << "a block of cells is not whole lines";

    // Cut lines 2 and 3 (selected upwards), then paste them before END's line.
    grid.select(3, kCodeCol, 2, kSetValueCol);
    const auto cut = editor.cutLines();
    ASSERT_TRUE(cut);
    EXPECT_EQ(codes(grid, 1, 3), "LD END -");
    EXPECT_TRUE(editor.codeChanged());
    grid.setLine(2);
    EXPECT_EQ(editor.paste(*cut), PasteResult::Lines);
    EXPECT_EQ(codes(grid, 1, 5), "LD AND OUT END -");
    EXPECT_EQ(cells(grid, 3), (Cells{"OUT", "1000", ""}));
    EXPECT_TRUE(editor.wholeLinesSelected());
    EXPECT_EQ(std::pair(grid.line(), grid.selectionLine()), std::pair(2, 3));

    // Below the program the lines go where the cursor is.
    grid.setLine(8);
    editor.paste("X\t\t\n");
    EXPECT_EQ(codes(grid, 4, 8), "END - - - X");

    // Text below the program moves along rather than be overwritten.
    grid.setText(9, kLocationCol, "7");
    grid.setLine(1);
    editor.paste("Y\t\t\n");
    EXPECT_EQ(codes(grid, 1, 9), "Y LD AND OUT END - - - X");
    EXPECT_EQ(cells(grid, 10), (Cells{"", "7", ""}));
}

TEST_F(Clipboard, APasteThatWouldPushALinePast299ChangesNothing) {
    for (const auto& [last, at, count, fits] : {std::tuple{297, 10, 2, true},
                                                {297, 10, 3, false},
                                                {299, 299, 1, false},
                                                {10, 298, 2, true},
                                                {10, 299, 2, false},
                                                {0, 299, 1, true}}) {
        editor.clearCode();
        if (last > 0) {
            write(grid, last, {{"END"}});
        }
        grid.setLine(at);
        grid.setColumn(kLocationCol);
        editor.setCodeChanged(false);
        editor.history().clear();
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "LD\t" + std::to_string(i) + "\t\n";
        }
        EXPECT_EQ(editor.paste(text), fits ? PasteResult::Lines : PasteResult::NoRoom)
            << last << " " << at << " " << count;
        EXPECT_EQ(editor.codeChanged(), fits);
        if (!fits) {
            EXPECT_EQ(editor.lastUsedLine(), last);
            EXPECT_EQ(std::pair(grid.line(), grid.column()), std::pair(at, kLocationCol));
            EXPECT_FALSE(editor.history().canUndo());
        }
    }
}

TEST_F(Clipboard, OtherTextTypesIntoTheCurrentCell) {
    grid.select(4, kCodeCol, 4, kCodeCol);
    EXPECT_EQ(editor.paste("ld not"), PasteResult::Cell);
    grid.select(4, kLocationCol, 4, kLocationCol);
    EXPECT_EQ(editor.paste("x1y2"), PasteResult::Cell);
    EXPECT_EQ(editor.paste("no digits"), PasteResult::Nothing);
    EXPECT_EQ(cells(grid, 4), (Cells{"LD NOT", "12", ""}));
}

TEST_F(Clipboard, ShiftKeysSelectWholeLines) {
    write(grid, 1, {{"LD", "0"}, {"AND", "1"}, {"OUT", "1000"}, {"END"}});
    grid.select(2, kLocationCol, 2, kLocationCol);
    type({Key::Down, Key::Down}, KeyMod::Shift);
    EXPECT_EQ(std::tuple(grid.line(), grid.column(), grid.selectionLine(), grid.selectionColumn()),
              std::tuple(2, kCodeCol, 4, kSetValueCol));
    type({Key::Up, Key::Up, Key::Up}, KeyMod::Shift);
    EXPECT_EQ(std::pair(grid.line(), grid.selectionLine()), std::pair(2, 1));
    type({Key::Up}, KeyMod::Shift);
    EXPECT_EQ(grid.selectionLine(), 1) << "stops at line 1";
    // With lines 1 and 2 selected by keys alone, Delete removes them.
    type({Key::Delete});
    EXPECT_EQ(codes(grid, 1, 3), "OUT END -");

    // Shift+Space selects the line, except right after letters typed into a code cell, where it
    // is the blank between two words.
    editor.setCodeChanged(false);
    grid.select(2, kSetValueCol, 2, kSetValueCol);
    type({Key::Space}, KeyMod::Shift);
    EXPECT_TRUE(editor.wholeLinesSelected());
    EXPECT_FALSE(editor.codeChanged()) << "selecting is not an edit";
    grid.select(5, kCodeCol, 5, kCodeCol);
    type({Key::Space}, KeyMod::Shift);
    EXPECT_TRUE(editor.wholeLinesSelected()) << "an empty code cell";
    grid.select(1, kCodeCol, 1, kCodeCol);
    type({Key::Shift, key('A'), Key::Shift, Key::Space, key('B')}, KeyMod::Shift);
    EXPECT_EQ(grid.text(1, kCodeCol), "OUTA B");
    EXPECT_FALSE(editor.wholeLinesSelected());
    // A code cell with text, but the cursor just put there: not typing, so the line is selected.
    grid.select(1, kCodeCol, 1, kCodeCol);
    type({Key::Space}, KeyMod::Shift);
    EXPECT_EQ(grid.text(1, kCodeCol), "OUTA B");
    EXPECT_TRUE(editor.wholeLinesSelected());
}

TEST_F(Clipboard, CtrlKeysNeverTypeNorMarkTheProgramChanged) {
    grid.select(3, kCodeCol, 3, kCodeCol);
    for (int col = kCodeCol; col <= kSetValueCol; ++col) {
        grid.setColumn(col);
        for (const KeyPress k :
             {key('A'), key('C'), key('L'), key('V'), key('X'), key('Y'), key('Z'), key('5'),
              KeyPress(Key::Space), KeyPress(Key::Backspace), KeyPress(Key::Delete),
              KeyPress(Key::Insert), KeyPress(Key::Enter)}) {
            editor.pressKey(k, KeyMod::Ctrl);
            editor.pressKey(k, KeyMod::Ctrl | KeyMod::Shift);
        }
    }
    EXPECT_EQ(cells(grid, 3), Cells{});
    EXPECT_FALSE(editor.codeChanged());
    // Ctrl with a movement key still moves, as it always did.
    type({Key::End}, KeyMod::Ctrl);
    EXPECT_EQ(std::pair(grid.line(), grid.column()), std::pair(kLastLine, kSetValueCol));
    EXPECT_FALSE(editor.codeChanged());
}

} // namespace
} // namespace rungbox::editor::test

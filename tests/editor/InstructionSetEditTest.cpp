// SPDX-License-Identifier: GPL-3.0-or-later
// The instruction set as the editor meets it: what each cell takes in either set, and the switch
// as one undoable edit that a line of the extended set refuses.

#include "GridText.h"
#include "editor/TypedText.h"

namespace rungbox::editor::test {
namespace {

using engine::InstructionSet;
using InstructionSetEdits = Editing;

// The same keys typed into each cell of a classic and of an extended program. The marks come as
// their keys (a classic front end never makes them, yet the classic rules must not take them
// either), so classic cells keep exactly their letters-only and digits-only rules.
TEST_F(InstructionSetEdits, EachSetsCellsTakeTheirCharacters) {
    const std::string_view typed = "KEEP(11) HR0.05 #0100 P_1s";
    struct Case {
        InstructionSet set;
        int col;
        std::string expected;
    };
    const Case cases[] = {
        {InstructionSet::Classic, kCodeCol, "KEEP HR  PS"},
        {InstructionSet::Classic, kLocationCol, "1100501001"},
        {InstructionSet::Classic, kSetValueCol, "1100501001"},
        {InstructionSet::Extended, kCodeCol, "KEEP(11) HR005 0100 P1S"},
        {InstructionSet::Extended, kLocationCol, "KEEP11 HR0.05 0100 P_1S"},
        {InstructionSet::Extended, kSetValueCol, "11005#01001"},
    };
    for (const Case& c : cases) {
        grid.setInstructionSet(c.set);
        grid.select(4, c.col, 4, c.col);
        grid.setCurrentText("");
        for (const KeyPress k : keysOfText(typed, true)) {
            editor.pressKey(k);
        }
        EXPECT_EQ(grid.currentText(), c.expected) << "column " << c.col;
    }
    // For a classic program the text gives no mark keys at all: the marks are keys that type
    // nothing, as before.
    for (const char c : std::string_view(".#()_")) {
        EXPECT_EQ(keysOfText(std::string(1, c)).front(), KeyPress(Key::Other)) << c;
        EXPECT_EQ(keysOfText(std::string(1, c), true).front(), KeyPress::mark(c)) << c;
    }
}

TEST_F(InstructionSetEdits, SwitchIsOneUndoableEditThatMarksTheProgramChanged) {
    write(grid, 1, {{"LD", "0"}, {"OUT", "1000"}, {"END"}});
    EXPECT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Extended)), "");
    EXPECT_TRUE(grid.extended());
    EXPECT_TRUE(editor.codeChanged());
    EXPECT_EQ(editor.history().undoCount(), 1U);
    EXPECT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Extended)), "")
        << "already extended";
    EXPECT_EQ(editor.history().undoCount(), 1U);

    // Typing after the switch is a step of its own: undoing it keeps the program extended.
    grid.select(4, kCodeCol, 4, kCodeCol);
    type("LD");
    EXPECT_EQ(editor.history().undoCount(), 2U);
    ASSERT_TRUE(editor.undo());
    EXPECT_TRUE(grid.extended());
    ASSERT_TRUE(editor.undo());
    EXPECT_FALSE(grid.extended());
    ASSERT_TRUE(editor.redo());
    EXPECT_TRUE(grid.extended());

    editor.setCodeChanged(false);
    EXPECT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Classic)), "");
    EXPECT_FALSE(grid.extended());
    EXPECT_TRUE(editor.codeChanged());
}

TEST_F(InstructionSetEdits, BackToClassicRefusedWhileALineUsesTheExtendedSet) {
    write(grid, 1, {{"LD", "0"}, {"LD", "1"}, {"OUT", "1000"}, {"KEEP(11)", "10.00"}, {"END"}});
    ASSERT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Extended)), "");
    editor.setCodeChanged(false);
    const std::size_t steps = editor.history().undoCount();
    EXPECT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Classic)),
              "Line 4 uses the extended instruction set; the program stays extended.");
    EXPECT_TRUE(grid.extended());
    EXPECT_FALSE(editor.codeChanged());
    EXPECT_EQ(editor.history().undoCount(), steps);
    // Once the line is gone the program may become classic.
    write(grid, 4, {{"END"}});
    EXPECT_EQ(l10n::english(editor.setInstructionSet(InstructionSet::Classic)), "");
    EXPECT_FALSE(grid.extended());
}

} // namespace
} // namespace rungbox::editor::test

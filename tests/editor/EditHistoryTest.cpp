// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history against random edit sequences: every edit the keys and the clipboard make
// can be undone step by step back to the start and redone step by step to the end.

#include "GridText.h"
#include "editor/ClipboardText.h"

#include <random>

namespace rungbox::editor::test {
namespace {

std::vector<std::string> allCells(const CodeGrid& grid) {
    std::vector<std::string> cells;
    for (int row = 1; row <= kLastLine; ++row) {
        for (int col = kCodeCol; col <= kSetValueCol; ++col) {
            cells.push_back(grid.text(row, col));
        }
    }
    return cells;
}

struct History : Editing {
    // One random action: a key (typing, editing, moving, selecting, undo, redo), a click, or a
    // paste. Mostly near the top of the grid so that edits meet each other. True for an undo
    // or a redo.
    bool randomAction(std::mt19937& rng) {
        static constexpr std::array<KeyPress, 17> kKeys = {KeyPress::letter('L'),
                                                           KeyPress::letter('D'),
                                                           KeyPress::letter('O'),
                                                           KeyPress::letter('T'),
                                                           Key::Space,
                                                           KeyPress::digit('1'),
                                                           KeyPress::digit('9'),
                                                           Key::Backspace,
                                                           Key::Enter,
                                                           Key::Delete,
                                                           Key::Insert,
                                                           Key::Up,
                                                           Key::Down,
                                                           Key::Left,
                                                           Key::Right,
                                                           Key::Home,
                                                           Key::End};
        const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        switch (pick(12)) {
        case 0:
            grid.select(1 + pick(12), 1 + pick(3), 1 + pick(12), 1 + pick(3));
            break;
        case 1:
            editor.selectLine(1 + pick(12));
            break;
        case 2:
            editor.pressKey(pick(2) != 0 ? Key::Up : Key::Down, KeyMod::Shift);
            break;
        case 3:
            editor.pressKey(key(pick(3) == 0 ? 'Y' : 'Z'), KeyMod::Ctrl);
            return true;
        case 4:
            if (const auto cut = editor.cutLines()) {
                m_cut = *cut;
            }
            break;
        case 5:
            editor.paste(pick(2) != 0 ? m_cut : "LD\t1\t\nOUT\t1000\t\n");
            break;
        case 6:
            editor.paste("and 42");
            break;
        default:
            editor.pressKey(kKeys[static_cast<std::size_t>(pick(static_cast<int>(kKeys.size())))]);
            break;
        }
        return false;
    }
    std::string m_cut = "AND\t2\t\n";
};

TEST_F(History, UndoAllGivesBackTheStartAndRedoAllTheEnd) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        write(grid, 1, {{"LD", "0", ""}, {"TIM", "1", "50"}, {"OUT", "1000", ""}, {"END"}});
        editor.history().clear();
        grid.setLine(1);
        // states[k]: the cells while k steps can be undone.
        std::vector<std::vector<std::string>> states = {allCells(grid)};
        for (int action = 0; action < 300; ++action) {
            const std::size_t stepsBefore = editor.history().undoCount();
            const bool undoOrRedo = randomAction(rng);
            const std::size_t steps = editor.history().undoCount();
            auto now = allCells(grid);
            if (undoOrRedo) {
                ASSERT_EQ(now, states[steps]) << "seed " << seed << " action " << action;
            } else if (steps != stepsBefore || now != states[steps]) {
                // An edit: what could be redone is gone. (A cursor move keeps it.)
                EXPECT_FALSE(editor.history().canRedo());
                states.resize(steps + 1);
                states[steps] = std::move(now);
            }
        }
        // The end: every step made, also those the last actions undid.
        ASSERT_EQ(states.size(), editor.history().undoCount() + editor.history().redoCount() + 1);
        const auto end = states.back();
        while (editor.undo()) {
            ASSERT_EQ(allCells(grid), states[editor.history().undoCount()]) << "seed " << seed;
        }
        EXPECT_EQ(allCells(grid), states.front()) << "seed " << seed;
        while (editor.redo()) {
            ASSERT_EQ(allCells(grid), states[editor.history().undoCount()]) << "seed " << seed;
        }
        EXPECT_EQ(allCells(grid), end) << "seed " << seed;
        editor.clearCode();
    }
}

TEST_F(History, StepsAreWhatAUserUndoesAtOnce) {
    // A word typed into one cell is one step; moving on starts the next; Enter alone is none.
    type("LD NOT");
    type({Key::Enter, key('1'), key('2'), Key::Backspace});
    EXPECT_EQ(editor.history().undoCount(), 2U);
    editor.setCodeChanged(false);
    type("Z", KeyMod::Ctrl);
    EXPECT_EQ(cells(grid, 1), (Cells{"LD NOT", "", ""}));
    EXPECT_TRUE(editor.codeChanged()) << "an undo changes the program";
    EXPECT_EQ(grid.column(), kLocationCol) << "the cursor goes back to the undone edit";
    type("Z", KeyMod::Ctrl);
    EXPECT_EQ(cells(grid, 1), Cells{});
    EXPECT_FALSE(editor.undo());
    // Ctrl+Y and Ctrl+Shift+Z both redo.
    type("Y", KeyMod::Ctrl);
    type("Z", KeyMod::Ctrl | KeyMod::Shift);
    EXPECT_EQ(cells(grid, 1), (Cells{"LD NOT", "1", ""}));
    // A new edit forgets what could be redone.
    type("Z", KeyMod::Ctrl);
    type("5");
    EXPECT_FALSE(editor.redo());

    // Typing and rubbing it out again leaves nothing to undo, and what is typed next is a step
    // of its own, even where the word before it ended.
    editor.history().clear();
    grid.select(7, 1, 7, 1);
    type({key('A'), key('B'), Key::Backspace, Key::Backspace});
    EXPECT_FALSE(editor.history().canUndo());
    type({key('L'), Key::Right, Key::Left, key('D'), Key::Backspace, key('X')});
    editor.undo();
    EXPECT_EQ(grid.text(7, 1), "L");

    // Deleting three selected lines is one step, and so is a paste.
    write(grid, 1, {{"LD", "0"}, {"AND", "1"}, {"OR", "2"}, {"OUT", "1000"}, {"END"}});
    editor.history().clear();
    grid.select(2, kCodeCol, 4, kSetValueCol);
    type({Key::Delete});
    EXPECT_EQ(codes(grid, 1, 3), "LD END -");
    editor.paste("X\t\t\nY\t\t\n");
    EXPECT_EQ(editor.history().undoCount(), 2U);
    editor.undo();
    editor.undo();
    EXPECT_EQ(codes(grid, 1, 5), "LD AND OR OUT END");
}

TEST_F(History, KeepsAtMostItsLimitOfSteps) {
    for (std::size_t i = 0; i < EditHistory::kMaxSteps + 5; ++i) {
        grid.select(1 + static_cast<int>(i % 2), 2, 1 + static_cast<int>(i % 2), 2);
        type({key(static_cast<char>('0' + i % 10))});
    }
    EXPECT_EQ(editor.history().undoCount(), EditHistory::kMaxSteps);
}

} // namespace
} // namespace rungbox::editor::test

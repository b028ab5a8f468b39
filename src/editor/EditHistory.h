// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The undo history of the code grid: every edit of the cells is recorded as one step (the cells
// it changed, each with its text before and after, the cursor before and after, and the
// instruction set when the edit switched it), so that it can be undone and redone.

#include "CodeGrid.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace rungbox::editor {

/// The grid's current cell and selection corner, as CodeGrid::select takes them.
struct GridCursor {
    int line = 1;
    int column = 1;
    int selectionLine = 1;
    int selectionColumn = 1;

    static GridCursor of(const CodeGrid& grid) {
        return {grid.line(), grid.column(), grid.selectionLine(), grid.selectionColumn()};
    }
    bool operator==(const GridCursor&) const = default;
};

/// One cell an edit changed.
struct CellChange {
    int row = 0;
    int col = 0;
    std::string before;
    std::string after;
};

/// Records edits of the code lines' cells (rows 1 and below, columns 1 to 3) as undoable steps.
/// An edit is bracketed by begin() and commit(): begin() remembers the cells, commit() records
/// the cells that differ as one step. Brackets nest; only the outermost records, so an edit made
/// of smaller edits is one step.
class EditHistory {
public:
    /// What kind of edit a step is. Consecutive Typing steps in the same cell, with the cursor
    /// not moved between them (nor by them), merge into one step, as a text editor undoes a typed
    /// word at once.
    enum class Kind { Typing, Other };

    /// Steps kept for undo. Each step holds at most every cell of the grid, so the limit bounds
    /// the history to a few megabytes; the oldest steps are dropped first.
    static constexpr std::size_t kMaxSteps = 1000;

    /// Starts an edit of `grid`.
    void begin(const CodeGrid& grid);
    /// Ends the edit begun last. The outermost commit records the cells and the instruction set
    /// that changed since its begin() as one step (nothing changed: no step) and forgets the
    /// steps that could be redone.
    /// Answers true when a step was recorded or merged.
    bool commit(const CodeGrid& grid, Kind kind = Kind::Other);

    /// Puts the cells and the instruction set of the last step back as they were and the cursor
    /// where it was before it.
    /// Answers false (doing nothing) when there is nothing to undo.
    bool undo(CodeGrid& grid);
    /// Makes the last undone step again and puts the cursor where it was after it. Answers false
    /// (doing nothing) when there is nothing to redo.
    bool redo(CodeGrid& grid);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }

    /// Forgets every step (a new or loaded program starts a new history).
    void clear();

private:
    struct Step {
        std::vector<CellChange> changes;
        engine::InstructionSet setBefore = engine::InstructionSet::Classic;
        engine::InstructionSet setAfter = engine::InstructionSet::Classic;
        GridCursor before;
        GridCursor after;
        Kind kind = Kind::Other;
    };

    static void apply(CodeGrid& grid, const Step& step, bool forward);
    bool mergeTyping(Step& step);

    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    /// The cells of rows 1 and below, columns 1 to 3, row by row, as the outermost begin() saw
    /// them.
    std::vector<std::string> m_snapshot;
    int m_snapshotRows = 0;
    engine::InstructionSet m_snapshotSet = engine::InstructionSet::Classic;
    GridCursor m_snapshotCursor;
    /// The grid's cursorMoves() at the outermost begin(), and after the last recorded step.
    unsigned m_snapshotMoves = 0;
    unsigned m_movesAfterTop = 0;
    int m_depth = 0;
    /// The top step may take the next typing step: nothing was undone, redone or cleared since.
    bool m_mergeable = false;
};

} // namespace rungbox::editor

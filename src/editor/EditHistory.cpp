// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"

#include <cassert>

namespace rungbox::editor {

namespace {
constexpr int kFirstCol = kCodeCol;
constexpr int kCellsPerLine = kSetValueCol - kCodeCol + 1;
} // namespace

void EditHistory::begin(const CodeGrid& grid) {
    if (m_depth++ > 0) {
        return;
    }
    m_snapshotRows = grid.rowCount();
    m_snapshot.clear();
    m_snapshot.reserve(static_cast<std::size_t>((m_snapshotRows - 1) * kCellsPerLine));
    for (int row = 1; row < m_snapshotRows; ++row) {
        for (int col = kFirstCol; col <= kSetValueCol; ++col) {
            m_snapshot.push_back(grid.text(row, col));
        }
    }
    m_snapshotCursor = GridCursor::of(grid);
    m_snapshotSet = grid.instructionSet();
    m_snapshotMoves = grid.cursorMoves();
}

bool EditHistory::commit(const CodeGrid& grid, Kind kind) {
    assert(m_depth > 0 && "commit() without begin()");
    if (--m_depth > 0) {
        return false;
    }
    Step step;
    step.before = m_snapshotCursor;
    step.after = GridCursor::of(grid);
    step.kind = kind;
    step.setBefore = m_snapshotSet;
    step.setAfter = grid.instructionSet();
    // The row count does not change while the grid is edited; rows beyond either count read as
    // empty, so a change of it still records the cells that differ.
    const int rows = std::max(m_snapshotRows, grid.rowCount());
    for (int row = 1; row < rows; ++row) {
        for (int col = kFirstCol; col <= kSetValueCol; ++col) {
            const std::size_t at =
                static_cast<std::size_t>((row - 1) * kCellsPerLine + (col - kFirstCol));
            const std::string& before = at < m_snapshot.size() ? m_snapshot[at] : std::string();
            const std::string& after = grid.text(row, col);
            if (before != after) {
                step.changes.push_back({row, col, before, after});
            }
        }
    }
    m_snapshot.clear();
    if (step.changes.empty() && step.setBefore == step.setAfter) {
        return false;
    }
    m_redo.clear();
    // Typing continues the top step only when the cursor has not moved since it, nor during it.
    const bool untouched =
        m_snapshotMoves == m_movesAfterTop && grid.cursorMoves() == m_snapshotMoves;
    m_movesAfterTop = grid.cursorMoves();
    if (untouched && mergeTyping(step)) {
        return true;
    }
    m_undo.push_back(std::move(step));
    if (m_undo.size() > kMaxSteps) {
        m_undo.pop_front();
    }
    m_mergeable = kind == Kind::Typing;
    return true;
}

bool EditHistory::mergeTyping(Step& step) {
    if (!m_mergeable || step.kind != Kind::Typing || m_undo.empty() ||
        step.setBefore != step.setAfter) {
        return false;
    }
    Step& top = m_undo.back();
    if (top.kind != Kind::Typing || top.changes.size() != 1 || step.changes.size() != 1 ||
        top.after != step.before || top.changes[0].row != step.changes[0].row ||
        top.changes[0].col != step.changes[0].col) {
        return false;
    }
    top.changes[0].after = std::move(step.changes[0].after);
    top.after = step.after;
    if (top.changes[0].before == top.changes[0].after) {
        // Typed and rubbed out again: the cell is as it was, so there is nothing left to undo.
        m_undo.pop_back();
        m_mergeable = false;
    }
    return true;
}

void EditHistory::apply(CodeGrid& grid, const Step& step, bool forward) {
    for (const CellChange& change : step.changes) {
        grid.setText(change.row, change.col, forward ? change.after : change.before);
    }
    grid.setInstructionSet(forward ? step.setAfter : step.setBefore);
    const GridCursor& cursor = forward ? step.after : step.before;
    grid.select(cursor.line, cursor.column, cursor.selectionLine, cursor.selectionColumn);
}

bool EditHistory::undo(CodeGrid& grid) {
    assert(m_depth == 0);
    if (m_undo.empty()) {
        return false;
    }
    apply(grid, m_undo.back(), false);
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    m_mergeable = false;
    return true;
}

bool EditHistory::redo(CodeGrid& grid) {
    assert(m_depth == 0);
    if (m_redo.empty()) {
        return false;
    }
    apply(grid, m_redo.back(), true);
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    m_mergeable = false;
    return true;
}

void EditHistory::clear() {
    m_undo.clear();
    m_redo.clear();
    m_mergeable = false;
}

} // namespace rungbox::editor

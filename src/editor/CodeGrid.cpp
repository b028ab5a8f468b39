// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeGrid.h"

#include <algorithm>
#include <utility>

namespace rungbox::editor {

namespace {
const std::string kNoText;
} // namespace

CodeGrid::CodeGrid() : m_cells(kGridRows) {
    m_colWidth.fill(960);
}

const std::string& CodeGrid::text(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= kGridCols) {
        return kNoText;
    }
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void CodeGrid::setText(int row, int col, std::string text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= kGridCols) {
        return;
    }
    auto& cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (cell == text) {
        return;
    }
    cell = std::move(text);
    if (m_listener != nullptr) {
        m_listener->cellChanged(row, col);
    }
    if (row == m_markedLine) {
        markLine(0); // the line has been edited
    }
}

void CodeGrid::markLine(int row) {
    const int before = std::exchange(m_markedLine, row >= 1 && row < rowCount() ? row : 0);
    if (m_listener == nullptr || before == m_markedLine) {
        return;
    }
    for (const int line : {before, m_markedLine}) {
        for (int col = 0; line != 0 && col < kGridCols; ++col) {
            m_listener->cellChanged(line, col);
        }
    }
}

void CodeGrid::setLine(int row) {
    m_row = std::clamp(row, 1, std::max(1, rowCount() - 1));
    m_rowSel = m_row;
    m_colSel = m_col;
    cursorMoved();
}

void CodeGrid::setColumn(int col) {
    m_col = std::clamp(col, 1, kGridCols - 1);
    m_rowSel = m_row;
    m_colSel = m_col;
    cursorMoved();
}

void CodeGrid::select(int row, int col, int rowSel, int colSel) {
    const int lastRow = std::max(1, rowCount() - 1);
    m_row = std::clamp(row, 1, lastRow);
    m_col = std::clamp(col, 1, kGridCols - 1);
    m_rowSel = std::clamp(rowSel, 1, lastRow);
    m_colSel = std::clamp(colSel, 1, kGridCols - 1);
    cursorMoved();
}

void CodeGrid::setRowCount(int rows) {
    // At least the heading row and one line, so that the cursor always has an editable cell;
    // at most kGridRows, so that nothing can be written below line 299.
    m_cells.resize(static_cast<std::size_t>(std::clamp(rows, 2, kGridRows)));
    select(m_row, m_col, m_rowSel, m_colSel);
    if (m_listener != nullptr) {
        m_listener->layoutChanged();
    }
}

int CodeGrid::columnWidth(int col) const {
    return col >= 0 && col < kGridCols ? m_colWidth[static_cast<std::size_t>(col)] : 0;
}

void CodeGrid::setColumnWidth(int col, int pixels) {
    if (col < 0 || col >= kGridCols) {
        return;
    }
    m_colWidth[static_cast<std::size_t>(col)] = pixels;
    if (m_listener != nullptr) {
        m_listener->layoutChanged();
    }
}

void CodeGrid::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_listener != nullptr) {
        m_listener->layoutChanged();
    }
}

void CodeGrid::setInstructionSet(engine::InstructionSet set) {
    if (set == m_set) {
        return;
    }
    m_set = set;
    if (m_listener != nullptr) {
        m_listener->instructionSetChanged();
    }
}

void CodeGrid::stepRight() {
    if (m_col < kGridCols - 1) {
        setColumn(m_col + 1);
    }
}

void CodeGrid::stepDown() {
    if (m_row < rowCount() - 1) {
        setLine(m_row + 1);
    }
}

void CodeGrid::stepLeft() {
    if (m_col > 1) {
        setColumn(m_col - 1);
    }
}

void CodeGrid::stepUp() {
    if (m_row > 1) {
        setLine(m_row - 1);
    }
}

void CodeGrid::cursorMoved() {
    ++m_cursorMoves;
    if (m_listener != nullptr) {
        m_listener->cursorChanged();
    }
}

} // namespace rungbox::editor

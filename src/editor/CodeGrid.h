// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code grid: the ladder program as text cells, with a current cell and a selection. It is
// the one place the program lives while the application runs; the Qt grid view only shows it
// and forwards clicks and keys to it.

#include "engine/InstructionSet.h"

#include <array>
#include <string>
#include <vector>

namespace rungbox::editor {

/// The grid after set-up: row 0 is the heading row, rows 1 to 299 are code lines 1 to 299.
inline constexpr int kGridRows = 300;
inline constexpr int kLastLine = kGridRows - 1;
/// Column 0 holds the line numbers; columns 1 to 3 are the cells a user fills.
inline constexpr int kGridCols = 4;
inline constexpr int kCodeCol = 1;     ///< "LADDER CODE"
inline constexpr int kLocationCol = 2; ///< "LOCATION"
inline constexpr int kSetValueCol = 3; ///< "###"

/// The three cells of a code line (code, location, set value), as exact text.
using LineCells = std::array<std::string, 3>;

/// Told of every change of the grid, so that a view can repaint what changed.
class GridListener {
public:
    virtual ~GridListener() = default;
    virtual void cellChanged(int row, int col) = 0;
    /// The current cell or the selection moved.
    virtual void cursorChanged() = 0;
    /// The number of rows, a column width or `enabled` changed.
    virtual void layoutChanged() = 0;
    /// The program's instruction set changed.
    virtual void instructionSetChanged() {}
};

/// A table of text cells with a current cell (`line`, `column`, always an editable cell: row 1 or
/// below, column 1 to 3) and a selection spanning from the current cell to (`selectionLine`,
/// `selectionColumn`). Cells outside the grid read as empty text and ignore writes, so nothing can
/// be written past the last row.
class CodeGrid {
public:
    /// A grid of kGridRows rows by kGridCols columns, all cells empty, cursor on (1, 1).
    CodeGrid();

    /// The text of cell (row, col); empty outside the grid. Does not move the cursor.
    const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);

    /// The instruction set the program in the grid is written in; a new grid is classic.
    engine::InstructionSet instructionSet() const { return m_set; }
    void setInstructionSet(engine::InstructionSet set);
    bool extended() const { return m_set == engine::InstructionSet::Extended; }

    /// The text of the current cell.
    const std::string& currentText() const { return text(m_row, m_col); }
    void setCurrentText(std::string value) { setText(m_row, m_col, std::move(value)); }

    /// The current cell. Setting either collapses the selection to the new current cell; a
    /// value outside the editable cells is brought to the nearest editable one.
    int line() const { return m_row; }
    int column() const { return m_col; }
    void setLine(int row);
    void setColumn(int col);

    /// The selection's second corner.
    int selectionLine() const { return m_rowSel; }
    int selectionColumn() const { return m_colSel; }

    /// Sets the current cell and the selection's second corner at once, as a click or a drag in
    /// the view does. Values are brought into the editable cells.
    void select(int row, int col, int rowSel, int colSel);

    /// Number of rows, the heading row included: 2 (the heading row and one line) to kGridRows.
    /// The program holds at most 299 lines, so the grid never grows past row 299. Shrinking
    /// drops the rows below.
    int rowCount() const { return static_cast<int>(m_cells.size()); }
    void setRowCount(int rows);
    int columnCount() const { return kGridCols; }

    /// Width of column `col` in pixels at 96 dpi (a CSS pixel; a front end scales it to its
    /// screen as it scales its other sizes). 0 for a column outside the grid.
    int columnWidth(int col) const;
    /// Sets column `col`'s width in pixels at 96 dpi; a column outside the grid is ignored.
    void setColumnWidth(int col, int pixels);

    /// A disabled grid takes no keys and no clicks (the view checks it).
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    /// Cursor steps, as the arrow keys move the cursor. A step that moves collapses the selection
    /// to the new current cell; at the edge of the editable cells a step does nothing at all (the
    /// selection stays as it was).
    void stepRight();
    void stepDown();
    void stepLeft();
    void stepUp();

    /// Counts the moves of the current cell and the selection (any setLine, setColumn, select or
    /// step, also one that lands where the cursor was); for telling whether the cursor was touched
    /// between two edits. Wraps around.
    unsigned cursorMoves() const { return m_cursorMoves; }

    /// The line a refused start or a program error named (1 to 299), which views mark until it
    /// is edited; 0 for none. Writing any cell of the line, or another mark, clears it; the
    /// change is told as cellChanged() of each of the line's cells.
    int markedLine() const { return m_markedLine; }
    void markLine(int row);

    /// `listener` is told of every change; nullptr for none. Not owned.
    void setListener(GridListener* listener) { m_listener = listener; }

private:
    void cursorMoved();

    std::vector<std::array<std::string, kGridCols>> m_cells;
    std::array<int, kGridCols> m_colWidth{};
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    bool m_enabled = true;
    engine::InstructionSet m_set = engine::InstructionSet::Classic;
    unsigned m_cursorMoves = 0;
    int m_markedLine = 0;
    GridListener* m_listener = nullptr;
};

} // namespace rungbox::editor

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code grid as a Qt table model: model row r, column c is grid cell (r + 1, c + 1). The
// grid's heading row and line-number column become the model's header data.

#include "debug/Debugger.h"
#include "editor/CodeGrid.h"
#include "names/NameTable.h"

#include <QAbstractTableModel>

#include <vector>

namespace rungbox::ui {

class SessionSignals;

class CodeGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// Shows `grid` and follows its changes as `signals` tells them; both must outlive the
    /// model.
    CodeGridModel(editor::CodeGrid& grid, const SessionSignals& sessionSignals,
                  QObject* parent = nullptr);

    editor::CodeGrid& grid() { return m_grid; }

    /// Model index of grid cell (row, col); invalid for a heading cell.
    QModelIndex indexOfCell(int row, int col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Shows `debugger`'s breakpoints (a red dot by the line number) and the line a paused scan
    /// executes next (a yellow line). `debugger` must outlive the model; nullptr shows neither.
    void setDebugger(const debug::Debugger* debugger);
    /// Shows, as the tooltip of a code line's cells, the name and comment `names` gives the
    /// line's address (the window has no room for a column of them). `names` must outlive the
    /// model; nullptr shows none.
    void setNames(const names::NameTable* names) { m_names = names; }
    /// Reads the breakpoints and the current line again and repaints the lines that changed.
    void refreshDebugMarks();
    /// The line shown as the one a paused scan executes next; 0 for none.
    int currentLine() const { return m_currentLine; }
    /// Shows the line marks for a dark palette (see Shades.h).
    void setDark(bool dark) { m_dark = dark; }

signals:
    /// The grid's current cell or selection moved.
    void cursorMoved();
    /// A column width or the grid's Enabled changed.
    void appearanceChanged();

private:
    /// The background or text colour (`role`) of code line `line`: the paused scan's next
    /// line, else a marked line, else none (the view's own).
    QVariant lineColour(int line, int role) const;
    void gridCellChanged(int row, int col);
    QVariant nameTip(int line) const;
    void gridLayoutChanged();

    editor::CodeGrid& m_grid;
    /// Rows of the grid the model reports, heading row included.
    int m_rowsShown;
    const debug::Debugger* m_debugger = nullptr;
    const names::NameTable* m_names = nullptr;
    int m_currentLine = 0;
    bool m_dark = false;
    std::vector<int> m_breakpointsShown;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code grid on the main window: a table view over CodeGridModel. It has no cursor of its
// own: it shows the grid's current cell and selection, hands every key to the editor and turns
// clicks and drags into the grid's current cell and selection.

#include "CodeGridModel.h"
#include "editor/Editor.h"

#include <QTableView>

#include <utility>

namespace rungbox::ui {

class CodeGridView : public QTableView {
    Q_OBJECT

public:
    /// `editor` (and its grid) and `signals`, which tells of the grid's changes, must outlive
    /// the view; the view makes its own model of the grid.
    CodeGridView(editor::Editor& editor, const SessionSignals& sessionSignals,
                 QWidget* parent = nullptr);

    CodeGridModel& gridModel() { return m_model; }

    /// Shows `debugger`'s breakpoints and current line, and lets a click in the margin of the
    /// line numbers (their leftmost kBreakpointMargin pixels) toggle a line's breakpoint.
    /// `debugger` must outlive the view.
    void setDebugger(debug::Debugger* debugger);
    /// While true the view scrolls and takes margin clicks even though the grid is locked (a
    /// paused run); the cells still take no edits.
    void setBrowsable(bool browsable);
    /// Width in pixels of the breakpoint margin at the left of the line numbers.
    static constexpr int kBreakpointMargin = 14;

    /// Where the centre of line `row`'s number is, in the vertical header's coordinates; for
    /// tests that click line numbers.
    QPoint lineNumberCenter(int row) const;

signals:
    /// Ctrl+C, Ctrl+X and Ctrl+V in the grid: the clipboard commands, which GridClipboard
    /// carries out (the editor knows no clipboard).
    void copyRequested();
    void cutRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCursor();
    void applyAppearance();
    /// Grid row of the line number at `y` in the vertical header; 0 when there is none.
    int lineAt(int y) const;
    /// Grid cell at `pos` in the viewport; row 0 when there is none.
    std::pair<int, int> cellAt(const QPoint& pos) const;

    editor::Editor& m_editor;
    CodeGridModel m_model;
    // Where a drag over the cells or over the line numbers began (grid coordinates); row 0
    // while no drag runs.
    int m_anchorRow = 0;
    int m_anchorCol = 0;
    bool m_draggingLines = false;
    debug::Debugger* m_debugger = nullptr;
    bool m_browsable = false;
};

} // namespace rungbox::ui

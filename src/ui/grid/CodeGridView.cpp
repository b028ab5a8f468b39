// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeGridView.h"

#include "KeyTranslation.h"
#include "engine/AddressMap.h"
#include "ui/common/Shades.h"
#include "ui/common/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace rungbox::ui {

using editor::CodeGrid;
using editor::kCodeCol;
using editor::kSetValueCol;

namespace {
// Height of a grid row in pixels: 240 twips, a sixth of an inch.
constexpr int kRowHeight = 16;
// The grid's font size in points: "LADDER CODE" fits its column.
constexpr double kFontPoints = 8.25;
} // namespace

CodeGridView::CodeGridView(editor::Editor& editor, const SessionSignals& sessionSignals,
                           QWidget* parent)
    : QTableView(parent), m_editor(editor), m_model(editor.grid(), sessionSignals) {
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The selection is the grid's; the view never makes one of its own.
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->viewport()->installEventFilter(this);
    // While a run locks the grid its program stays readable: disabled cells keep text nearly as
    // strong as the palette's own.
    QPalette locked = palette();
    locked.setColor(QPalette::Disabled, QPalette::Text, shade(locked, QColor(70, 70, 70)));
    setPalette(locked);
    m_model.setDark(isDark(locked));
    // The grid's rows and columns are sized in pixels: its text keeps one size whatever the
    // desktop's font, so that the headings fit.
    QFont gridFont("DejaVu Sans");
    gridFont.setPointSizeF(kFontPoints);
    setFont(gridFont);

    connect(&m_model, &CodeGridModel::cursorMoved, this, &CodeGridView::showCursor);
    connect(&m_model, &CodeGridModel::appearanceChanged, this, &CodeGridView::applyAppearance);
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyAppearance();
        showCursor();
    });
    applyAppearance();
    showCursor();
}

QPoint CodeGridView::lineNumberCenter(int row) const {
    const QHeaderView* header = verticalHeader();
    const int section = row - 1;
    return {header->width() / 2,
            header->sectionViewportPosition(section) + header->sectionSize(section) / 2};
}

void CodeGridView::applyAppearance() {
    const CodeGrid& grid = m_model.grid();
    verticalHeader()->setFixedWidth(grid.columnWidth(0));
    for (int col = 1; col < grid.columnCount(); ++col) {
        setColumnWidth(col - 1, grid.columnWidth(col));
    }
    setEnabled(grid.enabled() || m_browsable);
}

void CodeGridView::setDebugger(debug::Debugger* debugger) {
    m_debugger = debugger;
    m_model.setDebugger(debugger);
}

void CodeGridView::setBrowsable(bool browsable) {
    m_browsable = browsable;
    applyAppearance();
}

void CodeGridView::showCursor() {
    const CodeGrid& grid = m_model.grid();
    const QModelIndex current = m_model.indexOfCell(grid.line(), grid.column());
    const QModelIndex corner = m_model.indexOfCell(grid.selectionLine(), grid.selectionColumn());
    if (!current.isValid() || !corner.isValid()) {
        return;
    }
    QItemSelectionModel* selection = selectionModel();
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    const QModelIndex topLeft = m_model.index(std::min(current.row(), corner.row()),
                                              std::min(current.column(), corner.column()));
    const QModelIndex bottomRight = m_model.index(std::max(current.row(), corner.row()),
                                                  std::max(current.column(), corner.column()));
    selection->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    // The line the selection was last extended to is brought into view (Shift+Down past the
    // bottom, say); for a single cell that is the current cell.
    scrollTo(m_model.index(corner.row(), current.column()));
}

void CodeGridView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const editor::KeyPress key = translateCellKey(*event, m_editor.grid().extended());
    const editor::KeyMods mods = translateModifiers(*event);
    if (mods.has(editor::KeyMod::Ctrl) && m_editor.grid().enabled()) {
        if (key == editor::KeyPress::letter('C')) {
            emit copyRequested();
            return;
        }
        if (key == editor::KeyPress::letter('X')) {
            emit cutRequested();
            return;
        }
        if (key == editor::KeyPress::letter('V')) {
            emit pasteRequested();
            return;
        }
    }
    // Every other key goes to the editor, which also makes the grid's own cursor movement.
    m_editor.pressKey(key, mods);
}

std::pair<int, int> CodeGridView::cellAt(const QPoint& pos) const {
    const int modelRow = rowAt(pos.y());
    const int modelCol = columnAt(pos.x());
    if (modelRow < 0 || modelCol < 0) {
        return {0, 0};
    }
    return {modelRow + 1, modelCol + 1};
}

int CodeGridView::lineAt(int y) const {
    const int section = verticalHeader()->logicalIndexAt(y);
    return section < 0 ? 0 : section + 1;
}

void CodeGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const auto [row, col] = cellAt(event->position().toPoint());
    if (row != 0 && !m_model.grid().enabled() && m_browsable) {
        m_model.grid().setLine(row); // a paused run: the line for F9, nothing to edit
        event->accept();
        return;
    }
    if (row == 0 || !m_model.grid().enabled()) {
        return;
    }
    m_anchorRow = row;
    m_anchorCol = col;
    m_draggingLines = false;
    m_model.grid().select(row, col, row, col);
    event->accept();
}

void CodeGridView::mouseMoveEvent(QMouseEvent* event) {
    if (m_anchorRow == 0 || m_draggingLines || !(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QPoint pos = event->position().toPoint();
    // A drag beyond the cells selects up to the nearest cell, scrolling as it goes.
    const QRect area = viewport()->rect();
    if (pos.y() >= area.bottom()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    } else if (pos.y() < area.top()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    }
    pos.setX(std::clamp(pos.x(), area.left(), area.right()));
    pos.setY(std::clamp(pos.y(), area.top(), area.bottom()));
    auto [row, col] = cellAt(pos);
    if (row == 0) {
        event->accept();
        return;
    }
    if (col == 0) {
        col = editor::kSetValueCol;
    }
    m_model.grid().select(m_anchorRow, m_anchorCol, row, col);
    event->accept();
}

void CodeGridView::mouseReleaseEvent(QMouseEvent* event) {
    m_anchorRow = 0;
    event->accept();
}

void CodeGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    // No in-place editing: a double click is two clicks.
    mousePressEvent(event);
}

bool CodeGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != verticalHeader()->viewport()) {
        return QTableView::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && m_debugger != nullptr &&
            pos.x() < kBreakpointMargin) {
            // One toggle per click: the second press of a double click is its own click.
            const int line = lineAt(pos.y());
            if (line >= 1 && line <= engine::kLastCodeLine) {
                m_debugger->toggleBreakpoint(line);
            }
            return true;
        }
        if (mouse->button() == Qt::LeftButton && !m_model.grid().enabled() && m_browsable &&
            lineAt(pos.y()) != 0) {
            m_model.grid().setLine(lineAt(pos.y())); // a paused run: the line for F9
        } else if (mouse->button() == Qt::LeftButton && m_model.grid().enabled()) {
            const int row = lineAt(pos.y());
            if (row != 0) {
                setFocus(Qt::MouseFocusReason);
                m_anchorRow = row;
                m_draggingLines = true;
                // A click on a line number selects the whole line.
                m_model.grid().select(row, kCodeCol, row, kSetValueCol);
            }
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_draggingLines && m_anchorRow != 0 && (mouse->buttons() & Qt::LeftButton)) {
            const int y = std::clamp(mouse->position().toPoint().y(), 0,
                                     verticalHeader()->viewport()->height() - 1);
            const int row = lineAt(y);
            if (row != 0) {
                // A drag over line numbers selects the block from where it began.
                m_model.grid().select(m_anchorRow, kCodeCol, row, kSetValueCol);
            }
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_anchorRow = 0;
        m_draggingLines = false;
        return true;
    default:
        return QTableView::eventFilter(watched, event);
    }
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeGridModel.h"

#include "editor/UsedAddresses.h"
#include "engine/AddressMap.h"
#include "names/NameTips.h"
#include "ui/app/SessionSignals.h"
#include "ui/common/Artwork.h"
#include "ui/common/CellText.h"
#include "ui/common/Shades.h"
#include "ui/common/UiText.h"

#include <QColor>

#include <algorithm>
#include <iterator>
#include <utility>

namespace rungbox::ui {

using editor::CodeGrid;

CodeGridModel::CodeGridModel(CodeGrid& grid, const SessionSignals& sessionSignals, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rowsShown(grid.rowCount()) {
    connect(&sessionSignals, &SessionSignals::cellChanged, this, &CodeGridModel::gridCellChanged);
    connect(&sessionSignals, &SessionSignals::cursorChanged, this, &CodeGridModel::cursorMoved);
    connect(&sessionSignals, &SessionSignals::gridLayoutChanged, this,
            &CodeGridModel::gridLayoutChanged);
}

QModelIndex CodeGridModel::indexOfCell(int row, int col) const {
    return index(row - 1, col - 1);
}

int CodeGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowsShown - 1;
}

int CodeGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.columnCount() - 1;
}

namespace {

// A light yellow behind the line a paused scan executes next.
const QColor kCurrentLine(255, 236, 110);
// A light red behind the line a refused start or a program error named, until it is edited.
const QColor kMarkedLine(255, 150, 150);
// The breakpoint dot, in pixels: it fits the 16-pixel line.
constexpr int kDotSize = 10;

} // namespace

QVariant CodeGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
        return lineColour(index.row() + 1, role);
    }
    if (role == Qt::ToolTipRole) {
        return nameTip(index.row() + 1);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    return shownText(m_grid.text(index.row() + 1, index.column() + 1));
}

QVariant CodeGridModel::lineColour(int line, int role) const {
    if (line != m_currentLine && line != m_grid.markedLine()) {
        return {};
    }
    // The marks are light under a light palette and dark under a dark one, their text in the
    // opposite.
    const QColor light = role == Qt::ForegroundRole ? QColor(Qt::black)
                         : line == m_currentLine    ? kCurrentLine
                                                    : kMarkedLine;
    return m_dark ? darkShade(light) : light;
}

QVariant CodeGridModel::nameTip(int line) const {
    const auto address = m_names != nullptr && line <= engine::kLastCodeLine
                             ? editor::addressOfLine(m_grid, line)
                             : std::nullopt;
    const std::string tip = names::lineTip(address ? m_names->find(*address) : nullptr);
    return tip.empty() ? QVariant() : QVariant(QString::fromStdString(tip));
}

QVariant CodeGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && (role == Qt::BackgroundRole || role == Qt::ForegroundRole)) {
        return lineColour(section + 1, role);
    }
    if (orientation == Qt::Vertical && m_debugger != nullptr) {
        const int line = section + 1;
        if (role == Qt::DecorationRole && line <= engine::kLastCodeLine &&
            m_debugger->breakpoint(line)) {
            return breakpointPixmap(kDotSize);
        }
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return uiLabel("Grid", m_grid.text(0, section + 1)); // the core's fixed headings
    }
    return shownText(m_grid.text(section + 1, 0));
}

Qt::ItemFlags CodeGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The grid has no editing of its own: every change comes through the editing keys.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CodeGridModel::setDebugger(const debug::Debugger* debugger) {
    m_debugger = debugger;
    refreshDebugMarks();
}

void CodeGridModel::refreshDebugMarks() {
    const int current = m_debugger != nullptr ? m_debugger->currentLine() : 0;
    std::vector<int> breakpoints;
    if (m_debugger != nullptr) {
        breakpoints = m_debugger->breakpointLines();
    }
    const auto repaintLine = [this](int line) {
        if (line >= 1 && line < m_rowsShown) {
            emit headerDataChanged(Qt::Vertical, line - 1, line - 1);
            emit dataChanged(index(line - 1, 0), index(line - 1, columnCount() - 1),
                             {Qt::BackgroundRole});
        }
    };
    if (current != m_currentLine) {
        const int before = std::exchange(m_currentLine, current);
        repaintLine(before);
        repaintLine(current);
    }
    if (breakpoints != m_breakpointsShown) {
        std::vector<int> changed;
        std::set_symmetric_difference(breakpoints.begin(), breakpoints.end(),
                                      m_breakpointsShown.begin(), m_breakpointsShown.end(),
                                      std::back_inserter(changed));
        m_breakpointsShown = std::move(breakpoints);
        for (const int line : changed) {
            repaintLine(line);
        }
    }
}

void CodeGridModel::gridCellChanged(int row, int col) {
    if (row == 0) {
        if (col > 0) {
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        }
        return;
    }
    if (row >= m_rowsShown) {
        return;
    }
    if (col == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        return;
    }
    const QModelIndex cell = indexOfCell(row, col);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void CodeGridModel::gridLayoutChanged() {
    if (m_grid.rowCount() != m_rowsShown) {
        beginResetModel();
        m_rowsShown = m_grid.rowCount();
        endResetModel();
        emit cursorMoved();
    }
    emit appearanceChanged();
}

} // namespace rungbox::ui

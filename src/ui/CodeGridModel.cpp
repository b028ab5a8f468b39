#include "CodeGridModel.h"

#include "CellText.h"

namespace rungbox::ui {

using editor::CodeGrid;

CodeGridModel::CodeGridModel(CodeGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rowsShown(grid.rowCount()) {
    m_grid.setListener(&m_listener);
}

CodeGridModel::~CodeGridModel() {
    m_grid.setListener(nullptr);
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

QVariant CodeGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return shownText(m_grid.text(index.row() + 1, index.column() + 1));
}

QVariant CodeGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::string& text =
        orientation == Qt::Horizontal ? m_grid.text(0, section + 1) : m_grid.text(section + 1, 0);
    return shownText(text);
}

Qt::ItemFlags CodeGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The grid has no editing of its own: every change comes through the editing keys.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DmTable.h"

#include "debug/WordFormat.h"
#include "engine/AddressMap.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rungbox::ui {

namespace {

enum Column { kWord, kValue, kColumns };

engine::WordAddress wordOfRow(int row) {
    return {engine::WordArea::Dm, engine::dmNumber(row)};
}

} // namespace

DmTable::DmTable(engine::Controller& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_controller(controller) {
    setObjectName("dmTable");
    setWindowTitle(tr("DM Table"));
    m_table = new QTableWidget(engine::kDmSlots, kColumns, this);
    m_table->setObjectName("dmTableView");
    m_table->setHorizontalHeaderLabels({"DM", tr("Value")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(20);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    for (int r = 0; r < engine::kDmSlots; ++r) {
        auto* word =
            new QTableWidgetItem(QString::fromStdString(engine::wordAddressText(wordOfRow(r))));
        word->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(r, kWord, word);
        m_table->setItem(r, kValue, new QTableWidgetItem);
    }
    m_refusal = new QLabel(this);
    m_refusal->setObjectName("dmRefusal");
    m_refusal->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_refusal);
    resize(340, 440); // room for a refusal on one line beside the two columns
    m_shown.assign(engine::kDmSlots, -1);
    connect(m_table, &QTableWidget::itemChanged, this, &DmTable::edited);
    refresh();
}

void DmTable::refresh() {
    m_writing = true;
    for (int r = 0; r < engine::kDmSlots; ++r) {
        const std::uint16_t value = m_controller.word(wordOfRow(r));
        if (m_shown[static_cast<std::size_t>(r)] != value) {
            m_shown[static_cast<std::size_t>(r)] = value;
            m_table->item(r, kValue)->setText(QString::fromStdString(engine::hexWordText(value)));
        }
    }
    m_writing = false;
}

bool DmTable::setValue(int row, const QString& typed) {
    const auto value = debug::parseTypedWord(typed.toStdString());
    if (!value || row < 0 || row >= engine::kDmSlots) {
        m_refusal->setText(tr("%1: not a word (#0000 to #FFFF, &0 to &65535)").arg(typed));
        m_shown[static_cast<std::size_t>(std::max(row, 0))] = -1; // shows the value again
        refresh();
        return false;
    }
    m_refusal->clear();
    m_controller.setWord(wordOfRow(row), *value);
    refresh();
    return true;
}

void DmTable::edited(QTableWidgetItem* item) {
    if (!m_writing && item->column() == kValue) {
        setValue(item->row(), item->text());
    }
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegisterWordsView.h"

#include "ui/common/Artwork.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

enum Column { kWord, kValue, kFormat, kForced, kColumns };

} // namespace

RegisterWordsView::RegisterWordsView(debug::Debugger& debugger, QWidget* parent)
    : QWidget(parent), m_debugger(debugger) {
    setObjectName("registerWords");
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName("registerWordTable");
    m_table->setHorizontalHeaderLabels({tr("Word"), tr("Value"), tr("Format"), tr("Forced")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_value = new QLineEdit(this);
    m_value->setObjectName("registerWordValue");
    m_value->setPlaceholderText("#0000, &0");
    m_force = new QPushButton(tr("Force word"), this);
    m_release = new QPushButton(tr("Release"), this);
    auto* forceRow = new QHBoxLayout;
    forceRow->addWidget(m_value, 1);
    forceRow->addWidget(m_force);
    forceRow->addWidget(m_release);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addLayout(forceRow);
    connect(m_force, &QPushButton::clicked, this, [this] { forceSelected(m_value->text()); });
    connect(m_release, &QPushButton::clicked, this, [this] { forceSelected({}); });
    hide();
}

void RegisterWordsView::refresh() {
    const std::vector<debug::WordRow> rows = m_words.rows(m_debugger.controller());
    setVisible(!rows.empty());
    const bool sameWords =
        rows.size() == m_shown.size() &&
        std::equal(rows.begin(), rows.end(), m_shown.begin(),
                   [](const auto& a, const auto& b) { return a.address == b.address; });
    if (!sameWords) {
        m_table->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < m_table->rowCount(); ++r) {
            for (const int c : {kWord, kValue, kForced}) {
                m_table->setItem(r, c, new QTableWidgetItem);
            }
            auto* format = new QComboBox(m_table);
            for (const debug::WordFormat f : debug::kWordFormats) {
                format->addItem(QString::fromUtf8(debug::wordFormatLabel(f).data()));
            }
            connect(format, &QComboBox::activated, this, [this, r](int index) {
                setFormat(r, debug::kWordFormats[static_cast<std::size_t>(index)]);
            });
            m_table->setCellWidget(r, kFormat, format);
        }
        m_shown.assign(rows.size(), {});
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (!(rows[k] == m_shown[k])) {
            showRow(static_cast<int>(k), rows[k]);
            m_shown[k] = rows[k];
        }
    }
    const int row = m_table->currentRow();
    const bool forceable = row >= 0 && static_cast<std::size_t>(row) < rows.size() &&
                           rows[static_cast<std::size_t>(row)].forceable &&
                           m_debugger.controller().simulating();
    m_force->setEnabled(forceable);
    m_release->setEnabled(forceable);
}

void RegisterWordsView::showRow(int row, const debug::WordRow& word) {
    m_table->item(row, kWord)->setText(QString::fromStdString(word.name));
    m_table->item(row, kValue)->setText(QString::fromStdString(word.text));
    QTableWidgetItem* forced = m_table->item(row, kForced);
    forced->setText(word.forced ? QString::fromStdString(engine::hexWordText(*word.forced)) : "");
    forced->setIcon(word.forced ? QIcon(lockPixmap(14)) : QIcon());
    if (auto* format = qobject_cast<QComboBox*>(m_table->cellWidget(row, kFormat))) {
        format->setCurrentIndex(static_cast<int>(word.format));
    }
}

void RegisterWordsView::setFormat(int row, debug::WordFormat format) {
    if (row >= 0 && static_cast<std::size_t>(row) < m_shown.size()) {
        m_words.setFormat(m_shown[static_cast<std::size_t>(row)].address, format);
        refresh();
    }
}

bool RegisterWordsView::forceSelected(const QString& typed) {
    const int row = m_table->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_shown.size()) {
        return false;
    }
    const engine::WordAddress address = m_shown[static_cast<std::size_t>(row)].address;
    bool done = true;
    if (typed.isEmpty()) {
        m_debugger.unforceWord(address);
    } else {
        const auto value = debug::parseTypedWord(typed.toStdString());
        done = value && m_debugger.forceWord(address, *value);
    }
    refresh();
    return done;
}

} // namespace rungbox::ui

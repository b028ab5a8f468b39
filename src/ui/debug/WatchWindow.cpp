// SPDX-License-Identifier: GPL-3.0-or-later
#include "WatchWindow.h"

#include "ui/common/Artwork.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

enum Column { kName, kValue, kSetValue, kOn, kForced, kColumns };

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

WatchWindow::WatchWindow(debug::Debugger& debugger, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_debugger(debugger) {
    setObjectName("watchWindow");
    setWindowTitle(tr("Watch"));

    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName("watchTable");
    m_table->setHorizontalHeaderLabels(
        {tr("Item"), tr("Value"), tr("Set"), tr("On/Done"), tr("Forced")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The item column takes the room the values leave: "TIM 2 DELAY" reads whole.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(20);

    m_entry = new QLineEdit(this);
    m_entry->setObjectName("watchEntry");
    m_entry->setPlaceholderText("1000, TIM 3, CNT 2");
    auto* add = new QPushButton(tr("Add"), this);
    m_remove = new QPushButton(tr("Remove"), this);
    m_forceOn = new QPushButton(tr("Force on"), this);
    m_forceOff = new QPushButton(tr("Force off"), this);
    m_release = new QPushButton(tr("Release"), this);

    m_format = new QComboBox(this);
    m_format->setObjectName("watchFormat");
    m_format->setToolTip(tr("How the selected word shows: hexadecimal, BCD or decimal"));
    for (const debug::WordFormat format : debug::kWordFormats) {
        m_format->addItem(QString::fromUtf8(debug::wordFormatLabel(format).data()));
    }
    m_wordValue = new QLineEdit(this);
    m_wordValue->setObjectName("watchWordValue");
    m_wordValue->setPlaceholderText("#0000, &0");
    m_forceWord = new QPushButton(tr("Force word"), this);
    m_forceWord->setObjectName("forceWordButton");

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(new QLabel(tr("Watch:"), this));
    entryRow->addWidget(m_entry, 1);
    entryRow->addWidget(add);
    entryRow->addWidget(m_remove);
    auto* forceRow = new QHBoxLayout;
    forceRow->addWidget(m_forceOn);
    forceRow->addWidget(m_forceOff);
    forceRow->addWidget(m_release);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(m_format);
    wordRow->addWidget(m_wordValue, 1);
    wordRow->addWidget(m_forceWord);
    // Why the last entry typed was refused; empty otherwise.
    m_refusal = new QLabel(this);
    m_refusal->setObjectName("watchRefusal");
    m_refusal->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(entryRow);
    layout->addWidget(m_refusal);
    layout->addLayout(forceRow);
    layout->addLayout(wordRow);
    resize(420, 300);

    const auto addTyped = [this] {
        if (addEntry(m_entry->text())) {
            m_entry->clear();
        }
    };
    connect(add, &QPushButton::clicked, this, addTyped);
    connect(m_entry, &QLineEdit::returnPressed, this, addTyped);
    connect(m_entry, &QLineEdit::textEdited, m_refusal, &QLabel::clear);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_table->currentRow();
        if (row >= 0) {
            m_list.remove(static_cast<std::size_t>(row));
            rebuild();
        }
    });
    connect(m_forceOn, &QPushButton::clicked, this, [this] { forceSelected(true); });
    connect(m_forceOff, &QPushButton::clicked, this, [this] { forceSelected(false); });
    connect(m_release, &QPushButton::clicked, this, [this] {
        forceSelected(std::nullopt);
        forceSelectedWord({});
    });
    connect(m_forceWord, &QPushButton::clicked, this,
            [this] { forceSelectedWord(m_wordValue->text()); });
    connect(m_format, &QComboBox::activated, this, [this](int index) {
        setSelectedFormat(debug::kWordFormats[static_cast<std::size_t>(index)]);
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] { updateButtons(); });

    updateButtons();
}

void WatchWindow::setNames(const names::NameTable* names) {
    m_names = names;
    m_entry->setPlaceholderText(text(debug::watchEntryHint(names)));
    rebuild();
}

bool WatchWindow::addEntry(const QString& typed) {
    const debug::TypedEntry read = debug::readTypedEntry(typed.toStdString(), m_names);
    m_refusal->setText(text(read.refusal));
    if (!read.entry) {
        return false;
    }
    if (m_list.add(*read.entry)) {
        rebuild();
        m_table->setCurrentCell(m_table->rowCount() - 1, 0);
    }
    return true;
}

void WatchWindow::forceSelected(std::optional<bool> on) {
    const int row = m_table->currentRow();
    if (row < 0) {
        return;
    }
    const debug::WatchEntry& entry = m_list.entries()[static_cast<std::size_t>(row)];
    if (!entry.forceable()) {
        return;
    }
    if (on) {
        m_debugger.force(entry.number, *on);
    } else {
        m_debugger.unforce(entry.number);
    }
    refresh();
}

bool WatchWindow::forceSelectedWord(const QString& typed) {
    const int row = m_table->currentRow();
    if (row < 0 || !m_debugger.controller().simulating()) {
        return false;
    }
    const debug::WatchEntry& entry = m_list.entries()[static_cast<std::size_t>(row)];
    if (!entry.wordForceable()) {
        return false;
    }
    if (typed.isEmpty()) {
        m_debugger.unforceWord(entry.word());
        refresh();
        return true;
    }
    const auto value = debug::parseTypedWord(typed.toStdString());
    m_refusal->setText(value ? QString()
                             : tr("%1: not a word (#0000 to #FFFF, &0 to &65535)").arg(typed));
    const bool forced = value && m_debugger.forceWord(entry.word(), *value);
    refresh();
    return forced;
}

void WatchWindow::setSelectedFormat(debug::WordFormat format) {
    const int row = m_table->currentRow();
    if (row >= 0 &&
        m_list.entries()[static_cast<std::size_t>(row)].kind == debug::WatchEntry::Kind::Word) {
        m_list.setFormat(static_cast<std::size_t>(row), format);
        refresh();
    }
}

void WatchWindow::rebuild() {
    m_table->setRowCount(static_cast<int>(m_list.entries().size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (m_table->item(r, c) == nullptr) {
                m_table->setItem(r, c, new QTableWidgetItem);
            }
        }
    }
    m_shown.clear();
    refresh();
    updateButtons();
}

void WatchWindow::refresh() {
    const std::vector<debug::WatchRow> rows = m_list.rows(m_debugger.controller());
    m_shown.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Only rows that changed are written, so an idle table costs nothing to repaint.
        if (m_table->item(static_cast<int>(i), kName)->text().isEmpty() ||
            !(rows[i] == m_shown[i])) {
            showRow(static_cast<int>(i), rows[i]);
            m_shown[i] = rows[i];
        }
    }
    updateButtons();
}

void WatchWindow::showRow(int index, const debug::WatchRow& row) {
    m_table->item(index, kName)->setText(text(debug::watchItemText(row, m_names)));
    m_table->item(index, kValue)->setText(text(row.value));
    m_table->item(index, kSetValue)->setText(text(row.setValue));
    m_table->item(index, kOn)->setText(row.on ? tr("on") : tr("off"));
    QTableWidgetItem* forced = m_table->item(index, kForced);
    const bool locked = row.forced || row.forcedWord;
    if (row.forcedWord) {
        forced->setText(text(engine::hexWordText(*row.forcedWord)));
    } else {
        forced->setText(row.forced ? (*row.forced ? tr("on") : tr("off")) : "");
    }
    forced->setIcon(locked ? QIcon(lockPixmap(14)) : QIcon());
}

void WatchWindow::updateButtons() {
    const int row = m_table->currentRow();
    const bool relay = row >= 0 && static_cast<std::size_t>(row) < m_list.entries().size() &&
                       m_list.entries()[static_cast<std::size_t>(row)].forceable();
    const bool running = m_debugger.controller().simulating();
    m_forceOn->setEnabled(relay && running);
    m_forceOff->setEnabled(relay && running);
    m_remove->setEnabled(row >= 0);
    const bool word =
        row >= 0 && static_cast<std::size_t>(row) < m_list.entries().size() &&
        m_list.entries()[static_cast<std::size_t>(row)].kind == debug::WatchEntry::Kind::Word;
    // Only extended programs have words: a classic program's window stays as it was.
    const bool extended =
        m_debugger.controller().instructionSet() == engine::InstructionSet::Extended ||
        (m_names != nullptr && m_names->instructionSet() == engine::InstructionSet::Extended);
    for (QWidget* part : std::initializer_list<QWidget*>{m_format, m_wordValue, m_forceWord}) {
        part->setVisible(extended);
    }
    m_format->setEnabled(word);
    if (word) {
        m_format->setCurrentIndex(static_cast<int>(m_list.format(static_cast<std::size_t>(row))));
    }
    m_forceWord->setEnabled(word && running &&
                            m_list.entries()[static_cast<std::size_t>(row)].wordForceable());
    m_release->setEnabled((relay || word) && running);
}

} // namespace rungbox::ui

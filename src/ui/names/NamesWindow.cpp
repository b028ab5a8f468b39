// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamesWindow.h"

#include "editor/UsedAddresses.h"
#include "names/NameEdits.h"
#include "ui/common/UiText.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace rungbox::ui {

namespace {

using names::Address;
using names::NameEntry;

QString qString(const std::string& s) {
    return QString::fromStdString(s);
}

// One edit of one address's name and comment, undone by putting back what was there.
class NameStepCommand : public QUndoCommand {
public:
    NameStepCommand(NamesWindow& window, names::NameStep step)
        : QUndoCommand(NamesWindow::tr("name %1").arg(qString(names::addressText(step.address)))),
          m_window(window), m_step(std::move(step)) {}

    void redo() override { m_window.put(m_step.address, m_step.after, m_step.index); }
    void undo() override { m_window.put(m_step.address, m_step.before, m_step.index); }

private:
    NamesWindow& m_window;
    names::NameStep m_step;
};

// The name cell's editor checks the name with every key and shows why it cannot be one.
class NameCheck : public QStyledItemDelegate {
public:
    NameCheck(NamesWindow& window, const std::vector<Address>& rows)
        : QStyledItemDelegate(&window), m_window(window), m_rows(rows) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto* line = qobject_cast<QLineEdit*>(editor);
        m_open = line;
        const auto row = static_cast<std::size_t>(index.row());
        if (line == nullptr || index.column() != NamesWindow::kNameColumn || row >= m_rows.size()) {
            return editor;
        }
        line->setObjectName("nameEditor");
        const Address address = m_rows[row];
        connect(line, &QLineEdit::textEdited, line, [this, line, address](const QString& typed) {
            const QString problem =
                typed.isEmpty() ? QString() : m_window.problemOf(address, typed);
            m_window.problemLabel()->setText(problem);
            line->setStyleSheet(problem.isEmpty() ? QString() : "color: #b00000;");
        });
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor == m_open) {
            m_open = nullptr;
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    /// The editor open in the table, or nullptr.
    QLineEdit* openEditor() const { return m_open.data(); }

private:
    NamesWindow& m_window;
    const std::vector<Address>& m_rows;
    mutable QPointer<QLineEdit> m_open;
};

} // namespace

NamesWindow::NamesWindow(editor::Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Window), m_editor(editor), m_follower(editor.names()) {
    setObjectName("namesWindow");
    setWindowTitle(tr("Names"));

    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName("namesTable");
    m_table->setHorizontalHeaderLabels({tr("Address"), tr("Name"), tr("Comment")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(kAddressColumn, 80);
    m_table->setColumnWidth(kNameColumn, 180);
    m_table->setItemDelegate(new NameCheck(*this, m_rows));

    m_problem = new QLabel(this);
    m_problem->setObjectName("namesProblem");
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet("color: #b00000;");

    m_undo = new QUndoStack(this);
    // Each step holds two entries of a few hundred bytes: a thousand are a few hundred KB.
    m_undo->setUndoLimit(1000);
    QAction* undo = m_undo->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(this, tr("Redo"));
    redo->setShortcuts({QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undo);
    addAction(redo);
    auto* undoButton = new QPushButton(tr("Undo"), this);
    undoButton->setObjectName("namesUndo");
    auto* redoButton = new QPushButton(tr("Redo"), this);
    redoButton->setObjectName("namesRedo");
    connect(undoButton, &QPushButton::clicked, undo, &QAction::trigger);
    connect(redoButton, &QPushButton::clicked, redo, &QAction::trigger);
    connect(m_undo, &QUndoStack::canUndoChanged, undoButton, &QPushButton::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, redoButton, &QPushButton::setEnabled);
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_problem, 1);
    buttons->addWidget(undoButton);
    buttons->addWidget(redoButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(520, 420);

    connect(m_table, &QTableWidget::cellChanged, this, &NamesWindow::cellEdited);
    rebuild();
}

NamesWindow::~NamesWindow() {
    // The table goes first, while the rows its delegate checks against are still here: an editor
    // it closes on the way commits its text to the table alone, not to a window being destroyed.
    m_table->disconnect(this);
    delete m_table;
}

void NamesWindow::refresh() {
    if (m_follower.follow(m_editor.names())) {
        m_undo->clear();
    }
    showProblem({}); // about the program before, or an edit before the window was closed
    if (isVisible()) {
        rebuild();
    }
}

QString NamesWindow::problemOf(Address address, const QString& name) const {
    const auto problem = m_editor.names().nameProblemFor(name.toStdString(), address);
    return problem ? uiLabel("Names", *problem) : QString();
}

bool NamesWindow::setName(Address address, const QString& name) {
    return take(names::nameEdit(m_editor.names(), address, name.toStdString()));
}

bool NamesWindow::setComment(Address address, const QString& comment) {
    return take(names::commentEdit(m_editor.names(), address, comment.toStdString()));
}

bool NamesWindow::addAddress(const QString& typed) {
    const auto address =
        names::typedAddress(typed.toStdString(), m_editor.names().instructionSet());
    if (!address) {
        showProblem(uiLabel("Names", names::kNotAnAddress));
        return false;
    }
    if (std::find(m_rows.begin(), m_rows.end(), *address) == m_rows.end()) {
        m_follower.add(*address);
    }
    showProblem({});
    if (m_inEdit) {
        QTimer::singleShot(0, this, [this] { rebuildKeepingEdit(); });
    } else {
        rebuild();
    }
    return true;
}

bool NamesWindow::take(names::NameEdit edit) {
    showProblem(uiLabel("Names", edit.problem));
    if (edit.step) {
        m_undo->push(new NameStepCommand(*this, std::move(*edit.step)));
    }
    return !edit.refused();
}

void NamesWindow::put(Address address, const std::optional<NameEntry>& entry,
                      std::optional<std::size_t> index) {
    names::NameTable& table = m_editor.names();
    names::putEntry(table, address, entry, index.value_or(table.lines().size()));
    m_follower.edited(table);
    m_editor.setCodeChanged(true);
    if (m_inEdit) {
        // Called from the edited cell's own change: its row is rebuilt once that is over, when
        // Tab or Enter may have opened the next cell already.
        QTimer::singleShot(0, this, [this] { rebuildKeepingEdit(); });
    } else {
        rebuild();
    }
    emit namesChanged();
}

void NamesWindow::showProblem(const QString& problem) {
    m_problem->setText(problem);
}

// Named addresses in the table's order, then the program's unnamed addresses and those added,
// in address order, then the empty row.
void NamesWindow::rebuild() {
    const names::NameTable& table = m_editor.names();
    std::vector<Address> candidates = editor::addressesUsed(m_editor.grid());
    candidates.insert(candidates.end(), m_follower.added().begin(), m_follower.added().end());
    m_rows = names::nameRows(table, std::move(candidates));

    m_rebuilding = true;
    m_table->setRowCount(static_cast<int>(m_rows.size()) + 1);
    for (int r = 0; r <= static_cast<int>(m_rows.size()); ++r) {
        const bool last = r == static_cast<int>(m_rows.size());
        const NameEntry* entry = last ? nullptr : table.find(m_rows[static_cast<std::size_t>(r)]);
        const QString cells[kColumns] = {
            last ? QString()
                 : qString(names::addressText(m_rows[static_cast<std::size_t>(r)],
                                              table.instructionSet())),
            entry ? qString(entry->name) : QString(), entry ? qString(entry->comment) : QString()};
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            const bool editable = last ? c == kAddressColumn : c != kAddressColumn;
            item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                    : item->flags() & ~Qt::ItemIsEditable);
            m_table->setItem(r, c, item);
        }
    }
    m_rebuilding = false;
}

void NamesWindow::cellEdited(int row, int column) {
    if (m_rebuilding) {
        return;
    }
    const QString typed = m_table->item(row, column)->text();
    const auto r = static_cast<std::size_t>(row);
    bool done = true;
    m_inEdit = true;
    if (r >= m_rows.size()) {
        done = typed.isEmpty() || addAddress(typed);
    } else if (column == kNameColumn) {
        done = setName(m_rows[r], typed.trimmed());
    } else if (column == kCommentColumn) {
        done = setComment(m_rows[r], typed);
    }
    m_inEdit = false;
    if (!done) {
        // The table keeps what it had; the refused text stays in the cell's editor to be put
        // right, with the reason shown.
        const std::optional<Address> address =
            r < m_rows.size() ? std::optional<Address>(m_rows[r]) : std::nullopt;
        QTimer::singleShot(0, this, [this, address, column, typed] {
            const QString problem = m_problem->text();
            rebuild();
            editAt(address, column, typed);
            showProblem(problem);
        });
    }
}

namespace {
NameCheck& nameCheck(const QTableWidget& table) {
    return *static_cast<NameCheck*>(table.itemDelegate());
}
} // namespace

// The rows may move under the user's hands: a name given moves its row up among the named
// ones. The current cell, and an editor open in it with what is typed there, stay with the
// address they were on, not with the row number.
void NamesWindow::rebuildKeepingEdit() {
    const QModelIndex current = m_table->currentIndex();
    const auto row = static_cast<std::size_t>(current.row());
    if (!current.isValid()) {
        rebuild();
        return;
    }
    const std::optional<Address> address =
        row < m_rows.size() ? std::optional<Address>(m_rows[row]) : std::nullopt;
    QLineEdit* editor = nameCheck(*m_table).openEditor();
    const QString typed = editor != nullptr ? editor->text() : QString();
    if (editor != nullptr) {
        // Closed without taking its text, which goes to the editor on the address's row.
        emit m_table->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    rebuild();
    if (editor != nullptr) {
        editAt(address, current.column(), typed);
    } else if (const int moved = rowOf(address); moved >= 0) {
        m_table->setCurrentCell(moved, current.column());
    }
}

int NamesWindow::rowOf(std::optional<Address> address) const {
    if (!address) {
        return static_cast<int>(m_rows.size()); // the empty last row
    }
    const auto it = std::find(m_rows.begin(), m_rows.end(), *address);
    return it == m_rows.end() ? -1 : static_cast<int>(it - m_rows.begin());
}

void NamesWindow::editAt(std::optional<Address> address, int column, const QString& typed) {
    const int row = rowOf(address);
    QTableWidgetItem* item = row >= 0 ? m_table->item(row, column) : nullptr;
    if (item == nullptr || !(item->flags() & Qt::ItemIsEditable)) {
        return;
    }
    m_table->setCurrentCell(row, column);
    m_table->editItem(item);
    if (QLineEdit* editor = nameCheck(*m_table).openEditor()) {
        editor->setText(typed);
    }
}

} // namespace rungbox::ui

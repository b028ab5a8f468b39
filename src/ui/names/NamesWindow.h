// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// View > Names: the program's symbol table as a table of address, name and comment, with the
// addresses the program uses and has no name for listed after the named ones, and an empty last
// row whose address cell takes a further address. Names are checked as they are typed; every
// edit is one undoable step (Ctrl+Z, Ctrl+Y) and marks the program changed.

#include "editor/Editor.h"
#include "names/NameEdits.h"
#include "names/NameTable.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;
class QUndoStack;

namespace rungbox::ui {

class NamesWindow : public QWidget {
    Q_OBJECT

public:
    enum Column { kAddressColumn, kNameColumn, kCommentColumn, kColumns };

    /// Edits the names of `editor`, which must outlive the window.
    explicit NamesWindow(editor::Editor& editor, QWidget* parent = nullptr);
    ~NamesWindow() override;

    /// Shows the names and the program's addresses as they are now. A table that changed other
    /// than through this window (a program loaded, New) forgets the undo steps of the old one.
    void refresh();

    /// Names `address` (an empty name removes its name and comment). False, with the reason
    /// shown, when the name breaks a rule. One undo step.
    bool setName(names::Address address, const QString& name);
    /// Sets the comment of a named `address`. False, with the reason shown, when it has no name
    /// or the comment is refused. One undo step.
    bool setComment(names::Address address, const QString& comment);
    /// Lists `text` ("2005", "TIM 3") as an address to name; false when it is none.
    bool addAddress(const QString& text);
    /// Why `name` cannot name `address`, empty when it can: what the window shows as it is typed.
    QString problemOf(names::Address address, const QString& name) const;

    QTableWidget* table() const { return m_table; }
    QLabel* problemLabel() const { return m_problem; }
    QUndoStack& undoStack() const { return *m_undo; }

    /// Puts `entry` as the state of `address` (nothing: no name), at line `index` of the table
    /// when it is new there. What an undo step does and undoes.
    void put(names::Address address, const std::optional<names::NameEntry>& entry,
             std::optional<std::size_t> index);

signals:
    /// The names changed through this window.
    void namesChanged();

private:
    void rebuild();
    void rebuildKeepingEdit();
    /// The row of `address` (nothing: the empty last row), or -1.
    int rowOf(std::optional<names::Address> address) const;
    /// Opens the editor of `address`'s cell in `column` holding `typed`.
    void editAt(std::optional<names::Address> address, int column, const QString& typed);
    void cellEdited(int row, int column);
    void showProblem(const QString& problem);
    /// Shows why `edit` is refused, or takes its step as one undo step; false when refused.
    bool take(names::NameEdit edit);

    editor::Editor& m_editor;
    QTableWidget* m_table = nullptr;
    QLabel* m_problem = nullptr;
    QUndoStack* m_undo = nullptr;
    /// The table as this window last left it, to tell a replaced table from its own edits, and
    /// the addresses typed into the last row and not named yet.
    names::NameFollower m_follower;
    /// The address of each row; the last, empty row has none.
    std::vector<names::Address> m_rows;
    bool m_rebuilding = false;
    bool m_inEdit = false; ///< within cellEdited
};

} // namespace rungbox::ui

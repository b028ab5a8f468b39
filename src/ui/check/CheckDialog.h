// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Check With Script...: a script run on the program in the grid, in a session of its
// own so that nothing in the window changes, and its tests listed: passed, or failed with what
// was expected and what came, and the points. A double click on a failed test opens the timing
// diagram of that run at the failure.

#include "session/Session.h"
#include "sim/ScriptCheck.h"

#include <QDialog>
#include <QPointer>

#include <string>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace rungbox::ui {

class TimingWindow;

class CheckDialog : public QDialog {
    Q_OBJECT

public:
    /// The columns of the test list.
    enum Column { NameColumn, ResultColumn, PointsColumn, ExpectedColumn, GotColumn, WhenColumn };
    /// The filter of the script's open dialog, its description in the user's language.
    static std::string scriptFilter();

    /// `ports` serve the timing diagram's export dialogs and boxes; they must outlive the dialog.
    CheckDialog(const session::Ports& ports, QWidget* parent = nullptr);
    ~CheckDialog() override;

    /// Asks for a script with the open dialog of `main`'s ports and, unless cancelled, runs it on
    /// the program in `main`'s grid and shows the dialog (deleted when closed).
    static CheckDialog* askAndCheck(session::Session& main, QWidget* parent);

    /// Runs the script at `path` on a copy of `grid`'s program and lists its tests. A script that
    /// cannot be read, or that ends before its tests are known, is explained above the list.
    void check(const std::string& path, const editor::CodeGrid& grid,
               const names::NameTable& names);

    /// Runs the script `scriptText` (as a script file holds it) on a copy of `grid`'s program as
    /// check() does: an exercise's visible tests, which come from its pack rather than a file.
    /// `title` names them in the dialog's title.
    void checkText(std::string_view scriptText, const QString& title, const editor::CodeGrid& grid,
                   const names::NameTable& names);

    /// The last check's tests and score (empty rows before any, or when the script was refused).
    const sim::ScriptCheck& result() const { return m_check; }

    /// Opens the timing diagram of the run at the failure of the test in row `row`. Nothing (and
    /// nullptr) for a test that passed, a hidden one, or one whose program never ran.
    TimingWindow* showFailure(int row);

    QTreeWidget* testList() const { return m_list; }
    QLabel* scoreLabel() const { return m_score; }
    QLabel* messageLabel() const { return m_message; }
    TimingWindow* timingWindow() const { return m_timing; }

private:
    void clearList();
    void run(const sim::Script& script, const QString& title, const editor::CodeGrid& grid,
             const names::NameTable& names);
    void addTest(const sim::CheckRow& test);

    const session::Ports& m_ports;
    sim::ScriptCheck m_check;
    bool m_checked = false; // a script was read and run
    QTreeWidget* m_list = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_message = nullptr;
    QPointer<TimingWindow> m_timing;
};

} // namespace rungbox::ui

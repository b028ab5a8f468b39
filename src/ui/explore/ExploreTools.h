// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's Tools menu: Compare With Program... (the program in the grid against a
// program file, the file as the reference) and Prove Properties... (of the program in the grid).
// Both explore programs started on controllers of their own, so the window's run, breakpoints
// and forces are not touched.

#include "session/Session.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace rungbox::ui {

class ExploreDialog;

class ExploreTools : public QObject {
    Q_OBJECT

public:
    /// Adds the Tools menu to `window`'s menu bar before `beforeMenu`; explores the programs of
    /// `session`. Both must outlive the tools.
    ExploreTools(session::Session& session, QMainWindow& window, QMenu* beforeMenu);
    ~ExploreTools() override;

    QMenu* menu() const { return m_menu; }
    QAction* compareItem() const { return m_compare; }
    QAction* proveItem() const { return m_prove; }
    /// The dialog, once opened.
    ExploreDialog* dialog() const { return m_dialog; }

    /// Tools > Compare With Program...: asks for the reference file and compares.
    void compareWithProgram();
    /// Tools > Prove Properties...: opens the properties editor.
    void proveProperties();

private:
    ExploreDialog& openDialog();

    session::Session& m_session;
    QMainWindow& m_window;
    QMenu* m_menu = nullptr;
    QAction* m_compare = nullptr;
    QAction* m_prove = nullptr;
    ExploreDialog* m_dialog = nullptr;
};

} // namespace rungbox::ui

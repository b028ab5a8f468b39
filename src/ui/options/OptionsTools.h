// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Options menu of the main window: Extended Instruction Set, a check item that switches the
// program's instruction set (one undoable edit) and follows the program's set through New, Load,
// undo and redo. The status line says when the program is extended, and after a classic run
// stopped by a line of the extended set, how to switch (session::Session::errorHint). The status
// line is hidden while it has nothing to say, so a classic program's window looks as it always
// did.

#include "session/Session.h"

#include <QObject>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace rungbox::ui {

class SessionSignals;

/// The status text of an extended program, in English; shown translated in the context
/// "rungbox::ui::OptionsTools".
inline constexpr const char* kExtendedStatus =
    QT_TRANSLATE_NOOP("rungbox::ui::OptionsTools", "Extended instruction set");

class OptionsTools : public QObject {
    Q_OBJECT

public:
    /// Adds the Options menu to `window`'s menu bar before `beforeMenu` and uses the window's
    /// status line. Everything given must outlive the tools.
    OptionsTools(session::Session& session, SessionSignals& sessionSignals, QMainWindow& window,
                 QMenu& beforeMenu);

    QAction* extendedItem() const { return m_extendedItem; }

private:
    void switchSet(bool extended);
    void followProgram();
    void followRun();
    void showStatus();

    session::Session& m_session;
    QMainWindow& m_window;
    QAction* m_extendedItem = nullptr;
    QLabel* m_setLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
};

} // namespace rungbox::ui

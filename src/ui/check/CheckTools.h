// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The script check's menu item in the main window: File > Check With Script... asks for a script
// and checks the program in the grid with it, showing the result in a dialog of its own.

#include "session/Session.h"

#include <QObject>

class QMenu;
class QWidget;

namespace rungbox::ui {

class CheckTools : public QObject {
    Q_OBJECT

public:
    /// Adds Check With Script... to the end of `fileMenu`; checks `session`'s program, the
    /// dialogs made with `window` as their parent. Everything given must outlive the tools.
    CheckTools(session::Session& session, QWidget& window, QMenu& fileMenu);
};

} // namespace rungbox::ui

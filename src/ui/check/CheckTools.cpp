// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckTools.h"

#include "CheckDialog.h"
#include "ui/timing/TimingWindow.h" // the dialog keeps a pointer to its trace's window

#include <QAction>
#include <QMenu>

namespace rungbox::ui {

CheckTools::CheckTools(session::Session& session, QWidget& window, QMenu& fileMenu)
    : QObject(&window) {
    setObjectName("checkTools");
    fileMenu
        .addAction(tr("&Check With Script..."), this,
                   [&session, &window] { CheckDialog::askAndCheck(session, &window); })
        ->setObjectName("checkWithScriptItem");
}

} // namespace rungbox::ui

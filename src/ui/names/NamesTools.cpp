// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamesTools.h"

#include "NamesWindow.h"
#include "ui/app/SessionSignals.h"
#include "ui/placement/WindowPlaces.h"

#include <QAction>
#include <QMenu>

namespace rungbox::ui {

NamesTools::NamesTools(session::Session& session, const SessionSignals& sessionSignals,
                       QWidget& window, WindowPlaces& places, QMenu& viewMenu)
    : QObject(&window), m_session(session), m_window(window), m_places(places) {
    setObjectName("namesTools");
    viewMenu.addAction(tr("&Names"), this, [this] { showWindow(); })->setObjectName("namesItem");
    // A program loaded, or New, brings its own names.
    connect(&sessionSignals, &SessionSignals::fileChanged, this, [this] {
        if (m_namesWindow) {
            m_namesWindow->refresh();
        }
    });
}

NamesTools::~NamesTools() = default;

NamesWindow* NamesTools::showWindow() {
    if (!m_namesWindow) {
        m_namesWindow = std::make_unique<NamesWindow>(m_session.editor(), &m_window);
        m_namesWindow->setObjectName("namesWindow");
        m_places.manage(m_namesWindow.get());
        connect(m_namesWindow.get(), &NamesWindow::namesChanged, this, &NamesTools::namesChanged);
    }
    m_namesWindow->show();
    m_namesWindow->raise();
    m_namesWindow->activateWindow();
    m_namesWindow->refresh();
    return m_namesWindow.get();
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingTools.h"

#include "TimingWindow.h"
#include "ui/app/SessionSignals.h"
#include "ui/placement/WindowPlaces.h"

#include <QAction>
#include <QMenu>

namespace rungbox::ui {

TimingTools::TimingTools(session::Session& session, const SessionSignals& sessionSignals,
                         QWidget& window, WindowPlaces& places, QMenu& viewMenu)
    : QObject(&window), m_session(session), m_window(window), m_places(places) {
    setObjectName("timingTools");
    viewMenu.addAction(tr("&Timing Diagram"), this, [this] { showDiagram(); })
        ->setObjectName("timingItem");
    // A new program's recording starts empty.
    connect(&sessionSignals, &SessionSignals::fileChanged, this, [this] {
        if (m_timingWindow) {
            m_timingWindow->refresh();
        }
    });
    connect(&sessionSignals, &SessionSignals::frame, this, &TimingTools::showFrame);
}

TimingTools::~TimingTools() = default;

TimingWindow* TimingTools::showDiagram() {
    if (!m_timingWindow) {
        m_timingWindow = std::make_unique<TimingWindow>(m_session, &m_window);
        m_timingWindow->recordItem()->setChecked(true);
        m_places.manage(m_timingWindow.get());
    }
    m_timingWindow->show();
    m_timingWindow->raise();
    m_timingWindow->activateWindow();
    return m_timingWindow.get();
}

void TimingTools::setNames(const names::NameTable* names) {
    if (m_timingWindow) {
        m_timingWindow->setNames(names);
    }
}

void TimingTools::showFrame() {
    if (m_timingWindow && m_timingWindow->isVisible()) {
        m_timingWindow->refresh();
    }
}

} // namespace rungbox::ui

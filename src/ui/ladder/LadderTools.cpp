// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderTools.h"

#include "LadderWindow.h"
#include "session/LadderDiagram.h"
#include "ui/app/SessionSignals.h"
#include "ui/common/WindowBox.h"
#include "ui/placement/WindowPlaces.h"

#include <QAction>
#include <QMenu>

namespace rungbox::ui {

LadderTools::LadderTools(session::Session& session, const SessionSignals& sessionSignals,
                         QWidget& window, WindowPlaces& places, QMenu& fileMenu, QMenu& viewMenu)
    : QObject(&window), m_session(session), m_window(window), m_places(places) {
    setObjectName("ladderTools");
    fileMenu.addAction(tr("Export &Diagram..."), this, [this] { exportDiagram(); })
        ->setObjectName("exportDiagramItem");
    QAction* ladder = viewMenu.addAction(tr("&Ladder Diagram"), this, [this] { showDiagram(); });
    ladder->setObjectName("ladderItem");
    ladder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(&sessionSignals, &SessionSignals::frame, this, &LadderTools::showFrame);
}

LadderTools::~LadderTools() = default;

LadderWindow* LadderTools::showDiagram() {
    if (!m_ladderWindow) {
        m_ladderWindow = std::make_unique<LadderWindow>(m_session, &m_window);
        m_places.manage(m_ladderWindow.get());
    }
    m_ladderWindow->show();
    m_ladderWindow->raise();
    m_ladderWindow->activateWindow();
    return m_ladderWindow.get();
}

void LadderTools::exportDiagram() {
    const session::Ports& ports = m_session.ports();
    const auto path = ports.fileDialog.askSavePath(
        "diagram.svg",
        QT_TRANSLATE_NOOP("FileFilter", "SVG or PNG picture") " (*.svg *.png)|*.svg;*.png");
    if (!path) {
        return;
    }
    session::LadderDiagram diagram(m_session);
    diagram.poll();
    const ladder::Monitor& shown = diagram.monitor();
    platform::FileError error;
    if (!exportLadder(shown.layout(), shown.flow(), 0, ports.fileSystem, *path, error)) {
        showWindowBox(
            ports.boxes,
            tr("The diagram could not be written to %1.").arg(QString::fromStdString(*path)),
            platform::BoxStyle::Exclamation, tr("Export Diagram"));
    }
}

void LadderTools::showFrame() {
    if (m_ladderWindow && m_ladderWindow->isVisible()) {
        m_ladderWindow->poll();
    }
}

void LadderTools::closeWindow() {
    if (m_ladderWindow) {
        m_ladderWindow->close();
    }
}

} // namespace rungbox::ui

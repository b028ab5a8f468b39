// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreTools.h"

#include "ExploreDialog.h"
#include "files/FileCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace rungbox::ui {

ExploreTools::ExploreTools(session::Session& session, QMainWindow& window, QMenu* beforeMenu)
    : QObject(&window), m_session(session), m_window(window) {
    setObjectName("exploreTools");
    m_menu = new QMenu(tr("&Tools"), &window);
    m_menu->setObjectName("toolsMenu");
    window.menuBar()->insertMenu(beforeMenu->menuAction(), m_menu);
    m_compare =
        m_menu->addAction(tr("&Compare With Program..."), this, [this] { compareWithProgram(); });
    m_compare->setObjectName("compareItem");
    m_prove = m_menu->addAction(tr("&Prove Properties..."), this, [this] { proveProperties(); });
    m_prove->setObjectName("proveItem");
}

ExploreTools::~ExploreTools() = default;

ExploreDialog& ExploreTools::openDialog() {
    if (m_dialog == nullptr) {
        const session::Ports& ports = m_session.ports();
        m_dialog = new ExploreDialog(ports.fileDialog, ports.fileSystem, ports.boxes,
                                     m_session.names(), &m_window);
    }
    m_dialog->show();
    m_dialog->raise();
    return *m_dialog;
}

void ExploreTools::compareWithProgram() {
    session::Session& session = m_session;
    const session::Ports& ports = session.ports();
    const auto path = ports.fileDialog.askOpenPath(files::kPlcFilter);
    if (!path) {
        return;
    }
    explore::StartedController reference;
    explore::StartedController candidate;
    if (!reference.start(*path, ports.fileSystem, ports.boxes) ||
        !candidate.start(session.grid(), ports.boxes)) {
        return;
    }
    openDialog().compare(reference.controller(), *path, candidate.controller(),
                         "the program in the grid");
}

void ExploreTools::proveProperties() {
    session::Session& session = m_session;
    openDialog().prepareProof([&session]() -> std::unique_ptr<explore::StartedController> {
        auto started = std::make_unique<explore::StartedController>();
        if (!started->start(session.grid(), session.ports().boxes)) {
            return nullptr;
        }
        return started;
    });
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreTools.h"

#include "ExploreDialog.h"
#include "MainWindow.h"
#include "files/FileCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace rungbox::ui {

ExploreTools::ExploreTools(MainWindow& window) : m_window(window) {
    m_menu = new QMenu("&Tools", &window);
    m_menu->setObjectName("toolsMenu");
    window.menuBar()->insertMenu(window.helpMenu()->menuAction(), m_menu);
    m_compare =
        m_menu->addAction("&Compare With Program...", this, [this] { compareWithProgram(); });
    m_compare->setObjectName("compareItem");
    m_prove = m_menu->addAction("&Prove Properties...", this, [this] { proveProperties(); });
    m_prove->setObjectName("proveItem");
}

ExploreTools::~ExploreTools() = default;

ExploreDialog& ExploreTools::openDialog() {
    if (m_dialog == nullptr) {
        const session::Ports& ports = m_window.session().ports();
        m_dialog = new ExploreDialog(ports.fileDialog, ports.fileSystem, ports.boxes, &m_window);
    }
    m_dialog->show();
    m_dialog->raise();
    return *m_dialog;
}

void ExploreTools::compareWithProgram() {
    session::Session& session = m_window.session();
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
    session::Session& session = m_window.session();
    openDialog().prepareProof([&session]() -> std::unique_ptr<explore::StartedController> {
        auto started = std::make_unique<explore::StartedController>();
        if (!started->start(session.grid(), session.ports().boxes)) {
            return nullptr;
        }
        return started;
    });
}

} // namespace rungbox::ui

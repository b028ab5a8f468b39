// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineTools.h"

#include "ConveyorWindow.h"
#include "GateWindow.h"
#include "SceneWindow.h"
#include "ui/app/SessionSignals.h"
#include "ui/placement/WindowPlaces.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace rungbox::ui {

MachineTools::MachineTools(session::Session& session, const SessionSignals& sessionSignals,
                           QMainWindow& window, WindowPlaces& places)
    : QObject(&window), m_session(session), m_window(window), m_places(places) {
    setObjectName("machineTools");
    m_menu = window.menuBar()->addMenu(tr("&Module"));
    m_menu->setObjectName("moduleMenu");
    const std::array<QString, machines::kModuleKinds> modules = {
        tr("&none"),           tr("&House Gate"),           tr("&Conveyor "), tr("&Motor Starter"),
        tr("&Tank and Pumps"), tr("T&raffic Intersection"), tr("Car &Park")};
    for (int index = 0; index < static_cast<int>(modules.size()); ++index) {
        QAction* item = m_menu->addAction(modules[static_cast<std::size_t>(index)]);
        item->setObjectName(QString("moduleItem%1").arg(index));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { chooseModule(index); });
        m_items[static_cast<std::size_t>(index)] = item;
    }
    m_items[0]->setChecked(true);
    connect(&sessionSignals, &SessionSignals::frame, this, &MachineTools::showFrame);
}

MachineTools::~MachineTools() = default;

void MachineTools::chooseModule(int index) {
    checkOnly(index);
    if (index < 0 || index >= static_cast<int>(m_items.size())) {
        return;
    }
    if (!m_session.chooseModule(static_cast<machines::ModuleKind>(index))) {
        return;
    }
    showOnly(windowFor(static_cast<std::size_t>(index)));
}

void MachineTools::checkOnly(int index) {
    for (std::size_t slot = 0; slot < m_items.size(); ++slot) {
        m_items[slot]->setChecked(static_cast<int>(slot) == index);
    }
}

ModuleWindow* MachineTools::windowFor(std::size_t slot) {
    const auto running = [this] { return m_session.running(); };
    if (!m_windows[slot] && slot == 1) {
        m_windows[slot] =
            std::make_unique<GateWindow>(m_session.modules().gate(), running, &m_window);
    } else if (!m_windows[slot] && slot == 2) {
        m_windows[slot] =
            std::make_unique<ConveyorWindow>(m_session.modules().conveyor(), running, &m_window);
    } else if (!m_windows[slot] && slot > 2) {
        const auto kind = static_cast<machines::ModuleKind>(slot);
        m_windows[slot] = std::make_unique<SceneWindow>(*m_session.modules().plantOf(kind), kind,
                                                        running, &m_window);
    }
    if (m_windows[slot]) {
        m_places.manage(m_windows[slot].get()); // again is harmless: one filter a window
    }
    return m_windows[slot].get();
}

void MachineTools::showOnly(ModuleWindow* shown) {
    for (const auto& window : m_windows) {
        if (window && window.get() != shown) {
            window->hide();
        }
    }
    if (shown != nullptr) {
        shown->show();
        shown->raise();
    }
}

void MachineTools::showFrame() {
    for (const auto& window : m_windows) {
        if (window) {
            window->refresh();
        }
    }
}

} // namespace rungbox::ui

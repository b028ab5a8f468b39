// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's Module menu: none or a machine (House Gate, Conveyor, Motor Starter, Tank
// and Pumps, Traffic Intersection, Car Park) put that machine on the controller's terminals and
// show its window (made when first chosen, kept afterwards); none hides the machine windows. The
// machines' windows repaint on each frame.

#include "session/Session.h"

#include <QObject>

#include <array>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace rungbox::ui {

class ModuleWindow;
class SessionSignals;
class WindowPlaces;

class MachineTools : public QObject {
    Q_OBJECT

public:
    /// Adds the Module menu to the end of `window`'s menu bar, none checked. The machine windows
    /// are made with `window` as their parent and placed by `places`; they show `session`'s
    /// machines and follow `sessionSignals`. Everything given must outlive the tools.
    MachineTools(session::Session& session, const SessionSignals& sessionSignals,
                 QMainWindow& window, WindowPlaces& places);
    ~MachineTools() override;

    MachineTools(const MachineTools&) = delete;
    MachineTools& operator=(const MachineTools&) = delete;

    QMenu* menu() const { return m_menu; }
    /// Module > none / House Gate / ...: checks item `index` (a machines::ModuleKind) and only it,
    /// puts that machine on the terminals, and shows its window (none: hides the module window).
    void chooseModule(int index);
    /// Repaints the machine windows made so far (each frame does).
    void showFrame();

private:
    void checkOnly(int index);
    /// The window of Module item `slot`, made now when not yet; nullptr for none.
    ModuleWindow* windowFor(std::size_t slot);
    void showOnly(ModuleWindow* shown);

    session::Session& m_session;
    QMainWindow& m_window;
    WindowPlaces& m_places;
    QMenu* m_menu = nullptr;
    std::array<QAction*, machines::kModuleKinds> m_items{};
    /// The machines' windows by Module item (none has none), made when first chosen.
    std::array<std::unique_ptr<ModuleWindow>, machines::kModuleKinds> m_windows;
};

} // namespace rungbox::ui

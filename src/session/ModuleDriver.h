// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Puts the machine chosen in the Module menu on the controller's terminals during a run. It
// stands between the controller and the front end's I/O panel: while a run is on, the inputs
// the machine drives read its sensors (and so their lamps follow them) and their switches are
// disabled; after each scan the machine steps one millisecond on the output relays. A run's
// start and stop put the machine in its starting state. With no module chosen it passes
// everything through unchanged.

#include "Session.h"
#include "engine/IoPanel.h"
#include "machines/ModuleHost.h"
#include "platform/Platform.h"

namespace rungbox::session {

class ModuleDriver : public engine::IoPanel {
public:
    /// `panel` and `runWindow` are the front end's; both must outlive the driver.
    ModuleDriver(engine::IoPanel& panel, platform::RunWindow& runWindow);

    machines::ModuleHost& host() { return m_host; }
    const machines::ModuleHost& host() const { return m_host; }
    /// True between a run's start and its stop.
    bool running() const { return m_running; }

    // --- engine::IoPanel: the front end's, with the machine's inputs replaced ----------------

    std::uint16_t inputSwitches() const override;
    void uncheckInputSwitch(int n) override { m_panel.uncheckInputSwitch(n); }
    void setInputLamp(int n, bool on) override { m_panel.setInputLamp(n, on); }
    void setOutputLamp(int n, bool on) override { m_panel.setOutputLamp(n, on); }
    void setTimerDisplay(int n, std::string_view text) override {
        m_panel.setTimerDisplay(n, text);
    }
    void setCounterDisplay(int n, std::string_view text) override {
        m_panel.setCounterDisplay(n, text);
    }
    void setRunLamp(bool on) override { m_panel.setRunLamp(on); }

    // --- The run's life, as the session tells it ------------------------------------------------

    /// A run has started: the machine is put in its starting state and its inputs' switches
    /// are disabled.
    void runStarted();
    /// A scan has ended: the machine steps one millisecond on the output relays it left.
    void afterScan(const engine::Controller& controller);
    /// The run has stopped: the machine is put in its starting state.
    void runStopped();

private:
    engine::IoPanel& m_panel;
    platform::RunWindow& m_runWindow;
    machines::ModuleHost m_host;
    bool m_running = false;
};

} // namespace rungbox::session

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleDriver.h"

#include "engine/AddressMap.h"

namespace rungbox::session {

ModuleDriver::ModuleDriver(engine::IoPanel& panel, platform::RunWindow& runWindow)
    : m_panel(panel), m_runWindow(runWindow) {}

std::uint16_t ModuleDriver::inputSwitches() const {
    const std::uint16_t switches = m_panel.inputSwitches();
    return m_running ? m_host.inputs(switches) : switches;
}

void ModuleDriver::runStarted() {
    m_host.reset();
    m_running = true;
    // The run's start has just enabled every switch; the machine's inputs are not the user's.
    const std::uint16_t mask = m_host.sensorMask();
    for (int n = 0; n < engine::kInputCount; ++n) {
        if ((mask >> n) & 1U) {
            m_runWindow.setInputSwitchEnabled(n, false);
        }
    }
}

void ModuleDriver::afterScan(const engine::Controller& controller) {
    unsigned outputs = 0;
    for (int n = 0; n < engine::kOutputCount; ++n) {
        outputs |= controller.relay(engine::kFirstOutputRelay + n) ? 1U << n : 0U;
    }
    if (machines::Plant* plant = m_host.plant()) {
        const int counter = plant->watchedCounter();
        if (counter >= 0 && counter < engine::kCounterCount) {
            plant->watchCounter(controller.cntValue(counter));
        }
    }
    m_host.afterScan(static_cast<std::uint16_t>(outputs));
}

void ModuleDriver::runStopped() {
    m_running = false;
    m_host.reset();
}

} // namespace rungbox::session

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitionSystem.h"

namespace rungbox::explore {

TransitionSystem::TransitionSystem(const engine::Controller& started, ScanPath path)
    : m_panel(std::make_unique<engine::PanelState>(engine::PanelState::Switches::SetByOwner)),
      m_plc(std::make_unique<engine::Controller>(*m_panel)), m_path(path) {
    m_plc->setInstructionSet(started.instructionSet());
    for (int r = 1; r < engine::kLadderTableSize; ++r) {
        m_plc->setLadderTable(r, started.ladderTable(r));
    }
    m_layout = StateLayout::of(m_plc->program());
    m_bytes = m_layout.bytes();
    m_start.resize(m_bytes);
    m_layout.save(started, m_start.data());
    for (int n = 0; n < engine::kInputCount; ++n) {
        m_startRelays.emplace_back(static_cast<std::uint16_t>(n), started.relay(n));
    }
    for (const std::uint16_t a : m_layout.written) {
        m_startRelays.emplace_back(a, started.relay(a));
    }
    restart();
}

void TransitionSystem::restart() {
    restore(m_start.data());
    for (const auto& [address, on] : m_startRelays) {
        m_plc->setRelay(address, on);
    }
}

TransitionSystem::~TransitionSystem() = default;

int TransitionSystem::scan(std::uint16_t switches) {
    m_panel->setSwitches(switches);
    switch (m_path) {
    case ScanPath::Fast:
        return m_plc->scan();
    case ScanPath::Fused:
        return m_plc->scanFused();
    case ScanPath::Reference:
        return m_plc->scanReference();
    }
    return 0;
}

int TransitionSystem::run(const Step& step) {
    if (step.tick) {
        tick();
        return 0;
    }
    return scan(step.switches);
}

} // namespace rungbox::explore

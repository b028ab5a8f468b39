// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelState.h"

#include <cassert>

namespace rungbox::engine {

PanelState::PanelState(Switches switches) : m_switchesOnReset(switches) {
    m_timers.fill("0.0");
    m_counters.fill("0");
}

void PanelState::setBit(std::uint16_t& bits, int n, bool on) {
    const auto bit = static_cast<std::uint16_t>(1U << n);
    bits = static_cast<std::uint16_t>(on ? bits | bit : bits & ~bit);
}

void PanelState::setInputSwitch(int n, bool on) {
    setBit(m_switches, n, on);
    changed();
}

void PanelState::setSwitches(std::uint16_t bits) {
    m_switches = bits;
    changed();
}

const std::string& PanelState::timerDisplay(int n) const {
    assert(n >= 0 && n < kTimerCount);
    return m_timers[static_cast<std::size_t>(n)];
}

const std::string& PanelState::counterDisplay(int n) const {
    assert(n >= 0 && n < kCounterCount);
    return m_counters[static_cast<std::size_t>(n)];
}

void PanelState::uncheckInputSwitch(int n) {
    if (m_switchesOnReset == Switches::UncheckedByReset) {
        setInputSwitch(n, false);
    }
}

void PanelState::setInputLamp(int n, bool on) {
    setBit(m_inputLamps, n, on);
    changed();
}

void PanelState::setOutputLamp(int n, bool on) {
    setBit(m_outputLamps, n, on);
    changed();
}

void PanelState::setTimerDisplay(int n, std::string_view text) {
    m_timers[static_cast<std::size_t>(n)] = text;
    changed();
}

void PanelState::setCounterDisplay(int n, std::string_view text) {
    m_counters[static_cast<std::size_t>(n)] = text;
    changed();
}

void PanelState::setRunLamp(bool on) {
    m_runLamp = on;
    changed();
}

} // namespace rungbox::engine

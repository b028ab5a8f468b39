// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimPanel.h"

#include <cassert>

namespace rungbox::sim {

namespace {

std::uint16_t withBit(std::uint16_t mask, int n, bool on) {
    const auto bit = static_cast<std::uint16_t>(1U << n);
    return static_cast<std::uint16_t>(on ? mask | bit : mask & ~bit);
}

void appendLamps(std::string& out, std::uint16_t lamps) {
    for (int n = 0; n < engine::kInputCount; ++n) {
        out += ((lamps >> n) & 1) != 0 ? '1' : '0';
    }
}

template <std::size_t N>
void appendDisplays(std::string& out, const std::array<std::string, N>& displays) {
    for (std::size_t n = 0; n < N; ++n) {
        if (n > 0) {
            out += ',';
        }
        out += displays[n];
    }
}

} // namespace

// The displays read as a freshly reset window shows them until the controller says otherwise.
SimPanel::SimPanel() {
    m_timerDisplay.fill("0.0");
    m_counterDisplay.fill("0");
}

void SimPanel::setInputSwitch(int n, bool on) {
    m_switches = withBit(m_switches, n, on);
}

void SimPanel::uncheckInputSwitch(int n) {
    m_switches = withBit(m_switches, n, false);
}

void SimPanel::setInputLamp(int n, bool on) {
    m_inputLamps = withBit(m_inputLamps, n, on);
}

void SimPanel::setOutputLamp(int n, bool on) {
    m_outputLamps = withBit(m_outputLamps, n, on);
}

void SimPanel::setTimerDisplay(int n, std::string_view text) {
    m_timerDisplay[static_cast<std::size_t>(n)] = text;
}

void SimPanel::setCounterDisplay(int n, std::string_view text) {
    m_counterDisplay[static_cast<std::size_t>(n)] = text;
}

void SimPanel::setInputSwitchEnabled(int n, bool enabled) {
    m_switchEnabled = withBit(m_switchEnabled, n, enabled);
}

std::string SimPanel::showLine() const {
    std::string out = "in=";
    appendLamps(out, m_inputLamps);
    out += " out=";
    appendLamps(out, m_outputLamps);
    out += " tim=";
    appendDisplays(out, m_timerDisplay);
    out += " cnt=";
    appendDisplays(out, m_counterDisplay);
    return out;
}

std::string SimPanel::inputLampDigits() const {
    std::string out;
    appendLamps(out, m_inputLamps);
    return out;
}

std::string SimPanel::outputLampDigits() const {
    std::string out;
    appendLamps(out, m_outputLamps);
    return out;
}

const std::string& SimPanel::timerDisplay(int n) const {
    assert(n >= 0 && n < engine::kTimerCount);
    return m_timerDisplay[static_cast<std::size_t>(n)];
}

const std::string& SimPanel::counterDisplay(int n) const {
    assert(n >= 0 && n < engine::kCounterCount);
    return m_counterDisplay[static_cast<std::size_t>(n)];
}

} // namespace rungbox::sim

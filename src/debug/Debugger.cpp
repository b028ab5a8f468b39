// SPDX-License-Identifier: GPL-3.0-or-later
#include "Debugger.h"

#include "WordFormat.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <cassert>

namespace rungbox::debug {

Debugger::Debugger(engine::Controller& controller) : m_controller(controller) {}

void Debugger::setPaused(bool on) {
    const bool next = on && m_controller.simulating();
    if (next != m_paused) {
        m_paused = next;
        changed();
    }
}

int Debugger::currentLine() const {
    return m_controller.midScan() ? m_controller.nextLine() : 0;
}

void Debugger::setBreakpoint(int line, bool on) {
    assert(line >= 1 && line <= engine::kLastCodeLine);
    if (breakpoint(line) != on) {
        m_controller.setBreakpoint(line, on);
        changed();
    }
}

void Debugger::clearBreakpoints() {
    m_controller.clearBreakpoints();
    changed();
}

std::vector<int> Debugger::breakpointLines() const {
    std::vector<int> lines;
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        if (breakpoint(line)) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool Debugger::force(int address, bool on) {
    if (!m_controller.simulating()) {
        return false;
    }
    m_controller.force(address, on);
    changed();
    return true;
}

void Debugger::unforce(int address) {
    m_controller.unforce(address);
    changed();
}

bool Debugger::forceWord(engine::WordAddress address, std::uint16_t value) {
    if (!m_controller.simulating() || !address.valid() || !wordForceable(address)) {
        return false;
    }
    m_controller.forceWord(address, value);
    changed();
    return true;
}

void Debugger::unforceWord(engine::WordAddress address) {
    m_controller.unforceWord(address);
    changed();
}

void Debugger::runStartedOrStopped() {
    m_paused = false;
    changed();
}

void Debugger::changed() {
    for (DebugListener* listener : m_listeners) {
        listener->debugStateChanged();
    }
}

void Debugger::addListener(DebugListener* listener) {
    assert(listener != nullptr);
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void Debugger::removeListener(DebugListener* listener) {
    std::erase(m_listeners, listener);
}

} // namespace rungbox::debug

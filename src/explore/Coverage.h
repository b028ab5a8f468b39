// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which of some relays an exploration saw on and which it saw off, after its scans.

#include "TransitionSystem.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rungbox::explore {

class Coverage {
public:
    explicit Coverage(std::vector<int> relays = {});

    /// Notes the relays of `system` after a scan.
    void note(const TransitionSystem& system) {
        for (std::size_t i = 0; i < m_relays.size(); ++i) {
            (system.relay(m_relays[i]) ? m_on : m_off)[i] = true;
        }
    }

    const std::vector<int>& relays() const { return m_relays; }
    bool everOn(std::size_t i) const { return m_on[i]; }
    bool everOff(std::size_t i) const { return m_off[i]; }
    /// True when relay `address` (one of relays()) was seen both on and off.
    bool changes(int address) const;

    /// "turned on: 1000 1002; never on: 1001; never off: 1003", leaving out empty parts, when
    /// `complete` (every reachable state was explored). Else only what was seen, as a part of
    /// the states does not tell what never happens: "turned on: 1000 (explored in part)", or
    /// "turned on: none (explored in part)".
    std::string text(bool complete) const;

private:
    std::vector<int> m_relays;
    std::vector<bool> m_on;
    std::vector<bool> m_off;
};

} // namespace rungbox::explore

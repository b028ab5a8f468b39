// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

#include <algorithm>

namespace rungbox::explore {

Coverage::Coverage(std::vector<int> relays)
    : m_relays(std::move(relays)), m_on(m_relays.size(), false), m_off(m_relays.size(), false) {}

bool Coverage::changes(int address) const {
    const auto it = std::find(m_relays.begin(), m_relays.end(), address);
    if (it == m_relays.end()) {
        return false;
    }
    const auto i = static_cast<std::size_t>(it - m_relays.begin());
    return m_on[i] && m_off[i];
}

std::string Coverage::text() const {
    std::string on;
    std::string neverOn;
    std::string neverOff;
    for (std::size_t i = 0; i < m_relays.size(); ++i) {
        const std::string number = ' ' + std::to_string(m_relays[i]);
        (m_on[i] ? on : neverOn) += number;
        if (m_on[i] && !m_off[i]) {
            neverOff += number;
        }
    }
    std::string text;
    const auto part = [&](const char* name, const std::string& list) {
        if (!list.empty()) {
            text += (text.empty() ? "" : ";") + std::string(text.empty() ? "" : " ") + name + ':' +
                    list;
        }
    };
    part("turned on", on);
    part("never on", neverOn);
    part("never off", neverOff);
    return text;
}

} // namespace rungbox::explore

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

namespace {

// " 1000 1002-1005": ascending relays, runs of neighbours as ranges.
std::string listText(const std::vector<int>& relays) {
    std::string text;
    for (std::size_t i = 0; i < relays.size();) {
        std::size_t j = i;
        while (j + 1 < relays.size() && relays[j + 1] == relays[j] + 1) {
            ++j;
        }
        text += ' ' + std::to_string(relays[i]);
        if (j > i) {
            text += (j == i + 1 ? ' ' : '-') + std::to_string(relays[j]);
        }
        i = j + 1;
    }
    return text;
}

} // namespace

std::string Coverage::text(bool complete) const {
    std::vector<int> on;
    std::vector<int> neverOn;
    std::vector<int> neverOff;
    for (std::size_t i = 0; i < m_relays.size(); ++i) {
        (m_on[i] ? on : neverOn).push_back(m_relays[i]);
        if (m_on[i] && !m_off[i]) {
            neverOff.push_back(m_relays[i]);
        }
    }
    std::string text;
    const auto part = [&](const char* name, const std::vector<int>& list) {
        if (!list.empty()) {
            text += (text.empty() ? "" : "; ") + std::string(name) + ':' + listText(list);
        }
    };
    if (!complete) {
        return "turned on:" + (on.empty() ? std::string(" none") : listText(on)) +
               " (explored in part)";
    }
    part("turned on", on);
    part("never on", neverOn);
    part("never off", neverOff);
    return text;
}

} // namespace rungbox::explore

// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateSet.h"

#include <algorithm>
#include <cstring>

namespace rungbox::explore {

namespace {

// The table holds at most half as many states as slots, so that probes stay short.
constexpr std::size_t kFirstSlots = 1024;

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

} // namespace

StateSet::StateSet(std::size_t keyBytes)
    : m_keyBytes(std::max<std::size_t>(keyBytes, 1)), m_table(kFirstSlots, 0) {}

std::uint64_t StateSet::hash(const std::uint8_t* key) const {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ m_keyBytes;
    std::size_t i = 0;
    for (; i + 8 <= m_keyBytes; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, key + i, 8);
        h = mix(h ^ word) * 0x9E3779B97F4A7C15ULL;
    }
    std::uint64_t rest = 0;
    if (i < m_keyBytes) { // an empty key may have a null pointer
        std::memcpy(&rest, key + i, m_keyBytes - i);
    }
    return mix(h ^ rest);
}

bool StateSet::place(std::uint32_t index, std::uint64_t h, const std::uint8_t* key) {
    const std::size_t mask = m_table.size() - 1;
    for (std::size_t slot = static_cast<std::size_t>(h) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t held = m_table[slot];
        if (held == 0) {
            m_table[slot] = index + 1;
            return true;
        }
        const std::uint8_t* heldKey = this->key(held - 1);
        if (key != nullptr && std::equal(heldKey, heldKey + m_keyBytes, key)) {
            return false;
        }
    }
}

void StateSet::grow() {
    std::vector<std::uint32_t> table(m_table.size() * 2, 0);
    m_table.swap(table);
    for (std::uint32_t i = 0; i < m_parents.size(); ++i) {
        place(i, hash(key(i)), nullptr);
    }
}

bool StateSet::insert(const std::uint8_t* key, std::uint32_t parent, Step step) {
    if (2 * (size() + 1) > m_table.size()) {
        grow();
    }
    const auto index = static_cast<std::uint32_t>(size());
    if (!place(index, hash(key), key)) {
        return false;
    }
    m_keys.insert(m_keys.end(), key, key + m_keyBytes);
    m_parents.push_back(parent);
    m_steps.push_back(step);
    m_depths.push_back(parent == kNone ? 0 : m_depths[parent] + 1);
    return true;
}

std::vector<Step> StateSet::path(std::size_t index) const {
    std::vector<Step> steps;
    for (auto i = static_cast<std::uint32_t>(index); m_parents[i] != kNone; i = m_parents[i]) {
        steps.push_back(m_steps[i]);
    }
    std::reverse(steps.begin(), steps.end());
    return steps;
}

} // namespace rungbox::explore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The states an exploration has reached, each a fixed number of bytes, stored once in the order
// they were found, with the state and step each was first reached from. An open-addressing hash
// table of indices finds a state again; memory is a few bytes per state above its own size.

#include "TransitionSystem.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rungbox::explore {

class StateSet {
public:
    /// States of `keyBytes` bytes each (at least 1).
    explicit StateSet(std::size_t keyBytes);

    /// Stands for "no state": the parent of the start state.
    static constexpr std::uint32_t kNone = UINT32_MAX;

    std::size_t size() const { return m_parents.size(); }
    std::size_t keyBytes() const { return m_keyBytes; }
    /// The bytes of state `index` (keyBytes() of them). Valid until the next insert().
    const std::uint8_t* key(std::size_t index) const { return m_keys.data() + index * m_keyBytes; }

    /// Adds the state `key` reached from state `parent` by `step`, unless it is known. Answers
    /// true when it was added (it then has index size() - 1).
    bool insert(const std::uint8_t* key, std::uint32_t parent, Step step);

    std::uint32_t parent(std::size_t index) const { return m_parents[index]; }
    Step step(std::size_t index) const { return m_steps[index]; }
    /// Steps from the start state to state `index`.
    std::uint32_t depth(std::size_t index) const { return m_depths[index]; }

    /// The steps from the start state to state `index`, in order.
    std::vector<Step> path(std::size_t index) const;

private:
    std::uint64_t hash(const std::uint8_t* key) const;
    void grow();
    bool place(std::uint32_t index, std::uint64_t h, const std::uint8_t* key);

    std::size_t m_keyBytes;
    std::vector<std::uint8_t> m_keys;
    std::vector<std::uint32_t> m_parents;
    std::vector<Step> m_steps;
    std::vector<std::uint32_t> m_depths;
    std::vector<std::uint32_t> m_table; // state index + 1; 0 is an empty slot
};

} // namespace rungbox::explore

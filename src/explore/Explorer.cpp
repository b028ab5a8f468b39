// SPDX-License-Identifier: GPL-3.0-or-later
#include "Explorer.h"

#include "RealClock.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <cstring>

namespace rungbox::explore {

namespace {

std::size_t jointBytes(const std::vector<TransitionSystem*>& systems) {
    std::size_t bytes = 1; // the flag
    for (const TransitionSystem* m : systems) {
        bytes += m->stateBytes();
    }
    return bytes;
}

// Every value of the switches in `mask`, the others off, in increasing order.
std::vector<std::uint16_t> vectorsOf(std::uint16_t mask) {
    std::vector<std::uint16_t> vectors;
    std::uint32_t subset = 0;
    do {
        vectors.push_back(static_cast<std::uint16_t>(subset));
        subset = (subset - mask) & mask; // the next subset of `mask`
    } while (subset != 0);
    return vectors;
}

} // namespace

std::uint16_t switchesAmong(const std::vector<int>& relays) {
    std::uint16_t mask = 0;
    for (const int a : relays) {
        if (a < engine::kInputCount) {
            mask = static_cast<std::uint16_t>(mask | (1U << a));
        }
    }
    return mask;
}

Explorer::Explorer(std::vector<TransitionSystem*> systems, Judge& judge, std::uint16_t freeInputs,
                   std::size_t maxStates, std::uint16_t alsoVaried, Clock clock)
    : m_systems(std::move(systems)), m_judge(judge), m_clock(clock),
      m_maxStates(std::max<std::size_t>(maxStates, 1)), m_set(jointBytes(m_systems)) {
    std::uint16_t read = 0;
    std::size_t offset = 0;
    for (const TransitionSystem* m : m_systems) {
        read = static_cast<std::uint16_t>(read | m->layout().inputsRead);
        m_ticks = m_ticks || m->layout().timed;
        m_offsets.push_back(offset);
        offset += m->stateBytes();
    }
    m_flagByte = offset;
    m_varied = static_cast<std::uint16_t>((read & freeInputs) | alsoVaried);
    m_vectors = vectorsOf(m_varied);
    m_from.assign(m_set.keyBytes(), 0);
    m_next.assign(m_set.keyBytes(), 0);
    for (std::size_t k = 0; k < m_systems.size(); ++k) {
        const std::vector<std::uint8_t>& start = m_systems[k]->start();
        std::copy(start.begin(), start.end(),
                  m_next.begin() + static_cast<std::ptrdiff_t>(m_offsets[k]));
    }
    m_set.insert(m_next.data(), StateSet::kNone, Step{});
}

std::uint32_t Explorer::depthDone() const {
    if (m_outcome == Outcome::Complete) {
        return m_set.depth(m_set.size() - 1);
    }
    // Every state less deep than the one being explored has been explored, so every sequence as
    // long as that state's depth has been checked.
    return m_cursor == 0 ? 0 : m_set.depth(m_cursor - 1);
}

std::vector<Step> Explorer::pathTo(std::uint32_t from, const Step& step) const {
    std::vector<Step> steps = m_set.path(from);
    steps.push_back(step);
    return steps;
}

Outcome Explorer::advance(std::size_t budget) {
    for (; m_outcome == Outcome::Running && budget > 0; --budget) {
        if (m_cursor == m_set.size()) {
            m_outcome = Outcome::Complete;
            break;
        }
        const std::uint32_t index = m_cursor++;
        if (!expand(index)) {
            break;
        }
    }
    return m_outcome;
}

// Answers false when the exploration has ended.
bool Explorer::expand(std::uint32_t index) {
    // A stateless program has empty keys, whose pointers may be null: copy_n takes that.
    std::copy_n(m_set.key(index), m_from.size(), m_from.data());
    const int scans = m_from[m_flagByte];
    if (m_clock == Clock::Real && m_ticks) {
        // The real clock ticks right after the hundredth scan, and only then.
        return scans == kScansPerTick ? tickFrom(index) : scanAll(index);
    }
    return scanAll(index) && (!m_ticks || scans == 0 || tickFrom(index));
}

bool Explorer::scanAll(std::uint32_t index) {
    for (const std::uint16_t switches : m_vectors) {
        if (!scanFrom(index, switches)) {
            return false;
        }
    }
    return true;
}

bool Explorer::scanFrom(std::uint32_t index, std::uint16_t switches) {
    const Step step{false, switches};
    for (std::size_t k = 0; k < m_systems.size(); ++k) {
        TransitionSystem& m = *m_systems[k];
        m.restore(m_from.data() + m_offsets[k]);
        if (const int line = m.scan(switches); line != 0) {
            m_outcome = Outcome::ProgramError;
            m_errorSystem = k;
            m_errorLine = line;
            m_errorPath = pathTo(index, step);
            return false;
        }
    }
    ++m_steps;
    if (m_judge.judge(m_systems, index, step)) {
        m_outcome = Outcome::Stopped;
        return false;
    }
    const int scans = m_clock == Clock::Real ? m_from[m_flagByte] + 1 : 1;
    m_next[m_flagByte] = m_ticks ? static_cast<std::uint8_t>(scans) : 0;
    return reach(index, step);
}

bool Explorer::tickFrom(std::uint32_t index) {
    for (std::size_t k = 0; k < m_systems.size(); ++k) {
        m_systems[k]->restore(m_from.data() + m_offsets[k]);
        m_systems[k]->tick();
    }
    ++m_steps;
    m_next[m_flagByte] = 0;
    return reach(index, Step{true, 0});
}

// Records the state the systems are in now as reached from `from` by `step`.
bool Explorer::reach(std::uint32_t from, const Step& step) {
    for (std::size_t k = 0; k < m_systems.size(); ++k) {
        m_systems[k]->save(m_next.data() + m_offsets[k]);
    }
    if (m_set.insert(m_next.data(), from, step) && m_set.size() > m_maxStates) {
        m_outcome = Outcome::StateLimit;
        return false;
    }
    return true;
}

} // namespace rungbox::explore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small seeded random sequence (SplitMix64) owned by the plant that uses it, so that a plant's
// behaviour depends on its seed alone: the same in the window, in rungbox-sim and in tests.

#include <cstdint>

namespace rungbox::machines {

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    /// The next 64-bit value of the sequence.
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    /// True with probability `percent` / 100 (0 to 100).
    bool chance(unsigned percent) { return next() % 100U < percent; }

private:
    std::uint64_t m_state;
};

} // namespace rungbox::machines

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Four-digit binary-coded decimal, as the word instructions of the extended set read and write
// it: each hexadecimal digit of a 16-bit word is one decimal digit, #0000 to #9999.

#include <cstdint>
#include <optional>

namespace rungbox::engine {

/// True when every hexadecimal digit of `word` is 0 to 9.
constexpr bool isBcd(std::uint16_t word) {
    for (int shift = 0; shift < 16; shift += 4) {
        if (((word >> shift) & 0xF) > 9) {
            return false;
        }
    }
    return true;
}

/// The number a BCD word holds (0 to 9999); nothing when the word is no BCD.
constexpr std::optional<int> fromBcd(std::uint16_t word) {
    if (!isBcd(word)) {
        return std::nullopt;
    }
    return ((word >> 12) & 0xF) * 1000 + ((word >> 8) & 0xF) * 100 + ((word >> 4) & 0xF) * 10 +
           (word & 0xF);
}

/// The BCD word of `value` (0 to 9999).
constexpr std::uint16_t toBcd(int value) {
    return static_cast<std::uint16_t>((value / 1000 % 10) << 12 | (value / 100 % 10) << 8 |
                                      (value / 10 % 10) << 4 | (value % 10));
}

} // namespace rungbox::engine

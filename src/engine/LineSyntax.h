// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a program line is read: the words of its code cell and the numbers of its LOCATION and
// "###" cells. Program preparation, the start copy and the scan all read lines by these rules.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rungbox::engine {

/// A code cell holds at most this many words; the instruction forms look at words 0 to 2 only,
/// so further words are dropped.
inline constexpr int kMaxWords = 11;

/// The words of a code cell. A word the cell does not have is the empty text.
struct Words {
    std::array<std::string_view, kMaxWords> word{};
    int count = 0;

    /// Word i (0 to kMaxWords - 1); empty when the cell has fewer words.
    std::string_view operator[](int i) const { return word[static_cast<std::size_t>(i)]; }
};

/// Cuts `code` into words at blanks (the space character only; a tab belongs to its word).
/// Leading and trailing blanks are dropped and a run of blanks separates like one, so no empty
/// word arises. The views point into `code`, which must outlive the result.
Words splitWords(std::string_view code);

/// Reads the leading decimal number of a number cell. Blanks, tabs and line feeds are skipped
/// wherever they stand; then an optional sign, digits and an optional fraction are read, up to
/// the first character that cannot continue the number. A cell without a leading number gives 0.
/// The value is rounded to the nearest integer, an exact half to the even neighbour, and a value
/// beyond the 16-bit range saturates at -32768 or 32767, so range checks still reject it.
std::int16_t readNumber(std::string_view cell);

/// `value` as the program's messages write a number: one leading blank when it is not
/// negative (" 7", " 20000", "-3").
std::string numberText(int value);

/// A timer present value (in timer ticks) as its display shows it: divided by 10 with exactly
/// one decimal, "0.0" pattern ("0.0", "0.5", "12.5", "-0.3").
std::string timerText(int value);

/// A TIMH timer's present value (in hundredths of a second) as its display shows it: divided by
/// 100 with exactly two decimals ("0.00", "0.50", "99.99").
std::string hundredthsText(int value);

} // namespace rungbox::engine

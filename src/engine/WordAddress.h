// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Word operands of the extended instruction set: a channel, a work, holding or auxiliary channel,
// a data memory word or a timer's or counter's present value, read as 16 bits; or a constant.
//
// Spellings (prefixes in any case, a blank or none between prefix and number):
//   10, 010, IR10, CIO 10, SR253   channel 10 (the bits 10.00 to 10.15), 0 to 255
//   W3, HR2, H2, AR3, A3           work (0-99), holding (0-19), auxiliary (0-15) channels
//   DM0100, DM 100, D100           data memory: DM0000 to DM1023, and DM6144 to DM6599 (read only)
//   TIM 3, T3, CNT 3, C3           the present value of timer or counter 3 (0 to 127), in BCD
//   #0000 to #FFFF                 a constant in hexadecimal (BCD where the instruction reads BCD)
//   &0 to &65535                   a constant in decimal

#include "BitAddress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::engine {

/// An area of words.
enum class WordArea : unsigned char {
    Channel,      ///< channels 0 to 255 of the flat relays (inputs 0, outputs 10, work 200 ...)
    Work,         ///< W0 to W99
    Holding,      ///< HR0 to HR19: keep their values across Stop and Run
    Auxiliary,    ///< AR0 to AR15
    Dm,           ///< data memory: keeps its values across Stop and Run
    TimerValue,   ///< a timer's present value
    CounterValue, ///< a counter's present value
};

/// One word: an area and the channel, DM or timer/counter number in it.
struct WordAddress {
    WordArea area = WordArea::Channel;
    int number = 0;

    friend bool operator==(const WordAddress&, const WordAddress&) = default;
    friend bool operator<(const WordAddress& a, const WordAddress& b) {
        return a.area != b.area ? a.area < b.area : a.number < b.number;
    }

    /// True when `number` lies in the area's range.
    bool valid() const;
    /// True when programs may only read the word: the special channels 253 to 255, the read-only
    /// DM words, and the present values (their timers and counters write them).
    bool readOnly() const;
    /// True for the areas made of bits (channels, W, HR, AR): bitOf() gives their bits.
    bool ofBits() const;
    /// The address of bit `bit` (0 to 15) of a word made of bits.
    BitAddress bitOf(int bit) const;
};

/// Reads `text` as a word in one of the spellings above; blanks around it are ignored. Nothing
/// for anything else, constants included.
std::optional<WordAddress> parseWordAddress(std::string_view text);

/// The word's text as Rungbox shows it: "10", "W3", "HR2", "AR3", "DM0100", "TIM 3", "CNT 3".
std::string wordAddressText(WordAddress address);

/// A word operand: a word, or a constant.
struct WordOperand {
    bool constant = false;
    std::uint16_t value = 0; ///< the constant's value
    WordAddress address;     ///< the word, when not a constant

    friend bool operator==(const WordOperand&, const WordOperand&) = default;
};

/// Reads `text` as a word or a constant ("#0042", "&42"); nothing otherwise.
std::optional<WordOperand> parseWordOperand(std::string_view text);

/// The operand's text: the word's (wordAddressText) or the constant's in four hexadecimal digits
/// ("#0042").
std::string wordOperandText(const WordOperand& operand);

/// `value` as four hexadecimal digits after "#", as the manuals write words: "#00FF".
std::string hexWordText(std::uint16_t value);

} // namespace rungbox::engine

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a name can stand for: a relay, a timer or a counter, and in extended programs also the
// bits of the W, HR, AR and TR areas; with the text that writes it in a names file and on screen
// ("1000", "TIM 2", "CNT 0"; "W0.00", "HR1.05", "TR0", "253.13", "TIM 12").
//
// Extended programs also name words: a channel, a W, HR or AR channel, or a DM word. A flat
// spelling like "W3" or "CIO 10" already means a bit (W0.03, 0.10), so a channel word is written
// with "CH" before the word's own text: "CH 10", "CH W3", "CH HR2", "CH AR3"; DM words, which have
// no bits, are written as the engine writes them: "DM0100". A timer's or counter's present value
// has no name of its own: the name of the timer or counter stands for it where a word is read.

#include "engine/BitAddress.h"
#include "engine/InstructionSet.h"
#include "engine/WordAddress.h"

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::names {

/// A nameable address: one engine::BitAddress, or in extended programs one word. In classic
/// programs relays run from 0 to 20000, timers and counters from 0 to 7; extended programs name
/// every address of engine::BitAddress::valid() and the words of isWord() kinds.
struct Address {
    /// The areas of engine::BitAddress in its order (Relay, Timer and Counter are the classic
    /// ones), then the words: channels, W, HR and AR channels, DM words.
    enum class Kind : unsigned char {
        Relay,
        Work,
        Holding,
        Auxiliary,
        Temporary,
        Timer,
        Counter,
        ChannelWord,
        WorkWord,
        HoldingWord,
        AuxiliaryWord,
        DmWord,
    };

    Kind kind = Kind::Relay;
    int number = 0;

    constexpr Address() = default;
    constexpr Address(Kind k, int n) : kind(k), number(n) {}
    /// The bit `n` of `area` (its number as engine::BitAddress has it).
    constexpr Address(engine::Area area, int n) : kind(static_cast<Kind>(area)), number(n) {}

    friend bool operator==(const Address&, const Address&) = default;
    /// Relays first in address order, then W, HR, AR and TR, then the timers, then the counters.
    /// (Written out: Qt's moc, which reads the window headers that include this one, cannot
    /// parse <compare>.)
    friend bool operator<(const Address& a, const Address& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    }

    static constexpr Address relay(int n) { return {Kind::Relay, n}; }
    static constexpr Address timer(int n) { return {Kind::Timer, n}; }
    static constexpr Address counter(int n) { return {Kind::Counter, n}; }
    static constexpr Address of(engine::BitAddress a) {
        return {a.area, a.number};
    }
    /// The name's address of word `w`: a channel of bits or a DM word (engine::WordArea Channel to
    /// Dm, in the same order); a present value has none (see above) and gives an invalid address.
    static Address of(engine::WordAddress w);

    /// True for the word kinds.
    bool isWord() const { return kind >= Kind::ChannelWord; }
    /// The same bit as the engine writes it; an invalid one (number -1) for a word.
    engine::BitAddress bit() const {
        return isWord() ? engine::BitAddress{engine::Area::Relay, -1}
                        : engine::BitAddress{static_cast<engine::Area>(kind), number};
    }
    /// The same word as the engine writes it; nothing for a bit.
    std::optional<engine::WordAddress> word() const;

    /// True when the address exists in classic programs: a relay 0 to 20000, TIM or CNT 0 to 7.
    bool valid() const;
    /// True when the address exists in programs of `set`.
    bool valid(engine::InstructionSet set) const;
};

/// The address's text in a names file, and on screen for classic programs: the classic
/// addresses as they always were (the relay number "1000", "TIM n", "CNT n"), every other one
/// as engine::bitAddressText writes it ("W0.00", "253.13", "TIM 12").
std::string addressText(Address address);

/// The address's text on screen for programs of `set`: addressText for classic programs,
/// engine::bitAddressText ("10.00", "HR1.05", "TIM 12") for extended ones.
std::string addressText(Address address, engine::InstructionSet set);

/// The address `text` writes in exactly addressText's form: a plain decimal (no sign, no leading
/// zero) or "TIM " / "CNT " and one. Nothing for other texts or numbers out of range.
std::optional<Address> parseAddress(std::string_view text);

/// The address `text` writes in programs of `set`: parseAddress for classic programs; for
/// extended ones also every spelling engine::parseBitAddress reads ("10.00", "W0.00", "H1.05",
/// "TIM12", "P_On"). Relay 1000 and 10.00 are one address, whichever spelling names it.
std::optional<Address> parseAddress(std::string_view text, engine::InstructionSet set);

/// A plain decimal from 0 to 99999 (digits only, no leading zero), the whole of `text`.
std::optional<int> plainDecimal(std::string_view text);

} // namespace rungbox::names

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a name can stand for: a relay, a timer or a counter, and the text that writes it in a
// names file and on screen ("1000", "TIM 2", "CNT 0").

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::names {

/// A nameable address. Relays run from 0 to 20000, timers and counters from 0 to 7.
struct Address {
    enum class Kind : unsigned char { Relay, Timer, Counter };

    Kind kind = Kind::Relay;
    int number = 0;

    friend bool operator==(const Address&, const Address&) = default;
    /// Relays first in address order, then the timers, then the counters. (Written out: Qt's
    /// moc, which reads the window headers that include this one, cannot parse <compare>.)
    friend bool operator<(const Address& a, const Address& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    }

    static constexpr Address relay(int n) { return {Kind::Relay, n}; }
    static constexpr Address timer(int n) { return {Kind::Timer, n}; }
    static constexpr Address counter(int n) { return {Kind::Counter, n}; }

    /// True when `number` lies in the range of `kind`.
    bool valid() const;
};

/// The address's text: the relay number ("1000"), "TIM n" or "CNT n".
std::string addressText(Address address);

/// The address `text` writes in exactly addressText's form: a plain decimal (no sign, no leading
/// zero) or "TIM " / "CNT " and one. Nothing for other texts or numbers out of range.
std::optional<Address> parseAddress(std::string_view text);

/// A plain decimal from 0 to 99999 (digits only, no leading zero), the whole of `text`.
std::optional<int> plainDecimal(std::string_view text);

} // namespace rungbox::names

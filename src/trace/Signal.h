// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the timing recorder can record: a relay, the done bit of a timer or counter, the present
// value of a timer or counter, or (extended programs) a data word, with the names that waveform
// files and views give them.

#include "engine/Controller.h"
#include "engine/WordAddress.h"
#include "names/NameTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::trace {

enum class SignalKind : unsigned char {
    Relay,        ///< relay `index` (0 to 20000)
    TimerDone,    ///< timer `index` (0 to 7) is done: its present value is 0
    CounterDone,  ///< counter `index` (0 to 7) is done: its present value is 0
    TimerValue,   ///< present value of timer `index` (0 to 7), in timer ticks
    CounterValue, ///< present value of counter `index` (0 to 7), in counts
    Bit,  ///< extended programs' other bits (W, HR, AR, TR, relays above 20000, done flags of
          ///< timers and counters 8 to 127): `index` is the workspace byte (engine::workspaceByte)
    Word, ///< extended programs' data words (engine::WordAddress): `index` is the area times
          ///< 65536 plus the word's number (wordSignal(), Signal::word())
};

/// One recordable signal. Bits read 0 or 1; present values are 16-bit signed numbers; words
/// read 0 to 65535.
struct Signal {
    SignalKind kind = SignalKind::Relay;
    int index = 0;

    friend bool operator==(const Signal&, const Signal&) = default;

    /// True for the present values and the words, which are numbers rather than bits and are
    /// drawn as buses.
    bool isNumber() const {
        return kind == SignalKind::TimerValue || kind == SignalKind::CounterValue || isWord();
    }
    /// True for a data word (SignalKind::Word).
    bool isWord() const { return kind == SignalKind::Word; }
    /// The word of a Word signal.
    engine::WordAddress word() const {
        return {static_cast<engine::WordArea>(index >> 16), index & 0xFFFF};
    }
    /// Bits in a waveform file: 1 for a bit, 16 for a present value.
    int width() const { return isNumber() ? kValueBits : 1; }
    /// The signal's name: "in0".."in15" for relays 0 to 15, "out0".."out15" for relays 1000 to
    /// 1015, "relay2000" for other relays, "tim0_done", "cnt3_done", and "tim0", "cnt3" for the
    /// present values; a Bit its address as engine::bitAddressText writes it without blanks
    /// ("W0.00", "HR1.05", "TR0", "253.13", "TIM12"); a Word engine::wordAddressText without
    /// blanks, a channel after "CIO", and "_word" after a text that would read as a bit:
    /// "DM0100", "CIO10_word", "HR2_word", "W3_word", "TIM3_word".
    std::string name() const;
    /// True when `index` lies in the range of `kind`.
    bool valid() const;
    /// The address the signal belongs to: its relay, or the timer or counter of a done bit or
    /// present value. Not for words, which no names::Address holds.
    names::Address address() const;
    /// The signal's name made of the name `names` gives its address, as name() is made of the
    /// address: "MOTOR", "LIGHT_TIMER" for a present value, "LIGHT_TIMER_done" for a done bit.
    /// Empty when the address has no name, and for words (until the names table names words).
    std::string userName(const names::NameTable& names) const;
    /// The signal's value in `plc` now: 0 or 1 for a bit, the present value for a number, the
    /// 16 bits (0 to 65535) for a word.
    int read(const engine::Controller& plc) const;

    /// Present values are the controller's 16-bit signed numbers.
    static constexpr int kValueBits = 16;
};

/// The signal of bit `address`: a relay 0 to 20000, a done bit of timer or counter 0 to 7, else
/// a Bit. The address must be valid().
Signal bitSignal(engine::BitAddress address);

/// The signal of word `address` (valid()).
Signal wordSignal(engine::WordAddress address);

/// The word signal whose Signal::name() is `text` (any case): "DM0100", "CIO10_word",
/// "HR2_word".
/// Nothing for anything else.
std::optional<Signal> parseWordSignal(std::string_view text);

/// The signal that `text` names: one of the names Signal::name() gives, "relay" followed by any
/// relay address, or a plain relay address ("2000"). Nothing for anything else, including
/// addresses and unit numbers out of range.
std::optional<Signal> parseSignal(std::string_view text);

/// parseSignal, and also the names Signal::userName() gives with `names`, in any case: a
/// relay's name, a timer's or counter's name for its present value, and that name with "_done"
/// for its done bit. With an extended program's names, also every spelling of
/// engine::parseBitAddress ("10.00", "W0.00", "HR1.05", "TIM 12", "P_On") for its bit, then
/// a word's name (parseWordSignal) and every spelling of engine::parseWordAddress that reads no
/// bit ("DM0100", "D 100"; "HR2" and "CIO 10" read bits), for the word.
std::optional<Signal> parseSignal(std::string_view text, const names::NameTable& names);

/// The signals recorded unless the user chooses others, in their display order: the 16 inputs,
/// the 16 outputs, the done bits of the 8 timers and of the 8 counters, the present values of
/// the 8 timers and of the 8 counters (64 signals).
std::vector<Signal> defaultSignals();

} // namespace rungbox::trace

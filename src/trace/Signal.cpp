// SPDX-License-Identifier: GPL-3.0-or-later
#include "Signal.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "names/NameRules.h"

#include <cassert>
#include <charconv>

namespace rungbox::trace {

namespace {

using engine::kCounterCount;
using engine::kFirstOutputRelay;
using engine::kInputCount;
using engine::kLastRelay;
using engine::kOutputCount;
using engine::kTimerCount;

bool isOutput(int address) {
    return address >= kFirstOutputRelay && address < kFirstOutputRelay + kOutputCount;
}

// A plain decimal without sign or leading zero, the whole of `text` (from_chars alone would take
// a minus sign).
std::optional<int> readIndex(std::string_view text) {
    if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == '0') ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<Signal> checked(Signal signal) {
    return signal.valid() ? std::optional<Signal>(signal) : std::nullopt;
}

} // namespace

namespace {

// A word's name: its text without blanks, a channel's after "CIO", and "_word" after a text
// the notation would read as a bit.
std::string wordName(engine::WordAddress address) {
    std::string text = engine::wordAddressText(address);
    std::erase(text, ' ');
    if (address.area == engine::WordArea::Channel) {
        text = "CIO" + text;
    }
    return engine::parseBitAddress(text) ? text + "_word" : text;
}

} // namespace

std::string Signal::name() const {
    if (isWord()) {
        return wordName(word());
    }
    const std::string number = std::to_string(index);
    switch (kind) {
    case SignalKind::Relay:
        if (index < kInputCount) {
            return "in" + number;
        }
        if (isOutput(index)) {
            return "out" + std::to_string(index - kFirstOutputRelay);
        }
        return "relay" + number;
    case SignalKind::TimerDone:
        return "tim" + number + "_done";
    case SignalKind::CounterDone:
        return "cnt" + number + "_done";
    case SignalKind::TimerValue:
        return "tim" + number;
    case SignalKind::CounterValue:
        return "cnt" + number;
    case SignalKind::Bit:
    case SignalKind::Word:
        break;
    }
    std::string text = engine::bitAddressText(*engine::addressAtByte(index));
    std::erase(text, ' ');
    return text;
}

names::Address Signal::address() const {
    assert(!isWord());
    switch (kind) {
    case SignalKind::TimerDone:
    case SignalKind::TimerValue:
        return names::Address::timer(index);
    case SignalKind::CounterDone:
    case SignalKind::CounterValue:
        return names::Address::counter(index);
    case SignalKind::Bit:
        return names::Address::of(*engine::addressAtByte(index));
    case SignalKind::Relay:
    case SignalKind::Word:
        break;
    }
    return names::Address::relay(index);
}

std::string Signal::userName(const names::NameTable& names) const {
    if (isWord()) {
        // Channels and DM words may have names (names::Address::of); present values are the
        // timers' and counters' own signals.
        const names::Address named = names::Address::of(word());
        return named.valid(engine::InstructionSet::Extended) ? names.nameOf(named) : std::string();
    }
    const std::string name = names.nameOf(address());
    const bool done = kind == SignalKind::TimerDone || kind == SignalKind::CounterDone;
    return name.empty() || !done ? name : name + "_done";
}

bool Signal::valid() const {
    switch (kind) {
    case SignalKind::Relay:
        return index >= 0 && index <= kLastRelay;
    case SignalKind::TimerDone:
    case SignalKind::TimerValue:
        return index >= 0 && index < kTimerCount;
    case SignalKind::CounterDone:
    case SignalKind::CounterValue:
        return index >= 0 && index < kCounterCount;
    case SignalKind::Bit:
        return engine::addressAtByte(index).has_value();
    case SignalKind::Word:
        return index >= 0 && word().valid();
    }
    return false;
}

int Signal::read(const engine::Controller& plc) const {
    assert(valid());
    switch (kind) {
    case SignalKind::Relay:
        return plc.relay(index) ? 1 : 0;
    case SignalKind::TimerDone:
        return plc.timValue(index) == 0 ? 1 : 0;
    case SignalKind::CounterDone:
        return plc.cntValue(index) == 0 ? 1 : 0;
    case SignalKind::TimerValue:
        return plc.timValue(index);
    case SignalKind::CounterValue:
        return plc.cntValue(index);
    case SignalKind::Bit:
        return plc.bit(index) ? 1 : 0;
    case SignalKind::Word:
        return plc.word(word());
    }
    return 0;
}

std::optional<Signal> parseSignal(std::string_view text) {
    const auto after = [&](std::string_view prefix) -> std::optional<int> {
        return text.starts_with(prefix) ? readIndex(text.substr(prefix.size())) : std::nullopt;
    };
    const auto doneOf = [&](std::string_view prefix) -> std::optional<int> {
        constexpr std::string_view kDone = "_done";
        if (!text.starts_with(prefix) || !text.ends_with(kDone) ||
            text.size() < prefix.size() + kDone.size()) {
            return std::nullopt;
        }
        return readIndex(text.substr(prefix.size(), text.size() - prefix.size() - kDone.size()));
    };

    if (const auto n = readIndex(text)) {
        return checked({SignalKind::Relay, *n});
    }
    if (const auto n = after("relay")) {
        return checked({SignalKind::Relay, *n});
    }
    if (const auto n = after("in"); n && *n < kInputCount) {
        return Signal{SignalKind::Relay, *n};
    }
    if (const auto n = after("out"); n && *n < kOutputCount) {
        return Signal{SignalKind::Relay, kFirstOutputRelay + *n};
    }
    if (const auto n = doneOf("tim")) {
        return checked({SignalKind::TimerDone, *n});
    }
    if (const auto n = doneOf("cnt")) {
        return checked({SignalKind::CounterDone, *n});
    }
    if (const auto n = after("tim")) {
        return checked({SignalKind::TimerValue, *n});
    }
    if (const auto n = after("cnt")) {
        return checked({SignalKind::CounterValue, *n});
    }
    return std::nullopt;
}

Signal wordSignal(engine::WordAddress address) {
    return {SignalKind::Word, static_cast<int>(address.area) << 16 | address.number};
}

std::optional<Signal> parseWordSignal(std::string_view text) {
    std::string_view address = text;
    constexpr std::string_view kWord = "_word";
    if (address.size() > kWord.size() &&
        engine::equalNoCase(address.substr(address.size() - kWord.size()), kWord)) {
        address.remove_suffix(kWord.size());
    }
    const bool channel = engine::startsWithNoCase(address, "CIO");
    const auto word = engine::parseWordAddress(address);
    if (!word || (word->area == engine::WordArea::Channel && !channel)) {
        return std::nullopt;
    }
    const Signal signal = wordSignal(*word);
    return engine::equalNoCase(signal.name(), text) ? std::optional<Signal>(signal) : std::nullopt;
}

Signal bitSignal(engine::BitAddress address) {
    const int n = address.number;
    if (address.area == engine::Area::Relay && n <= kLastRelay) {
        return {SignalKind::Relay, n};
    }
    if (address.area == engine::Area::Timer && n < kTimerCount) {
        return {SignalKind::TimerDone, n};
    }
    if (address.area == engine::Area::Counter && n < kCounterCount) {
        return {SignalKind::CounterDone, n};
    }
    return {SignalKind::Bit, engine::workspaceByte(address)};
}

std::optional<Signal> parseSignal(std::string_view text, const names::NameTable& names) {
    if (auto signal = parseSignal(text)) {
        return signal;
    }
    const bool extended = names.instructionSet() == engine::InstructionSet::Extended;
    if (const auto address = extended ? engine::parseBitAddress(text) : std::nullopt) {
        return bitSignal(*address);
    }
    if (const auto word = extended ? parseWordSignal(text) : std::nullopt) {
        return word;
    }
    if (const auto word = extended ? engine::parseWordAddress(text) : std::nullopt) {
        return wordSignal(*word);
    }
    // The names' spelling of a channel word: "CH HR2".
    if (const auto named =
            extended ? names::parseAddress(text, names.instructionSet()) : std::nullopt;
        named && named->isWord() && named->word()) {
        return wordSignal(*named->word());
    }
    if (const auto special = extended ? names.addressNamed(text) : std::nullopt;
        special && names.findName(text) == nullptr) {
        return bitSignal(special->bit());
    }
    constexpr std::string_view kDone = "_DONE";
    const std::string upper = names::upperCase(text);
    const bool done = upper.ends_with(kDone);
    const names::NameEntry* entry = names.findName(text);
    if (entry == nullptr && done) {
        entry = names.findName(text.substr(0, text.size() - kDone.size()));
    }
    if (entry != nullptr && entry->address.isWord()) {
        // A word's name is its word's signal; "_done" means nothing for a word.
        const auto word = entry->address.word();
        return word && !done ? std::optional<Signal>(wordSignal(*word)) : std::nullopt;
    }
    if (entry == nullptr) {
        return std::nullopt;
    }
    const bool doneBit = done && !names::upperCase(entry->name).ends_with(kDone);
    const bool unit = entry->address.kind == names::Address::Kind::Timer ||
                      entry->address.kind == names::Address::Kind::Counter;
    if (unit && entry->address.number >= kTimerCount) {
        // Timers and counters 8 to 127 are recorded by their done bit only.
        return bitSignal(entry->address.bit());
    }
    switch (entry->address.kind) {
    case names::Address::Kind::Relay:
        return doneBit ? std::nullopt : std::optional<Signal>(bitSignal(entry->address.bit()));
    case names::Address::Kind::Timer:
        return Signal{doneBit ? SignalKind::TimerDone : SignalKind::TimerValue,
                      entry->address.number};
    case names::Address::Kind::Counter:
        return Signal{doneBit ? SignalKind::CounterDone : SignalKind::CounterValue,
                      entry->address.number};
    default:
        return doneBit ? std::nullopt : std::optional<Signal>(bitSignal(entry->address.bit()));
    }
}

std::vector<Signal> defaultSignals() {
    std::vector<Signal> signals;
    for (int n = 0; n < kInputCount; ++n) {
        signals.push_back({SignalKind::Relay, n});
    }
    for (int n = 0; n < kOutputCount; ++n) {
        signals.push_back({SignalKind::Relay, kFirstOutputRelay + n});
    }
    for (int n = 0; n < kTimerCount; ++n) {
        signals.push_back({SignalKind::TimerDone, n});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        signals.push_back({SignalKind::CounterDone, n});
    }
    for (int n = 0; n < kTimerCount; ++n) {
        signals.push_back({SignalKind::TimerValue, n});
    }
    for (int n = 0; n < kCounterCount; ++n) {
        signals.push_back({SignalKind::CounterValue, n});
    }
    return signals;
}

} // namespace rungbox::trace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Address.h"

#include "engine/AddressMap.h"

namespace rungbox::names {

namespace {

constexpr std::string_view kTimerPrefix = "TIM ";
constexpr std::string_view kCounterPrefix = "CNT ";
// Marks a channel word in names files and the names window: "CH W3" (see Address.h).
constexpr std::string_view kChannelWordPrefix = "CH ";

constexpr int kFirstWordKind = static_cast<int>(Address::Kind::ChannelWord);

// The word's text in names files: "CH 10", "CH W3", "DM0100".
std::string wordText(engine::WordAddress word) {
    const std::string text = engine::wordAddressText(word);
    return word.area == engine::WordArea::Dm ? text : std::string(kChannelWordPrefix) + text;
}

// A word as wordText writes it (any spelling engine::parseWordAddress reads after "CH", and the
// DM spellings alone); nothing for anything else.
std::optional<Address> parseWord(std::string_view text) {
    text = engine::trimmed(text);
    const bool channel = text.size() > kChannelWordPrefix.size() &&
                         engine::equalNoCase(text.substr(0, 2), kChannelWordPrefix.substr(0, 2)) &&
                         (text[2] == ' ' || text[2] == '\t');
    const auto word = engine::parseWordAddress(channel ? text.substr(2) : text);
    if (!word || (channel ? !word->ofBits() : word->area != engine::WordArea::Dm)) {
        return std::nullopt;
    }
    return Address::of(*word);
}

} // namespace

Address Address::of(engine::WordAddress w) {
    if (w.area > engine::WordArea::Dm) {
        return {Kind::DmWord, -1};
    }
    return {static_cast<Kind>(kFirstWordKind + static_cast<int>(w.area)), w.number};
}

std::optional<engine::WordAddress> Address::word() const {
    if (!isWord()) {
        return std::nullopt;
    }
    return engine::WordAddress{
        static_cast<engine::WordArea>(static_cast<int>(kind) - kFirstWordKind), number};
}

bool Address::valid() const {
    switch (kind) {
    case Kind::Relay:
        return number >= 0 && number <= engine::kLastRelay;
    case Kind::Timer:
        return number >= 0 && number < engine::kTimerCount;
    case Kind::Counter:
        return number >= 0 && number < engine::kCounterCount;
    default:
        return false;
    }
}

bool Address::valid(engine::InstructionSet set) const {
    if (set == engine::InstructionSet::Classic) {
        return valid();
    }
    return isWord() ? word()->valid() : bit().valid();
}

std::string addressText(Address address) {
    if (address.isWord()) {
        return wordText(*address.word());
    }
    const std::string number = std::to_string(address.number);
    switch (address.kind) {
    case Address::Kind::Timer:
        return std::string(kTimerPrefix) + number;
    case Address::Kind::Counter:
        return std::string(kCounterPrefix) + number;
    case Address::Kind::Relay:
        if (address.number <= engine::kLastRelay) {
            return number;
        }
        break;
    default:
        break;
    }
    return engine::bitAddressText(address.bit());
}

std::string addressText(Address address, engine::InstructionSet set) {
    if (set == engine::InstructionSet::Classic || address.isWord()) {
        return addressText(address);
    }
    return engine::bitAddressText(address.bit());
}

std::optional<int> plainDecimal(std::string_view text) {
    // Five digits hold every relay address; longer texts are refused before they could overflow.
    constexpr std::size_t kMaxDigits = 5;
    if (text.size() > 1 && text[0] == '0') {
        return std::nullopt;
    }
    return engine::decimalDigits(text, kMaxDigits);
}

std::optional<Address> parseAddress(std::string_view text) {
    Address address;
    if (text.starts_with(kTimerPrefix)) {
        address.kind = Address::Kind::Timer;
        text.remove_prefix(kTimerPrefix.size());
    } else if (text.starts_with(kCounterPrefix)) {
        address.kind = Address::Kind::Counter;
        text.remove_prefix(kCounterPrefix.size());
    }
    const auto number = plainDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    address.number = *number;
    return address.valid() ? std::optional<Address>(address) : std::nullopt;
}

std::optional<Address> parseAddress(std::string_view text, engine::InstructionSet set) {
    if (auto classic = parseAddress(text); classic || set == engine::InstructionSet::Classic) {
        return classic;
    }
    if (auto word = parseWord(text)) {
        return word;
    }
    const auto bit = engine::parseBitAddress(text);
    return bit ? std::optional(Address::of(*bit)) : std::nullopt;
}

} // namespace rungbox::names

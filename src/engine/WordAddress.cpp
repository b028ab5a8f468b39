// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordAddress.h"

#include "AddressMap.h"

#include <array>
#include <cassert>

namespace rungbox::engine {

namespace {

// Prefixes, longest spelling first so that "DM" is not read as "D", "CIO" not as "C".
struct Prefix {
    std::string_view text;
    WordArea area;
};
constexpr std::array kPrefixes{
    Prefix{"CIO", WordArea::Channel},    Prefix{"CNT", WordArea::CounterValue},
    Prefix{"TIM", WordArea::TimerValue}, Prefix{"DM", WordArea::Dm},
    Prefix{"IR", WordArea::Channel},     Prefix{"SR", WordArea::Channel},
    Prefix{"HR", WordArea::Holding},     Prefix{"AR", WordArea::Auxiliary},
    Prefix{"W", WordArea::Work},         Prefix{"H", WordArea::Holding},
    Prefix{"A", WordArea::Auxiliary},    Prefix{"D", WordArea::Dm},
    Prefix{"T", WordArea::TimerValue},   Prefix{"C", WordArea::CounterValue},
};

// Hexadecimal digits: 1 to 4 of them.
std::optional<std::uint16_t> hexDigits(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace

bool WordAddress::valid() const {
    if (number < 0) {
        return false;
    }
    switch (area) {
    case WordArea::Channel:
        return number < kChannelCount;
    case WordArea::Work:
        return number < kWorkChannels;
    case WordArea::Holding:
        return number < kHoldingChannels;
    case WordArea::Auxiliary:
        return number < kAuxiliaryChannels;
    case WordArea::Dm:
        return number < kDmWords || (number >= kFirstReadOnlyDm && number <= kLastReadOnlyDm);
    case WordArea::TimerValue:
    case WordArea::CounterValue:
        return number < kTimerSlots;
    }
    return false;
}

bool WordAddress::readOnly() const {
    switch (area) {
    case WordArea::Channel:
        return number >= kFirstSpecialChannel;
    case WordArea::Dm:
        return number >= kFirstReadOnlyDm;
    case WordArea::TimerValue:
    case WordArea::CounterValue:
        return true;
    default:
        return false;
    }
}

bool WordAddress::ofBits() const {
    return area == WordArea::Channel || area == WordArea::Work || area == WordArea::Holding ||
           area == WordArea::Auxiliary;
}

BitAddress WordAddress::bitOf(int bit) const {
    assert(ofBits() && valid() && bit >= 0 && bit < kBitsPerChannel);
    const int flat = number * 100 + bit;
    switch (area) {
    case WordArea::Work:
        return {Area::Work, flat};
    case WordArea::Holding:
        return {Area::Holding, flat};
    case WordArea::Auxiliary:
        return {Area::Auxiliary, flat};
    default:
        return {Area::Relay, flat};
    }
}

std::optional<WordAddress> parseWordAddress(std::string_view text) {
    text = trimmed(text);
    WordAddress address;
    for (const Prefix& prefix : kPrefixes) {
        if (startsWithNoCase(text, prefix.text)) {
            address.area = prefix.area;
            text = trimmed(text.substr(prefix.text.size()));
            break;
        }
    }
    // Four digits hold every number of every area (DM6599 is the longest).
    const auto number = decimalDigits(text, 4);
    if (!number) {
        return std::nullopt;
    }
    address.number = *number;
    return address.valid() ? std::optional(address) : std::nullopt;
}

std::string wordAddressText(WordAddress address) {
    const std::string n = std::to_string(address.number);
    switch (address.area) {
    case WordArea::Channel:
        return n;
    case WordArea::Work:
        return "W" + n;
    case WordArea::Holding:
        return "HR" + n;
    case WordArea::Auxiliary:
        return "AR" + n;
    case WordArea::Dm:
        return "DM" + std::string(4 - std::min<std::size_t>(4, n.size()), '0') + n;
    case WordArea::TimerValue:
        return "TIM " + n;
    case WordArea::CounterValue:
        return "CNT " + n;
    }
    return n;
}

std::optional<WordOperand> parseWordOperand(std::string_view text) {
    text = trimmed(text);
    WordOperand operand;
    if (!text.empty() && text.front() == '#') {
        const auto value = hexDigits(text.substr(1));
        if (!value) {
            return std::nullopt;
        }
        operand.constant = true;
        operand.value = *value;
        return operand;
    }
    if (!text.empty() && text.front() == '&') {
        const auto value = decimalDigits(text.substr(1), 5);
        if (!value || *value > 0xFFFF) {
            return std::nullopt;
        }
        operand.constant = true;
        operand.value = static_cast<std::uint16_t>(*value);
        return operand;
    }
    const auto address = parseWordAddress(text);
    if (!address) {
        return std::nullopt;
    }
    operand.address = *address;
    return operand;
}

std::string hexWordText(std::uint16_t value) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += kDigits[(value >> shift) & 0xF];
    }
    return text;
}

std::string wordOperandText(const WordOperand& operand) {
    return operand.constant ? hexWordText(operand.value) : wordAddressText(operand.address);
}

} // namespace rungbox::engine

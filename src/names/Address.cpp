// SPDX-License-Identifier: GPL-3.0-or-later
#include "Address.h"

#include "engine/AddressMap.h"

namespace rungbox::names {

namespace {

constexpr std::string_view kTimerPrefix = "TIM ";
constexpr std::string_view kCounterPrefix = "CNT ";

} // namespace

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
    return set == engine::InstructionSet::Classic ? valid() : bit().valid();
}

std::string addressText(Address address) {
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
    return set == engine::InstructionSet::Classic ? addressText(address)
                                                  : engine::bitAddressText(address.bit());
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
    const auto bit = engine::parseBitAddress(text);
    return bit ? std::optional(Address::of(*bit)) : std::nullopt;
}

} // namespace rungbox::names

// SPDX-License-Identifier: GPL-3.0-or-later
#include "BitAddress.h"

#include "AddressMap.h"

#include <array>
#include <cassert>
#include <cctype>

namespace rungbox::engine {

namespace {

constexpr std::array kSpecial{
    SpecialRelay{kAlwaysOn, "P_On"},
    SpecialRelay{kAlwaysOff, "P_Off"},
    SpecialRelay{kFirstCycle, "P_First_Cycle"},
    SpecialRelay{kClock1min, "P_1min"},
    SpecialRelay{kClock20ms, "P_0_02s"},
    SpecialRelay{kClock100ms, "P_0_1s"},
    SpecialRelay{kClock200ms, "P_0_2s"},
    SpecialRelay{kClock1s, "P_1s"},
    SpecialRelay{kErrorFlag, "P_ER"},
    SpecialRelay{kCarryFlag, "P_CY"},
    SpecialRelay{kGreaterFlag, "P_GT"},
    SpecialRelay{kEqualFlag, "P_EQ"},
    SpecialRelay{kLessFlag, "P_LT"},
};

// Prefixes, longest spelling first so that "CIO" is not read as "C" and "TIM" not as "T".
struct Prefix {
    std::string_view text;
    Area area;
};
constexpr std::array kPrefixes{
    Prefix{"CIO", Area::Relay},    Prefix{"CNT", Area::Counter},  Prefix{"TIM", Area::Timer},
    Prefix{"IR", Area::Relay},     Prefix{"SR", Area::Relay},     Prefix{"HR", Area::Holding},
    Prefix{"AR", Area::Auxiliary}, Prefix{"TR", Area::Temporary}, Prefix{"W", Area::Work},
    Prefix{"H", Area::Holding},    Prefix{"A", Area::Auxiliary},  Prefix{"T", Area::Timer},
    Prefix{"C", Area::Counter},
};

// A number cell holds at most this many digits before the point ("01000" has five); more can
// only be a typing error, and the limit keeps the arithmetic far from overflow.
constexpr std::size_t kMaxDigits = 5;

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// "C.BB" (two bit digits) or a plain number, as the flat number C * 100 + BB.
std::optional<int> channelBit(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) {
        return decimalDigits(text, kMaxDigits);
    }
    const auto channel = decimalDigits(text.substr(0, dot), 3);
    const auto bit = decimalDigits(text.substr(dot + 1), 2);
    if (!channel || !bit || text.size() - dot - 1 != 2 || *bit >= kBitsPerChannel) {
        return std::nullopt;
    }
    return *channel * 100 + *bit;
}

int channelsOf(Area area) {
    switch (area) {
    case Area::Work:
        return kWorkChannels;
    case Area::Holding:
        return kHoldingChannels;
    case Area::Auxiliary:
        return kAuxiliaryChannels;
    default:
        return kChannelCount;
    }
}

} // namespace

std::optional<int> decimalDigits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (upper(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::span<const SpecialRelay> specialRelays() {
    return kSpecial;
}

bool BitAddress::valid() const {
    switch (area) {
    case Area::Relay:
        return number >= 0 &&
               (number <= kLastRelay || (number <= kLastFlatRelay && bit() < kBitsPerChannel));
    case Area::Work:
    case Area::Holding:
    case Area::Auxiliary:
        return number >= 0 && channel() < channelsOf(area) && bit() < kBitsPerChannel;
    case Area::Temporary:
        return number >= 0 && number < kTemporaryRelays;
    case Area::Timer:
    case Area::Counter:
        return number >= 0 && number < kTimerSlots;
    }
    return false;
}

bool BitAddress::special() const {
    return area == Area::Relay && number > kLastRelay && channel() >= kFirstSpecialChannel;
}

std::optional<BitAddress> parseBitAddress(std::string_view text) {
    text = trimmed(text);
    for (const SpecialRelay& relay : kSpecial) {
        if (equalNoCase(text, relay.name)) {
            return BitAddress{Area::Relay, relay.flat};
        }
    }
    BitAddress address;
    for (const Prefix& prefix : kPrefixes) {
        if (startsWithNoCase(text, prefix.text)) {
            address.area = prefix.area;
            text = trimmed(text.substr(prefix.text.size()));
            break;
        }
    }
    const bool numbered = address.area == Area::Temporary || address.area == Area::Timer ||
                          address.area == Area::Counter;
    const auto number = numbered ? decimalDigits(text, 3) : channelBit(text);
    if (!number) {
        return std::nullopt;
    }
    address.number = *number;
    if (!address.valid()) {
        return std::nullopt;
    }
    return address;
}

std::string bitAddressText(BitAddress address) {
    const auto channelText = [&](std::string_view prefix) {
        std::string text(prefix);
        text += std::to_string(address.channel());
        text += '.';
        if (address.bit() < 10) {
            text += '0';
        }
        text += std::to_string(address.bit());
        return text;
    };
    switch (address.area) {
    case Area::Relay:
        if (address.bit() >= kBitsPerChannel) {
            return std::to_string(address.number);
        }
        return channelText("");
    case Area::Work:
        return channelText("W");
    case Area::Holding:
        return channelText("HR");
    case Area::Auxiliary:
        return channelText("AR");
    case Area::Temporary:
        return "TR" + std::to_string(address.number);
    case Area::Timer:
        return "TIM " + std::to_string(address.number);
    case Area::Counter:
        return "CNT " + std::to_string(address.number);
    }
    return {};
}

int workspaceByte(BitAddress address) {
    assert(address.valid());
    const int n = address.number;
    const int channelBitIndex = address.channel() * kBitsPerChannel + address.bit();
    switch (address.area) {
    case Area::Relay:
        return flatRelayByte(n);
    case Area::Work:
        return kWorkByte + channelBitIndex;
    case Area::Holding:
        return kHoldingByte + channelBitIndex;
    case Area::Auxiliary:
        return kAuxiliaryByte + channelBitIndex;
    case Area::Temporary:
        return kTemporaryByte + n;
    case Area::Timer:
        return timerDoneByte(n);
    case Area::Counter:
        return counterDoneByte(n);
    }
    return kZeroByte;
}

std::optional<BitAddress> addressAtByte(int byte) {
    const auto channelArea = [](Area area, int index) {
        return BitAddress{area, index / kBitsPerChannel * 100 + index % kBitsPerChannel};
    };
    if (byte >= 0 && byte <= kLastRelay) {
        return BitAddress{Area::Relay, byte};
    }
    if (byte >= kTimerDoneBit && byte < kTimerDoneBit + kTimerCount) {
        return BitAddress{Area::Timer, byte - kTimerDoneBit};
    }
    if (byte >= kCounterDoneBit && byte < kCounterDoneBit + kCounterCount) {
        return BitAddress{Area::Counter, byte - kCounterDoneBit};
    }
    if (byte >= kHighRelayByte && byte < kWorkByte) {
        const int flat = kLastRelay + 1 + (byte - kHighRelayByte);
        const BitAddress address{Area::Relay, flat};
        return address.valid() ? std::optional(address) : std::nullopt;
    }
    if (byte >= kWorkByte && byte < kHoldingByte) {
        return channelArea(Area::Work, byte - kWorkByte);
    }
    if (byte >= kHoldingByte && byte < kAuxiliaryByte) {
        return channelArea(Area::Holding, byte - kHoldingByte);
    }
    if (byte >= kAuxiliaryByte && byte < kTemporaryByte) {
        return channelArea(Area::Auxiliary, byte - kAuxiliaryByte);
    }
    if (byte >= kTemporaryByte && byte < kHighTimerDoneByte) {
        return BitAddress{Area::Temporary, byte - kTemporaryByte};
    }
    if (byte >= kHighTimerDoneByte && byte < kHighCounterDoneByte) {
        return BitAddress{Area::Timer, kTimerCount + byte - kHighTimerDoneByte};
    }
    if (byte >= kHighCounterDoneByte && byte < kInterlockByte) {
        return BitAddress{Area::Counter, kCounterCount + byte - kHighCounterDoneByte};
    }
    return std::nullopt;
}

} // namespace rungbox::engine

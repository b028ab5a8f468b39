// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Addresses of the extended instruction set: every spelling the course material and both
// generations of the makers' manuals use for a bit, a timer or a counter, read into one value,
// and the one text each value is shown with.
//
// Spellings (prefixes in any case, a blank or none between prefix and number):
//   1000, 01000, 10.00, IR10.00, CIO 10.00   the flat relay 1000 (channel 10, bit 00)
//   W0.00, W 3              work bits      (W 0-99; a number without "." is C * 100 + BB)
//   HR0.00, H1.05, HR0105   holding bits   (HR 0-19)
//   AR0.00, A2.03           auxiliary bits (AR 0-15)
//   TR0                     temporary relays TR0 to TR7
//   SR253.13, 253.13, P_On  special relays of channels 253 to 255 (P_ names, kSpecialRelays)
//   TIM 12, TIM12, T12      timer 12;  CNT 3, CNT3, C3: counter 3 (0 to 127)

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rungbox::engine {

/// An addressable area.
enum class Area : unsigned char {
    Relay,     ///< the flat relays: I/O, work channels, special relays (0 to 25515)
    Work,      ///< W
    Holding,   ///< HR: keeps its state across Stop and Run
    Auxiliary, ///< AR
    Temporary, ///< TR
    Timer,     ///< TIM: the done flag as a bit
    Counter,   ///< CNT: the done flag as a bit
};

/// One address. `number` is the flat number C * 100 + BB for Relay, Work, Holding and Auxiliary,
/// the relay number for Temporary, the timer or counter number for Timer and Counter.
struct BitAddress {
    Area area = Area::Relay;
    int number = 0;

    friend bool operator==(const BitAddress&, const BitAddress&) = default;
    friend bool operator<(const BitAddress& a, const BitAddress& b) {
        return a.area != b.area ? a.area < b.area : a.number < b.number;
    }

    /// True when `number` lies in the area's range (for channel areas: bit 0 to 15, except flat
    /// relays 0 to 20000, which are all valid as in classic programs).
    bool valid() const;
    /// Channel areas: the channel (number / 100) and the bit (number % 100).
    int channel() const { return number / 100; }
    int bit() const { return number % 100; }
    /// True for the special relays of channels 253 to 255, which programs only read.
    bool special() const;
};

/// A special relay and its symbol name.
struct SpecialRelay {
    int flat;              ///< the flat relay: 25313 is 253.13
    std::string_view name; ///< "P_On"
};

/// The special relays, in address order.
std::span<const SpecialRelay> specialRelays();
/// Flat numbers of the special relays the engine drives.
inline constexpr int kAlwaysOn = 25313;
inline constexpr int kAlwaysOff = 25314;
inline constexpr int kFirstCycle = 25315;
inline constexpr int kClock1min = 25400;
inline constexpr int kClock20ms = 25401;
inline constexpr int kClock100ms = 25500;
inline constexpr int kClock200ms = 25501;
inline constexpr int kClock1s = 25502;
inline constexpr int kErrorFlag = 25503;
inline constexpr int kCarryFlag = 25504;
inline constexpr int kGreaterFlag = 25505;
inline constexpr int kEqualFlag = 25506;
inline constexpr int kLessFlag = 25507;

/// `text` read as 1 to `maxDigits` decimal digits and nothing else (leading zeros allowed);
/// nothing otherwise. Callers keep `maxDigits` small, so the value cannot overflow.
std::optional<int> decimalDigits(std::string_view text, std::size_t maxDigits);

/// True when `text` starts with `prefix` (upper case) in any case.
bool startsWithNoCase(std::string_view text, std::string_view prefix);
/// True when `a` and `b` are equal in any case.
bool equalNoCase(std::string_view a, std::string_view b);
/// `text` without leading and trailing blanks and tabs.
std::string_view trimmed(std::string_view text);

/// Reads `text` in any of the spellings above; leading and trailing blanks are ignored. Nothing
/// when the text is no address or lies outside its area's range.
std::optional<BitAddress> parseBitAddress(std::string_view text);

/// The address's text as Rungbox shows it: "10.00", "W0.00", "HR1.05", "AR0.00", "TR0",
/// "253.13", "TIM 12", "CNT 3". Flat relays 0 to 20000 whose bit exceeds 15 show the flat
/// number ("1050"), the only way to write them.
std::string bitAddressText(BitAddress address);

/// The workspace byte (AddressMap.h) that holds the bit: a relay, or a timer's or counter's done
/// flag. The address must be valid().
int workspaceByte(BitAddress address);

/// The address whose bit lives at workspace byte `byte`; nothing for bytes that hold no
/// addressable bit (the block stack, scratch, interlock and jump bytes).
std::optional<BitAddress> addressAtByte(int byte);

} // namespace rungbox::engine

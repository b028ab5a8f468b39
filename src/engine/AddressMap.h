// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The controller's address map and the limits of its tables.

#include <cstddef>

namespace rungbox::engine {

/// Relay addresses run from 0 to this; every address may serve as an internal relay.
inline constexpr int kLastRelay = 20000;
inline constexpr int kRelayCount = kLastRelay + 1;
/// Relays 0 to 15 mirror the input switches.
inline constexpr int kInputCount = 16;
/// Relays 1000 to 1015 drive the output lamps.
inline constexpr int kFirstOutputRelay = 1000;
inline constexpr int kOutputCount = 16;
/// Timers TIM 0 to 7 and counters CNT 0 to 7.
inline constexpr int kTimerCount = 8;
inline constexpr int kCounterCount = 8;
/// Timer set values are 0 to 600 ticks, counter set values 0 to 9999 counts.
inline constexpr int kMaxTimerSetValue = 600;
inline constexpr int kMaxCounterSetValue = 9999;
/// The program table has records 0 to 301; records 1 to 299 mirror code lines 1 to 299 and the
/// others stay empty, so a scan that runs past line 299 meets an empty line and stops.
inline constexpr int kLadderTableSize = 302;
inline constexpr int kLastCodeLine = 299;

/// The contacts of a program read one byte array: relays 0 to 20000, then one "done" flag per
/// timer and one per counter, kept equal to "present value is 0" whenever a value changes.
inline constexpr int kTimerDoneBit = kRelayCount;
inline constexpr int kCounterDoneBit = kTimerDoneBit + kTimerCount;
inline constexpr int kBitCount = kCounterDoneBit + kCounterCount;

/// The block stack holds 101 entries; a 102nd push is a program error. The limit is the
/// controller's own, kept so that programs behave here as on the real thing.
inline constexpr int kBlockStackSize = 101;

} // namespace rungbox::engine

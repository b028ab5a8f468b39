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

// --- The extended instruction set's memory ------------------------------------------------------
// Extended programs (InstructionSet.h) see the same relays 0 to 20000 at the same bytes, so a
// program keeps its meaning when it becomes extended, and more areas after the fast scans' own
// bytes (FusedProgram.h). The ranges are the CPM1A's where it has the area (HR 0-19, AR 0-15,
// TR 0-7, timers and counters 0-127) and the CP1E's work area W 0-99, which the CPM1A lacks.

/// Channels C of the channel.bit notation run from 0 to 255, bits from 0 to 15; C.BB is the flat
/// relay C * 100 + BB. Channels 253 to 255 hold the special relays, which programs only read.
inline constexpr int kChannelCount = 256;
inline constexpr int kBitsPerChannel = 16;
inline constexpr int kLastFlatRelay = 255 * 100 + 15;
inline constexpr int kFirstSpecialChannel = 253;
/// Work (W), holding (HR) and auxiliary (AR) channels; temporary relays TR0 to TR7.
inline constexpr int kWorkChannels = 100;
inline constexpr int kHoldingChannels = 20;
inline constexpr int kAuxiliaryChannels = 16;
inline constexpr int kTemporaryRelays = 8;
/// Timers and counters of extended programs share numbers 0 to 127 (one number is a timer or a
/// counter); classic programs use 0 to 7 of each.
inline constexpr int kTimerSlots = 128;
/// JMP/JME numbers run from 0 to 49.
inline constexpr int kJumpNumbers = 50;
/// Extended set values run from #0000 to #9999 (four BCD digits).
inline constexpr int kMaxExtendedSetValue = 9999;

/// Data memory (DM): words DM0000 to DM1023, which programs read and write, and DM6144 to DM6599,
/// which programs only read and the user loads (a script's `set dm`, the window's DM table), as
/// on the CPM1A. Both keep their values across Stop and Run.
inline constexpr int kDmWords = 1024;
inline constexpr int kFirstReadOnlyDm = 6144;
inline constexpr int kLastReadOnlyDm = 6599;
inline constexpr int kDmSlots = kDmWords + (kLastReadOnlyDm - kFirstReadOnlyDm + 1);

/// The slot of word DM n in the controller's data memory; n is 0 to 1023 or 6144 to 6599.
constexpr int dmSlot(int n) {
    return n < kDmWords ? n : kDmWords + (n - kFirstReadOnlyDm);
}
/// The DM number held in slot `slot` (0 to kDmSlots - 1).
constexpr int dmNumber(int slot) {
    return slot < kDmWords ? slot : kFirstReadOnlyDm + (slot - kDmWords);
}

/// The block stack holds 101 entries; a 102nd push is a program error. The limit is the
/// controller's own, kept so that programs behave here as on the real thing.
inline constexpr int kBlockStackSize = 101;

/// The scan's byte array (the workspace): relays and done flags (above), then the block stack of
/// the scan that runs, a scratch byte that operations write when they have nothing to write, and
/// a byte that is always 0 for operations that have nothing to read.
inline constexpr int kStackByte = kBitCount;
inline constexpr int kScratchByte = kStackByte + kBlockStackSize;
inline constexpr int kZeroByte = kScratchByte + 1;
/// Then the extended areas, one byte per bit: flat relays 20001 to 25515 (channels 200 to 255),
/// W, HR, AR, TR, the done flags of timers and counters 8 to 127, the interlock condition and
/// one byte per JMP region. Classic programs never touch them.
inline constexpr int kHighRelayByte = kZeroByte + 1;
inline constexpr int kWorkByte = kHighRelayByte + (kLastFlatRelay - kLastRelay);
inline constexpr int kHoldingByte = kWorkByte + kWorkChannels * kBitsPerChannel;
inline constexpr int kAuxiliaryByte = kHoldingByte + kHoldingChannels * kBitsPerChannel;
inline constexpr int kTemporaryByte = kAuxiliaryByte + kAuxiliaryChannels * kBitsPerChannel;
inline constexpr int kHighTimerDoneByte = kTemporaryByte + kTemporaryRelays;
inline constexpr int kHighCounterDoneByte = kHighTimerDoneByte + (kTimerSlots - kTimerCount);
inline constexpr int kInterlockByte = kHighCounterDoneByte + (kTimerSlots - kCounterCount);
inline constexpr int kJumpByte = kInterlockByte + 1;
inline constexpr int kWorkspaceSize = kJumpByte + kJumpNumbers;
static_assert(kWorkspaceSize <= 0xFFFF, "steps address the workspace with 16 bits");

/// The workspace byte of flat relay `flat` (0 to kLastFlatRelay).
constexpr int flatRelayByte(int flat) {
    return flat <= kLastRelay ? flat : kHighRelayByte + (flat - kLastRelay - 1);
}
/// The byte of the done flag of timer n, counter n (0 to 127).
constexpr int timerDoneByte(int n) {
    return n < kTimerCount ? kTimerDoneBit + n : kHighTimerDoneByte + (n - kTimerCount);
}
constexpr int counterDoneByte(int n) {
    return n < kCounterCount ? kCounterDoneBit + n : kHighCounterDoneByte + (n - kCounterCount);
}

} // namespace rungbox::engine

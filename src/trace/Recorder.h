// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The timing recorder: after every scan of a run it compares the chosen signals with what it saw
// last and stores only what changed, with the run's millisecond clock and scan count. It answers
// what a signal read at any recorded time, so that a timing diagram can be drawn and a waveform
// file written from it.

#include "Signal.h"

#include "engine/Controller.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace rungbox::trace {

/// Records signals of one controller over time. Memory grows with the number of changes (and
/// with the irregularities of the clock), not with the number of scans: a scan that changes
/// nothing, at the same pace as the scans before it, costs no memory. Past the byte limit the
/// oldest part of the recording is dropped; firstMs() then tells from when it is complete.
///
/// Times are milliseconds of the run's clock; scans are counted by the caller. Both never go
/// back between two samples until clear().
class Recorder {
public:
    /// The byte limit unless set otherwise: room for about forty minutes of a busy run of the
    /// largest program (a switch change every scan at a thousand scans a second).
    static constexpr std::size_t kDefaultByteLimit = std::size_t{64} << 20;
    /// The smallest byte limit: a few blocks of changes, so that something is always kept.
    static constexpr std::size_t kMinByteLimit = std::size_t{256} << 10;
    /// At most this many signals can be added between two clear()s. Every block of changes keeps
    /// one value per signal ever added; the bound keeps that small against the block.
    static constexpr std::size_t kMaxSignals = 512;

    /// Records `chosen` (duplicates and invalid ones are left out), nothing yet recorded.
    explicit Recorder(const std::vector<Signal>& chosen = defaultSignals(),
                      std::size_t byteLimit = kDefaultByteLimit);
    ~Recorder();

    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // --- The signal set ------------------------------------------------------------------------

    /// The recorded signals in display order. Positions in this list name signals in the
    /// queries below.
    const std::vector<Signal>& signalList() const { return m_signals; }
    /// The position of `signal` in signalList(), or nothing.
    std::optional<std::size_t> find(const Signal& signal) const;
    /// Adds `signal` at the end. Its history starts with the next sample. False when it is
    /// already recorded, invalid, or kMaxSignals have been added since the last clear().
    bool add(const Signal& signal);
    /// Stops recording `signal` and forgets its history. False when it was not recorded.
    bool remove(const Signal& signal);
    /// Moves the recorded signals of `first` to the front of signalList(), in that order, the
    /// others after them as they were; their histories stay. Signals not recorded are passed
    /// over. Positions from before no longer hold.
    void putFirst(const std::vector<Signal>& first);

    // --- Recording -----------------------------------------------------------------------------

    /// Forgets everything recorded; the signals stay. The next sample starts a new recording.
    void clear();

    /// Samples every signal in `plc` at `ms` (run clock, milliseconds) after `scan` scans. Call
    /// it after each scan, and after anything else that changes the controller (a timer tick),
    /// with the same or later time and scan count. Several samples may share a time; the last
    /// one at a time is the value at that time.
    void sample(const engine::Controller& plc, std::uint64_t ms, std::uint64_t scan);

    /// Bytes the recorder holds for its recording.
    std::size_t memoryBytes() const;
    std::size_t byteLimit() const { return m_byteLimit; }
    /// Sets the byte limit (at least kMinByteLimit); drops the oldest part at once if needed.
    void setByteLimit(std::size_t bytes);

    // --- Queries -------------------------------------------------------------------------------

    /// True before the first sample of a recording.
    bool empty() const { return m_blocks.empty(); }
    /// The earliest time from which the recording is complete: the first sample's time, or, once
    /// the oldest part has been dropped, the start of what remains. 0 when empty().
    std::uint64_t firstMs() const;
    /// The time of the last sample. 0 when empty().
    std::uint64_t lastMs() const { return m_last.ms; }
    /// The scan count of the last sample. 0 when empty().
    std::uint64_t lastScan() const { return m_last.scan; }
    /// True when the oldest part of the recording has been dropped for the byte limit.
    bool truncated() const { return m_truncated; }
    /// Counts samples that changed the recording (additions, clear() and the limit do not
    /// change it); lets a view repaint only when something new came in.
    std::uint64_t revision() const { return m_revision; }

    /// The value of signal `position` at `ms` (after every sample at that time). Nothing before
    /// firstMs(), after lastMs(), or before the signal was added.
    std::optional<int> valueAt(std::size_t position, std::uint64_t ms) const;
    /// valueAt() for every signal, in signalList() order.
    std::vector<std::optional<int>> valuesAt(std::uint64_t ms) const;
    /// The scan count of the last sample at or before `ms`; nothing outside firstMs() to
    /// lastMs().
    std::optional<std::uint64_t> scanAt(std::uint64_t ms) const;

    /// Called by forEachChange(): at `ms`, signal `position` took `value`.
    using ChangeFn = std::function<void(std::uint64_t ms, std::size_t position, int value)>;
    /// Reports, in time order, every change after `fromMs` up to and including `toMs`. Start from
    /// valuesAt(fromMs). Several changes of one signal may share a time; the last counts.
    void forEachChange(std::uint64_t fromMs, std::uint64_t toMs, const ChangeFn& change) const;

private:
    struct Point {
        std::uint64_t ms = 0;
        std::uint64_t scan = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };
    // A stretch of the recording: the values of every slot at `base`, then frames. A frame is
    // the time and scan count of a sample (as steps from the previous frame), the number of
    // samples since that frame, and the slots that changed, in LEB128 varints. The oldest blocks
    // are dropped first.
    struct Block {
        Point base;
        std::vector<std::int32_t> snapshot; // per slot; kUnknown where not recorded then
        std::unique_ptr<std::uint8_t[]> bytes;
        std::size_t size = 0;     // bytes used
        std::size_t capacity = 0; // bytes held
    };
    struct SlotChange {
        std::uint32_t slot;
        std::int32_t delta; ///< numbers only; a bit's change flips it
        bool number;
    };
    class Reader;

    void startBlock();
    void closeBlock();
    void rebuildProbes(const engine::Controller& plc);
    void detectChanges(const engine::Controller& plc);
    void writeFrame(const Point& at);
    void enforceLimit();
    std::size_t blockFor(std::uint64_t ms) const;
    std::vector<std::int64_t> positionsOfSlots() const;

    std::vector<Signal> m_signals;       // present signals, display order
    std::vector<std::uint32_t> m_slotOf; // slot of each present signal

    // Every signal added since the last clear() has a slot; a removed one keeps its slot so that
    // the stored changes stay readable.
    struct Slot {
        Signal signal;
        bool present = true;
        int value = 0; ///< the value last sampled
    };
    std::vector<Slot> m_slots;

    // Sampling reads the recorded relays sixteen neighbours at a time, as bytes 0 or 1 packed in
    // two words, and the 8 timer and 8 counter values in one go; only where a word differs from
    // the last sample does it look at single signals. The done bits follow from the values.
    static constexpr int kWindow = 16;
    struct RelayWindow {
        int first = 0;                             ///< relays first to first + 15
        std::array<std::uint64_t, 2> recorded{};   ///< byte j is 1 when relay first + j is
        std::array<std::uint64_t, 2> last{};       ///< byte j: relay first + j last sampled
        std::array<std::uint32_t, kWindow> slot{}; ///< slot of relay first + j, if recorded
    };
    std::vector<RelayWindow> m_windows;
    std::vector<std::uint32_t> m_bitSlots;  // slots of Bit signals, read one by one
    std::vector<std::uint32_t> m_wordSlots; // slots of Word signals, read one by one
    static constexpr int kUnits = engine::kTimerCount + engine::kCounterCount;
    std::array<std::int16_t, kUnits> m_unitLast{};
    std::array<std::int32_t, kUnits> m_valueSlot{}; // -1 when not recorded
    std::array<std::int32_t, kUnits> m_doneSlot{};  // -1 when not recorded
    bool m_setChanged = true;

    std::deque<Block> m_blocks;
    std::vector<SlotChange> m_changes; // the changes of the sample being taken

    // The clock: m_frame is the point of the last stored frame (or block start); m_last the last
    // sample. The m_steps samples after m_frame are m_step apart, so any of them can be found.
    Point m_frame;
    Point m_last;
    Point m_step;
    std::uint64_t m_steps = 0;

    std::size_t m_byteLimit;
    std::size_t m_memory = 0;
    bool m_truncated = false;
    std::uint64_t m_revision = 0;
};

} // namespace rungbox::trace

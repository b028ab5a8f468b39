// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a timing diagram draws of a recording, worked out without a toolkit so that the window
// and the page draw the same: each row's changes in the span shown, bits as a line between two
// levels per pixel column, numbers as values with quick changes merged into busy stretches, the
// texts of values and names, and the steps of the time axis.

#include "Recorder.h"
#include "Signal.h"
#include "names/NameTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::trace {

/// Where time lies across a diagram: x = left + (ms - fromMs) / msPerPixel, in pixels.
struct TimeScale {
    double fromMs = 0;     ///< the time at x = left, milliseconds
    double msPerPixel = 1; ///< above 0
    double left = 0;       ///< where the waveforms start, pixels
    double x(double ms) const { return left + (ms - fromMs) / msPerPixel; }
};

/// One row's part of a recording between two times.
struct RowWave {
    std::size_t position = 0; ///< in Recorder::signalList()
    double from = 0;          ///< where the row's waveform starts, ms
    /// The value at `from`; nothing when the row has no value in the span (nothing to draw).
    std::optional<int> first;
    /// Changes after `from`, in time order (several may share a time; the last counts).
    std::vector<std::pair<std::uint64_t, int>> changes;
};

/// The rows at `positions` between `from` and `to` ms (within the recording, from below to), one
/// for each position in its order. A signal added during the recording starts where its first
/// value comes; a position past the list, or with no value in the span, has no `first`.
std::vector<RowWave> rowWaves(const Recorder& recorder, const std::vector<std::size_t>& positions,
                              double from, double to);

/// A bit drawn in pixel columns: a column that saw both levels draws a full-height stroke, so
/// toggling too fast for the zoom stays visible.
struct BitWave {
    /// The line's corners: x in pixels and the level there (true: high), left to right.
    std::vector<std::pair<double, bool>> line;
    /// Columns where the bit ends high, as [first, last + 1) runs: filled under the line.
    std::vector<std::pair<long, long>> high;
};
/// The bit of `row` (which has a `first`) from row.from to `to` ms.
BitWave bitWave(const RowWave& row, const TimeScale& scale, double to);

/// A piece of a number's bus: a value from x0 to x1, or a busy stretch of values changing
/// faster than the zoom shows.
struct BusPiece {
    double x0 = 0;
    double x1 = 0;
    int value = 0; ///< the value shown; for a busy piece, the one it settled on
    bool busy = false;
    friend bool operator==(const BusPiece&, const BusPiece&) = default;
};
/// A bus segment narrower than this many pixels shows as busy rather than as a value.
inline constexpr double kMinSegment = 4;
/// The pieces of a number (`row` has a `first`) from row.from to `to`. A busy stretch ends at its
/// last change: the value it settled on is drawn from there, however long it lasts.
std::vector<BusPiece> busPieces(const RowWave& row, const TimeScale& scale, double to);

/// The text `value` of `signal` reads in a diagram: a timer's value in seconds ("4.5") as its
/// display shows it, unless `timerTicks`; a word in four hexadecimal digits ("#0042"); any other
/// value as the number.
std::string valueText(const Signal& signal, int value, bool timerTicks);

/// What the names' column shows for `signal`: its name, after the name `names` (may be null)
/// gives its address ("START in0").
std::string signalLabel(const Signal& signal, const names::NameTable* names);

/// The first of 1, 2, 5, 10, 20, 50, ... milliseconds whose axis labels stand at least `minGap`
/// pixels apart at `msPerPixel`.
double labelStep(double msPerPixel, double minGap);

} // namespace rungbox::trace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws a recording as a timing diagram: a time axis in milliseconds with the scan count under
// it, one row per signal with its name (and its value at the cursor), bits as high and low lines
// and numbers as a bus with their values written in. The window, the PNG and SVG exports and the
// README's picture all draw through this one painter.

#include "names/NameTable.h"
#include "trace/Recorder.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace rungbox::ui {

/// The part of a recording a diagram shows.
struct TimingFrame {
    double fromMs = 0;     ///< time at the left edge of the waveforms, milliseconds
    double msPerPixel = 1; ///< the zoom: milliseconds per pixel, above 0
    /// The rows, top first, as positions in Recorder::signalList(); empty: every signal in the
    /// recorder's order. Positions past the list are left out.
    std::vector<std::size_t> rows;
    int firstRow = 0;                        ///< the first of the rows shown at the top
    std::optional<std::uint64_t> cursorMs;   ///< where the cursor stands, if anywhere
    const names::NameTable* names = nullptr; ///< the program's names, shown with the signals'
    bool dark = false;       ///< drawn for a dark palette (see Shades.h); exports are drawn light
    bool timerTicks = false; ///< timers' values in ticks rather than seconds ("45", not "4.5")
};

class TimingPainter {
public:
    /// The column of names and cursor values, the axis above the rows and one row, in pixels.
    static constexpr int kNameWidth = 190;
    static constexpr int kAxisHeight = 40;
    static constexpr int kRowHeight = 26;

    /// Paints `recorder` as `frame` shows it on an area of `size` pixels at the painter's origin.
    /// Rows that do not fit are left out; times outside the recording stay blank, except the
    /// part dropped for the recorder's limit, which is shaded and says so.
    static void paint(QPainter& painter, QSize size, const trace::Recorder& recorder,
                      const TimingFrame& frame);
    /// What the names' column shows for `signal`: its name, after the name `names` (may be
    /// null) gives its address ("START in0").
    static QString signalLabel(const trace::Signal& signal, const names::NameTable* names);

    /// The text `value` of `signal` reads in a diagram: a timer's value in seconds ("4.5") as
    /// its display shows it, unless `frame` asks for ticks; any other value as the number.
    static QString valueText(const trace::Signal& signal, int value, const TimingFrame& frame);

    /// The positions `frame` shows as rows, top first (TimingFrame::rows, or every signal).
    static std::vector<std::size_t> rowsOf(const trace::Recorder& recorder,
                                           const TimingFrame& frame);

    /// The size that shows all `rows` with `waveformWidth` pixels of waveform.
    static QSize sizeFor(int rows, int waveformWidth) {
        return {kNameWidth + waveformWidth, kAxisHeight + rows * kRowHeight};
    }
};

} // namespace rungbox::ui

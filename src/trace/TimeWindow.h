// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stretch of a recording a timing diagram shows across its width: where it starts, the zoom,
// and whether it follows the end of a recording that grows. The window's view and the page keep
// one each, so that zoom, fit and scrolling behave the same in both.

#include "Recorder.h"

#include <cstdint>
#include <optional>

namespace rungbox::trace {

class TimeWindow {
public:
    /// The zoom at the start: a hundred pixels a second, ten a timer tick.
    static constexpr double kStartMsPerPixel = 10;
    /// The closest zoom: 32 pixels a millisecond, enough to tell single scans apart.
    static constexpr double kMinMsPerPixel = 1.0 / 32;
    /// Zoom In and Zoom Out halve and double the time across the width.
    static constexpr double kZoomStep = 2;
    /// The widest zoom shows the whole recording in a quarter of the width.
    static constexpr double kFitShare = 4;

    /// Time at the left edge of the waveforms, milliseconds.
    double fromMs() const { return m_fromMs; }
    /// Milliseconds per pixel, from kMinMsPerPixel up.
    double msPerPixel() const { return m_msPerPixel; }
    /// True while the end of the recording is in view: the window then follows it as it grows.
    bool following() const { return m_follow; }

    /// The end of `recorder`'s time: the value at the last sample lasts that millisecond.
    static double endMs(const Recorder& recorder);
    /// The whole recording at this zoom, in pixels.
    double totalPixels(const Recorder& recorder) const;

    /// After `recorder` changed, with `width` pixels of waveform: back to the start when it is
    /// empty, at its end while following, never before its first complete time.
    void track(const Recorder& recorder, double width);
    /// Zooms by `factor` (below 1: closer) within the limits, keeping `anchorMs` (the cursor)
    /// where it is across the width, or else the middle.
    void zoomBy(double factor, const Recorder& recorder, double width,
                std::optional<std::uint64_t> anchorMs);
    /// Shows the whole recording across `width` pixels, and follows it.
    void fit(const Recorder& recorder, double width);
    /// Scrolled to `pixels` from the recording's first complete time; `follow` when scrolled to
    /// the end.
    void scrollTo(double pixels, const Recorder& recorder, bool follow);
    /// Puts `ms` in the middle of `width` pixels at the zoom it has, and stops following.
    void centre(std::uint64_t ms, const Recorder& recorder, double width);

private:
    double m_fromMs = 0;
    double m_msPerPixel = kStartMsPerPixel;
    bool m_follow = true;
};

} // namespace rungbox::trace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps a periodic job on its schedule when the timer that drives it ticks late or unevenly:
// each tick runs the runs the elapsed time is owed, up to a limit, and a longer stall is
// forgiven rather than caught up in one burst.

#include <cstdint>

namespace rungbox::ui {

class TickPacer {
public:
    /// One run every `periodMs` milliseconds (at least 1), at most `maxPerTick` runs (at least
    /// 1) on one tick.
    TickPacer(int periodMs, int maxPerTick);

    /// Starts the schedule at `nowMs` (any monotonic clock in milliseconds): nothing is owed.
    void start(std::int64_t nowMs);

    /// The number of runs due at `nowMs`, 0 to maxPerTick; they count as done. When more are
    /// owed than one tick may run, the rest is dropped.
    int due(std::int64_t nowMs);

    int periodMs() const { return m_periodMs; }
    int maxPerTick() const { return m_maxPerTick; }

private:
    int m_periodMs;
    int m_maxPerTick;
    std::int64_t m_startMs = 0;
    /// Runs counted since the start, the dropped ones included.
    std::int64_t m_counted = 0;
};

} // namespace rungbox::ui

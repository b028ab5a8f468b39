// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pace of the real clock, as a run in the window, on the page or in a rungbox-sim script
// keeps it: a scan each millisecond from the start of the run, and a timer tick right after the
// scan of every hundredth millisecond. The switches may change before any scan (a person presses
// at any millisecond), so the first tick after a change comes 1 to 100 scans after it.

#include "TransitionSystem.h"

#include <cstddef>
#include <vector>

namespace rungbox::explore {

/// The real clock runs exactly this many scans before the first tick and between two ticks.
inline constexpr int kScansPerTick = 100;

/// True when a real run can take `steps` from its start: every tick comes right after the
/// hundredth scan since the start or the previous tick, and no scan is the hundred-and-first
/// since then. The switches of the scans are free.
bool realClockRuns(const std::vector<Step>& steps);

/// Sequences a real run takes, each made from `steps` (a sequence the explorer found at a free
/// pace, every tick after at least one scan) by adding scans and ticks without changing the
/// order of its own: a stretch of more than kScansPerTick scans gets a tick after each
/// hundredth, and a stretch that ends in a tick with fewer is filled up, either at its end with
/// its last scan's switches or at its start with the switches in force before it. The first is
/// every stretch filled at its end, the second every one at its start, then each stretch filled
/// at its start alone; at most `most` of them, without repeats.
std::vector<std::vector<Step>> realPacings(const std::vector<Step>& steps, std::size_t most);

} // namespace rungbox::explore

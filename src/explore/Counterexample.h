// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Step sequences found by an exploration: padding them to the real clock's pace, replaying
// them, and writing them as rungbox-sim scripts.

#include "TransitionSystem.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::explore {

/// The real clock runs this many scans between two timer ticks (a scan each millisecond, a
/// tick each 100 ms), and before the first one.
inline constexpr int kScansPerTick = 100;

/// `steps` with every run of fewer than kScansPerTick scans that ends in a tick lengthened to
/// kScansPerTick by repeating its last scan's switches before the tick.
std::vector<Step> padToClock(const std::vector<Step>& steps);

/// Runs `steps` on every system from its start. After each scan, `shows()` is asked; answers
/// how many steps ran up to the first scan for which it answered true, or nothing. A program
/// error ends the replay with nothing.
std::optional<std::size_t> replay(const std::vector<TransitionSystem*>& systems,
                                  const std::vector<Step>& steps,
                                  const std::function<bool()>& shows);

/// A sequence that shows something, as short as the exploration found it.
struct Counterexample {
    std::vector<Step> steps;
    /// False when the sequence needs fewer scans between two ticks than the real clock runs,
    /// and the padded sequence does not show the same.
    bool realPace = true;
};

/// Finds `shortest` again at the real clock's pace: the padded sequence, cut after the first
/// scan that shows it, when it shows it; else `shortest`, marked as not at the real pace.
Counterexample atRealPace(const std::vector<TransitionSystem*>& systems,
                          const std::vector<Step>& shortest, const std::function<bool()>& shows);

/// "1 step", "5 steps".
std::string stepCount(std::size_t steps);

/// The rungbox-sim script that presses run/stop, then runs `steps` (`in` where a switch
/// changes; `wait MS` where the steps have ticks and are what the real clock runs, a scan each
/// millisecond and a tick each hundredth, else `scan K` and `tick K`), then `expects`. `comments`
/// go first, each after "# ".
std::string scriptText(const std::vector<Step>& steps, const std::vector<std::string>& comments,
                       const std::vector<std::string>& expects);

} // namespace rungbox::explore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Step sequences found by an exploration: padding them to the real clock's pace, replaying
// them, and writing them as rungbox-sim scripts.

#include "TransitionSystem.h"
#include "RealClock.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::explore {

/// Runs `steps` on every system from its start. After each scan, `shows()` is asked; answers
/// how many steps ran up to the first scan for which it answered true, or nothing. A program
/// error ends the replay with nothing.
std::optional<std::size_t> replay(const std::vector<TransitionSystem*>& systems,
                                  const std::vector<Step>& steps,
                                  const std::function<bool()>& shows);

/// Whether a real run (RealClock.h) can show what a counterexample shows.
enum class Pace {
    Real,      ///< the counterexample itself keeps the real clock's pace
    Unreal,    ///< no real run shows it: every one was explored
    Unsettled, ///< the counterexample does not keep the pace, and the state limit ended the
               ///< search for a real run that shows it
};

/// A sequence that shows something, as short as the exploration found it.
struct Counterexample {
    std::vector<Step> steps;
    Pace pace = Pace::Real;
};

/// Finds `shortest` (a sequence that an exploration at a free pace found to show something) at
/// the real clock's pace: `shortest` itself when a real run can take it; else the first of its
/// realPacings() that shows it, cut after the first scan that does; else the shortest real
/// sequence that shows it, explored with the switches `varied` and at most `maxStates` states;
/// else `shortest`, marked Unreal or Unsettled. The systems are left anywhere.
Counterexample atRealPace(const std::vector<TransitionSystem*>& systems, const std::vector<Step>& shortest,
                          const std::function<bool()>& shows, std::uint16_t varied,
                          std::size_t maxStates);

/// The line that says a counterexample is not at the real clock's pace; empty when it is.
std::string paceNote(Pace pace);

/// "1 step", "5 steps".
std::string stepCount(std::size_t steps);

/// The rungbox-sim script that presses run/stop, then runs `steps` (`in` where a switch
/// changes; `wait MS` where the steps have ticks and a real run takes them (realClockRuns), else
/// `scan K` and `tick K`), then `expects`. `comments`
/// go first, each after "# ".
std::string scriptText(const std::vector<Step>& steps, const std::vector<std::string>& comments,
                       const std::vector<std::string>& expects);

} // namespace rungbox::explore

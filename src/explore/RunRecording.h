// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A step sequence recorded as a timing recording, for a timing diagram or a VCD file of a
// counterexample: one step a millisecond.

#include "TransitionSystem.h"

#include "trace/Recorder.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rungbox::explore {

/// Runs `steps` on `system` from its start, sampling after each: step i at millisecond i + 1,
/// the start at 0. Records the switches in `inputs` (bit n for switch n), the relays `relays`
/// and the present values of the program's timers and counters.
std::unique_ptr<trace::Recorder> recordRun(TransitionSystem& system, const std::vector<Step>& steps,
                                           std::uint16_t inputs, const std::vector<int>& relays);

} // namespace rungbox::explore

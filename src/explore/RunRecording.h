// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A step sequence recorded as a timing recording, for a timing diagram or a VCD file of a
// counterexample: a scan a millisecond, as the real clock runs them.

#include "TransitionSystem.h"

#include "trace/Recorder.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rungbox::explore {

/// Runs `steps` on `system` from its start, sampling after each: the start at millisecond 0,
/// the k-th scan at millisecond k and a tick at the millisecond of the scan before it. Records
/// the switches in `inputs` (bit n for switch n), the relays `relays`, and the done bits and
/// present values of the program's timers and counters.
std::unique_ptr<trace::Recorder> recordRun(TransitionSystem& system, const std::vector<Step>& steps,
                                           std::uint16_t inputs, const std::vector<int>& relays);

} // namespace rungbox::explore

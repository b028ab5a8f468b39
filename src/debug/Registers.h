// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The register panel's text: what a paused scan holds between two lines, as the window's and
// the page's register panels show it.

#include "Debugger.h"

#include <string>

namespace rungbox::debug {

/// The register panel shows this many block-stack entries from the top; deeper ones are summed
/// up as "...", since a stack of a hundred entries would not be read anyway.
inline constexpr std::size_t kStackEntriesShown = 12;

/// "Between scans" when no scan is paused; else three lines: "Next line N: CODE LOCATION"
/// (without the LOCATION for END, AND BLK and OR BLK, which take no operand),
/// "Result R = r" and "Block stack (depth, top first): 1 0 ...".
/// Extended programs add areaText's lines after these.
std::string registerText(const Debugger& debugger);

/// The extended areas of `plc` as the register panel lists them, one line each: the bits that
/// are on in W, HR, AR and TR ("HR: HR1.05 HR2.00", "-" when none), the special relays by name
/// and state ("Special: P_On 1 P_Off 0 ..."), and the present values of the timers and counters
/// the program's lines use ("TIM 12 = 4.5", "CNT 3 = 7"). Empty for classic programs.
std::string areaText(const engine::Controller& plc);

} // namespace rungbox::debug

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
std::string registerText(const Debugger& debugger);

} // namespace rungbox::debug

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The addresses a program in the grid works with, for the names editor's list of addresses that
// have no name yet and for the names shown beside the grid.

#include "CodeGrid.h"
#include "names/Address.h"

#include <optional>
#include <vector>

namespace rungbox::editor {

/// The address the LOCATION cell of code line `line` (1 to 299) names, as its instruction reads
/// it: a relay, "TIM n" or "CNT n"; nothing for a line without one or out of range.
std::optional<names::Address> addressOfLine(const CodeGrid& grid, int line);

/// Every address of the code lines down to the first END, each once, in Address order.
std::vector<names::Address> addressesUsed(const CodeGrid& grid);

} // namespace rungbox::editor

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim compare [OPTIONS] REFERENCE.PLC CANDIDATE.PLC

#include <ostream>
#include <string>
#include <vector>

namespace rungbox::sim {

/// Runs `compare` with `args` (the words after it); answers the exit status.
int compareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim prove [OPTIONS] PROGRAM.PLC PROPERTIES

#include <ostream>
#include <string>
#include <vector>

namespace rungbox::sim {

/// Runs `prove` with `args` (the words after it); answers the exit status.
int proveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rungbox::sim

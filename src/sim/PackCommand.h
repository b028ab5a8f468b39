// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim pack check DIR, rungbox-sim pack publish DIR OUT, and rungbox-sim grade --pack DIR
// SUBMISSION...: a teacher's exercise pack checked, published for the students, and the
// students' work graded.

#include "Options.h"

#include <ostream>
#include <string>
#include <vector>

namespace rungbox::sim {

/// Runs `pack` with `args` (the words after it); answers the exit status.
int packCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// Runs `grade` with --pack (options.packDir); the operands are the submissions. Answers the
/// exit status.
int gradePackCommand(const Options& options, std::ostream& out, std::ostream& err);

/// The lines of `grade --help` about --pack.
extern const char* const kGradePackHelp;

} // namespace rungbox::sim

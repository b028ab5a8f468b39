// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `rungbox-sim grade`: one script run on many programs, each in a session of its own, several at
// once on threads of their own, with the results in the order the programs were given.

#include "Script.h"
#include "TestResults.h"

#include <string>
#include <vector>

namespace rungbox::sim {

/// Runs `script` on the program file at `path` in a fresh session, its printing discarded. A
/// program that cannot be loaded fails every test, with the load's message as the reason. With
/// `vcdDir` not empty, a run with a failed test is written there as vcdName(position, count,
/// path), and `vcd` of the result names the file.
ProgramResult gradeProgram(const Script& script, const std::string& path, std::size_t position,
                           std::size_t count, const std::string& vcdDir);

/// gradeProgram() for each of `paths`, `jobs` at a time (0: one per core), in their order.
std::vector<ProgramResult> gradePrograms(const Script& script,
                                         const std::vector<std::string>& paths, int jobs,
                                         const std::string& vcdDir);

/// The VCD file name for the program at `position` (from 1) of `count`: the position with at
/// least two digits, a '-', and the file's name without folder and extension, characters other
/// than letters, digits, '_', '-' and '.' turned into '_' ("03-motor.vcd").
std::string vcdName(std::size_t position, std::size_t count, const std::string& path);

} // namespace rungbox::sim

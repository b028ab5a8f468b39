// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `rungbox-sim grade`: one script run on many programs, each in a session of its own, several at
// once on threads of their own, with the results in the order the programs were given.

#include "Runner.h"
#include "Script.h"
#include "TestResults.h"
#include "names/NameTable.h"

#include <string>
#include <vector>

namespace rungbox::sim {

/// What grade is asked for besides the script and the programs.
struct GradeRequest {
    int jobs = 0;         ///< programs run at once; 0: one per core
    std::string vcdDir;   ///< where failing runs are written; empty: nowhere
    std::string onlyTest; ///< the one test kept in the results (--test); empty: all
    /// Every program's names (--names; not owned); null: each program's own beside it.
    const names::NameTable* names = nullptr;
};

/// A program run for the reports: its result, and whether it could be loaded at all.
struct ProgramRun {
    ProgramResult result;
    bool loaded = false;
};

/// Loads the program file at `path` into `runner` (which prints the load's message, if any),
/// gives it `names` instead of its own (not owned; null: its own), records its runs when
/// `record`, and runs `script`. The result holds Runner::reportedResults(); a program that
/// cannot be loaded fails every reported test with the load's message, status Exit::Usage.
ProgramRun runProgram(Runner& runner, const Script& script, const std::string& path,
                      const names::NameTable* names, bool record);

/// Runs `script` on the program file at `path` in a fresh session, its printing discarded, as
/// runProgram() does. With
/// `request.vcdDir` not empty, a run with a failed test (of those kept) is written there as
/// vcdName(position, count, path), and `vcd` of the result names the file.
ProgramResult gradeProgram(const Script& script, const std::string& path, std::size_t position,
                           std::size_t count, const GradeRequest& request);

/// gradeProgram() for each of `paths`, `request.jobs` at a time, in their order.
std::vector<ProgramResult> gradePrograms(const Script& script,
                                         const std::vector<std::string>& paths,
                                         const GradeRequest& request);

/// The VCD file name for the program at `position` (from 1) of `count`: the position with at
/// least two digits, a '-', and the file's name without folder and extension, characters other
/// than letters, digits, '_', '-' and '.' turned into '_' ("03-motor.vcd").
std::string vcdName(std::size_t position, std::size_t count, const std::string& path);

} // namespace rungbox::sim

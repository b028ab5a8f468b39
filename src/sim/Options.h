// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim's command-line options, read the same way for a program run alone and for
// `grade`: options first, then the operands.

#include "Reports.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::sim {

/// The most programs run at once. More threads than this gain nothing on any machine a class
/// grades on, and each one holds a whole controller's memory.
inline constexpr int kMaxJobs = 256;

struct Options {
    std::string vcdPath;   ///< --vcd FILE: the program run alone, recorded
    std::string vcdDir;    ///< --vcd-dir DIR: grade, each failing program's run recorded
    std::string namesPath; ///< --names FILE: the names instead of those beside the program
    std::vector<std::pair<ReportFormat, std::string>> reports; ///< each report and its file
    std::optional<std::string> testName;                       ///< --test NAME
    int jobs = 0;                      ///< --jobs N (1 to kMaxJobs); 0: one per core
    std::string packDir;               ///< grade --pack DIR: the teacher's pack folder
    std::size_t maxStates = 0;         ///< grade --max-states N (with --pack); 0: default
    std::vector<std::string> operands; ///< what follows the options

    /// True when a report goes to standard output ("-").
    bool reportToStandardOutput() const;
};

/// Reads `args` (the words after the program name, or after `grade`). An option's value is the
/// next word; the first word not starting with "--" (or a lone "-") and everything after it are
/// operands. `grade` takes --vcd-dir and --jobs, a program run alone --vcd, both --names. On a
/// wrong command line, nothing and `error` says why.
std::optional<Options> parseOptions(const std::vector<std::string>& args, bool grade,
                                    std::string& error);

} // namespace rungbox::sim

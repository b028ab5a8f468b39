// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim's commands, each given the words of the command line after its own name, each
// answering the exit status (rungbox::sim::Exit).

#include <string>
#include <vector>

/// [OPTIONS] PROGRAM.PLC [SCRIPT]: one program run by a script (RunCommand.cpp).
int runCommand(const std::vector<std::string>& args);

/// grade [OPTIONS] SCRIPT PROGRAM.PLC...: one script's tests on many programs (GradeCommand.cpp).
int gradeCommand(const std::vector<std::string>& args);

/// The usage line printed for a wrong command line.
inline constexpr const char* kUsageLine =
    "usage: rungbox-sim [--vcd FILE] [--names FILE] PROGRAM.PLC [SCRIPT]\n";

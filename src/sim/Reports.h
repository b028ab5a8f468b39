// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reports rungbox-sim writes of a script's tests, in the formats grading tools read: TAP
// version 13, JUnit XML, the JSON of Gradescope's autograder and CSV. Every writer takes the
// programs in the order given; `single` is a program run alone (rather than by `grade`), whose
// report names no program where the format leaves that choice. A hidden test shows only whether
// it passed. Text is written as text::printableText makes it (valid UTF-8 kept as it is, control
// characters and invalid bytes as '?'), then escaped as each format must.

#include "TestResults.h"
#include "text/Utf8.h"

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rungbox::sim {

enum class ReportFormat { Tap, Junit, Json, Csv };

/// "tap", "junit", "json" or "csv".
std::string_view reportName(ReportFormat format);

void writeTap(std::ostream& out, const std::vector<ProgramResult>& programs, bool single);
void writeJunit(std::ostream& out, const std::vector<ProgramResult>& programs);
void writeJson(std::ostream& out, const std::vector<ProgramResult>& programs, bool single);
/// One row per program, one column per test of `tests` (its points, or 0); a column named
/// for an exercise of grade --pack sums the points of its tests ("EXERCISE: TEST").
void writeCsv(std::ostream& out, const std::vector<ProgramResult>& programs,
              const std::vector<TestInfo>& tests);

void writeReport(ReportFormat format, std::ostream& out, const std::vector<ProgramResult>& programs,
                 const std::vector<TestInfo>& tests, bool single);

/// A report to write and where: a file name, or "-" for standard output.
using ReportRequest = std::pair<ReportFormat, std::string>;

/// Writes each of `requests`, "-" to `standardOutput`. False, with the reason printed on `err`,
/// when one cannot be written (the others are written still).
bool writeReports(const std::vector<ReportRequest>& requests,
                  const std::vector<ProgramResult>& programs, const std::vector<TestInfo>& tests,
                  bool single, std::ostream& standardOutput, std::ostream& err);

/// Keeps only test `name` in each program's results (for --test).
void keepOnlyTest(std::vector<ProgramResult>& programs, const std::string& name);

} // namespace rungbox::sim

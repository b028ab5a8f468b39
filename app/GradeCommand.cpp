// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...: the script's tests on every program, a line
// per program with its points and first failure, and the reports of them all.

#include "CommandLine.h"
#include "SimCommands.h"

#include "sim/Grader.h"
#include "sim/Options.h"
#include "sim/PackCommand.h"
#include "sim/Runner.h"
#include "sim/ScriptNames.h"
#include "text/Utf8.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace sim = rungbox::sim;

namespace {

constexpr const char* kGradeUsage = "usage: rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...\n";

// "motor.PLC: 5/7 points; first failure: latch: expected out ..., got ... (line 9, ...)".
void printSummary(std::ostream& out, const sim::ProgramResult& program) {
    out << rungbox::text::printableText(program.program) << ": " << program.score() << '/'
        << program.maxScore() << " points";
    if (const sim::TestResult* failed = program.firstFailure()) {
        out << "; first failure: " << failed->info.name << ": "
            << rungbox::text::printableText(sim::ProgramResult::describe(*failed));
    }
    if (!program.vcd.empty()) {
        out << "; run in " << rungbox::text::printableText(program.vcd);
    }
    out << '\n';
}

} // namespace

int gradeCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto options = sim::parseOptions(args, true, error);
    if (!options) {
        return usage(error, kGradeUsage);
    }
    if (!options->packDir.empty()) {
        return sim::gradePackCommand(*options, std::cout, std::cerr);
    }
    if (options->maxStates != 0) {
        return usage("--max-states is taken with --pack only", kGradeUsage);
    }
    const auto& operands = options->operands;
    if (operands.size() < 2) {
        return usage("", kGradeUsage);
    }
    // --names: the names of the script and of every program.
    std::optional<rungbox::names::NameTable> names;
    if (!readNamesOption(*options, names)) {
        return sim::Exit::Usage;
    }
    // The script is read first for the extended set when a program is extended, so that its
    // word and bit lines pass; each program reads it again in its own set.
    rungbox::names::NameTable scriptNames = names ? *names : rungbox::names::NameTable{};
    if (std::any_of(operands.begin() + 1, operands.end(), [](const std::string& program) {
            return sim::programInstructionSet(program) == rungbox::engine::InstructionSet::Extended;
        })) {
        scriptNames.setInstructionSet(rungbox::engine::InstructionSet::Extended);
    }
    sim::Script script;
    if (!readScriptOperand(operands[0], scriptNames, true, script)) {
        return sim::Exit::Usage;
    }
    if (options->testName && script.testIndex(*options->testName) < 0) {
        return usage("the script has no test " + *options->testName, kGradeUsage);
    }
    if (!options->vcdDir.empty() && !sim::isDirectory(options->vcdDir)) {
        return usage("--vcd-dir " + options->vcdDir + " is not a folder", kGradeUsage);
    }

    const std::vector<std::string> programs(operands.begin() + 1, operands.end());
    const sim::GradeRequest request{options->jobs, options->vcdDir, options->testName.value_or(""),
                                    names ? &*names : nullptr};
    const auto results = sim::gradePrograms(script, programs, request);
    std::ostream& printing = options->reportToStandardOutput() ? std::cerr : std::cout;
    bool allPassed = true;
    for (const sim::ProgramResult& program : results) {
        printSummary(printing, program);
        allPassed = allPassed && program.firstFailure() == nullptr;
    }
    printing.flush();
    auto tests = sim::reportedTests(script);
    if (options->testName) {
        tests = {tests[static_cast<std::size_t>(script.testIndex(*options->testName))]};
    }
    const bool written =
        sim::writeReports(options->reports, results, tests, false, std::cout, std::cerr);
    return !written ? sim::Exit::Usage : allPassed ? sim::Exit::Ok : sim::Exit::ExpectFailed;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...: the script's tests on every program, a line
// per program with its points and first failure, and the reports of them all.

#include "SimCommands.h"

#include "sim/Grader.h"
#include "sim/Options.h"
#include "sim/Runner.h"
#include "sim/ScriptNames.h"

#include <iostream>
#include <optional>

#include <sys/stat.h>

namespace sim = rungbox::sim;

namespace {

constexpr const char* kGradeUsage = "usage: rungbox-sim grade [OPTIONS] SCRIPT PROGRAM.PLC...\n";

int usage(const std::string& why) {
    if (!why.empty()) {
        std::cerr << "rungbox-sim: " << why << '\n';
    }
    std::cerr << kGradeUsage;
    return sim::Exit::Usage;
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// "motor.PLC: 5/7 points; first failure: latch: expected out ..., got ... (line 9, ...)".
void printSummary(std::ostream& out, const sim::ProgramResult& program) {
    out << sim::printableText(program.program) << ": " << program.score() << '/'
        << program.maxScore() << " points";
    if (const sim::TestResult* failed = program.firstFailure()) {
        out << "; first failure: " << failed->info.name << ": "
            << sim::printableText(sim::ProgramResult::describe(*failed));
    }
    if (!program.vcd.empty()) {
        out << "; run in " << sim::printableText(program.vcd);
    }
    out << '\n';
}

// A script that cannot be read, or has a line not understood, is refused before anything runs.
bool readGradeScript(const std::string& path, sim::Script& script,
                     const rungbox::names::NameTable& names) {
    std::string error;
    if (!sim::readScriptFile(path, script, error, names)) {
        std::cerr << "rungbox-sim: cannot read " << path << ": " << error << '\n';
        return false;
    }
    if (const sim::ScriptStep* bad = script.firstError()) {
        std::cerr << "rungbox-sim: line " << bad->number << ": " << bad->line.error << '\n';
        return false;
    }
    if (script.unreadableLine != 0) {
        std::cerr << "rungbox-sim: line " << script.unreadableLine
                  << ": the script could not be read\n";
        return false;
    }
    return true;
}

} // namespace

int gradeCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto options = sim::parseOptions(args, true, error);
    if (!options) {
        return usage(error);
    }
    const auto& operands = options->operands;
    if (operands.size() < 2) {
        return usage("");
    }
    // --names: the names of the script and of every program.
    std::optional<rungbox::names::NameTable> names;
    if (!options->namesPath.empty()) {
        names = sim::readNamesOption(options->namesPath, std::cerr);
        if (!names) {
            return sim::Exit::Usage;
        }
    }
    sim::Script script;
    if (!readGradeScript(operands[0], script, names ? *names : rungbox::names::NameTable{})) {
        return sim::Exit::Usage;
    }
    if (options->testName && script.testIndex(*options->testName) < 0) {
        return usage("the script has no test " + *options->testName);
    }
    if (!options->vcdDir.empty() && !isDirectory(options->vcdDir)) {
        return usage("--vcd-dir " + options->vcdDir + " is not a folder");
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
    auto tests = script.tests;
    if (options->testName) {
        tests = {tests[static_cast<std::size_t>(script.testIndex(*options->testName))]};
    }
    const bool written =
        sim::writeReports(options->reports, results, tests, false, std::cout, std::cerr);
    return !written ? sim::Exit::Usage : allPassed ? sim::Exit::Ok : sim::Exit::ExpectFailed;
}

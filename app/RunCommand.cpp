// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim [OPTIONS] PROGRAM.PLC [SCRIPT]: one program run by a script read from SCRIPT or,
// without it, from standard input. With --vcd, every run of the script is recorded in simulated
// time and written to FILE as a VCD file when the script ends. With report options the script's
// tests are written as reports; while one goes to standard output, the script's own printing
// goes to standard error.

#include "CommandLine.h"
#include "SimCommands.h"

#include "sim/Grader.h"
#include "sim/Options.h"
#include "sim/Runner.h"
#include "sim/ScriptNames.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

#include <unistd.h>

namespace sim = rungbox::sim;

namespace {

// With --test, the status is that test's alone: Ok when it passed, else the run's own.
int selectedStatus(const sim::ProgramResult& result, int status) {
    return result.firstFailure() == nullptr ? sim::Exit::Ok : status;
}

// A script on standard input with nothing to report runs line by line as it comes, so that a
// script fed by another program sees each command's output at once.
int runAsItComes(const sim::Options& options, const std::string& program,
                 const std::optional<rungbox::names::NameTable>& names) {
    if (sim::isDirectory(STDIN_FILENO)) {
        // A folder opens as a stream that reads as empty, which would pass for an empty script.
        std::cerr << "rungbox-sim: cannot read the script: " << std::strerror(EISDIR) << '\n';
        return sim::Exit::Usage;
    }
    auto runner = std::make_unique<sim::Runner>(std::cout, std::cerr);
    if (!runner->load(program)) {
        return sim::Exit::Usage;
    }
    if (names) {
        runner->useNames(*names);
    }
    if (!options.vcdPath.empty()) {
        runner->recordRuns();
    }
    const int status = runner->run(std::cin);
    if (!options.vcdPath.empty() && !runner->writeVcd(options.vcdPath) && status == sim::Exit::Ok) {
        return sim::Exit::Usage;
    }
    return status;
}

} // namespace

int runCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto options = sim::parseOptions(args, false, error);
    if (!options) {
        return usage(error, kUsageLine);
    }
    const auto& operands = options->operands;
    if (operands.empty() || operands.size() > 2) {
        return usage("", kUsageLine);
    }
    // --names: these names instead of those beside the program.
    std::optional<rungbox::names::NameTable> names;
    if (!readNamesOption(*options, names)) {
        return sim::Exit::Usage;
    }
    if (operands.size() == 1 && options->reports.empty() && !options->testName) {
        return runAsItComes(*options, operands[0], names);
    }
    // The script is read first, so that a wrong command line is refused before anything runs.
    // Its lines are read with the names the program will have.
    sim::Script script;
    if (!readScriptOperand(operands.size() == 2 ? operands[1] : "",
                           names ? *names : sim::namesBeside(operands[0]), false, script)) {
        return sim::Exit::Usage;
    }
    if (options->testName && script.testIndex(*options->testName) < 0) {
        return usage("the script has no test " + *options->testName, kUsageLine);
    }

    std::ostream& printing = options->reportToStandardOutput() ? std::cerr : std::cout;
    // The controller's memory and the grid are large; keep them off the stack.
    auto runner = std::make_unique<sim::Runner>(printing, std::cerr);
    runner->reportOnlyTest(options->testName.value_or(""));
    sim::ProgramRun run = sim::runProgram(*runner, script, operands[0], names ? &*names : nullptr,
                                          !options->vcdPath.empty());
    int status = run.result.status;
    if (run.loaded && !options->vcdPath.empty() && !runner->writeVcd(options->vcdPath) &&
        status == sim::Exit::Ok) {
        status = sim::Exit::Usage;
    }
    std::vector<sim::ProgramResult> results{std::move(run.result)};
    if (options->testName) {
        sim::keepOnlyTest(results, *options->testName);
        status = selectedStatus(results.front(), status);
    }
    if (!sim::writeReports(options->reports, results, sim::reportedTests(script), true, std::cout,
                           std::cerr) &&
        status == sim::Exit::Ok) {
        status = sim::Exit::Usage;
    }
    return status;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareCommand.h"

#include "ExploreCommandLine.h"

#include <sstream>

namespace rungbox::sim {

namespace {

constexpr const char* kCompareUsage =
    "usage: rungbox-sim compare [OPTIONS] REFERENCE.PLC CANDIDATE.PLC\n";

void printCompareHelp(std::ostream& out) {
    out << kCompareUsage
        << "Compares the candidate program with the reference over every input sequence: both\n"
           "are fed the same scans (every combination of the switches they read) and timer\n"
           "ticks from the start of a run, breadth first, and their output relays are compared\n"
           "after every scan. A difference comes with the shortest step sequence that shows\n"
           "it, as a rungbox-sim script that the reference passes and the candidate fails.\n"
           "\n"
           "Options:\n"
           "  --outputs LIST     relays compared (default 1000-1015), e.g. 1000,1002-1005\n"
           "  --inputs LIST      switches that may be used (default 0-15)\n"
           "  --max-states N     give up after N joint states (default 1000000)\n"
           "  --script FILE      write the counterexample script to FILE, not standard output\n"
           "  --vcd FILE         write both runs of the counterexample to FILE (VCD, a scan a\n"
           "                     millisecond as on the real clock)\n"
           "\n"
           "Exit status: 0 equivalent, 5 different, 8 different only at a pace the real clock\n"
           "does not keep (a tick right after every hundredth scan), 6 not decided within\n"
           "--max-states, 1 bad command line, 2 a program cannot start, 3 a program stops with\n"
           "an error.\n";
}

// Every line of `text` as a script comment.
std::string commented(const std::string& text) {
    std::istringstream lines(text);
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        result += "# " + line + '\n';
    }
    return result;
}

int reportDifference(explore::Comparison& comparison, const ExploreCommandLine& line,
                     std::ostream& out, std::ostream& err) {
    const std::string script = comparison.script(line.files[0], line.files[1]);
    if (line.scriptPath.empty()) {
        out << commented(comparison.summary()) << script;
    } else {
        out << comparison.summary();
        if (!writeTextFile(line.scriptPath, script, err)) {
            return Exit::Usage;
        }
    }
    if (!line.vcdPath.empty()) {
        const std::vector<std::pair<std::string, explore::TransitionSystem*>> runs{
            {"reference", &comparison.system(0)}, {"candidate", &comparison.system(1)}};
        if (!writeRunsVcd(line.vcdPath, runs, comparison.counterexample().steps,
                          comparison.explorer().variedInputs(), comparison.outputs(), err)) {
            return Exit::Usage;
        }
    }
    return comparison.counterexample().pace == explore::Pace::Real ? ExploreExit::Found
                                                                   : ExploreExit::OffPace;
}

} // namespace

int compareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ExploreCommandLine::parse(args, err);
    if (!line) {
        return Exit::Usage;
    }
    if (line->help) {
        printCompareHelp(out);
        return Exit::Ok;
    }
    if (line->files.size() != 2) {
        err << kCompareUsage;
        return Exit::Usage;
    }
    StartedProgram reference = startProgram(line->files[0], err);
    if (reference.status != Exit::Ok) {
        return reference.status;
    }
    StartedProgram candidate = startProgram(line->files[1], err);
    if (candidate.status != Exit::Ok) {
        return candidate.status;
    }
    explore::Comparison comparison(reference.runner->controller(), candidate.runner->controller(),
                                   line->options);
    comparison.run();
    switch (comparison.verdict()) {
    case explore::Comparison::Verdict::Equivalent:
        out << comparison.summary();
        return Exit::Ok;
    case explore::Comparison::Verdict::Different:
        return reportDifference(comparison, *line, out, err);
    case explore::Comparison::Verdict::Undecided:
        out << comparison.summary();
        return ExploreExit::Undecided;
    case explore::Comparison::Verdict::ProgramError:
        break;
    }
    const explore::Explorer& e = comparison.explorer();
    err << "rungbox-sim: " << line->files[e.errorSystem()] << " stops with an error at line "
        << e.errorLine() << '\n';
    return Exit::ProgramError;
}

} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProveCommand.h"

#include "ExploreCommandLine.h"
#include "ScriptNames.h"
#include "explore/Proof.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace rungbox::sim {

namespace {

constexpr const char* kProveUsage = "usage: rungbox-sim prove [OPTIONS] PROGRAM.PLC PROPERTIES\n";

void printProveHelp(std::ostream& out) {
    out << kProveUsage
        << "Checks every property in the file PROPERTIES after every scan of every input\n"
           "sequence from the start of a run, breadth first. One property a line:\n"
           "  never EXPR    EXPR is never true      (never 1000 & 1001)\n"
           "  always EXPR   EXPR is always true     (always !1002 | 1000)\n"
           "EXPR: relays with ! & | and parentheses; a relay is its number or its name in the\n"
           "names file beside PROGRAM.PLC. Lines starting with # are skipped.\n"
           "A property is vacuous when a relay it names never changes.\n"
           "\n"
           "Options: --outputs LIST (relays whose coverage is reported), --inputs LIST,\n"
           "--max-states N, --script FILE and --vcd FILE as for compare; the script and the\n"
           "VCD file show the first violated property, one violated at the real clock's pace\n"
           "first.\n"
           "\n"
           "Exit status: 5 a property is violated, else 8 one is violated only at a pace the\n"
           "real clock does not keep, else 6 one is not decided, else 7 one is vacuous, else 0;\n"
           "1 bad command line, 2 the program cannot start, 3 it stops with an error.\n";
}

std::optional<std::string> readText(const std::string& path, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf()) || file.bad()) {
        err << "rungbox-sim: cannot read " << path << '\n';
        return std::nullopt;
    }
    return text.str();
}

// The rank of each exit status of a proof: the first of these that a property has is the
// command's.
constexpr int kStatusRanks[] = {ExploreExit::Found, ExploreExit::OffPace, ExploreExit::Undecided,
                                ExploreExit::Vacuous, Exit::Ok};

int rankOf(int status) {
    return static_cast<int>(std::find(std::begin(kStatusRanks), std::end(kStatusRanks), status) -
                            std::begin(kStatusRanks));
}

int statusOf(const explore::Proof& proof, std::size_t i) {
    switch (proof.verdict(i)) {
    case explore::Proof::Verdict::Violated:
        return proof.violation(i)->pace == explore::Pace::Real ? ExploreExit::Found
                                                               : ExploreExit::OffPace;
    case explore::Proof::Verdict::Undecided:
        return ExploreExit::Undecided;
    case explore::Proof::Verdict::Vacuous:
        return ExploreExit::Vacuous;
    case explore::Proof::Verdict::Holds:
        break;
    }
    return Exit::Ok;
}

// The property whose status is the command's (see kStatusRanks), the first such one.
std::size_t decidingProperty(const explore::Proof& proof) {
    std::size_t deciding = 0;
    for (std::size_t i = 1; i < proof.properties().size(); ++i) {
        if (rankOf(statusOf(proof, i)) < rankOf(statusOf(proof, deciding))) {
            deciding = i;
        }
    }
    return deciding;
}
int reportViolation(explore::Proof& proof, std::size_t i, const ExploreCommandLine& line,
                    std::ostream& out, std::ostream& err) {
    const std::string script = proof.script(i, line.files[0]);
    if (line.scriptPath.empty()) {
        out << script;
    } else if (!writeTextFile(line.scriptPath, script, err)) {
        return Exit::Usage;
    }
    if (!line.vcdPath.empty()) {
        const auto& relays = proof.properties()[i].relays();
        if (!writeRunsVcd(line.vcdPath, {{"program", &proof.system()}}, proof.violation(i)->steps,
                          proof.explorer().variedInputs(), relays, err)) {
            return Exit::Usage;
        }
    }
    return Exit::Ok;
}

} // namespace

int proveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ExploreCommandLine::parse(args, err);
    if (!line) {
        return Exit::Usage;
    }
    if (line->help) {
        printProveHelp(out);
        return Exit::Ok;
    }
    if (line->files.size() != 2) {
        err << kProveUsage;
        return Exit::Usage;
    }
    const auto text = readText(line->files[1], err);
    if (!text) {
        return Exit::Usage;
    }
    // The properties may name relays as the program's names file beside it does.
    const names::NameTable names = namesBeside(line->files[0]);
    explore::PropertyList list = explore::parseProperties(*text, &names);
    if (!list.error.empty() || list.properties.empty()) {
        err << "rungbox-sim: " << line->files[1] << ": "
            << (list.error.empty() ? "no property" : list.error) << '\n';
        return Exit::Usage;
    }
    StartedProgram program = startProgram(line->files[0], err);
    if (program.status != Exit::Ok) {
        return program.status;
    }
    explore::Proof proof(program.runner->controller(), std::move(list.properties), line->options);
    proof.run();
    if (proof.programError()) {
        err << "rungbox-sim: " << line->files[0] << " stops with an error at line "
            << proof.explorer().errorLine() << '\n';
        return Exit::ProgramError;
    }
    out << proof.summary();
    const std::size_t deciding = decidingProperty(proof);
    const int status = statusOf(proof, deciding);
    if (proof.verdict(deciding) == explore::Proof::Verdict::Violated) {
        const int written = reportViolation(proof, deciding, *line, out, err);
        return written == Exit::Ok ? status : written;
    }
    return status;
}

} // namespace rungbox::sim

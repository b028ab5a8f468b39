// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a rungbox-sim script, and the same bytes split at line ends as a command line.
// The script reader numbers its lines in order, declares each test once and in order, and
// explains every line it does not understand; the option reader keeps its bounds; and every
// report written of the script's tests, with the input's own bytes as program name and failure
// texts, holds only printable, valid UTF-8 text where it copies them. Read again for an extended
// program, the script keeps its tests, a bit command names a bit of the workspace, and a word
// command a word (a present value set in BCD).

#include "FuzzSupport.h"

#include "engine/Bcd.h"
#include "engine/BitAddress.h"
#include "sim/Options.h"
#include "sim/Reports.h"
#include "sim/Script.h"
#include "text/Utf8.h"

#include <sstream>
#include <string>
#include <vector>

using namespace rungbox;

namespace {

void checkScript(const sim::Script& script) {
    int last = 0;
    std::size_t declared = 0;
    for (const sim::ScriptStep& step : script.steps) {
        fuzz::require(step.number > last, "script lines are numbered in order");
        last = step.number;
        if (step.line.kind == sim::ScriptLine::Kind::Error) {
            fuzz::require(!step.line.error.empty(), "a line not understood says why");
        } else if (step.line.command.kind == sim::CommandKind::Test) {
            fuzz::require(declared < script.tests.size() &&
                              script.tests[declared].name == step.line.command.name &&
                              script.tests[declared].line == step.number,
                          "each test line declares the next test");
            ++declared;
        }
    }
    fuzz::require(declared == script.tests.size(), "every test has its line");
    for (std::size_t k = 0; k < script.tests.size(); ++k) {
        fuzz::require(script.testIndex(script.tests[k].name) == static_cast<int>(k),
                      "test names are unique");
    }
}

void checkOptions(const std::vector<std::string>& args) {
    for (const bool grade : {false, true}) {
        std::string error;
        const auto options = sim::parseOptions(args, grade, error);
        fuzz::require(options.has_value() || !error.empty(), "a refused command line says why");
        if (options) {
            fuzz::require(options->jobs >= 0 && options->jobs <= sim::kMaxJobs, "jobs in range");
            fuzz::require(options->operands.size() <= args.size(), "operands come from args");
        }
    }
}

// The bytes of `text` are valid UTF-8 without control characters other than line ends.
bool printable(const std::string& text) {
    std::string lines = text;
    for (char& c : lines) {
        c = c == '\n' ? ' ' : c;
    }
    return text::printableText(lines) == lines;
}

void checkReports(const sim::Script& script, const std::string& text) {
    sim::ProgramResult program{text.substr(0, 200), 0, {}, {}};
    for (const sim::TestInfo& info : script.tests) {
        sim::TestResult test{info, info.points % 2 == 0, {}};
        test.failure = {static_cast<int>(info.line),
                        text.substr(0, 40),
                        text.substr(0, 20),
                        text.substr(0, 30),
                        text.substr(0, 60),
                        1,
                        2,
                        3,
                        {}};
        program.tests.push_back(test);
    }
    for (const auto format : {sim::ReportFormat::Tap, sim::ReportFormat::Junit,
                              sim::ReportFormat::Json, sim::ReportFormat::Csv}) {
        for (const bool single : {false, true}) {
            std::ostringstream out;
            sim::writeReport(format, out, {program}, script.tests, single);
            std::string report = out.str();
            for (char& c : report) {
                c = c == '\r' ? ' ' : c; // CSV rows end in CR LF
            }
            fuzz::require(printable(report), "reports hold printable UTF-8 text");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const sim::Script script = sim::readScript(in);
    checkScript(script);
    names::NameTable extendedNames;
    extendedNames.setInstructionSet(engine::InstructionSet::Extended);
    const sim::Script extended = sim::rereadScript(script, extendedNames);
    checkScript(extended);
    for (const sim::ScriptStep& step : extended.steps) {
        const sim::Command& c = step.line.command;
        if (step.line.kind == sim::ScriptLine::Kind::Command && !c.address.empty()) {
            fuzz::require(engine::addressAtByte(c.number).has_value(), "a bit command's byte");
        }
        if (step.line.kind == sim::ScriptLine::Kind::Command && c.word) {
            fuzz::require(c.word->valid(), "a word command names a word");
            fuzz::require(c.kind != sim::CommandKind::Set || engine::isBcd(c.value) ||
                              (c.word->area != engine::WordArea::TimerValue &&
                               c.word->area != engine::WordArea::CounterValue),
                          "a present value is set in BCD");
        }
    }

    std::vector<std::string> args;
    std::istringstream words(text);
    for (std::string word; std::getline(words, word);) {
        args.push_back(word);
    }
    checkOptions(args);
    checkReports(script, text);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// TAP version 13: one test point per test (of every program, in order), a YAML block under each
// failed visible test with what was expected and what came, and the points as comments.

#include "Reports.h"

namespace rungbox::sim {

namespace {

// A test point's description: '#' would start a directive and '\' escapes, so both are escaped.
std::string description(const std::string& text) {
    std::string out;
    for (const char c : text::printableText(text)) {
        if (c == '#' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// A YAML double-quoted scalar.
std::string yamlString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text::printableText(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

void writeDiagnostics(std::ostream& out, const TestResult& test) {
    const Failure& f = test.failure;
    out << "  ---\n  message: " << yamlString(f.reason) << '\n';
    if (!f.subject.empty()) {
        out << "  subject: " << yamlString(f.subject) << '\n'
            << "  expected: " << yamlString(f.expected) << '\n'
            << "  got: " << yamlString(f.got) << '\n';
    }
    if (f.line != 0) {
        out << "  line: " << f.line << '\n'
            << "  scan: " << f.scan << '\n'
            << "  time: " << f.clockMs << '\n';
    }
    out << "  points: " << test.info.points << "\n  ...\n";
}

} // namespace

void writeTap(std::ostream& out, const std::vector<ProgramResult>& programs, bool single) {
    std::size_t count = 0;
    for (const ProgramResult& program : programs) {
        count += program.tests.size();
    }
    out << "TAP version 13\n1.." << count << '\n';
    std::size_t number = 0;
    for (const ProgramResult& program : programs) {
        for (const TestResult& test : program.tests) {
            ++number;
            const std::string name =
                single ? test.info.name : program.program + ": " + test.info.name;
            out << (test.passed ? "ok " : "not ok ") << number << " - " << description(name)
                << '\n';
            if (!test.passed && !test.info.hidden) {
                writeDiagnostics(out, test);
            }
        }
        out << "# " << (single ? std::string("score") : description(program.program)) << ' '
            << program.score() << '/' << program.maxScore() << '\n';
    }
}

} // namespace rungbox::sim

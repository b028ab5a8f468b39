// SPDX-License-Identifier: GPL-3.0-or-later
// JUnit XML as Jenkins, GitLab and most CI read it: a testsuite per program, a testcase per
// test, a failure element with the reason for each failed test (only "failed" for a hidden one),
// and the points as the suite's properties.

#include "Reports.h"

namespace rungbox::sim {

namespace {

std::string xmlText(const std::string& text) {
    std::string out;
    for (const char c : text::printableText(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::size_t failures(const ProgramResult& program) {
    std::size_t count = 0;
    for (const TestResult& test : program.tests) {
        count += test.passed ? 0 : 1;
    }
    return count;
}

void writeCase(std::ostream& out, const std::string& suite, const TestResult& test) {
    out << "    <testcase name=\"" << xmlText(test.info.name) << "\" classname=\"" << suite << '"';
    if (test.passed) {
        out << "/>\n";
        return;
    }
    const Failure& f = test.failure;
    const bool hidden = test.info.hidden;
    const std::string type = hidden || !f.subject.empty() ? "expect" : "ended";
    out << ">\n      <failure message=\"" << xmlText(hidden ? "failed" : f.reason) << "\" type=\""
        << type << "\">" << xmlText(ProgramResult::describe(test)) << "</failure>\n"
        << "    </testcase>\n";
}

} // namespace

void writeJunit(std::ostream& out, const std::vector<ProgramResult>& programs) {
    std::size_t tests = 0;
    std::size_t failed = 0;
    for (const ProgramResult& program : programs) {
        tests += program.tests.size();
        failed += failures(program);
    }
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<testsuites name=\"rungbox-sim\" tests=\"" << tests << "\" failures=\"" << failed
        << "\" errors=\"0\">\n";
    for (const ProgramResult& program : programs) {
        const std::string suite = xmlText(program.program);
        out << "  <testsuite name=\"" << suite << "\" tests=\"" << program.tests.size()
            << "\" failures=\"" << failures(program) << "\" errors=\"0\" skipped=\"0\">\n"
            << "    <properties>\n"
            << "      <property name=\"score\" value=\"" << program.score() << "\"/>\n"
            << "      <property name=\"max_score\" value=\"" << program.maxScore() << "\"/>\n"
            << "    </properties>\n";
        for (const TestResult& test : program.tests) {
            writeCase(out, suite, test);
        }
        out << "  </testsuite>\n";
    }
    out << "</testsuites>\n";
}

} // namespace rungbox::sim

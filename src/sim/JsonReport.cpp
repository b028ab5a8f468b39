// SPDX-License-Identifier: GPL-3.0-or-later
// JSON in the shape Gradescope's autograder reads from results.json: the score, the most points,
// and each test with its name, score, most points, status and output. A hidden test's output is
// only "failed" or "passed", and Gradescope shows it once grades are published. A program run
// alone is one such object; `grade` writes an array of them, each with its program.

#include "Reports.h"

#include "text/JsonString.h"

namespace rungbox::sim {

namespace {

std::string jsonString(const std::string& text) {
    return text::jsonString(text::printableText(text), text::JsonChars::Utf8);
}

// Text of several lines: each line printable, the line ends kept.
std::string jsonLines(const std::string& text) {
    std::string lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines += text::printableText(text.substr(start, end - start)) + '\n';
    }
    lines += text::printableText(text.substr(start));
    return text::jsonString(lines, text::JsonChars::Utf8);
}

void writeTest(std::ostream& out, const TestResult& test, const std::string& indent) {
    out << indent << "{\"name\": " << jsonString(test.info.name)
        << ", \"score\": " << (test.passed ? test.info.points : 0)
        << ", \"max_score\": " << test.info.points << ", \"status\": \""
        << (test.passed ? "passed" : "failed")
        << "\", \"output\": " << jsonString(ProgramResult::describe(test)) << ", \"visibility\": \""
        << (test.info.hidden ? "after_published" : "visible") << "\"}";
}

void writeProgram(std::ostream& out, const ProgramResult& program, bool single,
                  const std::string& indent) {
    out << indent << "{\n";
    if (!single) {
        out << indent << "  \"program\": " << jsonString(program.program) << ",\n";
    }
    out << indent << "  \"score\": " << program.score() << ",\n"
        << indent << "  \"max_score\": " << program.maxScore() << ",\n";
    if (!program.output.empty()) {
        out << indent << "  \"output\": " << jsonLines(program.output) << ",\n";
    }
    out << indent << "  \"tests\": [";
    for (std::size_t k = 0; k < program.tests.size(); ++k) {
        out << (k == 0 ? "\n" : ",\n");
        writeTest(out, program.tests[k], indent + "    ");
    }
    out << (program.tests.empty() ? "]\n" : "\n" + indent + "  ]\n") << indent << "}";
}

} // namespace

void writeJson(std::ostream& out, const std::vector<ProgramResult>& programs, bool single) {
    if (single && programs.size() == 1) {
        writeProgram(out, programs.front(), true, "");
        out << '\n';
        return;
    }
    out << '[';
    for (std::size_t k = 0; k < programs.size(); ++k) {
        out << (k == 0 ? "\n" : ",\n");
        writeProgram(out, programs[k], false, "  ");
    }
    out << (programs.empty() ? "]\n" : "\n]\n");
}

} // namespace rungbox::sim

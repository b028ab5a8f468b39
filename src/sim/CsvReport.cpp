// SPDX-License-Identifier: GPL-3.0-or-later
// CSV (RFC 4180): a header row, then one row per program with its score, the most points and
// the points of each test.

#include "Reports.h"

namespace rungbox::sim {

namespace {

// A field quoted when it needs to be. A field that a spreadsheet would take for a formula
// (starting with = + - or @) is prefixed with ' so that opening the table runs nothing a
// program's file name put there.
std::string csvField(const std::string& text) {
    std::string field = text::printableText(text);
    if (!field.empty() && field.find_first_of("=+-@") == 0) {
        field.insert(0, 1, '\'');
    }
    if (field.find_first_of(",\"") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// The points of test `name`, or with grade --pack of every test of exercise `name` (the tests
// named "NAME: TEST").
std::int64_t columnPoints(const ProgramResult& program, const std::string& name) {
    std::int64_t points = 0;
    for (const TestResult& test : program.tests) {
        const std::string& testName = test.info.name;
        const bool ofColumn = testName == name || (testName.size() > name.size() + 2 &&
                                                   testName.compare(0, name.size(), name) == 0 &&
                                                   testName.compare(name.size(), 2, ": ") == 0);
        points += ofColumn && test.passed ? test.info.points : 0;
    }
    return points;
}

} // namespace

void writeCsv(std::ostream& out, const std::vector<ProgramResult>& programs,
              const std::vector<TestInfo>& tests) {
    out << "program,score,max_score";
    for (const TestInfo& test : tests) {
        out << ',' << csvField(test.name);
    }
    out << "\r\n";
    for (const ProgramResult& program : programs) {
        out << csvField(program.program) << ',' << program.score() << ',' << program.maxScore();
        for (const TestInfo& column : tests) {
            out << ',' << columnPoints(program, column.name);
        }
        out << "\r\n";
    }
}

} // namespace rungbox::sim

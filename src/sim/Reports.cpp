// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reports.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace rungbox::sim {

std::string_view reportName(ReportFormat format) {
    switch (format) {
    case ReportFormat::Tap:
        return "tap";
    case ReportFormat::Junit:
        return "junit";
    case ReportFormat::Json:
        return "json";
    case ReportFormat::Csv:
        return "csv";
    }
    return "";
}

void writeReport(ReportFormat format, std::ostream& out, const std::vector<ProgramResult>& programs,
                 const std::vector<TestInfo>& tests, bool single) {
    switch (format) {
    case ReportFormat::Tap:
        writeTap(out, programs, single);
        break;
    case ReportFormat::Junit:
        writeJunit(out, programs);
        break;
    case ReportFormat::Json:
        writeJson(out, programs, single);
        break;
    case ReportFormat::Csv:
        writeCsv(out, programs, tests);
        break;
    }
}

bool writeReports(const std::vector<ReportRequest>& requests,
                  const std::vector<ProgramResult>& programs, const std::vector<TestInfo>& tests,
                  bool single, std::ostream& standardOutput, std::ostream& err) {
    bool written = true;
    for (const auto& [format, path] : requests) {
        if (path == "-") {
            writeReport(format, standardOutput, programs, tests, single);
            standardOutput.flush();
            continue;
        }
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (file) {
            writeReport(format, file, programs, tests, single);
            file.close();
        }
        if (!file) {
            err << "rungbox-sim: cannot write " << path << ": " << std::strerror(errno) << '\n';
            written = false;
        }
    }
    return written;
}

void keepOnlyTest(std::vector<ProgramResult>& programs, const std::string& name) {
    for (ProgramResult& program : programs) {
        auto& tests = program.tests;
        tests.erase(
            std::remove_if(tests.begin(), tests.end(),
                           [&name](const TestResult& test) { return test.info.name != name; }),
            tests.end());
    }
}

} // namespace rungbox::sim

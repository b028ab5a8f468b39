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

namespace {

// The length of the valid UTF-8 sequence starting at `text[at]`, 0 when none starts there
// (overlong forms, surrogates and code points past U+10FFFF are not valid).
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(at);
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(at + k) < 0x80 || byte(at + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += c < 0x20 || c == 0x7F ? '?' : text[i];
            ++i;
            continue;
        }
        const std::size_t length = utf8Length(text, i);
        if (length == 0) {
            out += '?';
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace rungbox::sim

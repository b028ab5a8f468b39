// SPDX-License-Identifier: GPL-3.0-or-later
#include "NamesFile.h"

#include "NameRules.h"
#include "text/Utf8.h"

#include <optional>

namespace rungbox::names {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isRemark(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// Why the entry line `line` cannot go into `table`; nothing when it went in.
std::optional<std::string> readEntry(std::string_view line, NameTable& table) {
    const std::size_t tab1 = line.find('\t');
    if (tab1 == std::string_view::npos) {
        return "not address<TAB>name<TAB>comment";
    }
    const auto address = parseAddress(line.substr(0, tab1), table.instructionSet());
    if (!address) {
        return "\"" + std::string(line.substr(0, tab1)) +
               (table.instructionSet() == engine::InstructionSet::Classic
                    ? "\" is no address (a relay 0 to 20000, TIM 0 to TIM 7 or CNT 0 to CNT 7)"
                    : "\" is no address (a relay, W, HR, AR or TR bit, TIM or CNT 0 to 127)");
    }
    std::string_view rest = line.substr(tab1 + 1);
    const std::size_t tab2 = rest.find('\t');
    const std::string_view name = rest.substr(0, tab2);
    const std::string_view comment =
        tab2 == std::string_view::npos ? std::string_view{} : rest.substr(tab2 + 1);
    if (table.find(*address) != nullptr) {
        return addressText(*address) + " has a name already";
    }
    if (!text::isUtf8(name)) {
        return "not UTF-8 text";
    }
    return table.set({*address, std::string(name), std::string(comment)});
}

} // namespace

NamesFileContents readNamesFile(std::string_view bytes, engine::InstructionSet set) {
    NamesFileContents contents;
    contents.table.setInstructionSet(set);
    const auto bad = [&](int line, std::string why) {
        if (contents.badLines.size() < kMaxReportedLines) {
            contents.badLines.push_back({line, std::move(why)});
        }
        ++contents.badLineCount;
    };
    if (bytes.size() > kMaxFileBytes) {
        bad(0, "larger than " + std::to_string(kMaxFileBytes >> 20) + " MiB: not read");
        return contents;
    }
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    int number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        while (line.ends_with('\r')) {
            line.remove_suffix(1); // CR LF line ends, and stray CRs an editor left before them
        }
        if (!text::isUtf8(line)) {
            bad(number, "not UTF-8 text");
        } else if (isRemark(line)) {
            contents.table.addRemark(std::string(line));
        } else if (auto why = readEntry(line, contents.table)) {
            bad(number, std::move(*why));
        }
    }
    return contents;
}

std::string namesFileText(const NameTable& table) {
    std::string text;
    for (const NameLine& line : table.lines()) {
        if (line.remark) {
            text += line.text;
        } else {
            text += addressText(line.entry.address);
            text += '\t';
            text += line.entry.name;
            if (!line.entry.comment.empty()) {
                text += '\t';
                text += line.entry.comment;
            }
        }
        text += '\n';
    }
    return text;
}

std::string namesPathFor(std::string_view programPath) {
    const std::size_t slash = programPath.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = programPath.rfind('.');
    if (dot != std::string_view::npos && dot > nameStart) {
        programPath = programPath.substr(0, dot);
    }
    return std::string(programPath) + ".names";
}

std::string badLinesReport(const NamesFileContents& contents, std::string_view fileName,
                           std::string_view lineEnd) {
    std::string report;
    for (const BadLine& bad : contents.badLines) {
        if (!report.empty()) {
            report += lineEnd;
        }
        report += std::string(fileName);
        if (bad.line > 0) {
            report += " line " + std::to_string(bad.line);
        }
        report += ": " + bad.why;
    }
    const std::size_t unlisted = contents.badLineCount - contents.badLines.size();
    if (unlisted > 0) {
        report += std::string(lineEnd) + "and " + std::to_string(unlisted) + " more bad lines";
    }
    return report;
}

} // namespace rungbox::names

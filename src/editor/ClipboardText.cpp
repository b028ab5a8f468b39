// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardText.h"

#include <cassert>

namespace rungbox::editor {

std::string linesToText(const CodeGrid& grid, int first, int last) {
    assert(first >= 1 && first <= last);
    std::string text;
    for (int line = first; line <= last; ++line) {
        text += grid.text(line, kCodeCol);
        text += '\t';
        text += grid.text(line, kLocationCol);
        text += '\t';
        text += grid.text(line, kSetValueCol);
        text += '\n';
    }
    return text;
}

std::optional<std::vector<LineCells>> textToLines(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    // A line end after the last line ends it; it does not start one more.
    if (text.back() == '\n') {
        text.remove_suffix(1);
    }
    std::vector<LineCells> lines;
    while (true) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) {
            return std::nullopt;
        }
        lines.push_back({std::string(line.substr(0, tab1)),
                         std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                         std::string(line.substr(tab2 + 1))});
        if (end == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 1);
    }
}

std::string typedText(std::string_view text, int col) {
    std::string typed;
    for (const char c : text) {
        if (col == kCodeCol) {
            if (c >= 'a' && c <= 'z') {
                typed += static_cast<char>(c - 'a' + 'A');
            } else if ((c >= 'A' && c <= 'Z') || c == ' ') {
                typed += c;
            }
        } else if (c >= '0' && c <= '9') {
            typed += c;
        }
    }
    return typed;
}

} // namespace rungbox::editor

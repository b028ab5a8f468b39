// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program put into a code grid from its short text form, as the tests write it:
// "LD NOT 0; TIM 0 50; AND BLK; END". In each line the numbers at its end (up to two) are the
// location and the set value, the words before them the code.

#include "editor/CodeGrid.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::test {

/// The cells of one line of the short form: "TIM 0 50" is {"TIM", "0", "50"}.
inline editor::LineCells lineCells(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    const auto isNumber = [](const std::string& w) {
        return w.find_first_not_of("-0123456789") == std::string::npos;
    };
    std::size_t code = words.size();
    while (code > 0 && words.size() - code < 2 && isNumber(words[code - 1])) {
        --code;
    }
    editor::LineCells cells;
    for (std::size_t w = 0; w < words.size(); ++w) {
        std::string& cell = cells[w < code ? 0 : w - code + 1];
        cell += (cell.empty() ? "" : " ") + words[w];
    }
    return cells;
}

/// Writes the lines of `program` ("LD 0; OUT 1000; END") into the grid from line 1 on.
inline void writeProgram(editor::CodeGrid& grid, std::string_view program) {
    int line = 1;
    for (std::size_t start = 0; start <= program.size(); ++line) {
        const std::size_t end = std::min(program.find(';', start), program.size());
        const editor::LineCells cells = lineCells(program.substr(start, end - start));
        for (int col = 0; col < 3; ++col) {
            grid.setText(line, editor::kCodeCol + col, cells[static_cast<std::size_t>(col)]);
        }
        start = end + 1;
    }
}

/// The bytes of a program file holding `program` in the short form, its lines as they are given.
inline std::string programFile(std::string_view program) {
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (std::size_t start = 0; start <= program.size();) {
        const std::size_t end = std::min(program.find(';', start), program.size());
        for (const std::string& cell : lineCells(program.substr(start, end - start))) {
            bytes += cell + "\r\n";
        }
        start = end + 1;
    }
    return bytes;
}

} // namespace rungbox::test

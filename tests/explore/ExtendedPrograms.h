// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Extended programs in a short text form for the exploration tests: lines split by ';', the cells
// of a line by '|' ("LD|HR0.00; KEEP|10.00; CNTR|0|#2"), since extended addresses are no plain
// numbers. A classic program in the same form has numbers in its cells ("LD|0; OUT|1000").

#include "editor/CodeGrid.h"
#include "editor/Editor.h"
#include "engine/Program.h"

#include <string>
#include <string_view>
#include <vector>

namespace rungbox::test {

/// The cells (code, location, set value) of each line of `program`.
inline std::vector<std::vector<std::string>> extendedCells(std::string_view program) {
    std::vector<std::vector<std::string>> lines;
    for (std::size_t start = 0; start <= program.size();) {
        const std::size_t end = std::min(program.find(';', start), program.size());
        std::vector<std::string>& cells = lines.emplace_back(3);
        std::string_view line = program.substr(start, end - start);
        for (std::size_t col = 0; col < 3 && !line.empty(); ++col) {
            const std::size_t bar = std::min(line.find('|'), line.size());
            std::string_view cell = line.substr(0, bar);
            while (!cell.empty() && cell.front() == ' ') {
                cell.remove_prefix(1);
            }
            while (!cell.empty() && cell.back() == ' ') {
                cell.remove_suffix(1);
            }
            cells[col] = std::string(cell);
            line.remove_prefix(std::min(bar + 1, line.size()));
        }
        start = end + 1;
    }
    return lines;
}

/// A set-up grid holding `program` in `set`.
inline void writeCells(editor::CodeGrid& grid, std::string_view program,
                       engine::InstructionSet set) {
    editor::setUpGrid(grid);
    grid.setInstructionSet(set);
    int row = 1;
    for (const std::vector<std::string>& cells : extendedCells(program)) {
        for (int col = 0; col < 3; ++col) {
            grid.setText(row, editor::kCodeCol + col, cells[static_cast<std::size_t>(col)]);
        }
        ++row;
    }
}

/// `program` decoded as an extended program.
inline engine::Program decodedExtended(std::string_view program) {
    std::vector<engine::LadderLine> table(engine::kLadderTableSize);
    std::size_t r = 1;
    for (const std::vector<std::string>& cells : extendedCells(program)) {
        engine::LadderLine& line = table[r++];
        line.code = cells[0];
        line.locationText = cells[1];
        line.setValueText = cells[2];
    }
    return engine::Program::decode(table, engine::InstructionSet::Extended);
}

} // namespace rungbox::test

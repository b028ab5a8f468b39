// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Programs in a short text form for the exploration tests: lines split by ';', the cells of a
// line by '|' ("LD|HR0.00; KEEP|10.00; CNTR|0|#2"), since extended addresses are no plain numbers.

#include "editor/CodeGrid.h"
#include "editor/Editor.h"
#include "engine/Program.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace rungbox::test {

/// The cells (code, location, set value) of each line of `program`, without surrounding blanks.
inline std::vector<std::array<std::string, 3>> extendedCells(const std::string& program) {
    std::vector<std::array<std::string, 3>> lines;
    std::istringstream in(program);
    for (std::string line; std::getline(in, line, ';');) {
        std::istringstream cells(line);
        auto& row = lines.emplace_back();
        for (std::size_t col = 0; col < 3 && std::getline(cells, row[col], '|'); ++col) {
            row[col].erase(0, row[col].find_first_not_of(' '));
            row[col].erase(row[col].find_last_not_of(' ') + 1);
        }
    }
    return lines;
}

/// Sets up `grid` holding `program` in `set`.
inline void writeCells(editor::CodeGrid& grid, const std::string& program,
                       engine::InstructionSet set) {
    editor::setUpGrid(grid);
    grid.setInstructionSet(set);
    int row = 1;
    for (const auto& cells : extendedCells(program)) {
        for (int col = 0; col < 3; ++col) {
            grid.setText(row, editor::kCodeCol + col, cells[static_cast<std::size_t>(col)]);
        }
        ++row;
    }
}

/// `program` decoded as an extended program.
inline engine::Program decodedExtended(const std::string& program) {
    std::vector<engine::LadderLine> table(engine::kLadderTableSize);
    std::size_t r = 1;
    for (const auto& cells : extendedCells(program)) {
        table[r].code = cells[0];
        table[r].locationText = cells[1];
        table[r++].setValueText = cells[2];
    }
    return engine::Program::decode(table, engine::InstructionSet::Extended);
}

} // namespace rungbox::test

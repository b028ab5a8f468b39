// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Programs for the ladder tests in the cells' own form: one code line per text line, its cells
// separated by '|' ("LD|0", "TIM|2|100", "AND BLK"), and a controller that has run them.

#include "editor/CodeGrid.h"
#include "engine/Controller.h"
#include "engine/LineSyntax.h"
#include "ladder/Layout.h"
#include "support/Recorders.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::test {

/// Lines 1 to `lastLine` of `grid` as "code|location|set value" (empty cells left out), joined
/// by `separator`: what a drawing wrote, in the form ProgramText reads.
inline std::string gridText(const editor::CodeGrid& grid, int lastLine, char separator) {
    std::string out;
    for (int line = 1; line <= lastLine; ++line) {
        std::string row = grid.text(line, editor::kCodeCol);
        for (const int col : {editor::kLocationCol, editor::kSetValueCol}) {
            if (!grid.text(line, col).empty()) {
                row += "|" + grid.text(line, col);
            }
        }
        out += (line == 1 ? "" : std::string(1, separator)) + row;
    }
    return out;
}

/// Code lines as the grid holds them: code, LOCATION and "###" text.
class ProgramText {
public:
    ProgramText() = default;
    explicit ProgramText(std::string_view text) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find('\n', pos);
            end = end == std::string_view::npos ? text.size() : end;
            add(text.substr(pos, end - pos));
            pos = end + 1;
        }
    }

    /// Appends one line "code|location|set value"; missing cells are empty.
    void add(std::string_view row) {
        std::array<std::string, 3>& cells = m_cells.emplace_back();
        for (std::string& cell : cells) {
            const std::size_t bar = row.find('|');
            cell = std::string(row.substr(0, bar));
            row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
        }
    }

    std::vector<ladder::LineText> lines() const {
        std::vector<ladder::LineText> lines;
        for (const auto& c : m_cells) {
            lines.push_back({c[0], c[1], c[2]});
        }
        return lines;
    }

    /// The set the program is read in (Classic unless set).
    void setInstructionSet(engine::InstructionSet set) { m_set = set; }
    engine::InstructionSet instructionSet() const { return m_set; }

    ladder::Layout layout() const { return ladder::Layout::build(lines(), m_set); }

    /// Writes the program's cells into `grid` from line 1 on.
    void write(editor::CodeGrid& grid) const {
        for (std::size_t i = 0; i < m_cells.size(); ++i) {
            for (int col = 0; col < 3; ++col) {
                grid.setText(static_cast<int>(i) + 1, editor::kCodeCol + col,
                             m_cells[i][static_cast<std::size_t>(col)]);
            }
        }
    }

    /// Writes the program into `plc` and loads the TIM and CNT set values as the preparation
    /// before a run does.
    void load(engine::Controller& plc) const {
        if (m_set == engine::InstructionSet::Extended) {
            loadExtended(plc);
            return;
        }
        for (int r = 1; r < engine::kLadderTableSize; ++r) {
            const auto i = static_cast<std::size_t>(r - 1);
            engine::LadderLine line;
            if (i < m_cells.size()) {
                line = {m_cells[i][0], engine::readNumber(m_cells[i][1]),
                        engine::readNumber(m_cells[i][2])};
            }
            const auto words = engine::splitWords(line.code);
            if (line.location >= 0 && line.location < engine::kTimerCount) {
                if (words[0] == "TIM") {
                    plc.setTimValue(line.location, line.setValue);
                } else if (words[0] == "CNT") {
                    plc.setCntValue(line.location, line.setValue);
                }
            }
            plc.setLadderTable(r, std::move(line));
        }
    }

    int size() const { return static_cast<int>(m_cells.size()); }
    const std::array<std::string, 3>& cells(int line) const {
        return m_cells[static_cast<std::size_t>(line - 1)];
    }

private:
    // An extended program keeps its cells' text; its timers and counters start as a run
    // starts them (TIM, TIMH, CNT at their set value, CNTR at 0).
    void loadExtended(engine::Controller& plc) const {
        plc.setInstructionSet(engine::InstructionSet::Extended);
        for (int r = 1; r < engine::kLadderTableSize; ++r) {
            const auto i = static_cast<std::size_t>(r - 1);
            engine::LadderLine line;
            if (i < m_cells.size()) {
                line.code = m_cells[i][0];
                line.locationText = m_cells[i][1];
                line.setValueText = m_cells[i][2];
            }
            plc.setLadderTable(r, std::move(line));
        }
        for (const engine::Step& step : plc.program().steps()) {
            const engine::OpCode kind = step.kind();
            if (kind == engine::OpCode::Tim || kind == engine::OpCode::Timh) {
                plc.setTimValue(step.operand, step.setValue);
            } else if (kind == engine::OpCode::Cnt) {
                plc.setCntValue(step.operand, step.setValue);
            }
        }
    }

    std::vector<std::array<std::string, 3>> m_cells;
    engine::InstructionSet m_set = engine::InstructionSet::Classic;
};

} // namespace rungbox::test

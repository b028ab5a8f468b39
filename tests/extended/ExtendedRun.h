// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An extended program in a code grid, started as every front end starts a run (panel::startRun)
// on a recording panel, and driven a scan, a tick or a hundredth at a time.
//   program: lines separated by ';', cells by '|': "LD|0.00; LD|0.01; KEEP(11)|10.00; END"

#include "editor/CodeGrid.h"
#include "engine/BitAddress.h"
#include "engine/Controller.h"
#include "panel/RunStart.h"
#include "support/Recorders.h"

#include <cassert>
#include <string>
#include <vector>

namespace rungbox::test {

/// The parts of `text` between `separator`s, blanks around each dropped.
inline std::vector<std::string> cellsOf(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    const auto flush = [&] {
        const std::size_t first = part.find_first_not_of(' ');
        parts.push_back(first == std::string::npos
                            ? std::string()
                            : part.substr(first, part.find_last_not_of(' ') - first + 1));
        part.clear();
    };
    for (const char c : text) {
        if (c == separator) {
            flush();
        } else {
            part += c;
        }
    }
    flush();
    return parts;
}

/// Fills `grid` from line 1 with `program` in the extended set.
inline void fillExtended(editor::CodeGrid& grid, const std::string& program) {
    grid.setInstructionSet(engine::InstructionSet::Extended);
    int row = 1;
    for (const std::string& line : cellsOf(program, ';')) {
        const std::vector<std::string> cells = cellsOf(line, '|');
        for (std::size_t c = 0; c < cells.size() && c < 3; ++c) {
            grid.setText(row, editor::kCodeCol + static_cast<int>(c), cells[c]);
        }
        ++row;
    }
}

struct ExtendedRun {
    RecordingPanel panel;
    RecordingBoxes boxes;
    engine::Controller plc{panel};
    editor::CodeGrid grid;
    panel::StartResult started = panel::StartResult::Refused;
    std::uint64_t clockMs = 0;

    explicit ExtendedRun(const std::string& program) {
        fillExtended(grid, program);
        started = panel::startRun(grid, plc, boxes);
        plc.setSimulating(started == panel::StartResult::Started);
    }

    /// One scan with the switches `inputs` (switch n in bit n); the line it stopped at, or 0.
    int scan(unsigned inputs) {
        panel.switches = static_cast<std::uint16_t>(inputs);
        return plc.scan();
    }
    /// A millisecond of the session's clock: the clock advances, a scan runs, and every 10 ms a
    /// hundredth tick and every 100 ms a tick follows, as the session does.
    int millisecond(unsigned inputs) {
        plc.setClockMs(++clockMs);
        const int bad = scan(inputs);
        if (clockMs % 10 == 0) {
            plc.hundredthTick();
        }
        if (clockMs % 100 == 0) {
            plc.tick();
        }
        return bad;
    }
    /// The bit `address` names (any spelling).
    bool bit(const std::string& address) const {
        const auto parsed = engine::parseBitAddress(address);
        assert(parsed.has_value());
        return plc.bit(engine::workspaceByte(*parsed));
    }
};

} // namespace rungbox::test

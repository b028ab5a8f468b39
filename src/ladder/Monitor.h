// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a diagram view shows, and whether it must be drawn again: the layout of the program's
// cells, the line the grid's cursor is on and, during a run, the power flow. A view polls it at
// its picture rate; a poll compares the cells with the last ones seen (a few microseconds for 299
// lines), lays the program out again only when a cell changed, and answers whether anything the
// picture shows changed, so that an unchanged diagram is never drawn twice.

#include "Layout.h"
#include "PowerFlow.h"
#include "engine/Controller.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rungbox::ladder {

class Monitor {
public:
    Monitor();

    /// Takes the program's cells `lines` (lines[i] is line i + 1), the grid's current line
    /// (0 for none) and the controller while a run is on (nullptr while stopped; read only, not
    /// kept), the lines read in `set`. Returns true when the picture changed since the last
    /// call.
    bool refresh(std::span<const LineText> lines, int currentLine,
                 const engine::Controller* running,
                 engine::InstructionSet set = engine::InstructionSet::Classic);

    const Layout& layout() const { return m_layout; }
    /// The power flow during a run; nullptr while stopped.
    const PowerFlow* flow() const { return m_flow ? &*m_flow : nullptr; }
    int currentLine() const { return m_currentLine; }

private:
    std::vector<std::array<std::string, 3>> m_cells;
    Layout m_layout;
    std::optional<PowerFlow> m_flow;
    int m_currentLine = 0;
};

} // namespace rungbox::ladder

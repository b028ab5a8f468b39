// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderDiagram.h"

#include "ladder/TextDiagram.h"

#include <algorithm>

namespace rungbox::session {

bool LadderDiagram::poll() {
    const editor::CodeGrid& grid = m_session.grid();
    const int last = std::min(grid.rowCount() - 1, engine::kLastCodeLine);
    m_lines.resize(static_cast<std::size_t>(std::max(last, 0)));
    for (int r = 1; r <= last; ++r) {
        m_lines[static_cast<std::size_t>(r - 1)] = {grid.text(r, editor::kCodeCol),
                                                    grid.text(r, editor::kLocationCol),
                                                    grid.text(r, editor::kSetValueCol)};
    }
    // A scan paused between two lines shows the line it executes next; otherwise the grid's.
    const int paused = m_session.debugger().currentLine();
    const bool pictureChanged = m_monitor.refresh(
        m_lines, paused != 0 ? paused : grid.line(),
        m_session.running() ? &m_session.controller() : nullptr, grid.instructionSet());
    DebugMarks marks{m_session.debugger().breakpointLines(), m_session.controller().forces()};
    const bool marksChanged = marks != m_marks;
    if (marksChanged) {
        m_marks = std::move(marks);
    }
    const bool namesChanged = !(m_session.names() == m_names);
    if (namesChanged) {
        m_names = m_session.names();
    }
    return pictureChanged || marksChanged || namesChanged;
}

bool DebugMarks::breakpoint(int line) const {
    return std::binary_search(breakpoints.begin(), breakpoints.end(), line);
}

int DebugMarks::forced(int address) const {
    const auto it = forces.find(address);
    return it == forces.end() ? -1 : (it->second ? 1 : 0);
}

std::string LadderDiagram::text() {
    poll();
    return ladder::textDiagram(m_monitor.layout(), m_monitor.flow(), &m_session.names());
}

} // namespace rungbox::session

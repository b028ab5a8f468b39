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
    return m_monitor.refresh(m_lines, paused != 0 ? paused : grid.line(),
                             m_session.running() ? &m_session.controller() : nullptr);
}

std::string LadderDiagram::text() {
    poll();
    return ladder::textDiagram(m_monitor.layout(), m_monitor.flow());
}

} // namespace rungbox::session

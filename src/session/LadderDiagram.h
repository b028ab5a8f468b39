#pragma once

// The session's program as a ladder diagram, for both front ends: the window polls it to know
// when to repaint, rungbox-sim prints its text. It reads the grid's cells and current line and,
// while a run is on, the controller; it changes nothing.

#include "Session.h"
#include "ladder/Monitor.h"

#include <string>
#include <vector>

namespace rungbox::session {

class LadderDiagram {
public:
    /// `session` must outlive the diagram.
    explicit LadderDiagram(const Session& session) : m_session(session) {}

    /// Reads the program, the current line (the line a paused scan executes next, else the
    /// grid's) and the power flow now. True when the picture
    /// changed since the last poll (always on the first).
    bool poll();

    /// The layout, current line and power flow as of the last poll.
    const ladder::Monitor& monitor() const { return m_monitor; }

    /// The diagram as text (ladder/TextDiagram.h) as of now; marked with power during a run.
    std::string text();

private:
    const Session& m_session;
    ladder::Monitor m_monitor;
    std::vector<ladder::LineText> m_lines; // views into the grid's cells
};

} // namespace rungbox::session

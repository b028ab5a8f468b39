// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The session's program as a ladder diagram, for both front ends: the window polls it to know
// when to repaint, rungbox-sim prints its text. It reads the grid's cells and current line and,
// while a run is on, the controller; it changes nothing.

#include "Session.h"
#include "ladder/Monitor.h"

#include <map>
#include <string>
#include <vector>

namespace rungbox::session {

/// What the debugger adds to the picture: the breakpoints' lines (ascending) and the forced
/// relays with their forced values.
struct DebugMarks {
    std::vector<int> breakpoints;
    std::map<int, bool> forces;

    bool breakpoint(int line) const;
    /// The forced value of relay `address`, as -1 (not forced), 0 or 1.
    int forced(int address) const;
    bool operator==(const DebugMarks&) const = default;
};

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
    /// The breakpoints and forces as of the last poll.
    const DebugMarks& marks() const { return m_marks; }
    /// The program's names as of the last poll.
    const names::NameTable& names() const { return m_names; }

    /// The diagram as text (ladder/TextDiagram.h) as of now, with the program's names; marked
    /// with power during a run.
    std::string text();

private:
    const Session& m_session;
    ladder::Monitor m_monitor;
    DebugMarks m_marks;
    names::NameTable m_names;
    std::vector<ladder::LineText> m_lines; // views into the grid's cells
};

} // namespace rungbox::session

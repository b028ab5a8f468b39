// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program's code lines read as editable rungs. The layout replays the lines on its block
// stack; its rungs are grouped here into the rungs a user edits (a rung whose branch goes on past
// its outputs, LD 0 / OUT 1000 / AND 1 / OUT 1001, is drawn by the layout as two linked rungs
// and edited as one), and each is turned into a rung tree when the tree can hold it. No Qt.

#include "Layout.h"
#include "RungTree.h"

#include <span>
#include <string>
#include <vector>

namespace rungbox::ladder {

/// One rung of the program as the user edits it.
struct ProgramRung {
    int first = 0;         ///< its first code line (1 to 299)
    int last = 0;          ///< its last code line; editable: no other rung's line lies between
    bool editable = false; ///< the tree holds it, and writing the tree back keeps the program
    bool end = false;      ///< the END rung (not editable)
    Node tree;             ///< editable or END: the rung
    std::string reason;    ///< not editable: why, in words ("a line with a problem: ...")
    std::vector<int> layoutRungs; ///< the layout's rungs drawn for it (Layout::rungs())
};

class LadderProgram {
public:
    /// Reads `lines` (lines[i] is code line i + 1) up to and including the first END, in `set`.
    static LadderProgram read(std::span<const LineText> lines,
                              engine::InstructionSet set = engine::InstructionSet::Classic);

    const Layout& layout() const { return m_layout; }
    /// The rungs in line order.
    const std::vector<ProgramRung>& rungs() const { return m_rungs; }
    /// The rung drawing `line`, or -1 (a blank line, a line past END).
    int rungOfLine(int line) const;
    /// The rung drawing layout rung `layoutRung`, or -1.
    int rungOfLayoutRung(int layoutRung) const;

private:
    void group();
    void readRung(ProgramRung& rung);
    std::string shapeProblem(const ProgramRung& rung) const;
    std::string buildTree(const ProgramRung& rung, Node& tree) const;

    Layout m_layout;
    std::vector<ProgramRung> m_rungs;
    std::vector<int> m_rungOfLayout; // layout rung -> program rung
    std::vector<int> m_goesOnTo;     // layout rung -> the layout rung going on from it, or -1
    std::vector<int> m_linksTo;      // layout rung -> links to its bands anywhere
};

} // namespace rungbox::ladder

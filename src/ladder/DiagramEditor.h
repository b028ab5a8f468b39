// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Editing the program through its ladder diagram. Every edit is made on a rung tree and the
// rung's lines in the grid are then replaced by the tree's canonical mnemonic, as one step of the
// grid's undo history, so that undo and redo work alike in the grid and in the diagram. Lines of
// other rungs keep their text; the lines below move as lines are inserted or removed. No Qt.

#include "LadderProgram.h"
#include "editor/CodeGrid.h"
#include "l10n/Mark.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::editor {
class Editor;
}

namespace rungbox::ladder {

/// An element of the program: a rung (LadderProgram::rungs()) and the path to one of its
/// contacts or outputs.
struct Place {
    int rung = -1;
    Path path;

    bool operator==(const Place&) const = default;
};

/// What a diagram edit did.
struct Outcome {
    std::string refusal; ///< empty when the edit was made; the grid is unchanged otherwise
    int line = 0;        ///< the line of the element selected afterwards (0: none)

    bool done() const { return refusal.empty(); }
};

/// The text of a refusal for want of room below the program.
inline constexpr std::string_view kNoRoom =
    QT_TRANSLATE_NOOP("Ladder", "no room: the program would pass line 299");

class DiagramEditor {
public:
    /// Edits the grid of `editor`, which must outlive this.
    explicit DiagramEditor(editor::Editor& editor);

    /// Reads the grid afresh; every edit below does this first, so that edits made in the grid
    /// meanwhile are seen.
    void refresh();
    const LadderProgram& program() const { return m_program; }

    /// The element drawn for `line`; a line of a rung that is not an element (AND BLK) gives
    /// the rung's first element; no rung: rung -1.
    Place placeOfLine(int line) const;
    /// The line of the element at `place`, 0 when there is none.
    int lineOf(const Place& place) const;

    /// An edit of the rung of `place` (RungTree.h), given the rung and the path.
    using RungEdit = std::function<EditResult(Node& rung, const Path& at)>;
    Outcome edit(const Place& place, const RungEdit& change);

    /// Inserts `rung` after rung `after` (-1: before the first; never after END). A program
    /// without lines gets its END line with its first rung.
    Outcome addRung(int after, Node rung);
    /// Inserts `rungs` after rung `after` as addRung does, as one step (IL with its ILC, JMP
    /// with its JME). Each rung is read in the grid's set.
    Outcome addRungs(int after, std::vector<Node> rungs);
    Outcome deleteRung(int rung);
    /// Swaps rung `rung` with the one above (delta -1) or below (delta 1).
    Outcome moveRung(int rung, int delta);
    /// The rung's lines in the clipboard's form (editor/ClipboardText.h); nullopt for END.
    std::optional<std::string> copyRung(int rung) const;
    /// Inserts the lines of `text` after rung `after` when they are whole rungs the diagram can
    /// draw and edit.
    Outcome pasteRungs(int after, std::string_view text);

    /// The lowest output relay (1000 to 1015) that no output of the program writes, else 1000.
    int freeCoil() const;

private:
    int insertionLine(int after) const;
    bool fits(int line, int removed, int added) const;
    void replaceLines(int line, int removed, const std::vector<editor::LineCells>& added,
                      int select);

    editor::Editor& m_editor;
    LadderProgram m_program;
};

/// The rung's lines as the grid's cells.
std::vector<editor::LineCells> rungCells(const Node& rung);

} // namespace rungbox::ladder

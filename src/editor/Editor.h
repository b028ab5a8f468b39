// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Editing the program in the code grid: the editing keys, line insertion and deletion, emptying
// the grid, and the program's changed flag.

#include "CodeGrid.h"
#include "EditHistory.h"
#include "KeyPress.h"
#include "l10n/Mark.h"
#include "l10n/Text.h"
#include "names/NameTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::editor {

/// Rows that Page Up and Page Down move the cursor by: about what the grid shows at once.
inline constexpr int kPageRows = 10;

/// Writes what the main window's load handler writes into the grid: the headings, 300 rows,
/// the line numbers 1 to 299 and the column widths.
void setUpGrid(CodeGrid& grid);

/// The message shown when a paste of lines is refused for want of room.
inline constexpr l10n::Message kPasteNoRoom = QT_TRANSLATE_NOOP3(
    "Core", "There is no room for the pasted lines: they would push the program past line 299.",
    "edit.paste_no_room");

/// The title of the message that refuses a switch of the instruction set.
inline constexpr l10n::Message kInstructionSetTitle =
    QT_TRANSLATE_NOOP3("Core", "Extended Instruction Set", "edit.instruction_set.title");

/// The message that refuses to make a program classic while line `line` (1 to 299) is written
/// for the extended instruction set.
l10n::Text staysExtendedMessage(int line);

/// What a paste did.
enum class PasteResult {
    Lines,   ///< whole code lines were inserted before the current line
    Cell,    ///< text was typed into the current cell
    NoRoom,  ///< refused: the lines would push a used line past line 299; nothing changed
    Nothing, ///< nothing to paste (or nothing of it can be typed into the current cell)
};

/// The editor of one program. Works on `grid`, which must outlive it.
class Editor {
public:
    explicit Editor(CodeGrid& grid);

    CodeGrid& grid() { return m_grid; }
    const CodeGrid& grid() const { return m_grid; }

    /// The names of the program's addresses, kept beside it in its names file. Editing them is
    /// editing the program: callers mark it changed. The table names the addresses of the
    /// program's instruction set, whichever set the program has when it is asked for.
    names::NameTable& names() {
        m_names.setInstructionSet(m_grid.instructionSet());
        return m_names;
    }
    const names::NameTable& names() const {
        m_names.setInstructionSet(m_grid.instructionSet());
        return m_names;
    }

    /// True when the program may differ from what was last loaded or saved.
    bool codeChanged() const { return m_codeChanged; }
    void setCodeChanged(bool changed) { m_codeChanged = changed; }

    /// Handles `key` pressed in the grid, whatever modifiers are held.
    /// The cells it changes are recorded in the undo history as one step.
    /// Marks the program changed, then edits the current cell or inserts or deletes lines.
    /// Enter's cursor steps are made at the end, after the handler's own work. The grid's own
    /// movement for a key (arrow keys and the like) is not made here: see pressKey.
    void handleKey(KeyPress key);

    /// `key` pressed in the grid with `mods` held, as the user presses it: handleKey, then the
    /// grid's own cursor movement for the key: the arrows step one cell, Home and End go to the
    /// first and last editable column (with Ctrl also to line 1 and line 299), Page Up and Page
    /// Down move kPageRows lines. Does nothing while the grid is disabled.
    ///
    /// Keys with Ctrl held are commands, not typing: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z
    /// redo; any other Ctrl key makes only the grid's cursor movement (handleKey is not called,
    /// so nothing is typed and the program is not marked changed). Shift+Up and Shift+Down
    /// extend a whole-line selection and Shift+Space selects the current line, instead of
    /// moving or typing; right after letters typed into a code cell (the cursor not moved since)
    /// Shift+Space types its blank.
    void pressKey(KeyPress key, KeyMods mods = {});

    /// Switches the program to `set`: one undoable edit that marks the program changed. A switch
    /// to classic is refused while a line is written for the extended set
    /// (firstExtendedLine): nothing changes and the refusal's message (staysExtendedMessage)
    /// is answered. Answers an empty text when the program is in `set` afterwards.
    l10n::Text setInstructionSet(engine::InstructionSet set);

    /// Undoes the last recorded edit (see EditHistory). Marks the program changed when there
    /// was one; answers whether there was.
    bool undo();
    /// Redoes the last undone edit. Marks the program changed when there was one.
    bool redo();
    EditHistory& history() { return m_history; }
    const EditHistory& history() const { return m_history; }

    /// True when whole lines are selected: the selection starts in the code column and ends in
    /// the set-value column, as a click or drag over the line numbers makes it.
    bool wholeLinesSelected() const;
    /// Selects line `line` (clamped to the code lines) as a click on its number does.
    void selectLine(int line);
    /// Moves the whole-line selection's far end by `delta` lines (clamped to the code lines),
    /// keeping the current line as its other end. Without a whole-line selection it starts one
    /// at the current line.
    void extendLineSelection(int delta);

    /// With whole lines selected: their clipboard text (see ClipboardText.h); otherwise nullopt.
    std::optional<std::string> copyLines() const;
    /// copyLines, and then removes the selected lines as Delete does (one undo step).
    std::optional<std::string> cutLines();
    /// Pastes `text`. Text in the clipboard's line form is inserted as whole lines before the
    /// current line (the lines from there down to lastLineWithText move down), the pasted lines
    /// then selected; when that would push a line holding text past line 299 nothing changes and
    /// NoRoom is answered. Other
    /// text is typed into the current cell under its typing rules. One undo step; marks the
    /// program changed when something changed.
    PasteResult paste(std::string_view text);

    /// Inserts a blank line at the current line; the lines from there down to lastLineWithText
    /// move down by one and the cursor moves with the line it was on, so that no text below the
    /// program is overwritten. When line 299 holds text there is no room: nothing moves, nothing
    /// is written and the cursor stays.
    void insertLine();
    /// Removes the line at the current line; the lines below it down to the last used line move up
    /// by one. The cursor stays on its line, with the selection collapsed.
    void deleteLine();
    /// Empties the three cells of every code line and puts the cursor on line 1, column 1.
    void clearCode();

    /// The highest-numbered line whose code cell is not empty; 0 when there is none.
    int lastUsedLine() const;
    /// lastUsedLine, and in an extended program the operand line below it when it is an ADD or
    /// SUB: the last line a deletion moves.
    int lastProgramLine() const;
    /// The highest-numbered line with text in any of its three cells; 0 when there is none.
    int lastLineWithText() const;

private:
    CodeGrid& m_grid;
    bool m_codeChanged = false;
    EditHistory m_history;
    mutable names::NameTable m_names; // mutable: its instruction set follows the grid's
    /// The last key typed letters or a blank into a code cell, and the grid's cursorMoves() then:
    /// while the cursor stays there, the user is typing words and Shift+Space is a blank.
    bool m_typingWords = false;
    unsigned m_typedAtMove = 0;
};

} // namespace rungbox::editor

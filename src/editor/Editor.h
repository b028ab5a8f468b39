#pragma once

// Editing the program in the code grid: the editing keys, line insertion and deletion, emptying
// the grid, and the program's changed flag.

#include "CodeGrid.h"

namespace rungbox::editor {

/// Virtual key codes that the editing keys act on, as the window's key layer delivers them. Letter
/// keys deliver the code of the upper-case letter whatever Shift and Caps Lock; keypad digits
/// deliver other codes (96 to 105) and are not digits here.
namespace Key {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int ShiftKey = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; ///< Alt
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;
inline constexpr int Digit9 = 57;
inline constexpr int A = 65;
inline constexpr int Z = 90;
inline constexpr int Numpad0 = 96;
inline constexpr int Numpad9 = 105;
inline constexpr int F1 = 112;
} // namespace Key

/// The `shift` argument of a key press: the Shift, Ctrl and Alt states as bits.
namespace KeyMod {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
} // namespace KeyMod

/// Rows that Page Up and Page Down move the cursor by: about what the grid shows at once.
inline constexpr int kPageRows = 10;

/// Writes what the main window's load handler writes into the grid: the headings, 300 rows,
/// the line numbers 1 to 299 and the column widths.
void setUpGrid(CodeGrid& grid);

/// The editor of one program. Works on `grid`, which must outlive it.
class Editor {
public:
    explicit Editor(CodeGrid& grid);

    CodeGrid& grid() { return m_grid; }
    const CodeGrid& grid() const { return m_grid; }

    /// True when the program may differ from what was last loaded or saved.
    bool codeChanged() const { return m_codeChanged; }
    void setCodeChanged(bool changed) { m_codeChanged = changed; }

    /// Handles a key pressed in the grid (virtual key code `keyCode`; `shift` is not consulted).
    /// Marks the program changed, then edits the current cell or inserts or deletes lines.
    /// Enter's cursor steps are made at the end, after the handler's own work. The grid's own
    /// movement for a key (arrow keys and the like) is not made here: see pressKey.
    void handleKey(int keyCode, int shift);

    /// A key pressed in the grid as the user presses it: handleKey, then the grid's own
    /// cursor movement for the key: the arrows step one cell, Home and End go to the first and
    /// last editable column (with Ctrl also to line 1 and line 299), Page Up and Page Down move
    /// kPageRows lines. Does nothing while the grid is disabled.
    void pressKey(int keyCode, int shift);

    /// Inserts a blank line at the current line; the lines from there down to the last used line
    /// move down by one and the cursor moves with the line it was on. When line 299 is used there
    /// is no room: nothing moves, nothing is written and the cursor stays.
    void insertLine();
    /// Removes the line at the current line; the lines below it down to the last used line move up
    /// by one. The cursor stays on its line, with the selection collapsed.
    void deleteLine();
    /// Empties the three cells of every code line and puts the cursor on line 1, column 1.
    void clearCode();

    /// The highest-numbered line whose code cell is not empty; 0 when there is none.
    int lastUsedLine() const;

private:
    CodeGrid& m_grid;
    bool m_codeChanged = false;
};

} // namespace rungbox::editor

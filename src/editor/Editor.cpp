// SPDX-License-Identifier: GPL-3.0-or-later
#include "Editor.h"

#include "ClipboardText.h"
#include "ExtendedPreparation.h"
#include "engine/Instruction.h"

#include <algorithm>
#include <array>
#include <string>

namespace rungbox::editor {

namespace {

// Column widths in pixels at 96 dpi, columns 0 to 3: line number, code, location, set value.
constexpr std::array<int, kGridCols> kColWidths = {33, 100, 67, 53};

LineCells readLine(const CodeGrid& grid, int line) {
    return {grid.text(line, kCodeCol), grid.text(line, kLocationCol),
            grid.text(line, kSetValueCol)};
}

void writeLine(CodeGrid& grid, int line, LineCells cells) {
    grid.setText(line, kCodeCol, std::move(cells[0]));
    grid.setText(line, kLocationCol, std::move(cells[1]));
    grid.setText(line, kSetValueCol, std::move(cells[2]));
}

void blankLine(CodeGrid& grid, int line) {
    writeLine(grid, line, {});
}

void append(CodeGrid& grid, char c) {
    grid.setCurrentText(grid.currentText() + c);
}

// The character `key` types into a cell of column `col`, or 0 when that cell does not take it.
// Classic programs: the code cell takes letters and blanks, the other cells digits. Extended
// programs also take a function code in the code cell ("KEEP(11)"), addresses and symbol names
// in the LOCATION cell ("HR0.05", "TIM 12", "P_1s") and a '#' in the set-value cell.
char typedCharacter(KeyPress key, int col, bool extended) {
    const Key name = key.key();
    const bool word = name == Key::Letter || name == Key::Space;
    const bool digit = name == Key::Digit;
    const char c = name == Key::Space ? ' ' : key.symbol();
    bool takes = false;
    if (col == kCodeCol) {
        takes = word || (extended && (digit || c == '(' || c == ')'));
    } else if (col == kLocationCol) {
        takes = digit || (extended && (word || c == '.' || c == '_'));
    } else {
        takes = digit || (extended && c == '#');
    }
    return takes ? c : '\0';
}

} // namespace

void setUpGrid(CodeGrid& grid) {
    // The headings stay English in the grid; front ends show them through the catalogues.
    grid.setText(0, kCodeCol, QT_TRANSLATE_NOOP("Grid", "LADDER CODE"));
    grid.setText(0, kLocationCol, QT_TRANSLATE_NOOP("Grid", "LOCATION"));
    grid.setText(0, kSetValueCol, "###");
    grid.setRowCount(kGridRows);
    for (int k = 1; k <= kLastLine; ++k) {
        grid.setText(k, 0, std::to_string(k));
    }
    for (int col = 0; col < kGridCols; ++col) {
        grid.setColumnWidth(col, kColWidths[static_cast<std::size_t>(col)]);
    }
}

Editor::Editor(CodeGrid& grid) : m_grid(grid) {}

l10n::Text staysExtendedMessage(int line) {
    static constexpr l10n::Message kStaysExtended = QT_TRANSLATE_NOOP3(
        "Core", "Line %1 uses the extended instruction set; the program stays extended.",
        "edit.stays_extended");
    return l10n::text(kStaysExtended, std::to_string(line));
}

l10n::Text Editor::setInstructionSet(engine::InstructionSet set) {
    if (set == m_grid.instructionSet()) {
        return {};
    }
    if (set == engine::InstructionSet::Classic) {
        if (const int line = firstExtendedLine(m_grid); line != 0) {
            return staysExtendedMessage(line);
        }
    }
    m_history.begin(m_grid);
    m_grid.setInstructionSet(set);
    m_history.commit(m_grid);
    m_codeChanged = true;
    return {};
}

bool Editor::wholeLinesSelected() const {
    // A drag from column 3 back to column 1 is not a whole-line selection.
    return m_grid.column() == kCodeCol && m_grid.selectionColumn() == kSetValueCol;
}

void Editor::handleKey(KeyPress key) {
    // Every key counts as an edit, cursor keys included.
    m_codeChanged = true;

    const Key name = key.key();
    const bool typing = name == Key::Backspace || name == Key::Space || name == Key::Letter ||
                        name == Key::Digit || name == Key::Mark;
    m_history.begin(m_grid);
    bool typedWords = false;

    const int col = m_grid.column();
    switch (name) {
    case Key::Backspace:
        if (!m_grid.currentText().empty()) {
            // Cells hold 8-bit text: one character is one byte.
            std::string text = m_grid.currentText();
            text.pop_back();
            m_grid.setCurrentText(std::move(text));
        }
        break;
    case Key::Enter:
        // To the next cell of the line, or from the set-value cell to the code cell of the next
        // line. On line 299 the down step has nowhere to go, so the cursor ends in column 1 of
        // the same line.
        if (col == kCodeCol || col == kLocationCol) {
            m_grid.stepRight();
        } else if (col == kSetValueCol) {
            m_grid.stepDown();
            m_grid.stepLeft();
            m_grid.stepLeft();
        }
        break;
    case Key::Insert:
        // One blank line at the line where the selection began, however many lines it spans.
        if (wholeLinesSelected()) {
            insertLine();
        }
        break;
    case Key::Delete:
        if (wholeLinesSelected()) {
            const int first = std::min(m_grid.line(), m_grid.selectionLine());
            const int last = std::max(m_grid.line(), m_grid.selectionLine());
            m_grid.setLine(first);
            for (int i = first; i <= last; ++i) {
                deleteLine();
            }
        } else {
            m_grid.setCurrentText("");
        }
        break;
    default:
        if (const char c = typedCharacter(key, col, m_grid.extended()); c != '\0') {
            append(m_grid, c);
            typedWords = name == Key::Letter || name == Key::Space;
        }
        break;
    }
    m_history.commit(m_grid, typing ? EditHistory::Kind::Typing : EditHistory::Kind::Other);
    // Shift, Ctrl and Alt on their own come as keys too; they do not end the typing.
    if (name != Key::Shift && name != Key::Ctrl && name != Key::Alt) {
        m_typingWords = typedWords;
        m_typedAtMove = m_grid.cursorMoves();
    }
}

void Editor::pressKey(KeyPress key, KeyMods mods) {
    if (!m_grid.enabled()) {
        return;
    }
    const Key name = key.key();
    const bool ctrl = mods.has(KeyMod::Ctrl);
    const bool shifted = mods.has(KeyMod::Shift);
    if (ctrl) {
        // A command key: it never types and marks the program changed only when it changes it.
        if (key == KeyPress::letter('Z')) {
            shifted ? redo() : undo();
            return;
        }
        if (key == KeyPress::letter('Y')) {
            redo();
            return;
        }
    } else if (shifted && (name == Key::Up || name == Key::Down)) {
        extendLineSelection(name == Key::Up ? -1 : 1);
        return;
    } else if (shifted && name == Key::Space &&
               !(m_typingWords && m_grid.cursorMoves() == m_typedAtMove)) {
        // Right after letters typed into a code cell Shift+Space stays a blank, so that holding
        // Shift while typing "AND NOT" cannot select the line; otherwise it selects the line.
        selectLine(m_grid.line());
        return;
    } else {
        handleKey(key);
    }

    switch (name) {
    case Key::Left:
        m_grid.stepLeft();
        break;
    case Key::Right:
        m_grid.stepRight();
        break;
    case Key::Up:
        m_grid.stepUp();
        break;
    case Key::Down:
        m_grid.stepDown();
        break;
    case Key::Home:
        if (ctrl) {
            m_grid.setLine(1);
        }
        m_grid.setColumn(kCodeCol);
        break;
    case Key::End:
        if (ctrl) {
            m_grid.setLine(kLastLine);
        }
        m_grid.setColumn(kSetValueCol);
        break;
    case Key::PageUp:
        m_grid.setLine(std::max(1, m_grid.line() - kPageRows));
        break;
    case Key::PageDown:
        m_grid.setLine(std::min(kLastLine, m_grid.line() + kPageRows));
        break;
    default:
        break;
    }
}

int Editor::lastUsedLine() const {
    // Searching upwards finds the same line as examining lines 1 to 299 in order and keeping the
    // last used one: empty lines inside the program do not end the search.
    for (int k = kLastLine; k >= 1; --k) {
        if (!m_grid.text(k, kCodeCol).empty()) {
            return k;
        }
    }
    return 0;
}

int Editor::lastLineWithText() const {
    for (int k = kLastLine; k >= 1; --k) {
        const LineCells cells = readLine(m_grid, k);
        if (std::any_of(cells.begin(), cells.end(), [](const auto& t) { return !t.empty(); })) {
            return k;
        }
    }
    return 0;
}

bool Editor::undo() {
    if (!m_history.undo(m_grid)) {
        return false;
    }
    m_codeChanged = true;
    return true;
}

bool Editor::redo() {
    if (!m_history.redo(m_grid)) {
        return false;
    }
    m_codeChanged = true;
    return true;
}

void Editor::selectLine(int line) {
    m_grid.select(line, kCodeCol, line, kSetValueCol);
}

void Editor::extendLineSelection(int delta) {
    const int anchor = m_grid.line();
    const int from = wholeLinesSelected() ? m_grid.selectionLine() : anchor;
    const int to = std::clamp(from + delta, 1, std::max(1, m_grid.rowCount() - 1));
    m_grid.select(anchor, kCodeCol, to, kSetValueCol);
}

std::optional<std::string> Editor::copyLines() const {
    if (!wholeLinesSelected()) {
        return std::nullopt;
    }
    return linesToText(m_grid, std::min(m_grid.line(), m_grid.selectionLine()),
                       std::max(m_grid.line(), m_grid.selectionLine()));
}

std::optional<std::string> Editor::cutLines() {
    auto text = copyLines();
    if (text) {
        // Removes the lines as the Delete key does, with its changed mark and undo step.
        handleKey(Key::Delete);
    }
    return text;
}

PasteResult Editor::paste(std::string_view text) {
    const auto lines = textToLines(text);
    if (!lines) {
        const std::string typed = typedText(text, m_grid.column());
        if (typed.empty()) {
            return PasteResult::Nothing;
        }
        m_history.begin(m_grid);
        m_grid.setCurrentText(m_grid.currentText() + typed);
        m_history.commit(m_grid);
        m_codeChanged = true;
        return PasteResult::Cell;
    }

    const int count = static_cast<int>(lines->size());
    const int r = m_grid.line();
    const int last = lastLineWithText();
    // The pasted lines fill lines r onwards and push the lines from r on down by `count`, text
    // below the program included; neither may go past line 299.
    if (std::max(last, r - 1) + count > kLastLine) {
        return PasteResult::NoRoom;
    }
    m_history.begin(m_grid);
    for (int i = last; i >= r; --i) {
        writeLine(m_grid, i + count, readLine(m_grid, i));
    }
    for (int k = 0; k < count; ++k) {
        writeLine(m_grid, r + k, (*lines)[static_cast<std::size_t>(k)]);
    }
    m_grid.select(r, kCodeCol, r + count - 1, kSetValueCol);
    m_history.commit(m_grid);
    m_codeChanged = true;
    return PasteResult::Lines;
}

void Editor::insertLine() {
    const int r = m_grid.line();
    // Text below the program (a location typed ahead, say) moves along rather than be
    // overwritten by the line moving down onto it.
    const int last = lastLineWithText();
    if (last >= kLastLine) {
        // Line 299 holds text: moving it down would need a line 300. Refuse the insertion rather
        // than lose it.
        return;
    }
    m_history.begin(m_grid);
    // Lines r to last move down by one, the lowest first so that no line is overwritten
    // before it has moved.
    for (int i = last; i >= r; --i) {
        writeLine(m_grid, i + 1, readLine(m_grid, i));
    }
    blankLine(m_grid, r);
    if (last >= r) {
        // The cursor follows the line it was on.
        m_grid.setLine(r + 1);
    }
    m_history.commit(m_grid);
}

int Editor::lastProgramLine() const {
    const int last = lastUsedLine();
    if (!m_grid.extended() || last < 1 || last >= kLastLine) {
        return last;
    }
    // An ADD's or SUB's operand line has an empty code cell, yet belongs to the program (a blank
    // one moves as the blank lines below do).
    const engine::OpCode op =
        engine::decodeForm(m_grid.text(last, kCodeCol), engine::InstructionSet::Extended).op;
    return engine::takesOperandLine(op) ? last + 1 : last;
}

void Editor::deleteLine() {
    m_history.begin(m_grid);
    const int r = m_grid.line();
    const int last = lastProgramLine();
    for (int i = r + 1; i <= last; ++i) {
        writeLine(m_grid, i - 1, readLine(m_grid, i));
    }
    // Blank the line the shift left behind, or the cursor's line when nothing moved. Lines below
    // the program stay where they are.
    blankLine(m_grid, r < last ? last : r);
    m_grid.setLine(r);
    m_history.commit(m_grid);
}

void Editor::clearCode() {
    for (int k = 1; k <= kLastLine; ++k) {
        blankLine(m_grid, k);
    }
    m_grid.setLine(1);
    m_grid.setColumn(kCodeCol);
}

} // namespace rungbox::editor

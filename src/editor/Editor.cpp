#include "Editor.h"

#include <algorithm>
#include <array>
#include <string>

namespace rungbox::editor {

namespace {

// Column widths in twips, columns 0 to 3: line number, code, location, set value.
constexpr std::array<int, kGridCols> kColWidths = {500, 1500, 1000, 800};

// The three cells of a code line, as exact text.
using LineCells = std::array<std::string, 3>;

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

// A whole-line selection starts in the code column and ends in the set-value column, as a click
// or a drag over the line numbers makes it. A drag from column 3 back to column 1 is not one.
bool wholeLinesSelected(const CodeGrid& grid) {
    return grid.column() == kCodeCol && grid.selectionColumn() == kSetValueCol;
}

void append(CodeGrid& grid, char c) {
    grid.setCurrentText(grid.currentText() + c);
}

} // namespace

void setUpGrid(CodeGrid& grid) {
    grid.setText(0, kCodeCol, "LADDER CODE");
    grid.setText(0, kLocationCol, "LOCATION");
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

void Editor::handleKey(int keyCode, int /*shift*/) {
    // Every key counts as an edit, cursor keys included.
    m_codeChanged = true;

    const int col = m_grid.column();
    switch (keyCode) {
    case Key::Back:
        if (!m_grid.currentText().empty()) {
            // Cells hold 8-bit text: one character is one byte.
            std::string text = m_grid.currentText();
            text.pop_back();
            m_grid.setCurrentText(std::move(text));
        }
        break;
    case Key::Return:
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
        if (wholeLinesSelected(m_grid)) {
            insertLine();
        }
        break;
    case Key::Delete:
        if (wholeLinesSelected(m_grid)) {
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
        if (col == kCodeCol) {
            if ((keyCode >= Key::A && keyCode <= Key::Z) || keyCode == Key::Space) {
                append(m_grid, static_cast<char>(keyCode));
            }
        } else if (keyCode >= Key::Digit0 && keyCode <= Key::Digit9) {
            append(m_grid, static_cast<char>(keyCode));
        }
        break;
    }
}

void Editor::pressKey(int keyCode, int shift) {
    if (!m_grid.enabled()) {
        return;
    }
    handleKey(keyCode, shift);

    const bool ctrl = (shift & KeyMod::Ctrl) != 0;
    switch (keyCode) {
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

void Editor::insertLine() {
    const int r = m_grid.line();
    const int last = lastUsedLine();
    if (last >= kLastLine) {
        // Line 299 is used: moving it down would need a line 300. Refuse the insertion rather
        // than lose the program's last line.
        return;
    }
    // Lines r to last move down by one, the lowest first so that no line is overwritten
    // before it has moved. A line below the program is overwritten, whatever it holds.
    for (int i = last; i >= r; --i) {
        writeLine(m_grid, i + 1, readLine(m_grid, i));
    }
    blankLine(m_grid, r);
    if (last >= r) {
        // The cursor follows the line it was on.
        m_grid.setLine(r + 1);
    }
}

void Editor::deleteLine() {
    const int r = m_grid.line();
    const int last = lastUsedLine();
    for (int i = r + 1; i <= last; ++i) {
        writeLine(m_grid, i - 1, readLine(m_grid, i));
    }
    // Blank the line the shift left behind, or the cursor's line when nothing moved. Lines below
    // the program stay where they are.
    blankLine(m_grid, r < last ? last : r);
    m_grid.setLine(r);
}

void Editor::clearCode() {
    for (int k = 1; k <= kLastLine; ++k) {
        blankLine(m_grid, k);
    }
    m_grid.setLine(1);
    m_grid.setColumn(kCodeCol);
}

} // namespace rungbox::editor

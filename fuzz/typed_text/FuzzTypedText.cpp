// SPDX-License-Identifier: GPL-3.0-or-later
// Any text handed over by an on-screen keyboard, typed into the grid from line 1. One key per
// character ("\r\n" one Enter), never more than the limit; the code cells hold only capitals and
// blanks, the other cells only digits (an extended program's cells also what its addresses,
// set values and function codes need); the case of the letters changes nothing; and one undo
// after text on a single line empties the grid again.
//
// Input: the typed text, as bytes.

#include "FuzzSupport.h"

#include "editor/Editor.h"
#include "editor/TypedText.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

using namespace rungbox;

namespace {

// True when column `col` of a classic or an extended program takes `c`.
bool takes(int col, char c, bool extended) {
    const bool letter = c == ' ' || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (col == editor::kCodeCol) {
        return letter || (extended && (digit || c == '(' || c == ')'));
    }
    if (col == editor::kLocationCol) {
        return digit || (extended && (letter || c == '.' || c == '_'));
    }
    return digit || (extended && c == '#');
}

std::string typeInto(editor::CodeGrid& grid, editor::Editor& editor, std::string_view text,
                     bool extended = false) {
    editor::setUpGrid(grid);
    grid.setInstructionSet(extended ? engine::InstructionSet::Extended
                                    : engine::InstructionSet::Classic);
    grid.setLine(1);
    for (const editor::KeyPress key : editor::keysOfText(text, extended)) {
        editor.pressKey(key, {});
    }
    std::string cells;
    for (int line = 1; line <= editor::kLastLine; ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            const std::string& cell = grid.text(line, col);
            const bool fits = std::all_of(cell.begin(), cell.end(),
                                          [&](char c) { return takes(col, c, extended); });
            fuzz::require(fits, "a cell holds only what its column takes");
            cells += cell + '|';
        }
    }
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto keys = editor::keysOfText(text);
    std::size_t breaks = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        breaks += text[i] == '\r' && text[i + 1] == '\n' ? 1U : 0U;
    }
    fuzz::require(keys.size() == std::min(editor::kMaxTypedKeys, text.size() - breaks),
                  "one key for each character, up to the limit");

    editor::CodeGrid grid;
    editor::Editor editor(grid);
    const std::string typed = typeInto(grid, editor, text);

    std::string swapped(text);
    for (char& c : swapped) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalpha(u) != 0) {
            c = static_cast<char>(std::islower(u) != 0 ? std::toupper(u) : std::tolower(u));
        }
    }
    editor::CodeGrid other;
    editor::Editor otherEditor(other);
    fuzz::require(typeInto(other, otherEditor, swapped) == typed, "case changes nothing");

    // The same text in an extended program: its cells hold only what its columns take.
    editor::CodeGrid extendedGrid;
    editor::Editor extendedEditor(extendedGrid);
    typeInto(extendedGrid, extendedEditor, text, true);

    if (text.find_first_of("\r\n") == std::string_view::npos) {
        editor.undo();
        fuzz::require(grid.text(1, editor::kCodeCol).empty() &&
                          grid.text(1, editor::kLocationCol).empty(),
                      "one undo takes a line's typing away");
    }
    return 0;
}

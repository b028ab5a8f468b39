// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the editor tests: a grid as the main window sets it up, writing a program into it
// and reading it back compactly.

#include "editor/CodeGrid.h"
#include "editor/Editor.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace rungbox::editor::test {

/// The three cells of one code line.
struct Cells {
    std::string code{}, location{}, setValue{};
    bool operator==(const Cells&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Cells& c) {
    return os << '[' << c.code << '|' << c.location << '|' << c.setValue << ']';
}

/// Writes `lines` into lines first, first + 1, ...
inline void write(CodeGrid& grid, int first, const std::vector<Cells>& lines) {
    for (const Cells& line : lines) {
        grid.setText(first, kCodeCol, line.code);
        grid.setText(first, kLocationCol, line.location);
        grid.setText(first++, kSetValueCol, line.setValue);
    }
}

inline Cells cells(const CodeGrid& grid, int row) {
    return {grid.text(row, kCodeCol), grid.text(row, kLocationCol), grid.text(row, kSetValueCol)};
}

/// The code cells of lines first to last, blank-separated, "-" for an empty one.
inline std::string codes(const CodeGrid& grid, int first, int last) {
    std::string out;
    for (int row = first; row <= last; ++row) {
        const std::string& code = grid.text(row, kCodeCol);
        out += (row == first ? "" : " ") + (code.empty() ? "-" : code);
    }
    return out;
}

/// The key that types `c`: a letter (either case), a digit of the main keyboard, or Space for
/// a blank. Other for anything else.
inline KeyPress key(char c) {
    if (c == ' ') {
        return Key::Space;
    }
    const KeyPress letter = KeyPress::letter(c);
    return letter.key() == Key::Letter ? letter : KeyPress::digit(c);
}

/// A set-up grid and its editor.
struct Editing : testing::Test {
    Editing() { setUpGrid(grid); }
    void type(std::initializer_list<KeyPress> keys, KeyMods mods = {}) {
        for (const KeyPress k : keys) {
            editor.pressKey(k, mods);
        }
    }
    /// Presses the keys that type `text` (see key()).
    void type(std::string_view text, KeyMods mods = {}) {
        for (const char c : text) {
            editor.pressKey(key(c), mods);
        }
    }
    CodeGrid grid;
    Editor editor{grid};
};

} // namespace rungbox::editor::test

#pragma once

// Helpers for the editor tests: writing a program into a grid and reading it back compactly.

#include "editor/CodeGrid.h"
#include "editor/Editor.h"

#include <ostream>
#include <string>
#include <vector>

namespace rungbox::editor::test {

/// The three cells of one code line.
struct Cells {
    std::string code;
    std::string location;
    std::string setValue;
};

/// A grid as the main window sets it up.
inline void prepare(CodeGrid& grid) {
    setUpGrid(grid);
}

/// Writes `lines` into lines first, first + 1, ...
inline void write(CodeGrid& grid, int first, const std::vector<Cells>& lines) {
    int row = first;
    for (const Cells& line : lines) {
        grid.setTextMatrix(row, kCodeCol, line.code);
        grid.setTextMatrix(row, kLocationCol, line.location);
        grid.setTextMatrix(row, kSetValueCol, line.setValue);
        ++row;
    }
}

/// Writes code cells only, into lines 1, 2, ...; "-" leaves a line empty.
inline void writeCodes(CodeGrid& grid, const std::vector<std::string>& codes) {
    int row = 1;
    for (const std::string& code : codes) {
        grid.setTextMatrix(row++, kCodeCol, code == "-" ? "" : code);
    }
}

/// The code cells of lines first to last, "-" for an empty one.
inline std::vector<std::string> codes(const CodeGrid& grid, int first, int last) {
    std::vector<std::string> out;
    for (int row = first; row <= last; ++row) {
        const std::string& code = grid.TextMatrix(row, kCodeCol);
        out.push_back(code.empty() ? "-" : code);
    }
    return out;
}

inline Cells cells(const CodeGrid& grid, int row) {
    return {grid.TextMatrix(row, kCodeCol), grid.TextMatrix(row, kLocationCol),
            grid.TextMatrix(row, kSetValueCol)};
}

inline bool operator==(const Cells& a, const Cells& b) {
    return a.code == b.code && a.location == b.location && a.setValue == b.setValue;
}

inline std::ostream& operator<<(std::ostream& os, const Cells& c) {
    return os << '[' << c.code << '|' << c.location << '|' << c.setValue << ']';
}

} // namespace rungbox::editor::test

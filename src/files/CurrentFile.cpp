// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentFile.h"

namespace rungbox::files {

using editor::kCodeCol;
using editor::kLastLine;
using editor::kSetValueCol;

std::string fileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

l10n::Text windowTitle(std::string_view path, bool edited) {
    if (path.empty()) {
        return l10n::text(kEmptyWindowTitle);
    }
    return l10n::text(kFileWindowTitle, fileName(path) + (edited ? "*" : ""));
}

void CurrentFile::set(std::string path, const editor::CodeGrid& grid, const names::NameTable& names,
                      int cellsInFile) {
    m_path = std::move(path);
    m_names = names;
    m_set = grid.instructionSet();
    m_cells.clear();
    for (int line = 1; line <= kLastLine; ++line) {
        for (int col = kCodeCol; col <= kSetValueCol; ++col) {
            const bool inFile = static_cast<int>(m_cells.size()) < cellsInFile;
            m_cells.push_back(inFile ? grid.text(line, col) : std::string());
        }
    }
}

bool CurrentFile::differs(const editor::CodeGrid& grid, const names::NameTable& names) const {
    if (!(names == m_names) || grid.instructionSet() != m_set) {
        return true;
    }
    std::size_t at = 0;
    for (int line = 1; line <= kLastLine; ++line) {
        for (int col = kCodeCol; col <= kSetValueCol; ++col, ++at) {
            // Before the first set() everything counts as empty.
            const bool known = at < m_cells.size();
            if ((known ? m_cells[at] : std::string()) != grid.text(line, col)) {
                return true;
            }
        }
    }
    return false;
}

l10n::Text CurrentFile::title(const editor::CodeGrid& grid, const names::NameTable& names) const {
    return windowTitle(m_path, hasPath() && differs(grid, names));
}

} // namespace rungbox::files

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the windows, shared by the fuzz targets: they do nothing but count and check.

#include "editor/CodeGrid.h"
#include "files/DiskFileSystem.h"
#include "files/FileCommands.h"
#include "platform/Platform.h"
#include "support/NullPorts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace rungbox::fuzz {

/// Stops the fuzzer with a message when `ok` is false; libFuzzer then saves the input.
inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

using test::NullPanel;
using test::NullWindow;

/// Remembers every message; answers OK, and No to questions.
class CountingBoxes : public platform::MessageBoxes {
public:
    std::vector<std::string> texts;
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text&) override {
        texts.push_back(l10n::english(text));
        return style.buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok
                                                         : platform::BoxAnswer::No;
    }
};

/// One program file held in memory, without a names file beside it; saving and removing are
/// refused, so nothing on disk is touched.
class MemoryFileSystem : public platform::FileSystem {
public:
    std::string bytes;
    bool readAll(const std::string& path, std::string& out, platform::FileError& error) override {
        if (path.ends_with(".names")) {
            error = {2, "No such file or directory"};
            return false;
        }
        out = bytes;
        return true;
    }
    bool remove(const std::string&, platform::FileError& error) override {
        error = {30, "Read-only file system"};
        return false;
    }
    std::unique_ptr<platform::SaveFile> beginSave(const std::string&,
                                                  platform::FileError& error) override {
        error = {30, "Read-only file system"};
        return nullptr;
    }
};

/// Checks what no operation may ever change: 300 rows, the headings and the line numbers.
inline void requireGridShape(const editor::CodeGrid& grid) {
    require(grid.rowCount() == editor::kGridRows, "the grid has 300 rows");
    require(grid.text(0, 0).empty(), "heading cell (0, 0) is empty");
    require(grid.text(0, 1) == "LADDER CODE", "heading LADDER CODE");
    require(grid.text(0, 2) == "LOCATION", "heading LOCATION");
    require(grid.text(0, 3) == "###", "heading ###");
    for (int r = 1; r < editor::kGridRows; ++r) {
        require(grid.text(r, 0) == std::to_string(r), "line numbers stay");
    }
    require(grid.line() >= 1 && grid.line() <= editor::kLastLine, "Row is a code line");
    require(grid.column() >= 1 && grid.column() <= 3, "Col is an editable column");
}

} // namespace rungbox::fuzz

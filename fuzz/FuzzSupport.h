// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the windows, shared by the fuzz targets: they do nothing but count and check.

#include "editor/CodeGrid.h"
#include "files/DiskFileSystem.h"
#include "files/FileCommands.h"
#include "platform/Platform.h"

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

class NullPanel : public engine::IoPanel {
public:
    std::uint16_t switches = 0;
    std::uint16_t inputSwitches() const override { return switches; }
    void uncheckInputSwitch(int n) override {
        switches = static_cast<std::uint16_t>(switches & ~(1U << n));
    }
    void setInputLamp(int, bool) override {}
    void setOutputLamp(int, bool) override {}
    void setTimerDisplay(int, std::string_view) override {}
    void setCounterDisplay(int, std::string_view) override {}
    void setRunLamp(bool) override {}
};

class NullWindow : public platform::RunWindow {
public:
    void setFileMenuEnabled(bool) override {}
    void setModuleMenuEnabled(bool) override {}
    void setInputSwitchEnabled(int, bool) override {}
    void setProgressVisible(bool) override {}
    void setProgressWidth(int) override {}
};

/// Remembers every message; answers OK, and No to questions.
class CountingBoxes : public platform::MessageBoxes {
public:
    std::vector<std::string> texts;
    platform::BoxAnswer show(std::string_view text, int style, std::string_view) override {
        texts.emplace_back(text);
        return platform::BoxStyle::buttons(style) == platform::BoxStyle::OkOnly
                   ? platform::BoxAnswer::Ok
                   : platform::BoxAnswer::No;
    }
};

/// One file held in memory; saving is refused, so nothing on disk is touched.
class MemoryFileSystem : public platform::FileSystem {
public:
    std::string bytes;
    bool readAll(const std::string&, std::string& out, platform::FileError&) override {
        out = bytes;
        return true;
    }
    std::unique_ptr<platform::SaveFile> beginSave(const std::string&,
                                                  platform::FileError& error) override {
        error = {30, "Read-only file system"};
        return nullptr;
    }
};

class FixedDialog : public platform::FileDialog {
public:
    std::optional<std::string> askSavePath(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> askOpenPath(std::string_view) override { return "fuzz.PLC"; }
};

class NullShell : public platform::MainWindowShell {
public:
    void closeMainWindow() override {}
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

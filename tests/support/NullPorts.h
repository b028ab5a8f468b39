// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the windows that do nothing, shared by the tests, the fuzz targets and the
// developer tools: a test overrides only what it watches.

#include "engine/PanelState.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::test {

/// An I/O panel nobody watches.
using NullPanel = engine::PanelState;

/// A file dialog that answers `savePath` and `openPath` (nullopt: cancelled, the default).
class FixedDialog : public platform::FileDialog {
public:
    std::optional<std::string> savePath;
    std::optional<std::string> openPath;
    std::optional<std::string> askSavePath(std::string_view, std::string_view) override {
        return savePath;
    }
    std::optional<std::string> askOpenPath(std::string_view) override { return openPath; }
};

/// The main window's side of the run control and the file commands, doing nothing; its file
/// dialogs answer as FixedDialog does.
class NullWindow : public platform::RunWindow,
                   public platform::MainWindowShell,
                   public FixedDialog {
public:
    void setFileMenuEnabled(bool) override {}
    void setModuleMenuEnabled(bool) override {}
    void setInputSwitchEnabled(int, bool) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int, int) override {}
    void closeMainWindow() override {}
};

} // namespace rungbox::test

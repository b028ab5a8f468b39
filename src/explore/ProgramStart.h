// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program started for an exploration as the run/stop button starts a run (panel::startRun), on
// a controller of its own so that the window's run is not touched.

#include "editor/CodeGrid.h"
#include "engine/Controller.h"
#include "engine/PanelState.h"
#include "platform/Platform.h"

#include <memory>
#include <string>

namespace rungbox::explore {

/// A controller of its own with the program started on it.
class StartedController {
public:
    StartedController();
    ~StartedController();
    StartedController(const StartedController&) = delete;
    StartedController& operator=(const StartedController&) = delete;

    /// Starts the program in `grid` (whose bad line preparation selects). False, with the reason
    /// shown through `boxes`, when it cannot start or cannot be explored exactly (Explorable.h).
    bool start(editor::CodeGrid& grid, platform::MessageBoxes& boxes);
    /// Reads the program file `path` through `files` and starts it. False, with the reason shown
    /// through `boxes`, when it cannot be read or started.
    bool start(const std::string& path, platform::FileSystem& files, platform::MessageBoxes& boxes);

    const engine::Controller& controller() const { return *m_plc; }

private:
    std::unique_ptr<engine::PanelState> m_panel;
    std::unique_ptr<engine::Controller> m_plc;
};

} // namespace rungbox::explore

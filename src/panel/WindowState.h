// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as state, for the front ends that draw it themselves or not at all (the page,
// rungbox-sim): the panel (engine::PanelState) and what the run/stop control switches on the
// window (menus, switches enabled, the start's progress display).

#include "engine/PanelState.h"
#include "platform/Platform.h"

#include <cstdint>

namespace rungbox::panel {

class WindowState : public engine::PanelState, public platform::RunWindow {
public:
    /// True when input switch n (0 to 15) can be operated: the run/stop control enables the
    /// switches while a run goes on and disables them while stopped.
    bool inputSwitchEnabled(int n) const { return ((m_switchEnabled >> n) & 1U) != 0; }
    /// The switches that can be operated, switch n in bit n.
    std::uint16_t switchEnabledBits() const { return m_switchEnabled; }
    bool fileMenuEnabled() const { return m_fileMenuEnabled; }
    bool moduleMenuEnabled() const { return m_moduleMenuEnabled; }
    bool progressVisible() const { return m_progressVisible; }
    /// The rows the last start copied, and of how many (see RunWindow::setProgress).
    int progressCopied() const { return m_progressCopied; }
    int progressTotal() const { return m_progressTotal; }

    // --- platform::RunWindow: each change but the progress display's counts as a change of the
    // panel (revision()); the progress display is over before a front end draws again.
    void setFileMenuEnabled(bool enabled) override;
    void setModuleMenuEnabled(bool enabled) override;
    void setInputSwitchEnabled(int n, bool enabled) override;
    void setProgressVisible(bool visible) override { m_progressVisible = visible; }
    void setProgress(int copied, int total) override {
        m_progressCopied = copied;
        m_progressTotal = total;
    }

private:
    std::uint16_t m_switchEnabled = 0;
    bool m_fileMenuEnabled = true;
    bool m_moduleMenuEnabled = true;
    bool m_progressVisible = false;
    int m_progressCopied = 0;
    int m_progressTotal = 0;
};

} // namespace rungbox::panel

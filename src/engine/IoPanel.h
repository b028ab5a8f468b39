// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The controller's port: the panel of switches, lamps and displays it reads and drives. The
// other ports of the application are in platform/Platform.h; the panel held as state, for the
// front ends without a window of their own, is PanelState.h.

#include <cstdint>
#include <string_view>

namespace rungbox::engine {

/// The controller's terminals and displays on the main window: sixteen input switches with their
/// lamps, sixteen output lamps, eight timer and eight counter displays and the run/stop lamp.
/// The controller calls these only when a picture changes (or when it resets everything).
class IoPanel {
public:
    virtual ~IoPanel() = default;

    /// The sixteen input switches, switch n in bit n; a set bit is a checked switch.
    virtual std::uint16_t inputSwitches() const = 0;
    /// Unchecks input switch n (0 to 15).
    virtual void uncheckInputSwitch(int n) = 0;
    /// Lights (true) or darkens input lamp n (0 to 15).
    virtual void setInputLamp(int n, bool on) = 0;
    /// Lights (true) or darkens output lamp n (0 to 15).
    virtual void setOutputLamp(int n, bool on) = 0;
    /// Sets the caption of timer display n (0 to 7), for example "12.5".
    virtual void setTimerDisplay(int n, std::string_view text) = 0;
    /// Sets the caption of counter display n (0 to 7), for example "10".
    virtual void setCounterDisplay(int n, std::string_view text) = 0;
    /// Shows the run/stop lamp-button lit (true) or dark.
    virtual void setRunLamp(bool on) = 0;
};

} // namespace rungbox::engine

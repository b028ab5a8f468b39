// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The controller's panel held as state: what the switches are set to and what the lamps, the
// displays and the run lamp show, kept for a front end to read (rungbox-sim, the page) or for
// nobody (a check, an exploration, a test, a benchmark).

#include "AddressMap.h"
#include "IoPanel.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rungbox::engine {

class PanelState : public IoPanel {
public:
    /// What a reset's unchecking of a switch does.
    enum class Switches {
        UncheckedByReset, ///< clears it, as on the window
        SetByOwner,       ///< leaves it: the owner sets every switch before each scan
    };

    /// Switches off, lamps dark, displays "0.0" and "0" as a freshly reset window shows them.
    explicit PanelState(Switches switches = Switches::UncheckedByReset);

    /// Checks (true) or unchecks input switch n (0 to 15). The next scan sees it.
    void setInputSwitch(int n, bool on);
    /// Sets all sixteen switches at once, switch n in bit n.
    void setSwitches(std::uint16_t bits);

    /// The lamps, lamp n in bit n.
    std::uint16_t inputLampBits() const { return m_inputLamps; }
    std::uint16_t outputLampBits() const { return m_outputLamps; }
    /// The text timer display n (0 to 7) shows, e.g. "2.5".
    const std::string& timerDisplay(int n) const;
    /// The text counter display n (0 to 7) shows, e.g. "12".
    const std::string& counterDisplay(int n) const;
    bool runLamp() const { return m_runLamp; }
    /// Counts every change of the switches or of what the panel shows, so that a front end
    /// redraws only after one.
    unsigned revision() const { return m_revision; }

    // --- IoPanel
    std::uint16_t inputSwitches() const override { return m_switches; }
    void uncheckInputSwitch(int n) override;
    void setInputLamp(int n, bool on) override;
    void setOutputLamp(int n, bool on) override;
    void setTimerDisplay(int n, std::string_view text) override;
    void setCounterDisplay(int n, std::string_view text) override;
    void setRunLamp(bool on) override;

protected:
    /// Sets bit n of `bits` to `on`.
    static void setBit(std::uint16_t& bits, int n, bool on);
    /// Counts a change (see revision()).
    void changed() { ++m_revision; }

private:
    // Switches and lamps as bit masks, bit n for element n: the scan reads the switches once per
    // scan, so reading them must cost nothing.
    std::uint16_t m_switches = 0;
    std::uint16_t m_inputLamps = 0;
    std::uint16_t m_outputLamps = 0;
    std::array<std::string, kTimerCount> m_timers;
    std::array<std::string, kCounterCount> m_counters;
    bool m_runLamp = false;
    Switches m_switchesOnReset;
    unsigned m_revision = 0;
};

} // namespace rungbox::engine

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as rungbox-sim has it: no window at all, only the state the window would show.
// It holds the input switches that the script sets, remembers every lamp and display picture the
// controller sends, and records which timers, menus and switches the run/stop control switched
// on or enabled.

#include "engine/AddressMap.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <string>

namespace rungbox::sim {

class SimPanel : public engine::IoPanel, public platform::RunWindow {
public:
    SimPanel();

    // --- The script's hands and eyes -----------------------------------------------------------

    /// Checks (true) or unchecks input switch n (0 to 15). The next scan sees it.
    void setInputSwitch(int n, bool on);
    /// True when input switch n (0 to 15) can be operated: the run/stop control enables the
    /// switches while a run goes on and disables them while stopped.
    bool inputSwitchEnabled(int n) const { return ((m_switchEnabled >> n) & 1U) != 0; }

    /// The panel as one line: "in=" and "out=" with the 16 input and output lamps as digits 0
    /// and 1 (lamp 0 first), "tim=" and "cnt=" with the 8 timer and counter displays separated
    /// by commas. No line end.
    std::string showLine() const;

    /// The 16 input lamps as digits 0 and 1, lamp 0 first (as in showLine()).
    std::string inputLampDigits() const;
    /// The 16 output lamps as digits 0 and 1, lamp 0 first (as in showLine()).
    std::string outputLampDigits() const;
    /// The text timer display n (0 to 7) shows, e.g. "2.5".
    const std::string& timerDisplay(int n) const;
    /// The text counter display n (0 to 7) shows, e.g. "12".
    const std::string& counterDisplay(int n) const;

    bool runLamp() const { return m_runLamp; }
    bool fileMenuEnabled() const { return m_fileMenuEnabled; }
    bool moduleMenuEnabled() const { return m_moduleMenuEnabled; }
    bool progressVisible() const { return m_progressVisible; }
    int progressWidth() const { return m_progressWidth; }

    // --- engine::IoPanel ---------------------------------------------------------------------

    std::uint16_t inputSwitches() const override { return m_switches; }
    void uncheckInputSwitch(int n) override;
    void setInputLamp(int n, bool on) override;
    void setOutputLamp(int n, bool on) override;
    void setTimerDisplay(int n, std::string_view text) override;
    void setCounterDisplay(int n, std::string_view text) override;
    void setRunLamp(bool on) override { m_runLamp = on; }

    // --- platform::RunWindow --------------------------------------------------------------------

    void setFileMenuEnabled(bool enabled) override { m_fileMenuEnabled = enabled; }
    void setModuleMenuEnabled(bool enabled) override { m_moduleMenuEnabled = enabled; }
    void setInputSwitchEnabled(int n, bool enabled) override;
    void setProgressVisible(bool visible) override { m_progressVisible = visible; }
    void setProgressWidth(int twips) override { m_progressWidth = twips; }

private:
    // Switches, their enabled state and the lamps as bit masks, bit n for element n: the scan
    // reads the switches once per scan, so reading them must cost nothing.
    std::uint16_t m_switches = 0;
    std::uint16_t m_switchEnabled = 0;
    std::uint16_t m_inputLamps = 0;
    std::uint16_t m_outputLamps = 0;
    std::array<std::string, engine::kTimerCount> m_timerDisplay;
    std::array<std::string, engine::kCounterCount> m_counterDisplay;
    bool m_runLamp = false;
    bool m_fileMenuEnabled = true;
    bool m_moduleMenuEnabled = true;
    bool m_progressVisible = false;
    int m_progressWidth = 0;
};

} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as rungbox-sim has it: no window at all, only the state the window would show
// (panel::WindowState: the switches the script sets, every lamp and display picture the
// controller sends, what the run/stop control switched on), read as text by the script's
// `show` and `expect` lines.

#include "panel/WindowState.h"

#include <string>

namespace rungbox::sim {

class SimPanel : public panel::WindowState {
public:
    /// The panel as one line: "in=" and "out=" with the 16 input and output lamps as digits 0
    /// and 1 (lamp 0 first), "tim=" and "cnt=" with the 8 timer and counter displays separated
    /// by commas. No line end.
    std::string showLine() const;

    /// The 16 input lamps as digits 0 and 1, lamp 0 first (as in showLine()).
    std::string inputLampDigits() const;
    /// The 16 output lamps as digits 0 and 1, lamp 0 first (as in showLine()).
    std::string outputLampDigits() const;
};

} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tooltips that show names: on the panel's lamps, switches and displays ("Output 02: relay
// 1002; MOTOR (1002): belt motor") and on the code lines of a named address ("MOTOR: belt
// motor"). The window and the page show the same texts.

#include "NameTable.h"

#include <string>

namespace rungbox::names {

/// The controls of the panel that carry a tooltip, each numbered from 0.
enum class PanelControl { InputLamp, InputSwitch, OutputLamp, TimerDisplay, CounterDisplay };

/// The tooltip of control `n` of `control`: what it shows, then the name `table` gives its
/// address and that name's comment, when there is one. `n` from 0 to 15 for lamps and switches,
/// 0 to 7 for displays.
std::string panelTip(const NameTable& table, PanelControl control, int n);

/// The tooltip of a code line whose address has `entry`: its name, and ": " and the comment when
/// there is one. Empty for null.
std::string lineTip(const NameEntry* entry);

} // namespace rungbox::names

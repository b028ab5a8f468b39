// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user's hands can work on a machine besides the controller: its push-buttons (down
// for a click, or held) and its switches (a pump's trip, a motor held stalled: on until turned
// off). Scripts name them by `word`, the window and the page show their `caption`.

#include <string_view>

namespace rungbox::machines {

enum class ControlKind {
    Button, ///< momentary: a click reaches at least one scan; it can also be held
    Switch, ///< stays as set
};

struct Control {
    /// The script's word, without blanks ("forward", "trip1").
    std::string_view word;
    /// The caption on the picture and the page's button ("Forward"), marked under "Machines".
    std::string_view caption;
    ControlKind kind = ControlKind::Button;
};

/// What a hand does to a control: a button is pressed for a scan, held down or released; a
/// switch is turned on or off. A touch that does not fit the control's kind does nothing.
enum class Touch { Press, Hold, Release, On, Off };

/// The touch a script means on a control of `kind`: a short press (`momentary`), else a button
/// held (`on`) or released, a switch turned on (`on`) or off.
inline Touch touchFor(ControlKind kind, bool momentary, bool on) {
    if (kind == ControlKind::Switch) {
        return on ? Touch::On : Touch::Off;
    }
    return momentary ? Touch::Press : on ? Touch::Hold : Touch::Release;
}

} // namespace rungbox::machines

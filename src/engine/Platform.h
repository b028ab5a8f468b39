#pragma once

// The narrow interfaces through which the core (engine, editor, files, panel) reaches the
// outside world. The Qt windows implement them for the user; tests and rungbox-sim implement
// them with recorders. Nothing in the core knows which one it talks to.

#include <cstdint>
#include <string_view>

namespace rungbox::engine {

/// The application's title. Message boxes that have no title of their own show it.
inline constexpr std::string_view kAppTitle = "rungbox";

/// Message box styles as numbers: the button set in the low three bits, the icon in the three
/// above them. Combine one button set with at most one icon.
namespace BoxStyle {
inline constexpr int OkOnly = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;

inline constexpr int buttons(int style) {
    return style & 7;
}
inline constexpr int icon(int style) {
    return style & 0x70;
}
} // namespace BoxStyle

/// The button that closed a message box.
enum class BoxAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

/// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    /// Shows `text` (lines joined by CR LF) in a modal box titled `title` with the buttons and
    /// icon of `style` (a BoxStyle combination) and returns the button pressed. Blocks until the
    /// user answers. `title` is never empty: callers pass kAppTitle when the box has no title of
    /// its own.
    virtual BoxAnswer show(std::string_view text, int style, std::string_view title) = 0;
};

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

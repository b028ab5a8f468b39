#include "VirtualKey.h"

#include "editor/Editor.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>

namespace rungbox::ui {

namespace {

// X11 key codes of the main keyboard's digit row: 10 is the 1 key, 18 the 9 key, 19 the 0 key.
constexpr quint32 kXFirstDigitKey = 10;
constexpr quint32 kXZeroKey = 19;

constexpr int kDigit0 = 48;
constexpr int kNumpad0 = 96;
constexpr int kF1 = 112;

// The symbols Shift gives on the digit keys 0 to 9 of a US keyboard.
constexpr std::array<int, 10> kShiftedDigits = {
    Qt::Key_ParenRight, Qt::Key_Exclam,    Qt::Key_At,          Qt::Key_NumberSign,
    Qt::Key_Dollar,     Qt::Key_Percent,   Qt::Key_AsciiCircum, Qt::Key_Ampersand,
    Qt::Key_Asterisk,   Qt::Key_ParenLeft,
};

int digitFromScanCode(quint32 scanCode) {
    if (scanCode < kXFirstDigitKey || scanCode > kXZeroKey) {
        return -1;
    }
    return scanCode == kXZeroKey ? 0 : static_cast<int>(scanCode - kXFirstDigitKey) + 1;
}

int digitFromShiftedSymbol(int key) {
    for (std::size_t d = 0; d < kShiftedDigits.size(); ++d) {
        if (kShiftedDigits[d] == key) {
            return static_cast<int>(d);
        }
    }
    return -1;
}

int namedKeyCode(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return kF1 + (key - Qt::Key_F1);
    }
    return 0;
}

} // namespace

int virtualKeyCode(const QKeyEvent& event, bool byScanCode) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);

    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? kNumpad0 : kDigit0) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key; // Qt's letter keys are the upper-case character codes already.
    }
    if (!keypad) {
        const quint32 scanCode = event.nativeScanCode();
        if (byScanCode && scanCode != 0) {
            const int digit = digitFromScanCode(scanCode);
            if (digit >= 0) {
                return kDigit0 + digit;
            }
        } else {
            const int digit = digitFromShiftedSymbol(key);
            if (digit >= 0) {
                return kDigit0 + digit;
            }
        }
    }
    return namedKeyCode(key);
}

int virtualKeyCode(const QKeyEvent& event) {
    static const bool onXcb = QGuiApplication::platformName() == QLatin1String("xcb");
    return virtualKeyCode(event, onXcb);
}

int shiftState(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    int state = 0;
    if (mods.testFlag(Qt::ShiftModifier)) {
        state |= editor::KeyMod::Shift;
    }
    if (mods.testFlag(Qt::ControlModifier)) {
        state |= editor::KeyMod::Ctrl;
    }
    if (mods.testFlag(Qt::AltModifier)) {
        state |= editor::KeyMod::Alt;
    }
    return state;
}

} // namespace rungbox::ui

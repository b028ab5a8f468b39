// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace Key = editor::Key;

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

// The keys that are neither digits nor letters, with the virtual key codes the editor takes.
struct NamedKey {
    int qtKey;
    int code;
};

constexpr std::array<NamedKey, 21> kNamedKeys{{
    {Qt::Key_Backspace, Key::Back},
    {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Backtab, Key::Tab},
    {Qt::Key_Return, Key::Return},
    {Qt::Key_Enter, Key::Return},
    {Qt::Key_Shift, Key::ShiftKey},
    {Qt::Key_Control, Key::Control},
    {Qt::Key_Alt, Key::Menu},
    {Qt::Key_AltGr, Key::Menu},
    {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_PageUp, Key::PageUp},
    {Qt::Key_PageDown, Key::PageDown},
    {Qt::Key_End, Key::End},
    {Qt::Key_Home, Key::Home},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Insert, Key::Insert},
    {Qt::Key_Delete, Key::Delete},
}};

int namedKeyCode(int key) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.qtKey == key) {
            return named.code;
        }
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return Key::F1 + (key - Qt::Key_F1);
    }
    return 0;
}

} // namespace

int virtualKeyCode(const QKeyEvent& event, bool byScanCode) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);

    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? Key::Numpad0 : Key::Digit0) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key; // Qt's letter keys are the upper-case character codes already.
    }
    if (!keypad) {
        const quint32 scanCode = event.nativeScanCode();
        if (byScanCode && scanCode != 0) {
            const int digit = digitFromScanCode(scanCode);
            if (digit >= 0) {
                return Key::Digit0 + digit;
            }
        } else {
            const int digit = digitFromShiftedSymbol(key);
            if (digit >= 0) {
                return Key::Digit0 + digit;
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

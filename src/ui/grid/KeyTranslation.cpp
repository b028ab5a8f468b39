// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyTranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>

namespace rungbox::ui {

namespace {

// X11 key codes of the main keyboard's digit row: 10 is the 1 key, 18 the 9 key, 19 the 0 key.
constexpr quint32 kXFirstDigitKey = 10;
constexpr quint32 kXZeroKey = 19;

using editor::Key;
using editor::KeyPress;

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

// The keys that are neither digits nor letters, as the editor names them. Keys not listed
// (Tab, Escape, the function keys, ...) are Other.
struct NamedKey {
    int qtKey;
    Key key;
};

constexpr std::array<NamedKey, 18> kNamedKeys{{
    {Qt::Key_Backspace, Key::Backspace},
    {Qt::Key_Return, Key::Enter},
    {Qt::Key_Enter, Key::Enter},
    {Qt::Key_Shift, Key::Shift},
    {Qt::Key_Control, Key::Ctrl},
    {Qt::Key_Alt, Key::Alt},
    {Qt::Key_AltGr, Key::Alt},
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

Key namedKey(int qtKey) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.qtKey == qtKey) {
            return named.key;
        }
    }
    return Key::Other;
}

// True when the application runs on the xcb platform (X11 key codes).
bool onXcb() {
    static const bool xcb = QGuiApplication::platformName() == QLatin1String("xcb");
    return xcb;
}

char digitChar(int digit) {
    return static_cast<char>('0' + digit);
}

} // namespace

KeyPress translateKey(const QKeyEvent& event, bool byScanCode) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);

    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const char digit = digitChar(key - Qt::Key_0);
        return keypad ? KeyPress::keypadDigit(digit) : KeyPress::digit(digit);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return KeyPress::letter(static_cast<char>('A' + (key - Qt::Key_A)));
    }
    if (!keypad) {
        const quint32 scanCode = event.nativeScanCode();
        const int digit =
            byScanCode && scanCode != 0 ? digitFromScanCode(scanCode) : digitFromShiftedSymbol(key);
        if (digit >= 0) {
            return KeyPress::digit(digitChar(digit));
        }
    }
    return namedKey(key);
}

KeyPress translateKey(const QKeyEvent& event, bool byScanCode, bool extended) {
    const QString text = event.text();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (extended && !keypad && text.size() == 1 && text[0].unicode() < 0x80 &&
        KeyPress::isMark(static_cast<char>(text[0].unicode()))) {
        return KeyPress::mark(static_cast<char>(text[0].unicode()));
    }
    return translateKey(event, byScanCode);
}

KeyPress translateKey(const QKeyEvent& event) {
    return translateKey(event, onXcb());
}

KeyPress translateCellKey(const QKeyEvent& event, bool extended) {
    return translateKey(event, onXcb(), extended);
}

editor::KeyMods translateModifiers(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    editor::KeyMods held;
    if (mods.testFlag(Qt::ShiftModifier)) {
        held = held | editor::KeyMod::Shift;
    }
    if (mods.testFlag(Qt::ControlModifier)) {
        held = held | editor::KeyMod::Ctrl;
    }
    if (mods.testFlag(Qt::AltModifier)) {
        held = held | editor::KeyMod::Alt;
    }
    return held;
}

} // namespace rungbox::ui

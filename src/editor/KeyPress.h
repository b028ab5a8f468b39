// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys of the keyboard as the editing keys see them. A front end translates its own key
// events into these; what each key does is the editor's business.

#include <cstdint>

namespace rungbox::editor {

/// The keys the editing keys tell apart. Every key not named here (Tab, Escape, the function
/// keys, a letter outside A to Z, ...) is Other: it marks the program changed and does nothing
/// else.
enum class Key : std::uint8_t {
    Other,
    Letter,      ///< A to Z, whatever Shift and Caps Lock
    Digit,       ///< 0 to 9 of the main keyboard, also with Shift held
    KeypadDigit, ///< 0 to 9 of the keypad: types nothing
    Mark,        ///< a character an extended program's cells take: . # ( ) _ (see isMark)
    Space,
    Backspace,
    Enter, ///< Return and the keypad's Enter
    Insert,
    Delete,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Shift, ///< a modifier key pressed on its own
    Ctrl,
    Alt,
};

/// A key pressed: which key and, for a letter or a digit, which one.
class KeyPress {
public:
    /// A key without a symbol. Letter, Digit, KeypadDigit and Mark need one (see the factories
    /// below) and become Other here.
    constexpr KeyPress(Key key = Key::Other) // implicit: a named key is a key press
        : m_key(key == Key::Letter || key == Key::Digit || key == Key::KeypadDigit ||
                        key == Key::Mark
                    ? Key::Other
                    : key) {}

    /// True for the characters an extended program's cells take besides letters, digits and
    /// blanks: '.' and '_' in addresses and names, '#' before a set value, '(' and ')' around a
    /// function code.
    static constexpr bool isMark(char c) {
        return c == '.' || c == '_' || c == '#' || c == '(' || c == ')';
    }
    /// The key typing the mark `c` (isMark); Other for any other character. Front ends give
    /// these only for extended programs: for a classic one such keys stay what they were.
    static constexpr KeyPress mark(char c) {
        return isMark(c) ? KeyPress(Key::Mark, c) : KeyPress();
    }

    /// The letter key `c`: 'A' to 'Z', or 'a' to 'z' for the same keys. Other for any other
    /// character.
    static constexpr KeyPress letter(char c) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        return c >= 'A' && c <= 'Z' ? KeyPress(Key::Letter, c) : KeyPress();
    }
    /// The main keyboard's digit key `c` ('0' to '9'); Other for any other character.
    static constexpr KeyPress digit(char c) {
        return c >= '0' && c <= '9' ? KeyPress(Key::Digit, c) : KeyPress();
    }
    /// The keypad's digit key `c` ('0' to '9'); Other for any other character.
    static constexpr KeyPress keypadDigit(char c) {
        return c >= '0' && c <= '9' ? KeyPress(Key::KeypadDigit, c) : KeyPress();
    }

    constexpr Key key() const { return m_key; }
    /// 'A' to 'Z' for a letter, '0' to '9' for a digit of either kind, the character of a mark,
    /// 0 for any other key.
    constexpr char symbol() const { return m_symbol; }

    friend constexpr bool operator==(KeyPress, KeyPress) = default;

private:
    constexpr KeyPress(Key key, char symbol) : m_key(key), m_symbol(symbol) {}

    Key m_key;
    char m_symbol = 0;
};

/// A modifier key held during a key press.
enum class KeyMod : std::uint8_t { Shift = 1, Ctrl = 2, Alt = 4 };

/// The modifier keys held during a key press; empty for none.
class KeyMods {
public:
    constexpr KeyMods() = default;
    constexpr KeyMods(KeyMod mod) // implicit: one modifier is a set of one
        : m_bits(static_cast<std::uint8_t>(mod)) {}

    constexpr bool has(KeyMod mod) const { return (m_bits & static_cast<std::uint8_t>(mod)) != 0; }

    friend constexpr KeyMods operator|(KeyMods a, KeyMods b) {
        KeyMods both;
        both.m_bits = static_cast<std::uint8_t>(a.m_bits | b.m_bits);
        return both;
    }
    friend constexpr bool operator==(KeyMods, KeyMods) = default;

private:
    std::uint8_t m_bits = 0;
};

/// Two modifiers held together.
constexpr KeyMods operator|(KeyMod a, KeyMod b) {
    return KeyMods(a) | KeyMods(b);
}

} // namespace rungbox::editor

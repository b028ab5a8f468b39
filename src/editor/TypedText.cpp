// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedText.h"

namespace rungbox::editor {

namespace {

constexpr char kNoBreakSpace = '\xA0';

KeyPress keyOfCharacter(char c, bool extended) {
    if (extended && KeyPress::isMark(c)) {
        return KeyPress::mark(c);
    }
    if (c == ' ' || c == kNoBreakSpace) {
        return Key::Space;
    }
    if (c == '\n' || c == '\r') {
        return Key::Enter;
    }
    if (c >= '0' && c <= '9') {
        return KeyPress::digit(c);
    }
    return KeyPress::letter(c); // Other for anything but a letter
}

} // namespace

std::vector<KeyPress> keysOfText(std::string_view text, bool extended) {
    std::vector<KeyPress> keys;
    for (std::size_t i = 0; i < text.size() && keys.size() < kMaxTypedKeys; ++i) {
        // "\r\n" is one line break, as a pasted Windows text ends its lines.
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        keys.push_back(keyOfCharacter(text[i], extended));
    }
    return keys;
}

} // namespace rungbox::editor

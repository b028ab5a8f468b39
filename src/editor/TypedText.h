// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text typed on an on-screen keyboard, as the key presses a keyboard would give for it: a phone
// or a tablet hands the page characters, not keys, and the grid's rules (what a cell takes,
// upper case, Enter moving on, the edit mark, undo) belong to the editor's keys.

#include "KeyPress.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace rungbox::editor {

/// The most characters one call of keysOfText() reads: an on-screen keyboard hands over a word
/// or a line at a time, and a whole file dropped into the text box must not hold the page for
/// long (the grid's 299 lines of short cells need far fewer keys).
constexpr std::size_t kMaxTypedKeys = 4096;

/// The key presses that type `text` (bytes, one character each, read as Latin-1 as the grid's
/// cells are): 'a' to 'z' and 'A' to 'Z' are their letter keys, '0' to '9' the main keyboard's
/// digits, a space (also the no-break space 0xA0 some keyboards put in) the space bar, "\n",
/// "\r" and "\r\n" one Enter; any other character is a key that types nothing, as a '-' on a
/// keyboard is. For an `extended` program the marks (KeyPress::isMark) are their keys too. At
/// most kMaxTypedKeys keys; the rest of the text is dropped.
std::vector<KeyPress> keysOfText(std::string_view text, bool extended = false);

} // namespace rungbox::editor

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What makes a name: letters, digits and '_', starting with a letter, and no word that already
// means something where a name may be typed (an instruction word, a word of a rungbox-sim
// script, a signal name of the timing window). Every check ignores case, as a reader does.

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::names {

/// The longest name, in characters. Long enough for a descriptive word or two
/// (CONVEYOR_START_LAMP); short enough that a diagram or a column shows most of it.
inline constexpr std::size_t kMaxNameLength = 32;

/// The longest comment, in bytes of UTF-8. A sentence about the address; the bound keeps a
/// names file of every address under a few megabytes.
inline constexpr std::size_t kMaxCommentBytes = 200;

/// True when `word` means something already, whatever its case: an instruction word (LD, NOT,
/// TIM, ...), a script command or keyword (in, scan, relay, expect, none, always, never, ...), or
/// a signal name of the timing window (in3, out15, relay2000, tim0, cnt7_done, ... with any
/// number), or a special relay's symbol name (P_On, P_1s, ...: engine::specialRelays()). Words that
/// follow a machine's word in a script (start, stop, button, car) are not reserved: a name never
/// stands there.
bool isReservedWord(std::string_view word);

/// Why `name` cannot be a name, as a sentence for the user; nothing when it can.
std::optional<std::string> nameProblem(std::string_view name);

/// Why `comment` cannot be a comment (longer than kMaxCommentBytes, a tab or a line break, not
/// UTF-8 text); nothing when it can.
std::optional<std::string> commentProblem(std::string_view comment);

/// `text` with the ASCII letters in upper case: the key under which names are compared.
std::string upperCase(std::string_view text);

} // namespace rungbox::names

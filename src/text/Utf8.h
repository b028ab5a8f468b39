// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-8 as the core reads it, in one place: names files, file names and script words are bytes
// that are meant to be UTF-8; what is not valid UTF-8 is never passed on as if it were.

#include <cstddef>
#include <string>
#include <string_view>

namespace rungbox::text {

/// The length in bytes (1 to 4) of the valid UTF-8 sequence that starts at `text[at]` (`at`
/// below text.size()); 0 when none starts there: a byte that cannot start one, a sequence cut
/// short, an overlong form, a surrogate or a code point past U+10FFFF.
std::size_t utf8Length(std::string_view text, std::size_t at);

/// The code point of the valid sequence of utf8Length() bytes at `text[at]`.
char32_t codePointAt(std::string_view text, std::size_t at, std::size_t length);

/// True when `text` is well-formed UTF-8 throughout.
bool isUtf8(std::string_view text);

/// The character every byte that is not part of a valid UTF-8 sequence becomes, wherever the
/// core writes text out (reports, the page's JSON): one byte, one '?'.
inline constexpr char kInvalidByte = '?';

/// `text` as valid UTF-8 without control characters: each byte not part of a valid sequence
/// (kInvalidByte) and each control character (below U+0020, and U+007F) becomes '?'. For
/// outputs that need valid UTF-8 and cannot all hold a line break (reports, summary lines).
std::string printableText(std::string_view text);

} // namespace rungbox::text

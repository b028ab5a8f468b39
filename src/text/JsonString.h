// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one writer of JSON strings: rungbox-sim's reports and the page's JSON alike.

#include <string>
#include <string_view>

namespace rungbox::text {

/// How characters from U+0080 up are written.
enum class JsonChars {
    Utf8,  ///< as they are: for a file written as UTF-8 (the reports)
    Ascii, ///< as \uXXXX (a surrogate pair past U+FFFF): for text that crosses as 8-bit bytes
           ///< (the page's strings), which JSON.parse then reads as the characters they are
};

/// Appends `text`, read as UTF-8, to `out` as a JSON string in double quotes: '"' and '\'
/// escaped, control characters (below U+0020, and U+007F) as \u00XX, each byte not part of a
/// valid UTF-8 sequence as kInvalidByte, the other characters as `chars` says.
void appendJsonString(std::string& out, std::string_view text, JsonChars chars);

/// appendJsonString() into a string of its own.
std::string jsonString(std::string_view text, JsonChars chars);

} // namespace rungbox::text

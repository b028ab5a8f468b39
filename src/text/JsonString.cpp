// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonString.h"

#include "Utf8.h"

#include <cstdio>

namespace rungbox::text {

namespace {

void appendEscape(std::string& out, unsigned unit) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", unit);
    out += escaped;
}

// A character from U+0080 up as \uXXXX, or as a UTF-16 surrogate pair past U+FFFF.
void appendCodePoint(std::string& out, char32_t point) {
    if (point < 0x10000) {
        appendEscape(out, static_cast<unsigned>(point));
        return;
    }
    const auto offset = static_cast<unsigned>(point - 0x10000);
    appendEscape(out, 0xD800U + (offset >> 10U));
    appendEscape(out, 0xDC00U + (offset & 0x3FFU));
}

} // namespace

void appendJsonString(std::string& out, std::string_view text, JsonChars chars) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        const std::size_t length = utf8Length(text, i);
        if (length == 0) {
            out += kInvalidByte;
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            appendEscape(out, byte);
        } else if (length > 1 && chars == JsonChars::Ascii) {
            appendCodePoint(out, codePointAt(text, i, length));
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    out += '"';
}

std::string jsonString(std::string_view text, JsonChars chars) {
    std::string out;
    appendJsonString(out, text, chars);
    return out;
}

} // namespace rungbox::text

// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 is read one way everywhere: a valid sequence is the character it encodes, every other
// byte is one '?'; JSON keeps the characters (reports) or writes them as escapes (the page).

#include "text/JsonString.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace rungbox::text {
namespace {

TEST(Utf8, ValidSequencesOnly) {
    const struct {
        std::string_view text;
        bool ok;
    } cases[] = {
        {"F\xC3\xB6rderband \xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xC3", false},             // cut short
        {"\xC0\xAF", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // past U+10FFFF
        {"\xFF", false},
        {"\xE2\x28\xA1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isUtf8(c.text), c.ok) << c.text;
    }
}

TEST(Utf8, PrintableTextIsValidUtf8WithoutControls) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"motor.PLC", "motor.PLC"},
        {"a\nb\tc\x7f", "a?b?c?"},
        {"J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x98\x80",
         "J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"\xc3", "?"},
        {"\xc0\xaf", "??"},
        {"\xed\xa0\x80", "???"},
        {"\xf4\x90\x80\x80", "????"},
        {"\xff", "?"},
    };
    for (const auto& [text, printable] : rows) {
        EXPECT_EQ(printableText(text), printable) << text;
    }
}

TEST(JsonString, EscapesWhatJsonMustAndWritesCharactersOnce) {
    const struct {
        std::string_view text;
        std::string_view utf8;
        std::string_view ascii;
    } rows[] = {
        {"a\"b\\c", R"("a\"b\\c")", R"("a\"b\\c")"},
        {"1\n2\t\x7f", R"("1\u000a2\u0009\u007f")", R"("1\u000a2\u0009\u007f")"},
        {"F\xC3\xB6rderband.names", "\"F\xC3\xB6rderband.names\"", R"("F\u00f6rderband.names")"},
        {"\xE2\x82\xAC", "\"\xE2\x82\xAC\"", R"("\u20ac")"},
        {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\"", R"("\ud83d\ude00")"},
        {"\xC3(\xFF", R"("?(?")", R"("?(?")"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(jsonString(row.text, JsonChars::Utf8), row.utf8) << row.text;
        EXPECT_EQ(jsonString(row.text, JsonChars::Ascii), row.ascii) << row.text;
    }
}

} // namespace
} // namespace rungbox::text

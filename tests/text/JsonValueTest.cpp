// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON reader: what it takes, what it refuses and where, and that what it writes reads back.

#include "text/Base64.h"
#include "text/JsonValue.h"

#include <gtest/gtest.h>

#include <string>

namespace rungbox::text {
namespace {

TEST(JsonValue, ReadsEveryKindWithItsValue) {
    const auto value = parseJson(
        " {\"title\": \"Week 3\", \"n\": -12.5e1, \"ok\": true, \"none\": null,\n"
        "  \"list\": [1, \"a\\u00e9\\ud83d\\ude00\\n\", [], {}], \"x\": 0} ");
    ASSERT_TRUE(value);
    EXPECT_EQ(*value->member("title")->asString(), "Week 3");
    EXPECT_EQ(value->member("n")->asNumber(), -125.0);
    EXPECT_EQ(value->member("ok")->asBool(), true);
    EXPECT_TRUE(value->member("none")->isNull());
    const auto& list = *value->member("list")->asArray();
    ASSERT_EQ(list.size(), 4U);
    EXPECT_EQ(list[0].asWhole(0, 10), 1);
    EXPECT_EQ(*list[1].asString(), "a\xC3\xA9\xF0\x9F\x98\x80\n");
    EXPECT_TRUE(list[2].asArray()->empty());
    EXPECT_TRUE(list[3].asObject()->empty());
    EXPECT_EQ(value->member("missing"), nullptr);
    EXPECT_EQ(list[0].member("x"), nullptr) << "a number has no members";
    EXPECT_EQ(list[0].asString(), nullptr);
}

TEST(JsonValue, WholeNumbersStayWithinTheirRange) {
    const auto value = parseJson("[3, 3.5, -1, 1e2, 9007199254740992]");
    ASSERT_TRUE(value);
    const auto& n = *value->asArray();
    EXPECT_EQ(n[0].asWhole(0, 3), 3);
    EXPECT_FALSE(n[0].asWhole(0, 2));
    EXPECT_FALSE(n[1].asWhole(0, 10));
    EXPECT_FALSE(n[2].asWhole(0, 10));
    EXPECT_EQ(n[3].asWhole(0, 100), 100);
    EXPECT_EQ(n[4].asWhole(0, 1LL << 53), 1LL << 53);
}

TEST(JsonValue, RefusesWhatIsNotJsonAndSaysWhere) {
    struct Row {
        std::string text;
        std::size_t offset;
        const char* why;
    };
    const Row rows[] = {
        {"", 0, "expected a value"},
        {"{\"a\" 1}", 5, "expected ':'"},
        {"[1,]", 3, "expected a value"},
        {"[1 2]", 3, "expected ',' or ']'"},
        {"{\"a\":1,}", 7, "expected a member name"},
        {"01", 0, "expected a value"},
        {"1.", 2, "a fraction needs digits"},
        {"1e", 2, "an exponent needs digits"},
        {"1e999", 5, "a number too large"},
        {"\"abc", 4, "a string without its closing quote"},
        {"\"a\tb\"", 2, "a control character in a string"},
        {"\"\\x\"", 2, "an unknown escape"},
        {"\"\\u12G4\"", 5, "a \\u escape needs four hexadecimal digits"},
        {"\"\\ud800\"", 7, "a lone surrogate"},
        {"\"\\udc00\\u0041\"", 7, "a lone surrogate"},
        {"\"\xC3(\"", 1, "invalid UTF-8"},
        {"\"\xED\xA0\x80\"", 1, "invalid UTF-8"},
        {"tru", 0, "expected a value"},
        {"nul", 0, "expected a value"},
        {"1 2", 2, "unexpected text after the value"},
        {"{} x", 3, "unexpected text after the value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        JsonError error;
        EXPECT_FALSE(parseJson(row.text, &error));
        EXPECT_EQ(error.why, row.why);
        EXPECT_EQ(error.offset, row.offset);
    }
}

TEST(JsonValue, LimitsKeepAHostileFileSmall) {
    JsonError error;
    const std::string deep = std::string(65, '[') + std::string(65, ']');
    EXPECT_FALSE(parseJson(deep, &error));
    EXPECT_EQ(error.why, "too deeply nested");
    EXPECT_TRUE(parseJson(std::string(64, '[') + std::string(64, ']')));
    // Deep enough to overflow the stack without the limit.
    EXPECT_FALSE(parseJson(std::string(1 << 20, '['), &error));
    EXPECT_EQ(error.why, "too deeply nested");
    EXPECT_FALSE(parseJson("[1, 2]", &error, JsonLimits{5, 64}));
    EXPECT_EQ(error.why, "too large");
}

TEST(JsonValue, WhatIsWrittenReadsBackTheSame) {
    const std::string text =
        "{\"a\":[1,-2,0.5,1e-7,true,false,null],\"b\":\"\\\"q\\\\ \xC3\xA9\\n\",\"c\":{}}";
    const auto value = parseJson(text);
    ASSERT_TRUE(value);
    const std::string written = jsonText(*value);
    EXPECT_EQ(written,
              "{\"a\":[1,-2,0.5,9.9999999999999995e-08,true,false,null],"
              "\"b\":\"\\\"q\\\\ \xC3\xA9\\u000a\",\"c\":{}}");
    EXPECT_EQ(parseJson(written), value);
    // A name given twice keeps its last value.
    EXPECT_EQ(*parseJson("{\"a\":1,\"a\":2}")->member("a")->asNumber(), 2.0);
}

// Base64 carries any bytes and reads each text one way only.
TEST(Base64, CarriesAnyBytesAndRefusesAnythingElse) {
    const std::pair<std::string, std::string> known[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
        {std::string("\0\xFF\xFE", 3), "AP/+"}};
    for (const auto& [bytes, text] : known) {
        EXPECT_EQ(base64(bytes), text);
        EXPECT_EQ(fromBase64(text), bytes);
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(fromBase64(base64(all)), all);
    for (const char* bad : {"Zg=", "Zh==", "Zm9=", "Z===", "Zg==Zg==", "Zm 9v", "Zm9v\n", "Zm-v",
                            "====", "Zg=a"}) {
        EXPECT_FALSE(fromBase64(bad)) << bad;
    }
}

} // namespace
} // namespace rungbox::text

// SPDX-License-Identifier: GPL-3.0-or-later
#include "l10n/Languages.h"
#include "l10n/Mark.h"
#include "l10n/Text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace rungbox::l10n {
namespace {

TEST(Fill, PlaceholdersTakeTheirArgumentsInAnyOrder) {
    struct Case {
        const char* pattern;
        std::vector<std::string> args;
        const char* filled;
    };
    const Case cases[] = {
        {"Error at line %1", {"12"}, "Error at line 12"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"x"}, "xx"},
        // An argument is never read as a pattern, a placeholder without one stays as written.
        {"%1 then %2", {"%2"}, "%2 then %2"},
        {"%0 and %% and 100%", {"x"}, "%0 and %% and 100%"},
        {"ends with %", {}, "ends with %"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
        {"%10", {"one"}, "one0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fill(c.pattern, c.args), c.filled) << c.pattern;
    }
}

TEST(Text, EnglishIsTheMessageFilledAndVerbatimStaysAsItIs) {
    static constexpr Message kLine = QT_TRANSLATE_NOOP3("Core", "Line %1 of %2", "test.line");
    EXPECT_EQ(english(text(kLine, "3", "9")), "Line 3 of 9");
    EXPECT_EQ(english(Text{}), "");
    EXPECT_TRUE(Text{}.empty());

    const Text kept = verbatim("C:\\%1\\100%.PLC");
    EXPECT_EQ(english(kept), "C:\\%1\\100%.PLC");
    EXPECT_TRUE(isVerbatim(kept));
    EXPECT_FALSE(isVerbatim(text(kLine, "1", "2")));
}

TEST(Languages, EnglishFirstThenTenCataloguesWithDistinctCodes) {
    const auto all = languages();
    ASSERT_EQ(all.size(), 11u);
    EXPECT_STREQ(all[0].code, "en");
    std::set<std::string> codes;
    for (const Language& language : all) {
        EXPECT_TRUE(codes.insert(language.code).second) << language.code;
        EXPECT_STRNE(language.endonym, "");
    }
}

TEST(Languages, ALocaleTagFindsItsLanguageOrNone) {
    struct Case {
        const char* tag;
        const char* code; // nullptr: none of ours
    };
    const Case cases[] = {
        {"de", "de"},          {"de-AT", "de"},      {"de_CH.UTF-8", "de"},
        {"pt-BR", "pt_BR"},    {"pt_br", "pt_BR"},   {"pt-PT", "pt_BR"},
        {"zh-CN", "zh_CN"},    {"zh", "zh_CN"},      {"zh-Hans-CN", "zh_CN"},
        {"zh-SG", "zh_CN"},    {"zh-TW", nullptr},   {"zh-Hant-HK", nullptr},
        {"en-GB", "en"},       {"EN", "en"},         {"tr-TR", "tr"},
        {"id-ID", "id"},       {"vi", "vi"},         {"ja-JP", nullptr},
        {"", nullptr},         {"-", nullptr},       {"e", nullptr},
    };
    for (const Case& c : cases) {
        const Language* found = bestLanguage(c.tag);
        if (c.code == nullptr) {
            EXPECT_EQ(found, nullptr) << c.tag;
        } else {
            ASSERT_NE(found, nullptr) << c.tag;
            EXPECT_STREQ(found->code, c.code) << c.tag;
        }
    }
}

} // namespace
} // namespace rungbox::l10n

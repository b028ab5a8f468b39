// SPDX-License-Identifier: GPL-3.0-or-later
// Statements in Markdown: the blocks and runs a teacher's text gives, and that nothing in it
// becomes markup, a link off the web or a picture from outside the pack.

#include "course/Markdown.h"

#include <gtest/gtest.h>

namespace rungbox::course {
namespace {

Span plain(std::string text) {
    Span span;
    span.text = std::move(text);
    return span;
}

TEST(Markdown, ReadsTheBlocksAStatementUses) {
    const auto blocks = parseMarkdown("# Motor latch\n"
                                      "\n"
                                      "Start the motor with\n"
                                      "switch 0.\n"
                                      "\n"
                                      "- one\n"
                                      "- two\n"
                                      "  still two\n"
                                      "3. three\n"
                                      "4. four\n"
                                      "\n"
                                      "```\n"
                                      "LD 0\n"
                                      "  OUT 1000\n"
                                      "```\n"
                                      "> a quote\n"
                                      "---\n"
                                      "| input | use |\n"
                                      "|---|:--:|\n"
                                      "| 0 | start |\n"
                                      "| 1 |\n");
    ASSERT_EQ(blocks.size(), 8U);
    EXPECT_EQ(blocks[0].kind, BlockKind::Heading);
    EXPECT_EQ(blocks[0].level, 1);
    EXPECT_EQ(blocks[0].items, std::vector<Spans>{{plain("Motor latch")}});
    EXPECT_EQ(blocks[1].items, std::vector<Spans>{{plain("Start the motor with switch 0.")}});
    EXPECT_EQ(blocks[2].kind, BlockKind::Bullets);
    EXPECT_EQ(blocks[2].items,
              (std::vector<Spans>{{plain("one")}, {plain("two still two")}}));
    EXPECT_EQ(blocks[3].kind, BlockKind::Numbers);
    EXPECT_EQ(blocks[3].level, 3) << "a numbered list starts at its first number";
    EXPECT_EQ(blocks[4].kind, BlockKind::Code);
    EXPECT_EQ(blocks[4].code, "LD 0\n  OUT 1000\n");
    EXPECT_EQ(blocks[5].kind, BlockKind::Quote);
    EXPECT_EQ(blocks[6].kind, BlockKind::Rule);
    ASSERT_EQ(blocks[7].kind, BlockKind::Table);
    ASSERT_EQ(blocks[7].rows.size(), 3U);
    EXPECT_EQ(blocks[7].rows[0], (std::vector<Spans>{{plain("input")}, {plain("use")}}));
    EXPECT_EQ(blocks[7].rows[2], (std::vector<Spans>{{plain("1")}, {}})) << "short rows filled";
}

TEST(Markdown, ReadsEmphasisCodeLinksAndPictures) {
    const auto blocks = parseMarkdown(
        "A **strong** and *soft* `LD 0` in snake_case, \\*not\\* [site](https://x.org) "
        "![panel](pictures/panel.png)  \nnext");
    ASSERT_EQ(blocks.size(), 1U);
    const Spans& s = blocks[0].items[0];
    ASSERT_EQ(s.size(), 11U);
    EXPECT_EQ(s[0].text, "A ");
    EXPECT_TRUE(s[1].strong && s[1].text == "strong");
    EXPECT_TRUE(s[3].emphasis && s[3].text == "soft");
    EXPECT_TRUE(s[5].code && s[5].text == "LD 0");
    EXPECT_EQ(s[6].text, " in snake_case, *not* ");
    EXPECT_EQ(s[7].link, "https://x.org");
    EXPECT_EQ(s[7].text, "site");
    EXPECT_EQ(s[9].picture, "pictures/panel.png");
    EXPECT_EQ(s[9].text, "panel");
    EXPECT_TRUE(s[10].lineBreak);
    EXPECT_EQ(s[10].text, "next");
}

TEST(Markdown, NothingBecomesMarkupOrLeavesThePack) {
    const auto blocks = parseMarkdown(
        "<script>alert(1)</script> <img src=x onerror=alert(1)>\n\n"
        "[click](javascript:alert(1)) [file](file:///etc/passwd) ![x](../../secret.png) "
        "![y](https://tracker.example/p.png)\n\n"
        "bad \x01 byte \xFF here");
    ASSERT_EQ(blocks.size(), 3U);
    EXPECT_EQ(blocks[0].items[0], Spans{plain("<script>alert(1)</script> <img src=x onerror=alert(1)>")});
    for (const Span& span : blocks[1].items[0]) {
        EXPECT_TRUE(span.link.empty()) << span.text;
        EXPECT_TRUE(span.picture.empty()) << span.text;
    }
    EXPECT_EQ(blocks[2].items[0], Spans{plain("bad ? byte ? here")});
    // A code span over two lines is one line.
    const auto code = parseMarkdown("`LD\n0`");
    ASSERT_EQ(code.size(), 1U);
    EXPECT_EQ(code[0].items[0][0].text, "LD 0");
    const std::string json = markdownJson(blocks);
    EXPECT_NE(json.find("\"text\":\"<script>alert(1)</script>"), std::string::npos);
}

TEST(Markdown, AHugeStatementIsCutNotRefused) {
    std::string many;
    for (int k = 0; k < 5000; ++k) {
        many += "# h\n";
    }
    EXPECT_EQ(parseMarkdown(many).size(), kMaxBlocks);
    const auto long_ = parseMarkdown(std::string(kMaxStatementBytes + 1000, 'a'));
    ASSERT_EQ(long_.size(), 1U);
    EXPECT_EQ(long_[0].items[0][0].text.size(), kMaxStatementBytes);
    std::string wide = "|";
    for (int k = 0; k < 50; ++k) {
        wide += " c |";
    }
    const auto table = parseMarkdown(wide + "\n|---|\n" + wide + "\n");
    ASSERT_EQ(table.size(), 1U);
    EXPECT_EQ(table[0].rows[0].size(), kMaxTableColumns);
}

TEST(Markdown, JsonForThePageLeavesOutWhatIsNotThere) {
    EXPECT_EQ(markdownJson(parseMarkdown("## Two\n\n*a* `b`\n\n---")),
              R"([{"items":[[{"text":"Two"}]],"kind":"heading","level":2},)"
              R"({"items":[[{"emphasis":true,"text":"a"},{"text":" "},{"code":true,"text":"b"}]],)"
              R"("kind":"paragraph"},{"kind":"rule"}])");
}

} // namespace
} // namespace rungbox::course

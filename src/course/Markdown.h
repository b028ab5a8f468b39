// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise's statement, read from the Markdown a teacher writes: headings, paragraphs, lists,
// emphasis, code, tables, quotes, rules, links and pictures kept inside the pack. The result is
// a plain model of blocks and runs of text that each front end shows with its own widgets; no
// markup from the statement ever reaches a page or a window as markup (HTML in the text stays
// the text it is), links go only to the web (http, https, mailto) and pictures only to files in
// the pack.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::course {

/// A run of text with one style.
struct Span {
    std::string text; ///< UTF-8 (invalid bytes become '?'); for a picture, its alternative text
    bool strong = false;
    bool emphasis = false;
    bool code = false;
    bool lineBreak = false; ///< a hard line break before this run's text
    std::string link;       ///< a web address the run links to, or empty
    std::string picture;    ///< the pack's file of a picture shown here, or empty
    friend bool operator==(const Span&, const Span&) = default;
};

using Spans = std::vector<Span>;

enum class BlockKind { Heading, Paragraph, Bullets, Numbers, Code, Table, Quote, Rule };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    int level = 0;            ///< Heading: 1 to 6; Numbers: the first item's number
    std::vector<Spans> items; ///< Heading, Paragraph, Quote: one; Bullets, Numbers: one per item
    std::string code;         ///< Code: its lines, each ending in '\n'
    /// Table: its rows, the first the header, each with the header's number of cells.
    std::vector<std::vector<Spans>> rows;
    friend bool operator==(const Block&, const Block&) = default;
};

/// Limits on a statement: a page of text is a few kilobytes.
inline constexpr std::size_t kMaxStatementBytes = 256U << 10;
inline constexpr std::size_t kMaxBlocks = 2000;
inline constexpr std::size_t kMaxTableColumns = 20;

/// The blocks of the Markdown `text` (only its first kMaxStatementBytes, and at most kMaxBlocks
/// blocks: a statement beyond them is cut, never refused).
std::vector<Block> parseMarkdown(std::string_view text);

/// The blocks as JSON for the page: [{"kind": "heading"|"paragraph"|"bullets"|"numbers"|"code"|
/// "table"|"quote"|"rule", "level", "items": [[span]], "code", "rows": [[[span]]]}], a span as
/// {"text", "strong", "emphasis", "code", "br", "link", "picture"} with false and empty members
/// left out.
std::string markdownJson(const std::vector<Block>& blocks);

} // namespace rungbox::course

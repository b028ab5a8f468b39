// SPDX-License-Identifier: GPL-3.0-or-later
#include "Markdown.h"

#include "FileSet.h"
#include "text/JsonValue.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace rungbox::course {

namespace {

// --- Runs of text ------------------------------------------------------------------------------

bool isPunctuation(char c) {
    return std::string_view("\\`*_{}[]()#+-.!|<>~\"'").find(c) != std::string_view::npos &&
           c != '\0';
}

bool isWebAddress(std::string_view target) {
    return target.rfind("https://", 0) == 0 || target.rfind("http://", 0) == 0 ||
           target.rfind("mailto:", 0) == 0;
}

// Reads the runs of one block's text.
class SpanReader {
public:
    explicit SpanReader(std::string_view text) : m_text(text) {}

    Spans read() {
        while (m_at < m_text.size()) {
            step();
        }
        flush();
        return std::move(m_spans);
    }

private:
    void flush() {
        if (!m_current.text.empty() || m_current.lineBreak) {
            m_spans.push_back(m_current);
        }
        m_current.text.clear();
        m_current.lineBreak = false;
    }

    bool startsWith(std::string_view word) const {
        return m_text.substr(m_at, word.size()) == word;
    }

    void toggle(bool Span::*style, std::size_t width) {
        flush();
        m_current.*style = !(m_current.*style);
        m_at += width;
    }

    // `[text](target)` from m_at (after any '!'); the text and target, or false.
    bool bracketed(std::size_t from, std::string& label, std::string& target) const {
        const std::size_t close = m_text.find("](", from);
        if (close == std::string_view::npos || m_text.substr(from, close - from).find('\n') !=
                                                   std::string_view::npos) {
            return false;
        }
        const std::size_t end = m_text.find(')', close + 2);
        if (end == std::string_view::npos) {
            return false;
        }
        label = std::string(m_text.substr(from + 1, close - from - 1));
        target = std::string(m_text.substr(close + 2, end - close - 2));
        return target.find_first_of(" \n") == std::string::npos;
    }

    bool linkOrPicture() {
        const bool picture = startsWith("![");
        std::string label;
        std::string target;
        if (!bracketed(m_at + (picture ? 1 : 0), label, target)) {
            return false;
        }
        m_at = m_text.find(')', m_text.find("](", m_at)) + 1;
        flush();
        Span span = m_current;
        span.text = label;
        if (picture && isSafePath(target)) {
            span.picture = target;
        } else if (!picture && isWebAddress(target)) {
            span.link = target;
        }
        m_spans.push_back(span);
        return true;
    }

    void codeSpan() {
        const std::size_t end = m_text.find('`', m_at + 1);
        if (end == std::string_view::npos) {
            m_current.text += '`';
            ++m_at;
            return;
        }
        flush();
        Span code = m_current;
        code.code = true;
        code.text = std::string(m_text.substr(m_at + 1, end - m_at - 1));
        std::replace(code.text.begin(), code.text.end(), '\n', ' '); // a code span is one line
        m_spans.push_back(code);
        m_at = end + 1;
    }

    void step() {
        const char c = m_text[m_at];
        if (c == '\\' && m_at + 1 < m_text.size() && isPunctuation(m_text[m_at + 1])) {
            m_current.text += m_text[m_at + 1];
            m_at += 2;
        } else if (c == '\n') {
            const bool hard = m_current.text.size() >= 2 &&
                              m_current.text.substr(m_current.text.size() - 2) == "  ";
            while (!m_current.text.empty() && m_current.text.back() == ' ') {
                m_current.text.pop_back();
            }
            if (hard) {
                flush();
                m_current.lineBreak = true;
            } else {
                m_current.text += ' ';
            }
            ++m_at;
        } else if (c == '`') {
            codeSpan();
        } else if (startsWith("**") || startsWith("__")) {
            toggle(&Span::strong, 2);
        } else if (c == '*' || (c == '_' && wordBoundary())) {
            toggle(&Span::emphasis, 1);
        } else if (!((startsWith("![") || c == '[') && linkOrPicture())) {
            m_current.text += c;
            ++m_at;
        }
    }

    // An underscore inside a word (a_b) is a letter, not emphasis.
    bool wordBoundary() const {
        const auto alnum = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; };
        const bool before = m_at > 0 && alnum(m_text[m_at - 1]);
        const bool after = m_at + 1 < m_text.size() && alnum(m_text[m_at + 1]);
        return !(before && after);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    Span m_current;
    Spans m_spans;
};

Spans spansOf(std::string_view text) {
    return SpanReader(text).read();
}

// --- Blocks ------------------------------------------------------------------------------------

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

int headingLevel(std::string_view line) {
    const std::size_t hashes = line.find_first_not_of('#');
    if (hashes == 0 || hashes > 6 || hashes == std::string_view::npos ||
        (line[hashes] != ' ' && line[hashes] != '\t')) {
        return line.size() >= 1 && line.size() <= 6 &&
                       line.find_first_not_of('#') == std::string_view::npos
                   ? static_cast<int>(line.size())
                   : 0;
    }
    return static_cast<int>(hashes);
}

bool isRule(std::string_view line) {
    if (line.size() < 3 || (line[0] != '-' && line[0] != '*' && line[0] != '_')) {
        return false;
    }
    std::size_t marks = 0;
    for (const char c : line) {
        if (c == line[0]) {
            ++marks;
        } else if (c != ' ') {
            return false;
        }
    }
    return marks >= 3;
}

// The text after a list marker ("- ", "* ", "+ ", "12. ", "3) "), and the item's number (0 for
// a bullet); -1 when the line is not an item.
int listItem(std::string_view line, std::string_view& rest) {
    if (line.size() >= 2 && (line[0] == '-' || line[0] == '*' || line[0] == '+') && line[1] == ' ') {
        rest = line.substr(2);
        return 0;
    }
    std::size_t digits = 0;
    while (digits < line.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(line[digits]))) {
        ++digits;
    }
    if (digits == 0 || digits + 1 >= line.size() || (line[digits] != '.' && line[digits] != ')') ||
        line[digits + 1] != ' ') {
        return -1;
    }
    rest = line.substr(digits + 2);
    return std::stoi(std::string(line.substr(0, digits))) + 1; // +1: 0 means a bullet
}

// The cells of a table row "| a | b |".
std::vector<std::string_view> cells(std::string_view line) {
    line = trimmed(line);
    if (!line.empty() && line.front() == '|') {
        line.remove_prefix(1);
    }
    if (!line.empty() && line.back() == '|') {
        line.remove_suffix(1);
    }
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
        if (at == line.size() || (line[at] == '|' && (at == 0 || line[at - 1] != '\\'))) {
            out.push_back(trimmed(line.substr(start, at - start)));
            start = at + 1;
        }
    }
    return out;
}

bool isTableSeparator(std::string_view line) {
    const auto parts = cells(line);
    return trimmed(line).find('|') != std::string_view::npos && !parts.empty() &&
           std::all_of(parts.begin(), parts.end(), [](std::string_view cell) {
               return !cell.empty() && cell.find_first_not_of(":-") == std::string_view::npos &&
                      cell.find('-') != std::string_view::npos;
           });
}

class BlockReader {
public:
    explicit BlockReader(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            m_lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }

    std::vector<Block> read() {
        while (m_at < m_lines.size() && m_blocks.size() < kMaxBlocks) {
            readBlock();
        }
        return std::move(m_blocks);
    }

private:
    std::string_view line() const { return trimmed(m_lines[m_at]); }
    bool more() const { return m_at < m_lines.size(); }

    void readBlock() {
        const std::string_view here = line();
        std::string_view rest;
        if (here.empty()) {
            ++m_at;
        } else if (here.rfind("```", 0) == 0 || here.rfind("~~~", 0) == 0) {
            codeBlock(here.substr(0, 3));
        } else if (const int level = headingLevel(here); level > 0) {
            Block block{BlockKind::Heading, level, {spansOf(trimmed(here.substr(
                                                        std::min<std::size_t>(static_cast<std::size_t>(level), here.size()))))}, {}, {}};
            m_blocks.push_back(std::move(block));
            ++m_at;
        } else if (isRule(here)) {
            m_blocks.push_back({BlockKind::Rule, 0, {}, {}, {}});
            ++m_at;
        } else if (here.front() == '|' && m_at + 1 < m_lines.size() &&
                   isTableSeparator(m_lines[m_at + 1])) {
            table();
        } else if (listItem(here, rest) >= 0) {
            list();
        } else if (here.front() == '>') {
            quote();
        } else {
            paragraph();
        }
    }

    void codeBlock(std::string_view fence) {
        Block block{BlockKind::Code, 0, {}, {}, {}};
        for (++m_at; more() && line().rfind(fence, 0) != 0; ++m_at) {
            block.code += std::string(m_lines[m_at]);
            if (!block.code.empty() && block.code.back() == '\r') {
                block.code.pop_back();
            }
            block.code += '\n';
        }
        ++m_at; // the closing fence (or the end)
        m_blocks.push_back(std::move(block));
    }

    // A line that ends a paragraph's run of lines: a blank line or another block's start.
    bool startsBlock(std::string_view here) const {
        std::string_view rest;
        return here.empty() || headingLevel(here) > 0 || isRule(here) ||
               here.rfind("```", 0) == 0 || here.rfind("~~~", 0) == 0 || here.front() == '>' ||
               listItem(here, rest) >= 0;
    }

    void paragraph() {
        std::string text(line());
        for (++m_at; more() && !startsBlock(line()); ++m_at) {
            // Two blanks at a line's end break the line there.
            const std::string_view before = m_lines[m_at - 1];
            const bool hard = before.size() >= 2 &&
                              (before.substr(before.size() - 2) == "  " ||
                               (before.size() >= 3 && before.substr(before.size() - 3) == "  \r"));
            text += hard ? "  \n" : "\n";
            text += std::string(line());
        }
        m_blocks.push_back({BlockKind::Paragraph, 0, {spansOf(text)}, {}, {}});
    }

    void quote() {
        std::string text;
        for (; more() && !line().empty() && line().front() == '>'; ++m_at) {
            text += (text.empty() ? "" : "\n") + std::string(trimmed(line().substr(1)));
        }
        m_blocks.push_back({BlockKind::Quote, 0, {spansOf(text)}, {}, {}});
    }

    void list() {
        std::string_view rest;
        const int first = listItem(line(), rest);
        Block block{first == 0 ? BlockKind::Bullets : BlockKind::Numbers,
                    first == 0 ? 0 : first - 1, {}, {}, {}};
        std::vector<std::string> items;
        while (more()) {
            const std::string_view raw = m_lines[m_at];
            const int number = listItem(line(), rest);
            if (number >= 0 && (number == 0) == (first == 0)) {
                items.emplace_back(rest);
            } else if (!line().empty() && (raw.front() == ' ' || raw.front() == '\t') &&
                       !items.empty()) {
                items.back() += "\n" + std::string(line()); // an item's next line, indented
            } else {
                break;
            }
            ++m_at;
        }
        for (const std::string& item : items) {
            block.items.push_back(spansOf(item));
        }
        m_blocks.push_back(std::move(block));
    }

    void table() {
        Block block{BlockKind::Table, 0, {}, {}, {}};
        const std::size_t columns = std::min(cells(line()).size(), kMaxTableColumns);
        for (; more() && !line().empty() && line().front() == '|'; ++m_at) {
            if (block.rows.size() == 1 && isTableSeparator(line())) {
                continue;
            }
            const auto parts = cells(line());
            std::vector<Spans> row;
            for (std::size_t c = 0; c < columns; ++c) {
                row.push_back(c < parts.size() ? spansOf(parts[c]) : Spans{});
            }
            block.rows.push_back(std::move(row));
        }
        m_blocks.push_back(std::move(block));
    }

    std::vector<std::string_view> m_lines;
    std::size_t m_at = 0;
    std::vector<Block> m_blocks;
};

// --- JSON --------------------------------------------------------------------------------------

using text::JsonValue;

JsonValue spanValue(const Span& span) {
    std::map<std::string, JsonValue, std::less<>> members{{"text", JsonValue::string(span.text)}};
    const auto flag = [&members](const char* name, bool on) {
        if (on) {
            members.emplace(name, JsonValue::boolean(true));
        }
    };
    flag("strong", span.strong);
    flag("emphasis", span.emphasis);
    flag("code", span.code);
    flag("br", span.lineBreak);
    if (!span.link.empty()) {
        members.emplace("link", JsonValue::string(span.link));
    }
    if (!span.picture.empty()) {
        members.emplace("picture", JsonValue::string(span.picture));
    }
    return JsonValue::object(std::move(members));
}

JsonValue spansValue(const Spans& spans) {
    std::vector<JsonValue> out;
    for (const Span& span : spans) {
        out.push_back(spanValue(span));
    }
    return JsonValue::array(std::move(out));
}

constexpr std::string_view kKindNames[] = {"heading", "paragraph", "bullets", "numbers",
                                           "code",    "table",     "quote",   "rule"};

} // namespace

std::vector<Block> parseMarkdown(std::string_view text) {
    std::string cleaned;
    // Line ends and tabs are the text's own; every other control character and invalid byte
    // becomes '?'.
    for (std::size_t at = 0; at < std::min(text.size(), kMaxStatementBytes);) {
        const std::size_t length = text::utf8Length(text, at);
        const char c = text[at];
        if (length == 0 || (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') ||
            c == 0x7F) {
            cleaned += c == '\r' ? "" : "?";
            at += std::max<std::size_t>(length, 1);
            continue;
        }
        cleaned.append(text.substr(at, length));
        at += length;
    }
    return BlockReader(cleaned).read();
}

std::string markdownJson(const std::vector<Block>& blocks) {
    std::vector<JsonValue> out;
    for (const Block& block : blocks) {
        std::map<std::string, JsonValue, std::less<>> members{
            {"kind", JsonValue::string(std::string(kKindNames[static_cast<int>(block.kind)]))}};
        if (block.level != 0) {
            members.emplace("level", JsonValue::number(block.level));
        }
        if (!block.items.empty()) {
            std::vector<JsonValue> items;
            for (const Spans& item : block.items) {
                items.push_back(spansValue(item));
            }
            members.emplace("items", JsonValue::array(std::move(items)));
        }
        if (!block.code.empty()) {
            members.emplace("code", JsonValue::string(block.code));
        }
        if (!block.rows.empty()) {
            std::vector<JsonValue> rows;
            for (const auto& row : block.rows) {
                std::vector<JsonValue> cellsOut;
                for (const Spans& cell : row) {
                    cellsOut.push_back(spansValue(cell));
                }
                rows.push_back(JsonValue::array(std::move(cellsOut)));
            }
            members.emplace("rows", JsonValue::array(std::move(rows)));
        }
        out.push_back(JsonValue::object(std::move(members)));
    }
    return text::jsonText(JsonValue::array(std::move(out)));
}

} // namespace rungbox::course

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an exercise's statement: read into blocks within the limits, every run valid
// UTF-8 without control characters, links only to the web, pictures only inside the pack, and
// the page's JSON of it well-formed.
//
// Input: the statement's bytes.

#include "FuzzSupport.h"

#include "course/FileSet.h"
#include "course/Markdown.h"
#include "text/JsonValue.h"
#include "text/Utf8.h"

#include <string_view>

using namespace rungbox;

namespace {

void checkSpans(const course::Spans& spans) {
    for (const course::Span& span : spans) {
        fuzz::require(text::isUtf8(span.text), "runs are UTF-8");
        for (const char c : span.text) {
            fuzz::require(static_cast<unsigned char>(c) >= 0x20 || c == '\t',
                          "no control character in a run");
        }
        fuzz::require(span.link.empty() || span.link.rfind("http://", 0) == 0 ||
                          span.link.rfind("https://", 0) == 0 || span.link.rfind("mailto:", 0) == 0,
                      "links go to the web only");
        fuzz::require(span.picture.empty() || course::isSafePath(span.picture),
                      "pictures come from the pack only");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto blocks = course::parseMarkdown(bytes);
    fuzz::require(blocks.size() <= course::kMaxBlocks, "at most kMaxBlocks blocks");
    for (const course::Block& block : blocks) {
        for (const auto& item : block.items) {
            checkSpans(item);
        }
        for (const auto& row : block.rows) {
            fuzz::require(row.size() <= course::kMaxTableColumns, "table columns bounded");
            for (const auto& cell : row) {
                checkSpans(cell);
            }
        }
        fuzz::require(text::isUtf8(block.code), "code is UTF-8");
    }
    fuzz::require(text::parseJson(course::markdownJson(blocks)).has_value(),
                  "the page's JSON is well-formed");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a names file. Whatever the file holds, the reader keeps only valid entries, lists
// at most kMaxReportedLines bad lines, and what it kept is written in a form that reads back to
// the same table without a bad line and is written again byte for byte; read as a classic and
// as an extended program's names file.

#include "FuzzSupport.h"

#include "names/NameRules.h"
#include "names/NamesFile.h"

using namespace rungbox;

namespace {

void check(std::string_view bytes, engine::InstructionSet set) {
    const names::NamesFileContents contents = names::readNamesFile(bytes, set);
    fuzz::require(contents.badLines.size() <= names::kMaxReportedLines, "the report is bounded");
    fuzz::require(contents.badLines.size() <= contents.badLineCount, "bad lines are counted");
    for (const names::NameEntry& entry : contents.table.entries()) {
        fuzz::require(entry.address.valid(set), "every entry's address is valid");
        fuzz::require(!names::nameProblem(entry.name), "every name follows the rules");
        fuzz::require(!names::commentProblem(entry.comment), "every comment is good");
        fuzz::require(contents.table.findName(entry.name) != nullptr, "every name is found");
    }
    const std::string written = names::namesFileText(contents.table);
    const names::NamesFileContents again = names::readNamesFile(written, set);
    fuzz::require(again.badLineCount == 0, "the written form has no bad line");
    fuzz::require(again.table == contents.table, "the written form reads back to the table");
    fuzz::require(names::namesFileText(again.table) == written, "written back byte for byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes, engine::InstructionSet::Classic);
    check(bytes, engine::InstructionSet::Extended);
    return 0;
}

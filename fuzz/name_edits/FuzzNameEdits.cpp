// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as what a user types into the names table, line by line: "n<address>\t<name>",
// "c<address>\t<comment>", "a<address>" (an address typed into the last row), "u" (undo) and
// "r" (redo). Whatever is typed, the table keeps only valid entries, a refused text changes
// nothing, the rows list every named address once, and undoing every step gives back the table
// as it was at the start.

#include "FuzzSupport.h"

#include "names/NameEdits.h"
#include "names/NameRules.h"
#include "names/NamesFile.h"

#include <algorithm>

using namespace rungbox;

namespace {

void check(const names::NameTable& table) {
    for (const names::NameEntry& entry : table.entries()) {
        fuzz::require(entry.address.valid(), "every entry's address is valid");
        fuzz::require(!names::nameProblem(entry.name), "every name follows the rules");
        fuzz::require(!names::commentProblem(entry.comment), "every comment is good");
        fuzz::require(table.findName(entry.name)->address == entry.address, "names are unique");
    }
    const names::NamesFileContents again = names::readNamesFile(names::namesFileText(table));
    fuzz::require(again.badLineCount == 0 && again.table == table, "the table writes and reads");
    const auto rows = names::nameRows(table, {names::Address::relay(0), names::Address::timer(7)});
    fuzz::require(rows.size() >= table.size() && rows.size() <= table.size() + 2, "rows counted");
}

// One typed line on `table`.
void type(names::NameTable& table, names::NameHistory& history, std::string_view line) {
    const char op = line.front();
    line.remove_prefix(1);
    const std::size_t tab = line.find('\t');
    const auto address = names::typedAddress(line.substr(0, tab));
    const std::string_view text =
        tab == std::string_view::npos ? std::string_view{} : line.substr(tab + 1);
    if (op == 'u') {
        history.undo(table);
    } else if (op == 'r') {
        history.redo(table);
    } else if (address && (op == 'n' || op == 'c')) {
        const names::NameTable before = table;
        names::NameEdit edit = op == 'n' ? names::nameEdit(table, *address, text)
                                         : names::commentEdit(table, *address, text);
        fuzz::require(!(edit.refused() && edit.step), "a refused text is no step");
        if (edit.step) {
            history.take(table, std::move(*edit.step));
        }
        fuzz::require(edit.step || table == before, "no step changes nothing");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    names::NameTable table =
        names::readNamesFile("# start\n0\tSTART\tgreen\n1000\tMOTOR\nTIM 0\tDELAY\n").table;
    const names::NameTable start = table;
    names::NameHistory history;
    // A few hundred lines reach every rule; more only slow the fuzzer down.
    constexpr int kMaxLines = 400;
    for (int k = 0; k < kMaxLines && !bytes.empty(); ++k) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (!line.empty()) {
            type(table, history, line);
            check(table);
        }
    }
    while (history.undo(table)) {
    }
    fuzz::require(table == start, "undone to the start"); // fewer steps than the history keeps
    return 0;
}

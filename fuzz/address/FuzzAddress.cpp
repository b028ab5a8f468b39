// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into the ladder diagram's address box. A name reads as its address; anything
// else that reads gives an address whose own text reads back to it; and whatever is typed for
// the contact of LD 0 / OUT 1000 / END, the program stays a rung the diagram edits, ending in
// END, with the grid's cells unchanged when the address is refused.
//
// Input: the typed text, as bytes.

#include "FuzzSupport.h"

#include "editor/Editor.h"
#include "ladder/DrawingModel.h"

#include <string>
#include <string_view>

using namespace rungbox;

namespace {

std::string addressText(const ladder::TypedAddress& address) {
    const std::string number = std::to_string(address.number);
    switch (address.operand) {
    case engine::Operand::Timer:
        return "TIM " + number;
    case engine::Operand::Counter:
        return "CNT " + number;
    default:
        return number;
    }
}

std::string cells(const editor::CodeGrid& grid) {
    std::string out;
    for (int line = 1; line <= 4; ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            out += grid.text(line, col) + '|';
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    names::NameTable table;
    fuzz::require(!table.set({names::Address::relay(5), "T1", ""}), "the name T1 is taken");
    fuzz::require(!table.set({names::Address::timer(2), "LIGHT", ""}), "the name LIGHT is taken");

    const auto address = ladder::readTypedAddress(typed, table);
    if (const names::NameEntry* entry = table.findName(typed)) {
        fuzz::require(address && address->number == entry->address.number, "a name reads");
    } else if (address && address->number >= 0) {
        const auto again = ladder::readTypedAddress(addressText(*address), {});
        fuzz::require(again && again->operand == address->operand &&
                          again->number == address->number,
                      "an address's text reads back to it");
    }

    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    editor::Editor editor(grid);
    const std::pair<const char*, const char*> lines[] = {{"LD", "0"}, {"OUT", "1000"}, {"END", ""}};
    for (int line = 1; line <= 3; ++line) {
        grid.setText(line, editor::kCodeCol, lines[line - 1].first);
        grid.setText(line, editor::kLocationCol, lines[line - 1].second);
    }
    grid.setLine(1);
    ladder::DrawingModel model(editor);
    const std::string before = cells(grid);
    const ladder::Outcome outcome = model.confirmAddress(typed, std::nullopt);
    fuzz::require(outcome.done() || cells(grid) == before, "a refusal leaves the grid alone");
    model.diagram().refresh();
    const auto& rungs = model.diagram().program().rungs();
    fuzz::require(rungs.size() == 2 && rungs[0].editable && rungs[1].end,
                  "the program stays one editable rung and END");
    return 0;
}

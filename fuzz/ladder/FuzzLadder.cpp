// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the cells of up to 299 lines gives a ladder layout: every line with words up to the
// first END is drawn as exactly one element (or mark) and no line after it is, every element and
// wire lies inside its rung, an ADD's or SUB's operand line belongs to its box, every net is set
// before it is read, and the text picture and the
// power flow are made without fault. Each input is laid out in both instruction sets.
//
// Input: program lines "code|location|set value" separated by '\n'.

#include "FuzzSupport.h"

#include "engine/Controller.h"
#include "engine/LineSyntax.h"
#include "ladder/Layout.h"
#include "ladder/PowerFlow.h"
#include "ladder/TextDiagram.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

using namespace rungbox;

namespace {

void checkLayout(std::span<const ladder::LineText> lines, engine::InstructionSet instructionSet,
                 const std::uint8_t* data, std::size_t size);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::vector<std::array<std::string_view, 3>> cells;
    std::size_t pos = 0;
    while (pos <= text.size() && cells.size() < engine::kLastCodeLine) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view row = text.substr(pos, end - pos);
        std::array<std::string_view, 3>& line = cells.emplace_back();
        for (std::string_view& cell : line) {
            const std::size_t bar = row.find('|');
            cell = row.substr(0, bar);
            row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
        }
        pos = end + 1;
    }
    std::vector<ladder::LineText> lines;
    for (const auto& c : cells) {
        lines.push_back({c[0], c[1], c[2]});
    }

    checkLayout(lines, engine::InstructionSet::Classic, data, size);
    checkLayout(lines, engine::InstructionSet::Extended, data, size);
    return 0;
}

namespace {

void checkLayout(std::span<const ladder::LineText> lines, engine::InstructionSet instructionSet,
                 const std::uint8_t* data, std::size_t size) {
    const ladder::Layout layout = ladder::Layout::build(lines, instructionSet);

    // Every line with words up to END: one element; nothing after END.
    std::vector<int> drawn(engine::kLastCodeLine + 1, 0);
    for (const ladder::Element& el : layout.elements()) {
        fuzz::require(el.line >= 0 && el.line <= static_cast<int>(lines.size()), "line in range");
        ++drawn[static_cast<std::size_t>(el.line)];
    }
    bool ended = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const engine::Words words = engine::splitWords(lines[i].code);
        const int expected = !ended && words.count > 0 ? 1 : 0;
        fuzz::require(drawn[i + 1] == expected, "each line up to END drawn exactly once");
        fuzz::require(expected == 0 || layout.elementOfLine(static_cast<int>(i) + 1) >= 0,
                      "a drawn line finds its element");
        ended = ended || engine::decodeForm(words, instructionSet).op == engine::OpCode::End;
    }
    fuzz::require(layout.ended() == ended, "the layout ends where END stands");
    // An ADD's or SUB's operand line is the line below it, with an empty code cell, and finds
    // the ADD's or SUB's element.
    for (std::size_t e = 0; e < layout.elements().size(); ++e) {
        const ladder::Element& el = layout.elements()[e];
        if (el.operandLine > 0) {
            fuzz::require(
                el.operandLine == el.line + 1 &&
                    engine::splitWords(lines[static_cast<std::size_t>(el.line)].code).count == 0 &&
                    layout.elementOfLine(el.operandLine) == static_cast<int>(e),
                "an operand line belongs to the box above it");
        }
    }

    // Geometry inside the rungs.
    for (std::size_t r = 0; r < layout.rungs().size(); ++r) {
        const ladder::Rung& rung = layout.rungs()[r];
        for (const int e : rung.elements) {
            const ladder::Element& el = layout.elements()[static_cast<std::size_t>(e)];
            fuzz::require(el.rung == static_cast<int>(r), "an element knows its rung");
            fuzz::require(el.cell.col >= 0 && el.cell.row >= 0 &&
                              el.cell.col + el.cell.width <= layout.columns() &&
                              el.cell.row + el.cell.height <= rung.totalRows(),
                          "elements lie inside their rung");
        }
        for (const ladder::Wire& w : rung.wires) {
            fuzz::require((w.col0 == w.col1 && w.row0 <= w.row1) ||
                              (w.row0 == w.row1 && w.col0 <= w.col1),
                          "wires are straight");
            fuzz::require(w.col0 >= 0 && w.col1 <= layout.columns() && w.row0 >= 0 &&
                              w.row1 < rung.rows,
                          "wires lie inside their rung");
        }
    }
    std::vector<bool> set(static_cast<std::size_t>(layout.netCount()), false);
    set[0] = true;
    for (const ladder::NetRule& rule : layout.rules()) {
        fuzz::require(rule.net > 0 && rule.net < layout.netCount(), "rule nets exist");
        if (rule.element >= 0) {
            const ladder::Element& el = layout.elements()[static_cast<std::size_t>(rule.element)];
            fuzz::require(set[static_cast<std::size_t>(el.inNet)], "inputs are set first");
            fuzz::require(el.target < 0 || set[static_cast<std::size_t>(el.target)],
                          "links read nets set before");
        } else {
            fuzz::require(set[static_cast<std::size_t>(rule.source)], "joins read nets set before");
        }
        set[static_cast<std::size_t>(rule.net)] = true;
    }

    // Pictures, stopped and with power from a controller whose relays follow the input.
    fuzz::NullPanel panel;
    engine::Controller plc(panel);
    plc.setInstructionSet(instructionSet);
    for (std::size_t i = 0; i < size; ++i) {
        plc.setBit(static_cast<int>((data[i] * 131U + i) % engine::kWorkspaceSize), true);
    }
    const ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
    fuzz::require(!ladder::textDiagram(layout).empty(), "a picture without power");
    fuzz::require(!ladder::textDiagram(layout, &flow).empty(), "a picture with power");
}

} // namespace

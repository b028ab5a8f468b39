// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing with the keyboard model: addresses as typed, key sequences from an empty program and
// from a small one giving their mnemonic, a new element taken away again, and the arrow keys
// moving the selection across the drawn elements.

#include "LadderText.h"

#include "editor/Editor.h"
#include "ladder/DrawingModel.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::Operand;
using ladder::DrawingModel;
using ladder::Tool;

struct Drawing {
    explicit Drawing(std::string_view program) {
        editor::setUpGrid(grid);
        ProgramText(program).write(grid);
        grid.setLine(1);
    }

    /// Lines 1 to the last used one as "code|location|set value", blank-separated.
    std::string text() const { return gridText(grid, editor.lastUsedLine(), ' '); }

    /// Uses `tool`; a new element gets `address` typed (nullptr: the address box is cancelled).
    std::string draw(Tool tool, const char* address = "") {
        const DrawingModel::Step step = model.use(tool);
        if (!step.outcome.done()) {
            return step.outcome.refusal;
        }
        if (step.created && address == nullptr) {
            model.cancelAddress();
        } else if (step.created) {
            const ladder::AddressForm form = model.addressForm();
            EXPECT_TRUE(form.open);
            return model
                .confirmAddress(address, form.hasSetValue ? std::optional(10) : std::nullopt)
                .refusal;
        }
        return {};
    }

    editor::CodeGrid grid;
    editor::Editor editor{grid};
    DrawingModel model{editor};
};

TEST(TypedAddress, NamesFirstThenNumbersTimersAndCounters) {
    names::NameTable table;
    ASSERT_FALSE(table.set({names::Address::relay(5), "T1", ""}));
    ASSERT_FALSE(table.set({names::Address::timer(2), "LIGHT", ""}));
    struct Case {
        const char* typed;
        bool read;
        Operand operand;
        int number;
    };
    const Case cases[] = {
        {"100", true, Operand::Relay, 100},        {" tim 3 ", true, Operand::Timer, 3},
        {"T3", true, Operand::Timer, 3},           {"cnt2", true, Operand::Counter, 2},
        {"C 7", true, Operand::Counter, 7},        {"T1", true, Operand::Relay, 5},
        {" LIGHT", true, Operand::Timer, 2},       {"30000", true, Operand::Relay, 30000},
        {"NOBODY", false, Operand::Relay, 0},      {"", false, Operand::Relay, 0},
        {"TIM", false, Operand::Relay, 0},         {"12a", false, Operand::Relay, 0},
        {"99999999999", false, Operand::Relay, 0},
    };
    for (const Case& c : cases) {
        const auto address = ladder::readTypedAddress(c.typed, table);
        ASSERT_EQ(address.has_value(), c.read) << c.typed;
        if (address) {
            EXPECT_EQ(address->operand, c.operand) << c.typed;
            EXPECT_EQ(address->number, c.number) << c.typed;
        }
    }
}

TEST(DrawingKeys, KeySequencesGiveTheirMnemonic) {
    struct Step {
        Tool tool;
        const char* address;
    };
    struct Case {
        const char* program;
        std::vector<Step> steps;
        const char* after;
    };
    const Case cases[] = {
        // From nothing: any tool starts with a rung and its END; C after, P in parallel.
        {"",
         {{Tool::Contact, "0"}, {Tool::Contact, "1"}, {Tool::Parallel, "2"}},
         "LD|0 LD|1 OR|2 AND BLK OUT|1000 END"},
        {"", {{Tool::Counter, "3"}}, "LD|0 LD|1 CNT|3|10 END"},
        {"", {{Tool::Delete, ""}}, "nothing selected"},
        {"LD|0\nOUT|1000\nEND",
         {{Tool::Not, ""}, {Tool::Coil, "1001"}},
         "LD NOT|0 OUT|1000 OUT|1001 END"},
        {"LD|0\nOUT|1000\nEND", {{Tool::Timer, "TIM 4"}}, "LD|0 OUT|1000 TIM|4|10 END"},
        {"LD|0\nOUT|1000\nEND", {{Tool::Rung, "7"}}, "LD|0 OUT|1000 LD|7 OUT|1001 END"},
        {"LD|0\nOUT|1000\nEND", {{Tool::Contact, nullptr}}, "LD|0 OUT|1000 END"},
        {"LD|0\nOUT|1000\nEND", {{Tool::Contact, "NOBODY"}}, ladder::kUnreadableAddress.data()},
        {"LD|0\nAND|1\nOUT|1000\nEND", {{Tool::Delete, ""}}, "LD|1 OUT|1000 END"},
    };
    for (const Case& c : cases) {
        Drawing d(c.program);
        std::string said;
        for (const Step& step : c.steps) {
            said = d.draw(step.tool, step.address);
        }
        EXPECT_EQ(said.empty() ? d.text() : said, c.after) << c.program;
    }
}

TEST(DrawingKeys, CancelTakesAwayOnlyTheNewElementStillLast) {
    Drawing d("LD|0\nOUT|1000\nEND");
    ASSERT_TRUE(d.model.use(Tool::Contact).created);
    EXPECT_TRUE(d.model.typingNew());
    d.model.cancelAddress();
    EXPECT_EQ(d.text(), "LD|0 OUT|1000 END");
    EXPECT_FALSE(d.model.typingNew());
    // A step made after the new element keeps it: Esc then takes nothing away.
    ASSERT_TRUE(d.model.use(Tool::Contact).created);
    d.grid.setLine(1);
    ASSERT_TRUE(d.model.use(Tool::Not).outcome.done());
    d.model.cancelAddress();
    EXPECT_EQ(d.text(), "LD NOT|0 AND|1 OUT|1000 END");
}

TEST(DrawingKeys, ArrowsFollowTheDrawnElements) {
    // Rung 1: 0 then (1 over 2) into OUT 1000; rung 2: 3 into OUT 1001; END.
    Drawing d("LD|0\nLD|1\nOR|2\nAND BLK\nOUT|1000\nLD|3\nOUT|1001\nEND");
    ladder::DiagramEditor& diagram = d.model.diagram();
    struct Case {
        int from;
        int dx;
        int dy;
        int to;
    };
    const Case cases[] = {
        {1, 1, 0, 2},  {2, 1, 0, 5}, {5, -1, 0, 2}, {2, 0, 1, 3},
        {3, 0, -1, 2}, {5, 0, 1, 7}, {7, 0, 1, 8},  {1, -1, 0, 1}, // nothing left of 0
    };
    for (const Case& c : cases) {
        d.grid.setLine(c.from);
        diagram.refresh();
        d.model.moveSelection(c.dx, c.dy,
                              ladder::drawnBoxes(diagram.program().layout(), 72, 40, 14));
        EXPECT_EQ(d.grid.line(), c.to) << c.from << " by " << c.dx << "," << c.dy;
    }
    // A line no element is drawn for: the first element of the rung after it.
    d.grid.setLine(4); // AND BLK
    d.model.moveSelection(1, 0, [](int) { return ladder::DrawnBox{}; });
    EXPECT_EQ(d.grid.line(), 1);
}

TEST(DrawingKeys, EveryToolHasItsOwnKey) {
    for (const ladder::ToolInfo& info : ladder::drawingTools()) {
        EXPECT_EQ(ladder::toolOfKey(info.key), info.tool) << info.key;
        EXPECT_TRUE(info.tip.ends_with("(" + std::string(info.key) + ")")) << info.tip;
    }
    EXPECT_FALSE(ladder::toolOfKey("X"));
}

} // namespace
} // namespace rungbox::test

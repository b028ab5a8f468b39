// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameEdits.h"
#include "names/NameTips.h"

#include <gtest/gtest.h>

namespace rungbox::names {
namespace {

// 0 START "green button", 1000 MOTOR, with a remark between them.
NameTable sample() {
    NameTable table;
    table.set({Address::relay(0), "START", "green button"});
    table.addRemark("# outputs");
    table.set({Address::relay(1000), "MOTOR", ""});
    return table;
}

TEST(NameEditsTest, TypedTextBecomesAStepNothingOrAReason) {
    const NameTable table = sample();
    const struct {
        const char* what;
        NameEdit edit;
        bool stepped;
        std::optional<NameEntry> after; // of the step; none: the name goes
        std::string problem;
    } cases[] = {
        {"new name, blanks dropped", nameEdit(table, Address::relay(2), "  STOP \t"), true,
         NameEntry{Address::relay(2), "STOP", ""}, ""},
        {"renamed, comment kept", nameEdit(table, Address::relay(0), "GO"), true,
         NameEntry{Address::relay(0), "GO", "green button"}, ""},
        {"the same name", nameEdit(table, Address::relay(0), "START"), false, std::nullopt, ""},
        {"empty removes", nameEdit(table, Address::relay(1000), " "), true, std::nullopt, ""},
        {"empty on none", nameEdit(table, Address::relay(7), ""), false, std::nullopt, ""},
        {"reserved", nameEdit(table, Address::relay(2), "in3"), false, std::nullopt,
         "\"in3\" already means something: a signal's name in the timing diagram."},
        {"a script's word", nameEdit(table, Address::relay(2), "wait"), false, std::nullopt,
         "\"wait\" already means something: a script command."},
        {"taken", nameEdit(table, Address::relay(2), "motor"), false, std::nullopt,
         "\"MOTOR\" already names 1000."},
        {"comment", commentEdit(table, Address::relay(1000), "belt"), true,
         NameEntry{Address::relay(1000), "MOTOR", "belt"}, ""},
        {"comment unchanged", commentEdit(table, Address::relay(0), "green button"), false,
         std::nullopt, ""},
        {"comment without name", commentEdit(table, Address::relay(5), "x"), false, std::nullopt,
         std::string(kNameFirst)},
        {"empty comment without name", commentEdit(table, Address::relay(5), ""), false,
         std::nullopt, ""},
        {"comment with a tab", commentEdit(table, Address::relay(0), "a\tb"), false, std::nullopt,
         "A comment holds no tab and no line break."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.edit.problem, c.problem) << c.what;
        EXPECT_EQ(c.edit.step.has_value(), c.stepped) << c.what;
        if (c.edit.step) {
            EXPECT_EQ(c.edit.step->after, c.after) << c.what;
            EXPECT_EQ(c.edit.step->before.has_value(), table.find(c.edit.step->address) != nullptr)
                << c.what;
        }
    }
    // Typed addresses: blanks around and any case, nothing out of range or spelt otherwise.
    EXPECT_EQ(typedAddress(" tim 3 "), Address::timer(3));
    EXPECT_EQ(typedAddress("Cnt 7"), Address::counter(7));
    EXPECT_EQ(typedAddress("20000"), Address::relay(20000));
    for (const char* bad : {"", "TIM3", "TIM 8", "20001", "01", "x"}) {
        EXPECT_FALSE(typedAddress(bad)) << bad;
    }
}

TEST(NameEditsTest, StepsUndoToTheTableAsItWasLineForLine) {
    NameTable table = sample();
    const NameTable original = table;
    NameHistory history;
    // Removing START, naming 2, renaming MOTOR: undone, START comes back first, before the remark.
    for (const auto& edit :
         {nameEdit(table, Address::relay(0), ""), nameEdit(table, Address::relay(2), "STOP")}) {
        history.take(table, *edit.step);
    }
    history.take(table, *nameEdit(table, Address::relay(1000), "BELT").step);
    const NameTable edited = table;
    EXPECT_EQ(table.nameOf(Address::relay(0)), "");
    EXPECT_EQ(table.nameOf(Address::relay(1000)), "BELT");
    while (history.undo(table)) {
    }
    EXPECT_EQ(table, original);
    EXPECT_FALSE(history.canUndo());
    while (history.redo(table)) {
    }
    EXPECT_EQ(table, edited);
    // A new step after an undo forgets what was undone; the oldest steps go past the limit.
    history.undo(table);
    history.take(table, *nameEdit(table, Address::relay(1000), "FAN").step);
    EXPECT_FALSE(history.canRedo());
    for (std::size_t k = 0; k < NameHistory::kMaxSteps + 5; ++k) {
        history.take(table, *nameEdit(table, Address::relay(3), k % 2 ? "A" : "B").step);
    }
    EXPECT_EQ(history.count(), NameHistory::kMaxSteps);
}

// The editor's own edits are followed; a table replaced otherwise is another program's, whose
// added addresses go. Both the window and the page follow this way.
TEST(NameEditsTest, AReplacedTableIsToldFromTheEditorsOwnEdits) {
    NameTable table = sample();
    NameFollower follower(table);
    EXPECT_TRUE(follower.add(Address::relay(7)));
    EXPECT_FALSE(follower.add(Address::relay(7))) << "listed once";
    putEntry(table, Address::relay(2), NameEntry{Address::relay(2), "STOP", ""}, 0);
    follower.edited(table);
    EXPECT_FALSE(follower.follow(table)) << "its own edit";
    EXPECT_EQ(follower.added(), std::vector<Address>{Address::relay(7)});
    EXPECT_TRUE(follower.follow(NameTable())) << "a program loaded";
    EXPECT_TRUE(follower.added().empty());
    EXPECT_FALSE(follower.follow(NameTable()));
}

TEST(NameEditsTest, RowsAndTipsShowTheNames) {
    const NameTable table = sample();
    const std::vector<Address> rows = nameRows(
        table, {Address::timer(1), Address::relay(1000), Address::relay(5), Address::timer(1)});
    EXPECT_EQ(rows, (std::vector<Address>{Address::relay(0), Address::relay(1000),
                                          Address::relay(5), Address::timer(1)}));

    const struct {
        PanelControl control;
        int n;
        const char* tip;
    } tips[] = {
        {PanelControl::InputLamp, 0, "Input 00: relay 0; START (0): green button"},
        {PanelControl::InputSwitch, 0, "Input 00: START (0): green button"},
        {PanelControl::OutputLamp, 0, "Output 00: relay 1000; MOTOR (1000)"},
        {PanelControl::CounterDisplay, 7, "Counter 7 (CNT 7): counts left"},
    };
    for (const auto& t : tips) {
        EXPECT_EQ(panelTip(table, t.control, t.n), t.tip);
    }
    EXPECT_EQ(lineTip(table.find(Address::relay(0))), "START: green button");
    EXPECT_EQ(lineTip(table.find(Address::relay(1000))), "MOTOR");
    EXPECT_EQ(lineTip(nullptr), "");
}

} // namespace
} // namespace rungbox::names

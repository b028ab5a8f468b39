// SPDX-License-Identifier: GPL-3.0-or-later
// The watch table's model: what a typed entry names, and what each kind of row shows.

#include "debug/WatchList.h"
#include "debug/Debugger.h"
#include "engine/Controller.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace rungbox::debug {
namespace {

using Kind = WatchEntry::Kind;

struct EntryRow {
    const char* typed;
    std::optional<WatchEntry> entry;
    const char* refusal; ///< why the entry is refused; "" when it is read
};

TEST(WatchEntry, ReadsRelaysTimersAndCountersInRangeAndSaysWhyNot) {
    const EntryRow rows[] = {
        {"0", WatchEntry{Kind::Relay, 0}, ""},
        {"20000", WatchEntry{Kind::Relay, 20000}, ""},
        {" 1000 ", WatchEntry{Kind::Relay, 1000}, ""},
        {"TIM 7", WatchEntry{Kind::Timer, 7}, ""},
        {"tim0", WatchEntry{Kind::Timer, 0}, ""},
        {"Cnt 3", WatchEntry{Kind::Counter, 3}, ""},
        {"20001", std::nullopt, "20001: out of range (relays 0 to 20000)"},
        {"TIM 8", std::nullopt, "TIM 8: no such timer (TIM 0 to TIM 7)"},
        {"cnt9", std::nullopt, "CNT 9: no such counter (CNT 0 to CNT 7)"},
        {"CNT -1", std::nullopt, "CNT -1: not a relay address, TIM n or CNT n"},
        {"", std::nullopt, "Type a relay address, TIM n or CNT n"},
        {"12a", std::nullopt, "12A: not a relay address, TIM n or CNT n"},
        {"999999999999", std::nullopt, "999999999999: out of range (relays 0 to 20000)"},
        {"OUT 5", std::nullopt, "OUT5: not a relay address, TIM n or CNT n"},
    };
    for (const EntryRow& row : rows) {
        EXPECT_EQ(parseWatchEntry(row.typed), row.entry) << '"' << row.typed << '"';
        EXPECT_EQ(watchEntryRefusal(row.typed), row.refusal) << '"' << row.typed << '"';
    }
}

TEST(WatchList, RowsShowValueSetValueDoneAndForce) {
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    plc.setLadderTable(1, {"TIM", 2, 45}); // the first line and the last are read too
    plc.setLadderTable(2, {"LD", 0, 0});
    plc.setLadderTable(3, {"LD", 0, 0});
    plc.setLadderTable(4, {"LD", 1, 0});
    plc.setLadderTable(5, {"CNT", 1, 3});
    plc.setLadderTable(6, {"END", 0, 0});
    plc.setLadderTable(299, {"CNT", 4, 7});
    plc.setTimValue(2, 31);
    plc.force(1000, true);

    WatchList list;
    EXPECT_TRUE(list.add({Kind::Relay, 1000}));
    EXPECT_FALSE(list.add({Kind::Relay, 1000})) << "an item is watched once";
    list.add({Kind::Relay, 5});
    list.add({Kind::Timer, 2});
    list.add({Kind::Counter, 1});
    list.add({Kind::Counter, 4});
    const std::vector<WatchRow> rows = list.rows(plc);
    ASSERT_EQ(rows.size(), 5U);
    EXPECT_EQ(rows[4].setValue, "7");
    EXPECT_EQ(rows[0], (WatchRow{"1000", "1", "", true, true}));
    EXPECT_EQ(rows[1], (WatchRow{"5", "0", "", false, std::nullopt}));
    EXPECT_EQ(rows[2], (WatchRow{"TIM 2", "3.1", "4.5", false, std::nullopt}));
    EXPECT_EQ(rows[3], (WatchRow{"CNT 1", "0", "3", true, std::nullopt}));
    list.remove(0);
    EXPECT_EQ(list.entries().front(), (WatchEntry{Kind::Relay, 5}));
}

TEST(Debugger, ForcesOnlyWhileRunningAndTellsItsListeners) {
    struct Counter : DebugListener {
        int calls = 0;
        void debugStateChanged() override { ++calls; }
    } counter;
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    Debugger debugger(plc);
    debugger.addListener(&counter);
    EXPECT_FALSE(debugger.force(3, true)) << "refused while stopped";
    debugger.setPaused(true);
    EXPECT_FALSE(debugger.paused()) << "a stopped run cannot pause";
    debugger.setBreakpoint(299, true);
    debugger.setBreakpoint(1, true);
    debugger.setBreakpoint(1, true); // set already: nothing to tell
    debugger.setBreakpoint(5, false);
    EXPECT_EQ(debugger.breakpointLines(), (std::vector<int>{1, 299}));
    plc.setSimulating(true);
    EXPECT_TRUE(debugger.force(3, true));
    debugger.setPaused(true);
    EXPECT_TRUE(debugger.paused());
    EXPECT_EQ(counter.calls, 4);
    debugger.runStartedOrStopped();
    EXPECT_FALSE(debugger.paused());
    debugger.removeListener(&counter);
    debugger.clearBreakpoints();
    EXPECT_TRUE(debugger.breakpointLines().empty());
    EXPECT_EQ(counter.calls, 5);
}

} // namespace
} // namespace rungbox::debug

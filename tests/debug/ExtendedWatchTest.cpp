// SPDX-License-Identifier: GPL-3.0-or-later
// The watch table of an extended program: entries in the notation, forces on every bit area,
// timers and counters 0 to 127, names of the new areas and of the special relays.

#include "debug/Registers.h"
#include "debug/WatchList.h"
#include "engine/BitAddress.h"
#include "engine/Controller.h"
#include "names/NamesFile.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace rungbox::debug {
namespace {

using Kind = WatchEntry::Kind;
constexpr engine::InstructionSet kExtended = engine::InstructionSet::Extended;

WatchEntry bitEntry(engine::Area area, int number) {
    return {Kind::Bit, engine::workspaceByte({area, number})};
}

TEST(ExtendedWatch, EntriesInEitherNotationAndNamesOfEveryArea) {
    const names::NameTable names =
        names::readNamesFile("HR1.05\tLATCH\n1000\tLAMP\nTIM 12\tDELAY\n", kExtended).table;
    const struct {
        const char* typed;
        std::optional<WatchEntry> entry;
    } rows[] = {
        {"1000", WatchEntry{Kind::Relay, 1000}},
        {"10.00", WatchEntry{Kind::Relay, 1000}},
        {"w0.00", bitEntry(engine::Area::Work, 0)},
        {"HR19.15", bitEntry(engine::Area::Holding, 1915)},
        {"AR0.01", bitEntry(engine::Area::Auxiliary, 1)},
        {"TR3", bitEntry(engine::Area::Temporary, 3)},
        {"P_1s", bitEntry(engine::Area::Relay, engine::kClock1s)},
        {"TIM 12", WatchEntry{Kind::Timer, 12}},
        {"C127", WatchEntry{Kind::Counter, 127}},
        {" latch ", bitEntry(engine::Area::Holding, 105)},
        {"LAMP", WatchEntry{Kind::Relay, 1000}},
        {"DELAY", WatchEntry{Kind::Timer, 12}},
        {"TIM 128", std::nullopt},
        {"HR20.00", std::nullopt},
    };
    EXPECT_EQ(watchEntryHint(&names), "10.00, W0.00, HR1.05, TIM 3, a name");
    for (const auto& row : rows) {
        EXPECT_EQ(readTypedEntry(row.typed, &names).entry, row.entry) << row.typed;
        // A classic program's table takes none of the notation.
        if (row.entry && std::string_view(row.typed) != "1000" &&
            std::string_view(row.typed) != "LAMP") {
            EXPECT_FALSE(parseWatchEntry(row.typed, engine::InstructionSet::Classic)) << row.typed;
        }
    }
}

TEST(ExtendedWatch, ForcesHoldEveryBitAreaAndRowsNameThemInTheNotation) {
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    plc.setInstructionSet(kExtended);
    WatchList list;
    const struct {
        WatchEntry entry;
        bool on;
        const char* name;
    } rows[] = {
        {bitEntry(engine::Area::Holding, 105), true, "HR1.05"},
        {bitEntry(engine::Area::Work, 9915), true, "W99.15"},
        {bitEntry(engine::Area::Temporary, 0), true, "TR0"},
        {bitEntry(engine::Area::Auxiliary, 0), false, "AR0.00"},
        {WatchEntry{Kind::Relay, 1000}, true, "10.00"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.entry.forceable()) << row.name;
        plc.force(row.entry.number, row.on);
        list.add(row.entry);
    }
    list.add({Kind::Timer, 12});
    const std::vector<WatchRow> shown = list.rows(plc);
    for (std::size_t k = 0; k < std::size(rows); ++k) {
        EXPECT_EQ(shown[k],
                  (WatchRow{rows[k].name, rows[k].on ? "1" : "0", "", rows[k].on, rows[k].on}))
            << rows[k].name;
    }
    EXPECT_EQ(shown.back().name, "TIM 12");
    EXPECT_FALSE((WatchEntry{Kind::Timer, 12}).forceable());
}

} // namespace
} // namespace rungbox::debug

namespace rungbox::debug {
namespace {

TEST(ExtendedRegisters, ListTheNewAreasBitsTheSpecialRelaysAndTheUnitsInUse) {
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    EXPECT_EQ(areaText(plc), "") << "classic programs show no areas";
    plc.setInstructionSet(kExtended);
    engine::LadderLine timer{"TIM", 0, 0};
    timer.locationText = "T12";
    plc.setLadderTable(1, timer);
    engine::LadderLine counter{"CNT", 0, 0};
    counter.locationText = "3";
    plc.setLadderTable(2, counter);
    plc.setTimValue(12, 45);
    plc.setCntValue(3, 7);
    for (const auto& [area, number] : {std::pair{engine::Area::Holding, 105},
                                       {engine::Area::Work, 0},
                                       {engine::Area::Work, 9915},
                                       {engine::Area::Temporary, 2},
                                       {engine::Area::Relay, engine::kAlwaysOn}}) {
        plc.force(engine::workspaceByte({area, number}), true);
    }
    EXPECT_EQ(areaText(plc), "W: W0.00 W99.15\nHR: HR1.05\nAR: -\nTR: TR2\nSpecial: P_On 1 P_Off 0 "
                             "P_First_Cycle 0 P_1min 0 P_0_02s 0 P_0_1s 0 P_0_2s 0 P_1s 0 P_ER 0 "
                             "P_CY 0 P_GT 0 P_EQ 0 P_LT 0\nTIM 12 = 4.5\nCNT 3 = 7");
}

} // namespace
} // namespace rungbox::debug

// SPDX-License-Identifier: GPL-3.0-or-later
// Words in the debugging views of an extended run: the register panel's word rows (the words the
// program uses, each in its row's format), watch entries of words, and words forced through the
// debugger.

#include "ExtendedRun.h"
#include "debug/Debugger.h"
#include "debug/Registers.h"
#include "debug/WatchList.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::debug {
namespace {

using engine::WordAddress;
using engine::WordArea;
constexpr engine::InstructionSet kExtended = engine::InstructionSet::Extended;

TEST(WordFormats, ValuesAndTypedWords) {
    const struct {
        std::uint16_t value;
        const char* hex;
        const char* bcd;
        const char* decimal;
    } rows[] = {
        {0x0042, "#0042", "0042", "66"},
        {0x9999, "#9999", "9999", "39321"},
        {0x00FA, "#00FA", "#00FA?", "250"},
        {0xFFFF, "#FFFF", "#FFFF?", "65535"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(wordValueText(row.value, WordFormat::Hex), row.hex);
        EXPECT_EQ(wordValueText(row.value, WordFormat::Bcd), row.bcd);
        EXPECT_EQ(wordValueText(row.value, WordFormat::Decimal), row.decimal);
    }
    for (const WordFormat format : kWordFormats) {
        EXPECT_EQ(parseWordFormat(wordFormatLabel(format)), format);
    }
    EXPECT_EQ(parseTypedWord(" #0123 "), 0x0123);
    EXPECT_EQ(parseTypedWord("&291"), 291);
    EXPECT_EQ(parseTypedWord("&65535"), 0xFFFF);
    for (const char* bad : {"", "123", "#10000", "&65536", "DM0100", "#12G"}) {
        EXPECT_FALSE(parseTypedWord(bad)) << bad;
    }
}

TEST(WordWatch, WordEntriesAndTheBitsTheirSpellingsAreNot) {
    const names::NameTable names =
        names::readNamesFile("DM0100\tTOTAL\nCH HR2\tSTATE\nTIM 3\tDELAY\n", kExtended).table;
    const struct {
        const char* typed;
        std::optional<WatchEntry> entry;
    } rows[] = {
        {"DM0100", WatchEntry::of({WordArea::Dm, 100})},
        {"d6144", WatchEntry::of({WordArea::Dm, 6144})},
        {"HR2", WatchEntry::of({WordArea::Holding, 2})},
        {"W3", WatchEntry::of({WordArea::Work, 3})},
        {"AR 15", WatchEntry::of({WordArea::Auxiliary, 15})},
        {"CIO 10", WatchEntry::of({WordArea::Channel, 10})},
        {"CH W3", WatchEntry::of({WordArea::Work, 3})},
        {"total", WatchEntry::of({WordArea::Dm, 100})},
        {"STATE", WatchEntry::of({WordArea::Holding, 2})},
        // With a point, or a plain number, still the bits and relays they were.
        {"HR2.00", watchEntryOf({engine::Area::Holding, 200})},
        {"10", WatchEntry{WatchEntry::Kind::Relay, 10}},
        {"TIM 3", WatchEntry{WatchEntry::Kind::Timer, 3}},
        {"DELAY", WatchEntry{WatchEntry::Kind::Timer, 3}},
        {"DM1024", std::nullopt},
        {"CH W100", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readTypedEntry(row.typed, &names).entry, row.entry) << row.typed;
    }
    // A classic program watches no words.
    EXPECT_FALSE(parseWatchEntry("DM0100", engine::InstructionSet::Classic));
    WatchRow row;
    row.name = "DM0100";
    row.word = true;
    EXPECT_EQ(watchItemText(row, &names), "DM0100  TOTAL");
}

TEST(WordDebug, RowsFollowTheRunInTheirFormatsAndForcedWordsHold) {
    test::ExtendedRun run("LD|0.00; MOV|#0042|DM0100; INC|HR2; ADD|DM0100|#1; |W3; CMP|TIM 1|&7; "
                          "TIM|1|#0050; END");
    ASSERT_EQ(run.started, panel::StartResult::Started);
    Debugger debugger(run.plc);
    ASSERT_EQ(run.scan(1), 0);

    RegisterWords registers;
    registers.setFormat({WordArea::Dm, 100}, WordFormat::Decimal);
    std::vector<WordRow> rows = registers.rows(run.plc);
    std::vector<std::string> shown;
    for (const WordRow& row : rows) {
        shown.push_back(row.name + "=" + row.text + (row.forceable ? "" : " (read only)"));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"W3=#0043", "HR2=#0001", "DM0100=66",
                                               "TIM 1=#0050 (read only)"}));

    WatchList watch;
    watch.add(WatchEntry::of({WordArea::Work, 3}));
    watch.setFormat(0, WordFormat::Bcd);
    EXPECT_EQ(watch.rows(run.plc)[0].value, "0043");

    // A forced word keeps its value while the program writes it; unforced, the program wins.
    EXPECT_TRUE(debugger.forceWord({WordArea::Work, 3}, 0x1234));
    EXPECT_FALSE(debugger.forceWord({WordArea::TimerValue, 1}, 0x0001));
    ASSERT_EQ(run.scan(1), 0);
    EXPECT_EQ(run.plc.word({WordArea::Work, 3}), 0x1234);
    EXPECT_EQ(watch.rows(run.plc)[0].forcedWord, 0x1234);
    EXPECT_EQ(registers.rows(run.plc)[0].forced, 0x1234);
    debugger.unforceWord({WordArea::Work, 3});
    ASSERT_EQ(run.scan(1), 0);
    EXPECT_EQ(run.plc.word({WordArea::Work, 3}), 0x0043);
    EXPECT_FALSE(watch.rows(run.plc)[0].forcedWord);

    // Stopped, nothing is forced.
    run.plc.setSimulating(false);
    EXPECT_FALSE(debugger.forceWord({WordArea::Dm, 100}, 1));
}

} // namespace
} // namespace rungbox::debug

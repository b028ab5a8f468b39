// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ScriptNames.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::sim {
namespace {

using Kind = ScriptLine::Kind;

names::NameTable table() {
    return names::readNamesFile("0\tSTART\n15\tLAST_IN\n1000\tMOTOR\n20000\tTOP\n"
                                "TIM 2\tLIGHT_TIMER\nCNT 7\tCARS\n")
        .table;
}

// Each command with a name reads as the same command with its number, whatever the name's case.
TEST(ScriptNames, EveryNumberPlaceTakesAName) {
    const names::NameTable names = table();
    for (const auto& [named, numbered] : {
             std::pair{"in START 1", "in 0 1"},
             {"in\tlast_in  0\r", "in 15 0"},
             {"relay MOTOR", "relay 1000"},
             {"trace Top", "trace 20000"},
             {"force MOTOR 0", "force 1000 0"},
             {"unforce TOP", "unforce 20000"},
             {"expect relay MOTOR 1", "expect relay 1000 1"},
             {"expect tim LIGHT_TIMER 2.5", "expect tim 2 2.5"},
             {"expect cnt CARS 12", "expect cnt 7 12"},
             {"relay 1000", "relay 1000"},
         }) {
        const ScriptLine line = parseNamedScriptLine(named, names);
        const ScriptLine expected = parseScriptLine(numbered);
        ASSERT_EQ(line.kind, Kind::Command) << named << ": " << line.error;
        EXPECT_EQ(line.command.kind, expected.command.kind) << named;
        EXPECT_EQ(line.command.number, expected.command.number) << named;
        EXPECT_EQ(line.command.on, expected.command.on) << named;
        EXPECT_EQ(line.command.expected, expected.command.expected) << named;
    }
}

TEST(ScriptNames, UnknownNamesAndNamesOfOtherAddressesAreErrors) {
    const names::NameTable names = table();
    for (const auto& [text, error] : {
             std::pair{"in STOP 1", "unknown name \"STOP\""},
             {"in MOTOR 1", "\"MOTOR\" names 1000, not an input 0 to 15"},
             {"relay LIGHT_TIMER", "\"LIGHT_TIMER\" names TIM 2, not a relay"},
             {"expect tim CARS 1", "\"CARS\" names CNT 7, not a timer"},
             {"expect cnt MOTOR 1", "\"MOTOR\" names 1000, not a counter"},
         }) {
        const ScriptLine line = parseNamedScriptLine(text, names);
        ASSERT_EQ(line.kind, Kind::Error) << text;
        EXPECT_EQ(line.error, error) << text;
    }
    // Words that are no names, and words in other places, are left for the script reader.
    for (const char* text : {"in in3 1", "break START", "save MOTOR", "expect plant START 1"}) {
        EXPECT_EQ(parseNamedScriptLine(text, names).error, parseScriptLine(text).error) << text;
    }
}

// A word's name (extended programs) names no relay: it is an error there, not some bit.
TEST(ScriptNames, AWordsNameIsNoRelay) {
    const names::NameTable names =
        names::readNamesFile("DM0100\tTOTAL\nCH W3\tSTAGE\n", engine::InstructionSet::Extended)
            .table;
    for (const auto& [text, error] : {
             std::pair{"relay TOTAL", "\"TOTAL\" names DM0100, not a relay"},
             {"relay STAGE", "\"STAGE\" names CH W3, not a relay"},
         }) {
        const ScriptLine line = parseNamedScriptLine(text, names);
        ASSERT_EQ(line.kind, Kind::Error) << text;
        EXPECT_EQ(line.error, error) << text;
    }
}

// Where a word goes, a word's name gives its word and a timer's name its present value.
TEST(ScriptNames, WordPlacesTakeWordNames) {
    const names::NameTable names =
        names::readNamesFile("DM0100\tTOTAL\nCH W3\tSTAGE\nTIM 2\tDELAY\n10.00\tLAMP\n",
                             engine::InstructionSet::Extended)
            .table;
    const auto extended = [](const char* text) {
        return parseScriptLine(text, engine::InstructionSet::Extended);
    };
    for (const auto& [named, addressed] : {
             std::pair{"expect word TOTAL #0042", "expect word DM0100 #0042"},
             {"expect word stage &3", "expect word W3 &3"},
             {"set word TOTAL #0001", "set word DM0100 #0001"},
             {"show DELAY", "show TIM 2"},
             {"expect word DM0007 #0001", "expect word DM0007 #0001"},
         }) {
        const ScriptLine line = parseNamedScriptLine(named, names);
        const ScriptLine expected = extended(addressed);
        EXPECT_EQ(line.kind, expected.kind) << named;
        EXPECT_EQ(line.error, expected.error) << named;
        EXPECT_EQ(line.command.word, expected.command.word) << named;
    }
    // A bit's name is no word: the reader's own message, as for any text that is no word.
    EXPECT_EQ(parseNamedScriptLine("expect word LAMP #0001", names).error,
              extended("expect word LAMP #0001").error);
}

TEST(ScriptNames, WithoutNamesLinesReadAsBefore) {
    for (const char* text : {"in START 1", "relay MOTOR", "  # x", "scan 3"}) {
        const ScriptLine line = parseNamedScriptLine(text, {});
        EXPECT_EQ(line.kind, parseScriptLine(text).kind) << text;
        EXPECT_EQ(line.error, parseScriptLine(text).error) << text;
    }
}

} // namespace
} // namespace rungbox::sim

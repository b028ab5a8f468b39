// SPDX-License-Identifier: GPL-3.0-or-later
// Names of words in extended programs: their spellings (a channel word marked "CH", since "W3"
// is the bit W0.03), the names file's round trip, and the word a name stands for.

#include "names/NameEdits.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::names {
namespace {

using engine::WordAddress;
using engine::WordArea;
constexpr engine::InstructionSet kExtended = engine::InstructionSet::Extended;

TEST(WordNames, SpellingsOfWordsAndOfTheBitsTheyCouldBeConfusedWith) {
    const struct {
        const char* typed;
        std::optional<Address> address;
        const char* written;
    } rows[] = {
        {"DM0100", Address::of(WordAddress{WordArea::Dm, 100}), "DM0100"},
        {"d 100", Address::of(WordAddress{WordArea::Dm, 100}), "DM0100"},
        {"DM6599", Address::of(WordAddress{WordArea::Dm, 6599}), "DM6599"},
        {"CH 10", Address::of(WordAddress{WordArea::Channel, 10}), "CH 10"},
        {"ch cio 10", Address::of(WordAddress{WordArea::Channel, 10}), "CH 10"},
        {"CH W3", Address::of(WordAddress{WordArea::Work, 3}), "CH W3"},
        {"CH H2", Address::of(WordAddress{WordArea::Holding, 2}), "CH HR2"},
        {"CH AR15", Address::of(WordAddress{WordArea::Auxiliary, 15}), "CH AR15"},
        // Without the mark these stay the bits they always were.
        {"W3", Address(engine::Area::Work, 3), "W0.03"},
        {"CIO 10", Address::relay(10), "10"},
        // No names of their own for present values, nor words out of range.
        {"CH TIM 3", std::nullopt, ""},
        {"DM1024", std::nullopt, ""},
        {"CH W100", std::nullopt, ""},
        {"CH", std::nullopt, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseAddress(row.typed, kExtended), row.address) << row.typed;
        EXPECT_EQ(typedAddress(row.typed, kExtended), row.address) << row.typed;
        if (row.address) {
            EXPECT_EQ(addressText(*row.address), row.written);
            EXPECT_EQ(addressText(*row.address, kExtended),
                      row.address->isWord() ? row.written
                                            : engine::bitAddressText(row.address->bit()));
        }
    }
    // Classic programs name no words.
    EXPECT_FALSE(parseAddress("DM0100", engine::InstructionSet::Classic));
    EXPECT_FALSE(Address::of(WordAddress{WordArea::Dm, 100}).valid());
}

TEST(WordNames, NamesFileRoundTripAndTheWordANameStandsFor) {
    const std::string text = "DM0100\tTOTAL\tcars today\nCH HR2\tSTATE\nCH 10\tLAMPS\n"
                             "TIM 3\tDELAY\n1000\tLAMP\n";
    const NamesFileContents contents = readNamesFile(text, kExtended);
    EXPECT_EQ(contents.badLineCount, 0U);
    EXPECT_EQ(namesFileText(contents.table), text);
    const NameTable& table = contents.table;
    EXPECT_EQ(wordNamed(table, "total"), (WordAddress{WordArea::Dm, 100}));
    EXPECT_EQ(wordNamed(table, "STATE"), (WordAddress{WordArea::Holding, 2}));
    EXPECT_EQ(wordNamed(table, "LAMPS"), (WordAddress{WordArea::Channel, 10}));
    EXPECT_EQ(wordNamed(table, "DELAY"), (WordAddress{WordArea::TimerValue, 3}));
    EXPECT_FALSE(wordNamed(table, "LAMP"));
    EXPECT_FALSE(wordNamed(table, "NOBODY"));
    // A word's name is no bit's: the watch and scripts asking for a bit find none there.
    EXPECT_FALSE(table.addressNamed("TOTAL")->bit().valid());
    // A classic program's file refuses a word line.
    EXPECT_EQ(readNamesFile("DM0100\tTOTAL\n").badLineCount, 1U);
}

} // namespace
} // namespace rungbox::names

// SPDX-License-Identifier: GPL-3.0-or-later
// Names in extended programs: every spelling of an address names the one address, the new areas
// take names, the special relays' symbol names are reserved and name their relays, and the
// names file keeps the classic addresses' lines as classic programs write them.

#include "names/NameEdits.h"
#include "names/NameRules.h"
#include "names/NameTips.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::names {
namespace {

using engine::Area;
constexpr engine::InstructionSet kExtended = engine::InstructionSet::Extended;

TEST(ExtendedNames, EverySpellingNamesTheSameAddress) {
    const struct {
        Address address;
        std::vector<const char*> spellings;
        const char* shown; ///< on screen in extended programs
    } rows[] = {
        {Address::relay(1000), {"1000", "10.00", "01000", "IR10.00", "CIO 10.00"}, "10.00"},
        {{Area::Work, 0}, {"W0.00", "w0.00", "W 0", "W0"}, "W0.00"},
        {{Area::Holding, 105}, {"HR1.05", "H1.05", "hr0105"}, "HR1.05"},
        {{Area::Auxiliary, 1500}, {"AR15.00", "A15.00"}, "AR15.00"},
        {{Area::Temporary, 7}, {"TR7", "tr 7"}, "TR7"},
        {Address::relay(25313), {"253.13", "SR253.13", "P_On", "p_on"}, "253.13"},
        {Address::timer(12), {"TIM 12", "TIM12", "T12"}, "TIM 12"},
        {Address::counter(100), {"CNT 100", "C100"}, "CNT 100"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row.address.valid(kExtended)) << row.shown;
        EXPECT_EQ(addressText(row.address, kExtended), row.shown);
        for (const char* spelling : row.spellings) {
            EXPECT_EQ(parseAddress(spelling, kExtended), row.address) << spelling;
            EXPECT_EQ(typedAddress(spelling, kExtended), row.address) << spelling;
        }
        // The names file writes the classic addresses as classic programs do, and every other
        // one in the notation; both read back.
        EXPECT_EQ(parseAddress(addressText(row.address), kExtended), row.address) << row.shown;
    }
    for (const char* bad : {"W100.00", "HR20.00", "AR16.00", "TR8", "TIM 128", "W1.16", "P_Nope"}) {
        EXPECT_FALSE(parseAddress(bad, kExtended)) << bad;
    }
    // Classic programs keep their addresses and texts exactly.
    EXPECT_FALSE(parseAddress("10.00", engine::InstructionSet::Classic));
    EXPECT_FALSE(Address::timer(12).valid());
    EXPECT_EQ(addressText(Address::relay(1000), engine::InstructionSet::Classic), "1000");
}

TEST(ExtendedNames, OneNamePerAddressWhicheverSpellingTheFileUses) {
    const NamesFileContents contents = readNamesFile(
        "1000\tLAMP\n10.00\tOTHER\nW0.00\tPUMP\nH1.05\tLATCH\nTIM12\tDELAY\n", kExtended);
    ASSERT_EQ(contents.badLineCount, 1U);
    EXPECT_EQ(contents.badLines[0], (BadLine{2, "1000 has a name already"}));
    EXPECT_EQ(namesFileText(contents.table),
              "1000\tLAMP\nW0.00\tPUMP\nHR1.05\tLATCH\nTIM 12\tDELAY\n");
    // A classic program's names file refuses them, as it always has.
    EXPECT_EQ(readNamesFile("W0.00\tPUMP\n").badLineCount, 1U);
    // A file of classic addresses is written back byte for byte in either set.
    const std::string classic = "0\tSTART\n1000\tMOTOR\t# comment\nTIM 2\tT\nCNT 7\tCARS\n";
    EXPECT_EQ(namesFileText(readNamesFile(classic, kExtended).table), classic);
}

TEST(ExtendedNames, SpecialRelayNamesAreReservedAndNameTheirRelays) {
    NameTable table;
    table.setInstructionSet(kExtended);
    for (const engine::SpecialRelay& relay : engine::specialRelays()) {
        EXPECT_TRUE(nameProblem(relay.name)) << relay.name;
        EXPECT_TRUE(nameProblem(upperCase(relay.name))) << relay.name;
        EXPECT_TRUE(table.set({Address::relay(1), std::string(relay.name), ""})) << relay.name;
        EXPECT_EQ(table.nameOf(Address::relay(relay.flat)), relay.name);
        EXPECT_EQ(table.addressNamed(upperCase(relay.name)), Address::relay(relay.flat));
    }
    // A name of the user's for a special relay is its name; its symbol still names it.
    EXPECT_FALSE(table.set({Address::relay(25313), "ON_ALWAYS", ""}));
    EXPECT_EQ(table.nameOf(Address::relay(25313)), "ON_ALWAYS");
    EXPECT_EQ(table.addressNamed("P_On"), Address::relay(25313));
    // Classic programs have no special relays to name.
    EXPECT_FALSE(NameTable().addressNamed("P_On"));
}

TEST(ExtendedNames, TipsShowTheAddressInTheProgramsNotation) {
    NameTable table;
    table.setInstructionSet(kExtended);
    ASSERT_FALSE(table.set({Address::relay(1000), "LAMP", "red"}));
    EXPECT_EQ(panelTip(table, PanelControl::OutputLamp, 0),
              "Output 00: relay 10.00; LAMP (10.00): red");
    table.setInstructionSet(engine::InstructionSet::Classic);
    EXPECT_EQ(panelTip(table, PanelControl::OutputLamp, 0),
              "Output 00: relay 1000; LAMP (1000): red");
}

} // namespace
} // namespace rungbox::names

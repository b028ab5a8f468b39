// SPDX-License-Identifier: GPL-3.0-or-later
// The extended set's reading of cells: every spelling of an address, the ranges of the areas,
// set values, function codes, which lines keep a program extended, and the preparation's warnings.

#include "ExtendedRun.h"
#include "editor/ExtendedPreparation.h"
#include "engine/ExtendedLine.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::parseBitAddress;

// Each group: spellings of one bit, then the one text it is shown with.
const std::vector<std::vector<const char*>> kSpellings = {
    {"1000", "01000", "10.00", "IR10.00", "ir 10.00", "CIO 10.00", "cio10.00", " 10.00 ", "10.00"},
    {"2", "00002", "0.02", "IR0.02", "CIO0.02", "0.02"},
    {"20000", "200.00", "200.00"},
    {"25313", "253.13", "SR253.13", "P_On", "p_on", "253.13"},
    {"P_1s", "255.02", "255.02"},
    {"W0.00", "W 0", "w0.00", "W0.00"},
    {"W99.15", "W9915", "W99.15"},
    {"HR0.05", "H0.05", "HR0005", "HR 5", "hr0.05", "HR0.05"},
    {"HR19.15", "H19.15", "HR19.15"},
    {"AR1.03", "A1.03", "AR103", "AR1.03"},
    {"TR0", "tr0", "TR 0", "TR0"},
    {"TIM 12", "TIM12", "T12", "t 12", "TIM 12"},
    {"CNT 127", "CNT127", "C127", "CNT 127"},
    {"1050", "01050", "1050"}, // a flat relay whose bit exceeds 15 keeps its flat number
};

TEST(ExtendedNotation, EverySpellingNamesOneBit) {
    for (const auto& group : kSpellings) {
        const auto first = parseBitAddress(group.front());
        ASSERT_TRUE(first) << group.front();
        for (const char* spelling : group) {
            const auto address = parseBitAddress(spelling);
            ASSERT_TRUE(address) << spelling;
            EXPECT_EQ(*address, *first) << spelling;
            EXPECT_EQ(engine::workspaceByte(*address), engine::workspaceByte(*first)) << spelling;
        }
        EXPECT_EQ(engine::bitAddressText(*first), group.back());
        EXPECT_EQ(engine::addressAtByte(engine::workspaceByte(*first)), first);
    }
}

TEST(ExtendedNotation, OutOfRangeAndMalformedAreNoAddress) {
    for (const char* text :
         {"", " ", "10.16", "10.1", "10.001", "256.00", "W100.00", "HR20.00", "AR16.00", "TR8",
          "TIM 128", "CNT128", "T", "20016", "25516", "123456", "-1", "10.00x", "X1", "DM0",
          "P_Onx", "10..00", ".00", "1 000", "W0.16"}) {
        EXPECT_FALSE(parseBitAddress(text)) << '"' << text << '"';
    }
}

// Every byte of the workspace that holds a bit maps back to exactly one address, and distinct
// addresses never share a byte.
TEST(ExtendedNotation, AddressesAndBytesCorrespondOneToOne) {
    std::vector<int> owner(engine::kWorkspaceSize, -1);
    for (int byte = 0; byte < engine::kWorkspaceSize; ++byte) {
        const auto address = engine::addressAtByte(byte);
        if (address) {
            ASSERT_TRUE(address->valid()) << byte;
            ASSERT_EQ(engine::workspaceByte(*address), byte) << byte;
            ASSERT_EQ(parseBitAddress(engine::bitAddressText(*address)), address) << byte;
        }
    }
    EXPECT_FALSE(engine::addressAtByte(engine::kStackByte));
    EXPECT_FALSE(engine::addressAtByte(engine::kInterlockByte));
}

TEST(ExtendedNotation, SetValuesJumpNumbersAndFunctionCodes) {
    EXPECT_EQ(engine::readSetValue("#0050"), 50);
    EXPECT_EQ(engine::readSetValue("#9999"), 9999);
    EXPECT_EQ(engine::readSetValue("#1"), 1);
    EXPECT_EQ(engine::readSetValue("150"), 150);
    EXPECT_EQ(engine::readSetValue(""), 0);
    for (const char* bad : {"#", "#12A4", "#10000", "10000", "-1", "#-1"}) {
        EXPECT_FALSE(engine::readSetValue(bad)) << bad;
    }
    EXPECT_EQ(engine::readJumpNumber("49"), 49);
    EXPECT_FALSE(engine::readJumpNumber("50"));
    EXPECT_EQ(engine::mnemonic("KEEP(11)"), "KEEP");
    EXPECT_EQ(engine::mnemonic("KEEP(011)"), "KEEP");
    EXPECT_EQ(engine::mnemonic("END(01)"), "END");
    EXPECT_EQ(engine::mnemonic("KEEP(1a)"), "KEEP(1a)");
    EXPECT_EQ(engine::mnemonic("(11)"), "(11)");
    const auto ext = engine::InstructionSet::Extended;
    EXPECT_EQ(engine::decodeForm("KEEP(11)", ext).op, engine::OpCode::Keep);
    EXPECT_EQ(engine::decodeForm("LD NOT", ext).negated, true);
    EXPECT_EQ(engine::decodeForm("KEEP").op, engine::OpCode::Invalid); // classic: no KEEP
    EXPECT_EQ(engine::decodeForm("END(01)").op, engine::OpCode::Invalid);
    EXPECT_EQ(engine::decodeForm("keep", ext).op, engine::OpCode::Invalid); // case counts
}

TEST(ExtendedNotation, LinesThatKeepAProgramExtended) {
    struct Case {
        const char *code, *location, *setValue;
        bool extended;
    };
    const Case cases[] = {
        {"LD", "0", "", false},          {"OUT", "1000", "", false},
        {"TIM", "0", "30", false},       {"LD TIM", "1", "", false},
        {"END", "", "", false},          {"XYZ", "", "", false},
        {"LD", "-3", "", false},         {"AND BLK", "W0.00", "", false},
        {"LD", "0.01", "", true},        {"OUT", "W0.00", "", true},
        {"TIM", "0", "#0030", true},     {"KEEP", "1000", "", true},
        {"END(01)", "", "", true},       {"LD", "P_On", "", true},
        {"SFT", "100", "W0.03", true},   {"CNT", "1", "#5", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(engine::usesExtended(c.code, c.location, c.setValue), c.extended)
            << c.code << " | " << c.location << " | " << c.setValue;
    }
    editor::CodeGrid grid;
    fillExtended(grid, "LD|0; OUT|1000; LD|1; KEEP|1001; END; LD|0.01");
    EXPECT_EQ(editor::firstExtendedLine(grid), 4); // KEEP; the line after END does not count
}

// The preparation refuses bad extended lines with a warning naming the line, before the run.
TEST(ExtendedNotation, PreparationWarnsOfBadLines) {
    struct Case {
        const char* program;
        const char* title;
        int line;
    };
    const Case cases[] = {
        {"LD|0.00; OUT|W100.00; END", "ADDRESS Range", 2},
        {"LD|0.00; OUT|10.16; END", "ADDRESS Range", 2},
        {"LD|0.00; OUT|P_On; END", "ADDRESS Read-only", 2},
        {"LD|0.00; SET|TIM 3; END", "ADDRESS Read-only", 2},
        {"LD|0.00; TIM|128|#0010; END", "TIMER Range", 2},
        {"LD|0.00; LD|0.01; CNT|C200|#0010; END", "COUNTER Range", 3},
        {"LD|0.00; TIM|1|#12A4; END", "SET-VALUE Range", 2},
        {"LD|0.00; TIMH|1|10000; END", "SET-VALUE Range", 2},
        {"LD|0.00; JMP|50; JME|50; END", "JUMP Range", 2},
        {"LD|0.00; JMP|1; LD|0.01; OUT|10.00; END", "JUMP Pairs", 2},
        {"LD|0.00; OUT|10.00; JME|3; END", "JUMP Pairs", 3},
        {"LD|0.00; JMP|1; LD|0.00; JMP|1; JME|1; JME|1; END", "JUMP Pairs", 4},
        {"LD|0.00; TIM|5|#0010; LD|0.01; LD|0.02; CNT|5|#0003; END", "TIMER/COUNTER Number", 5},
        {"LD|0.00; LD|0.01; LD|0.02; SFT|W0.00|HR0.03; END", "SHIFT Range", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        ExtendedRun run(c.program);
        EXPECT_EQ(run.started, panel::StartResult::Refused);
        ASSERT_EQ(run.boxes.shown.size(), 1U);
        EXPECT_EQ(run.boxes.shown[0].title, c.title);
        EXPECT_EQ(run.grid.line(), c.line);
        EXPECT_NE(run.boxes.shown[0].text.find("at line " + engine::numberText(c.line) + "."),
                  std::string::npos)
            << run.boxes.shown[0].text;
    }
    // An unknown word is left to the run, which stops there as in a classic program.
    ExtendedRun unknown("LD|0.00; KEPE|10.00; END");
    ASSERT_EQ(unknown.started, panel::StartResult::Started);
    EXPECT_EQ(unknown.scan(0), 2);
}

// A classic program meets KEEP as it always has: the run stops at it.
TEST(ExtendedNotation, ClassicProgramsKeepTheirReading) {
    ExtendedRun run("LD|0; LD|1; KEEP|1000; END");
    run.grid.setInstructionSet(engine::InstructionSet::Classic);
    ASSERT_EQ(panel::startRun(run.grid, run.plc, run.boxes), panel::StartResult::Started);
    EXPECT_EQ(run.scan(1), 3);
    // "0.01" is read by the classic set as the number 0, as ever.
    ExtendedRun dotted("LD|0.01; OUT|1000; END");
    dotted.grid.setInstructionSet(engine::InstructionSet::Classic);
    ASSERT_EQ(panel::startRun(dotted.grid, dotted.plc, dotted.boxes), panel::StartResult::Started);
    dotted.scan(1);
    EXPECT_TRUE(dotted.panel.outputLamp[0]);
}

} // namespace
} // namespace rungbox::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The word instructions against values worked by hand from the makers' manuals: BCD arithmetic
// with its carry, the compare flags, operands that are no BCD, the "@" forms, set values held in
// words, and the data memory across Stop and Run.

#include "ExtendedRun.h"
#include "engine/Bcd.h"
#include "engine/WordAddress.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::WordAddress;
using engine::WordArea;

WordAddress dm(int n) {
    return {WordArea::Dm, n};
}

struct WordRun : ExtendedRun {
    using ExtendedRun::ExtendedRun;
    std::uint16_t word(const std::string& text) const {
        const auto address = engine::parseWordAddress(text);
        assert(address.has_value());
        return plc.word(*address);
    }
};

TEST(WordAddresses, EverySpellingReadsOneWord) {
    const struct {
        const char* text;
        std::optional<WordAddress> expected;
    } cases[] = {
        {"10", WordAddress{WordArea::Channel, 10}},
        {"010", WordAddress{WordArea::Channel, 10}},
        {"CIO 10", WordAddress{WordArea::Channel, 10}},
        {"ir255", WordAddress{WordArea::Channel, 255}},
        {"256", std::nullopt},
        {"10.00", std::nullopt}, // a bit, not a word
        {"W99", WordAddress{WordArea::Work, 99}},
        {"W100", std::nullopt},
        {"HR19", WordAddress{WordArea::Holding, 19}},
        {"H 2", WordAddress{WordArea::Holding, 2}},
        {"HR20", std::nullopt},
        {"AR15", WordAddress{WordArea::Auxiliary, 15}},
        {"DM0100", WordAddress{WordArea::Dm, 100}},
        {"D100", WordAddress{WordArea::Dm, 100}},
        {"dm 1023", WordAddress{WordArea::Dm, 1023}},
        {"DM1024", std::nullopt},
        {"DM6144", WordAddress{WordArea::Dm, 6144}},
        {"DM6599", WordAddress{WordArea::Dm, 6599}},
        {"DM6600", std::nullopt},
        {"TIM 3", WordAddress{WordArea::TimerValue, 3}},
        {"C127", WordAddress{WordArea::CounterValue, 127}},
        {"#0042", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine::parseWordAddress(c.text), c.expected) << c.text;
        if (c.expected) {
            EXPECT_EQ(engine::parseWordAddress(engine::wordAddressText(*c.expected)), c.expected);
        }
    }
    EXPECT_EQ(engine::wordAddressText(dm(7)), "DM0007");
    EXPECT_EQ(engine::parseWordOperand("#FFFF")->value, 0xFFFF);
    EXPECT_EQ(engine::parseWordOperand("#1")->value, 1);
    EXPECT_EQ(engine::parseWordOperand("&65535")->value, 65535);
    EXPECT_FALSE(engine::parseWordOperand("&65536"));
    EXPECT_FALSE(engine::parseWordOperand("#10000"));
    EXPECT_FALSE(engine::parseWordOperand("#G"));
    EXPECT_EQ(engine::wordOperandText(*engine::parseWordOperand("&255")), "#00FF");
    EXPECT_TRUE((WordAddress{WordArea::Dm, 6144}).readOnly());
    EXPECT_FALSE((WordAddress{WordArea::Dm, 1023}).readOnly());
    EXPECT_TRUE((WordAddress{WordArea::Channel, 253}).readOnly());
}

TEST(Bcd, DigitsRoundTripAndNonBcdIsRefused) {
    EXPECT_EQ(engine::toBcd(1234), 0x1234);
    EXPECT_EQ(engine::fromBcd(0x9999), 9999);
    EXPECT_EQ(engine::fromBcd(0x0000), 0);
    EXPECT_FALSE(engine::fromBcd(0x000A));
    EXPECT_FALSE(engine::fromBcd(0xA000));
    for (int v = 0; v <= 9999; v += 37) {
        EXPECT_EQ(engine::fromBcd(engine::toBcd(v)), v);
    }
}

// One scan of a program with 0.00 on; the words and flags after it.
struct Case {
    const char* name;
    const char* program;
    std::vector<std::pair<const char*, std::uint16_t>> words;
    std::vector<std::pair<const char*, bool>> flags;
};

const Case kArithmetic[] = {
    {"ADD: 1234 + 4321",
     "LD|0.00; CLC; ADD|#1234|#4321; |DM0000; END",
     {{"DM0000", 0x5555}},
     {{"P_CY", false}, {"P_EQ", false}, {"P_ER", false}}},
    {"ADD: a sum above 9999 keeps four digits, carry on",
     "LD|0.00; CLC; ADD|#9999|#0001; |DM0000; END",
     {{"DM0000", 0x0000}},
     {{"P_CY", true}, {"P_EQ", true}}},
    {"ADD: the carry takes part",
     "LD|0.00; STC; ADD|#0001|#0001; |DM0000; END",
     {{"DM0000", 0x0003}},
     {{"P_CY", false}}},
    {"SUB: 5000 - 1234",
     "LD|0.00; CLC; SUB|#5000|#1234; |DM0001; END",
     {{"DM0001", 0x3766}},
     {{"P_CY", false}}},
    {"SUB: a negative difference gives its ten's complement, carry on",
     "LD|0.00; CLC; SUB|#0001|#0002; |DM0001; END",
     {{"DM0001", 0x9999}},
     {{"P_CY", true}}},
    {"SUB: the carry is taken too",
     "LD|0.00; STC; SUB|#0005|#0002; |DM0001; END",
     {{"DM0001", 0x0002}},
     {{"P_CY", false}}},
    {"ADD: an operand that is no BCD sets P_ER, the result stays",
     "LD|0.00; MOV|#7777|DM0002; CLC; ADD|#000A|#0001; |DM0002; END",
     {{"DM0002", 0x7777}},
     {{"P_ER", true}}},
    {"MOV clears P_ER again; MOV of 0 sets P_EQ",
     "LD|0.00; MOV|#00A0|DM9; INC|DM9; MOV|#0000|DM0003; END",
     {{"DM0003", 0}},
     {{"P_ER", false}, {"P_EQ", true}}},
    {"INC and DEC in BCD, wrapping",
     "LD|0.00; MOV|#0009|DM0; INC|DM0; MOV|#9999|DM1; INC|DM1; "
     "MOV|#0000|DM2; DEC|DM2; END",
     {{"DM0", 0x0010}, {"DM1", 0x0000}, {"DM2", 0x9999}},
     {}},
    {"INC of a word that is no BCD sets P_ER and leaves it",
     "LD|0.00; MOV|#00FF|DM0; INC|DM0; END",
     {{"DM0", 0x00FF}},
     {{"P_ER", true}}},
    {"MVN, BIN and BCD",
     "LD|0.00; MVN|#00FF|DM0; BIN|#0100|DM1; BCD|#0100|DM2; END",
     {{"DM0", 0xFF00}, {"DM1", 100}, {"DM2", 0x0256}},
     {}},
    {"BCD of a value above 9999 sets P_ER",
     "LD|0.00; MOV|#1|DM2; BCD|#2710|DM2; END",
     {{"DM2", 1}},
     {{"P_ER", true}}},
    {"CMP: greater",
     "LD|0.00; CMP|#0005|#0003; END",
     {},
     {{"P_GT", true}, {"P_EQ", false}, {"P_LT", false}}},
    {"CMP: equal",
     "LD|0.00; CMP|#0003|#0003; END",
     {},
     {{"P_GT", false}, {"P_EQ", true}, {"P_LT", false}}},
    {"CMP: less, unsigned",
     "LD|0.00; CMP|#0003|#FFFF; END",
     {},
     {{"P_GT", false}, {"P_EQ", false}, {"P_LT", true}}},
    {"Words of bits: MOV into the lamps' channel and from W",
     "LD|0.00; MOV|#8001|W3; MOV|W3|10; MOV|0|DM5; END",
     {{"10", 0x8001}, {"W3", 0x8001}, {"DM5", 0x0001}},
     {}},
    {"Word instructions do nothing while their condition is off",
     "LD|0.01; MOV|#1234|DM0; END",
     {{"DM0", 0}},
     {}},
};

TEST(WordInstructions, ValuesAndFlagsAsTheManualsGiveThem) {
    for (const Case& c : kArithmetic) {
        WordRun run(c.program);
        ASSERT_EQ(run.started, panel::StartResult::Started) << c.name;
        ASSERT_EQ(run.scan(1), 0) << c.name;
        for (const auto& [address, value] : c.words) {
            EXPECT_EQ(run.word(address), value) << c.name << ": " << address;
        }
        for (const auto& [flag, on] : c.flags) {
            EXPECT_EQ(run.bit(flag), on) << c.name << ": " << flag;
        }
    }
    // The lamps show channel 10 at END.
    WordRun lamps("LD|0.00; MOV|#8001|10; END");
    lamps.scan(1);
    EXPECT_TRUE(lamps.panel.outputLamp[0]);
    EXPECT_TRUE(lamps.panel.outputLamp[15]);
    EXPECT_FALSE(lamps.panel.outputLamp[1]);
}

TEST(WordInstructions, DifferentiatedFormsRunOnceOnTheRisingEdge) {
    WordRun run("LD|0.00; @INC|DM0; LD|0.00; INC|DM1; END");
    for (const unsigned inputs : {1U, 1U, 1U, 0U, 1U}) {
        run.scan(inputs);
    }
    EXPECT_EQ(run.word("DM0"), 0x0002); // two rising edges
    EXPECT_EQ(run.word("DM1"), 0x0004); // four scans with the condition on
}

TEST(WordInstructions, TimersAndCountersTakeTheirSetValueFromAWord) {
    WordRun run("LD|P_First_Cycle; MOV|#0003|DM0010; LD|0.00; TIM|0|DM0010; LD|TIM0; OUT|10.00; "
                "LD|0.01; LD|0.02; CNT|1|DM0011; MOV|CNT 1|DM0012; END");
    ASSERT_EQ(run.started, panel::StartResult::Started);
    run.scan(0); // the timer's input off: it takes its set value
    EXPECT_EQ(run.word("TIM 0"), 0x0003);
    run.scan(1);
    for (int t = 0; t < 2; ++t) {
        run.plc.tick();
        run.scan(1);
    }
    EXPECT_FALSE(run.panel.outputLamp[0]);
    run.plc.tick();
    run.scan(1);
    EXPECT_TRUE(run.panel.outputLamp[0]);

    // A set value that is no BCD sets P_ER and the counter does not run.
    run.plc.setWord(dm(11), 0x00AB);
    run.scan(2);
    EXPECT_TRUE(run.bit("P_ER"));
    run.plc.setWord(dm(11), 0x0005);
    run.scan(0);
    run.scan(2); // a count: the counter runs again, from its value at the start (0)
    EXPECT_FALSE(run.bit("P_ER"));
}

TEST(WordInstructions, DataMemoryAndHoldingKeepAcrossStopAndRunUntilNewOrLoad) {
    WordRun run("LD|0.00; MOV|#0042|DM0100; MOV|#0007|HR2; MOV|#0001|W0; END");
    run.scan(1);
    run.plc.setWord(dm(6144), 0x1234); // the read-only area, as a script loads it
    run.plc.reset();                   // Stop, then Run
    EXPECT_EQ(run.word("DM0100"), 0x0042);
    EXPECT_EQ(run.word("HR2"), 0x0007);
    EXPECT_EQ(run.word("W0"), 0);
    EXPECT_EQ(run.word("DM6144"), 0x1234);
    run.plc.clearRetained(); // New, Load
    EXPECT_EQ(run.word("DM0100"), 0);
    EXPECT_EQ(run.word("DM6144"), 0);
}

TEST(WordInstructions, ForcedWordsKeepTheirValues) {
    WordRun run("LD|0.00; MOV|#1111|DM0; MOV|#2222|10; END");
    run.plc.forceWord(dm(0), 0x0005);
    run.plc.forceWord({WordArea::Channel, 10}, 0x0003);
    run.scan(1);
    EXPECT_EQ(run.word("DM0"), 0x0005);
    EXPECT_EQ(run.word("10"), 0x0003);
    EXPECT_EQ(run.plc.forcedWord({WordArea::Channel, 10}), 0x0003);
    run.plc.unforceWord(dm(0));
    run.scan(1);
    EXPECT_EQ(run.word("DM0"), 0x1111);
}

TEST(WordInstructions, OperandLinesAndBadOperandsAreCheckedBeforeTheRun) {
    const struct {
        const char* program;
        const char* warning; // empty: the run starts
    } cases[] = {
        {"LD|0.00; ADD|#1|#2; |DM0; END", ""},
        {"LD|0.00; ADD|#1|#2; END", "Third operand missing below line  2."},
        {"LD|0.00; ADD|#1|#2; OUT|10.00; END", "Third operand missing below line  2."},
        {"LD|0.00; MOV|#1|DM2000; END", "Operand out of range at line  2."},
        {"LD|0.00; MOV|DM0|#0001; END", "Operand cannot be written at line  2."},
        {"LD|0.00; MOV|DM0|DM6144; END", "Operand cannot be written at line  2."},
        {"LD|0.00; INC|TIM 0; END", "Operand cannot be written at line  2."},
        {"LD|0.00; MOV|#1|254; END", "Operand cannot be written at line  2."},
        {"LD|0.00; TIM|0|DM0001; END", ""},
        {"LD|0.00; TIM|0|#1|; END", ""},
    };
    for (const auto& c : cases) {
        WordRun run(c.program);
        const std::string text = run.boxes.shown.empty() ? "" : run.boxes.shown.front().text;
        EXPECT_EQ(text.substr(0, std::string(c.warning).size()), c.warning) << c.program;
        EXPECT_EQ(run.started == panel::StartResult::Started, std::string(c.warning).empty())
            << c.program;
    }
    // CMP has no "@" form: the run stops at it as at any line it cannot execute.
    WordRun at("LD|0.00; @CMP|#1|#2; END");
    EXPECT_EQ(at.scan(1), 2);
}

} // namespace
} // namespace rungbox::test

#include "engine/LineSyntax.h"
#include "engine/Instruction.h"

#include <gtest/gtest.h>

namespace rungbox::engine {
namespace {

TEST(Words, BlanksSeparateAndRunsOfBlanksCountAsOne) {
    const Words w = splitWords("  LD   NOT  CNT  ");
    ASSERT_EQ(w.count, 3);
    EXPECT_EQ(w[0], "LD");
    EXPECT_EQ(w[1], "NOT");
    EXPECT_EQ(w[2], "CNT");
    EXPECT_EQ(w[3], "");
}

TEST(Words, TabIsPartOfAWord) {
    const Words w = splitWords("LD\tNOT");
    ASSERT_EQ(w.count, 1);
    EXPECT_EQ(w[0], "LD\tNOT");
}

TEST(Words, AtMostElevenWordsAreHeld) {
    const Words w = splitWords("A B C D E F G H I J K L M");
    EXPECT_EQ(w.count, kMaxWords);
    EXPECT_EQ(w[10], "K");
}

TEST(Words, EmptyAndBlankCellsHaveNoWords) {
    EXPECT_EQ(splitWords("").count, 0);
    EXPECT_EQ(splitWords("    ").count, 0);
}

struct NumberRow {
    const char* cell;
    int value;
};

class ReadNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(readNumber(GetParam().cell), GetParam().value) << '"' << GetParam().cell << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ReadNumber,
    testing::Values(
        NumberRow{"", 0}, NumberRow{"abc", 0}, NumberRow{"0000", 0}, NumberRow{"01000", 1000},
        NumberRow{"12abc", 12}, NumberRow{"  7  ", 7}, NumberRow{"1 2\t3\n4", 1234},
        NumberRow{"\r5", 0}, NumberRow{"5\r6", 5}, NumberRow{"-1", -1}, NumberRow{"+42", 42},
        NumberRow{"- 3", -3}, NumberRow{"--3", 0}, NumberRow{"2.5", 2}, NumberRow{"3.5", 4},
        NumberRow{"12.5", 12}, NumberRow{"2.51", 3}, NumberRow{"2.4999", 2}, NumberRow{"-2.5", -2},
        NumberRow{"-3.5", -4}, NumberRow{".5", 0}, NumberRow{".6", 1}, NumberRow{"5.", 5},
        NumberRow{"1e3", 1}, NumberRow{"32767", 32767}, NumberRow{"32768", 32767},
        NumberRow{"99999999999999999999", 32767}, NumberRow{"-32768", -32768},
        NumberRow{"-40000", -32768}, NumberRow{"32767.5", 32767}, NumberRow{"1.2.3", 1}));

TEST(NumberText, StrPutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(strNumber(5), " 5");
    EXPECT_EQ(strNumber(0), " 0");
    EXPECT_EQ(strNumber(20000), " 20000");
    EXPECT_EQ(strNumber(-3), "-3");
}

TEST(NumberText, TimerDisplaysTenthsWithOneDecimal) {
    EXPECT_EQ(timerText(0), "0.0");
    EXPECT_EQ(timerText(5), "0.5");
    EXPECT_EQ(timerText(55), "5.5");
    EXPECT_EQ(timerText(125), "12.5");
    EXPECT_EQ(timerText(600), "60.0");
    EXPECT_EQ(timerText(-3), "-0.3");
    EXPECT_EQ(timerText(-32768), "-3276.8");
}

struct FormRow {
    const char* code;
    OpCode op;
    Operand operand;
    bool negated;
};

class Forms : public testing::TestWithParam<FormRow> {};

TEST_P(Forms, DecodeAsTheInstructionTableSays) {
    const Form f = decodeForm(GetParam().code);
    EXPECT_EQ(f.op, GetParam().op) << '"' << GetParam().code << '"';
    if (f.op != OpCode::Invalid) {
        EXPECT_EQ(f.operand, GetParam().operand) << GetParam().code;
        EXPECT_EQ(f.negated, GetParam().negated) << GetParam().code;
    }
}

constexpr auto R = Operand::Relay;
constexpr auto T = Operand::Timer;
constexpr auto C = Operand::Counter;
constexpr auto N = Operand::None;

INSTANTIATE_TEST_SUITE_P(
    Valid, Forms,
    testing::Values(
        FormRow{"LD", OpCode::Ld, R, false}, FormRow{" LD NOT ", OpCode::Ld, R, true},
        FormRow{"LD TIM", OpCode::Ld, T, false}, FormRow{"LD NOT CNT", OpCode::Ld, C, true},
        FormRow{"LD CNT XYZ", OpCode::Ld, C, false}, FormRow{"AND NOT TIM", OpCode::And, T, true},
        FormRow{"OR", OpCode::Or, R, false}, FormRow{"AND BLK", OpCode::AndBlk, N, false},
        FormRow{"OR BLK", OpCode::OrBlk, N, false}, FormRow{"OUT", OpCode::Out, R, false},
        FormRow{"OUT NOT", OpCode::OutNot, R, false}, FormRow{"TIM", OpCode::Tim, T, false},
        FormRow{"TIM ANYTHING", OpCode::Tim, T, false}, FormRow{"CNT", OpCode::Cnt, C, false},
        FormRow{"DIFU", OpCode::Difu, R, false}, FormRow{"SFT", OpCode::Sft, R, false},
        FormRow{"END", OpCode::End, N, false}, FormRow{"END OF PROGRAM", OpCode::End, N, false}));

INSTANTIATE_TEST_SUITE_P(Invalid, Forms,
                         testing::Values(FormRow{"", OpCode::Invalid, N, false},
                                         FormRow{"   ", OpCode::Invalid, N, false},
                                         FormRow{"ld", OpCode::Invalid, N, false},
                                         FormRow{"LD BLK", OpCode::Invalid, N, false},
                                         FormRow{"AND NOT BLK", OpCode::Invalid, N, false},
                                         FormRow{"OUT BLK", OpCode::Invalid, N, false},
                                         FormRow{"OUT TIM", OpCode::Invalid, N, false},
                                         FormRow{"LD NOT X", OpCode::Invalid, N, false},
                                         FormRow{"LD\tNOT", OpCode::Invalid, N, false},
                                         FormRow{"XYZ", OpCode::Invalid, N, false},
                                         FormRow{"NOT", OpCode::Invalid, N, false}));

} // namespace
} // namespace rungbox::engine

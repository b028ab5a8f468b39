#include "engine/LineSyntax.h"
#include "engine/Instruction.h"

#include <gtest/gtest.h>

namespace rungbox::engine {
namespace {

using NumberRow = std::pair<std::string, int>;
class ReadNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(ReadNumber, RoundsHalfToEvenSaturatesAndSkipsBlanks) {
    EXPECT_EQ(readNumber(GetParam().first), GetParam().second) << '"' << GetParam().first << '"';
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

using FormRow = std::tuple<std::string, OpCode, Operand, bool>;
class Forms : public testing::TestWithParam<FormRow> {};

TEST_P(Forms, DecodeAsTheInstructionTableSays) {
    const auto& [code, op, operand, negated] = GetParam();
    EXPECT_TRUE(decodeForm(code) == (Form{op, operand, negated})) << '"' << code << '"';
}

using enum OpCode;
constexpr auto R = Operand::Relay, T = Operand::Timer, C = Operand::Counter, N = Operand::None;

// Only blanks separate words; the scan tests hold the tab, lower case, BLK forms and empty cell.
INSTANTIATE_TEST_SUITE_P(
    Codes, Forms,
    testing::Values(FormRow{"LD", Ld, R, false}, FormRow{" LD NOT ", Ld, R, true},
                    FormRow{"LD TIM", Ld, T, false}, FormRow{"LD NOT CNT", Ld, C, true},
                    FormRow{"LD CNT XYZ", Ld, C, false}, FormRow{"  LD   NOT  CNT  ", Ld, C, true},
                    FormRow{"AND NOT TIM", And, T, true}, FormRow{"OR", Or, R, false},
                    FormRow{"AND BLK", AndBlk, N, false}, FormRow{"OR BLK", OrBlk, N, false},
                    FormRow{"OUT", Out, R, false}, FormRow{"OUT NOT", OutNot, R, false},
                    FormRow{"TIM", Tim, T, false}, FormRow{"TIM ANYTHING", Tim, T, false},
                    FormRow{"CNT", Cnt, C, false}, FormRow{"DIFU", Difu, R, false},
                    FormRow{"SFT", Sft, R, false}, FormRow{"END", End, N, false},
                    FormRow{"END OF PROGRAM", End, N, false},
                    FormRow{"END A B C D E F G H I J K L", End, N, false},
                    FormRow{"   ", Invalid, N, false}, FormRow{"OUT TIM", Invalid, N, false},
                    FormRow{"LD NOT X", Invalid, N, false}, FormRow{"XYZ", Invalid, N, false},
                    FormRow{"NOT", Invalid, N, false}));

} // namespace
} // namespace rungbox::engine

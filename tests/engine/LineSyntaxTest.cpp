// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/LineSyntax.h"

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

} // namespace
} // namespace rungbox::engine

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ConsoleBoxes.h"

#include <gtest/gtest.h>

namespace rungbox::sim {
namespace {

struct Row {
    const char* text;
    const char* printed;
};

class LineBreaks : public testing::TestWithParam<Row> {};

TEST_P(LineBreaks, BecomeSlashes) {
    EXPECT_EQ(ConsoleBoxes::format(GetParam().text, "T"), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreaks,
    testing::Values(Row{"one line", "message [T]: one line"}, Row{"a\r\nb", "message [T]: a / b"},
                    Row{"a\rb", "message [T]: a / b"}, Row{"a\nb", "message [T]: a / b"},
                    // LF CR is two breaks: the CR does not belong to the LF before it.
                    Row{"a\n\rb", "message [T]: a /  / b"},
                    Row{"a\r\n\r\nb", "message [T]: a /  / b"}, Row{"a\r", "message [T]: a / "},
                    Row{"", "message [T]: "}));

} // namespace
} // namespace rungbox::sim

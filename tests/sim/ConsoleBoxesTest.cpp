#include "sim/ConsoleBoxes.h"

#include <gtest/gtest.h>

#include <sstream>

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

TEST(ConsoleBoxes, PrintsOneLineAndAnswersWithoutAsking) {
    std::ostringstream out;
    ConsoleBoxes boxes(out);
    EXPECT_EQ(boxes.MsgBox("Timer out of range at line  3.\r\nValid Range: 0 to  7",
                           engine::MsgStyle::Exclamation, "TIMER Range"),
              engine::MsgAnswer::Ok);
    EXPECT_EQ(boxes.MsgBox("Save?", engine::MsgStyle::YesNoCancel | engine::MsgStyle::Question,
                           engine::kAppTitle),
              engine::MsgAnswer::No);
    EXPECT_EQ(boxes.MsgBox("Close?", engine::MsgStyle::YesNo, engine::kAppTitle),
              engine::MsgAnswer::No);
    EXPECT_EQ(out.str(), "message [TIMER Range]: Timer out of range at line  3. / Valid Range: 0 "
                         "to  7\nmessage [rungbox]: Save?\nmessage [rungbox]: Close?\n");
}

} // namespace
} // namespace rungbox::sim

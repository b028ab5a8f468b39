#include "sim/ScriptLine.h"

#include <gtest/gtest.h>

namespace rungbox::sim {
namespace {

using Kind = ScriptLine::Kind;

TEST(ScriptLine, SkipsBlankAndCommentLines) {
    for (const char* text :
         {"", "   ", "\t \t", "\r", "#", "# press", "  # indented comment", "#press"}) {
        EXPECT_EQ(parseScriptLine(text).kind, Kind::Skip) << '"' << text << '"';
    }
}

struct Accepted {
    const char* text;
    CommandKind kind;
    int number;
    bool on;
    std::int64_t count;
};

class AcceptedLine : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedLine, ReadsTheCommand) {
    const Accepted& row = GetParam();
    const ScriptLine line = parseScriptLine(row.text);
    ASSERT_EQ(line.kind, Kind::Command) << line.error;
    EXPECT_EQ(line.command.kind, row.kind);
    EXPECT_EQ(line.command.number, row.number);
    EXPECT_EQ(line.command.on, row.on);
    EXPECT_EQ(line.command.count, row.count);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedLine,
    testing::Values(Accepted{"in 0 1", CommandKind::In, 0, true, 1},
                    Accepted{"in 15 0", CommandKind::In, 15, false, 1},
                    Accepted{"  in\t7   1  ", CommandKind::In, 7, true, 1},
                    Accepted{"in 3 1\r", CommandKind::In, 3, true, 1},
                    Accepted{"scan", CommandKind::Scan, 0, false, 1},
                    Accepted{"scan 250", CommandKind::Scan, 0, false, 250},
                    Accepted{"tick", CommandKind::Tick, 0, false, 1},
                    Accepted{"tick 100000000", CommandKind::Tick, 0, false, 100000000},
                    Accepted{"wait 1", CommandKind::Wait, 0, false, 1},
                    Accepted{"wait 600000", CommandKind::Wait, 0, false, 600000},
                    Accepted{"press", CommandKind::Press, 0, false, 1},
                    Accepted{"show", CommandKind::Show, 0, false, 1},
                    Accepted{"list", CommandKind::List, 0, false, 1},
                    Accepted{"relay 0", CommandKind::Relay, 0, false, 1},
                    Accepted{"relay 20000", CommandKind::Relay, 20000, false, 1}));

class RefusedLine : public testing::TestWithParam<const char*> {};

TEST_P(RefusedLine, IsNotUnderstood) {
    const ScriptLine line = parseScriptLine(GetParam());
    EXPECT_EQ(line.kind, Kind::Error);
    EXPECT_FALSE(line.error.empty());
}

INSTANTIATE_TEST_SUITE_P(Unknown, RefusedLine,
                         testing::Values("PRESS", "Show", "run", "in0 1", "show;", "x # y"));
INSTANTIATE_TEST_SUITE_P(In, RefusedLine,
                         testing::Values("in", "in 0", "in 16 1", "in -1 1", "in 0 2", "in 0 -0",
                                         "in 0 1 1", "in 00 1", "in 0 01", "in 1.0 1", "in +1 1",
                                         "in 0x1 1", "in 0 on"));
INSTANTIATE_TEST_SUITE_P(Counts, RefusedLine,
                         testing::Values("scan 0", "scan -1", "scan 100000001", "scan 1 2",
                                         "scan 1e3", "scan 010", "tick 0", "tick 9999999999999",
                                         "tick two", "wait", "wait 0", "wait 100000001",
                                         "wait 5 ms", "wait 1.5", "wait +5"));
INSTANTIATE_TEST_SUITE_P(Others, RefusedLine,
                         testing::Values("press now", "show all", "list 1", "relay", "relay 20001",
                                         "relay -1", "relay 1000 1001", "relay 01000",
                                         "relay 99999999999999999999"));

TEST(ScriptLine, NamesTheWordItRefuses) {
    EXPECT_EQ(parseScriptLine("jump 5").error, "unknown command \"jump\"");
    EXPECT_EQ(parseScriptLine("relay 20001").error,
              "relay takes an address from 0 to 20000, not \"20001\"");
    EXPECT_EQ(parseScriptLine("in 16 1").error,
              "in takes a switch number 0 to 15 and a state 0 or 1, not switch \"16\"");
}

} // namespace
} // namespace rungbox::sim

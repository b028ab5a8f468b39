// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ScriptLine.h"
#include "sim/Script.h"

#include "machines/ModuleHost.h"

#include <sstream>

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

// Every command form runs in the script cases; these are the edges of what is accepted.
TEST(ScriptLine, AcceptsTheEdgesOfEachRange) {
    for (const char* text :
         {"in 0 1", "in 15 0", "  in\t7   1  ", "in 3 1\r", "scan", "tick 100000000", "wait 1",
          "relay 0", "relay 20000", "trace 0", "trace 20000", "save out.PLC", "force 0 1",
          "force 20000 0", "unforce 20000", "step", "break 1", "unbreak 299"}) {
        EXPECT_EQ(parseScriptLine(text).kind, Kind::Command) << '"' << text << '"';
    }
}

// An expect line keeps what it checks and the text it must read, exactly as written.
TEST(ScriptLine, ReadsExpectLines) {
    struct Row {
        const char* text;
        Observed observed;
        int number;
        const char* expected;
    };
    for (const Row& row : {
             Row{"expect relay 20000 1", Observed::Relay, 20000, "1"},
             Row{"expect relay 0 0", Observed::Relay, 0, "0"},
             Row{"expect in 1000000000000001", Observed::Inputs, 0, "1000000000000001"},
             Row{"expect  out\t0110000000000000\r", Observed::Outputs, 0, "0110000000000000"},
             Row{"expect tim 7 60.0", Observed::Timer, 7, "60.0"},
             Row{"expect tim 0 0.0", Observed::Timer, 0, "0.0"},
             Row{"expect cnt 7 9999", Observed::Counter, 7, "9999"},
             Row{"expect cnt 3 0", Observed::Counter, 3, "0"},
         }) {
        const ScriptLine line = parseScriptLine(row.text);
        ASSERT_EQ(line.kind, Kind::Command) << row.text << ": " << line.error;
        EXPECT_EQ(line.command.kind, CommandKind::Expect) << row.text;
        EXPECT_EQ(line.command.observed, row.observed) << row.text;
        EXPECT_EQ(line.command.number, row.number) << row.text;
        EXPECT_EQ(line.command.expected, row.expected) << row.text;
    }
}

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
                                         "in 0 1 1", "in 00 1", "in 0 01", "in 0x1 1"));
INSTANTIATE_TEST_SUITE_P(Counts, RefusedLine,
                         testing::Values("scan 0", "scan 100000001", "scan 1 2", "scan 010",
                                         "tick 0", "tick 9999999999999", "wait", "wait 1.5"));
INSTANTIATE_TEST_SUITE_P(Others, RefusedLine,
                         testing::Values("press now", "show all", "relay", "relay 20001",
                                         "relay -1", "relay 01000", "relay 99999999999999999999",
                                         "trace 20001", "trace in0", "save", "save a b"));

// The complaints of the count commands read as sentences.
TEST(ScriptLine, CountComplaints) {
    const std::pair<const char*, const char*> rows[] = {
        {"scan 0", "scan takes an optional count, a whole number from 1 to 100000000, not \"0\""},
        {"tick 1 2", "tick takes an optional count, a whole number from 1 to 100000000"},
        {"wait", "wait takes milliseconds, a whole number from 1 to 100000000"},
    };
    for (const auto& [text, why] : rows) {
        EXPECT_EQ(parseScriptLine(text).error, why);
    }
}

// A complaint repeats a word escaped and cut, so that a script cannot recolour or flood the
// terminal it is reported on.
TEST(ScriptLine, ComplaintsShowWordsEscapedAndCut) {
    using namespace std::string_literals;
    const std::string forty(kShownWordBytes, 'a');
    const std::pair<std::string, std::string> rows[] = {
        {"\x1b[31mscan", "unknown command \"\\x1b[31mscan\""},
        {"in 0 \r1", "in takes a switch number 0 to 15 and a state 0 or 1, not state \"\\x0d1\""},
        {"sc\0an"s, "unknown command \"sc\\x00an\""},
        {"\\\x7f\xc3\xa9", "unknown command \"\\\\\\x7f\\xc3\\xa9\""},
        {forty, "unknown command \"" + forty + "\""},
        {std::string(1 << 20, 'a'), "unknown command \"" + forty + "\"..."},
    };
    for (const auto& [text, why] : rows) {
        EXPECT_EQ(parseScriptLine(text).error, why);
    }
    EXPECT_EQ(shownWord("2.5\x1b"), "2.5\\x1b");
}

INSTANTIATE_TEST_SUITE_P(Debugging, RefusedLine,
                         testing::Values("force 20001 1", "force 0", "force 0 2", "force 00 1",
                                         "unforce", "unforce 20001", "unforce 5 1", "step 1",
                                         "break 0", "break 300", "break", "unbreak 1 2"));

INSTANTIATE_TEST_SUITE_P(Machines, RefusedLine,
                         testing::Values("module", "module Gate", "module gate conveyor", "plant 1",
                                         "gate", "gate car", "gate car 2", "gate button 1 1",
                                         "gate start", "conveyor car 1", "conveyor button",
                                         "conveyor stop 01", "gate stop on"));

// The machines' commands, read into their command fields.
TEST(ScriptLine, ReadsTheMachinesCommands) {
    struct Row {
        const char* text;
        CommandKind kind;
        int number;
        Hand hand;
        bool momentary;
        bool on;
    };
    const Row rows[] = {
        {"module none", CommandKind::Module, 0, Hand::GateButton, false, false},
        {"module conveyor", CommandKind::Module, 2, Hand::GateButton, false, false},
        {"plant", CommandKind::Plant, 0, Hand::GateButton, false, false},
        {"gate button", CommandKind::Hand, 0, Hand::GateButton, true, false},
        {"gate stop 1", CommandKind::Hand, 0, Hand::GateStop, false, true},
        {"gate car 0", CommandKind::Hand, 0, Hand::GateCar, false, false},
        {"conveyor start 0", CommandKind::Hand, 0, Hand::ConveyorStart, false, false},
        {"conveyor stop", CommandKind::Hand, 0, Hand::ConveyorStop, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const ScriptLine line = parseScriptLine(row.text);
        ASSERT_EQ(line.kind, Kind::Command);
        EXPECT_EQ(line.command.kind, row.kind);
        EXPECT_EQ(line.command.number, row.number);
        if (row.kind == CommandKind::Hand) {
            EXPECT_EQ(line.command.hand, row.hand);
            EXPECT_EQ(line.command.momentary, row.momentary);
            EXPECT_EQ(line.command.on, row.on);
        }
    }
}

// The machines drawn from scenes take their controls by the words of their tables: a button
// pressed, held or released, a switch set; anything else is refused with what they take.
TEST(ScriptLine, ReadsEachMachinesControlsFromItsTable) {
    for (const machines::ModuleKind kind :
         {machines::ModuleKind::Motor, machines::ModuleKind::Tank, machines::ModuleKind::Traffic,
          machines::ModuleKind::CarPark}) {
        const std::string module(machines::moduleWord(kind));
        const auto controls = machines::moduleControls(kind);
        ASSERT_FALSE(controls.empty()) << module;
        const std::string usage = parseScriptLine(module).error;
        EXPECT_EQ(usage.rfind(module + " takes ", 0), 0U) << usage;
        for (std::size_t k = 0; k < controls.size(); ++k) {
            const std::string control = module + " " + std::string(controls[k].word);
            SCOPED_TRACE(control);
            EXPECT_NE(usage.find(controls[k].word), std::string::npos);
            const bool button = controls[k].kind == machines::ControlKind::Button;
            const ScriptLine bare = parseScriptLine(control);
            ASSERT_EQ(bare.kind, button ? Kind::Command : Kind::Error);
            if (button) {
                EXPECT_TRUE(bare.command.momentary);
            }
            const ScriptLine on = parseScriptLine(control + " 1");
            ASSERT_EQ(on.kind, Kind::Command);
            EXPECT_EQ(on.command.kind, CommandKind::Hand);
            EXPECT_EQ(on.command.hand, Hand::Control);
            EXPECT_EQ(on.command.number, static_cast<int>(kind));
            EXPECT_EQ(on.command.control, k);
            EXPECT_TRUE(on.command.on);
            EXPECT_FALSE(on.command.momentary);
            EXPECT_FALSE(parseScriptLine(control + " 0").command.on);
            EXPECT_EQ(parseScriptLine(control + " 2").error, usage + ", not \"2\"");
            EXPECT_EQ(parseScriptLine(control + " 1 1").kind, Kind::Error);
        }
        EXPECT_EQ(parseScriptLine(module + " Nothing").error, usage + ", not \"Nothing\"");
        EXPECT_EQ(parseScriptLine("module " + module).command.number, static_cast<int>(kind));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Expect, RefusedLine,
    testing::Values("expect", "expect relay 1", "expect relay 20001 1", "expect relay 0 2",
                    "expect lamp 1", "expect out 000000000000000", "expect out 00000000000000000",
                    "expect in 000000000000000x", "expect tim 8 0.0", "expect tim 0 60.1",
                    "expect tim 0 3", "expect tim 0 3.00", "expect tim 0 03.0", "expect tim 0 .5",
                    "expect cnt 8 0", "expect cnt 0 10000", "expect cnt 0 01", "expect cnt 0 0 0"));

// A test line: its name, its points (1 when left out) and whether it is hidden.
TEST(ScriptLine, ReadsTestLines) {
    struct Row {
        const char* text;
        const char* name;
        std::int64_t points;
        bool hidden;
    };
    for (const Row& row : {
             Row{"test latch", "latch", 1, false},
             Row{"test stop_wins 3 hidden", "stop_wins", 3, true},
             Row{"test A-1.b hidden", "A-1.b", 1, true},
             Row{"test zero 0", "zero", 0, false},
             Row{"test max 10000", "max", 10000, false},
         }) {
        const ScriptLine line = parseScriptLine(row.text);
        ASSERT_EQ(line.kind, Kind::Command) << row.text << ": " << line.error;
        EXPECT_EQ(line.command.kind, CommandKind::Test) << row.text;
        EXPECT_EQ(line.command.name, row.name) << row.text;
        EXPECT_EQ(line.command.count, row.points) << row.text;
        EXPECT_EQ(line.command.hidden, row.hidden) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Test, RefusedLine,
                         testing::Values("test", "test a b", "test a 10001", "test a -1",
                                         "test a 01", "test a hidden 2", "test a 2 hidden x",
                                         "test a 2 2", "test a,b", "test a#b", "test \"a\"",
                                         "test "
                                         "a12345678901234567890123456789012345678901234567890123"
                                         "45678901234"));

// A script read whole: the tests it declares, and a name used twice as a line not understood.
TEST(Script, ListsItsTestsAndRefusesANameUsedTwice) {
    std::istringstream text("press\ntest a 2\nexpect relay 0 0\n\ntest b hidden\ntest a\n");
    const Script script = readScript(text);
    ASSERT_EQ(script.tests.size(), 2U);
    EXPECT_EQ(script.tests[1].name, "b");
    EXPECT_EQ(script.tests[1].line, 5);
    EXPECT_TRUE(script.tests[1].hidden);
    EXPECT_EQ(script.maxScore(), 3);
    const ScriptStep* bad = script.firstError();
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->number, 6);
    EXPECT_EQ(script.testIndex("b"), 1);
    EXPECT_EQ(script.testIndex("c"), -1);
}

} // namespace
} // namespace rungbox::sim

namespace rungbox::sim {
namespace {

// Data words in extended programs' scripts: each spelling gives the word and value it names;
// a classic script reads none of these lines, so its complaints stay as they were.
TEST(ScriptLine, ReadsWordCommandsOfExtendedPrograms) {
    using engine::WordArea;
    struct Row {
        const char* text;
        CommandKind kind;
        WordArea area;
        int number;
        std::uint16_t value;
    };
    for (const Row& row : {
             Row{"expect word DM0100 #0042", CommandKind::Expect, WordArea::Dm, 100, 0x42},
             Row{"expect word 10 #8001", CommandKind::Expect, WordArea::Channel, 10, 0x8001},
             Row{"expect word D100 &66", CommandKind::Expect, WordArea::Dm, 100, 66},
             Row{"expect word TIM 3 #0012", CommandKind::Expect, WordArea::TimerValue, 3, 0x12},
             Row{"set dm 100 #0123", CommandKind::Set, WordArea::Dm, 100, 0x123},
             Row{"set dm 6599 &65535", CommandKind::Set, WordArea::Dm, 6599, 0xffff},
             Row{"set word HR2 #1", CommandKind::Set, WordArea::Holding, 2, 1},
             Row{"set word CNT 7 #9999", CommandKind::Set, WordArea::CounterValue, 7, 0x9999},
             Row{"show W3", CommandKind::Show, WordArea::Work, 3, 0},
             Row{"show CIO 255", CommandKind::Show, WordArea::Channel, 255, 0},
         }) {
        const ScriptLine line = parseScriptLine(row.text, engine::InstructionSet::Extended);
        ASSERT_EQ(line.kind, Kind::Command) << row.text << ": " << line.error;
        EXPECT_EQ(line.command.kind, row.kind) << row.text;
        ASSERT_TRUE(line.command.word.has_value()) << row.text;
        EXPECT_EQ(line.command.word->area, row.area) << row.text;
        EXPECT_EQ(line.command.word->number, row.number) << row.text;
        EXPECT_EQ(line.command.value, row.value) << row.text;
        EXPECT_EQ(parseScriptLine(row.text).kind, Kind::Error) << row.text;
    }
    EXPECT_EQ(
        parseScriptLine("expect word DM0 &66", engine::InstructionSet::Extended).command.expected,
        "#0042");
    EXPECT_FALSE(parseScriptLine("show", engine::InstructionSet::Extended).command.word);
}

TEST(ScriptLine, RefusesBadWordCommands) {
    for (const char* text : {"expect word DM0100",
                             "expect word DM0100 42",
                             "expect word DM0100 #10000",
                             "expect word DM1024 #0",
                             "expect word #0042 #0042",
                             "expect word DM0 &65536",
                             "expect word TIM 3 4 #0",
                             "set dm 1024 #0",
                             "set dm 6143 #0",
                             "set dm 6600 #0",
                             "set dm 0100 #0",
                             "set dm DM0100 #0",
                             "set dm 1",
                             "set word HR20 #0",
                             "set hr 2 #0",
                             "set word TIM 3 #00AB",
                             "set word CNT 1 &10",
                             "show DM",
                             "show TIM 3 4",
                             "show #0001"}) {
        EXPECT_EQ(parseScriptLine(text, engine::InstructionSet::Extended).kind, Kind::Error)
            << text;
    }
}

} // namespace
} // namespace rungbox::sim

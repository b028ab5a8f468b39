// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of grading a folder that the report checks under grading/ do not reach one by one:
// command-line options, the VCD names of failing runs and the text every report is made of.
#include "sim/Grader.h"
#include "sim/Options.h"
#include "sim/Reports.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rungbox::sim {
namespace {

TEST(GradeOptions, ReadsOptionsUpToTheFirstOperand) {
    std::string error;
    const auto options = parseOptions({"--tap", "-", "--jobs", "3", "--test", "latch", "--vcd-dir",
                                       "runs", "motor.script", "--csv", "a.PLC"},
                                      true, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->jobs, 3);
    EXPECT_EQ(options->testName, "latch");
    EXPECT_EQ(options->vcdDir, "runs");
    EXPECT_TRUE(options->reportToStandardOutput());
    const std::vector<std::string> operands{"motor.script", "--csv", "a.PLC"};
    EXPECT_EQ(options->operands, operands);
}

TEST(GradeOptions, RefusesWrongCommandLines) {
    struct Row {
        std::vector<std::string> args;
        bool grade;
    };
    for (const Row& row : {
             Row{{"--jobs", "0", "s", "p"}, true},
             Row{{"--jobs", "257", "s", "p"}, true},
             Row{{"--jobs", "02", "s", "p"}, true},
             Row{{"--jobs", "x", "s", "p"}, true},
             Row{{"--jobs", "2", "p"}, false},
             Row{{"--vcd-dir", "d", "p"}, false},
             Row{{"--vcd", "f", "s", "p"}, true},
             Row{{"--tap", "a", "--tap", "b", "p"}, false},
             Row{{"--tap", "-", "--csv", "-", "p"}, false},
             Row{{"--json"}, false},
             Row{{"--nonesuch", "x", "p"}, false},
         }) {
        std::string error;
        EXPECT_FALSE(parseOptions(row.args, row.grade, error)) << row.args[0] << ' ' << row.args[1];
        EXPECT_FALSE(error.empty());
    }
    std::string error;
    EXPECT_TRUE(parseOptions({"--jobs", "256", "s", "p"}, true, error));
    EXPECT_TRUE(parseOptions({"-", "p"}, false, error)); // "-" is an operand
    for (const bool grade : {false, true}) {
        const auto named = parseOptions({"--names", "n.names", "s", "p"}, grade, error);
        ASSERT_TRUE(named);
        EXPECT_EQ(named->namesPath, "n.names");
    }
}

TEST(GradeVcd, NamesRunsByPlaceAndProgram) {
    EXPECT_EQ(vcdName(3, 40, "class/anna/motor.PLC"), "03-motor.vcd");
    EXPECT_EQ(vcdName(7, 120, "motor.PLC"), "007-motor.vcd");
    EXPECT_EQ(vcdName(12, 12, "a b;c.x.PLC"), "12-a_b_c.x.vcd");
    EXPECT_EQ(vcdName(1, 1, ".hidden"), "01-.hidden.vcd");
}

// A program's file name can hold anything; each format writes it so that the report stays
// readable and a spreadsheet runs nothing.
TEST(Reports, WriteProgramNamesSafely) {
    struct Row {
        ReportFormat format;
        std::string name;
        std::string written;
    };
    for (const Row& row : {
             Row{ReportFormat::Tap, "a#b\\c", "ok 1 - a\\#b\\\\c: t\n"},
             Row{ReportFormat::Junit, "<a&\"b'>", "name=\"&lt;a&amp;&quot;b&apos;&gt;\""},
             Row{ReportFormat::Json, "a\"b\\c\n", "\"program\": \"a\\\"b\\\\c?\""},
             Row{ReportFormat::Csv, "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\",1,1,1\r\n"},
             Row{ReportFormat::Csv, "a,b.PLC", "\"a,b.PLC\",1,1,1\r\n"},
             Row{ReportFormat::Csv, "@SUM(A1)", "'@SUM(A1),1,1,1\r\n"},
             Row{ReportFormat::Csv, "\t=1+2", "?=1+2,1,1,1\r\n"},
             Row{ReportFormat::Csv, "F\xc3\xb6rderband.PLC", "F\xc3\xb6rderband.PLC,1,1,1\r\n"},
             Row{ReportFormat::Junit, "F\xc3\xb6rder\xff.PLC", "name=\"F\xc3\xb6rder?.PLC\""},
         }) {
        const TestInfo info{"t", 1, false, 1};
        const std::vector<ProgramResult> programs{{row.name, 0, {{info, true, {}}}, {}}};
        std::ostringstream out;
        writeReport(row.format, out, programs, {info}, false);
        EXPECT_NE(out.str().find(row.written), std::string::npos) << reportName(row.format) << ":\n"
                                                                  << out.str();
    }
}

} // namespace
} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameRules.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace rungbox::names {
namespace {

TEST(NameRulesTest, NamesAndWordsThatMeanSomethingElse) {
    const struct {
        std::string_view name;
        bool ok;
    } cases[] = {
        {"Motor_1", true},
        {"x", true},
        {"stop", true},     // a machine's word, never where a name stands
        {"input", true},    // "in" and more letters is no signal name
        {"tim2x", true},    // nor a number with letters after it
        {"cnt_done", true}, // nor a done bit without its number
        {"", false},
        {"1ST", false},
        {"_A", false},
        {"MOTOR-1", false},
        {"ÄRGER", false},
        {std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFG"), false}, // 33 characters
        {"Not", false},
        {"expect", false},
        {"Relay", false},
        {"ALWAYS", false},
        {"none", false},
        {"in3", false},
        {"out15", false},
        {"relay2000", false},
        {"CNT7_DONE", false},
        {"tim0", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!nameProblem(c.name).has_value(), c.ok) << c.name;
    }
    EXPECT_EQ(std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF").size(), kMaxNameLength);
    EXPECT_FALSE(nameProblem("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF"));
}

TEST(AddressTest, TextsReadBackAndOthersAreRefused) {
    for (const Address a :
         {Address::relay(0), Address::relay(20000), Address::timer(7), Address::counter(0)}) {
        EXPECT_EQ(parseAddress(addressText(a)), a);
    }
    for (const std::string_view bad :
         {"", "20001", "01", "-1", "TIM 8", "TIM  1", "tim 1", "TIM1", "CNT 01", "1000 "}) {
        EXPECT_FALSE(parseAddress(bad)) << bad;
    }
}

TEST(NameTableTest, NamesAreUniqueIgnoringCaseAndOnePerAddress) {
    NameTable table;
    EXPECT_FALSE(table.set({Address::relay(0), "START", "green button"}));
    EXPECT_FALSE(table.set({Address::timer(2), "LIGHT_TIMER", ""}));
    EXPECT_TRUE(table.set({Address::relay(1), "start", ""}));
    EXPECT_TRUE(table.set({Address::relay(20001), "FAR", ""}));
    EXPECT_TRUE(table.set({Address::relay(3), "OK", "two\tcolumns"}));
    // Renaming an address keeps its place; its old name is free again.
    EXPECT_FALSE(table.set({Address::relay(0), "Start_Button", ""}));
    EXPECT_FALSE(table.set({Address::relay(1), "START", ""}));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.entries()[0].name, "Start_Button");
    EXPECT_EQ(table.findName("light_timer")->address, Address::timer(2));
    EXPECT_EQ(table.nameOf(Address::relay(1)), "START");
    EXPECT_TRUE(table.remove(Address::relay(0)));
    EXPECT_FALSE(table.remove(Address::relay(0)));
    EXPECT_EQ(table.findName("Start_Button"), nullptr);
    EXPECT_EQ(table.findName("start")->address, Address::relay(1));

    // A removal undone puts the entry back in its place.
    const NameTable before = table;
    const std::size_t at = *table.indexOf(Address::timer(2));
    ASSERT_TRUE(table.remove(Address::timer(2)));
    EXPECT_TRUE(table.insert(at, {Address::timer(2), "START", ""}));
    EXPECT_FALSE(table.insert(at, {Address::timer(2), "LIGHT_TIMER", ""}));
    EXPECT_EQ(table, before);
}

TEST(NamesFileTest, WrittenFormReadsAndWritesBackByteForByte) {
    const std::string_view files[] = {
        "",
        "0\tSTART\tgreen push-button\n1000\tMOTOR\n",
        "# gate machine\n\n0\tCAR\tcar at the gate \xE2\x80\x94 sensor\n   # indented\n"
        "TIM 2\tLIGHT_TIMER\nCNT 7\tCARS\tcounted\n20000\tLAST\n",
    };
    for (const std::string_view file : files) {
        const NamesFileContents contents = readNamesFile(file);
        EXPECT_EQ(contents.badLineCount, 0u) << file;
        EXPECT_EQ(namesFileText(contents.table), file);
    }
}

TEST(NamesFileTest, OtherFormsAreReadAndWrittenInTheWrittenForm) {
    const struct {
        std::string_view in, out;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "0\tA\r\n1\tB\tc\r\n",
         "0\tA\n1\tB\tc\n"},
        {"0\tA", "0\tA\n"},
        {"0\tA\t\n", "0\tA\n"},
        {"\n\n", "\n\n"},
    };
    for (const auto& c : cases) {
        const NamesFileContents contents = readNamesFile(c.in);
        EXPECT_EQ(contents.badLineCount, 0u) << c.in;
        EXPECT_EQ(namesFileText(contents.table), c.out);
    }
}

TEST(NamesFileTest, BadLinesAreReportedWithTheirNumbersAndSkipped) {
    const std::string_view file = "0\tSTART\n"
                                  "MOTOR\n"             // 2: no tab
                                  "TIM 9\tT\n"          // 3: no such timer
                                  "1\tstart\n"          // 4: name taken
                                  "0\tOTHER\n"          // 5: address named
                                  "2\tin3\n"            // 6: a signal name
                                  "3\tX\ta\tb\n"        // 7: a tab in the comment
                                  "4\tY\t\xC3(\n"       // 8: not UTF-8
                                  "1000\tMOTOR\tfan\n"; // good again
    const NamesFileContents contents = readNamesFile(file);
    EXPECT_EQ(contents.badLineCount, 7u);
    std::vector<int> lines;
    for (const BadLine& bad : contents.badLines) {
        lines.push_back(bad.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(namesFileText(contents.table), "0\tSTART\n1000\tMOTOR\tfan\n");
    EXPECT_TRUE(badLinesReport(contents, "gate.names", "\n")
                    .starts_with("gate.names line 2: not address<TAB>name<TAB>comment\n"
                                 "gate.names line 3: "));
}

TEST(NamesFileTest, ReportListsTheFirstBadLinesAndCountsTheRest) {
    std::string file;
    for (std::size_t i = 0; i < kMaxReportedLines + 3; ++i) {
        file += "bad\n";
    }
    const NamesFileContents contents = readNamesFile(file);
    EXPECT_EQ(contents.badLines.size(), kMaxReportedLines);
    EXPECT_EQ(contents.badLineCount, kMaxReportedLines + 3);
    const std::string report = badLinesReport(contents, "n.names", "\n");
    EXPECT_TRUE(report.ends_with("\nand 3 more bad lines")) << report;
    EXPECT_EQ(readNamesFile(std::string(kMaxFileBytes + 1, '#')).badLines.at(0).line, 0);
}

TEST(NamesFileTest, NamesFileBesideTheProgram) {
    const struct {
        std::string_view program, names;
    } cases[] = {
        {"/home/a.b/motor.plc", "/home/a.b/motor.names"},
        {"dir.x/noext", "dir.x/noext.names"},
        {"dir/.PLC", "dir/.PLC.names"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(namesPathFor(c.program), c.names);
    }
}

// The machines' wiring as ready tables: every input of the machine named, nothing skipped, and
// the files in the written form.
TEST(NamesFileTest, TheExamplesNameTheirMachinesWiring) {
    for (const auto& [file, inputs] : {std::pair{"gate.names", 5}, {"conveyor.names", 8}}) {
        std::ifstream in(std::string(RUNGBOX_EXAMPLES_DIR) + "/" + file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const NamesFileContents contents = readNamesFile(bytes);
        EXPECT_EQ(contents.badLineCount, 0u) << file;
        EXPECT_EQ(namesFileText(contents.table), bytes) << file;
        for (int n = 0; n < inputs; ++n) {
            EXPECT_NE(contents.table.find(Address::relay(n)), nullptr) << file << " input " << n;
        }
        EXPECT_NE(contents.table.find(Address::relay(1000)), nullptr) << file;
    }
}

} // namespace
} // namespace rungbox::names

// The ladder program file format: the writer's exact bytes, the reader's rules, round trips.

#include "files/LadderFile.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

TEST(LadderFileWriter, WritesTheGoldenFilesAndStopsAtEnd) {
    editor::CodeGrid grid;
    EXPECT_EQ(writeLadderFile(grid), test::golden("empty_grid.PLC"));
    placeFields(grid, {"LD", "0", "", "OUT", "1000", "", "END"});
    EXPECT_EQ(writeLadderFile(grid), test::golden("nine_lines.PLC"));
    for (const int n : {1, 150, 299}) { // END on line n; what follows it is not written
        editor::CodeGrid ended;
        ended.setText(n, 1, "END");
        ended.setText(n, 2, "7");
        std::vector<std::string> lines(3 * static_cast<std::size_t>(n - 1));
        lines.emplace_back("END");
        EXPECT_EQ(writeLadderFile(ended), test::fileOf(lines)) << n;
    }
}

// The golden file shows the rules in turn: commas; leading blanks dropped, trailing ones kept;
// quotes keeping commas and blanks, up to the closing quote or the line end; LF-only line ends;
// bytes above 127; a lone CR; no line end at the end.
TEST(LadderFileReader, FieldRules) {
    std::string fields;
    for (const auto& field : readLadderFile(test::golden("reader_rules.PLC")).fields) {
        fields += "[" + field + "]\n";
    }
    EXPECT_EQ(fields, test::golden("reader_rules.txt", fields));
    const auto many = readLadderFile(test::fileOf({}) + std::string(896, '\n') + "Y\nZ\n").fields;
    EXPECT_EQ(many.size(), 897U); // the fields of 299 code lines at most
    EXPECT_EQ(many.back(), "Y");
}

TEST(LadderFileRoundTrip, KeepsTheProgramButNotLeadingBlanksOrLinesBelowEnd) {
    const std::vector<std::string> typed = {"LD  NOT", "0",    "",         "   TIM", "  1",
                                            "50",      "END ", "\xC4\xFF", "",       "END",
                                            "",        "",     "OUT",      "1001",   "5"};
    std::vector<std::string> expected(typed.begin(), typed.begin() + 10);
    expected[3] = "TIM"; // leading blanks are lost; inner and trailing ones kept
    expected[4] = "1";
    editor::CodeGrid grid;
    placeFields(grid, typed);
    const auto read = readLadderFile(writeLadderFile(grid)).fields;
    EXPECT_EQ(read, expected); // "END " is not END; the line below END is gone
}

} // namespace
} // namespace rungbox::files

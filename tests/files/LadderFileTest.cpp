// The ladder program file format: the writer's exact bytes (golden files), the reader's field
// rules and header checks, and the placing of fields in the grid.

#include "files/LadderFile.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

using test::fileOf;
using test::putProgram;
using test::readBytes;

std::string golden(const std::string& name) {
    const auto path = std::filesystem::path(RUNGBOX_FILES_GOLDEN_DIR) / name;
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return readBytes(path);
}

int countLines(std::string_view bytes) {
    int lines = 0;
    for (std::size_t i = 0; (i = bytes.find("\r\n", i)) != std::string_view::npos; i += 2) {
        ++lines;
    }
    return lines;
}

// --- Writer ---------------------------------------------------------------------------------

TEST(LadderFileWriter, ThreeLineProgramMatchesGoldenFile) {
    editor::CodeGrid grid;
    putProgram(grid, {{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
    EXPECT_EQ(writeLadderFile(grid), golden("nine_lines.PLC"));
}

TEST(LadderFileWriter, EmptyGridWritesHeaderAnd897EmptyLines) {
    editor::CodeGrid grid;
    const std::string bytes = writeLadderFile(grid);
    EXPECT_EQ(bytes, golden("empty_grid.PLC"));
    EXPECT_EQ(countLines(bytes), 899);
}

TEST(LadderFileWriter, EndOnLineNGivesTwoPlusThreeTimesNMinusOnePlusOneLines) {
    for (const int n : {1, 2, 3, 150, 298, 299}) {
        editor::CodeGrid grid;
        for (int row = 1; row < n; ++row) {
            grid.setTextMatrix(row, 1, "LD");
            grid.setTextMatrix(row, 2, std::to_string(row));
        }
        grid.setTextMatrix(n, 1, "END");
        grid.setTextMatrix(n, 2, "7"); // not written: the file stops at END
        grid.setTextMatrix(n + 1, 1, "OUT");
        const auto lines = ladderFileLines(grid);
        const std::string bytes = writeLadderFile(grid);
        EXPECT_EQ(static_cast<int>(lines.size()), 2 + 3 * (n - 1) + 1) << "END on line " << n;
        EXPECT_EQ(countLines(bytes), 2 + 3 * (n - 1) + 1) << "END on line " << n;
        EXPECT_EQ(lines.back(), "END");
        EXPECT_TRUE(bytes.ends_with("\r\nEND\r\n"));
    }
}

TEST(LadderFileWriter, EndEndsTheFileInWhicheverColumnItStands) {
    struct Row {
        int col;
        std::size_t lines;
    };
    for (const Row& r : {Row{1, 3}, Row{2, 4}, Row{3, 5}}) {
        editor::CodeGrid grid;
        grid.setTextMatrix(1, r.col, "END");
        const auto lines = ladderFileLines(grid);
        EXPECT_EQ(lines.size(), r.lines) << "END in column " << r.col;
        EXPECT_EQ(lines.back(), "END");
    }
}

TEST(LadderFileWriter, OnlyExactEndEndsTheFile) {
    for (const std::string text : {"END ", " END", "ENDX", "end", "END\t"}) {
        editor::CodeGrid grid;
        grid.setTextMatrix(1, 1, text);
        const auto lines = ladderFileLines(grid);
        EXPECT_EQ(lines.size(), 899U) << '"' << text << '"';
        EXPECT_EQ(lines[2], text);
    }
}

TEST(LadderFileWriter, ProgramWithoutEndRunsThroughLine299) {
    editor::CodeGrid grid;
    grid.setTextMatrix(299, 1, "OUT");
    grid.setTextMatrix(299, 2, "1000");
    grid.setTextMatrix(299, 3, "5");
    const auto lines = ladderFileLines(grid);
    ASSERT_EQ(lines.size(), 899U);
    EXPECT_EQ(lines[896], "OUT");
    EXPECT_EQ(lines[897], "1000");
    EXPECT_EQ(lines[898], "5");
}

TEST(LadderFileWriter, CellTextIsWrittenUnchanged) {
    editor::CodeGrid grid;
    putProgram(grid, {{"  LD  NOT ", "1,2", "\"q\""}, {"\xE9\xFF\x80", "", ""}, {"END", "", ""}});
    EXPECT_EQ(writeLadderFile(grid),
              fileOf({"  LD  NOT ", "1,2", "\"q\"", "\xE9\xFF\x80", "", "", "END"}));
}

TEST(LadderFileWriter, CellAfterSaveFollowsTheEndCell) {
    struct Row {
        int row;
        int col;
        CellPos rest;
    };
    for (const Row& r : {Row{3, 1, {3, 2}}, Row{3, 3, {4, 1}}, Row{299, 1, {299, 2}},
                         Row{299, 2, {299, 3}}, Row{299, 3, {299, 3}}}) {
        editor::CodeGrid grid;
        grid.setTextMatrix(r.row, r.col, "END");
        EXPECT_EQ(cellAfterSave(grid), r.rest) << "END at " << r.row << "," << r.col;
    }
    editor::CodeGrid noEnd;
    EXPECT_EQ(cellAfterSave(noEnd), (CellPos{299, 3}));
}

// --- Reader: header --------------------------------------------------------------------------

TEST(LadderFileReader, HeaderChecks) {
    struct Row {
        std::string bytes;
        ReadStatus status;
    };
    const std::vector<Row> rows = {
        {"", ReadStatus::EndedBeforeVersion},
        {"QZV_RUNGBOX_MAGIC", ReadStatus::EndedBeforeVersion},
        {"QZV_RUNGBOX_MAGIC\r\n", ReadStatus::EndedBeforeVersion},
        {"QZV_RUNGBOX_MAGIC\n", ReadStatus::EndedBeforeVersion},
        {"\r\n", ReadStatus::BadMagic},
        {"X\r\n", ReadStatus::BadMagic},
        {"qzv_rungbox_magic\r\n1.00\r\n", ReadStatus::BadMagic},
        {"QZV_RUNGBOX_MAGIC \r\n1.00\r\n", ReadStatus::BadMagic},
        {"QZV_RUNGBOX_MAGI\r\n1.00\r\n", ReadStatus::BadMagic},
        {"QZV_RUNGBOX_MAGIC\r\n1.0\r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC\r\n1.000\r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC\r\n1.00 \r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC\r\n2.00\r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC\r\n\r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC,\r\n", ReadStatus::BadVersion},
        {"QZV_RUNGBOX_MAGIC\r\n1.00", ReadStatus::Ok},
        {"QZV_RUNGBOX_MAGIC\r\n1.00\r\n", ReadStatus::Ok},
        {"QZV_RUNGBOX_MAGIC\n1.00\n", ReadStatus::Ok},
        {"  QZV_RUNGBOX_MAGIC\r\n   1.00\r\n", ReadStatus::Ok},
        {"\"QZV_RUNGBOX_MAGIC\"\r\n\"1.00\"\r\n", ReadStatus::Ok},
        {"QZV_RUNGBOX_MAGIC,1.00\r\n", ReadStatus::Ok},
    };
    for (const Row& r : rows) {
        const auto contents = readLadderFile(r.bytes);
        EXPECT_EQ(contents.status, r.status) << testing::PrintToString(r.bytes);
        if (r.status != ReadStatus::Ok) {
            EXPECT_TRUE(contents.fields.empty());
        }
    }
}

TEST(LadderFileReader, HeaderOnlyGivesNoFields) {
    const auto contents = readLadderFile("QZV_RUNGBOX_MAGIC\r\n1.00\r\n");
    EXPECT_EQ(contents.status, ReadStatus::Ok);
    EXPECT_TRUE(contents.fields.empty());
}

// --- Reader: fields --------------------------------------------------------------------------

TEST(LadderFileReader, FieldRules) {
    struct Row {
        const char* what;
        std::string body; // the bytes after the header
        std::vector<std::string> fields;
    };
    const std::vector<Row> rows = {
        {"one field a line", "LD\r\n0\r\n\r\n", {"LD", "0", ""}},
        {"comma splits", "LD,0\r\n", {"LD", "0"}},
        {"comma at line end", "LD,\r\n", {"LD", ""}},
        {"comma alone", ",\r\n", {"", ""}},
        {"comma at file end", "LD,", {"LD", ""}},
        {"leading blanks dropped", "   LD\r\n  , 5\r\n", {"LD", "", "5"}},
        {"line of blanks", "   \r\n", {""}},
        {"trailing blanks kept", "END \r\nLD  NOT  \r\n", {"END ", "LD  NOT  "}},
        {"inner blanks kept", "LD  NOT\r\n", {"LD  NOT"}},
        {"tab is not a blank", "\tLD\r\n", {"\tLD"}},
        {"quoted field keeps commas", "\"A,B\"\r\n", {"A,B"}},
        {"quoted field keeps blanks", "  \" LD \"\r\n", {" LD "}},
        {"text after closing quote dropped", "\"A\"xyz,B\r\n", {"A", "B"}},
        {"empty quotes", "\"\",X\r\n", {"", "X"}},
        {"quote not closed ends at line end", "\"open,still\r\nX\r\n", {"open,still", "X"}},
        {"quote inside a field is text", "A\"B,C\r\n", {"A\"B", "C"}},
        {"LF-only line ends", "LD\n0\n\nEND\n", {"LD", "0", "", "END"}},
        {"lone CR ends a line", "LD\r0\rEND\r", {"LD", "0", "END"}},
        {"CR CR LF is two line ends", "LD\r\r\nEND\r\n", {"LD", "", "END"}},
        {"LF CR is two line ends", "LD\n\rEND", {"LD", "", "END"}},
        {"no line end at file end", "LD\r\nEND", {"LD", "END"}},
        {"bytes above 127 kept", "\xE9t\xE9\r\n\xFF\x80\r\n", {"\xE9t\xE9", "\xFF\x80"}},
        {"NUL byte kept", std::string("A\0B\r\n", 5), {std::string("A\0B", 3)}},
        {"fields after END are read", "END\r\nLD\r\n", {"END", "LD"}},
    };
    for (const Row& r : rows) {
        const auto contents = readLadderFile("QZV_RUNGBOX_MAGIC\r\n1.00\r\n" + r.body);
        EXPECT_EQ(contents.status, ReadStatus::Ok) << r.what;
        EXPECT_EQ(contents.fields, r.fields) << r.what;
    }
}

TEST(LadderFileReader, MoreThan897FieldsKeepsTheFirst897) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 1000; ++i) {
        lines.push_back(std::to_string(i));
    }
    const auto contents = readLadderFile(fileOf(lines));
    ASSERT_EQ(contents.fields.size(), 897U);
    EXPECT_EQ(contents.fields.front(), "1");
    EXPECT_EQ(contents.fields.back(), "897");

    // The same through commas: 300 lines of "a,b,c" are 900 fields.
    std::vector<std::string> triples(300, "a,b,c");
    EXPECT_EQ(readLadderFile(fileOf(triples)).fields.size(), 897U);
}

// --- Placing fields --------------------------------------------------------------------------

TEST(LadderFilePlacing, FillsCellsInFileOrderAndRestsAfterTheLastFilled) {
    struct Row {
        int count;
        CellPos rest;
    };
    for (const Row& r : {Row{0, {1, 1}}, Row{1, {1, 2}}, Row{3, {2, 1}}, Row{5, {2, 3}},
                         Row{896, {299, 3}}, Row{897, {299, 3}}}) {
        editor::CodeGrid grid;
        std::vector<std::string> fields;
        for (int i = 0; i < r.count; ++i) {
            fields.push_back("f" + std::to_string(i));
        }
        placeFields(grid, fields);
        EXPECT_EQ((CellPos{grid.Row(), grid.Col()}), r.rest) << r.count << " fields";
        for (int i = 0; i < r.count; ++i) {
            ASSERT_EQ(grid.TextMatrix(1 + i / 3, 1 + i % 3), fields[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(grid.TextMatrix(1 + r.count / 3, 1 + r.count % 3), "");
    }
}

TEST(LadderFilePlacing, StopsAfterTheSetValueCellOfLine299) {
    editor::CodeGrid grid;
    std::vector<std::string> fields(900, "x");
    fields[896] = "last";
    fields[897] = "beyond";
    placeFields(grid, fields);
    EXPECT_EQ(grid.TextMatrix(299, 3), "last");
    EXPECT_EQ((CellPos{grid.Row(), grid.Col()}), (CellPos{299, 3}));
}

// --- Round trips through the bytes -------------------------------------------------------------

editor::CodeGrid roundTrip(const editor::CodeGrid& grid) {
    const auto contents = readLadderFile(writeLadderFile(grid));
    EXPECT_EQ(contents.status, ReadStatus::Ok);
    editor::CodeGrid loaded;
    placeFields(loaded, contents.fields);
    return loaded;
}

TEST(LadderFileRoundTrip, TypedProgramComesBackCellForCell) {
    editor::CodeGrid grid;
    putProgram(grid, {{"LD", "0", ""},
                      {"AND NOT", "1", ""},
                      {"TIM", "0", "50"},
                      {"LD", "10000", ""},
                      {"CNT", "3", "10"},
                      {"OUT", "1000", ""},
                      {"END", "", ""}});
    const auto loaded = roundTrip(grid);
    for (int row = 1; row <= editor::kLastLine; ++row) {
        for (int col = 1; col <= 3; ++col) {
            ASSERT_EQ(loaded.TextMatrix(row, col), grid.TextMatrix(row, col)) << row << "," << col;
        }
    }
}

TEST(LadderFileRoundTrip, BlanksBytesAndLinesBelowEnd) {
    editor::CodeGrid grid;
    putProgram(grid, {{"LD  NOT", "0", ""},
                      {"   OUT", "  1000", ""},
                      {"END ", "", ""},
                      {"LD \xC4\xE9\xFF", "", ""},
                      {"END", "", ""},
                      {"OUT", "1001", ""}});
    const auto loaded = roundTrip(grid);
    EXPECT_EQ(loaded.TextMatrix(1, 1), "LD  NOT");         // inner blanks kept
    EXPECT_EQ(loaded.TextMatrix(2, 1), "OUT");             // leading blanks lost
    EXPECT_EQ(loaded.TextMatrix(2, 2), "1000");            // in every column
    EXPECT_EQ(loaded.TextMatrix(3, 1), "END ");            // trailing blank kept: not an END
    EXPECT_EQ(loaded.TextMatrix(4, 1), "LD \xC4\xE9\xFF"); // bytes above 127 kept
    EXPECT_EQ(loaded.TextMatrix(5, 1), "END");
    EXPECT_EQ(loaded.TextMatrix(6, 1), ""); // below the END: gone
    EXPECT_EQ(loaded.TextMatrix(6, 2), "");
}

} // namespace
} // namespace rungbox::files

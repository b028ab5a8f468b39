// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder program file format: the writer's exact bytes, the reader's rules, round trips.

#include "files/LadderFile.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace rungbox::files {
namespace {

TEST(LadderFileWriter, WritesTheGoldenFilesAndStopsAtEnd) {
    editor::CodeGrid grid;
    EXPECT_EQ(writeLadderFile(grid), test::golden("empty_grid.PLC"));
    placeFields(grid, {"LD", "0", "", "OUT", "1000", "", "END"});
    EXPECT_EQ(writeLadderFile(grid), test::golden("nine_lines.PLC"));
    // "END" on line n ends the file in whichever column it stands; what follows is not written.
    for (const int n : {1, 150, 299}) {
        for (int col = 1; col <= 3; ++col) {
            editor::CodeGrid ended;
            ended.setText(n, col, "END");
            for (int after = col + 1; after <= 3; ++after) {
                ended.setText(n, after, "7");
            }
            if (n < editor::kLastLine) {
                ended.setText(n + 1, 1, "7");
            }
            std::vector<std::string> lines(3 * static_cast<std::size_t>(n - 1) +
                                           static_cast<std::size_t>(col - 1));
            lines.emplace_back("END");
            EXPECT_EQ(writeLadderFile(ended), test::fileOf(lines)) << n << "." << col;
        }
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

// The cells a save covers: from line 1, column 1 up to and including the first "END" cell.
std::vector<std::string> savedCells(const editor::CodeGrid& grid) {
    std::vector<std::string> cells;
    for (int cell = 0; cell < kMaxCellFields; ++cell) {
        cells.push_back(grid.text(cell / 3 + 1, cell % 3 + 1));
        if (cells.back() == kEndCell) {
            break;
        }
    }
    return cells;
}

editor::CodeGrid loaded(const std::string& bytes) {
    editor::CodeGrid grid;
    placeFields(grid, readLadderFile(bytes).fields);
    return grid;
}

TEST(LadderFileRoundTrip, TypedCellsAreWrittenAsTheyAreAndOthersQuoted) {
    // Typed text (inner and trailing blanks, "END " that is no end) and bytes above 127 come
    // back as they are: their lines are the cells themselves, byte for byte.
    const std::vector<std::string> typed = {"LD  NOT", "0",    "",         "TIM",  "1",
                                            "50",      "END ", "\xC4\xFF", "A\"B", "END"};
    editor::CodeGrid grid;
    placeFields(grid, typed);
    EXPECT_EQ(writeLadderFile(grid), test::fileOf(typed));
    // What the reader would split or trim goes in quotes; quotes and line ends cannot be quoted.
    const std::pair<std::string, std::string> quoted[] = {
        {"A,B", "\"A,B\""}, {"  TIM", "\"  TIM\""}, {"\"X\"", "\"X\""}, {"1\r\n2,", "\"12,\""}};
    for (const auto& [cell, line] : quoted) {
        EXPECT_EQ(cellLine(cell), line) << cell;
    }
}

// Whatever Load puts in the grid, Save As then Load gives back: every cell up to the first "END",
// nothing below it. Files made of the bytes the reader treats specially, at random.
TEST(LadderFileRoundTrip, WhatLoadGivesSurvivesSaveAndLoad) {
    constexpr std::string_view kBytes = ",\"  \r\nAEND\xC4";
    std::mt19937 random(10); // fixed: the same files on every run
    std::uniform_int_distribution<std::size_t> length(0, 80);
    std::uniform_int_distribution<std::size_t> pick(0, kBytes.size() - 1);
    for (int n = 0; n < 1000; ++n) {
        std::string bytes = test::fileOf({});
        for (std::size_t k = length(random); k > 0; --k) {
            bytes += kBytes[pick(random)];
        }
        const editor::CodeGrid first = loaded(bytes);
        const editor::CodeGrid second = loaded(writeLadderFile(first));
        const auto cells = savedCells(first);
        ASSERT_EQ(savedCells(second), cells) << test::escaped(bytes);
        const std::size_t below = cells.size();
        EXPECT_EQ(second.text(static_cast<int>(below / 3 + 1), static_cast<int>(below % 3 + 1)), "")
            << test::escaped(bytes);
    }
}

} // namespace
} // namespace rungbox::files

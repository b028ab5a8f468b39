// SPDX-License-Identifier: GPL-3.0-or-later
// The instruction set in the program file: the version line tells it, every other byte is as in
// a classic file, and Save, Load and New carry it with the grid.

#include "FileTestSupport.h"
#include "files/LadderFile.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

using engine::InstructionSet;

const std::vector<std::string> kKeepProgram = {"LD", "0.00",     "",      "LD", "0.01",
                                               "",   "KEEP(11)", "10.00", "",   "END"};

editor::CodeGrid gridOf(InstructionSet set) {
    editor::CodeGrid grid;
    grid.setInstructionSet(set);
    placeFields(grid, kKeepProgram);
    return grid;
}

// The extended file differs from the classic one in its version line only.
TEST(InstructionSetFile, VersionLineIsTheOnlyDifference) {
    const std::string classic = writeLadderFile(gridOf(InstructionSet::Classic));
    const std::string extended = writeLadderFile(gridOf(InstructionSet::Extended));
    EXPECT_EQ(classic, test::fileOf(kKeepProgram));
    std::string expected = classic;
    expected.replace(expected.find("\r\n1.00\r\n"), 8, "\r\n2.00\r\n");
    EXPECT_EQ(extended, expected);
}

// Each version line as the reader takes it, and as a reader knowing only 1.00 (today's check)
// takes it: that reader refuses an extended file with the version status.
TEST(InstructionSetFile, ReaderTellsTheSetFromTheVersionLine) {
    struct Case {
        std::string version;
        bool extendedAccepted;
        ReadStatus status;
        InstructionSet set;
    };
    const Case cases[] = {
        {"1.00", true, ReadStatus::Ok, InstructionSet::Classic},
        {"2.00", true, ReadStatus::Ok, InstructionSet::Extended},
        {"1.00", false, ReadStatus::Ok, InstructionSet::Classic},
        {"2.00", false, ReadStatus::BadVersion, InstructionSet::Classic},
        {"2.0", true, ReadStatus::BadVersion, InstructionSet::Classic},
        {"3.00", true, ReadStatus::BadVersion, InstructionSet::Classic},
        {"2.00 ", true, ReadStatus::BadVersion, InstructionSet::Classic},
    };
    for (const Case& c : cases) {
        const auto contents = readLadderFile(
            "QZV_RUNGBOX_MAGIC\r\n" + c.version + "\r\nLD\r\n0\r\n", c.extendedAccepted);
        EXPECT_EQ(contents.status, c.status) << c.version << " " << c.extendedAccepted;
        EXPECT_EQ(contents.set, c.set) << c.version << " " << c.extendedAccepted;
        EXPECT_EQ(contents.fields.size(), c.status == ReadStatus::Ok ? 2U : 0U) << c.version;
    }
}

// Save writes the grid's set, Load brings it back, a file of an unknown version stays refused
// with the classic message, and New makes the program classic.
TEST(InstructionSetFile, SaveLoadAndNewCarryTheSet) {
    const auto dir = test::fs::path(::testing::TempDir()) / "instruction_set_file";
    test::fs::remove_all(dir);
    test::fs::create_directories(dir);
    DiskFileSystem disk;
    test::Window w(disk);
    placeFields(w.grid, kKeepProgram);
    w.grid.setInstructionSet(InstructionSet::Extended);
    w.paths = {(dir / "keep.PLC").string(), (dir / "keep.PLC").string(), (dir / "v3.PLC").string()};
    ASSERT_TRUE(w.commands.saveAs());
    EXPECT_EQ(test::readBytes(dir / "keep.PLC"), writeLadderFile(gridOf(InstructionSet::Extended)));
    EXPECT_EQ(test::readBytes(dir / "keep.PLC").substr(19, 6), "2.00\r\n");

    ASSERT_TRUE(w.commands.newProgram());
    EXPECT_EQ(w.grid.instructionSet(), InstructionSet::Classic);
    ASSERT_TRUE(w.commands.load());
    EXPECT_EQ(w.grid.instructionSet(), InstructionSet::Extended);
    EXPECT_EQ(w.grid.text(3, 1), "KEEP(11)");
    EXPECT_FALSE(w.editor.codeChanged());
    EXPECT_EQ(w.commands.windowTitle(), "keep.PLC - PLC Ladder Code");
    // Only the set changed: the program differs from its file.
    w.grid.setInstructionSet(InstructionSet::Classic);
    EXPECT_EQ(w.commands.windowTitle(), "keep.PLC* - PLC Ladder Code");
    w.grid.setInstructionSet(InstructionSet::Extended);

    std::string v3 = test::readBytes(dir / "keep.PLC");
    v3.replace(19, 4, "3.00");
    test::writeBytes(dir / "v3.PLC", v3);
    w.calls.clear();
    EXPECT_FALSE(w.commands.load());
    EXPECT_NE(w.calls.find("box: Incompatible Rungbox version [ok+critical rungbox]"),
              std::string::npos)
        << w.calls;
    EXPECT_EQ(w.grid.instructionSet(), InstructionSet::Extended);
}

// A course program with word instructions: MOV with a constant, CMP of a counter's present
// value, a lamp on the equal flag, @ADD with its operand line below it (an empty code cell with
// a LOCATION, written as an empty field), a timer whose set value is a word. Its bytes are the
// golden file's, and reading them gives every cell back in its place.
TEST(InstructionSetFile, WordInstructionsAndOperandLinesSurviveSaveAndLoad) {
    const std::vector<std::string> fields = {
        "LD",  "0.00",  "",      "MOV(21)", "#0042", "DM0100", "LD",  "P_On",  "",
        "CMP", "CNT 1", "#0100", "LD",      "P_EQ",  "",       "OUT", "10.00", "",
        "LD",  "0.01",  "",      "@ADD",    "DM0",   "#0001",  "",    "DM0",   "",
        "LD",  "0.02",  "",      "TIM",     "2",     "DM0010", "END"};
    editor::CodeGrid grid;
    grid.setInstructionSet(InstructionSet::Extended);
    placeFields(grid, fields);
    const std::string bytes = writeLadderFile(grid);
    EXPECT_EQ(bytes, test::golden("words.PLC", bytes));
    const LadderFileContents read = readLadderFile(bytes, true);
    EXPECT_EQ(read.set, InstructionSet::Extended);
    EXPECT_EQ(read.fields, fields);
    editor::CodeGrid loaded;
    placeFields(loaded, read.fields);
    for (int line = 1; line <= 12; ++line) {
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            EXPECT_EQ(loaded.text(line, col), grid.text(line, col)) << line << "." << col;
        }
    }
    EXPECT_EQ(loaded.text(9, editor::kCodeCol), "");
    EXPECT_EQ(loaded.text(9, editor::kLocationCol), "DM0");
}

} // namespace
} // namespace rungbox::files

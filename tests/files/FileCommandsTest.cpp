// The file commands and the program's lifecycle: Save As, Load, New, Exit and closing the main
// window, with their messages, the save question and the changed flag.

#include "FileTestSupport.h"
#include "files/LadderFile.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

using engine::MsgAnswer;
using test::describeBoxes;
using test::fileOf;
using test::putProgram;
using test::readBytes;
using test::snapshot;
using test::TempDir;
using test::writeBytes;

constexpr int kQuestionYesNoCancel = 35;
constexpr int kQuestionYesNo = 36;
constexpr int kCritical = 16;
constexpr int kOkOnly = 0;

class FileCommandsTest : public testing::Test {
protected:
    TempDir dir;
    DiskFileSystem disk;
    std::unique_ptr<test::Window> w = std::make_unique<test::Window>(disk);

    void typeThreeLineProgram() {
        putProgram(w->grid, {{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
        w->editor.setCodeChanged(true);
    }
    std::string file(const std::string& name) const { return dir.file(name); }
    void answerSave(const std::optional<std::string>& path) {
        w->dialog.saveAnswers.push_back(path);
    }
    void answerOpen(const std::optional<std::string>& path) {
        w->dialog.openAnswers.push_back(path);
    }
    void answerBox(MsgAnswer answer) { w->boxes.answers.push_back(answer); }
};

// --- Save As ---------------------------------------------------------------------------------

TEST_F(FileCommandsTest, SaveAsProposesDefaultNameAndWritesTheProgram) {
    typeThreeLineProgram();
    answerSave(file("p.PLC"));
    EXPECT_TRUE(w->commands.mnuSaveAs_Click());

    ASSERT_EQ(w->dialog.calls.size(), 1U);
    EXPECT_TRUE(w->dialog.calls[0].save);
    EXPECT_EQ(w->dialog.calls[0].defaultName, "default.PLC");
    EXPECT_EQ(w->dialog.calls[0].filter, "PLC file (*.PLC)|*.PLC");
    EXPECT_EQ(readBytes(file("p.PLC")),
              readBytes(std::string(RUNGBOX_FILES_GOLDEN_DIR) + "/nine_lines.PLC"));
    EXPECT_FALSE(w->editor.codeChanged());
    EXPECT_TRUE(w->boxes.shown.empty());
    // The save's walk leaves the current cell after the END cell.
    EXPECT_EQ(w->grid.Row(), 3);
    EXPECT_EQ(w->grid.Col(), 2);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
}

TEST_F(FileCommandsTest, SaveAsOfAFullProgramWithoutEndWritesAll899Lines) {
    for (int row = 1; row <= editor::kLastLine; ++row) {
        w->grid.setTextMatrix(row, 1, "LD");
    }
    w->editor.setCodeChanged(true);
    answerSave(file("full.PLC"));
    EXPECT_TRUE(w->commands.mnuSaveAs_Click());
    const std::string bytes = readBytes(file("full.PLC"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 899);
    EXPECT_TRUE(bytes.ends_with("LD\r\n\r\n\r\n"));
    EXPECT_FALSE(w->editor.codeChanged());
}

TEST_F(FileCommandsTest, SaveAsCancelledDoesNothing) {
    typeThreeLineProgram();
    const auto before = snapshot(w->grid);
    answerSave(std::nullopt);
    EXPECT_FALSE(w->commands.mnuSaveAs_Click());
    EXPECT_TRUE(w->boxes.shown.empty());
    EXPECT_TRUE(w->editor.codeChanged());
    EXPECT_EQ(snapshot(w->grid), before);
    EXPECT_TRUE(dir.entries().empty());
}

// --- Load ------------------------------------------------------------------------------------

TEST_F(FileCommandsTest, LoadReplacesTheProgramAndClearsTheFlag) {
    putProgram(w->grid, {{"OLD", "1", "2"}, {"OLD", "3", "4"}, {"OLD", "5", "6"}, {"OLD", "", ""}});
    writeBytes(file("p.PLC"), fileOf({"LD", "0", "", "OUT", "1000", "", "END"}));
    answerOpen(file("p.PLC"));
    EXPECT_TRUE(w->commands.mnuLoad_Click());

    ASSERT_EQ(w->dialog.calls.size(), 1U);
    EXPECT_FALSE(w->dialog.calls[0].save);
    EXPECT_EQ(w->dialog.calls[0].filter, "PLC file (*.PLC)|*.PLC");
    EXPECT_TRUE(w->boxes.shown.empty());
    EXPECT_FALSE(w->editor.codeChanged());
    EXPECT_EQ(w->grid.TextMatrix(1, 1), "LD");
    EXPECT_EQ(w->grid.TextMatrix(2, 2), "1000");
    EXPECT_EQ(w->grid.TextMatrix(3, 1), "END");
    EXPECT_EQ(w->grid.TextMatrix(3, 2), ""); // old cells beyond the file are emptied
    EXPECT_EQ(w->grid.TextMatrix(4, 1), "");
    EXPECT_EQ(w->grid.TextMatrix(1, 0), "1"); // line numbers stay
    EXPECT_EQ(w->grid.Row(), 3);
    EXPECT_EQ(w->grid.Col(), 2);
}

TEST_F(FileCommandsTest, LoadOfHeaderOnlyOrEmptyGridFileGivesAnEmptyGrid) {
    for (const std::string& bytes :
         {fileOf({}), readBytes(std::string(RUNGBOX_FILES_GOLDEN_DIR) + "/empty_grid.PLC")}) {
        w->grid.setTextMatrix(5, 1, "LD");
        writeBytes(file("p.PLC"), bytes);
        answerOpen(file("p.PLC"));
        EXPECT_TRUE(w->commands.mnuLoad_Click());
        EXPECT_TRUE(w->boxes.shown.empty());
        EXPECT_EQ(w->editor.lastUsedLine(), 0);
        EXPECT_FALSE(w->editor.codeChanged());
    }
}

TEST_F(FileCommandsTest, LoadOfMoreThan897FieldsFillsLines1To299) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 950; ++i) {
        lines.push_back("C" + std::to_string(i));
    }
    writeBytes(file("big.PLC"), fileOf(lines));
    answerOpen(file("big.PLC"));
    EXPECT_TRUE(w->commands.mnuLoad_Click());
    EXPECT_TRUE(w->boxes.shown.empty());
    EXPECT_EQ(w->grid.TextMatrix(1, 1), "C1");
    EXPECT_EQ(w->grid.TextMatrix(299, 3), "C897");
    EXPECT_EQ(w->grid.Row(), 299);
    EXPECT_EQ(w->grid.Col(), 3);
}

// Every message of Load, and the promise that goes with each: the grid, the cursor and the
// changed flag are exactly as they were.
TEST_F(FileCommandsTest, LoadMessagesLeaveTheProgramAsItWas) {
    std::filesystem::create_directory(dir.path() / "folder.PLC");
    struct Row {
        const char* what;
        std::optional<std::string> bytes; // nullopt: no such file is written
        std::string path;
        std::string boxes;
    };
    const std::vector<Row> rows = {
        {"wrong magic", fileOf({"LD"}).replace(0, 3, "XYZ"), "bad.PLC",
         "Invalid Rungbox File [16 rungbox]\n"},
        {"empty first line", "\r\n1.00\r\n", "bad.PLC", "Invalid Rungbox File [16 rungbox]\n"},
        {"wrong version", "QZV_RUNGBOX_MAGIC\r\n1.0\r\nLD\r\n", "bad.PLC",
         "Incompatible Rungbox version [16 rungbox]\n"},
        {"ends before its second line", "QZV_RUNGBOX_MAGIC\r\n", "bad.PLC",
         "Unknown error in mnuLoad: ( 61) No data available [0 rungbox]\n"},
        {"empty file", "", "bad.PLC",
         "Unknown error in mnuLoad: ( 61) No data available [0 rungbox]\n"},
        {"no such file", std::nullopt, "missing.PLC", "No such file or directory [0 rungbox]\n"},
        {"a folder", std::nullopt, "folder.PLC",
         "Unknown error in mnuLoad: ( 21) Is a directory [0 rungbox]\n"},
    };
    for (const bool changed : {false, true}) {
        for (const Row& r : rows) {
            w = std::make_unique<test::Window>(disk);
            putProgram(w->grid, {{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
            w->grid.select(2, 1, 3, 3);
            w->editor.setCodeChanged(changed);
            if (r.bytes) {
                writeBytes(file(r.path), *r.bytes);
            }
            if (changed) {
                answerBox(MsgAnswer::No);
            }
            answerOpen(file(r.path));
            const auto before = snapshot(w->grid);

            EXPECT_FALSE(w->commands.mnuLoad_Click()) << r.what;
            std::string expected = r.boxes;
            if (changed) {
                expected = std::string(kSaveQuestion) + " [35 rungbox]\n" + expected;
            }
            EXPECT_EQ(describeBoxes(w->boxes), expected) << r.what;
            EXPECT_EQ(snapshot(w->grid), before) << r.what;
            EXPECT_EQ(w->editor.codeChanged(), changed) << r.what;
        }
    }
}

TEST_F(FileCommandsTest, LoadWithCancelledDialogKeepsTheFlag) {
    for (const bool changed : {false, true}) {
        typeThreeLineProgram();
        w->editor.setCodeChanged(changed);
        answerBox(MsgAnswer::No);
        answerOpen(std::nullopt);
        const auto before = snapshot(w->grid);
        EXPECT_FALSE(w->commands.mnuLoad_Click());
        EXPECT_EQ(w->editor.codeChanged(), changed);
        EXPECT_EQ(snapshot(w->grid), before);
        // So a later New still asks.
        w->boxes.shown.clear();
        w->boxes.answers.clear();
        answerBox(MsgAnswer::Cancel);
        w->commands.mnuNew_Click();
        EXPECT_EQ(w->boxes.shown.size(), changed ? 1U : 0U);
    }
}

TEST_F(FileCommandsTest, LoadAsksTheSaveQuestionWithCancel) {
    writeBytes(file("p.PLC"), fileOf({"LD", "5"}));
    typeThreeLineProgram();
    const auto before = snapshot(w->grid);

    // Cancel: no dialog, nothing changes.
    answerBox(MsgAnswer::Cancel);
    EXPECT_FALSE(w->commands.mnuLoad_Click());
    ASSERT_EQ(w->boxes.shown.size(), 1U);
    EXPECT_EQ(w->boxes.shown[0].text, kSaveQuestion);
    EXPECT_EQ(w->boxes.shown[0].text,
              "The ladder code has changed.\r\nDo you want to save the ladder code?");
    EXPECT_EQ(w->boxes.shown[0].style, kQuestionYesNoCancel);
    EXPECT_EQ(w->boxes.shown[0].title, "rungbox");
    EXPECT_TRUE(w->dialog.calls.empty());
    EXPECT_TRUE(w->editor.codeChanged());
    EXPECT_EQ(snapshot(w->grid), before);

    // Yes: saves, then loads.
    answerBox(MsgAnswer::Yes);
    answerSave(file("saved.PLC"));
    answerOpen(file("p.PLC"));
    EXPECT_TRUE(w->commands.mnuLoad_Click());
    EXPECT_EQ(readBytes(file("saved.PLC")), fileOf({"LD", "0", "", "OUT", "1000", "", "END"}));
    EXPECT_EQ(w->grid.TextMatrix(1, 1), "LD");
    EXPECT_EQ(w->grid.TextMatrix(1, 2), "5");
    EXPECT_EQ(w->grid.TextMatrix(2, 1), "");
    EXPECT_FALSE(w->editor.codeChanged());
}

TEST_F(FileCommandsTest, LoadStopsWhenYesDidNotSave) {
    writeBytes(file("p.PLC"), fileOf({"LD", "5"}));
    std::filesystem::create_directory(dir.path() / "folder.PLC");
    for (const std::optional<std::string>& saveTo :
         {std::optional<std::string>(), std::optional<std::string>(file("folder.PLC"))}) {
        typeThreeLineProgram();
        w->boxes.shown.clear();
        w->dialog.calls.clear();
        const auto before = snapshot(w->grid);
        answerBox(MsgAnswer::Yes);
        answerSave(saveTo);
        answerOpen(file("p.PLC"));
        EXPECT_FALSE(w->commands.mnuLoad_Click());
        EXPECT_EQ(w->dialog.calls.size(), 1U) << "no open dialog after an unsaved Yes";
        EXPECT_EQ(w->boxes.shown.size(), saveTo ? 2U : 1U); // the question, and a failure's message
        EXPECT_TRUE(w->editor.codeChanged());
        EXPECT_EQ(snapshot(w->grid), before);
        w->dialog.openAnswers.clear();
    }
}

// --- New -------------------------------------------------------------------------------------

TEST_F(FileCommandsTest, NewOnAnUnchangedProgramAsksNothing) {
    w->grid.setTextMatrix(1, 1, "LD"); // as a load leaves it: not an edit
    w->grid.select(4, 2, 4, 2);
    w->commands.mnuNew_Click();
    EXPECT_TRUE(w->boxes.shown.empty());
    EXPECT_EQ(w->editor.lastUsedLine(), 0);
    EXPECT_EQ(w->grid.Row(), 1);
    EXPECT_EQ(w->grid.Col(), 1);
}

TEST_F(FileCommandsTest, NewAnswers) {
    struct Row {
        const char* what;
        MsgAnswer answer;
        std::optional<std::string> saveTo; // for Yes; "dir" is a folder, so the save fails
        bool emptied;
        std::size_t boxes;
    };
    std::filesystem::create_directory(dir.path() / "dir");
    const std::vector<Row> rows = {
        {"Cancel", MsgAnswer::Cancel, std::nullopt, false, 1},
        {"No", MsgAnswer::No, std::nullopt, true, 1},
        {"Yes, saved", MsgAnswer::Yes, file("n.PLC"), true, 1},
        {"Yes, save cancelled", MsgAnswer::Yes, std::nullopt, false, 1},
        {"Yes, save failed", MsgAnswer::Yes, file("dir"), false, 2},
    };
    for (const Row& r : rows) {
        w = std::make_unique<test::Window>(disk);
        typeThreeLineProgram();
        const auto before = snapshot(w->grid);
        answerBox(r.answer);
        answerSave(r.saveTo);
        w->commands.mnuNew_Click();
        ASSERT_EQ(w->boxes.shown.size(), r.boxes) << r.what;
        EXPECT_EQ(w->boxes.shown[0].style, kQuestionYesNoCancel) << r.what;
        EXPECT_EQ(w->dialog.calls.size(), r.answer == MsgAnswer::Yes ? 1U : 0U) << r.what;
        if (r.emptied) {
            EXPECT_EQ(w->editor.lastUsedLine(), 0) << r.what;
            EXPECT_FALSE(w->editor.codeChanged()) << r.what;
            // A following New asks nothing.
            w->commands.mnuNew_Click();
            EXPECT_EQ(w->boxes.shown.size(), r.boxes) << r.what;
        } else {
            EXPECT_EQ(snapshot(w->grid), before) << r.what;
            EXPECT_TRUE(w->editor.codeChanged()) << r.what;
        }
    }
    EXPECT_EQ(readBytes(file("n.PLC")), fileOf({"LD", "0", "", "OUT", "1000", "", "END"}));
}

TEST_F(FileCommandsTest, NewDoesNotResetTheController) {
    w->controller.setRelay(500, true);
    w->commands.mnuNew_Click();
    EXPECT_TRUE(w->controller.relay(500));
}

// --- Closing the window and File > Exit ------------------------------------------------------

TEST_F(FileCommandsTest, ClosingAnUnchangedProgramAsksNothingAndResets) {
    w->controller.setRelay(500, true);
    EXPECT_TRUE(w->commands.Form_Unload());
    EXPECT_TRUE(w->boxes.shown.empty());
    EXPECT_FALSE(w->controller.relay(500));
}

TEST_F(FileCommandsTest, ClosingAnEditedProgramOffersYesAndNo) {
    struct Row {
        const char* what;
        MsgAnswer answer;
        std::optional<std::string> saveTo;
        bool closes;
    };
    const std::vector<Row> rows = {
        {"No", MsgAnswer::No, std::nullopt, true},
        {"Yes, saved", MsgAnswer::Yes, file("c.PLC"), true},
        {"Yes, save cancelled", MsgAnswer::Yes, std::nullopt, false},
    };
    for (const Row& r : rows) {
        w = std::make_unique<test::Window>(disk);
        typeThreeLineProgram();
        w->controller.setRelay(500, true);
        answerBox(r.answer);
        answerSave(r.saveTo);
        EXPECT_EQ(w->commands.Form_Unload(), r.closes) << r.what;
        ASSERT_EQ(w->boxes.shown.size(), 1U) << r.what;
        EXPECT_EQ(w->boxes.shown[0].text, kSaveQuestion);
        EXPECT_EQ(w->boxes.shown[0].style, kQuestionYesNo) << r.what;
        EXPECT_EQ(w->boxes.shown[0].title, "rungbox");
        // The controller is reset only when the window really closes.
        EXPECT_EQ(w->controller.relay(500), !r.closes) << r.what;
        EXPECT_EQ(w->editor.codeChanged(), r.answer == MsgAnswer::No || !r.closes) << r.what;
    }
}

TEST_F(FileCommandsTest, ExitClosesTheWindowTheNormalWaySoItAsks) {
    typeThreeLineProgram();
    answerBox(MsgAnswer::Yes);
    answerSave(std::nullopt);
    w->commands.mnuexit_Click();
    EXPECT_EQ(w->shell.closeRequests, 1);
    EXPECT_FALSE(w->shell.closed);
    ASSERT_EQ(w->boxes.shown.size(), 1U);
    EXPECT_EQ(w->boxes.shown[0].style, kQuestionYesNo);

    answerBox(MsgAnswer::No);
    w->commands.mnuexit_Click();
    EXPECT_EQ(w->shell.closeRequests, 2);
    EXPECT_TRUE(w->shell.closed);
}

TEST_F(FileCommandsTest, ExitOnAnUnchangedProgramClosesWithoutAsking) {
    w->commands.mnuexit_Click();
    EXPECT_TRUE(w->shell.closed);
    EXPECT_TRUE(w->boxes.shown.empty());
}

} // namespace
} // namespace rungbox::files

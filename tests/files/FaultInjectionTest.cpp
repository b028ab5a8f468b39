// Saves and loads that fail. Injected failures make each operation of a save fail in turn (once,
// and from there on); real ones come from the operating system: folders and files the user may
// not write, a full disk, a file removed or unreadable when Load comes to it. Whatever fails, the
// file that was there stays byte for byte, no temporary file is left, exactly one message is
// shown, and the program in the grid and its changed flag stay as they were.

#include "FileTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rungbox::files {
namespace {

using engine::MsgAnswer;
using test::ChildOptions;
using test::describeBoxes;
using test::fileOf;
using test::putProgram;
using test::readBytes;
using test::runInChild;
using test::snapshot;
using test::TempDir;
using test::writeBytes;

const std::string kOldFile = fileOf({"OLD", "1", "", "END"});
const std::string kNewFile = fileOf({"LD", "0", "", "OUT", "1000", "", "END"});
// beginSave, nine writes (one a line), commit.
constexpr int kSaveOperations = 11;

void typeProgram(test::Window& w) {
    putProgram(w.grid, {{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
    w.grid.select(2, 2, 2, 2);
    w.editor.setCodeChanged(true);
}

// --- Injected failures -----------------------------------------------------------------------

TEST(SaveFaultInjection, EveryOperationFailingLeavesTheOldFileAndTheFlag) {
    for (const bool oldFileThere : {true, false}) {
        for (const bool persistent : {false, true}) {
            bool saved = false;
            int n = 1;
            for (; !saved && n <= 100; ++n) {
                SCOPED_TRACE(testing::Message()
                             << "fail at operation " << n << (persistent ? " and after" : " only")
                             << (oldFileThere ? ", old file there" : ""));
                TempDir dir;
                const std::string target = dir.file("p.PLC");
                if (oldFileThere) {
                    writeBytes(target, kOldFile);
                }
                const auto entriesBefore = dir.entries();
                test::FaultyFileSystem faulty;
                faulty.failAt = n;
                faulty.persistent = persistent;
                test::Window w(faulty);
                typeProgram(w);
                const auto before = snapshot(w.grid);
                w.dialog.saveAnswers.push_back(target);

                saved = w.commands.mnuSaveAs_Click();
                if (saved) {
                    EXPECT_EQ(faulty.failures, 0);
                    EXPECT_EQ(readBytes(target), kNewFile);
                    EXPECT_FALSE(w.editor.codeChanged());
                    EXPECT_TRUE(w.boxes.shown.empty());
                    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
                    break;
                }
                EXPECT_EQ(faulty.failures, 1) << "the save stops at its first failure";
                EXPECT_EQ(faulty.operations, n);
                if (oldFileThere) {
                    EXPECT_EQ(readBytes(target), kOldFile);
                }
                EXPECT_EQ(dir.entries(), entriesBefore) << "no temporary file left";
                EXPECT_EQ(describeBoxes(w.boxes),
                          "Unknown error in mnuSaveAs: ( 5) Input/output error [0 rungbox]\n");
                EXPECT_TRUE(w.editor.codeChanged());
                EXPECT_EQ(snapshot(w.grid), before);
            }
            EXPECT_TRUE(saved);
            EXPECT_EQ(n, kSaveOperations + 1) << "every operation of the save was tried";
        }
    }
}

// A save reached through Yes in the save question that fails at any operation stops the command
// that asked, as Cancel would.
TEST(SaveFaultInjection, FailedSaveAfterYesStopsNewLoadAndClosing) {
    enum class Command { New, Load, Close };
    for (const Command command : {Command::New, Command::Load, Command::Close}) {
        for (int n = 1; n <= kSaveOperations; ++n) {
            SCOPED_TRACE(testing::Message()
                         << "command " << static_cast<int>(command) << ", fail at operation " << n);
            TempDir dir;
            writeBytes(dir.file("p.PLC"), kOldFile);
            writeBytes(dir.file("other.PLC"), fileOf({"LD", "9"}));
            test::FaultyFileSystem faulty;
            faulty.failAt = n;
            test::Window w(faulty);
            typeProgram(w);
            w.controller.setRelay(500, true);
            const auto before = snapshot(w.grid);
            w.boxes.answers.push_back(MsgAnswer::Yes);
            w.dialog.saveAnswers.push_back(dir.file("p.PLC"));
            w.dialog.openAnswers.push_back(dir.file("other.PLC"));

            switch (command) {
            case Command::New:
                w.commands.mnuNew_Click();
                break;
            case Command::Load:
                EXPECT_FALSE(w.commands.mnuLoad_Click());
                break;
            case Command::Close:
                w.commands.mnuexit_Click();
                EXPECT_FALSE(w.shell.closed);
                EXPECT_TRUE(w.controller.relay(500)) << "not reset: the window stays open";
                break;
            }
            EXPECT_EQ(w.boxes.shown.size(), 2U) << "the question and one error message";
            EXPECT_EQ(w.dialog.calls.size(), 1U) << "no open dialog after the failed save";
            EXPECT_EQ(snapshot(w.grid), before);
            EXPECT_TRUE(w.editor.codeChanged());
            EXPECT_EQ(readBytes(dir.file("p.PLC")), kOldFile);
            EXPECT_EQ(dir.entries(), (std::vector<std::string>{"other.PLC", "p.PLC"}));
        }
    }
}

// --- Real failures ---------------------------------------------------------------------------

// What a Save As in a child process showed and left: its messages, then whether the grid and the
// changed flag stayed.
std::string saveInChild(const ChildOptions& options, const std::string& target,
                        int programLines = 3) {
    const auto result = runInChild(options, [&] {
        DiskFileSystem disk;
        auto w = std::make_unique<test::Window>(disk);
        typeProgram(*w);
        for (int row = 4; row <= programLines; ++row) {
            w->grid.setTextMatrix(row - 1, 1, "LD");
            w->grid.setTextMatrix(row - 1, 2, std::to_string(row));
            w->grid.setTextMatrix(row, 1, "END");
        }
        const auto before = snapshot(w->grid);
        w->dialog.saveAnswers.push_back(target);
        const bool saved = w->commands.mnuSaveAs_Click();
        return describeBoxes(w->boxes) + (saved ? "saved" : "not saved") +
               (w->editor.codeChanged() ? ", changed" : ", unchanged") +
               (snapshot(w->grid) == before ? ", grid kept" : ", grid moved");
    });
    EXPECT_TRUE(result.exitedNormally) << result.output;
    return result.output;
}

std::string loadInChild(const ChildOptions& options, const std::string& path,
                        const std::function<void()>& afterOpen = {}) {
    const auto result = runInChild(options, [&] {
        DiskFileSystem disk;
        auto w = std::make_unique<test::Window>(disk);
        typeProgram(*w);
        const auto before = snapshot(w->grid);
        w->boxes.answers.push_back(MsgAnswer::No);
        w->dialog.openAnswers.push_back(path);
        w->dialog.afterOpen = afterOpen;
        const bool loaded = w->commands.mnuLoad_Click();
        return describeBoxes(w->boxes) + (loaded ? "loaded" : "not loaded") +
               (w->editor.codeChanged() ? ", changed" : ", unchanged") +
               (snapshot(w->grid) == before ? ", grid kept" : ", grid replaced");
    });
    EXPECT_TRUE(result.exitedNormally) << result.output;
    return result.output;
}

const std::string kQuestion = std::string(kSaveQuestion) + " [35 rungbox]\n";
const ChildOptions kUnprivileged{.dropPrivileges = true};

// The tests may run as root, who writes anywhere; the permission cases run in a child that has
// dropped to an unprivileged user, in folders that user can reach.
TEST(SaveRealFailures, FolderWithoutWritePermission) {
    TempDir dir;
    const auto folder = dir.path() / "locked";
    std::filesystem::create_directory(folder);
    writeBytes(folder / "p.PLC", kOldFile);
    ::chmod((folder / "p.PLC").c_str(), 0666);
    ::chmod(folder.c_str(), 0555);

    for (const std::string name : {"p.PLC", "new.PLC"}) {
        EXPECT_EQ(saveInChild(kUnprivileged, (folder / name).string()),
                  "Unknown error in mnuSaveAs: ( 13) Permission denied [0 rungbox]\n"
                  "not saved, changed, grid kept")
            << name;
        EXPECT_EQ(readBytes(folder / "p.PLC"), kOldFile);
        EXPECT_EQ(TempDir::entriesOf(folder), std::vector<std::string>{"p.PLC"});
    }
}

TEST(SaveRealFailures, UnprivilegedSaveInAWritableFolderSucceeds) {
    // The control case: the same child set-up saves where it may, keeping the file's mode.
    TempDir dir(std::filesystem::perms(0777));
    writeBytes(dir.path() / "p.PLC", kOldFile);
    ::chmod(dir.file("p.PLC").c_str(), 0666);
    EXPECT_EQ(saveInChild(kUnprivileged, dir.file("p.PLC")), "saved, unchanged, grid moved");
    EXPECT_EQ(readBytes(dir.file("p.PLC")), kNewFile);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("p.PLC").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666U);
}

TEST(SaveRealFailures, WriteProtectedFileIsNotReplaced) {
    TempDir dir(std::filesystem::perms(0777));
    writeBytes(dir.path() / "p.PLC", kOldFile);
    ::chmod(dir.file("p.PLC").c_str(), 0444);
    EXPECT_EQ(saveInChild(kUnprivileged, dir.file("p.PLC")),
              "Unknown error in mnuSaveAs: ( 13) Permission denied [0 rungbox]\n"
              "not saved, changed, grid kept");
    EXPECT_EQ(readBytes(dir.file("p.PLC")), kOldFile);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
}

TEST(SaveRealFailures, OthersFileInASharedStickyFolderCannotBeReplaced) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to own a file the unprivileged user may not replace";
    }
    // As in /tmp: everyone may create files, but only a file's owner may replace it. The file
    // itself is writable by all, so the failure comes only at the final rename.
    TempDir dir(std::filesystem::perms(01777));
    writeBytes(dir.path() / "p.PLC", kOldFile);
    ::chmod(dir.file("p.PLC").c_str(), 0666);
    EXPECT_EQ(saveInChild(kUnprivileged, dir.file("p.PLC")),
              "Unknown error in mnuSaveAs: ( 1) Operation not permitted [0 rungbox]\n"
              "not saved, changed, grid kept");
    EXPECT_EQ(readBytes(dir.file("p.PLC")), kOldFile);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
}

TEST(SaveRealFailures, FullDisk) {
    // The limit falls inside the file: some lines are written, then a write fails.
    for (const rlim_t limit : {1, 40, 1000}) {
        TempDir dir;
        writeBytes(dir.path() / "p.PLC", kOldFile);
        EXPECT_EQ(saveInChild({.fileSizeLimit = limit}, dir.file("p.PLC"), 299),
                  "Unknown error in mnuSaveAs: ( 27) File too large [0 rungbox]\n"
                  "not saved, changed, grid kept")
            << "limit " << limit;
        EXPECT_EQ(readBytes(dir.file("p.PLC")), kOldFile);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
    }
}

TEST(SaveRealFailures, TargetIsAFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "p.PLC");
    writeBytes(dir.path() / "p.PLC" / "inside", "x");
    EXPECT_EQ(saveInChild({}, dir.file("p.PLC")),
              "Unknown error in mnuSaveAs: ( 21) Is a directory [0 rungbox]\n"
              "not saved, changed, grid kept");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
    EXPECT_EQ(TempDir::entriesOf(dir.path() / "p.PLC"), std::vector<std::string>{"inside"});
}

TEST(LoadRealFailures, FileRemovedAfterTheDialog) {
    TempDir dir;
    const std::string path = dir.file("p.PLC");
    writeBytes(path, kNewFile);
    EXPECT_EQ(loadInChild({}, path, [&] { std::filesystem::remove(path); }),
              kQuestion + "No such file or directory [0 rungbox]\nnot loaded, changed, grid kept");
}

TEST(LoadRealFailures, UnreadableFile) {
    TempDir dir;
    writeBytes(dir.path() / "p.PLC", kNewFile);
    ::chmod(dir.file("p.PLC").c_str(), 0);
    EXPECT_EQ(loadInChild(kUnprivileged, dir.file("p.PLC")),
              kQuestion + "Unknown error in mnuLoad: ( 13) Permission denied [0 rungbox]\n"
                          "not loaded, changed, grid kept");
}

TEST(LoadRealFailures, GoodFileStillLoadsForTheUnprivilegedUser) {
    // The control case: the same child set-up loads a readable file.
    TempDir dir;
    writeBytes(dir.path() / "p.PLC", fileOf({"LD", "9"}));
    ::chmod(dir.file("p.PLC").c_str(), 0644);
    EXPECT_EQ(loadInChild(kUnprivileged, dir.file("p.PLC")),
              kQuestion + "loaded, unchanged, grid replaced");
}

} // namespace
} // namespace rungbox::files

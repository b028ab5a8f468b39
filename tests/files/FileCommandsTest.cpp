// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands under the save question, and saves and loads that fail, each run in a forked
// child (see test::run) and told as a transcript.

#include "FileTestSupport.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

using platform::BoxAnswer;
namespace fs = std::filesystem;

const std::string kOldFile = test::fileOf({"OLD", "1", "", "END"});
const std::string kNewFile = test::fileOf({"LD", "0", "", "OUT", "1000", "", "END"});

// A folder set-up: "p.PLC" holding `bytes` with permission bits `mode` (no file when `bytes` is
// empty), in a folder with `folderMode`.
std::function<void(const fs::path&)> file(const std::string& bytes, int mode = 0644,
                                          int folderMode = 0777) {
    return [=](const fs::path& d) {
        if (!bytes.empty()) {
            test::writeBytes(d / "p.PLC", bytes, mode);
        }
        fs::permissions(d, fs::perms(folderMode));
    };
}

// Each operation of a save fails in turn, once alone and once with all later ones failing too:
// the save stops at that operation, says so once and leaves the program, its flag and the folder
// as they were, byte for byte. With no operation left to fail, the same save goes through.
TEST(SaveFaultInjection, EachOperationFailingLeavesTheFolderAsItWas) {
    for (const std::string& old : {kOldFile, std::string()}) {
        for (const bool persistent : {false, true}) {
            for (int n = 1; n <= test::kSaveOperations + 1; ++n) {
                const std::string end =
                    n <= test::kSaveOperations
                        ? "  box: Unknown error in mnuSaveAs: ( 5) Input/output error [ok "
                          "rungbox]\n"
                          "  program kept, changed\n  " +
                              std::to_string(n) + " operations\n  folder as it was\n"
                        : "  program cursor 3,2 to 3,2 1.1=LD 1.2=0 2.1=OUT 2.2=1000 3.1=END, "
                          "unchanged\n  11 operations\n  folder p.PLC " +
                              std::to_string(old.empty() ? 644 : 666) + "=" +
                              test::escaped(kNewFile) + "\n";
                test::Script save{
                    "", file(old, 0666), &FileCommands::saveAs, BoxAnswer::No, {"p.PLC"}};
                save.failAt = n;
                save.persistent = persistent;
                EXPECT_EQ(test::run(save), ":\n  save default.PLC PLC file (*.PLC)|*.PLC\n" + end)
                    << "old file " << !old.empty() << ", persistent " << persistent;
            }
        }
    }
}

// Failures the operating system makes, each in a fresh folder holding the chosen "p.PLC" as the
// case sets it up, then the same unprivileged child saving and loading where it may.
TEST(RealFailures, SaveAndLoadLeaveTheFolderTheProgramAndItsFlag) {
    auto folder = [](const fs::path& d) { fs::create_directories(d / "p.PLC" / "inside"); };
    auto pipe = [](const fs::path& d) { ::mkfifo((d / "p.PLC").c_str(), 0666); };
    auto link = [](const fs::path& d) {
        test::writeBytes(d / "real.PLC", kOldFile, 0646);
        fs::create_symlink("real.PLC", d / "p.PLC");
    };
    auto danglingLink = [](const fs::path& d) { // a chain of two, the last one dangling
        fs::create_directory(d / "sub");
        fs::permissions(d / "sub", fs::perms::all);
        fs::create_symlink("sub/q.PLC", d / "p.PLC");
        fs::create_symlink("real.PLC", d / "sub" / "q.PLC");
    };
    const std::pair<std::string, std::function<void(const fs::path&)>> cases[] = {
        {"Save As, folder without write permission", file(kOldFile, 0666, 0555)},
        {"Save As, write-protected file", file(kOldFile, 0444)},
        {"Save As, full disk", file(kOldFile, 0666)},
        {"Save As, target is a folder", folder},
        {"Save As, target is a pipe", pipe},
        {"Load, file gone", file("")},
        {"Load, unreadable file", file(kNewFile, 0)},
        {"Load, folder", folder},
        {"Load, pipe", pipe},
        {"Load, wrong magic", file("qzv_rungbox_magic\r\n1.00\r\n")},
        {"Load, wrong version", file("QZV_RUNGBOX_MAGIC\r\n1.0\r\n")},
        {"Load, no version line", file("QZV_RUNGBOX_MAGIC\r\n")},
        {"Save As, old file replaced keeping its mode", file(kOldFile, 0666)},
        {"Save As, through a link", link},
        {"Save As, through a dangling link", danglingLink},
        {"Load, good file", file(test::fileOf({"LD", "9"}))},
        // As in /tmp: only a file's owner may replace it, so the final rename fails. The file
        // must belong to another user: only root can arrange that, so this case comes last.
        {"Save As, another's file in a sticky folder", file(kOldFile, 0666, 01777)},
    };
    const bool root = ::geteuid() == 0;
    std::string transcript;
    for (const auto& [name, setUp] : cases) {
        if (root || name.find("sticky") == std::string::npos) {
            test::Script script{name,
                                setUp,
                                name.starts_with("Load") ? &FileCommands::load
                                                         : &FileCommands::saveAs,
                                BoxAnswer::No,
                                {"p.PLC"}};
            script.fileSizeLimit = name.ends_with("full disk") ? 40 : 0;
            transcript += test::run(script);
        }
    }
    const std::string expected = test::golden("real_failures.txt", root ? transcript : "");
    EXPECT_EQ(transcript,
              expected.substr(0, root ? std::string::npos : expected.find("Save As, another's")));
}

TEST(FileCommands, SaveQuestionGuardsNewLoadAndExit) {
    const test::Script outcomes[] = {
        {"not edited", {}, {}, std::nullopt, {"other.PLC"}},
        {"No", {}, {}, BoxAnswer::No, {"other.PLC"}},
        {"No, open dialog cancelled", {}, {}, BoxAnswer::No, {std::nullopt}},
        {"Yes, saved", {}, {}, BoxAnswer::Yes, {"p.PLC", "other.PLC"}},
        {"Cancel", {}, {}, BoxAnswer::Cancel, {"other.PLC"}},
        {"box closed without an answer", {}, {}, BoxAnswer::Dismissed, {"other.PLC"}},
        {"Yes, save dialog cancelled", {}, {}, BoxAnswer::Yes, {std::nullopt, "other.PLC"}},
        {"Yes, save failed", {}, {}, BoxAnswer::Yes, {"p.PLC", "other.PLC"}, 1},
    };
    // Exit closes the window the normal way, and the close asks (Yes and No only).
    const std::pair<std::string, std::function<void(FileCommands&)>> commands[] = {
        {"New", &FileCommands::newProgram},
        {"Load", &FileCommands::load},
        {"Exit", &FileCommands::exit}};
    std::string transcript;
    for (const auto& [command, click] : commands) {
        for (test::Script script : outcomes) {
            if ((command == "Exit" && script.answer == BoxAnswer::Cancel) ||
                (command != "Load" && script.name.ends_with("open dialog cancelled"))) {
                continue;
            }
            script.name = command + ", " + script.name;
            script.setUp = [](const auto& d) {
                test::writeBytes(d / "other.PLC", test::fileOf({"LD", "9"}));
            };
            script.command = click;
            transcript += test::run(script);
        }
    }
    EXPECT_EQ(transcript, test::golden("save_question.txt", transcript));
}

} // namespace
} // namespace rungbox::files

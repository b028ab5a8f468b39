// SPDX-License-Identifier: GPL-3.0-or-later
// The current file, the window title with its edit mark and the recent files list, through
// every file command on the disk.

#include "files/CurrentFile.h"
#include "FileTestSupport.h"
#include "files/RecentFiles.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

using platform::BoxAnswer;
namespace fs = std::filesystem;

// A store that remembers in memory and counts its writes.
struct MemoryStore : platform::RecentFileStore {
    std::vector<std::string> paths;
    int writes = 0;
    std::vector<std::string> readRecentFiles() override { return paths; }
    void writeRecentFiles(const std::vector<std::string>& p) override {
        paths = p;
        ++writes;
    }
};

TEST(RecentFiles, KeepsTheLastFiveMostRecentFirstAndRemembersThem) {
    MemoryStore store;
    store.paths = {"a", "b", "a", "", "c", "d", "e", "f", "g"};
    RecentFiles recent;
    recent.setStore(&store);
    using List = std::vector<std::string>;
    EXPECT_EQ(recent.paths(), (List{"a", "b", "c", "d", "e"})) << "a remembered list is tidied";
    EXPECT_EQ(store.writes, 0);
    recent.add("c");
    EXPECT_EQ(recent.paths(), (List{"c", "a", "b", "d", "e"}));
    recent.add("x");
    EXPECT_EQ(recent.paths(), (List{"x", "c", "a", "b", "d"}));
    recent.remove("a");
    recent.remove("not listed");
    EXPECT_EQ(recent.paths(), (List{"x", "c", "b", "d"}));
    EXPECT_EQ(store.paths, recent.paths());
    EXPECT_EQ(store.writes, 3) << "one write a change";
}

struct Files : testing::Test {
    Files() {
        dir = fs::temp_directory_path() / ("rungbox-current-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Files() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    void type(std::initializer_list<editor::KeyPress> keys) {
        for (const editor::KeyPress key : keys) {
            w.editor.pressKey(key);
        }
    }
    std::string title() const { return w.commands.windowTitle(); }
    // The next file dialog answers `name` in the folder.
    void dialogAnswers(const std::string& name) {
        w.paths = {at(name)};
        w.answered = 0;
    }
    void goTo(int row, int col) { w.grid.select(row, col, row, col); }

    fs::path dir;
    DiskFileSystem disk;
    test::Window w{disk};
};

TEST_F(Files, TitleAndEditMarkFollowEveryFileCommand) {
    EXPECT_EQ(title(), "PLC Ladder Code");
    type({editor::KeyPress::letter('L'), editor::KeyPress::letter('D')});
    EXPECT_EQ(title(), "PLC Ladder Code") << "no file: no name and no mark";

    // Save without a file is Save As.
    dialogAnswers("motor.PLC");
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(w.calls, "  save default.PLC PLC file (*.PLC)|*.PLC\n");
    EXPECT_EQ(title(), "motor.PLC - PLC Ladder Code");

    // An edit marks the title, its undo takes the mark away again; moving does not mark.
    goTo(1, editor::kCodeCol);
    type({editor::KeyPress::letter('X')});
    EXPECT_EQ(title(), "motor.PLC* - PLC Ladder Code");
    w.editor.undo();
    type({editor::Key::Down, editor::Key::Up});
    EXPECT_EQ(title(), "motor.PLC - PLC Ladder Code");

    // Save writes the current file in place, without a dialog.
    w.calls.clear();
    goTo(1, editor::kLocationCol);
    type({editor::KeyPress::digit('0')});
    EXPECT_EQ(title(), "motor.PLC* - PLC Ladder Code");
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(w.calls, "");
    EXPECT_TRUE(test::readBytes(at("motor.PLC")).starts_with(test::fileOf({"LD", "0", "", ""})));
    EXPECT_EQ(title(), "motor.PLC - PLC Ladder Code");
    EXPECT_FALSE(w.editor.codeChanged());

    // Save As proposes the current file and makes the new one current.
    dialogAnswers("other.PLC");
    ASSERT_TRUE(w.commands.saveAs());
    EXPECT_EQ(w.calls, "  save " + at("motor.PLC") + " PLC file (*.PLC)|*.PLC\n");
    EXPECT_EQ(title(), "other.PLC - PLC Ladder Code");

    // The save question's Yes proposes the current file too; New leaves no file and no history.
    goTo(1, editor::kSetValueCol);
    type({editor::KeyPress::digit('1')});
    w.calls.clear();
    w.reply = BoxAnswer::Yes;
    dialogAnswers("other.PLC");
    w.commands.newProgram();
    EXPECT_TRUE(w.calls.ends_with("  save " + at("other.PLC") + " PLC file (*.PLC)|*.PLC\n"))
        << w.calls;
    EXPECT_EQ(title(), "PLC Ladder Code");
    EXPECT_FALSE(w.editor.history().canUndo());

    // Opening by name (command line, drop, recent files) and Load make the file current, with a
    // new history.
    ASSERT_TRUE(w.commands.open(at("motor.PLC")));
    EXPECT_EQ(title(), "motor.PLC - PLC Ladder Code");
    EXPECT_EQ(w.grid.text(1, editor::kLocationCol), "0");
    EXPECT_FALSE(w.editor.history().canUndo());
    dialogAnswers("other.PLC");
    ASSERT_TRUE(w.commands.load());
    EXPECT_EQ(title(), "other.PLC - PLC Ladder Code");
    using List = std::vector<std::string>;
    EXPECT_EQ(w.commands.recentFiles().paths(), (List{at("other.PLC"), at("motor.PLC")}));

    // A file that is gone says so as Load does and leaves the recent files; the program stays.
    fs::remove(at("motor.PLC"));
    w.calls.clear();
    EXPECT_FALSE(w.commands.open(at("motor.PLC")));
    EXPECT_EQ(w.calls, "  box: No such file or directory [ok rungbox]\n");
    EXPECT_EQ(w.commands.recentFiles().paths(), (List{at("other.PLC")}));
    EXPECT_EQ(title(), "other.PLC - PLC Ladder Code");

    // A failed save changes neither the current file nor the list.
    dialogAnswers("no/such/folder.PLC");
    EXPECT_FALSE(w.commands.saveAs());
    EXPECT_EQ(title(), "other.PLC - PLC Ladder Code");
    EXPECT_EQ(w.commands.recentFiles().paths(), (List{at("other.PLC")}));
}

// The file ends at END: text after it (here the END line's own set-value cell and line 4's
// location) is not in the file, so the program stays marked, the user is told, and the save
// question's Yes does not let New throw that text away.
TEST_F(Files, TextAfterEndIsNotCalledSaved) {
    placeFields(w.grid, {"LD", "0", "", "END", "", "7", "", "", "", "", "5"});
    w.editor.setCodeChanged(true);
    dialogAnswers("p.PLC");
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(test::readBytes(at("p.PLC")), test::fileOf({"LD", "0", "", "END"}));
    EXPECT_TRUE(w.calls.ends_with("  box: " + test::escaped(kTextAfterEndNotSaved.english) +
                                  " [ok+exclamation rungbox]\n"))
        << w.calls;
    EXPECT_EQ(title(), "p.PLC* - PLC Ladder Code");
    EXPECT_TRUE(w.editor.codeChanged());

    w.reply = BoxAnswer::Yes;
    dialogAnswers("p.PLC");
    w.commands.newProgram();
    EXPECT_EQ(w.grid.text(4, editor::kLocationCol), "5") << "New stopped";

    // With the text gone the same save is whole again.
    w.grid.setText(2, editor::kSetValueCol, "");
    w.grid.setText(4, editor::kLocationCol, "");
    w.calls.clear();
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(w.calls, "");
    EXPECT_EQ(title(), "p.PLC - PLC Ladder Code");
    EXPECT_FALSE(w.editor.codeChanged());
}

} // namespace
} // namespace rungbox::files

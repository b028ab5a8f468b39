// SPDX-License-Identifier: GPL-3.0-or-later
// The names file beside the program through the file commands on the disk: read with the
// program, written with every save, carried by Save As, removed when the program has no names.

#include "FileTestSupport.h"
#include "names/NamesFile.h"

#include <gtest/gtest.h>

namespace rungbox::files {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNames = "# gate\n0\tCAR\tcar at the gate\n1000\tGATE_MOTOR\n";

struct NamesFiles : testing::Test {
    NamesFiles() {
        dir = fs::temp_directory_path() / ("rungbox-names-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        test::writeBytes(dir / "gate.PLC", program);
    }
    ~NamesFiles() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    bool saveAs(const std::string& name) {
        w.paths = {at(name)};
        w.answered = 0;
        return w.commands.saveAs();
    }

    const std::string program = test::fileOf({"LD", "0", "", "OUT", "1000", "", "END"});
    fs::path dir;
    DiskFileSystem disk;
    test::Window w{disk};
};

TEST_F(NamesFiles, AProgramWithoutNamesLoadsAndSavesAsBefore) {
    ASSERT_TRUE(w.commands.open(at("gate.PLC")));
    EXPECT_EQ(w.calls, "");
    EXPECT_TRUE(w.editor.names().empty());
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(test::readBytes(dir / "gate.PLC"), program);
    EXPECT_FALSE(fs::exists(dir / "gate.names"));
}

TEST_F(NamesFiles, NamesComeWithTheProgramAndGoWithEverySave) {
    test::writeBytes(dir / "gate.names", kNames);
    ASSERT_TRUE(w.commands.open(at("gate.PLC")));
    EXPECT_EQ(w.calls, "");
    EXPECT_EQ(w.editor.names().nameOf(names::Address::relay(1000)), "GATE_MOTOR");
    EXPECT_EQ(w.commands.windowTitle(), "gate.PLC - PLC Ladder Code");

    // A name edited marks the program; Save writes both files, the program file as before.
    ASSERT_FALSE(w.editor.names().set({names::Address::timer(2), "LIGHT_TIMER", ""}));
    EXPECT_EQ(w.commands.windowTitle(), "gate.PLC* - PLC Ladder Code");
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(w.commands.windowTitle(), "gate.PLC - PLC Ladder Code");
    EXPECT_EQ(test::readBytes(dir / "gate.PLC"), program);
    EXPECT_EQ(test::readBytes(dir / "gate.names"), std::string(kNames) + "TIM 2\tLIGHT_TIMER\n");

    // Save As carries them; a save without names removes the names left beside its target.
    ASSERT_TRUE(saveAs("copy.PLC"));
    EXPECT_EQ(test::readBytes(dir / "copy.names"), test::readBytes(dir / "gate.names"));
    w.commands.newProgram();
    EXPECT_TRUE(w.editor.names().empty());
    ASSERT_TRUE(saveAs("copy.PLC"));
    EXPECT_FALSE(fs::exists(dir / "copy.names"));
    EXPECT_TRUE(fs::exists(dir / "gate.names"));
}

TEST_F(NamesFiles, BadLinesAreReportedAndTheFileIsLeftAloneBySaves) {
    const std::string partly = "0\tCAR\nbad line\n1\tnever\n";
    test::writeBytes(dir / "gate.names", partly);
    ASSERT_TRUE(w.commands.open(at("gate.PLC")));
    EXPECT_EQ(w.calls, "  box: These lines of gate.names were skipped; saving the program leaves "
                       "that file as it is:\\r\\ngate.names line 2: not address<TAB>name<TAB>"
                       "comment\\r\\ngate.names line 3: \"never\" already means something: a word of "
                       "the properties to prove. [ok+exclamation rungbox]\n");
    EXPECT_EQ(w.grid.text(2, editor::kLocationCol), "1000");
    EXPECT_EQ(w.editor.names().size(), 1u);
    ASSERT_TRUE(w.commands.save());
    EXPECT_EQ(test::readBytes(dir / "gate.names"), partly);
}

// A file in another encoding reads as no names at all, and one too large is not read: neither is
// removed or emptied by a save, and names typed since are said to be unsaved.
TEST_F(NamesFiles, ANamesFileReadAsEmptySurvivesSaves) {
    const std::string latin1 = "0\tT\xfcR\n1000\tL\xe4MPE\n";
    const std::string tooLarge(names::kMaxFileBytes + 1, '#');
    for (const std::string& bytes : {latin1, tooLarge}) {
        test::writeBytes(dir / "gate.names", bytes);
        ASSERT_TRUE(w.commands.open(at("gate.PLC")));
        EXPECT_TRUE(w.editor.names().empty());
        w.calls.clear();
        ASSERT_TRUE(w.commands.save());
        EXPECT_EQ(w.calls, "");
        EXPECT_EQ(test::readBytes(dir / "gate.names"), bytes);

        ASSERT_FALSE(w.editor.names().set({names::Address::relay(0), "CAR", ""}));
        ASSERT_TRUE(w.commands.save());
        EXPECT_TRUE(w.calls.find("box: The names were not saved: gate.names was not read whole") !=
                    std::string::npos)
            << w.calls;
        EXPECT_EQ(test::readBytes(dir / "gate.names"), bytes);
        EXPECT_TRUE(w.commands.currentFile().differs(w.grid, w.editor.names()));
        // Under another name the names are written beside the program.
        ASSERT_TRUE(saveAs("copy.PLC"));
        EXPECT_EQ(test::readBytes(dir / "copy.names"), "0\tCAR\n");
        ASSERT_TRUE(w.commands.newProgram());
    }
}

TEST_F(NamesFiles, ANamesFileThatCannotBeReadIsLeftAlone) {
    fs::create_directories(dir / "gate.names");
    ASSERT_TRUE(w.commands.open(at("gate.PLC")));
    EXPECT_TRUE(w.calls.starts_with("  box: The names in gate.names could not be read: (21) "))
        << w.calls;
    ASSERT_TRUE(w.commands.save());
    EXPECT_TRUE(fs::is_directory(dir / "gate.names"));
    // A program saved under a name ending in .names has no names file of its own.
    ASSERT_FALSE(w.editor.names().set({names::Address::relay(0), "CAR", ""}));
    ASSERT_TRUE(saveAs("odd.names"));
    EXPECT_EQ(test::readBytes(dir / "odd.names"), program);
}

} // namespace
} // namespace rungbox::files

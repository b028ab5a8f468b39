// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session where the page's own tests cannot look: a program restored over a reload
// and programs replaced one after the other with their names, run under the sanitizers too.

#include "wasm/WebSession.h"

#include "editor/Editor.h"
#include "editor/TypedText.h"
#include "names/NamesFile.h"
#include "wasm/Json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rungbox::wasm {
namespace {

// A session with "LD" typed into line 1: a changed program.
class WebSessionTest : public ::testing::Test {
protected:
    WebSessionTest() {
        web.pressKey("KeyL", 0);
        web.pressKey("KeyD", 0);
    }
    WebSession web;
};

// An on-screen keyboard hands over characters; they type what the keys of a keyboard type: the
// same cells, cursor, edit mark and undo steps, whatever the case, with one Enter for "\r\n", a
// no-break space as a blank and a character without a key of its own typing nothing.
TEST(WebSessionTyping, TextTypesWhatItsKeysType) {
    struct Case {
        std::string text;
        std::vector<const char*> codes;
    };
    const Case cases[] = {
        {"ld\n0\n\nOut\n1000\n",
         {"KeyL", "KeyD", "Enter", "Digit0", "Enter", "Enter", "KeyO", "KeyU", "KeyT", "Enter",
          "Digit1", "Digit0", "Digit0", "Digit0", "Enter"}},
        {"and not\r\n5-x\r7",
         {"KeyA", "KeyN", "KeyD", "Space", "KeyN", "KeyO", "KeyT", "Enter", "Digit5", "Minus",
          "KeyX", "Enter", "Digit7"}},
        {"tim\xA0z9", {"KeyT", "KeyI", "KeyM", "Space", "KeyZ", "Digit9"}},
        {"", {}},
    };
    const auto state = [](const WebSession& w) {
        std::string all;
        for (int line = 1; line <= 4; ++line) {
            for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
                all += w.grid().text(line, col) + '|';
            }
        }
        return all + std::to_string(w.grid().line()) + ',' + std::to_string(w.grid().column()) +
               (w.codeChanged() ? " changed" : "");
    };
    for (const Case& c : cases) {
        WebSession typed;
        WebSession pressed;
        typed.typeText(c.text);
        for (const char* code : c.codes) {
            pressed.pressKey(code, 0);
        }
        EXPECT_EQ(state(typed), state(pressed)) << c.text;
        typed.pressKey("KeyZ", 2); // Ctrl+Z: the same step undone
        pressed.pressKey("KeyZ", 2);
        EXPECT_EQ(state(typed), state(pressed)) << c.text << " after undo";
    }
}

TEST(WebSessionTyping, ALongTextTypesOnlyItsFirstCharacters) {
    WebSession web;
    web.typeText(std::string(editor::kMaxTypedKeys + 10, 'a'));
    EXPECT_EQ(web.grid().text(1, editor::kCodeCol), std::string(editor::kMaxTypedKeys, 'A'));
}

TEST_F(WebSessionTest, ARestoredProgramKeepsItsFileAndItsEdits) {
    const std::string file = web.programBytes();
    web.pressKey("Enter", 0);
    web.pressKey("Digit7", 0);
    const std::string edited = web.programBytes();
    for (const bool named : {true, false}) {
        WebSession again;
        again.restore(named ? "motor.PLC" : "", file, edited, true);
        EXPECT_EQ(again.grid().text(1, editor::kLocationCol), "7") << named;
        EXPECT_TRUE(again.codeChanged()) << named;
        EXPECT_EQ(again.windowTitle(), named ? "motor.PLC* - PLC Ladder Code" : "PLC Ladder Code");
        again.pressKey("KeyZ", 2); // Ctrl
        EXPECT_EQ(again.grid().text(1, editor::kLocationCol), "7") << named << ": nothing to undo";
    }
}

// The page's handles on the instruction set: restoring carries it (the kept cells with their
// flag, the old form through its version line), the switch is one undo step, and the on-screen
// keyboard's marks reach an extended program's cells only.
TEST(WebSessionRestore, TheInstructionSetComesBackAndSwitches) {
    const std::vector<std::string> cells = {"LD", "0.00", "", "KEEP(11)", "HR0.05", "", "END"};
    WebSession web;
    web.restoreCells("", "", cells, false, true);
    EXPECT_TRUE(web.extended());
    WebSession old;
    EXPECT_TRUE(old.restore("", "", web.programBytes(), false));
    EXPECT_TRUE(old.extended());
    EXPECT_FALSE(old.setExtended(false)) << "line 2 keeps it extended";
    EXPECT_TRUE(old.extended());

    WebSession typed;
    typed.select(1, editor::kLocationCol, 1, editor::kLocationCol);
    typed.typeText("W1.05");
    EXPECT_EQ(typed.grid().text(1, editor::kLocationCol), "105");
    EXPECT_TRUE(typed.setExtended(true));
    typed.select(2, editor::kLocationCol, 2, editor::kLocationCol);
    typed.typeText("W1.05");
    EXPECT_EQ(typed.grid().text(2, editor::kLocationCol), "W1.05");
    typed.pressKey("KeyZ", 2); // Ctrl: the typing
    typed.pressKey("KeyZ", 2); // the switch
    EXPECT_FALSE(typed.extended());
}

// The grid as the page keeps it: every cell exactly, lines after END and bytes no file line can
// hold (a NUL, a quote, a line end) included. The old form, the file's bytes, still restores;
// bytes that are no program file restore nothing and say so.
TEST(WebSessionRestore, TheKeptGridComesBackWholeAndTheOldFormStillReads) {
    const std::vector<std::string> cells = {"LD",     "0",     "",       "END", "",     "",
                                            "LD\0 1", "\"1\"", "a\r\nb", "OUT", "1000", ""};
    WebSession web;
    web.restoreCells("", "", cells, true);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(web.grid().text(1 + static_cast<int>(i / 3), 1 + static_cast<int>(i % 3)),
                  cells[i])
            << i;
    }
    EXPECT_TRUE(web.codeChanged());

    WebSession old;
    EXPECT_TRUE(old.restore("", "", web.programBytes(), false));
    EXPECT_EQ(old.grid().text(2, editor::kCodeCol), "END");
    EXPECT_EQ(old.grid().text(3, editor::kCodeCol), "") << "the file form ends at END";
    WebSession bad;
    EXPECT_FALSE(bad.restore("kept.PLC", web.programBytes(), "not a program", true));
    EXPECT_EQ(bad.windowTitle(), "PLC Ladder Code") << "nothing restored";
    EXPECT_FALSE(bad.codeChanged());
}

// Names go in with the program they belong to, as the window reads NAME.names beside NAME.PLC,
// and come out as their file; a program offered without names has none.
TEST_F(WebSessionTest, NamesGoWithTheProgramTheyAreOfferedWith) {
    const std::string program = web.programBytes();
    const std::string good = "0\tSTART\tthe green button\n1000\tMOTOR\n";
    struct Case {
        const char* names; // nullptr: none offered
        const char* kept;
        std::size_t boxes;
    };
    for (const Case& c : {Case{good.c_str(), good.c_str(), 0}, Case{nullptr, "", 0},
                          Case{"0\tSTART\nnot a line\n", "0\tSTART\n", 1}, Case{"", "", 0}}) {
        if (c.names != nullptr) {
            web.offerNames(c.names);
        }
        web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
        ASSERT_TRUE(web.offerAndLoad("shared.PLC", program));
        EXPECT_EQ(web.namesBytes(), c.kept);
        EXPECT_EQ(web.windowTitle(), "shared.PLC - PLC Ladder Code") << "names as loaded";
        const auto messages = web.boxes().takeMessages();
        ASSERT_EQ(messages.size(), c.boxes) << c.kept;
        if (c.boxes > 0) {
            EXPECT_EQ(messages[0].text, "These lines of shared.names were skipped; saving the "
                                        "program leaves that file as it is:\r\n"
                                        "shared.names line 2: " +
                                            names::readNamesFile(c.names).badLines[0].why);
        }
    }
}

// A machine drawn from a scene reaches the page as its picture and its controls; its hands work
// only during a run, and a control or touch the machine does not have changes nothing.
TEST(WebSessionMachines, SceneMachinesCarryTheirPictureAndTheirHands) {
    WebSession web;
    EXPECT_EQ(web.machineJson(), "null");
    EXPECT_FALSE(web.chooseModule(static_cast<int>(machines::kModuleKinds)));
    ASSERT_TRUE(web.chooseModule(static_cast<int>(machines::ModuleKind::Motor)));
    const std::string stopped = web.machineJson();
    EXPECT_NE(stopped.find("\"title\":\"Motor Starter\""), std::string::npos);
    EXPECT_NE(stopped.find("\"scene\":{\"w\":"), std::string::npos);
    EXPECT_NE(stopped.find("\"controls\":[{\"word\":"), std::string::npos);
    EXPECT_NE(stopped.find("Stopped: start the run to work the machine."), std::string::npos);

    machines::Plant& plant = *web.session().modules().plant();
    web.paste("LD\t0\t\nOUT\t1000\t\nEND\t\t\n");
    web.operate(0, static_cast<int>(machines::Touch::Hold));
    EXPECT_FALSE(plant.controlOn(0)) << "no hands while stopped";
    web.toggleRun();
    ASSERT_TRUE(web.running());
    web.operate(-1, static_cast<int>(machines::Touch::Hold));
    web.operate(0, 99);
    web.operate(static_cast<int>(plant.controls().size()), static_cast<int>(machines::Touch::On));
    EXPECT_FALSE(plant.controlOn(0));
    web.operate(0, static_cast<int>(machines::Touch::Hold));
    EXPECT_TRUE(plant.controlOn(0));
    EXPECT_EQ(web.machineJson().find("Stopped:"), std::string::npos);
    EXPECT_NE(web.machineJson().find("\"on\":1"), std::string::npos);
}

// Scene lengths go to the page to a tenth of a pixel, colours as #rrggbb, and only the members
// a shape uses.
TEST(WebSessionMachines, SceneJsonIsCompactAndExact) {
    machines::Scene scene(100, 50.5F);
    scene.rect({1, 2.25F, 3, 4}, 0x0A0B0C);
    scene.text({0, 0, 10, 10}, "a\"<b>", 0xFFFFFF, 12, machines::TextAlign::Right, true);
    scene.line({{0, 0}, {-1.5F, 2}}, 0x123456, 2);
    scene.button({5, 5, 20, 10}, "Go", 0x00FF00, false, 3);
    EXPECT_EQ(sceneJson(scene),
              "{\"w\":100,\"h\":50.5,\"shapes\":["
              "{\"k\":0,\"b\":[1,2.3,3,4],\"f\":\"#0a0b0c\"},"
              "{\"k\":4,\"b\":[0,0,10,10],\"t\":\"a\\\"<b>\",\"a\":2,\"bold\":1,"
              "\"f\":\"#ffffff\"},"
              "{\"k\":2,\"p\":[0,0,-1.5,2],\"s\":\"#123456\",\"lw\":2},"
              "{\"k\":0,\"b\":[5,5,20,10],\"f\":\"#00ff00\",\"s\":\"#282828\",\"lw\":1.5,"
              "\"r\":8},"
              "{\"k\":4,\"b\":[5,5,20,10],\"t\":\"Go\",\"a\":1,\"z\":13,\"bold\":1,"
              "\"f\":\"#ffffff\"}],"
              "\"spots\":[{\"b\":[5,5,20,10],\"c\":3}]}");
}

} // namespace
} // namespace rungbox::wasm

// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/WebSession.h"

#include "editor/Editor.h"
#include "editor/TypedText.h"
#include "files/FileCommands.h"
#include "names/NamesFile.h"

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
    std::string code(int line) { return web.grid().text(line, editor::kCodeCol); }

    WebSession web;
};

TEST_F(WebSessionTest, AQuestionStopsTheCommandUntilThePageAnswersIt) {
    // Each File command asks before it touches the program; without an answer nothing happens.
    struct Case {
        const char* name;
        void (*run)(WebSession&);
    };
    for (const Case& c : {Case{"New", [](WebSession& w) { w.newProgram(); }},
                          Case{"Load", [](WebSession& w) { w.load(); }}}) {
        c.run(web);
        const auto question = web.boxes().takeQuestion();
        ASSERT_TRUE(question) << c.name;
        EXPECT_EQ(question->text, files::kSaveQuestion) << c.name;
        EXPECT_EQ(code(1), "LD") << c.name;
        EXPECT_FALSE(web.files().takeOpenWanted()) << c.name << ": no picker before the answer";
    }
    // Answered No, Load asks the page for a file; New empties the grid.
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    EXPECT_FALSE(web.load());
    EXPECT_TRUE(web.files().takeOpenWanted());
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    web.newProgram();
    EXPECT_FALSE(web.boxes().takeQuestion());
    EXPECT_EQ(code(1), "");
}

TEST_F(WebSessionTest, SaveAsHandsOverTheFileAndLoadTakesItBack) {
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::Yes)); // never asked: no question
    ASSERT_TRUE(web.saveAs());
    const auto saved = web.files().takeSaved();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->first, files::kDefaultFileName);
    EXPECT_EQ(saved->second, web.programBytes());
    EXPECT_FALSE(web.codeChanged());

    web.newProgram();
    EXPECT_TRUE(web.offerAndLoad("motor.PLC", saved->second));
    EXPECT_EQ(code(1), "LD");
    EXPECT_EQ(web.windowTitle(), "motor.PLC - PLC Ladder Code");
    EXPECT_TRUE(web.boxes().takeMessages().empty());

    EXPECT_FALSE(web.offerAndLoad("bad.PLC", "not a program\r\n"));
    const auto messages = web.boxes().takeMessages();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "Invalid Rungbox File");
    EXPECT_EQ(code(1), "LD") << "a bad file leaves the program";
}

// Keys arrive as the browser names their place on the keyboard: the keypad's digits type
// nothing, a digit key types its digit also with Shift held, a key the grid does not know is
// ignored.
TEST_F(WebSessionTest, KeysAreNamedByTheirPlaceOnTheKeyboard) {
    web.pressKey("Enter", 0);
    for (const char* code : {"Numpad3", "F5", "Key", "Digit", "KeyAB", "Tab"}) {
        web.pressKey(code, 0);
    }
    web.pressKey("Digit4", 1); // Shift: '$' on the key, a digit all the same
    web.pressKey("ArrowDown", 0);
    web.pressKey("Digit5", 0);
    EXPECT_EQ(web.grid().text(1, editor::kLocationCol), "4");
    EXPECT_EQ(web.grid().text(2, editor::kLocationCol), "5");
}

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
            EXPECT_EQ(messages[0].text, "These lines of shared.names were skipped; the next save "
                                        "leaves them out:\r\nshared.names line 2: " +
                                            names::readNamesFile(c.names).badLines[0].why);
        }
    }

    // Kept with a restored program; Save As still hands over the program, not its names.
    WebSession again;
    again.offerNames(good);
    again.restore("shared.PLC", program, program, false);
    EXPECT_EQ(again.namesBytes(), good);
    EXPECT_EQ(again.windowTitle(), "shared.PLC - PLC Ladder Code");
    ASSERT_TRUE(again.saveAs());
    const auto saved = again.files().takeSaved();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->first, "shared.PLC");
    EXPECT_EQ(saved->second, program);
}

TEST_F(WebSessionTest, AdvanceRunsAScanEachMillisecondAndATickEachHundred) {
    // LD 0 / TIM 0 #1 / LD TIM 0 / OUT 1000 / END: the tick at 100 ms runs the timer out, and
    // the scan of the next millisecond lights the lamp.
    web.newProgram();
    web.queueAnswer(static_cast<int>(platform::BoxAnswer::No));
    web.newProgram();
    const char* lines[][3] = {{"LD", "0", ""},
                              {"TIM", "0", "1"},
                              {"LD TIM", "0", ""},
                              {"OUT", "1000", ""},
                              {"END", "", ""}};
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& line : lines) {
        for (const char* cell : line) {
            bytes += std::string(cell) + "\r\n";
        }
    }
    ASSERT_TRUE(web.offerAndLoad("timer.PLC", bytes));
    web.toggleRun();
    web.setSwitch(0, true);
    for (const auto& [ms, lamp] : {std::pair{100.0, 0}, {1.0, 1}}) {
        web.advance(ms);
        EXPECT_EQ(web.panel().outputLampBits() & 1, lamp) << "after " << web.clockMs() << " ms";
    }
}

} // namespace
} // namespace rungbox::wasm

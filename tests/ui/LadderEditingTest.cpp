// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing in the Ladder Diagram window: the keyboard model (C, P, /, O, D, T, K, S, R, Enter,
// Esc, Delete, arrows, Ctrl+S/Z/Y), the toolbar that names its keys, and a run during which the
// diagram only shows. Keys are sent to the diagram's canvas on the offscreen screen.

#include "ui/ladder/LadderEditing.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/Translators.h"
#include "ui/app/MainWindow.h"
#include "ui/ladder/LadderWindow.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <fstream>
#include <sstream>

using rungbox::test::RecordingBoxes;
using rungbox::ui::LadderEditing;
using rungbox::ui::LadderWindow;
using rungbox::ui::MainWindow;
using Tool = LadderEditing::Tool;

namespace {

struct Drawing {
    explicit Drawing(const char* program = "LD 0; OUT 1000; END") {
        window.show();
        rungbox::test::writeProgram(window.session().grid(), program);
        ladder = window.showLadderDiagram();
        ladder->poll();
        // Window shortcuts (Ctrl+S) act in the active window, as the diagram is once opened.
        ladder->activateWindow();
        active = QTest::qWaitForWindowActive(ladder);
    }

    QWidget* canvas() const { return ladder->canvas(); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(canvas(), key, mods);
    }
    /// Types an address into the open address editor and confirms it with Enter.
    void typeAddress(const char* text) {
        QLineEdit* field = ladder->editing().addressField();
        QVERIFY(ladder->editing().addressEditor()->isVisible());
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    /// The code lines, "code|location|set value" joined by blanks, up to the last used one.
    std::string text() {
        std::string out;
        for (int line = 1; line <= window.session().editor().lastUsedLine(); ++line) {
            std::string row = window.session().grid().text(line, 1);
            for (const int col : {2, 3}) {
                if (!window.session().grid().text(line, col).empty()) {
                    row += "|" + window.session().grid().text(line, col);
                }
            }
            out += (line == 1 ? "" : " ") + row;
        }
        return out;
    }

    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow window{boxes, dialog};
    LadderWindow* ladder = nullptr;
    bool active = false;
};

} // namespace

class LadderEditingTest : public QObject {
    Q_OBJECT

private slots:
    // The new user's rung: 0 AND (1 OR 2), drawn with the keys and saved with Ctrl+S.
    void drawsTheFirstRungWithTheKeysAndSavesIt() {
        Drawing d;
        QCOMPARE(d.window.session().grid().line(), 1); // the rung's first element is selected
        d.press(Qt::Key_C);
        QCOMPARE(d.ladder->editing().addressField()->text(), QString("1"));
        d.typeAddress("1");
        QCOMPARE(d.window.session().grid().line(), 2);
        d.press(Qt::Key_P);
        d.typeAddress("2");
        QCOMPARE(d.text(), std::string("LD|0 LD|1 OR|2 AND BLK OUT|1000 END"));
        QVERIFY(!d.ladder->editing().addressEditor()->isVisible());

        QTemporaryDir dir;
        QVERIFY(d.active);
        d.dialog.path = dir.filePath("first.PLC").toStdString();
        d.press(Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(d.dialog.calls, 1);
        std::ifstream file(*d.dialog.path, std::ios::binary);
        std::stringstream saved;
        saved << file.rdbuf();
        QVERIFY(saved.str().find("OR\r\n2\r\n\r\nAND BLK\r\n") != std::string::npos);

        // Ctrl+Z takes back the edits one by one, Ctrl+Y makes them again.
        for (int steps = 0; steps < 4; ++steps) {
            d.press(Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 END"));
        d.press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(d.text(), std::string("LD|0 AND|1 OUT|1000 END"));
    }

    // The address field takes the program's names, and refuses a word that is neither.
    void theAddressFieldTakesNames() {
        Drawing d;
        auto& table = d.window.session().editor().names();
        QVERIFY(!table.set({rungbox::names::Address::relay(5), "T1", ""}));
        QVERIFY(!table.set({rungbox::names::Address::timer(2), "LIGHT", ""}));
        d.press(Qt::Key_C);
        d.typeAddress("t1");
        QCOMPARE(d.text(), std::string("LD|0 AND|5 OUT|1000 END"));
        d.press(Qt::Key_C);
        d.typeAddress("LIGHT");
        QCOMPARE(d.text(), std::string("LD|0 AND|5 AND TIM|2 OUT|1000 END"));
        d.press(Qt::Key_C);
        d.typeAddress("NOBODY");
        QVERIFY(d.ladder->editing().addressEditor()->isVisible());
    }

    // Keys reach the drawing model (whose key sequences its own tests hold), the address typed
    // goes in, Esc takes a new element away, a refusal leaves the program.
    void keysEditTheSelection() {
        struct Case {
            std::vector<Qt::Key> keys;
            const char* address; // typed into the editor a new element opens; nullptr: Esc
            const char* after;
        };
        const Case cases[] = {
            {{Qt::Key_Slash}, "", "LD NOT|0 OUT|1000 END"},
            {{Qt::Key_T}, "3", "LD|0 OUT|1000 TIM|3|10 END"},
            {{Qt::Key_C}, nullptr, "LD|0 OUT|1000 END"}, // Esc takes the new contact away
            {{Qt::Key_Right, Qt::Key_C}, "7", "LD|0 AND|7 OUT|1000 END"},
            {{Qt::Key_Right, Qt::Key_Delete}, "", "LD|0 OUT|1000 END"}, // refused: no output
        };
        for (const Case& c : cases) {
            Drawing d;
            for (const Qt::Key key : c.keys) {
                d.press(key);
            }
            if (c.address == nullptr) {
                QTest::keyClick(d.ladder->editing().addressField(), Qt::Key_Escape);
            } else if (*c.address != '\0') {
                d.typeAddress(c.address);
            }
            QCOMPARE(QString::fromStdString(d.text()), QString(c.after));
        }
    }

    void enterEditsAnAddressAndDeleteCloses() {
        Drawing d("LD 0; AND 1; OUT 1000; END");
        d.press(Qt::Key_Right);
        QCOMPARE(d.window.session().grid().line(), 2);
        d.press(Qt::Key_Return);
        d.typeAddress("TIM 4");
        QCOMPARE(d.text(), std::string("LD|0 AND TIM|4 OUT|1000 END"));
        d.press(Qt::Key_Delete);
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 END"));
        // A refusal is said in the window.
        d.press(Qt::Key_Delete);
        QVERIFY(!d.ladder->editing().status()->text().isEmpty());
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 END"));
    }

    void ctrlKeysCopyPasteUndoAndRedo() {
        Drawing d;
        d.press(Qt::Key_C, Qt::ControlModifier);
        d.press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 LD|0 OUT|1000 END"));
        d.press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 END"));
        d.press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 LD|0 OUT|1000 END"));
    }

    void toolbarNamesItsKeysAndActsAsThem() {
        Drawing d;
        auto* bar = d.ladder->findChild<QToolBar*>("ladderToolBar");
        QVERIFY(bar != nullptr);
        const std::pair<Tool, const char*> keys[] = {
            {Tool::Contact, "(C)"},    {Tool::Parallel, "(P)"}, {Tool::Not, "(/)"},
            {Tool::Coil, "(O)"},       {Tool::Difu, "(D)"},     {Tool::Timer, "(T)"},
            {Tool::Counter, "(K)"},    {Tool::Shift, "(S)"},    {Tool::Rung, "(R)"},
            {Tool::Delete, "(Delete)"}};
        for (const auto& [tool, key] : keys) {
            QVERIFY(d.ladder->editing().action(tool)->toolTip().endsWith(key));
        }
        d.ladder->editing().action(Tool::Not)->trigger();
        QCOMPARE(d.text(), std::string("LD NOT|0 OUT|1000 END"));
    }

    // In another language the tools' names and tips and the core's refusals come through the
    // "Ladder" catalogue.
    void toolsAndRefusalsInTheUsersLanguage() {
        rungbox::test::BracketTranslator translator;
        const rungbox::test::TranslatorGuard guard(translator);
        Drawing d("LD 0; AND 1; OUT 1000; END");
        QCOMPARE(d.ladder->editing().action(Tool::Contact)->text(), QString("[Contact]"));
        QCOMPARE(d.ladder->editing().action(Tool::Rung)->toolTip(),
                 QString("[New rung after this one: a contact and an OUT coil (R)]"));
        d.press(Qt::Key_Right);
        d.press(Qt::Key_Delete);
        d.press(Qt::Key_Delete); // refused: the rung needs its contact
        const QString status = d.ladder->editing().status()->text();
        QVERIFY2(status.startsWith('[') && status.endsWith(']'), qPrintable(status));
        QVERIFY(
            translator.asked.contains({"Ladder", status.mid(1, status.size() - 2).toStdString()}));
    }

    void duringARunTheDiagramOnlyShows() {
        Drawing d;
        d.window.session().toggleRun();
        QVERIFY(d.window.session().running());
        d.ladder->poll();
        QVERIFY(!d.ladder->findChild<QToolBar*>("ladderToolBar")->isEnabled());
        d.press(Qt::Key_C);
        d.press(Qt::Key_Slash);
        QVERIFY(!d.ladder->editing().addressEditor()->isVisible());
        d.window.session().toggleRun();
        QCOMPARE(d.text(), std::string("LD|0 OUT|1000 END"));
    }

    void aContactDroppedOnAWireGoesThere() {
        Drawing d;
        // The wire from contact 0 to the coil: right half of the contact's cell.
        const QRect contact = d.ladder->lineRect(1);
        const QPointF right(contact.right() - 4, contact.top() + contact.height() * 0.62);
        QVERIFY(d.ladder->editing().drop(right, false));
        d.typeAddress("9");
        QCOMPARE(d.text(), std::string("LD|0 AND|9 OUT|1000 END"));
    }
};

QTEST_MAIN(LadderEditingTest)
#include "LadderEditingTest.moc"

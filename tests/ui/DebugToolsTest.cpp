// SPDX-License-Identifier: GPL-3.0-or-later
// The Debug menu, the breakpoint margin, the register panel and the watch table of the main
// window, driven as a user would; the scan timer is never left to run, scans are called.

#include "ui/debug/DebugTools.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/debug/DmTable.h"
#include "ui/debug/RegisterWordsView.h"
#include "ui/debug/WatchWindow.h"
#include "ui/grid/CodeGridView.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QtTest>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::test::RecordingBoxes;
using rungbox::ui::MainWindow;

namespace {

// A main window with a small program typed into the grid; input 0 drives output 1000 through
// an AND BLK, TIM 0 counts while input 1 is on.
struct Window {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};

    Window() {
        writeProgram(main.session().grid(), "LD 0; LD 0; AND BLK; OUT 1000; LD 1; TIM 0 50; END");
        main.show();
    }
    rungbox::ui::DebugTools& tools() { return *debugTools(main); }
    rungbox::debug::Debugger& debugger() { return main.session().debugger(); }
    void start() {
        main.session().toggleRun();
        QVERIFY(main.session().running());
    }
    void scan() { main.session().scan(); }
    // A click in the breakpoint margin of `line`'s number.
    void clickMargin(int line) {
        QHeaderView* header = gridView(main)->verticalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(4, gridView(main)->lineNumberCenter(line).y()));
    }
};

} // namespace

class DebugToolsTest : public QObject {
    Q_OBJECT

private slots:
    // Where the menu stands is checked with the menu bar's titles (LadderWindowTest), what its
    // items do by the commands below.
    void menuFollowsTheRun() {
        Window w;
        // Breakpoints are set before a run too; pausing and stepping need one.
        for (const bool running : {false, true, false}) {
            if (running != w.main.session().running()) {
                w.main.session().toggleRun();
            }
            QVERIFY(w.tools().menu()->menuAction()->isEnabled());
            QVERIFY(w.tools().breakpointItem()->isEnabled());
            QCOMPARE(w.tools().stepLineItem()->isEnabled(), running);
        }
    }

    // Each command from a running, unpaused start: what is paused, the line the grid shows as
    // next, output 1000 (switch 0 is on) and timer 0's present value (switch 1 is on). That a
    // paused run's clock stands still is the session's (tests/session).
    void commands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("currentLine");
        QTest::addColumn<bool>("output");
        QTest::addColumn<int>("timer");
        QTest::newRow("pause") << "pause" << true << 0 << false << 50;
        QTest::newRow("step scan") << "scan" << true << 0 << true << 50;
        QTest::newRow("step tick") << "tick" << true << 0 << false << 49;
        QTest::newRow("step instruction") << "line" << true << 2 << false << 50;
        QTest::newRow("pause twice resumes") << "pause pause" << false << 0 << false << 50;
    }
    void commands() {
        QFETCH(QString, command);
        Window w;
        w.start();
        inputSwitch(w.main, 0)->setChecked(true);
        inputSwitch(w.main, 1)->setChecked(false);
        w.scan(); // TIM 0 held at 50; output 1000 on
        inputSwitch(w.main, 0)->setChecked(false);
        inputSwitch(w.main, 1)->setChecked(true);
        w.scan(); // TIM 0 counts from 50; output 1000 off
        inputSwitch(w.main, 0)->setChecked(true);
        rungbox::ui::DebugTools& tools = w.tools();
        for (const QString& word : command.split(' ')) {
            (word == "pause"  ? tools.pauseItem()
             : word == "scan" ? tools.stepScanItem()
             : word == "tick" ? tools.stepTickItem()
                              : tools.stepLineItem())
                ->trigger();
        }
        QFETCH(bool, paused);
        QFETCH(int, currentLine);
        QFETCH(bool, output);
        QFETCH(int, timer);
        QCOMPARE(w.debugger().paused(), paused);
        QCOMPARE(tools.blinking(), paused);
        QCOMPARE(tools.pauseItem()->text(), QString(paused ? "&Resume" : "&Pause"));
        QCOMPARE(gridView(w.main)->gridModel().currentLine(), currentLine);
        QCOMPARE(w.main.session().controller().relay(1000), output);
        QCOMPARE(static_cast<int>(w.main.session().controller().timValue(0)), timer);
        // A paused run's grid scrolls and takes margin clicks; a running one is locked.
        QCOMPARE(gridView(w.main)->isEnabled(), paused);
    }

    // The shortcut keys reach the menu's items while the grid has the focus.
    void keysWorkFromTheGrid() {
        Window w;
        w.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.main.session().grid().setLine(4);
        QTest::keyClick(gridView(w.main), Qt::Key_F9); // stopped: a breakpoint all the same
        QVERIFY(w.debugger().breakpoint(4));
        QTest::keyClick(gridView(w.main), Qt::Key_F9);
        QVERIFY(!w.debugger().breakpoint(4));
        w.start();
        w.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QTest::keyClick(gridView(w.main), Qt::Key_F6);
        QVERIFY(w.debugger().paused());
        QTest::keyClick(gridView(w.main), Qt::Key_F11);
        QCOMPARE(gridView(w.main)->gridModel().currentLine(), 2);
        QTest::keyClick(gridView(w.main), Qt::Key_F10);
        QCOMPARE(gridView(w.main)->gridModel().currentLine(), 0);
        QTest::keyClick(gridView(w.main), Qt::Key_F6);
        QVERIFY(!w.debugger().paused());
    }

    // While paused, F9 takes the line the scan reached, or the one the user clicked.
    void thePausedRunsLineTakesTheBreakpoint() {
        Window w;
        w.start();
        runTimer(w.main)->stop(); // the test runs the clock itself
        w.tools().pauseItem()->trigger();
        w.tools().stepLineItem()->trigger();
        QCOMPARE(w.main.session().grid().line(), 2);
        w.tools().breakpointItem()->trigger();
        QVERIFY(w.debugger().breakpoint(2));
        auto* view = gridView(w.main);
        const QRect cell = view->visualRect(view->model()->index(4, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w.main.session().grid().line(), 5);
        w.tools().breakpointItem()->trigger();
        QVERIFY(w.debugger().breakpoint(5));
        QCOMPARE(w.main.session().grid().text(5, 1), std::string("LD")); // nothing edited
    }

    // Resuming a scan paused midway marks no line once that scan has ended: the grid and the
    // register panel learn it as the ladder window does.
    void resumeClearsTheNextLine() {
        Window w;
        w.start();
        runTimer(w.main)->stop(); // the test runs the clock itself
        w.tools().pauseItem()->trigger();
        for (int k = 0; k < 3; ++k) {
            w.tools().stepLineItem()->trigger();
        }
        QCOMPARE(gridView(w.main)->gridModel().currentLine(), 4);
        w.tools().pauseItem()->trigger();
        runTimer(w.main)->stop();
        w.main.session().advance(1);
        QCOMPARE(gridView(w.main)->gridModel().currentLine(), 0);
        QCOMPARE(part<QLabel>(w.main, "registerText")->text(), QString("Between scans"));
    }

    // The window's keys work from every Rungbox window: F5 runs and stops, F6 pauses, and a
    // stopped run takes Ctrl+O, Ctrl+N and Ctrl+Q; the File menu's keys stay locked in a run.
    void keysWorkFromEveryWindow() {
        Window w;
        w.main.showTimingDiagram();
        w.tools().watchItem()->trigger();
        const std::vector<QWidget*> windows = {w.main.showLadderDiagram(), timingWindow(w.main),
                                               w.tools().watchWindow(), &w.main};
        const auto press = [](QWidget* window, QKeyCombination key) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
        };
        for (QWidget* window : windows) {
            press(window, Qt::Key_F5);
            QVERIFY(w.main.session().running());
            press(window, Qt::Key_F6);
            QVERIFY(w.debugger().paused());
            press(window, Qt::CTRL | Qt::Key_N);
            QVERIFY(!w.main.session().grid().text(1, 1).empty());
            press(window, Qt::Key_F5);
            QVERIFY(!w.main.session().running());
        }
        press(windows[0], Qt::CTRL | Qt::Key_O); // the save question, then the file dialog
        QCOMPARE(w.dialog.calls, 1);
        press(windows[1], Qt::CTRL | Qt::Key_N);
        QVERIFY(w.main.session().grid().text(1, 1).empty());
        press(windows[2], Qt::CTRL | Qt::Key_Q);
        QVERIFY(!w.main.isVisible());
    }

    void registerPanelShowsTheNextLineTheResultAndTheStack() {
        Window w;
        w.start();
        inputSwitch(w.main, 0)->setChecked(true);
        w.tools().stepLineItem()->trigger();
        w.tools().stepLineItem()->trigger();
        QVERIFY(w.tools().registerPanel()->isVisible());
        QCOMPARE(w.tools().registerText(),
                 QString("Next line 3: AND BLK\nResult R = 1\nBlock stack (2, top first): 1 0"));
        w.tools().stepScanItem()->trigger();
        QCOMPARE(w.tools().registerText(), QString("Between scans"));
    }

    // Breakpoints toggle from the margin while stopped and while paused and show a dot; where
    // they stop a scan is the engine's (tests/engine/DebugTest).
    void breakpointMargin_data() {
        QTest::addColumn<bool>("paused");
        QTest::newRow("stopped") << false;
        QTest::newRow("paused") << true;
    }
    void breakpointMargin() {
        QFETCH(bool, paused);
        Window w;
        if (paused) {
            w.start();
            w.tools().pauseItem()->trigger();
        }
        const auto dot = [&w](int line) {
            return !gridView(w.main)
                        ->model()
                        ->headerData(line - 1, Qt::Vertical, Qt::DecorationRole)
                        .isNull();
        };
        w.clickMargin(4);
        QVERIFY(w.debugger().breakpoint(4) && dot(4) && !dot(3));
        w.clickMargin(4);
        QVERIFY(!w.debugger().breakpoint(4) && !dot(4));
    }

    // A force shows on its lamp at once, while paused between scans too.
    void forcingWhilePausedShowsOnTheLamp() {
        Window w;
        w.start();
        runTimer(w.main)->stop();
        w.tools().pauseItem()->trigger();
        rungbox::ui::WatchWindow* watch = w.tools().watchWindow();
        QVERIFY(watch->addEntry("1000"));
        watch->table()->setCurrentCell(0, 0);
        for (const bool on : {true, false, true}) {
            watch->forceSelected(on);
            QCOMPARE(outputLamp(w.main, 0)->isOn(), on);
        }
    }

    // Forcing from the watch table: the lamp and the row show a padlock, the program cannot
    // write the relay, a stop releases it.
    void watchTableForces_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("lamp"); ///< output lamp n, or -1 - n for input lamp n
        QTest::addColumn<bool>("forceOn");
        QTest::newRow("output forced off") << "1000" << 0 << false;
        QTest::newRow("input forced on") << "1" << -2 << true;
    }
    void watchTableForces() {
        QFETCH(QString, entry);
        QFETCH(int, lamp);
        QFETCH(bool, forceOn);
        Window w;
        w.start();
        inputSwitch(w.main, 0)->setChecked(true);
        rungbox::ui::WatchWindow* watch = w.tools().watchWindow();
        QVERIFY(watch->addEntry(entry));
        // A refused entry shows why (the reasons are the watch list's); the next one clears it.
        const auto refusal = [watch] { return part<QLabel>(*watch, "watchRefusal")->text(); };
        QVERIFY(!watch->addEntry("TIM 8"));
        QCOMPARE(refusal(), QString("TIM 8: no such timer (TIM 0 to TIM 7)"));
        QVERIFY(watch->addEntry("tim 0"));
        QVERIFY(refusal().isEmpty());
        watch->table()->setCurrentCell(0, 0);
        watch->forceSelected(forceOn);
        w.scan();
        w.main.session().tick();
        const int address = entry.toInt();
        rungbox::ui::Lamp* shown =
            lamp >= 0 ? outputLamp(w.main, lamp) : inputLamp(w.main, -1 - lamp);
        QVERIFY(shown->locked());
        QCOMPARE(w.main.session().controller().relay(address), forceOn);
        QCOMPARE(shown->isOn(), forceOn);
        watch->refresh();
        QCOMPARE(watch->table()->item(0, 1)->text(), QString(forceOn ? "1" : "0"));
        QCOMPARE(watch->table()->item(0, 4)->text(), QString(forceOn ? "on" : "off"));
        QVERIFY(!watch->table()->item(0, 4)->icon().isNull());
        QCOMPARE(watch->table()->item(1, 0)->text() + ' ' + watch->table()->item(1, 2)->text(),
                 QString("TIM 0 5.0"));
        w.main.session().toggleRun();
        QVERIFY(!shown->locked());
        QVERIFY(w.main.session().controller().forces().empty());
    }

    // The DM table of an extended program: a value typed into a row is the word's (the
    // read-only DM words too, which only the user loads), the run reads it, and what the
    // program writes shows on the next frame. A classic program's menu has no DM table.
    void dmTableEditsWords() {
        Window w;
        QMenu* menu = w.tools().menu();
        emit menu->aboutToShow();
        QVERIFY(!w.tools().dmTableItem()->isVisible());
        QVERIFY(w.main.session().setInstructionSet(rungbox::engine::InstructionSet::Extended));
        const char* lines[][3] = {{"LD", "253.13", ""},
                                  {"MOV", "DM0005", "10"},
                                  {"MOV", "DM6144", "DM0006"},
                                  {"END", "", ""}};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 3; ++c) {
                w.main.session().grid().setText(r + 1, rungbox::editor::kCodeCol + c, lines[r][c]);
            }
        }
        emit menu->aboutToShow();
        QVERIFY(w.tools().dmTableItem()->isVisible());
        w.tools().dmTableItem()->trigger();
        rungbox::ui::DmTable& dm = *w.tools().dmTable();
        QVERIFY(dm.isVisible());
        QTableWidget* table = dm.table();
        QCOMPARE(table->item(1024, 0)->text(), QString("DM6144"));

        w.start();
        table->item(5, 1)->setText("#0102");
        table->item(1024, 1)->setText("&291");
        using rungbox::engine::WordArea;
        rungbox::engine::Controller& plc = w.main.session().controller();
        QCOMPARE(plc.word({WordArea::Dm, 5}), std::uint16_t{0x0102});
        QCOMPARE(plc.word({WordArea::Dm, 6144}), std::uint16_t{291});
        w.scan();
        QCOMPARE(plc.word({WordArea::Channel, 10}), std::uint16_t{0x0102});
        dm.refresh();
        QCOMPARE(table->item(6, 1)->text(), QString("#0123"));

        table->item(5, 1)->setText("12");
        QCOMPARE(plc.word({WordArea::Dm, 5}), std::uint16_t{0x0102});
        QCOMPARE(table->item(5, 1)->text(), QString("#0102"));
        QCOMPARE(dm.findChild<QLabel*>("dmRefusal")->text(),
                 QString("12: not a word (#0000 to #FFFF, &0 to &65535)"));

        // The register panel lists the program's words, each in its row's format, and forces
        // the selected one.
        rungbox::ui::RegisterWordsView& words = *w.tools().registerWords();
        words.refresh();
        QTableWidget* rows = words.table();
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(rows->item(0, 0)->text(), QString("CIO 10"));
        QCOMPARE(rows->item(0, 1)->text(), QString("#0102"));
        words.setFormat(0, rungbox::debug::WordFormat::Decimal);
        QCOMPARE(rows->item(0, 1)->text(), QString("258"));
        rows->setCurrentCell(1, 0);
        QVERIFY(words.forceSelected("#0042"));
        QCOMPARE(plc.word({WordArea::Dm, 5}), std::uint16_t{0x0042});
        QCOMPARE(rows->item(1, 3)->text(), QString("#0042"));
        // Pictures to look at, when asked for: RUNGBOX_WORDS_SHOT names a directory.
        if (const QString dir = qEnvironmentVariable("RUNGBOX_WORDS_SHOT"); !dir.isEmpty()) {
            w.tools().registerPanel()->show();
            w.tools().registerPanel()->resize(420, 420);
            QVERIFY(w.tools().registerPanel()->grab().save(dir + "/registers.png"));
            QVERIFY(dm.grab().save(dir + "/dm-table.png"));
        }
    }
};

QTEST_MAIN(DebugToolsTest)
#include "DebugToolsTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's names in the window: the House Gate's program loaded with its names file shows
// them in the tooltips, the grid, the watch table, the timing and the ladder diagram; View >
// Names edits them undoably; a program without names looks as it always did.

#include "ui/names/NamesWindow.h"
#include "support/Recorders.h"
#include "support/Translators.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/debug/WatchWindow.h"
#include "ui/ladder/LadderPainter.h"
#include "ui/timing/TimingPainter.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::names::Address;
using rungbox::ui::MainWindow;
using rungbox::ui::NamesWindow;

namespace {

// A main window with the House Gate's program and its names, copied to a scratch folder.
struct GateWindow {
    QTemporaryDir dir;
    rungbox::test::RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};

    GateWindow() {
        for (const char* name : {"gate.PLC", "gate.names"}) {
            QFile::copy(QString(RUNGBOX_EXAMPLES_DIR) + "/" + name, dir.filePath(name));
        }
        main.show();
        main.openFile(dir.filePath("gate.PLC"));
    }
    NamesWindow& editor() {
        item(main, "namesItem")->trigger();
        return *namesWindow(main);
    }
};

QString gridTip(MainWindow& main, int line) {
    auto& model = gridView(main)->gridModel();
    return model.data(model.indexOfCell(line, rungbox::editor::kLocationCol), Qt::ToolTipRole)
        .toString();
}

// The cell editor open in `table` (a line edit shown over its viewport), or nullptr.
QLineEdit* openEditor(const QTableWidget* table) {
    for (QLineEdit* line : table->viewport()->findChildren<QLineEdit*>()) {
        if (line->isVisible()) {
            return line;
        }
    }
    return nullptr;
}

// Types `text` into the open editor and presses `key`, then lets the window follow.
void typeInto(const QTableWidget* table, const QString& text, Qt::Key key) {
    QLineEdit* editor = openEditor(table);
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, key);
    QCoreApplication::processEvents();
}

} // namespace

class NamesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void namesShowWhereverAddressesAreRead() {
        GateWindow w;
        QCOMPARE(w.main.session().names().size(), std::size_t{10});
        QCOMPARE(inputLamp(w.main, 0)->toolTip(),
                 QString("Input 00: relay 0; REMOTE (0): remote push-button (momentary)"));
        QCOMPARE(inputSwitch(w.main, 4)->toolTip(),
                 QString("Input 04: STOP_BUTTON (4): stop push-button (momentary)"));
        QVERIFY(outputLamp(w.main, 2)->toolTip().startsWith(
            "Output 02: relay 1002; WARNING_LIGHT (1002)"));
        QVERIFY(timerDisplay(w.main, 0)->toolTip().startsWith(
            "Timer 0 (TIM 0): seconds left; HOLD_OPEN (TIM 0)"));
        QCOMPARE(inputLamp(w.main, 5)->toolTip(), QString("Input 05: relay 5"));
        QCOMPARE(gridTip(w.main, 1), QString("STOP_BUTTON: stop push-button (momentary)"));

        rungbox::ui::WatchWindow* watch = debugTools(w.main)->watchWindow();
        QVERIFY(watch->addEntry("remote"));
        QVERIFY(!watch->addEntry("NO_SUCH_NAME"));
        QCOMPARE(watch->table()->item(0, 0)->text(), QString("0  REMOTE"));

        w.main.showTimingDiagram();
        QVERIFY(timingWindow(w.main)->addSignal("stopped"));
        QVERIFY(timingWindow(w.main)->removeSignal("HOLD_OPEN_done"));
        const auto& shown = w.main.session().tracing().recorder().signalList();
        QCOMPARE(shown.back(), (rungbox::trace::Signal{rungbox::trace::SignalKind::Relay, 2000}));
        QVERIFY(std::find(shown.begin(), shown.end(),
                          rungbox::trace::Signal{rungbox::trace::SignalKind::TimerDone, 0}) ==
                shown.end());
        QCOMPARE(rungbox::ui::TimingPainter::signalLabel(shown.front(), &w.main.session().names()),
                 QString("REMOTE in0"));

        // The diagram makes room for a line of names above the addresses.
        w.main.showLadderDiagram();
        const auto& layout = ladderWindow(w.main)->monitor().layout();
        const double named =
            rungbox::ui::LadderPainter(layout, nullptr, 0, nullptr, &w.main.session().names())
                .size()
                .height();
        QVERIFY(named > rungbox::ui::LadderPainter(layout, nullptr, 0).size().height());
    }

    // In another language the core's texts about an open program come through the catalogues:
    // the names' refusals ("Names"), the grid's headings ("Grid") and the window's title.
    void theCoreTextsOfAnOpenProgramInTheUsersLanguage() {
        rungbox::test::BracketTranslator translator;
        const rungbox::test::TranslatorGuard guard(translator);
        GateWindow w;
        NamesWindow& names = w.editor();
        QVERIFY(!names.addAddress("bogus"));
        QCOMPARE(names.problemLabel()->text(),
                 QString("[Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.]"));
        QVERIFY(!names.setName(Address::relay(1002), "9lives"));
        QCOMPARE(names.problemLabel()->text(),
                 QString("[A name holds letters, digits and _ only, and starts with a letter.]"));
        const QAbstractItemModel* grid = gridView(w.main)->model();
        QCOMPARE(grid->headerData(0, Qt::Horizontal).toString(), QString("[LADDER CODE]"));
        QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(), QString("[LOCATION]"));
        QCOMPARE(grid->headerData(2, Qt::Horizontal).toString(), QString("[###]"));
        QCoreApplication::processEvents(); // the title follows from the event loop
        QCOMPARE(w.main.windowTitle(), QString("[gate.PLC - PLC Ladder Code]"));
    }

    // A program opened shows its first lines, the cursor left after its last cell.
    void aProgramOpensAtItsFirstLines() {
        GateWindow gate;
        QCOMPARE(gridView(gate.main)->verticalScrollBar()->value(), 0);
        QVERIFY(gate.main.session().grid().line() > 20);
    }

    void editsAreCheckedUndoableAndMarkTheProgram() {
        GateWindow w;
        const rungbox::names::NameTable loaded = w.main.session().names();
        NamesWindow& names = w.editor();
        QCOMPARE(names.table()->rowCount(), 11); // ten names and the empty row
        QVERIFY(!w.main.session().editor().codeChanged());

        QVERIFY(names.setName(Address::relay(1002), "LAMP"));
        QVERIFY(w.main.session().editor().codeChanged());
        QCoreApplication::processEvents(); // the title follows from the event loop
        QVERIFY(w.main.windowTitle().startsWith("gate.PLC*"));
        QCOMPARE(
            outputLamp(w.main, 2)->toolTip(),
            QString("Output 02: relay 1002; LAMP (1002): warning light: on while the motor runs"));

        QVERIFY(!names.setName(Address::relay(1001), "lamp"));
        QVERIFY(names.problemLabel()->text().contains("already names 1002"));

        // A further address from the empty row, named in its cell, with a comment.
        QVERIFY(names.addAddress("tim 3"));
        QCOMPARE(names.table()->item(10, NamesWindow::kAddressColumn)->text(), QString("TIM 3"));
        names.table()->item(10, NamesWindow::kNameColumn)->setText("SPARE");
        QCoreApplication::processEvents();
        QVERIFY(names.setComment(Address::timer(3), "not used yet"));
        QCOMPARE(w.main.session().names().nameOf(Address::timer(3)), std::string("SPARE"));

        // Clearing a name removes it; every step undoes, back to the names as loaded.
        QVERIFY(names.setName(Address::relay(0), ""));
        QCOMPARE(w.main.session().names().find(Address::relay(0)), nullptr);
        QCOMPARE(names.undoStack().count(), 4);
        while (names.undoStack().canUndo()) {
            names.undoStack().undo();
        }
        QVERIFY(w.main.session().names() == loaded);
        names.undoStack().redo();
        QCOMPARE(w.main.session().names().nameOf(Address::relay(1002)), std::string("LAMP"));

        // New replaces the names: the old undo steps go, and what was said about them.
        QVERIFY(!names.setName(Address::relay(1001), "wait"));
        w.main.session().newProgram();
        QCoreApplication::processEvents();
        QVERIFY(!names.undoStack().canUndo());
        QCOMPARE(names.problemLabel()->text(), QString());
        QCOMPARE(inputLamp(w.main, 0)->toolTip(), QString("Input 00: relay 0"));
    }

    // Naming the last address moves its row up: Tab goes on to that address's comment, and a
    // refused name stays typed in its cell.
    void typingFollowsTheAddressWhoseRowMoves() {
        GateWindow w;
        NamesWindow& names = w.editor();
        QVERIFY(names.addAddress("2005") && names.addAddress("2006"));
        QTableWidget* table = names.table();
        QCOMPARE(table->item(11, NamesWindow::kAddressColumn)->text(), QString("2006"));
        table->setCurrentCell(11, NamesWindow::kNameColumn);
        table->editItem(table->item(11, NamesWindow::kNameColumn));
        typeInto(table, "SPARE", Qt::Key_Tab);
        QCOMPARE(table->item(10, NamesWindow::kAddressColumn)->text(), QString("2006"));
        QCOMPARE(table->currentRow(), 10);
        typeInto(table, "spare relay", Qt::Key_Return);
        const auto* entry = w.main.session().names().find(Address::relay(2006));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->comment, std::string("spare relay"));
        QCOMPARE(names.problemLabel()->text(), QString());

        table->setCurrentCell(11, NamesWindow::kNameColumn);
        table->editItem(table->item(11, NamesWindow::kNameColumn));
        typeInto(table, "SPARE", Qt::Key_Return);
        QVERIFY(names.problemLabel()->text().contains("already names 2006"));
        QVERIFY(openEditor(table) != nullptr);
        QCOMPARE(openEditor(table)->text(), QString("SPARE"));
        QCOMPARE(table->currentRow(), 11);
        QCOMPARE(w.main.session().names().find(Address::relay(2005)), nullptr);
    }

    void aProgramWithoutNamesLooksAsBefore() {
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow main{boxes, dialog};
        main.session().grid().setText(1, 1, "LD");
        main.session().grid().setText(1, 2, "0");
        main.show();
        QCOMPARE(inputLamp(main, 0)->toolTip(), QString("Input 00: relay 0"));
        QCOMPARE(inputSwitch(main, 0)->toolTip(), QString("Input 00"));
        QCOMPARE(gridTip(main, 1), QString());
        const std::vector<rungbox::ladder::LineText> lines = {{"LD", "0", ""}};
        const auto layout = rungbox::ladder::Layout::build(lines);
        QCOMPARE(
            rungbox::ui::LadderPainter(layout, nullptr, 0, nullptr, &main.session().names()).size(),
            rungbox::ui::LadderPainter(layout, nullptr, 0).size());
        QVERIFY(menu(main, "viewMenu")->actions().contains(item(main, "namesItem")));
    }
};

QTEST_MAIN(NamesWindowTest)
#include "NamesWindowTest.moc"

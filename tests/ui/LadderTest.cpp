// The main window as a user drives it: typing a program into the grid with key events, starting
// and stopping the run with the lamp-button, flipping switches, the menus, the grid's mouse
// selection and the About box during a run. Message boxes and the file dialog are recorders.

#include "ui/Ladder.h"
#include "UiTestSupport.h"
#include "support/Recorders.h"
#include "ui/CodeGridView.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using rungbox::test::RecordingBoxes;
using rungbox::test::RecordingFileDialog;
using rungbox::test::typeKeys;
using rungbox::ui::Ladder;
namespace MsgStyle = rungbox::engine::MsgStyle;

namespace {

// A main window with recorders, shown on the offscreen screen.
struct Window {
    RecordingBoxes boxes;
    RecordingFileDialog dialog;
    Ladder ladder{boxes, dialog};

    Window() {
        ladder.show();
        ladder.activateWindow();
        ladder.gridView()->setFocus();
    }

    rungbox::ui::CodeGridView* grid() const { return ladder.gridView(); }
    std::string cell(int row, int col) { return ladder.grid().TextMatrix(row, col); }
    void clickLamp() { QTest::mouseClick(ladder.ledSimulate(), Qt::LeftButton); }
};

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Counts the times a widget paints.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class LadderTest : public QObject {
    Q_OBJECT

private slots:
    void opensInTheStoppedArrangement();
    void typedProgramRunsAndASwitchLightsItsOutput();
    void keysAndClicksDoNotReachTheGridWhileRunning();
    void rangeWarningRefusesTheStartWithoutProgress();
    void missingEndShowsProgressThenRefuses();
    void invalidLineStopsTheRunOnceWithOneMessage();
    void timerDisplayCountsDownInTenthsOfASecond();
    void aboutDuringARunLetsTheSimulationGoOn();
    void keypadDigitsAppendNothingShiftedDigitsDo();
    void clickingLineNumbersSelectsWholeLines();
    void clickingAndDraggingOverCellsSelectsThem();
    void insertAndDeleteKeysWorkOnClickedLines();
    void moduleMenuKeepsExactlyOneCheck();
    void lampsRepaintOnlyWhenTheirPictureChanges();
    void closingAnEditedProgramAsksYesOrNo();
    void exitClosesTheWindowTheNormalWay();
    void saveAsAndLoadGoThroughTheDialogAndTheDisk();
};

void LadderTest::opensInTheStoppedArrangement() {
    Window w;
    Ladder& l = w.ladder;
    QCOMPARE(l.windowTitle(), QString("PLC Ladder Code"));
    QCOMPARE(l.centralWidget()->size(), QSize(614, 405));
    QVERIFY(l.minimumSize() == l.maximumSize());
    QVERIFY(!l.windowIcon().isNull());

    const QList<QAction*> menus = l.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QString("&File"));
    QCOMPARE(menus[1]->text(), QString("&Module"));
    QCOMPARE(menus[2]->text(), QString("&Help"));
    QStringList fileItems;
    for (QAction* item : l.fileMenu()->actions()) {
        fileItems << item->text();
        QVERIFY(item->isEnabled());
        QVERIFY(item->shortcut().isEmpty());
    }
    QCOMPARE(fileItems, QStringList({"&New", "&Load", "Save &As", "&Exit"}));
    QCOMPARE(l.moduleItem(0)->text(), QString("&none"));
    QCOMPARE(l.moduleItem(1)->text(), QString("&House Gate"));
    QCOMPARE(l.moduleItem(2)->text(), QString("&Conveyor "));
    QVERIFY(l.moduleItem(0)->isChecked() && l.moduleItem(0)->isEnabled());
    QVERIFY(!l.moduleItem(1)->isChecked() && !l.moduleItem(1)->isEnabled());
    QVERIFY(!l.moduleItem(2)->isChecked() && !l.moduleItem(2)->isEnabled());
    QCOMPARE(l.aboutItem()->text(), QString("&About"));

    QVERIFY(l.gridView()->isEnabled());
    QVERIFY(!l.ledSimulate()->isOn());
    QVERIFY(!l.progressLabel()->isVisible());
    QVERIFY(!l.progressBar()->isVisible());
    QCOMPARE(l.progressLabel()->text(), QString("Loading "));
    QVERIFY(!l.scanTimerActive());
    QVERIFY(!l.tickTimerActive());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(!l.inputSwitch(n)->isEnabled());
        QVERIFY(!l.inputSwitch(n)->isChecked());
        QVERIFY(!l.inputLamp(n)->isOn());
        QVERIFY(!l.outputLamp(n)->isOn());
    }
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(l.timerDisplay(n)->text(), QString("0.0"));
        QCOMPARE(l.counterDisplay(n)->text(), QString("0"));
    }
    QVERIFY(!l.editor().codeChanged());

    // The grid shows the headings and line numbers of the model, with its column widths.
    auto* view = l.gridView();
    QCOMPARE(view->model()->rowCount(), 299);
    QCOMPARE(view->model()->columnCount(), 3);
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QString("LADDER CODE"));
    QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QString("LOCATION"));
    QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(), QString("###"));
    QCOMPARE(view->model()->headerData(0, Qt::Vertical).toString(), QString("1"));
    QCOMPARE(view->model()->headerData(298, Qt::Vertical).toString(), QString("299"));
    QCOMPARE(view->columnWidth(0), 100);
    QCOMPARE(view->columnWidth(1), 67);
    QCOMPARE(view->columnWidth(2), 53);
    QCOMPARE(view->verticalHeader()->width(), 33);
    QCOMPARE(view->currentIndex(), view->model()->index(0, 0));
}

void LadderTest::typedProgramRunsAndASwitchLightsItsOutput() {
    Window w;
    Ladder& l = w.ladder;
    typeKeys(w.grid(), "ld\n0\n\nout\n1003\n\nend");
    QCOMPARE(w.cell(1, 1), std::string("LD"));
    QCOMPARE(w.cell(1, 2), std::string("0"));
    QCOMPARE(w.cell(2, 1), std::string("OUT"));
    QCOMPARE(w.cell(2, 2), std::string("1003"));
    QCOMPARE(w.cell(3, 1), std::string("END"));
    QVERIFY(l.editor().codeChanged());

    w.clickLamp();
    QVERIFY(l.runControl().simulating());
    QVERIFY(w.boxes.shown.empty());
    // The running arrangement.
    QVERIFY(l.ledSimulate()->isOn());
    QVERIFY(l.scanTimerActive());
    QVERIFY(l.tickTimerActive());
    QVERIFY(!l.fileMenu()->menuAction()->isEnabled());
    QVERIFY(!l.moduleMenu()->menuAction()->isEnabled());
    QVERIFY(l.helpMenu()->menuAction()->isEnabled());
    QVERIFY(!l.gridView()->isEnabled());
    QVERIFY(!l.progressLabel()->isVisible());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(l.inputSwitch(n)->isEnabled());
    }

    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QVERIFY(l.inputSwitch(0)->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(l.outputLamp(3)->isOn(), 2000);
    QVERIFY(l.inputLamp(0)->isOn());
    QVERIFY(!l.outputLamp(0)->isOn());

    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!l.outputLamp(3)->isOn(), 2000);
    QVERIFY(!l.inputLamp(0)->isOn());

    // Stop with the switch on again: everything returns to the stopped picture.
    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(l.outputLamp(3)->isOn(), 2000);
    w.clickLamp();
    QVERIFY(!l.runControl().simulating());
    QVERIFY(!l.ledSimulate()->isOn());
    QVERIFY(!l.scanTimerActive());
    QVERIFY(!l.tickTimerActive());
    QVERIFY(l.fileMenu()->menuAction()->isEnabled());
    QVERIFY(l.moduleMenu()->menuAction()->isEnabled());
    QVERIFY(l.gridView()->isEnabled());
    QVERIFY(!l.outputLamp(3)->isOn());
    QVERIFY(!l.inputLamp(0)->isOn());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(!l.inputSwitch(n)->isEnabled());
        QVERIFY(!l.inputSwitch(n)->isChecked());
    }
    QVERIFY(w.boxes.shown.empty());
}

void LadderTest::keysAndClicksDoNotReachTheGridWhileRunning() {
    Window w;
    typeKeys(w.grid(), "end");
    w.ladder.editor().setCodeChanged(false);
    w.clickLamp();
    QVERIFY(w.ladder.runControl().simulating());
    // The start's preparation walked the lines; the cursor stays where it left it.
    const int row = w.ladder.grid().Row();

    QTest::keyClick(w.grid(), Qt::Key_Backspace);
    QTest::keyClick(w.grid(), Qt::Key_Down);
    QTest::mouseClick(w.grid()->verticalHeader()->viewport(), Qt::LeftButton, {},
                      w.grid()->lineNumberCenter(3));
    QCOMPARE(w.cell(1, 1), std::string("END"));
    QCOMPARE(w.ladder.grid().Row(), row);
    QCOMPARE(w.ladder.grid().RowSel(), row);
    QCOMPARE(w.ladder.grid().ColSel(), w.ladder.grid().Col());
    QVERIFY(!w.ladder.editor().codeChanged());

    w.clickLamp();
    QTest::keyClick(w.grid(), Qt::Key_Down);
    QVERIFY2(w.ladder.editor().codeChanged(), "after the stop the grid takes keys again");
}

void LadderTest::rangeWarningRefusesTheStartWithoutProgress() {
    Window w;
    ShowCounter shown;
    w.ladder.progressLabel()->installEventFilter(&shown);
    w.ladder.progressBar()->installEventFilter(&shown);
    typeKeys(w.grid(), "tim\n9\n\nend");
    w.clickLamp();

    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QCOMPARE(w.boxes.shown[0].title, std::string("TIMER Range"));
    QCOMPARE(w.boxes.shown[0].style, MsgStyle::Exclamation);
    QCOMPARE(shown.shows, 0);
    QVERIFY(!w.ladder.runControl().simulating());
    QVERIFY(!w.ladder.ledSimulate()->isOn());
    QVERIFY(!w.ladder.scanTimerActive());
    QVERIFY(w.ladder.gridView()->isEnabled());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(!w.ladder.inputSwitch(n)->isEnabled());
    }
}

void LadderTest::missingEndShowsProgressThenRefuses() {
    Window w;
    ShowCounter shown;
    w.ladder.progressLabel()->installEventFilter(&shown);
    w.ladder.progressBar()->installEventFilter(&shown);
    typeKeys(w.grid(), "ld\n0\n\nout\n1000\n\nend ");
    w.clickLamp();

    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QCOMPARE(w.boxes.shown[0].text,
             std::string("Not END encountered. Error starting SIMULATION ..."));
    QCOMPARE(w.boxes.shown[0].title, std::string("rungbox"));
    QCOMPARE(shown.shows, 2); // label and bar were shown during the copy
    QVERIFY(!w.ladder.progressLabel()->isVisible());
    QVERIFY(!w.ladder.progressBar()->isVisible());
    QCOMPARE(w.ladder.progressBar()->width(), 120); // 1800 twips when the copy ends
    QVERIFY(!w.ladder.runControl().simulating());
}

void LadderTest::invalidLineStopsTheRunOnceWithOneMessage() {
    Window w;
    typeKeys(w.grid(), "ld\n0\n\nxyz\n\n\nend");
    w.clickLamp();
    QVERIFY(w.ladder.runControl().simulating());
    QTRY_VERIFY_WITH_TIMEOUT(!w.ladder.runControl().simulating(), 2000);
    QTest::qWait(50);

    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QCOMPARE(w.boxes.shown[0].text, std::string("Error at line  2"));
    QCOMPARE(w.boxes.shown[0].title, std::string("rungbox"));
    QVERIFY(!w.ladder.ledSimulate()->isOn());
    QVERIFY(!w.ladder.scanTimerActive());
    QVERIFY(!w.ladder.tickTimerActive());
    QVERIFY(w.ladder.gridView()->isEnabled());
    QVERIFY(w.ladder.fileMenu()->menuAction()->isEnabled());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(!w.ladder.inputSwitch(n)->isEnabled());
    }
}

void LadderTest::timerDisplayCountsDownInTenthsOfASecond() {
    Window w;
    // Timer 0 runs while input 0 is off: 0.5 s, shown from "0.5" down to "0.0".
    typeKeys(w.grid(), "ld not\n0\n\ntim\n0\n5\nend");
    w.clickLamp();
    QCOMPARE(w.ladder.timerDisplay(0)->text(), QString("0.5"));
    QTRY_COMPARE_WITH_TIMEOUT(w.ladder.timerDisplay(0)->text(), QString("0.4"), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(w.ladder.timerDisplay(0)->text(), QString("0.0"), 2000);
    w.clickLamp();
    QCOMPARE(w.ladder.timerDisplay(0)->text(), QString("0.0"));
}

void LadderTest::aboutDuringARunLetsTheSimulationGoOn() {
    Window w;
    typeKeys(w.grid(), "ld not\n0\n\ntim\n0\n50\nend");
    w.clickLamp();
    QCOMPARE(w.ladder.timerDisplay(0)->text(), QString("5.0"));

    QString caption;
    QString timerWhenOpened;
    qint64 scansWhenOpened = -1;
    qint64 scansWhenClosing = -1;
    QString timerWhenClosing;
    QTimer::singleShot(100, &w.ladder, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = box->windowTitle();
        }
        timerWhenOpened = w.ladder.timerDisplay(0)->text();
        scansWhenOpened = w.ladder.scanCount();
    });
    QTimer::singleShot(700, &w.ladder, [&] {
        scansWhenClosing = w.ladder.scanCount();
        timerWhenClosing = w.ladder.timerDisplay(0)->text();
        // Close whatever box is open, so that the test never waits on it.
        if (QWidget* box = QApplication::activeModalWidget()) {
            if (auto* ok = box->findChild<QPushButton*>("cmdOK")) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                box->close();
            }
        }
    });
    w.ladder.aboutItem()->trigger();

    QCOMPARE(caption, QString("Form1"));
    QVERIFY(scansWhenClosing > scansWhenOpened + 20);
    QVERIFY(timerWhenOpened != timerWhenClosing);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY2(w.ladder.runControl().simulating(), "OK returns to the running simulation");
    const qint64 scansAfter = w.ladder.scanCount();
    QTRY_VERIFY_WITH_TIMEOUT(w.ladder.scanCount() > scansAfter + 10, 1000);
}

void LadderTest::keypadDigitsAppendNothingShiftedDigitsDo() {
    Window w;
    w.ladder.grid().select(1, 3, 1, 3);
    QTest::keyClick(w.grid(), Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(w.grid(), Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(w.cell(1, 3), std::string(""));
    QVERIFY2(w.ladder.editor().codeChanged(), "every key marks the program changed");
    QTest::keyClick(w.grid(), Qt::Key_NumberSign, Qt::ShiftModifier);
    QTest::keyClick(w.grid(), Qt::Key_ParenRight, Qt::ShiftModifier);
    QCOMPARE(w.cell(1, 3), std::string("30"));

    // Letters are upper case with or without Shift.
    w.ladder.grid().select(2, 1, 2, 1);
    QTest::keyClick(w.grid(), Qt::Key_L, Qt::ShiftModifier);
    QTest::keyClick(w.grid(), 'd');
    QCOMPARE(w.cell(2, 1), std::string("LD"));

    // Shift alone marks the program changed.
    w.ladder.editor().setCodeChanged(false);
    QTest::keyClick(w.grid(), Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(w.ladder.editor().codeChanged());
}

void LadderTest::clickingLineNumbersSelectsWholeLines() {
    Window w;
    auto* view = w.grid();
    QWidget* numbers = view->verticalHeader()->viewport();
    QTest::mouseClick(numbers, Qt::LeftButton, {}, view->lineNumberCenter(3));
    const auto& g = w.ladder.grid();
    QCOMPARE(g.Row(), 3);
    QCOMPARE(g.Col(), 1);
    QCOMPARE(g.RowSel(), 3);
    QCOMPARE(g.ColSel(), 3);
    QCOMPARE(view->currentIndex(), view->model()->index(2, 0));
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 3);
    QVERIFY2(!w.ladder.editor().codeChanged(), "clicks are no edits");

    // A drag upwards from line 6 to line 4.
    QTest::mousePress(numbers, Qt::LeftButton, {}, view->lineNumberCenter(6));
    rungbox::test::dragTo(numbers, view->lineNumberCenter(5));
    rungbox::test::dragTo(numbers, view->lineNumberCenter(4));
    QTest::mouseRelease(numbers, Qt::LeftButton, {}, view->lineNumberCenter(4));
    QCOMPARE(g.Row(), 6);
    QCOMPARE(g.Col(), 1);
    QCOMPARE(g.RowSel(), 4);
    QCOMPARE(g.ColSel(), 3);
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 9);
}

void LadderTest::clickingAndDraggingOverCellsSelectsThem() {
    Window w;
    auto* view = w.grid();
    QWidget* cells = view->viewport();
    const auto centre = [&](int row, int col) {
        return view->visualRect(view->model()->index(row - 1, col - 1)).center();
    };
    QTest::mouseClick(cells, Qt::LeftButton, {}, centre(5, 2));
    const auto& g = w.ladder.grid();
    QCOMPARE(g.Row(), 5);
    QCOMPARE(g.Col(), 2);
    QCOMPARE(g.RowSel(), 5);
    QCOMPARE(g.ColSel(), 2);
    QCOMPARE(view->currentIndex(), view->model()->index(4, 1));

    // From column 3 back to column 1 is not a whole-line selection.
    QTest::mousePress(cells, Qt::LeftButton, {}, centre(2, 3));
    rungbox::test::dragTo(cells, centre(4, 1));
    QTest::mouseRelease(cells, Qt::LeftButton, {}, centre(4, 1));
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.Col(), 3);
    QCOMPARE(g.RowSel(), 4);
    QCOMPARE(g.ColSel(), 1);

    // The keys move the cursor, and the view follows.
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(g.Row(), 3);
    QCOMPARE(g.RowSel(), 3);
    QCOMPARE(view->currentIndex(), view->model()->index(2, 2));
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 1);
}

void LadderTest::insertAndDeleteKeysWorkOnClickedLines() {
    Window w;
    typeKeys(w.grid(), "ld\n0\n\nand\n1\n\nout\n1000\n\nend");
    auto* view = w.grid();
    QWidget* numbers = view->verticalHeader()->viewport();

    QTest::mouseClick(numbers, Qt::LeftButton, {}, view->lineNumberCenter(2));
    QTest::keyClick(view, Qt::Key_Insert);
    QCOMPARE(w.cell(2, 1), std::string(""));
    QCOMPARE(w.cell(3, 1), std::string("AND"));
    QCOMPARE(w.cell(5, 1), std::string("END"));

    QTest::mousePress(numbers, Qt::LeftButton, {}, view->lineNumberCenter(2));
    rungbox::test::dragTo(numbers, view->lineNumberCenter(3));
    QTest::mouseRelease(numbers, Qt::LeftButton, {}, view->lineNumberCenter(3));
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(w.cell(1, 1), std::string("LD"));
    QCOMPARE(w.cell(2, 1), std::string("OUT"));
    QCOMPARE(w.cell(2, 2), std::string("1000"));
    QCOMPARE(w.cell(3, 1), std::string("END"));
    QCOMPARE(w.cell(4, 1), std::string(""));
    QCOMPARE(w.ladder.grid().Row(), 2);
}

void LadderTest::moduleMenuKeepsExactlyOneCheck() {
    Window w;
    w.ladder.moduleItem(0)->trigger();
    QVERIFY2(w.ladder.moduleItem(0)->isChecked(), "choosing the checked item keeps its check");
    QVERIFY(!w.ladder.moduleItem(1)->isChecked());
    QVERIFY(!w.ladder.moduleItem(2)->isChecked());
    w.ladder.mnuModule_Click(2);
    QVERIFY(!w.ladder.moduleItem(0)->isChecked());
    QVERIFY(w.ladder.moduleItem(2)->isChecked());
    w.ladder.mnuModule_Click(0);
    QVERIFY(w.ladder.moduleItem(0)->isChecked());
    QVERIFY(!w.ladder.moduleItem(2)->isChecked());
    QVERIFY(!w.ladder.editor().codeChanged());
}

void LadderTest::lampsRepaintOnlyWhenTheirPictureChanges() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.ladder));
    QTest::qWait(20);
    PaintCounter painted;
    w.ladder.outputLamp(5)->installEventFilter(&painted);
    w.ladder.ledSimulate()->installEventFilter(&painted);
    for (int i = 0; i < 5; ++i) {
        w.ladder.controller().initPLC();
        QCoreApplication::processEvents();
    }
    QCOMPARE(painted.paints, 0);
    w.ladder.setOutputLamp(5, true);
    QTRY_VERIFY_WITH_TIMEOUT(painted.paints > 0, 1000);
    QVERIFY(w.ladder.outputLamp(5)->isOn());
}

void LadderTest::closingAnEditedProgramAsksYesOrNo() {
    Window w;
    QTest::keyClick(w.grid(), Qt::Key_Right);
    w.boxes.answers.push_back(rungbox::engine::MsgAnswer::No);
    QVERIFY(w.ladder.close());
    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QCOMPARE(w.boxes.shown[0].style, MsgStyle::YesNo | MsgStyle::Question);
    QCOMPARE(w.boxes.shown[0].title, std::string("rungbox"));
    QVERIFY(!w.ladder.isVisible());
}

void LadderTest::exitClosesTheWindowTheNormalWay() {
    Window w;
    w.ladder.exitItem()->trigger();
    QVERIFY2(w.boxes.shown.empty(), "an unchanged program closes without a question");
    QVERIFY(!w.ladder.isVisible());
}

void LadderTest::saveAsAndLoadGoThroughTheDialogAndTheDisk() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath("prog.PLC").toStdString();
    {
        Window w;
        typeKeys(w.grid(), "ld\n0\n\nout\n1000\n\nend");
        w.dialog.paths.push_back(path);
        w.ladder.saveAsItem()->trigger();
        QCOMPARE(w.dialog.saves, 1);
        QVERIFY(w.boxes.shown.empty());
        QVERIFY(!w.ladder.editor().codeChanged());
    }
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("QZV_RUNGBOX_MAGIC\r\n1.00\r\nLD\r\n0\r\n\r\nOUT\r\n1000\r\n\r\nEND\r\n"));

    Window w;
    w.dialog.paths.push_back(path);
    w.ladder.loadItem()->trigger();
    QCOMPARE(w.dialog.opens, 1);
    QCOMPARE(w.cell(2, 1), std::string("OUT"));
    QCOMPARE(w.cell(2, 2), std::string("1000"));
    QCOMPARE(w.cell(3, 1), std::string("END"));
    // The grid view shows what was loaded.
    QCOMPARE(w.grid()->model()->index(1, 1).data().toString(), QString("1000"));
}

QTEST_MAIN(LadderTest)
#include "LadderTest.moc"

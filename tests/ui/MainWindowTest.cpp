// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven by key and mouse events, with recorders standing in for the message
// boxes and the file dialog so that no test waits on a modal box. No test waits on the clock
// either: the scans and ticks a test needs are run by the test itself.

#include "ui/app/MainWindow.h"
#include "files/FileCommands.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/grid/CodeGridView.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>
#include <optional>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::platform::BoxAnswer;
using rungbox::platform::BoxStyle;
using rungbox::test::RecordingBoxes;
using rungbox::ui::MainWindow;

Q_DECLARE_METATYPE(BoxAnswer)
Q_DECLARE_METATYPE(BoxStyle)

namespace {

// A file dialog that never opens: it counts its calls and answers with `path`.
// Counts the show events of the widgets it filters.
struct ShowCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        return count += event->type() == QEvent::Show, false;
    }
};

// A main window with recorders, shown on the offscreen screen.
struct Window {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow ladder{boxes, dialog};

    Window() { ladder.show(); }
    rungbox::ui::CodeGridView* view() const { return gridView(ladder); }
    // A cell's text as the view shows it.
    QString cell(int row, int col) const {
        return view()->model()->index(row - 1, col - 1).data().toString();
    }
    void clickLamp() { QTest::mouseClick(runButton(ladder), Qt::LeftButton); }
    // Types `text` key by key into the grid ('\r' is Enter).
    void type(const char* text) { QTest::keyClicks(view(), text); }
    QPoint lineNumber(int line) const { return view()->lineNumberCenter(line); }
    QPoint cellCentre(int row, int col) const {
        return view()->visualRect(view()->model()->index(row - 1, col - 1)).center();
    }
    // Presses at `from`, moves with the button held to `to` and releases there.
    static void drag(QWidget* on, QPoint from, QPoint to) {
        QTest::mousePress(on, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), on->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &move);
        QTest::mouseRelease(on, Qt::LeftButton, {}, to);
    }
};

// The window shows the run control's stopped or running arrangement (its order and the panel
// reset are the run control tests' part): lamp-button, timers, menus, grid, switches, lamps.
void expectArrangement(MainWindow& l, bool running) {
    const bool stopped = !running;
    QCOMPARE(QList<bool>({l.session().running(), runButton(l)->isOn(), runTimer(l)->isActive(),
                          menu(l, "fileMenu")->menuAction()->isEnabled(),
                          menu(l, "moduleMenu")->menuAction()->isEnabled(),
                          gridView(l)->isEnabled(), progressBar(l)->isVisible()}),
             QList<bool>({running, running, running, stopped, stopped, stopped, false}));
    for (int n = 0; n < 16; ++n) {
        QCOMPARE(inputSwitch(l, n)->isEnabled(), running);
        QVERIFY(running || !(inputSwitch(l, n)->isChecked() || inputLamp(l, n)->isOn() ||
                             outputLamp(l, n)->isOn()));
    }
    QVERIFY(running || timerDisplay(l, 0)->text() == "0.0");
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensInTheStoppedArrangement() {
        Window w;
        MainWindow& l = w.ladder;
        QCOMPARE(l.windowTitle(), QString("PLC Ladder Code"));
        QCOMPARE(l.centralWidget()->size(), QSize(614, 405));
        QCOMPARE(l.centralWidget()->minimumSize(), QSize(614, 405));
        QStringList menus;
        for (QMenu* menu : {menu(l, "fileMenu"), menu(l, "moduleMenu"), menu(l, "helpMenu")}) {
            menus << menu->title();
            for (QAction* item : menu->actions()) {
                if (item->isSeparator() || !item->isVisible()) {
                    continue;
                }
                menus << item->text() + (item->isEnabled() ? "" : " (off)") +
                             (item->isChecked() ? " (checked)" : "");
            }
        }
        QCOMPARE(menus, QStringList({"&File",
                                     "&New",
                                     "&Load",
                                     "&Save",
                                     "Save &As",
                                     "Export &Diagram...",
                                     "&Check With Script...",
                                     "Open Exercise &Pack...",
                                     "&Hand In... (off)",
                                     "&Print...",
                                     "Export P&DF...",
                                     "&Exit",
                                     "&Module",
                                     "&none (checked)",
                                     "&House Gate",
                                     "&Conveyor ",
                                     "&Motor Starter",
                                     "&Tank and Pumps",
                                     "T&raffic Intersection",
                                     "Car &Park",
                                     "&Help",
                                     "&About"}));
        // Module keeps exactly one check, also when the checked item is chosen again.
        l.chooseModule(2);
        QVERIFY(!moduleItem(l, 0)->isChecked() && moduleItem(l, 2)->isChecked());
        moduleItem(l, 0)->trigger();
        moduleItem(l, 0)->trigger();
        QVERIFY(moduleItem(l, 0)->isChecked() && !moduleItem(l, 2)->isChecked());
        expectArrangement(l, false);
        QVERIFY(!l.session().editor().codeChanged());
        // The view shows the grid's headings (the editor tests hold their texts) and its 299 lines.
        const QAbstractItemModel* model = w.view()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString() + "/" +
                     model->headerData(298, Qt::Vertical).toString(),
                 QString("LADDER CODE/299"));
        QCOMPARE(model->rowCount(), 299);
    }

    void typedProgramRunsAndASwitchLightsItsOutput() {
        Window w;
        MainWindow& l = w.ladder;
        w.type("ld\r0\r\rout\r1003\r\rend");
        QCOMPARE(w.cell(1, 1) + w.cell(1, 2) + w.cell(2, 1) + w.cell(2, 2) + w.cell(3, 1),
                 QString("LD0OUT1003END"));
        l.session().editor().setCodeChanged(false);

        w.clickLamp();
        expectArrangement(l, true);
        QTest::mouseClick(inputSwitch(l, 0), Qt::LeftButton);
        l.session().advance(1);
        QVERIFY(outputLamp(l, 3)->isOn() && inputLamp(l, 0)->isOn() && !outputLamp(l, 0)->isOn());
        QTest::mouseClick(inputSwitch(l, 0), Qt::LeftButton);
        l.session().advance(1);
        QVERIFY(!outputLamp(l, 3)->isOn() && !inputLamp(l, 0)->isOn());

        // While running, keys and clicks do not reach the grid.
        const int row = l.session().grid().line();
        QTest::keyClick(w.view(), Qt::Key_Down);
        QTest::mouseClick(w.view()->verticalHeader()->viewport(), Qt::LeftButton, {},
                          w.lineNumber(3));
        QVERIFY(l.session().grid().line() == row && l.session().grid().selectionLine() == row &&
                !l.session().editor().codeChanged());

        // Stopped with the switch on, everything returns to the stopped picture.
        QTest::mouseClick(inputSwitch(l, 0), Qt::LeftButton);
        l.session().advance(1);
        QVERIFY(outputLamp(l, 3)->isOn());
        w.clickLamp();
        expectArrangement(l, false);
        QVERIFY(w.boxes.shown.empty());
        QTest::keyClick(w.view(), Qt::Key_Down);
        QVERIFY2(l.session().editor().codeChanged(), "after the stop the grid takes keys again");
    }

    // An enlarged window keeps its arrangement: the grid takes the room and shows more lines,
    // what lies right of it moves right and what lies below it moves down.
    void enlargedWindowGrowsTheGrid() {
        Window w;
        MainWindow& l = w.ladder;
        QWidget* panel = l.centralWidget();
        const QRect grid = w.view()->geometry();
        const QPoint switchAt = inputSwitch(l, 3)->pos();
        const QPoint counterAt = counterDisplay(l, 2)->pos();
        const QPoint outputAt = outputLamp(l, 1)->pos();
        const int lines = w.view()->rowAt(w.view()->viewport()->height() - 1);
        l.resize(l.size() + QSize(200, 160));
        QCOMPARE(panel->size(), QSize(814, 565));
        QCOMPARE(w.view()->geometry(), grid.adjusted(0, 0, 200, 160));
        QCOMPARE(inputSwitch(l, 3)->pos(), switchAt + QPoint(0, 160));
        QCOMPARE(counterDisplay(l, 2)->pos(), counterAt + QPoint(200, 0));
        QCOMPARE(outputLamp(l, 1)->pos(), outputAt);
        QVERIFY(w.view()->rowAt(w.view()->viewport()->height() - 1) > lines + 5);
        l.resize(l.size() - QSize(200, 160));
        QCOMPARE(panel->size(), QSize(614, 405));
        QCOMPARE(w.view()->geometry(), grid);
        QCOMPARE(inputSwitch(l, 3)->pos(), switchAt);
    }

    // Under a dark palette the window's own colours turn over, so that everything reads light
    // on dark: the locked program, the marked line, the panel, the two diagrams.
    void coloursFollowThePalette_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void coloursFollowThePalette() {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QPalette palette = before;
        if (dark) {
            for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
                palette.setColor(role, QColor(35, 35, 38));
            }
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                palette.setColor(role, QColor(230, 230, 230));
            }
        }
        QApplication::setPalette(palette);
        Window w;
        w.type("ld\r0\r\rxyz\r\r\rend");
        w.clickLamp();
        w.ladder.session().advance(1); // "Error at line 2": line 2 is marked
        const auto isDarkColour = [](const QVariant& colour) {
            return colour.value<QColor>().lightness() < 128;
        };
        const QModelIndex marked = w.view()->model()->index(1, 0);
        QCOMPARE(isDarkColour(marked.data(Qt::BackgroundRole)), dark);
        QCOMPARE(isDarkColour(marked.data(Qt::ForegroundRole)), !dark);
        QCOMPARE(isDarkColour(w.view()->palette().color(QPalette::Disabled, QPalette::Text)),
                 !dark);
        QCOMPARE(isDarkColour(w.ladder.centralWidget()->palette().color(QPalette::Window)), dark);
        QCOMPARE(isDarkColour(timerDisplay(w.ladder, 0)->palette().color(QPalette::WindowText)),
                 !dark);
        w.ladder.showTimingDiagram();
        QWidget* timing = part<QWidget>(w.ladder, "timingView");
        const QImage waves =
            static_cast<QAbstractScrollArea*>(timing)->viewport()->grab().toImage();
        QCOMPARE(isDarkColour(waves.pixelColor(waves.width() - 3, waves.height() - 3)), dark);
        w.ladder.showLadderDiagram();
        const QImage ladder = part<QWidget>(w.ladder, "ladderCanvas")->grab().toImage();
        QCOMPARE(isDarkColour(ladder.pixelColor(2, 2)), dark);
        QApplication::setPalette(before);
    }

    void oneMessageAndStopped_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<BoxStyle>("style");
        QTest::addColumn<int>("marked"); ///< the line the grid marks afterwards, 0 for none
        // A range warning comes before the copy: the progress display never shows.
        QTest::newRow("range warning")
            << "tim\r9\r\rend"
            << "TIMER Range|Timer out of range at line  1.\r\nValid Range: 0 to  7"
            << BoxStyle::Exclamation << 1;
        // The run starts; the first scan meets the bad line and stops it, once.
        QTest::newRow("bad line") << "ld\r0\r\rxyz\r\r\rend"
                                  << "rungbox|Error at line  2|shown 2" << BoxStyle::Ok << 2;
    }

    // One message each (exact text, title, style), the progress display shown or not, stopped;
    // the line it names stays marked until it is edited.
    void oneMessageAndStopped() {
        QFETCH(QString, program);
        QFETCH(QString, expected);
        QFETCH(BoxStyle, style);
        Window w;
        ShowCounter shown;
        progressLabel(w.ladder)->installEventFilter(&shown);
        progressBar(w.ladder)->installEventFilter(&shown);
        w.type(qPrintable(program));
        w.clickLamp();
        for (int scan = 1; scan <= 2; ++scan) { // a second scan after the stop does nothing
            w.ladder.session().advance(1);
        }
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        const auto& box = w.boxes.shown[0];
        QCOMPARE(
            QString::fromStdString(box.title + "|" + box.text +
                                   (shown.count ? "|shown " + std::to_string(shown.count) : "")),
            expected);
        QCOMPARE(box.style, style);
        expectArrangement(w.ladder, false);
        QFETCH(int, marked);
        const auto background = [&w](int line) {
            return w.view()->model()->index(line - 1, 0).data(Qt::BackgroundRole);
        };
        for (int line = 1; line <= 4; ++line) {
            QCOMPARE(background(line).isValid(), line == marked);
        }
        w.ladder.session().grid().setText(std::max(marked, 1), 3, "5");
        QVERIFY(!background(std::max(marked, 1)).isValid());
    }

    // The About box is modal, but its event loop serves the window's timers: the run goes on.
    void aboutDuringARunLetsTheSimulationGoOn() {
        Window w;
        w.type("ld not\r0\r\rtim\r0\r10\rend");
        w.clickLamp();
        QString seen;
        QTimer::singleShot(0, &w.ladder, [&] {
            QWidget* box = QApplication::activeModalWidget();
            auto* ok = box ? box->findChild<QPushButton*>("okButton") : nullptr;
            seen = QString("%1 with OK %2, run timer %3")
                       .arg(box ? box->windowTitle() : "no box")
                       .arg(ok != nullptr)
                       .arg(runTimer(w.ladder)->isActive());
            // Close whatever box is open, so that the test never waits on it.
            ok ? QTest::mouseClick(ok, Qt::LeftButton) : void(box && box->close());
        });
        item(w.ladder, "aboutItem")->trigger();
        QCOMPARE(seen, QString("Form1 with OK 1, run timer 1"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY2(w.ladder.session().running(), "OK returns to the running simulation");
    }

    void keypadDigitsAppendNothingShiftedDigitsDo() {
        Window w;
        w.ladder.session().grid().select(1, 3, 1, 3);
        QTest::keyClick(w.view(), Qt::Key_3, Qt::KeypadModifier);
        QTest::keyClick(w.view(), Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(w.cell(1, 3), QString(""));
        QVERIFY2(w.ladder.session().editor().codeChanged(), "every key marks the program changed");
        QTest::keyClick(w.view(), Qt::Key_NumberSign, Qt::ShiftModifier);
        QTest::keyClick(w.view(), Qt::Key_ParenRight, Qt::ShiftModifier);
        QCOMPARE(w.cell(1, 3), QString("30"));
    }

    void mouseSelectsWholeLinesAndBlocks() {
        Window w;
        const auto& g = w.ladder.session().grid();
        const auto selection = [&] {
            return QList<int>({g.line(), g.column(), g.selectionLine(), g.selectionColumn(),
                               int(w.view()->selectionModel()->selectedIndexes().size())});
        };
        QWidget* numbers = w.view()->verticalHeader()->viewport();
        QTest::mouseClick(numbers, Qt::LeftButton, {}, w.lineNumber(3));
        QCOMPARE(selection(), QList<int>({3, 1, 3, 3, 3}));
        QVERIFY2(!w.ladder.session().editor().codeChanged(), "clicks are no edits");
        // Upwards from line 6 to line 4: the lines 4 to 6, anchored at 6.
        Window::drag(numbers, w.lineNumber(6), w.lineNumber(4));
        QCOMPARE(selection(), QList<int>({6, 1, 4, 3, 9}));

        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.cellCentre(5, 2));
        QCOMPARE(selection(), QList<int>({5, 2, 5, 2, 1}));
        // From column 3 back to column 1 is a block, not a whole-line selection.
        Window::drag(w.view()->viewport(), w.cellCentre(2, 3), w.cellCentre(4, 1));
        QCOMPARE(selection(), QList<int>({2, 3, 4, 1, 9}));
    }

    void closeAndExitAskOnlyForAnEditedProgram_data() {
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<BoxAnswer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("close, unchanged") << false << false << BoxAnswer::No << true;
        // Esc or the question's close button: the window stays, with the program as it was.
        QTest::newRow("close, edited, box closed")
            << false << true << BoxAnswer::Dismissed << false;
        QTest::newRow("Exit, edited, No") << true << true << BoxAnswer::No << true;
        QTest::newRow("Exit, edited, box closed") << true << true << BoxAnswer::Dismissed << false;
    }

    void closeAndExitAskOnlyForAnEditedProgram() {
        QFETCH(bool, byExit);
        QFETCH(bool, edited);
        QFETCH(BoxAnswer, answer);
        QFETCH(bool, closes);
        Window w;
        w.type("ld\r0");
        w.ladder.session().editor().setCodeChanged(edited);
        w.boxes.answers.push_back(answer);
        if (byExit) {
            item(w.ladder, "exitItem")->trigger();
        } else {
            w.ladder.close();
        }
        // An edited program asks once whether to save it, offering Yes and No.
        QCOMPARE(w.boxes.shown.size(), edited ? 1U : 0U);
        if (edited) {
            QCOMPARE(w.boxes.shown[0].text, std::string(rungbox::files::kSaveQuestion.english));
            QCOMPARE(w.boxes.shown[0].style, BoxStyle::YesNo);
        }
        QCOMPARE(w.ladder.isVisible(), !closes);
        QCOMPARE(w.dialog.calls, 0);
        QCOMPARE(w.cell(1, 1) + w.cell(1, 2), QString("LD0"));
        QCOMPARE(w.ladder.session().editor().codeChanged(), edited);
    }

    // The menu items reach the file commands (whose saves and loads the file tests hold), and the
    // view shows what was loaded.
    void saveAsAndLoadGoThroughTheDialogAndTheDisk() {
        QTemporaryDir dir;
        Window saver;
        Window loader;
        saver.dialog.path = loader.dialog.path = dir.filePath("prog.PLC").toStdString();
        saver.type("ld\r0\r\rout\r1000\r\rend");
        item(saver.ladder, "saveAsItem")->trigger();
        item(loader.ladder, "loadItem")->trigger();
        QVERIFY(saver.dialog.calls == 1 && loader.dialog.calls == 1 && saver.boxes.shown.empty());
        QVERIFY(!saver.ladder.session().editor().codeChanged());
        QCOMPARE(loader.cell(2, 1) + loader.cell(2, 2) + loader.cell(3, 1), QString("OUT1000END"));
    }

    // Cells hold bytes; the view shows each as one character (a file's 0xC4 is "Ä").
    void cellBytesShowAsLatin1() {
        Window w;
        w.ladder.session().grid().setText(1, 1, "LD \xC4\xFF");
        QCOMPARE(w.cell(1, 1), QString::fromUtf16(u"LD \u00c4\u00ff"));
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip"); ///< what the tooltip names
        QTest::newRow("input switch 3") << "switch" << 3 << "Switch 3"
                                        << "Input 03";
        QTest::newRow("input lamp 3") << "input" << 3 << "Input 3"
                                      << "relay 3";
        QTest::newRow("output lamp 12") << "output" << 12 << "Output 12"
                                        << "relay 1012";
        QTest::newRow("timer 5") << "timer" << 5 << "Timer 5"
                                 << "TIM 5";
        QTest::newRow("counter 2") << "counter" << 2 << "Counter 2"
                                   << "CNT 2";
        QTest::newRow("run button") << "run" << 0 << "Simulation"
                                    << "(F5)";
        QTest::newRow("grid") << "grid" << 0 << "Ladder code"
                              << "";
    }

    // What assistive technology reads out for each control.
    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(int, n);
        QFETCH(QString, name);
        Window w;
        MainWindow& l = w.ladder;
        // Only the row's own control is looked up: n is a lamp number in one row, a timer's in
        // another.
        const std::map<QString, std::function<QWidget*()>> controls = {
            {"switch", [&] { return inputSwitch(l, n); }},
            {"input", [&] { return inputLamp(l, n); }},
            {"output", [&] { return outputLamp(l, n); }},
            {"timer", [&] { return timerDisplay(l, n); }},
            {"counter", [&] { return counterDisplay(l, n); }},
            {"run", [&]() -> QWidget* { return runButton(l); }},
            {"grid", [&]() -> QWidget* { return gridView(l); }}};
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(controls.at(control)());
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QFETCH(QString, tip);
        QVERIFY2(controls.at(control)()->toolTip().contains(tip), qPrintable(tip));
    }

    // The numbers over the lamps, the counters and the timers are all drawn alike: bold, 9.75 pt.
    void numbersAreDrawnAlike() {
        Window w;
        QList<QLabel*> numbers;
        for (QLabel* label : w.ladder.findChildren<QLabel*>()) {
            if (QRegularExpression("^\\d\\d$").match(label->text()).hasMatch()) {
                numbers << label;
            }
        }
        QCOMPARE(numbers.size(), 16 + 16 + 8 + 8);
        for (QLabel* label : numbers) {
            QVERIFY2(label->font() == numbers[0]->font(), qPrintable(label->text()));
        }
        QVERIFY(numbers[0]->font().bold() && numbers[0]->font().pointSizeF() == 9.75);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

// The main window as a user drives it: typing a program into the grid with key events, starting
// and stopping the run with the lamp-button, flipping switches, the menus, the grid's mouse
// selection and the About box during a run. Message boxes and the file dialog are recorders, so
// no test waits on a modal box.

#include "ui/Ladder.h"
#include "files/FileCommands.h"
#include "support/Recorders.h"
#include "ui/CodeGridView.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using rungbox::test::RecordingBoxes;
using rungbox::ui::Ladder;
namespace MsgStyle = rungbox::engine::MsgStyle;

namespace {

// A file dialog that never opens: it counts its calls and answers with `path`.
struct ScriptedDialog : rungbox::files::FileDialog {
    std::optional<std::string> path;
    int calls = 0;
    std::optional<std::string> ShowSave(std::string_view, std::string_view) override {
        return ++calls, path;
    }
    std::optional<std::string> ShowOpen(std::string_view) override { return ++calls, path; }
};

// Counts the events of one type a widget receives.
struct EventCounter : QObject {
    QEvent::Type type;
    int count = 0;
    explicit EventCounter(QEvent::Type t) : type(t) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += event->type() == type ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// A main window with recorders, shown on the offscreen screen.
struct Window {
    RecordingBoxes boxes;
    ScriptedDialog dialog;
    Ladder ladder{boxes, dialog};

    Window() { ladder.show(); }
    rungbox::ui::CodeGridView* view() const { return ladder.gridView(); }
    std::string cell(int row, int col) { return ladder.grid().TextMatrix(row, col); }
    void clickLamp() { QTest::mouseClick(ladder.ledSimulate(), Qt::LeftButton); }
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

// The stopped or the running arrangement of menus, grid, switches, lamps and timers.
void expectArrangement(Ladder& l, bool running) {
    QCOMPARE(l.runControl().simulating(), running);
    QCOMPARE(l.ledSimulate()->isOn(), running);
    QCOMPARE(l.scanTimerActive(), running);
    QCOMPARE(l.tickTimerActive(), running);
    QCOMPARE(l.fileMenu()->menuAction()->isEnabled(), !running);
    QCOMPARE(l.moduleMenu()->menuAction()->isEnabled(), !running);
    QVERIFY(l.helpMenu()->menuAction()->isEnabled());
    QCOMPARE(l.gridView()->isEnabled(), !running);
    QVERIFY(!l.progressLabel()->isVisible() && !l.progressBar()->isVisible());
    for (int n = 0; n < 16; ++n) {
        QCOMPARE(l.inputSwitch(n)->isEnabled(), running);
        if (!running) {
            QVERIFY(!l.inputSwitch(n)->isChecked());
            QVERIFY(!l.inputLamp(n)->isOn() && !l.outputLamp(n)->isOn());
        }
    }
    for (int n = 0; !running && n < 8; ++n) {
        QCOMPARE(l.timerDisplay(n)->text(), QString("0.0"));
        QCOMPARE(l.counterDisplay(n)->text(), QString("0"));
    }
}

} // namespace

class LadderTest : public QObject {
    Q_OBJECT

private slots:
    void opensInTheStoppedArrangement();
    void typedProgramRunsAndASwitchLightsItsOutput();
    void oneMessageAndStopped_data();
    void oneMessageAndStopped();
    void aboutDuringARunLetsTheSimulationAndTimerGoOn();
    void keypadDigitsAppendNothingShiftedDigitsDo();
    void mouseSelectsWholeLinesAndBlocks();
    void closeAndExitAskOnlyForAnEditedProgram();
    void saveAsAndLoadGoThroughTheDialogAndTheDisk();
};

void LadderTest::opensInTheStoppedArrangement() {
    Window w;
    Ladder& l = w.ladder;
    QCOMPARE(l.windowTitle(), QString("PLC Ladder Code"));
    QCOMPARE(l.centralWidget()->size(), QSize(614, 405));
    QVERIFY(l.minimumSize() == l.maximumSize());
    QStringList menus;
    for (QMenu* menu : {l.fileMenu(), l.moduleMenu(), l.helpMenu()}) {
        menus << menu->title();
        for (QAction* item : menu->actions()) {
            menus << item->text() + (item->isEnabled() ? "" : " (off)") +
                         (item->isChecked() ? " (checked)" : "");
        }
    }
    QCOMPARE(menus, QStringList({"&File", "&New", "&Load", "Save &As", "&Exit", "&Module",
                                 "&none (checked)", "&House Gate (off)", "&Conveyor  (off)",
                                 "&Help", "&About"}));
    // Module keeps exactly one check, also when the checked item is chosen again.
    l.mnuModule_Click(2);
    QVERIFY(!l.moduleItem(0)->isChecked() && l.moduleItem(2)->isChecked());
    for (int i = 0; i < 2; ++i) {
        l.moduleItem(0)->trigger();
        QVERIFY(l.moduleItem(0)->isChecked() && !l.moduleItem(2)->isChecked());
    }
    expectArrangement(l, false);
    QVERIFY(!l.editor().codeChanged());
    const QAbstractItemModel* model = w.view()->model();
    const auto heading = [&](int n, Qt::Orientation o) {
        return model->headerData(n, o).toString();
    };
    QCOMPARE(QStringList({heading(0, Qt::Horizontal), heading(1, Qt::Horizontal),
                          heading(2, Qt::Horizontal), heading(298, Qt::Vertical)}),
             QStringList({"LADDER CODE", "LOCATION", "###", "299"}));
    QCOMPARE(model->rowCount(), 299);
}

void LadderTest::typedProgramRunsAndASwitchLightsItsOutput() {
    Window w;
    Ladder& l = w.ladder;
    w.type("ld\r0\r\rout\r1003\r\rend");
    QCOMPARE(w.cell(1, 1) + w.cell(1, 2) + w.cell(2, 1) + w.cell(2, 2) + w.cell(3, 1),
             std::string("LD0OUT1003END"));
    l.editor().setCodeChanged(false);

    w.clickLamp();
    expectArrangement(l, true);
    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(l.outputLamp(3)->isOn(), 2000);
    QVERIFY(l.inputLamp(0)->isOn() && !l.outputLamp(0)->isOn());
    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!l.outputLamp(3)->isOn(), 2000);
    QVERIFY(!l.inputLamp(0)->isOn());

    // While running, keys and clicks do not reach the grid.
    const int row = l.grid().Row();
    QTest::keyClick(w.view(), Qt::Key_Down);
    QTest::mouseClick(w.view()->verticalHeader()->viewport(), Qt::LeftButton, {}, w.lineNumber(3));
    QVERIFY(l.grid().Row() == row && l.grid().RowSel() == row && !l.editor().codeChanged());

    // Stopped with the switch on, everything returns to the stopped picture.
    QTest::mouseClick(l.inputSwitch(0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(l.outputLamp(3)->isOn(), 2000);
    w.clickLamp();
    expectArrangement(l, false);
    QVERIFY(w.boxes.shown.empty());
    QTest::keyClick(w.view(), Qt::Key_Down);
    QVERIFY2(l.editor().codeChanged(), "after the stop the grid takes keys again");
}

void LadderTest::oneMessageAndStopped_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("progressShows");
    // A range warning comes before the copy: the progress display never shows.
    QTest::newRow("range warning") << "tim\r9\r\rend"
                                   << "Timer out of range at line  1.\r\nValid Range: 0 to  7"
                                   << "TIMER Range" << MsgStyle::Exclamation << 0;
    // A missing END is found by the copy: label and bar were shown, and are hidden again.
    QTest::newRow("missing END") << "ld\r0\r\rout\r1000\r\rend "
                                 << "Not END encountered. Error starting SIMULATION ..."
                                 << "rungbox" << MsgStyle::Exclamation << 2;
    // The run starts; the first scan meets the bad line and stops it, once.
    QTest::newRow("invalid line") << "ld\r0\r\rxyz\r\r\rend"
                                  << "Error at line  2"
                                  << "rungbox" << MsgStyle::OkOnly << 2;
}

void LadderTest::oneMessageAndStopped() {
    QFETCH(QString, program);
    Window w;
    EventCounter shown(QEvent::Show);
    w.ladder.progressLabel()->installEventFilter(&shown);
    w.ladder.progressBar()->installEventFilter(&shown);
    w.type(qPrintable(program));
    w.clickLamp();
    QTRY_VERIFY_WITH_TIMEOUT(!w.ladder.runControl().simulating(), 2000);
    QTest::qWait(50);
    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QTEST(QString::fromStdString(w.boxes.shown[0].text), "text");
    QTEST(QString::fromStdString(w.boxes.shown[0].title), "title");
    QTEST(w.boxes.shown[0].style, "style");
    QTEST(shown.count, "progressShows");
    expectArrangement(w.ladder, false);
}

void LadderTest::aboutDuringARunLetsTheSimulationAndTimerGoOn() {
    Window w;
    // Timer 0 runs while input 0 is off: 1 s, shown in tenths from "1.0" down to "0.0".
    w.type("ld not\r0\r\rtim\r0\r10\rend");
    w.clickLamp();
    QCOMPARE(w.ladder.timerDisplay(0)->text(), QString("1.0"));
    const qint64 scansOpened = w.ladder.scanCount();
    qint64 scansClosing = -1;
    QString caption;
    QString timerClosing;
    QTimer::singleShot(600, &w.ladder, [&] {
        scansClosing = w.ladder.scanCount();
        timerClosing = w.ladder.timerDisplay(0)->text();
        // Close whatever box is open, so that the test never waits on it.
        if (QWidget* box = QApplication::activeModalWidget()) {
            caption = box->windowTitle();
            if (auto* ok = box->findChild<QPushButton*>("cmdOK")) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                box->close();
            }
        }
    });
    w.ladder.aboutItem()->trigger();

    QCOMPARE(caption, QString("Form1"));
    QVERIFY(scansClosing > scansOpened + 20);
    QVERIFY2(timerClosing != "1.0", qPrintable(timerClosing));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY2(w.ladder.runControl().simulating(), "OK returns to the running simulation");
    QTRY_COMPARE_WITH_TIMEOUT(w.ladder.timerDisplay(0)->text(), QString("0.0"), 2000);
}

void LadderTest::keypadDigitsAppendNothingShiftedDigitsDo() {
    Window w;
    w.ladder.grid().select(1, 3, 1, 3);
    QTest::keyClick(w.view(), Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(w.view(), Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(w.cell(1, 3), std::string(""));
    QVERIFY2(w.ladder.editor().codeChanged(), "every key marks the program changed");
    QTest::keyClick(w.view(), Qt::Key_NumberSign, Qt::ShiftModifier);
    QTest::keyClick(w.view(), Qt::Key_ParenRight, Qt::ShiftModifier);
    QCOMPARE(w.cell(1, 3), std::string("30"));
}

void LadderTest::mouseSelectsWholeLinesAndBlocks() {
    Window w;
    const auto& g = w.ladder.grid();
    const auto selection = [&] {
        return QList<int>({g.Row(), g.Col(), g.RowSel(), g.ColSel(),
                           int(w.view()->selectionModel()->selectedIndexes().size())});
    };
    QWidget* numbers = w.view()->verticalHeader()->viewport();
    QTest::mouseClick(numbers, Qt::LeftButton, {}, w.lineNumber(3));
    QCOMPARE(selection(), QList<int>({3, 1, 3, 3, 3}));
    QVERIFY2(!w.ladder.editor().codeChanged(), "clicks are no edits");
    // Upwards from line 6 to line 4: the lines 4 to 6, anchored at 6.
    Window::drag(numbers, w.lineNumber(6), w.lineNumber(4));
    QCOMPARE(selection(), QList<int>({6, 1, 4, 3, 9}));

    QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, w.cellCentre(5, 2));
    QCOMPARE(selection(), QList<int>({5, 2, 5, 2, 1}));
    // From column 3 back to column 1 is a block, not a whole-line selection.
    Window::drag(w.view()->viewport(), w.cellCentre(2, 3), w.cellCentre(4, 1));
    QCOMPARE(selection(), QList<int>({2, 3, 4, 1, 9}));
}

void LadderTest::closeAndExitAskOnlyForAnEditedProgram() {
    struct Case {
        const char* name;
        bool byExit;
        bool edited;
    };
    for (const Case c : {Case{"close, edited", false, true}, Case{"Exit, edited", true, true},
                         Case{"Exit, unchanged", true, false}}) {
        Window w;
        if (c.edited) {
            QTest::keyClick(w.view(), Qt::Key_Right);
        }
        if (c.byExit) {
            w.ladder.exitItem()->trigger();
        } else {
            QVERIFY(w.ladder.close());
        }
        // An edited program asks once whether to save it; No (the recorder's answer) closes.
        QVERIFY2(w.boxes.shown.size() == (c.edited ? 1U : 0U), c.name);
        if (c.edited) {
            QCOMPARE(w.boxes.shown[0].text, std::string(rungbox::files::kSaveQuestion));
            QCOMPARE(w.boxes.shown[0].style, MsgStyle::YesNo | MsgStyle::Question);
        }
        QVERIFY2(!w.ladder.isVisible() && w.dialog.calls == 0, c.name);
    }
}

void LadderTest::saveAsAndLoadGoThroughTheDialogAndTheDisk() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("prog.PLC").toStdString();
    {
        Window w;
        w.type("ld\r0\r\rout\r1000\r\rend");
        w.dialog.path = path;
        w.ladder.saveAsItem()->trigger();
        QCOMPARE(w.dialog.calls, 1);
        QVERIFY(w.boxes.shown.empty());
        QVERIFY(!w.ladder.editor().codeChanged());
    }
    Window w;
    w.dialog.path = path;
    w.ladder.loadItem()->trigger();
    QCOMPARE(w.dialog.calls, 1);
    QCOMPARE(w.cell(2, 1) + w.cell(2, 2) + w.cell(3, 1), std::string("OUT1000END"));
    // The grid view shows what was loaded.
    QCOMPARE(w.view()->model()->index(1, 1).data().toString(), QString("1000"));
}

QTEST_MAIN(LadderTest)
#include "LadderTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// View > Timing Diagram on a main window whose run is driven scan by scan: the recording shown
// live and kept after the stop, the waveforms where the run put them, the cursor, signals added
// and removed, zoom, and the exports. What the rows draw is the core's (tests/trace).

#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/Translators.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::test::RecordingBoxes;
using rungbox::ui::MainWindow;
using rungbox::ui::TimingPainter;
using rungbox::ui::TimingWindow;

namespace {

// A main window running "switch 0 starts timer 0 (3 ticks); its done bit lights output 0", its
// timers stopped so that the test alone decides when scans and ticks come.
struct Running {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};
    std::uint64_t ms = 0;

    Running() {
        writeProgram(main.session().grid(), "LD 0; TIM 0 3; LD TIM 0; OUT 1000; END");
        main.show();
    }
    TimingWindow& timing() { return *timingWindow(main); }
    const rungbox::trace::Recorder& recorder() { return main.session().tracing().recorder(); }
    void start() {
        main.session().toggleRun();
        runTimer(main)->stop(); // the test runs the clock itself
        ms = 0;
    }
    // `count` milliseconds: a scan in each, a tick after the scan of every hundredth.
    void wait(int count) {
        main.session().advance(static_cast<std::uint64_t>(count));
        ms += static_cast<std::uint64_t>(count);
    }
};

// The colour of the pixel where signal `position` would be high (or low) at `ms`, in the
// diagram with every row as the exports draw it.
QColor levelPixel(TimingWindow& w, int position, double ms, bool high) {
    QImage image(w.view()->renderSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    w.view()->renderAll(painter);
    painter.end();
    const auto& frame = w.view()->frame();
    const int x =
        TimingPainter::kNameWidth + static_cast<int>((ms - frame.fromMs) / frame.msPerPixel);
    const auto rows = TimingPainter::rowsOf(w.view()->recorder(), frame);
    const auto row = std::find(rows.begin(), rows.end(), static_cast<std::size_t>(position));
    const int top = TimingPainter::kAxisHeight +
                    static_cast<int>(row - rows.begin()) * TimingPainter::kRowHeight;
    return image.pixelColor(x, high ? top + 5 : top + TimingPainter::kRowHeight - 5);
}

} // namespace

class TimingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheViewMenuAndRecordsTheRunLiveAndAfterItsStop() {
        Running r;
        QVERIFY(timingWindow(r.main) == nullptr && !r.main.session().tracing().on());
        item(r.main, "timingItem")->trigger();
        QVERIFY(timingWindow(r.main) != nullptr && r.timing().isVisible());
        QVERIFY(r.timing().recordItem()->isChecked() && r.main.session().tracing().on());
        QVERIFY(r.timing().statusText().contains("the next run is recorded"));

        r.start();
        inputSwitch(r.main, 0)->setChecked(true);
        r.wait(150);
        QVERIFY(r.timing().view()->refresh());
        QVERIFY(!r.timing().view()->refresh()); // nothing new: no repaint
        QCOMPARE(r.recorder().lastMs(), std::uint64_t{150});
        r.wait(250); // the timer is done at 300 ms, output 0 lights at 301 ms
        r.timing().refresh();
        QVERIFY(r.timing().statusText().contains("0 to 400 ms, 400 scans"));

        // The waveforms lie where the run put them: out0 (position 16) low before 301 ms and
        // high after; in0 high from the first scan on.
        r.timing().view()->fitAll();
        const QColor bit(20, 120, 50);
        QCOMPARE(levelPixel(r.timing(), 16, 190, false), bit);
        QCOMPARE(levelPixel(r.timing(), 16, 370, true), bit);
        QVERIFY(levelPixel(r.timing(), 16, 190, true) != bit);
        QCOMPARE(levelPixel(r.timing(), 0, 50, true), bit);

        // The cursor's time and scan show in the status line.
        r.timing().view()->setCursorMs(250);
        QVERIFY(r.timing().statusText().contains("cursor 250 ms, scan 250"));

        // Stopping keeps the recording; the next start records afresh.
        r.main.session().toggleRun();
        r.timing().refresh();
        QCOMPARE(r.recorder().lastMs(), std::uint64_t{400});
        r.start();
        r.wait(5);
        QCOMPARE(r.recorder().lastMs(), std::uint64_t{5});
        QCOMPARE(r.recorder().firstMs(), std::uint64_t{0});

        // Record off: the run goes on, the recording stands still.
        r.timing().recordItem()->setChecked(false);
        r.wait(5);
        QCOMPARE(r.recorder().lastMs(), std::uint64_t{5});
        QVERIFY(r.timing().statusText().startsWith("Not recording"));
        // On again during the run: the recording starts afresh there, with no gap in it.
        r.timing().recordItem()->setChecked(true);
        r.wait(5);
        QCOMPARE(r.recorder().firstMs(), std::uint64_t{11});
        QCOMPARE(r.recorder().lastMs(), std::uint64_t{15});
    }

    void signalsAreAddedAndRemovedByNameOrAddress() {
        Running r;
        r.main.showTimingDiagram();
        TimingWindow& w = r.timing();
        // The view shows the program's signals (in0, out0, tim0 and its done bit), then those
        // added by address or name; a refusal shows in the status line.
        QCOMPARE(w.view()->rowCount(), 4);
        QVERIFY(w.addSignal("2000"));
        QCOMPARE(w.view()->rowCount(), 5);
        QVERIFY(!w.addSignal("relay2000"));
        QVERIFY(w.statusText().contains("relay2000 is shown already"));
        QVERIFY(w.removeSignal("relay2000"));
        QCOMPARE(w.view()->rowCount(), 4);

        // Clicking a name puts it into the signal box, ready to remove.
        const int y = TimingPainter::kAxisHeight + 1 * TimingPainter::kRowHeight + 5;
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, QPoint(20, y));
        QCOMPARE(w.signalEdit()->text(), QString("out0"));
    }

    // In another language the status line, the refusals and the signal help come through the
    // "Trace" catalogue.
    void statusAndRefusalsInTheUsersLanguage() {
        rungbox::test::BracketTranslator translator;
        const rungbox::test::TranslatorGuard guard(translator);
        Running r;
        item(r.main, "timingItem")->trigger();
        TimingWindow& w = r.timing();
        QCOMPARE(w.statusText(), QString("[Recording: the next run is recorded.]"));
        QVERIFY(!w.removeSignal(""));
        QCOMPARE(w.statusText(), QString("[Type the signal to remove first.]"));
        QVERIFY(translator.asked.contains({"Trace", std::string(rungbox::trace::kSignalHelp)}));
    }

    // The words an extended program writes are rows from its run's start, drawn as buses whose
    // values read in hexadecimal.
    void wordsOfAnExtendedProgramAreBuses() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow main{boxes, dialog};
        rungbox::editor::CodeGrid& grid = main.session().grid();
        grid.setInstructionSet(rungbox::engine::InstructionSet::Extended);
        const char* const lines[][3] = {{"LD", "P_On", ""}, {"MOV", "#0042", "DM0001"}, {"END"}};
        for (int line = 0; line < 3; ++line) {
            for (int col = 0; col < 3 && lines[line][col] != nullptr; ++col) {
                grid.setText(line + 1, rungbox::editor::kCodeCol + col, lines[line][col]);
            }
        }
        main.show();
        main.showTimingDiagram();
        main.session().toggleRun();
        runTimer(main)->stop();
        main.session().advance(5);
        TimingWindow& w = *timingWindow(main);
        w.refresh();
        const rungbox::trace::Signal dm1 =
            rungbox::trace::wordSignal({rungbox::engine::WordArea::Dm, 1});
        const auto position = main.session().tracing().recorder().find(dm1);
        QVERIFY(position.has_value());
        const auto rows = TimingPainter::rowsOf(w.view()->recorder(), w.view()->frame());
        QCOMPARE(rows, std::vector<std::size_t>{*position}); // P_On is not recorded
        QCOMPARE(main.session().tracing().recorder().valueAt(*position, 5), 0x42);
        QCOMPARE(TimingPainter::valueText(dm1, 0x42, w.view()->frame()), QString("#0042"));
    }

    // The exports suggest a name after the program's file.
    void exportNamesFollowTheProgram() {
        Running r;
        QTemporaryDir dir;
        r.dialog.path = (dir.path() + "/motor.latch.PLC").toStdString();
        QVERIFY(r.main.session().saveAs());
        r.main.showTimingDiagram();
        r.dialog.path.reset(); // each export is cancelled
        r.timing().exportVcdItem()->trigger();
        QCOMPARE(r.dialog.suggested, std::string("motor.latch_timing.vcd"));
        r.timing().exportPictureItem()->trigger();
        QCOMPARE(r.dialog.suggested, std::string("motor.latch_timing.png"));
    }

    // The menu's item reads a timer's value in ticks instead of seconds.
    void timerValuesReadInSecondsOrTicks() {
        Running r;
        r.main.showTimingDiagram();
        using rungbox::trace::SignalKind;
        for (const bool ticks : {false, true}) {
            item(r.timing(), "timerTicksItem")->setChecked(ticks);
            const rungbox::ui::TimingFrame& frame = r.timing().view()->frame();
            QCOMPARE(TimingPainter::valueText({SignalKind::TimerValue, 0}, 45, frame),
                     QString(ticks ? "45" : "4.5"));
        }
    }

    void zoomsAndFits() {
        Running r;
        r.main.showTimingDiagram();
        r.start();
        r.wait(2000);
        auto* view = r.timing().view();
        view->refresh();
        const double start = view->frame().msPerPixel;
        view->zoomIn();
        QCOMPARE(view->frame().msPerPixel, start / 2);
        view->fitAll();
        QCOMPARE(view->frame().fromMs, 0.0);
        const int width = view->viewport()->width() - TimingPainter::kNameWidth;
        QVERIFY(view->frame().msPerPixel * width >= 2001);
    }

    void exportsVcdPngAndSvgAndReportsFailures() {
        Running r;
        r.main.showTimingDiagram();
        r.start();
        inputSwitch(r.main, 0)->setChecked(true);
        r.wait(400);
        r.timing().refresh();
        QTemporaryDir dir;
        const auto path = [&](const char* name) { return (dir.path() + "/" + name).toStdString(); };

        r.dialog.path = path("run.vcd");
        r.timing().exportVcdItem()->trigger();
        QCOMPARE(r.dialog.suggested, std::string("timing.vcd")); // the program has no file
        QFile vcd(QString::fromStdString(*r.dialog.path));
        QVERIFY(vcd.open(QIODevice::ReadOnly));
        const QByteArray text = vcd.readAll();
        QVERIFY(text.startsWith("$version rungbox $end\n$timescale 1 ms $end\n"));
        QVERIFY(text.contains("$var wire 1 1 out0 $end"));
        QVERIFY(text.contains("#301\n11\n"));

        for (const char* name : {"run.png", "run.svg"}) {
            r.dialog.path = path(name);
            r.timing().exportPictureItem()->trigger();
        }
        const QImage png(QString::fromStdString(path("run.png")));
        // The picture shows the view's rows: the program's four signals of the 64 recorded.
        QCOMPARE(png.size(), TimingPainter::sizeFor(4, r.timing().view()->viewport()->width() -
                                                           TimingPainter::kNameWidth));
        QFile svg(QString::fromStdString(path("run.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
        QVERIFY(r.boxes.shown.empty());

        r.dialog.path = path("no/such/folder/run.vcd");
        r.timing().exportVcdItem()->trigger();
        r.dialog.path = path("no/such/folder/run.png");
        r.timing().exportPictureItem()->trigger();
        QCOMPARE(static_cast<int>(r.boxes.shown.size()), 2);
        const std::string written = "Cannot write " + path("no/such/folder/run.vcd") + ": ";
        QVERIFY(r.boxes.shown[0].text.starts_with(written));

        r.dialog.path.reset(); // cancelled: nothing happens
        r.timing().exportVcdItem()->trigger();
        QCOMPARE(static_cast<int>(r.boxes.shown.size()), 2);
    }
};

QTEST_MAIN(TimingWindowTest)
#include "TimingWindowTest.moc"

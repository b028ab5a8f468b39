// SPDX-License-Identifier: GPL-3.0-or-later
// File > Check With Script... on a main window holding a motor latch that forgot its
// self-holding contact: the tests listed with results, points, expected and got; the window
// itself untouched; a double click on a failed test opening that run's timing diagram at the
// failure.

#include "ui/check/CheckDialog.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/Translators.h"
#include "ui/app/MainWindow.h"
#include "ui/timing/TimingView.h"
#include "ui/timing/TimingWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using rungbox::test::RecordingBoxes;
using rungbox::ui::CheckDialog;
using rungbox::ui::MainWindow;

namespace {

// The script of tests/sim/grading/motor.script without its show: latch fails at line 10 (scan
// 12, 10 ms), the hidden test fails too.
constexpr const char* kScript = "press\nscan\ntest idle 1\nexpect out 0100000000000000\n"
                                "test latch 2\nin 0 1\nscan\nin 0 0\nwait 10\n"
                                "expect out 1000000000000000\nexpect relay 1000 1\n"
                                "test stop 2\nin 1 1\nscan\nexpect out 0100000000000000\n"
                                "in 1 0\nscan 10\nexpect relay 1000 0\n"
                                "test stop_wins 1 hidden\nin 0 1\nin 1 1\nscan\nin 1 0\nscan\n"
                                "in 0 0\nwait 5\nexpect relay 1001 0\n";

struct Window {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};
    QTemporaryDir folder;

    Window() {
        rungbox::test::writeProgram(main.session().grid(),
                                    "LD 0; AND NOT 1; OUT 1000; LD NOT 1000; OUT 1001; END");
        main.show();
    }
    // Chooses File > Check With Script..., the open dialog answering a script holding `text`.
    CheckDialog* check(const char* text) {
        const QString path = folder.filePath("check.script");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.close();
        dialog.path = path.toStdString();
        main.findChild<QAction*>("checkWithScriptItem")->trigger();
        return main.findChild<CheckDialog*>("checkDialog");
    }
};

QStringList row(const QTreeWidget* list, int index) {
    QStringList cells;
    for (int col = 0; col < list->columnCount(); ++col) {
        cells << list->topLevelItem(index)->text(col);
    }
    return cells;
}

} // namespace

class CheckDialogTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheTestsWithoutTouchingTheWindow() {
        Window w;
        CheckDialog* dialog = w.check(kScript);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        const QTreeWidget* list = dialog->findChild<QTreeWidget*>("checkTests");
        QCOMPARE(list->topLevelItemCount(), 4);
        QCOMPARE(row(list, 0), QStringList({"idle", "passed", "1/1", "", "", ""}));
        QCOMPARE(row(list, 1), QStringList({"latch", "failed", "0/2", "out 1000000000000000",
                                            "0100000000000000", "line 10, scan 12, 10 ms"}));
        // A hidden test shows its result alone.
        QCOMPARE(row(list, 3), QStringList({"stop_wins", "failed", "0/1", "", "", ""}));
        QCOMPARE(dialog->findChild<QLabel*>("checkScore")->text(), QString("3 of 6 points"));
        // The check ran in a session of its own.
        QVERIFY(!w.main.session().running());
        QVERIFY(!w.main.session().controller().relay(1000));
        QVERIFY(w.main.session().tracing().recorder().empty());
        QVERIFY(w.boxes.shown.empty());
        QCOMPARE(w.main.session().grid().text(3, 2), std::string("1000"));
    }

    void doubleClickOnAFailureShowsItsRun() {
        Window w;
        CheckDialog* dialog = w.check(kScript);
        QTreeWidget* list = dialog->testList();
        // Passed and hidden tests open nothing.
        for (const int passedOrHidden : {0, 2, 3}) {
            QVERIFY(dialog->showFailure(passedOrHidden) == nullptr);
        }
        const QRect failed = list->visualItemRect(list->topLevelItem(1));
        // A double click is a press, a release and a second press seen as a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, failed.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, failed.center());
        rungbox::ui::TimingWindow* timing = dialog->timingWindow();
        QVERIFY(timing != nullptr);
        QVERIFY(timing->isVisible());
        // The failure came at scan 12, the run's clock at 10 ms; in the recording the two scans
        // that did not move the clock have a millisecond each.
        QCOMPARE(timing->view()->frame().cursorMs, std::optional<std::uint64_t>(12));
        QVERIFY(timing->view()->frame().fromMs <= 12);
        QCOMPARE(timing->windowTitle(), QString("Timing Diagram: latch failed"));
    }

    // Scans that do not move the clock: the cursor is still on the failing scan, the outputs the
    // test read otherwise than expected first, and the finished recording records no more.
    void theTraceOpensOnTheFailingScan() {
        Window w;
        CheckDialog* dialog = w.check("press\ntest latch 1\nin 0 1\nscan 11\nin 0 0\nscan\n"
                                      "expect out 1000000000000000\nin 0 1\nscan 13\n"
                                      "test held 1\nexpect relay 1001 1\n");
        QCOMPARE(dialog->testList()->topLevelItem(0)->text(5), QString("line 7, scan 12, 0 ms"));
        rungbox::ui::TimingWindow* timing = dialog->showFailure(0);
        QVERIFY(timing != nullptr);
        const rungbox::trace::Recorder& recorder = timing->view()->recorder();
        const std::optional<std::uint64_t> cursor = timing->view()->frame().cursorMs;
        QVERIFY(cursor.has_value());
        QCOMPARE(recorder.scanAt(*cursor), std::optional<std::uint64_t>(12));
        using rungbox::trace::Signal;
        using rungbox::trace::SignalKind;
        const Signal out0{SignalKind::Relay, 1000};
        QCOMPARE(recorder.valueAt(*recorder.find(out0), *cursor), std::optional<int>(0));
        QCOMPARE(recorder.signalList().front(), out0);
        QCOMPARE(recorder.signalList()[1], (Signal{SignalKind::Relay, 1001}));
        QVERIFY(timing->statusText().contains("scan 12"));
        QVERIFY(!timing->statusText().contains("Recording"));
        QVERIFY(!timing->recordItem()->isVisible());

        // The next failure brings its own relay up, under its own title.
        QVERIFY(dialog->showFailure(1) == timing);
        QCOMPARE(recorder.signalList().front(), (Signal{SignalKind::Relay, 1001}));
        QCOMPARE(timing->windowTitle(), QString("Timing Diagram: held failed"));
    }

    void explainsAScriptWithoutTests() {
        Window w;
        CheckDialog* dialog = w.check("press\nscan\nexpect out 0100000000000000\n");
        QCOMPARE(dialog->testList()->topLevelItemCount(), 0);
        QVERIFY(dialog->messageLabel()->text().contains("no tests"));
        QCOMPARE(dialog->scoreLabel()->text(), QString()); // no "0 of 0 points"
    }

    // In another language the score and the message are the core's messages in the catalogue,
    // their numbers and the script's complaint filled in.
    void scoreAndMessageInTheUsersLanguage() {
        rungbox::test::BracketTranslator translator;
        const rungbox::test::TranslatorGuard guard(translator);
        Window w;
        CheckDialog* dialog = w.check(kScript);
        QCOMPARE(dialog->scoreLabel()->text(), QString("[3 of 6 points]"));
        QVERIFY(translator.asked.contains({"Core", "%1 of %2 points"}));
        Window again;
        dialog = again.check("press\nscan\n");
        QCOMPARE(dialog->messageLabel()->text(),
                 QString("[The script has no tests, and ran to its end.]"));
    }

    void cancelledDialogChecksNothing() {
        Window w;
        w.dialog.path.reset();
        w.main.findChild<QAction*>("checkWithScriptItem")->trigger();
        QCOMPARE(w.dialog.calls, 1);
        QVERIFY(w.main.findChild<CheckDialog*>("checkDialog") == nullptr);
    }
};

QTEST_MAIN(CheckDialogTest)
#include "CheckDialogTest.moc"

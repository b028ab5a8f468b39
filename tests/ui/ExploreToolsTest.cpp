// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Compare With Program... and Tools > Prove Properties... on a main window: the grid's
// program against a file, the result, the counterexample's timing diagram and script, Cancel,
// and properties typed into the dialog.

#include "ui/explore/ExploreTools.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/explore/ExploreDialog.h"
#include "ui/timing/TimingView.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::test::RecordingBoxes;
using rungbox::ui::ExploreDialog;
using rungbox::ui::MainWindow;

namespace {

// A main window whose grid holds a latch that lets the stop button through only while start is
// held (a student's mistake), and a folder with the model solution.
struct Window {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};
    QTemporaryDir folder;

    Window() {
        rungbox::test::writeProgram(
            main.session().grid(),
            "LD 0; AND NOT 1; OR 1000; OUT 1000; LD NOT 1000; OUT 1001; END");
        QFile model(folder.filePath("model.PLC"));
        model.open(QIODevice::WriteOnly);
        model.write(rungbox::test::programFile(
                        "LD 0; OR 1000; AND NOT 1; OUT 1000; LD NOT 1000; OUT 1001; END")
                        .c_str());
        model.close();
        dialog.path = folder.filePath("model.PLC").toStdString();
        main.show();
    }
    ExploreDialog& explore() { return *exploreTools(main)->dialog(); }
};

} // namespace

class ExploreToolsTest : public QObject {
    Q_OBJECT

private slots:
    void comparesTheGridWithAFileAndOffersTheCounterexample() {
        Window w;
        exploreTools(w.main)->compareItem()->trigger();
        QVERIFY(w.explore().isVisible());
        QTRY_VERIFY(!w.explore().exploring());
        const QString result = w.explore().resultText();
        QVERIFY2(result.contains("Different: relay 1000 reads 0 in the reference"),
                 qPrintable(result));
        QVERIFY(result.contains("in 1 1\nscan\nexpect relay 1000 0"));

        QVERIFY(w.explore().timingButton()->isEnabled());
        w.explore().timingButton()->click();
        QWidget* timing = w.explore().counterexampleWindow();
        QVERIFY(timing != nullptr && timing->isVisible());
        QCOMPARE(timing->findChildren<rungbox::ui::TimingView*>().size(), 2);

        w.dialog.path = w.folder.filePath("diff.script").toStdString();
        w.explore().saveScriptButton()->click();
        QFile saved(w.folder.filePath("diff.script"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().endsWith("scan\nexpect relay 1000 0\n"));
    }

    void theCounterexamplesDiagramShowsTheGridProgramsNames() {
        Window w;
        w.main.session().editor().names().set({rungbox::names::Address::relay(1000), "MOTOR", ""});
        exploreTools(w.main)->compareItem()->trigger();
        QTRY_VERIFY(!w.explore().exploring());
        w.explore().timingButton()->click();
        const auto views =
            w.explore().counterexampleWindow()->findChildren<rungbox::ui::TimingView*>();
        QCOMPARE(views.size(), 2);
        QVERIFY(views[0]->frame().names == nullptr); // the reference is another program
        QVERIFY(views[1]->frame().names == &w.main.session().names());
    }

    void cancelStopsTheExploration() {
        Window w;
        exploreTools(w.main)->compareItem()->trigger();
        QVERIFY(w.explore().exploring());
        w.explore().cancelButton()->click();
        QVERIFY(!w.explore().exploring());
        QVERIFY(w.explore().resultText().contains("Cancelled."));
        QVERIFY(!w.explore().saveScriptButton()->isEnabled());
    }

    void aCancelledFileDialogComparesNothing() {
        Window w;
        w.dialog.path.reset();
        exploreTools(w.main)->compareItem()->trigger();
        QVERIFY(exploreTools(w.main)->dialog() == nullptr);
    }

    void provesTypedPropertiesOfTheGridProgram() {
        Window w;
        exploreTools(w.main)->proveItem()->trigger();
        QVERIFY(w.explore().propertiesEdit()->isVisible());
        w.explore().propertiesEdit()->setPlainText("never 1000 & 1001\nalways 1000\n");
        w.explore().proveButton()->click();
        QTRY_VERIFY(!w.explore().exploring());
        const QString result = w.explore().resultText();
        QVERIFY2(result.contains("Holds: never 1000 & 1001"), qPrintable(result));
        QVERIFY(result.contains("Violated: always 1000 after 1 step\n"));
        QVERIFY(w.explore().timingButton()->isEnabled());
    }

    void provesPropertiesByNameAndSaysWhenItRefuses() {
        using rungbox::names::Address;
        Window w;
        w.main.session().editor().names().set({Address::relay(1000), "MOTOR", ""});
        w.main.session().editor().names().set({Address::relay(1001), "LAMP", ""});
        exploreTools(w.main)->proveItem()->trigger();
        auto* progress = w.explore().findChild<QLabel*>("progressLabel");
        w.explore().propertiesEdit()->setPlainText("never MOTOR & LAMP\n");
        w.explore().proveButton()->click();
        QTRY_VERIFY(!w.explore().exploring());
        QVERIFY2(w.explore().resultText().contains("Holds: never MOTOR & LAMP\n"),
                 qPrintable(w.explore().resultText()));
        QCOMPARE(progress->text(), QString("Done."));
        w.explore().propertiesEdit()->setPlainText("never PUMP\n");
        w.explore().proveButton()->click();
        QCOMPARE(w.explore().resultText(), QString("line 1: unknown name \"PUMP\""));
        QCOMPARE(progress->text(), QString("Refused."));
    }
};

QTEST_MAIN(ExploreToolsTest)
#include "ExploreToolsTest.moc"

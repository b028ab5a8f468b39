// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu's Extended Instruction Set item on the offscreen main window: it switches the
// program's set as one undoable edit, shows a refusal in a box, follows the program through undo
// and New, and the status line shows an extended program and the hint after a classic error.

#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/grid/CodeGridView.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

using rungbox::engine::InstructionSet;

namespace {

struct Window {
    rungbox::test::RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    rungbox::ui::MainWindow main{boxes, dialog};

    Window() { main.show(); }
    QAction* extendedItem() const { return rungbox::test::item(main, "extendedSetItem"); }
    bool statusShown() const { return main.statusBar()->isVisible(); }
    QString hint() const { return main.findChild<QLabel*>("extendedHintLabel")->text(); }
    bool extended() { return main.session().grid().extended(); }
};

} // namespace

class OptionsToolsTest : public QObject {
    Q_OBJECT

private slots:
    void itemSwitchesTheSetAsOneUndoableEdit() {
        Window w;
        QMenu* options = rungbox::test::menu(w.main, "optionsMenu");
        QCOMPARE(options->title(), QString("&Options"));
        QCOMPARE(w.extendedItem()->text(), QString("&Extended Instruction Set"));
        QVERIFY(w.extendedItem()->isCheckable());
        QVERIFY(!w.extendedItem()->isChecked());
        QVERIFY(!w.statusShown()); // a classic program's window as it always was

        w.extendedItem()->trigger();
        QVERIFY(w.extended());
        QVERIFY(w.extendedItem()->isChecked());
        QVERIFY(w.main.session().editor().codeChanged());
        QVERIFY(w.statusShown());
        QCOMPARE(w.main.findChild<QLabel*>("extendedSetLabel")->text(),
                 QString("Extended instruction set"));

        QTest::keyClick(rungbox::test::gridView(w.main), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.extended());
        QVERIFY(!w.extendedItem()->isChecked());
        QVERIFY(!w.statusShown());
        QTest::keyClick(rungbox::test::gridView(w.main), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(w.extendedItem()->isChecked());

        // New makes the program classic (the save question is answered No).
        QVERIFY(w.main.session().newProgram());
        QVERIFY(!w.extendedItem()->isChecked());
        QVERIFY(!w.statusShown());
    }

    void refusalIsShownAndTheItemStaysChecked() {
        Window w;
        w.extendedItem()->trigger();
        rungbox::test::writeProgram(w.main.session().grid(), "LD 0; LD 1; KEEP(11) 1000; END");
        w.extendedItem()->trigger();
        QVERIFY(w.extended());
        QVERIFY(w.extendedItem()->isChecked());
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(
            w.boxes.shown[0].text,
            std::string("Line 3 uses the extended instruction set; the program stays extended."));
        QCOMPARE(w.boxes.shown[0].title, std::string("Extended Instruction Set"));
    }

    void extendedKeysTypeMarksOnlyInExtendedPrograms() {
        Window w;
        auto* view = rungbox::test::gridView(w.main);
        w.main.session().grid().select(1, 2, 1, 2);
        QTest::keyClicks(view, "HR0.05");
        QCOMPARE(w.main.session().grid().text(1, 2), std::string("005"));
        w.extendedItem()->trigger();
        w.main.session().grid().setText(1, 2, "");
        QTest::keyClicks(view, "HR0.05");
        QCOMPARE(w.main.session().grid().text(1, 2), std::string("HR0.05"));
    }

    void classicErrorOnAnExtendedLineHintsBesideTheMessage() {
        Window w;
        rungbox::test::writeProgram(w.main.session().grid(), "LD 0; LD 1; KEEP 1000; END");
        w.main.session().toggleRun();
        QVERIFY(!w.extendedItem()->isEnabled());
        w.main.session().advance(2);
        QVERIFY(!w.main.session().running());
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(w.boxes.shown[0].text, std::string("Error at line  3"));
        QCOMPARE(w.hint(), QString("KEEP belongs to the extended instruction set: turn on "
                                   "Extended Instruction Set in the Options menu."));
        QVERIFY(w.statusShown());
        QVERIFY(w.extendedItem()->isEnabled());
        w.extendedItem()->trigger();
        QVERIFY(w.hint().isEmpty());
        w.main.session().toggleRun();
        w.main.session().advance(2);
        QVERIFY(w.main.session().running());
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    }
};

QTEST_MAIN(OptionsToolsTest)
#include "OptionsToolsTest.moc"

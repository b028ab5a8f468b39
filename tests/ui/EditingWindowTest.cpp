// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop editor: the program named on the command line, the title with the
// file and its edit mark, Save and the recent files, dropped files, the clipboard, undo and the
// keyboard's line selection, driven by key events on the offscreen screen.

#include "editor/Editor.h"
#include "files/FileCommands.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/grid/CodeGridView.h"

#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <optional>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::test::RecordingBoxes;
using rungbox::ui::MainWindow;

namespace {

struct Window {
    RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow ladder{boxes, dialog};

    rungbox::ui::CodeGridView* view() const { return gridView(ladder); }
    QString title() const { return ladder.windowTitle(); }
    void type(const char* text) { QTest::keyClicks(view(), text); }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QTest::keyClick(view(), key, Qt::ControlModifier | more);
    }
    void go(int line, int col) { ladder.session().grid().select(line, col, line, col); }
};

// A program file of `lines` (three cells each) at `path`.
void writeProgram(const QString& path, const std::vector<std::string>& cells) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    file << "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& cell : cells) {
        file << cell << "\r\n";
    }
}

} // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theProgramOnTheCommandLineIsLoadedOnceTheWindowShows() {
        QTemporaryDir dir;
        writeProgram(dir.filePath("motor.PLC"), {"LD", "0", "", "OUT", "1000", "", "END"});
        // Named relative to the working directory, as a shell passes it.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Window w;
        w.ladder.openWhenShown("motor.PLC");
        QCoreApplication::processEvents();
        QCOMPARE(w.ladder.session().grid().text(1, 1), std::string());
        w.ladder.show();
        QTRY_COMPARE(w.title(), QString("motor.PLC - PLC Ladder Code"));
        QDir::setCurrent(previous);
        QCOMPARE(w.ladder.session().grid().text(2, 2), std::string("1000"));
        QCOMPARE(w.ladder.session().files().currentFile().path(),
                 dir.filePath("motor.PLC").toStdString());
        QVERIFY(w.boxes.shown.empty());

        // A file that cannot be read gives Load's message, after the window is up.
        Window missing;
        missing.ladder.openWhenShown(dir.filePath("gone.PLC"));
        missing.ladder.show();
        QTRY_COMPARE(missing.boxes.shown.size(), std::size_t{1});
        QCOMPARE(missing.boxes.shown[0].text, std::string("No such file or directory"));
        QCOMPARE(missing.title(), QString("PLC Ladder Code"));
    }

    void titleSaveAndRecentFilesFollowTheFile() {
        QTemporaryDir dir;
        Window w;
        w.ladder.show();
        QCOMPARE(w.title(), QString("PLC Ladder Code"));
        w.type("ld");
        w.dialog.path = dir.filePath("gate.PLC").toStdString();
        QVERIFY(item(w.ladder, "saveItem")->shortcut() == QKeySequence(QKeySequence::Save));
        item(w.ladder, "saveItem")->trigger();
        QTRY_COMPARE(w.title(), QString("gate.PLC - PLC Ladder Code"));
        QCOMPARE(w.dialog.calls, 1);

        w.go(1, 1);
        w.type("x");
        QTRY_COMPARE(w.title(), QString("gate.PLC* - PLC Ladder Code"));
        item(w.ladder, "saveItem")->trigger();
        QTRY_COMPARE(w.title(), QString("gate.PLC - PLC Ladder Code"));
        // Save writes the current file without asking.
        QCOMPARE(w.dialog.calls, 1);

        // The file menu lists it; New forgets the file; the recent item opens it again.
        QVERIFY(recentItem(w.ladder, 0)->isVisible() && !recentItem(w.ladder, 1)->isVisible());
        QCOMPARE(recentItem(w.ladder, 0)->text(), QString("&1 gate.PLC"));
        item(w.ladder, "newItem")->trigger();
        QTRY_COMPARE(w.title(), QString("PLC Ladder Code"));
        recentItem(w.ladder, 0)->trigger();
        QTRY_COMPARE(w.title(), QString("gate.PLC - PLC Ladder Code"));
        QCOMPARE(w.ladder.session().grid().text(1, 1), std::string("LDX"));
    }

    void aDroppedProgramIsLoadedAfterTheSaveQuestion() {
        QTemporaryDir dir;
        writeProgram(dir.filePath("conv.plc"), {"LD", "1"});
        Window w;
        w.ladder.show();
        w.type("or");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.filePath("conv.plc"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w.ladder, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w.ladder, &drop);
        QTRY_COMPARE(w.title(), QString("conv.plc - PLC Ladder Code"));
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(w.boxes.shown[0].text, std::string(rungbox::files::kSaveQuestion.english));
        QCOMPARE(w.ladder.session().grid().text(1, 1), std::string("LD"));

        // Anything but one .PLC file is not taken.
        QMimeData text;
        text.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
        refused.setAccepted(false);
        QApplication::sendEvent(&w.ladder, &refused);
        QVERIFY(!refused.isAccepted());
    }

    void clipboardAndKeyboardSelectionMoveWholeLines() {
        Window w;
        w.ladder.show();
        w.type("ld\r0\r\rand\r1\r\rout\r1000\r\rend");
        // Lines 2 and 3 selected by keys alone, cut, and pasted before END.
        w.go(2, 2);
        QTest::keyClick(w.view(), Qt::Key_Space, Qt::ShiftModifier);
        QTest::keyClick(w.view(), Qt::Key_Down, Qt::ShiftModifier);
        w.ctrl(Qt::Key_X);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("AND\t1\t\nOUT\t1000\t\n"));
        QCOMPARE(w.ladder.session().grid().text(2, 1), std::string("END"));
        w.ctrl(Qt::Key_V);
        QCOMPARE(w.ladder.session().grid().text(4, 1), std::string("END"));
        QCOMPARE(w.ladder.session().grid().text(3, 2), std::string("1000"));

        // Cell bytes travel as the Latin-1 characters the grid shows, both ways.
        w.ladder.session().grid().setText(9, 1, "CAF\xC9");
        w.ladder.session().editor().selectLine(9);
        w.ctrl(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("CAF\u00C9\t\t\n"));
        w.go(10, 1);
        w.ctrl(Qt::Key_V);
        QCOMPARE(w.ladder.session().grid().text(10, 1), std::string("CAF\xC9"));

        // No room: the message, and nothing changes.
        w.ladder.session().grid().setText(299, 1, "END");
        QGuiApplication::clipboard()->setText("LD\t0\t\n");
        w.go(5, 1);
        w.boxes.shown.clear();
        w.ctrl(Qt::Key_V);
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(w.boxes.shown[0].text, std::string(rungbox::editor::kPasteNoRoom.english));
        QCOMPARE(w.ladder.session().grid().text(5, 1), std::string());
    }
};

QTEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"

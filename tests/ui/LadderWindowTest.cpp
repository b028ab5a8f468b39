// SPDX-License-Identifier: GPL-3.0-or-later
// The Ladder Diagram window beside the main window: it opens from View, follows the grid's
// edits, selects a line on a click, marks the current line, shows power during a run, zooms,
// and File > Export Diagram writes SVG and PNG files.

#include "ui/ladder/LadderWindow.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"

#include <QCheckBox>
#include <QImage>
#include <QMenuBar>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::test::RecordingBoxes;
using rungbox::ui::LadderWindow;
using rungbox::ui::MainWindow;

namespace {

int elementKindOfLine(const LadderWindow& ladder, int line) {
    const auto& layout = ladder.monitor().layout();
    const int e = layout.elementOfLine(line);
    return e < 0 ? -1 : static_cast<int>(layout.elements()[static_cast<std::size_t>(e)].kind);
}

} // namespace

class LadderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void viewMenuStandsBetweenModuleAndHelp() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow window(boxes, dialog);
        window.show();
        QStringList titles;
        for (QAction* menu : window.menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, QStringList({"&File", "&Module", "&View", "&Options", "&Debug", "&Tools",
                                      "&Help"}));
        QCOMPARE(item(window, "ladderItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(ladderWindow(window) == nullptr);
        item(window, "ladderItem")->trigger();
        QVERIFY(ladderWindow(window) != nullptr);
        QVERIFY(ladderWindow(window)->isVisible());
        QVERIFY(ladderWindow(window)->isWindow());
    }

    void followsEditsAndClicksSelectLines() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow window(boxes, dialog);
        window.show();
        LadderWindow* ladder = window.showLadderDiagram();
        writeProgram(window.session().grid(), "LD 0; OUT 1000; END");
        using Kind = rungbox::ladder::ElementKind;
        QTRY_COMPARE(elementKindOfLine(*ladder, 2), static_cast<int>(Kind::Coil));
        window.session().grid().setText(2, 1, "TIM");
        window.session().grid().setText(2, 3, "30");
        QTRY_COMPARE(elementKindOfLine(*ladder, 2), static_cast<int>(Kind::Timer));

        // A click on an element makes its line current; the current line is marked.
        window.session().grid().setLine(3);
        QTRY_COMPARE(ladder->monitor().currentLine(), 3);
        const QRect contact = ladder->lineRect(1);
        QVERIFY(!contact.isEmpty());
        QTest::mouseClick(ladder->canvas(), Qt::LeftButton, {}, contact.center());
        QCOMPARE(window.session().grid().line(), 1);
        QTRY_COMPARE(ladder->monitor().currentLine(), 1);
        QTest::mouseClick(ladder->canvas(), Qt::LeftButton, {}, ladder->lineRect(2).center());
        QCOMPARE(window.session().grid().line(), 2);

        // Zoom scales the canvas and the click positions with it.
        const QSize before = ladder->canvas()->minimumSize();
        ladder->setZoom(2.0);
        QCOMPARE(ladder->canvas()->minimumWidth(), before.width() * 2);
        QTest::mouseClick(ladder->canvas(), Qt::LeftButton, {}, ladder->lineRect(1).center());
        QCOMPARE(window.session().grid().line(), 1);
        ladder->setZoom(100.0);
        QCOMPARE(ladder->zoom(), LadderWindow::kMaxZoom);
    }

    // A drawing smaller than the window leaves no empty space outside the canvas: a click
    // anywhere lands on it, which keeps the drawing keys, and its ground fills the window.
    void theCanvasFillsTheWindow() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow window(boxes, dialog);
        window.show();
        LadderWindow* ladder = window.showLadderDiagram();
        auto* scroll = ladder->findChild<QScrollArea*>();
        QVERIFY(scroll != nullptr);
        QWidget* viewport = scroll->viewport();
        QVERIFY(ladder->canvas()->minimumHeight() < viewport->height());
        const QPoint corner = viewport->rect().bottomRight() - QPoint(4, 4);
        QCOMPARE(viewport->childAt(corner), ladder->canvas());
        ladder->resize(ladder->width() + 200, ladder->height() + 100);
        QCoreApplication::processEvents();
        QCOMPARE(ladder->canvas()->size(), viewport->size());
    }

    void showsPowerDuringARun() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow window(boxes, dialog);
        window.show();
        LadderWindow* ladder = window.showLadderDiagram();
        writeProgram(window.session().grid(), "LD 0; OUT 1000; END");
        QTRY_VERIFY(ladder->monitor().layout().ended());
        QVERIFY(ladder->monitor().flow() == nullptr);
        window.session().toggleRun();
        QVERIFY(window.session().running());
        const int coil = ladder->monitor().layout().elementOfLine(2);
        QTRY_VERIFY(ladder->monitor().flow() != nullptr);
        QVERIFY(!ladder->monitor().flow()->active(coil));
        inputSwitch(window, 0)->setChecked(true);
        QTRY_VERIFY(ladder->monitor().flow()->active(coil));
        // Unchanged power draws nothing new.
        QTest::qWait(3 * rungbox::ui::SessionSignals::kFrameMs);
        QVERIFY(!ladder->poll());
        window.session().toggleRun();
        QTRY_VERIFY(ladder->monitor().flow() == nullptr);
    }

    void exportWritesSvgAndPng() {
        RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow window(boxes, dialog);
        window.show();
        writeProgram(window.session().grid(), "LD 0; OR 1; OUT 1000; END");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        dialog.path = dir.filePath("diagram.svg").toStdString();
        item(window, "exportDiagramItem")->trigger();
        QFile svg(dir.filePath("diagram.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("1000"));

        dialog.path = dir.filePath("diagram.png").toStdString();
        window.exportDiagram();
        const QImage png(dir.filePath("diagram.png"));
        QVERIFY(!png.isNull());
        QVERIFY(png.width() > 200 && png.height() > 100);
        QCOMPARE(boxes.shown.size(), std::size_t{0});

        // A folder that does not exist: the failure is reported.
        dialog.path = dir.filePath("missing/diagram.png").toStdString();
        window.exportDiagram();
        QCOMPARE(boxes.shown.size(), std::size_t{1});
    }
};

QTEST_MAIN(LadderWindowTest)
#include "LadderWindowTest.moc"

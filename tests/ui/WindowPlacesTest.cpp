// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tool windows open: beside the main window and wholly on the screen, and where the
// user left them, also in the next session.

#include "ui/placement/WindowPlaces.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"

#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::ui::MainWindow;
using rungbox::ui::placeBeside;

class WindowPlacesTest : public QObject {
    Q_OBJECT

private slots:
    // On a 1366 x 768 screen (its available area starting below a 30-pixel panel), with a gap of
    // 8 pixels.
    void placeBeside_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        const QSize ladder(720, 640);
        QTest::newRow("right of it")
            << QRect(0, 30, 630, 460) << QSize(420, 300) << QRect(638, 30, 420, 300);
        QTest::newRow("left when the right is short")
            << QRect(700, 100, 630, 460) << QSize(420, 300) << QRect(272, 100, 420, 300);
        QTest::newRow("narrowed on the wider side, no more than the screen is tall")
            << QRect(0, 30, 630, 460) << QSize(940, 800) << QRect(638, 30, 728, 738);
        QTest::newRow("not below its minimum: over the main window's edge")
            << QRect(400, 30, 630, 460) << QSize(940, 470) << QRect(0, 30, 470, 470);
        QTest::newRow("raised to stay on the screen")
            << QRect(0, 300, 630, 460) << ladder << QRect(638, 128, 720, 640);
        QTest::newRow("a main window partly off the screen")
            << QRect(-200, -50, 630, 460) << QSize(420, 300) << QRect(438, 30, 420, 300);
    }
    void placeBeside() {
        QFETCH(QRect, main);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        const QRect screen(0, 30, 1366, 738);
        const QRect placed = ::placeBeside(main, size, QSize(470, 235), screen, 8);
        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed));
    }

    // The same screen; the main window at its top left, the ladder window beside it.
    void placeLeastCovering_data() {
        QTest::addColumn<QList<QRect>>("shown");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        const QRect ladder(638, 30, 720, 640);
        QTest::newRow("alone: beside the main window")
            << QList<QRect>{} << QSize(420, 300) << QRect(638, 30, 420, 300);
        QTest::newRow("below the main window, raised onto the screen, rather than over the ladder")
            << QList<QRect>{ladder} << QSize(420, 300) << QRect(0, 468, 420, 300);
        QTest::newRow("over a corner of the main window rather than narrowed to a strip")
            << QList<QRect>{QRect(638, 30, 720, 300)} << QSize(1000, 400)
            << QRect(366, 368, 1000, 400);
        QTest::newRow("under the ladder rather than over the main window")
            << QList<QRect>{QRect(638, 30, 720, 300)} << QSize(420, 300)
            << QRect(638, 338, 420, 300);
    }
    void placeLeastCovering() {
        QFETCH(QList<QRect>, shown);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        const QRect screen(0, 30, 1366, 738);
        const QRect main(0, 30, 630, 460);
        QCOMPARE(rungbox::ui::placeLeastCovering(main, size, QSize(200, 100),
                                                 {shown.begin(), shown.end()}, screen, 8),
                 expected);
    }

    // A tool window opens on the screen the first time, where it was left afterwards, and at
    // that place again in a new session that shares the settings.
    void placesAreRememberedBetweenSessions() {
        QTemporaryDir dir;
        QSettings store(dir.filePath("places.ini"), QSettings::IniFormat);
        QRect left;
        for (int session = 0; session < 2; ++session) {
            RecordingBoxes boxes;
            ScriptedDialog dialog;
            MainWindow main(boxes, dialog);
            main.setPlaceStore(&store);
            main.show();
            QWidget* ladder = main.showLadderDiagram();
            const QRect available = main.screen()->availableGeometry();
            QVERIFY(available.contains(ladder->frameGeometry()));
            if (session == 0) {
                ladder->setGeometry(available.left() + 40, available.top() + 60, 300, 200);
                left = ladder->geometry();
                ladder->hide();
                ladder->show();
                QCOMPARE(ladder->geometry(), left); // where it was left within the session
                QVERIFY(main.close());
            } else {
                QCOMPARE(ladder->geometry(), left);
            }
        }
    }
};

QTEST_MAIN(WindowPlacesTest)
#include "WindowPlacesTest.moc"

// The module windows: their push-buttons and the car work only during a run, and a window
// repaints only when its machine has changed.

#include "ui/ConveyorWindow.h"
#include "ui/GateWindow.h"

#include <QtTest>

using rungbox::machines::ConveyorPlant;
using rungbox::machines::GatePlant;

class ModuleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pushButtonsPressForOneScanOrWhileHeld() {
        GatePlant gate;
        bool running = true;
        rungbox::ui::GateWindow window(
            gate, [&] { return running; }, nullptr);
        window.show();
        const QPoint remote = window.buttonRect("Remote").center();
        const QPoint stop = window.buttonRect("Stop").center();
        QVERIFY(!remote.isNull() && !stop.isNull());

        QTest::mouseClick(&window, Qt::LeftButton, {}, remote);
        QVERIFY(gate.remote().down());
        gate.step(0);
        QVERIFY(!gate.remote().down());

        QTest::mousePress(&window, Qt::LeftButton, {}, stop);
        gate.step(0);
        gate.step(0);
        QVERIFY(gate.stopButton().down());
        QTest::mouseRelease(&window, Qt::LeftButton, {}, stop);
        QVERIFY(!gate.stopButton().down());

        running = false;
        QTest::mouseClick(&window, Qt::LeftButton, {}, remote);
        QVERIFY(!gate.remote().down());
    }

    void aClickSendsTheCarInAndAnotherDrivesItAway() {
        GatePlant gate;
        bool running = false;
        rungbox::ui::GateWindow window(
            gate, [&] { return running; }, nullptr);
        window.show();
        const QPoint car = window.carArea().center();
        QTest::mouseClick(&window, Qt::LeftButton, {}, car);
        QCOMPARE(gate.car(), GatePlant::Car::Away);
        running = true;
        QTest::mouseClick(&window, Qt::LeftButton, {}, car);
        QCOMPARE(gate.car(), GatePlant::Car::Waiting);
        QTest::mouseClick(&window, Qt::LeftButton, {}, car);
        QCOMPARE(gate.car(), GatePlant::Car::Away);
    }

    void repaintsOnlyWhenTheMachineChanged() {
        ConveyorPlant conveyor;
        rungbox::ui::ConveyorWindow window(
            conveyor, [] { return true; }, nullptr);
        QCOMPARE(window.windowTitle(), QString("Conveyor"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.paintCount() > 0);
        QTest::qWait(3 * rungbox::ui::ModuleWindow::kFrameMs);
        const int painted = window.paintCount();
        QTest::qWait(5 * rungbox::ui::ModuleWindow::kFrameMs);
        QCOMPARE(window.paintCount(), painted);

        conveyor.step(ConveyorPlant::kFeeder | ConveyorPlant::kBelt);
        QTRY_COMPARE(window.paintCount(), painted + 1);
        QTest::qWait(3 * rungbox::ui::ModuleWindow::kFrameMs);
        QCOMPARE(window.paintCount(), painted + 1);
        // Many steps between two frames make one picture, not one per step.
        for (int k = 0; k < 500; ++k) {
            conveyor.step(ConveyorPlant::kBelt);
        }
        QTRY_COMPARE(window.paintCount(), painted + 2);
        QTest::qWait(3 * rungbox::ui::ModuleWindow::kFrameMs);
        QCOMPARE(window.paintCount(), painted + 2);
    }
};

QTEST_MAIN(ModuleWindowTest)
#include "ModuleWindowTest.moc"

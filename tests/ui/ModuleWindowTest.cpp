// SPDX-License-Identifier: GPL-3.0-or-later
// The module windows: their push-buttons and the car work only during a run, and a window
// repaints only when its machine has changed.

#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/Translators.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/machines/ConveyorWindow.h"
#include "ui/machines/GateWindow.h"
#include "ui/machines/SceneWindow.h"

#include <QCheckBox>
#include <QtTest>

#include <set>
#include <string>
#include <utility>

using namespace rungbox::test; // the window's parts, found by name

using rungbox::machines::ConveyorPlant;
using rungbox::machines::GatePlant;

class ModuleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theModuleMenuPutsTheMachineOnTheTerminals() {
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        rungbox::ui::MainWindow main(boxes, dialog);
        main.show();
        writeProgram(main.session().grid(), "LD 2; OUT 1002; END");
        QVERIFY(moduleItem(main, 1)->isEnabled() && moduleItem(main, 2)->isEnabled());
        QCOMPARE(moduleWindow(main), nullptr);
        moduleItem(main, 1)->trigger();
        QVERIFY(moduleWindow(main) != nullptr && moduleWindow(main)->isVisible());
        QCOMPARE(moduleWindow(main)->windowTitle(), QString("House Gate"));

        // What the machine does on the terminals during a run is the module driver's test and the
        // run agreement's; its window stays open through a run.
        main.session().toggleRun();
        QVERIFY(main.session().running());
        main.session().toggleRun();
        QVERIFY(moduleWindow(main)->isVisible());

        moduleItem(main, 2)->trigger();
        QCOMPARE(moduleWindow(main)->windowTitle(), QString("Conveyor"));
        moduleItem(main, 0)->trigger();
        QCOMPARE(moduleWindow(main), nullptr);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(window == &main || !window->isVisible());
        }
    }

    // The machines drawn from scenes: each menu item shows its own window; their controls are
    // clicked where the picture draws them, a button down while the mouse is, a switch turned
    // over by each click; nothing works while no run is on.
    void sceneMachinesShowTheirPictureAndTakeClicks() {
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        rungbox::ui::MainWindow main(boxes, dialog);
        main.show();
        writeProgram(main.session().grid(), "LD 2; OUT 1002; END");
        for (int index = 3; index < static_cast<int>(rungbox::machines::kModuleKinds); ++index) {
            const auto kind = static_cast<rungbox::machines::ModuleKind>(index);
            moduleItem(main, index)->trigger();
            auto* window = qobject_cast<rungbox::ui::SceneWindow*>(moduleWindow(main));
            QVERIFY(window != nullptr && window->isVisible());
            QCOMPARE(window->windowTitle().toStdString(), rungbox::machines::moduleTitle(kind));
            auto& plant = *main.session().modules().plant();
            const auto controls = plant.controls();
            const QRect first = window->controlRect(controls[0].word);
            QVERIFY(window->rect().contains(first));
            QTest::mousePress(window, Qt::LeftButton, {}, first.center());
            QVERIFY(!plant.controlOn(0)); // stopped
            QTest::mouseRelease(window, Qt::LeftButton, {}, first.center());

            main.session().toggleRun();
            for (std::size_t k = 0; k < controls.size(); ++k) {
                const QPoint at = window->controlRect(controls[k].word).center();
                QTest::mousePress(window, Qt::LeftButton, {}, at);
                QVERIFY2(plant.controlOn(k), controls[k].word.data());
                QTest::mouseRelease(window, Qt::LeftButton, {}, at);
                main.session().advance(1); // the click's one scan
                const bool isSwitch = controls[k].kind == rungbox::machines::ControlKind::Switch;
                QCOMPARE(plant.controlOn(k), isSwitch);
                if (isSwitch) {
                    QTest::mouseClick(window, Qt::LeftButton, {}, at);
                    QVERIFY(!plant.controlOn(k));
                }
            }
            main.session().toggleRun();
        }
    }

    // In another language a machine's window shows the core's labels through the "Machines"
    // catalogue: its title, every text of its picture and the names in its fault list.
    void machinesShowTheirLabelsInTheUsersLanguage() {
        BracketTranslator translator;
        const TranslatorGuard guard(translator);
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        rungbox::ui::MainWindow main(boxes, dialog);
        main.show();
        for (int index = 1; index < static_cast<int>(rungbox::machines::kModuleKinds); ++index) {
            const auto kind = static_cast<rungbox::machines::ModuleKind>(index);
            moduleItem(main, index)->trigger();
            auto* window = moduleWindow(main);
            const std::string title(rungbox::machines::moduleTitle(kind));
            QCOMPARE(window->windowTitle().toStdString(), "[" + title + "]");
            translator.asked.clear();
            window->grab(); // paints
            const auto& plant = *main.session().modules().plant();
            for (const auto& fault : plant.faults()) {
                QVERIFY2(translator.asked.contains({"Machines", std::string(fault.text)}),
                         fault.text.data());
            }
            auto* sceneWindow = qobject_cast<rungbox::ui::SceneWindow*>(window);
            if (sceneWindow == nullptr) {
                continue; // the gate and the conveyor draw themselves
            }
            const rungbox::machines::Scene picture = sceneWindow->scene();
            for (const auto& shape : picture.shapes()) {
                if (shape.kind == rungbox::machines::ShapeKind::Text) {
                    QVERIFY2(translator.asked.contains({"Machines", shape.text}),
                             shape.text.c_str());
                }
            }
        }
    }

    // At its own size and made smaller: the picture scales, its buttons with it.
    void pushButtonsPressForOneScanOrWhileHeld_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("own size") << QSize();
        QTest::newRow("smaller") << QSize(500, 260);
    }
    void pushButtonsPressForOneScanOrWhileHeld() {
        QFETCH(QSize, size);
        GatePlant gate;
        bool running = true;
        rungbox::ui::GateWindow window(
            gate, [&] { return running; }, nullptr);
        if (size.isValid()) {
            window.resize(size);
        }
        window.show();
        if (size.isValid()) {
            QCOMPARE(window.size(), size);
        }
        for (const char* caption : {"Remote", "Stop"}) {
            QVERIFY(window.rect().contains(window.buttonRect(caption)));
        }
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

    // An active fault is marked in the picture where it happens, and only while it lasts.
    void faultsAreMarkedWhereTheyHappen() {
        const auto always = [] { return true; };
        GatePlant gate;
        rungbox::ui::GateWindow gateWindow(gate, always, nullptr);
        gate.setCar(true);
        QVERIFY(gateWindow.faultPlaces().empty());
        for (int ms = 0; ms < GatePlant::kTravelMs; ++ms) {
            gate.step(GatePlant::kMotorOpen);
        }
        for (int ms = 0; ms < 3000; ++ms) {
            gate.step(GatePlant::kMotorClose);
        }
        QCOMPARE(gateWindow.faultPlaces().size(), std::size_t{1});
        QVERIFY(gateWindow.faultPlaces()[0].first.contains(QRectF(150, 60, 120, 190)));
        gate.step(0);
        QVERIFY(gateWindow.faultPlaces().empty());

        ConveyorPlant conveyor;
        rungbox::ui::ConveyorWindow conveyorWindow(conveyor, always, nullptr);
        for (int ms = 0; ms < 2 * ConveyorPlant::kFeedCycleMs; ++ms) {
            conveyor.step(ConveyorPlant::kFeeder); // the belt stands: a box lands on a box
        }
        QCOMPARE(conveyorWindow.faultPlaces().size(), std::size_t{1});
        QVERIFY(conveyorWindow.faultPlaces()[0].second.contains("entry"));
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
        const int painted = window.paintCount();
        window.refresh(); // a frame with nothing new draws nothing
        QCoreApplication::processEvents();
        QCOMPARE(window.paintCount(), painted);

        conveyor.step(ConveyorPlant::kFeeder | ConveyorPlant::kBelt);
        window.refresh();
        QTRY_COMPARE(window.paintCount(), painted + 1);
        window.refresh();
        QCoreApplication::processEvents();
        QCOMPARE(window.paintCount(), painted + 1);
        // Many steps between two frames make one picture, not one per step.
        for (int k = 0; k < 500; ++k) {
            conveyor.step(ConveyorPlant::kBelt);
        }
        window.refresh();
        window.refresh();
        QTRY_COMPARE(window.paintCount(), painted + 2);
        window.hide();
        conveyor.step(ConveyorPlant::kBelt);
        window.refresh(); // hidden: nothing is drawn
        QCoreApplication::processEvents();
        QCOMPARE(window.paintCount(), painted + 2);
    }
};

QTEST_MAIN(ModuleWindowTest)
#include "ModuleWindowTest.moc"

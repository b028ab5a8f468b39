// SPDX-License-Identifier: GPL-3.0-or-later
// The window and rungbox-sim run the same program the same way: each example with a machine is
// played from its script in both, the window's clock advanced in the slices its run timer would
// give it, and after every wait the lamps, the timer and counter displays and the machine's state
// agree.

#include "sim/Runner.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"

#include <QtTest>

#include <fstream>
#include <sstream>

using namespace rungbox::test; // the window's parts, found by name

namespace {

// The window's panel in the form of rungbox-sim's `show` line.
std::string shownLine(rungbox::ui::MainWindow& w) {
    std::string in, out, tim, cnt;
    for (int n = 0; n < 16; ++n) {
        in += inputLamp(w, n)->isOn() ? '1' : '0';
        out += outputLamp(w, n)->isOn() ? '1' : '0';
    }
    for (int n = 0; n < 8; ++n) {
        tim += (n ? "," : "") + timerDisplay(w, n)->text().toStdString();
        cnt += (n ? "," : "") + counterDisplay(w, n)->text().toStdString();
    }
    return "in=" + in + " out=" + out + " tim=" + tim + " cnt=" + cnt;
}

// Does to the window what `command` does to rungbox-sim.
void play(rungbox::ui::MainWindow& w, const rungbox::sim::Command& command) {
    using rungbox::sim::CommandKind;
    using rungbox::sim::Hand;
    auto& modules = w.session().modules();
    switch (command.kind) {
    case CommandKind::Module:
        moduleItem(w, command.number)->trigger();
        break;
    case CommandKind::Press:
        QTest::mouseClick(runButton(w), Qt::LeftButton);
        runTimer(w)->stop(); // the test is the clock
        break;
    case CommandKind::In:
        inputSwitch(w, command.number)->setChecked(command.on);
        break;
    case CommandKind::Wait:
        // The run timer's slices: at most what a stalled window catches up on at once.
        for (auto left = static_cast<std::uint64_t>(command.count); left > 0;) {
            const std::uint64_t slice = std::min<std::uint64_t>(left, 7 + left % 240);
            w.session().advance(slice);
            left -= slice;
        }
        break;
    case CommandKind::Hand:
        if (command.hand == Hand::Control) {
            auto* plant = modules.plant();
            plant->operate(command.control,
                           rungbox::machines::touchFor(plant->controls()[command.control].kind,
                                                       command.momentary, command.on));
            break;
        }
        if (command.hand == Hand::GateCar) {
            modules.gate().setCar(command.on);
            break;
        }
        {
            auto& button = command.hand == Hand::GateButton      ? modules.gate().remote()
                           : command.hand == Hand::GateStop      ? modules.gate().stopButton()
                           : command.hand == Hand::ConveyorStart ? modules.conveyor().startButton()
                                                                 : modules.conveyor().stopButton();
            command.momentary ? button.press() : button.hold(command.on);
        }
        break;
    default:
        break; // what only prints or checks
    }
}

} // namespace

class RunAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void examplesAgree_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("gate") << "gate";
        QTest::newRow("conveyor") << "conveyor";
        QTest::newRow("traffic light") << "traffic_light";
        QTest::newRow("motor starter") << "motor_reversing";
        QTest::newRow("tank and pumps") << "pump_lead_lag";
        QTest::newRow("car park") << "car_park_barriers";
        QTest::newRow("traffic intersection") << "intersection";
    }

    void examplesAgree() {
        QFETCH(QString, name);
        const std::string base = std::string(RUNGBOX_EXAMPLES_DIR) + "/" + name.toStdString();
        std::ostringstream printed, complaints;
        rungbox::sim::Runner sim(printed, complaints);
        QVERIFY(sim.load(base + ".PLC"));
        RecordingBoxes boxes;
        ScriptedDialog dialog;
        rungbox::ui::MainWindow window(boxes, dialog);
        window.show();
        window.openFile(QString::fromStdString(base + ".PLC"));

        std::ifstream script(base + ".script");
        std::string text;
        int line = 0;
        int waits = 0;
        while (std::getline(script, text)) {
            ++line;
            const auto parsed = rungbox::sim::parseScriptLine(text);
            using rungbox::sim::CommandKind;
            if (parsed.kind != rungbox::sim::ScriptLine::Kind::Command ||
                parsed.command.kind == CommandKind::Test ||
                parsed.command.kind == CommandKind::Expect) {
                continue; // what only checks: the comparison below checks instead
            }
            QCOMPARE(sim.execute(parsed.command, line), 0);
            play(window, parsed.command);
            if (parsed.command.kind == rungbox::sim::CommandKind::Wait) {
                ++waits;
                QCOMPARE(shownLine(window), sim.panel().showLine());
                const auto* shown = window.session().modules().plant();
                const auto* simulated = sim.session().modules().plant();
                QCOMPARE(shown ? shown->stateLine() : "", simulated ? simulated->stateLine() : "");
            }
        }
        QVERIFY(waits > 3);
        QVERIFY(boxes.shown.empty());
    }
};

QTEST_MAIN(RunAgreementTest)
#include "RunAgreementTest.moc"

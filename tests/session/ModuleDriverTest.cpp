// SPDX-License-Identifier: GPL-3.0-or-later
// A machine chosen in the Module menu on the controller's terminals: it drives its inputs during
// a run (their switches disabled, their lamps following its sensors), steps after every scan and
// starts afresh with each run; with none chosen the switches are the inputs, as always.

#include "files/DiskFileSystem.h"
#include "session/Session.h"
#include "support/NullPorts.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace rungbox::session {
namespace {

using machines::GatePlant;
using machines::ModuleKind;

struct SwitchWindow : test::NullWindow {
    std::array<bool, 16> enabled{};
    void setInputSwitchEnabled(int n, bool on) override {
        enabled[static_cast<std::size_t>(n)] = on;
    }
    std::string enabledText() const {
        std::string text;
        for (const bool on : enabled) {
            text += on ? '1' : '0';
        }
        return text;
    }
};

// The gate's closed limit (input 2) lights 1002; switch 5 drives 1005; the remote (input 0)
// drives the motor open (1000).
struct Fixture {
    test::RecordingPanel panel;
    test::RecordingBoxes boxes;
    SwitchWindow window;
    files::DiskFileSystem fileSystem;
    Session session{Ports{panel, window, boxes, window, fileSystem, window}};

    Fixture() {
        session.setUp();
        test::writeProgram(session.grid(),
                           "LD 2; OUT 1002; LD 5; OUT 1005; LD 0; OR 1000; OUT 1000; END");
    }
};

TEST(ModuleDriver, TheChosenMachineDrivesItsInputsDuringARun) {
    Fixture f;
    ASSERT_TRUE(f.session.chooseModule(ModuleKind::Gate));
    f.session.toggleRun();
    ASSERT_TRUE(f.session.running());
    EXPECT_EQ(f.window.enabledText(), "0000011111111111");
    EXPECT_FALSE(f.session.chooseModule(ModuleKind::None)) << "the menu is locked in a run";
    EXPECT_EQ(f.session.modules().kind(), ModuleKind::Gate);

    // A switch of the machine's inputs is not read; the others are.
    f.panel.switches = 0b100001;
    f.session.advance(1);
    EXPECT_TRUE(f.panel.inputLamp[2]) << "the lamp follows the closed limit";
    EXPECT_FALSE(f.panel.inputLamp[0]);
    EXPECT_TRUE(f.panel.inputLamp[5]);
    EXPECT_TRUE(f.panel.outputLamp[2]);
    EXPECT_TRUE(f.panel.outputLamp[5]);
    EXPECT_TRUE(f.session.modules().gate().warningLight()) << "the machine stepped on 1002";

    f.session.modules().gate().remote().press();
    f.session.advance(1);
    EXPECT_TRUE(f.panel.inputLamp[0]);
    f.session.advance(1);
    EXPECT_FALSE(f.panel.inputLamp[0]) << "a press lasts one scan";
    EXPECT_FALSE(f.panel.inputLamp[2]) << "the gate has left its closed limit";
    EXPECT_EQ(f.session.modules().gate().position(), 2);

    f.session.toggleRun();
    EXPECT_EQ(f.session.modules().gate().position(), 0) << "stopping resets the machine";
    f.session.modules().gate().setCar(true);
    f.session.toggleRun();
    EXPECT_EQ(f.session.modules().gate().car(), GatePlant::Car::Away) << "so does starting";
    f.session.toggleRun();
    EXPECT_TRUE(f.session.chooseModule(ModuleKind::None));
}

TEST(ModuleDriver, WithNoneTheSwitchesAreTheInputs) {
    Fixture f;
    f.session.toggleRun();
    EXPECT_EQ(f.window.enabledText(), "1111111111111111");
    f.panel.switches = 0b100101;
    f.session.advance(1);
    EXPECT_TRUE(f.panel.inputLamp[0]);
    EXPECT_TRUE(f.panel.inputLamp[2]);
    EXPECT_TRUE(f.panel.outputLamp[2]);
    EXPECT_TRUE(f.panel.outputLamp[5]);
    EXPECT_EQ(f.session.modules().gate().position(), 0);
}

} // namespace
} // namespace rungbox::session

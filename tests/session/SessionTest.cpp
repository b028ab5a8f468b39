// SPDX-License-Identifier: GPL-3.0-or-later
// The session as both front ends use it: observers follow every run from its start, through each
// scan, to its stop, whether the button or a program error stops it.

#include "session/Session.h"
#include "files/DiskFileSystem.h"
#include "session/LadderDiagram.h"
#include "support/NullPorts.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rungbox::session {
namespace {

// Writes what it is told as "start", "before T", "after T r1000=V", "stop".
struct Log : RunObserver {
    std::vector<std::string> events;
    void runStarted(engine::Controller&) override { events.push_back("start"); }
    void beforeScan(engine::Controller&, std::uint64_t ms) override {
        events.push_back("before " + std::to_string(ms));
    }
    void afterScan(engine::Controller& c, std::uint64_t ms) override {
        events.push_back("after " + std::to_string(ms) + " r1000=" + (c.relay(1000) ? "1" : "0"));
    }
    void runStopped(engine::Controller& c) override {
        events.push_back(std::string("stop") + (c.relay(1000) ? " dirty" : ""));
    }
};

struct Fixture {
    test::RecordingPanel panel;
    test::RecordingBoxes boxes;
    test::NullWindow window;
    files::DiskFileSystem fileSystem;
    Session session{Ports{panel, window, boxes, window, fileSystem, window}};
    Log log;

    explicit Fixture(const std::vector<std::array<std::string, 3>>& lines) {
        session.setUp();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (int col = 1; col <= 3; ++col) {
                session.grid().setText(static_cast<int>(i) + 1, col,
                                       lines[i][static_cast<std::size_t>(col - 1)]);
            }
        }
        session.addObserver(&log);
    }
};

TEST(Session, ObserversFollowARunFromStartToStop) {
    Fixture f({{"LD NOT", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
    f.session.scan(1); // stopped: nothing runs, nobody is told
    f.session.toggleRun();
    f.session.scan(1);
    f.session.scan(2);
    f.session.toggleRun();
    f.session.scan(3);
    EXPECT_EQ(f.log.events, (std::vector<std::string>{"start", "before 1", "after 1 r1000=1",
                                                      "before 2", "after 2 r1000=1", "stop"}));
    f.session.removeObserver(&f.log);
    f.session.toggleRun();
    EXPECT_EQ(f.log.events.size(), 6U);
}

TEST(Session, AProgramErrorStopsTheRunOnceAndTellsTheObservers) {
    Fixture f({{"LD", "0", ""}, {"OUT", "1000", ""}, {"JUMP", "", ""}, {"END", "", ""}});
    f.session.toggleRun();
    f.session.scan(7);
    f.session.scan(8);
    EXPECT_FALSE(f.session.running());
    EXPECT_EQ(f.log.events, (std::vector<std::string>{"start", "before 7", "stop"}));
    ASSERT_EQ(f.boxes.shown.size(), 1U);
    EXPECT_EQ(f.boxes.shown[0].text, "Error at line  3");
}

TEST(Session, ARefusedStartTellsNobody) {
    Fixture f({{"LD", "0", ""}, {"OUT", "1000", ""}}); // no END
    f.session.toggleRun();
    EXPECT_FALSE(f.session.running());
    EXPECT_TRUE(f.log.events.empty());
}

// Observers see whole scans: a scan that pauses at a breakpoint or is stepped line by line is
// one scan to them, told before its first line and after its END.
TEST(Session, PausedAndSteppedScansAreWholeScansToTheObservers) {
    Fixture f({{"LD NOT", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
    f.session.debugger().setBreakpoint(2, true);
    f.session.toggleRun();
    f.session.scan(1); // pauses before line 2
    f.session.scan(2); // paused: nothing runs
    f.session.stepLine();
    f.session.stepLine(); // END
    f.session.debugger().setBreakpoint(2, false);
    f.session.stepScan(5);
    EXPECT_TRUE(f.session.debugger().paused());
    f.session.debugger().setPaused(false);
    f.session.scan(6);
    EXPECT_EQ(f.log.events,
              (std::vector<std::string>{"start", "before 1", "after 1 r1000=1", "before 5",
                                        "after 5 r1000=1", "before 6", "after 6 r1000=1"}));
}

TEST(Session, NewAndLoadClearTheBreakpointsOnlyWhenTheProgramGoes) {
    Fixture f({{"LD", "0", ""}, {"END", "", ""}});
    f.session.debugger().setBreakpoint(1, true);
    f.session.load(); // the dialog is cancelled
    EXPECT_TRUE(f.session.debugger().breakpoint(1));
    f.boxes.answers.push_back(platform::BoxAnswer::Cancel); // "save the changes?"
    f.session.editor().setCodeChanged(true);
    f.session.newProgram();
    EXPECT_TRUE(f.session.debugger().breakpoint(1));
    f.session.editor().setCodeChanged(false);
    f.session.newProgram();
    EXPECT_FALSE(f.session.debugger().breakpoint(1));
}

// The diagram repaints when a breakpoint or a force changes, even though the program and its
// power flow do not, and its marks say which lines and relays.
TEST(Session, TheDiagramFollowsBreakpointsAndForces) {
    Fixture f({{"LD", "0", ""}, {"OUT", "1000", ""}, {"END", "", ""}});
    LadderDiagram diagram(f.session);
    EXPECT_TRUE(diagram.poll());
    EXPECT_FALSE(diagram.poll());
    f.session.debugger().setBreakpoint(2, true);
    EXPECT_TRUE(diagram.poll());
    EXPECT_TRUE(diagram.marks().breakpoint(2));
    EXPECT_FALSE(diagram.marks().breakpoint(1));
    f.session.toggleRun();
    f.session.scan(1); // pauses before line 2
    diagram.poll();
    EXPECT_FALSE(diagram.poll());
    f.session.debugger().force(1000, true);
    EXPECT_TRUE(diagram.poll());
    EXPECT_EQ(diagram.marks().forced(1000), 1);
    EXPECT_EQ(diagram.marks().forced(0), -1);
    f.session.toggleRun(); // stopping releases every force
    diagram.poll();
    EXPECT_EQ(diagram.marks().forced(1000), -1);
}

} // namespace
} // namespace rungbox::session

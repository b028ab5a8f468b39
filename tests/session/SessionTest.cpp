// SPDX-License-Identifier: GPL-3.0-or-later
// The session as every front end uses it: listeners follow every run from its start, through
// each scan, to its stop, whether the button or a program error stops it; the run's clock; the
// commands a run locks.

#include "session/Session.h"
#include "engine/BitAddress.h"
#include "files/DiskFileSystem.h"
#include "session/LadderDiagram.h"
#include "support/NullPorts.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rungbox::session {
namespace {

// Writes what it is told of the run as "run", "stop", "scan T r1000=V", "at T", "debug".
struct Log : SessionListener {
    Session* session = nullptr;
    std::vector<std::string> events;
    void runChanged() override { events.push_back(session->running() ? "run" : "stop"); }
    void scanned(std::uint64_t ms) override {
        events.push_back("scan " + std::to_string(ms) +
                         " r1000=" + (session->controller().relay(1000) ? "1" : "0"));
    }
    void advanced(std::uint64_t ms) override { events.push_back("at " + std::to_string(ms)); }
};

struct Fixture {
    test::RecordingPanel panel;
    test::RecordingBoxes boxes;
    test::NullWindow window;
    files::DiskFileSystem fileSystem;
    Session session{Ports{panel, window, boxes, window, fileSystem, window}};
    Log log;

    explicit Fixture(const char* program) {
        session.setUp();
        test::writeProgram(session.grid(), program);
        log.session = &session;
        session.addListener(&log);
    }
};

TEST(Session, ListenersFollowARunFromStartToStop) {
    Fixture f("LD NOT 0; OUT 1000; END");
    f.session.advance(5); // stopped: nothing runs, nobody is told
    f.session.toggleRun();
    f.session.advance(2);
    f.session.toggleRun();
    f.session.advance(1);
    EXPECT_EQ(f.log.events, (std::vector<std::string>{"run", "scan 1 r1000=1", "scan 2 r1000=1",
                                                      "at 2", "stop"}));
    f.session.removeListener(&f.log);
    f.session.toggleRun();
    EXPECT_EQ(f.log.events.size(), 5U);
}

TEST(Session, AProgramErrorStopsTheRunOnceAndTellsTheListeners) {
    Fixture f("LD 0; OUT 1000; JUMP; END");
    f.session.toggleRun();
    EXPECT_EQ(f.session.advance(50), RunEnd::Stopped);
    EXPECT_FALSE(f.session.running());
    EXPECT_EQ(f.session.clockMs(), 0U) << "the clock belongs to the run";
    EXPECT_EQ(f.log.events, (std::vector<std::string>{"run", "stop", "at 0"}));
    ASSERT_EQ(f.boxes.shown.size(), 1U);
    EXPECT_EQ(f.boxes.shown[0].text, "Error at line  3");
}

TEST(Session, ARefusedStartTellsNobody) {
    Fixture f("LD 0; OUT 1000"); // no END
    f.session.toggleRun();
    EXPECT_FALSE(f.session.running());
    EXPECT_TRUE(f.log.events.empty());
}

// Listeners see whole scans: a scan that pauses at a breakpoint or is stepped line by line is
// one scan to them, told after its END; while paused the clock stands still.
TEST(Session, PausedAndSteppedScansAreWholeScansToTheListeners) {
    Fixture f("LD NOT 0; OUT 1000; END");
    f.session.debugger().setBreakpoint(2, true);
    f.session.toggleRun();
    EXPECT_EQ(f.session.advance(3), RunEnd::Breakpoint); // pauses before line 2 at 1 ms
    EXPECT_EQ(f.session.advance(3), RunEnd::Done);       // paused: nothing runs
    f.session.stepLine();
    f.session.stepLine(); // END
    f.session.debugger().setBreakpoint(2, false);
    f.session.stepScan();
    EXPECT_TRUE(f.session.paused());
    f.session.debugger().setPaused(false);
    f.session.advance(1);
    EXPECT_EQ(f.log.events,
              (std::vector<std::string>{"run", "at 1", "at 1", "scan 1 r1000=1", "at 1",
                                        "scan 1 r1000=1", "at 1", "scan 2 r1000=1", "at 2"}));
}

// The run's clock: a millisecond is a scan, every hundredth one is followed by a tick, and a
// scan interrupted by a breakpoint keeps its millisecond's tick until it ends, however it ends.
// The program counts 1 ms scans as timer 0 counts tenths: TIM 0 at 5 runs out after 0.5 s.
TEST(Session, TheClockTicksAfterEveryHundredthScanEvenAcrossABreakpoint) {
    const char* const timer = "LD 0; TIM 0 5; LD TIM 0; OUT 1000; END";
    for (const bool finishByScan : {false, true}) {
        Fixture f(timer);
        f.session.toggleRun();
        f.panel.switches = 1;
        f.session.advance(99);
        EXPECT_EQ(f.session.controller().timValue(0), 5);
        f.session.debugger().setBreakpoint(3, true);
        EXPECT_EQ(f.session.advance(1), RunEnd::Breakpoint);
        EXPECT_EQ(f.session.controller().timValue(0), 5) << "the tick waits for its scan";
        f.session.debugger().setBreakpoint(3, false);
        if (finishByScan) {
            f.session.scan();
        } else {
            f.session.debugger().setPaused(false);
            f.session.advance(0);
        }
        EXPECT_EQ(f.session.controller().timValue(0), 4) << "finishByScan=" << finishByScan;
        EXPECT_EQ(f.session.clockMs(), 100U);
        f.session.advance(401); // the tick of 500 ms runs it out, the scan after reads it
        EXPECT_TRUE(f.session.controller().relay(1000));
    }
}

// A breakpoint's unfinished millisecond belongs to its run: stopping and starting again forgets
// its tick, so the new run's timer is where a fresh run's would be.
TEST(Session, AnInterruptedTickDoesNotOutliveItsRun) {
    Fixture f("LD 0; TIM 0 1; LD TIM 0; OUT 1000; END");
    f.session.debugger().setBreakpoint(1, true);
    f.session.toggleRun();
    f.session.advance(100);
    f.session.toggleRun();
    f.session.toggleRun();
    f.session.debugger().setBreakpoint(1, false);
    f.panel.switches = 1;
    f.session.stepLine();
    f.session.debugger().setPaused(false);
    f.session.advance(1);
    EXPECT_EQ(f.session.controller().timValue(0), 1);
    EXPECT_FALSE(f.session.controller().relay(1000));
}

// The real clock of a front end: what elapsed since the last reading, a stall cut to the limit
// and never owed later, a clock going backwards owing nothing.
TEST(Session, ARealTimeClockCatchesUpAStallOnlyToItsLimit) {
    RealTimeClock clock;
    clock.restart(1000);
    EXPECT_EQ(clock.due(1007), 7U);
    EXPECT_EQ(clock.due(1007 + 10000), kMaxCatchUpMs);
    EXPECT_EQ(clock.due(11008), 1U);
    EXPECT_EQ(clock.due(11000), 0U);
    EXPECT_EQ(clock.due(11001), 1U);
}

// Commands that replace the program or the machine are the session's to refuse during a run,
// whichever front end asks.
TEST(Session, FileAndModuleCommandsAreRefusedDuringARun) {
    Fixture f("LD 0; END");
    f.session.toggleRun();
    EXPECT_FALSE(f.session.newProgram());
    EXPECT_FALSE(f.session.load());
    EXPECT_FALSE(f.session.open("/nonexistent.PLC"));
    EXPECT_FALSE(f.session.save());
    EXPECT_FALSE(f.session.saveAs());
    EXPECT_FALSE(f.session.chooseModule(machines::ModuleKind::Gate));
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(f.session.grid().text(1, editor::kCodeCol), "LD");
    f.session.toggleRun();
    EXPECT_TRUE(f.session.chooseModule(machines::ModuleKind::Gate));
    EXPECT_TRUE(f.session.newProgram());
    EXPECT_EQ(f.session.grid().text(1, editor::kCodeCol), "");
}

TEST(Session, NewAndLoadClearTheBreakpointsOnlyWhenTheProgramGoes) {
    Fixture f("LD 0; END");
    f.session.setRecording(true);
    f.session.toggleRun();
    f.session.advance(3);
    f.session.toggleRun();
    ASSERT_FALSE(f.session.tracing().recorder().empty());
    f.session.debugger().setBreakpoint(1, true);
    f.session.load(); // the dialog is cancelled
    EXPECT_TRUE(f.session.debugger().breakpoint(1));
    f.boxes.answers.push_back(platform::BoxAnswer::Cancel); // "save the changes?"
    f.session.editor().setCodeChanged(true);
    EXPECT_FALSE(f.session.newProgram());
    EXPECT_TRUE(f.session.debugger().breakpoint(1));
    EXPECT_FALSE(f.session.tracing().recorder().empty());
    f.session.editor().setCodeChanged(false);
    EXPECT_TRUE(f.session.newProgram());
    EXPECT_FALSE(f.session.debugger().breakpoint(1));
    // The old program's run is not shown under the new program's names.
    EXPECT_TRUE(f.session.tracing().recorder().empty());
    EXPECT_TRUE(f.session.tracing().on());
}

// The holding relays keep their state across Stop and Run, and go with the program: New clears
// them (Load goes through the same place).
TEST(Session, NewClearsTheHoldingRelays) {
    Fixture f("LD; OUT; END");
    f.session.grid().setText(1, editor::kLocationCol, "P_On");
    f.session.grid().setText(2, editor::kLocationCol, "HR0.05");
    f.session.grid().setInstructionSet(engine::InstructionSet::Extended);
    const int hr = engine::workspaceByte(*engine::parseBitAddress("HR0.05"));
    f.session.toggleRun();
    f.session.advance(2);
    f.session.toggleRun();
    ASSERT_TRUE(f.session.controller().bit(hr));
    f.session.editor().setCodeChanged(false);
    ASSERT_TRUE(f.session.newProgram());
    EXPECT_FALSE(f.session.controller().bit(hr));
    EXPECT_FALSE(f.session.grid().extended());
}

// A classic program stopped by a line of the extended set keeps its message as it is; the hint
// beside it names the instruction, or the line when the instruction is classic.
TEST(Session, AClassicProgramErrorOnAnExtendedLineHintsAtTheSwitch) {
    const std::pair<const char*, std::string> cases[] = {
        {"LD 0; LD 1; KEEP 1000; END",
         "KEEP belongs to the extended instruction set: turn on Extended Instruction Set in the "
         "Options menu."},
        {"LD 0; OUT(31) 1000; END",
         "Line 2 is written for the extended instruction set: turn on Extended Instruction Set "
         "in the Options menu."},
        {"LD 0; OUT 1000; JUMP; END", ""},
    };
    for (const auto& [program, hint] : cases) {
        Fixture f(program);
        f.session.toggleRun();
        EXPECT_EQ(f.session.advance(5), RunEnd::Stopped) << program;
        ASSERT_EQ(f.boxes.shown.size(), 1U) << program;
        EXPECT_EQ(f.boxes.shown[0].text.substr(0, 14), "Error at line ") << program;
        EXPECT_EQ(l10n::english(f.session.errorHint()), hint) << program;
        f.session.grid().setText(1, editor::kCodeCol, "END");
        f.session.toggleRun();
        EXPECT_EQ(l10n::english(f.session.errorHint()), "") << "a new start forgets it";
    }
    // The same lines in an extended program run: no error, no hint.
    Fixture f("LD 0; LD 1; KEEP 1000; END");
    f.session.grid().setInstructionSet(engine::InstructionSet::Extended);
    EXPECT_EQ(l10n::english(panel::extendedSetHint(f.session.grid(), 3)), "");
}

// The switch from the window: the listeners hear of it, a refusal is shown with its own title,
// and no switch runs during a run.
TEST(Session, SwitchingTheSetTellsTheListenersAndShowsARefusal) {
    struct SetLog : SessionListener {
        int told = 0;
        void instructionSetChanged() override { ++told; }
    } setLog;
    Fixture f("LD 0; OUT 1000; END");
    f.session.addListener(&setLog);
    EXPECT_TRUE(f.session.setInstructionSet(engine::InstructionSet::Extended));
    EXPECT_EQ(setLog.told, 1);
    f.session.grid().setText(2, editor::kLocationCol, "HR0.05");
    EXPECT_FALSE(f.session.setInstructionSet(engine::InstructionSet::Classic));
    ASSERT_EQ(f.boxes.shown.size(), 1U);
    EXPECT_EQ(f.boxes.shown[0].text,
              "Line 2 uses the extended instruction set; the program stays extended.");
    EXPECT_EQ(f.boxes.shown[0].title, "Extended Instruction Set");
    EXPECT_TRUE(f.session.editor().undo());
    EXPECT_EQ(setLog.told, 2) << "undo of the switch is told too";
    f.session.grid().setText(2, editor::kLocationCol, "1000");
    f.session.toggleRun();
    EXPECT_FALSE(f.session.setInstructionSet(engine::InstructionSet::Extended));
    EXPECT_FALSE(f.session.grid().extended());
    f.session.removeListener(&setLog);
}

// The diagram repaints when a breakpoint or a force changes, even though the program and its
// power flow do not, and its marks say which lines and relays.
TEST(Session, TheDiagramFollowsBreakpointsAndForces) {
    Fixture f("LD 0; OUT 1000; END");
    LadderDiagram diagram(f.session);
    EXPECT_TRUE(diagram.poll());
    EXPECT_FALSE(diagram.poll());
    f.session.debugger().setBreakpoint(2, true);
    EXPECT_TRUE(diagram.poll());
    EXPECT_TRUE(diagram.marks().breakpoint(2));
    EXPECT_FALSE(diagram.marks().breakpoint(1));
    f.session.toggleRun();
    f.session.advance(1); // pauses before line 2
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

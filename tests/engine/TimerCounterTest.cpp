// Timers, counters and the reset.

#include "Machine.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

class Timer : public testing::Test {
protected:
    void loadTimer(int setValue) {
        m.load({{"LD", 0}, {"TIM", 0, setValue}, {"LD TIM", 0}, {"OUT", 1000}, {"END"}});
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            m.plc.tmrTimer_Timer();
        }
    }
    Machine m;
};

TEST_F(Timer, DoneExactlyWhenThePresentValueReachesZero) {
    loadTimer(30);
    m.press(0, true);
    m.scan();
    ticks(29);
    m.scan();
    EXPECT_FALSE(m.out(0));
    EXPECT_EQ(m.panel.timerDisplay[0], "0.1");
    ticks(1);
    m.scan();
    EXPECT_TRUE(m.out(0));
    EXPECT_EQ(m.panel.timerDisplay[0], "0.0");
    ticks(5);
    m.scan();
    EXPECT_TRUE(m.out(0)) << "stays done while the input stays on";
    EXPECT_EQ(m.plc.timValue(0), 0);
}

TEST_F(Timer, InputOffReloadsAndDoesNotRetainElapsedTime) {
    loadTimer(50);
    m.press(0, true);
    m.scan();
    ticks(1);
    EXPECT_EQ(m.panel.timerDisplay[0], "4.9");
    ticks(20);
    m.press(0, false);
    m.scan();
    EXPECT_EQ(m.plc.timValue(0), 50);
    EXPECT_EQ(m.panel.timerDisplay[0], "5.0");
    ticks(10);
    EXPECT_EQ(m.plc.timValue(0), 50) << "a held timer does not advance";
    m.press(0, true);
    m.scan();
    ticks(49);
    m.scan();
    EXPECT_FALSE(m.out(0));
    ticks(1);
    m.scan();
    EXPECT_TRUE(m.out(0));
    m.press(0, false);
    m.scan();
    EXPECT_FALSE(m.out(0)) << "darkens as soon as the input is off";
}

TEST_F(Timer, SetValueZeroIsDoneEvenWithTheInputOff) {
    loadTimer(0);
    m.scan();
    EXPECT_TRUE(m.out(0));
}

TEST_F(Timer, NegativePresentValueIsNeverDone) {
    loadTimer(-5);
    m.press(0, true);
    m.scan();
    ticks(100);
    m.scan();
    EXPECT_FALSE(m.out(0));
    EXPECT_EQ(m.plc.timValue(0), -5);
    EXPECT_EQ(m.panel.timerDisplay[0], "-0.5");
}

TEST_F(Timer, InputOffShowsTheSetValueEveryScanEvenAfterATick) {
    loadTimer(30);
    m.scan();
    m.plc.showTimer(0, 7); // something else left on the display
    m.scan();
    EXPECT_EQ(m.panel.timerDisplay[0], "3.0");
}

class Counter : public testing::Test {
protected:
    // Input 0 counts, input 1 resets; output 0 shows the counter done.
    void loadCounter(int setValue) {
        m.load({{"LD", 0}, {"LD", 1}, {"CNT", 0, setValue}, {"LD CNT", 0}, {"OUT", 1000}, {"END"}});
    }
    void pulse() {
        m.press(0, true);
        m.scan();
        m.press(0, false);
        m.scan();
    }
    Machine m;
};

TEST_F(Counter, CountsRisingEdgesOnlyAndStaysDone) {
    loadCounter(3);
    m.scan();
    pulse();
    pulse();
    EXPECT_FALSE(m.out(0));
    EXPECT_EQ(m.panel.counterDisplay[0], "1");
    pulse();
    EXPECT_TRUE(m.out(0));
    pulse();
    EXPECT_TRUE(m.out(0));
    EXPECT_EQ(m.plc.cntValue(0), 0);
}

TEST_F(Counter, AHeldInputCountsOnce) {
    loadCounter(3);
    m.press(0, true);
    for (int i = 0; i < 10; ++i) {
        m.scan();
    }
    EXPECT_EQ(m.plc.cntValue(0), 2);
}

TEST_F(Counter, ResetWinsOverACountAndTheHeldCountDoesNotCountAgain) {
    loadCounter(3);
    pulse();
    m.press(0, true);
    m.press(1, true);
    m.scan();
    EXPECT_EQ(m.plc.cntValue(0), 3);
    m.press(1, false);
    m.scan();
    EXPECT_EQ(m.plc.cntValue(0), 3) << "the count input was remembered as on";
    m.press(0, false);
    m.scan();
    m.press(0, true);
    m.scan();
    EXPECT_EQ(m.plc.cntValue(0), 2);
}

TEST_F(Counter, ResetHeldOnNeverCounts) {
    loadCounter(3);
    m.press(1, true);
    for (int i = 0; i < 5; ++i) {
        pulse();
    }
    EXPECT_EQ(m.plc.cntValue(0), 3);
    EXPECT_EQ(m.panel.counterDisplay[0], "3");
}

TEST_F(Counter, ResetReloadsTheSetValueAfterDone) {
    loadCounter(1);
    pulse();
    EXPECT_TRUE(m.out(0));
    m.press(1, true);
    m.scan();
    EXPECT_FALSE(m.out(0));
    EXPECT_EQ(m.plc.cntValue(0), 1);
}

TEST(Reset, ReturnsEverythingToThePowerOnPicture) {
    Machine m;
    m.load({{"LD", 0}, {"OUT", 1000}, {"LD", 0}, {"TIM", 2, 40}, {"END"}});
    m.press(0, true);
    m.press(7, true);
    m.scan();
    m.plc.tmrTimer_Timer();
    m.plc.setSimulating(true);
    m.plc.initPLC();
    for (int n = 0; n < 16; ++n) {
        EXPECT_FALSE(m.panel.inputLamp[static_cast<std::size_t>(n)]);
        EXPECT_FALSE(m.panel.outputLamp[static_cast<std::size_t>(n)]);
    }
    EXPECT_EQ(m.panel.switches, 0) << "the switches are unchecked";
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(m.panel.timerDisplay[static_cast<std::size_t>(n)], "0.0");
        EXPECT_EQ(m.panel.counterDisplay[static_cast<std::size_t>(n)], "0");
        EXPECT_TRUE(m.plc.timReset(n));
        EXPECT_EQ(m.plc.timValue(n), 0);
    }
    EXPECT_FALSE(m.plc.relay(1000));
    EXPECT_TRUE(m.panel.runLamp) << "the run lamp shows the run flag as it stands";
    EXPECT_TRUE(m.plc.simulating());
}

TEST(Panel, UnchangedLampsAndDisplaysAreNotSentAgain) {
    Machine m;
    m.load({{"LD", 0}, {"OUT", 1000}, {"LD", 0}, {"TIM", 0, 30}, {"END"}});
    m.scan();
    const int lamps = m.panel.lampCalls;
    const int displays = m.panel.displayCalls;
    for (int i = 0; i < 10; ++i) {
        m.scan();
    }
    EXPECT_EQ(m.panel.lampCalls, lamps);
    EXPECT_EQ(m.panel.displayCalls, displays);
    m.press(0, true);
    m.scan();
    EXPECT_EQ(m.panel.lampCalls, lamps + 2) << "one input lamp and one output lamp changed";
}

} // namespace
} // namespace rungbox::test

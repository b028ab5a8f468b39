// SPDX-License-Identifier: GPL-3.0-or-later
// Which step sequences a real run takes (a tick right after every hundredth scan, switches
// changing before any scan), and the ways a sequence found at a free pace is paced to it.

#include "explore/RealClock.h"

#include <gtest/gtest.h>

#include <string>

namespace rungbox::explore {
namespace {

// Steps as letters: 'a' and 'b' scans with switches 1 and 2, 'o' a scan with every switch off,
// 't' a tick.
std::vector<Step> steps(const std::string& letters) {
    std::vector<Step> list;
    for (const char c : letters) {
        const std::uint16_t switches = c == 'a' ? 1 : c == 'b' ? 2 : 0;
        list.push_back(c == 't' ? Step{true, 0} : Step{false, switches});
    }
    return list;
}

std::string scans(int n, char c = 'a') {
    return std::string(static_cast<std::size_t>(n), c);
}

TEST(RealClock, RunsATickRightAfterEveryHundredthScanAndOnlyThen) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"ab", true},             // switches change at any scan
        {scans(100), true},       // the hundredth scan, before its tick
        {scans(101), false},      // the clock ticks after the 100th
        {scans(100) + "t", true}, // the first tick
        {scans(99) + "t", false}, // one scan short of it
        {"at", false},            // a tick after one scan
        {scans(50, 'b') + scans(50) + "t" + scans(100) + "tb", true},
        {scans(100) + "t" + scans(99) + "t", false},  // the second tick one scan early
        {scans(100) + "t" + scans(101) + "t", false}, // and one scan late
        {scans(100) + "tt", false},                   // two ticks in a millisecond
        {"t" + scans(100), false},                    // a tick before any scan
        {scans(100) + "t" + scans(119) + "t", false}, // a 60-count counter, then a timer
    };
    for (const auto& [given, runs] : cases) {
        EXPECT_EQ(realClockRuns(steps(given)), runs) << given.size() << " steps: " << given;
    }
}

TEST(RealClock, PacingsFillShortStretchesAtTheirEndOrStartAndSplitLongOnes) {
    struct Case {
        std::string given;
        std::vector<std::string> pacings;
    };
    const Case cases[] = {
        {"ab", {"ab"}}, // no tick: nothing to pace
        // the last scan's switches repeated before the tick, or every switch off before it
        {"at", {scans(100) + "t", scans(99, 'o') + "at"}},
        {"bat", {"b" + scans(99) + "t", scans(98, 'o') + "bat"}},
        // the stretch after the first tick starts with the switches of the scan before it
        {"atbta",
         {scans(100) + "t" + scans(100, 'b') + "ta", scans(99, 'o') + "at" + scans(99) + "bta",
          scans(99, 'o') + "at" + scans(100, 'b') + "ta", scans(100) + "t" + scans(99) + "bta"}},
        // a long stretch gets the clock's tick after its hundredth scan, then is filled
        // (its start and its end take the same switches then)
        {scans(119) + "ta", {scans(100) + "t" + scans(100) + "ta"}},
        {scans(250), {scans(100) + "t" + scans(100) + "t" + scans(50)}},
        {scans(100) + "t", {scans(100) + "t"}}, // already at the clock's pace
    };
    for (const Case& c : cases) {
        std::vector<std::vector<Step>> expected;
        for (const std::string& p : c.pacings) {
            expected.push_back(steps(p));
        }
        const auto pacings = realPacings(steps(c.given), 8);
        EXPECT_EQ(pacings, expected) << c.given;
        for (const auto& p : pacings) {
            EXPECT_TRUE(realClockRuns(p)) << c.given;
        }
    }
    EXPECT_EQ(realPacings(steps("atbta"), 2).size(), 2U); // at most as many as asked
}

} // namespace
} // namespace rungbox::explore

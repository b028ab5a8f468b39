// SPDX-License-Identifier: GPL-3.0-or-later
// Comparisons of extended programs: their state (holding bits, KEEP, DIFD and CNTR memories, the
// first-cycle flag) is explored exactly, a program of either set is compared with one of the
// other on the lamps, and programs that follow the session's clock are refused with the reason.

#include "ExtendedPrograms.h"
#include "explore/Comparison.h"
#include "explore/Explorable.h"
#include "explore/ProgramStart.h"
#include "explore/Proof.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <memory>

namespace rungbox::explore {
namespace {

using engine::InstructionSet;

// A program started as the window's Compare With Program... starts it.
struct Started {
    editor::CodeGrid grid;
    test::RecordingBoxes boxes;
    StartedController started;

    Started(const std::string& program, InstructionSet set) {
        test::writeCells(grid, program, set);
        EXPECT_TRUE(started.start(grid, boxes))
            << program << ": " << (boxes.shown.empty() ? "" : boxes.shown.front().text);
    }
};

std::unique_ptr<Comparison> compared(const std::string& reference, InstructionSet referenceSet,
                                     const std::string& candidate, InstructionSet candidateSet) {
    const Started a(reference, referenceSet);
    const Started b(candidate, candidateSet);
    auto c = std::make_unique<Comparison>(a.started.controller(), b.started.controller(),
                                          ExploreOptions{});
    c->run();
    return c;
}

constexpr auto kClassic = InstructionSet::Classic;
constexpr auto kExtended = InstructionSet::Extended;

TEST(CompareExtended, ProgramsEquivalentToTheirRewritesAreEquivalent) {
    struct Case {
        const char* reference;
        InstructionSet set;
        const char* candidate; ///< extended
    };
    const Case cases[] = {
        // KEEP (reset wins) and its seal-in rung in the classic set
        {"LD|0; OR|1000; AND NOT|1; OUT|1000; END", kClassic, "LD|0.00; LD|0.01; KEEP|10.00; END"},
        // SET then RSET, the same seal-in
        {"LD|0; OR|1000; AND NOT|1; OUT|1000; END", kClassic,
         "LD|0.00; SET|10.00; LD|0.01; RSET|10.00; END"},
        // a holding bit kept by KEEP, shown on a lamp
        {"LD|0.00; OR|W0.00; AND NOT|0.01; OUT|W0.00; LD|W0.00; OUT|10.00; END", kExtended,
         "LD|0.00; LD|0.01; KEEP|HR1.05; LD|HR1.05; OUT|10.00; END"},
        // a falling edge: DIFD's memory, and the input kept in a work bit by hand
        // (with a latch beside it, so that the states are not explored in the order of the input)
        {"LD NOT|0.00; AND|W0.00; OUT|10.00; LD|0.00; OUT|W0.00; LD|0.01; OR|10.01; OUT|10.01; END",
         kExtended, "LD|0.00; DIFD|10.00; LD|0.01; OR|10.01; OUT|10.01; END"},
        // the first scan alone, by the flag and by a bit that is on after it
        {"LD NOT|W1.00; AND|0.00; OUT|10.00; LD|P_On; OUT|W1.00; END", kExtended,
         "LD|P_First_Cycle; AND|0.00; OUT|10.00; END"},
        // an interlocked OUT writes off, as an AND with the interlock's condition does
        {"LD|0.00; AND|0.01; OUT|10.00; END", kExtended,
         "LD|0.00; IL; LD|0.01; OUT|10.00; ILC; END"},
    };
    for (const Case& c : cases) {
        const auto comparison = compared(c.reference, c.set, c.candidate, kExtended);
        EXPECT_EQ(comparison->verdict(), Comparison::Verdict::Equivalent) << c.candidate << '\n'
                                                                          << comparison->summary();
    }
}

TEST(CompareExtended, DifferencesKeptInStateHaveShortestCounterexamples) {
    struct Case {
        const char* reference;
        const char* candidate;
        std::vector<std::uint16_t> switches; ///< the scans of the shortest sequence
    };
    const Case cases[] = {
        // KEEP remembers the set input; the plain rung forgets it
        {"LD|0.00; LD|0.01; KEEP|HR0.00; LD|HR0.00; OUT|10.00; END",
         "LD|0.00; AND NOT|0.01; OUT|10.00; END",
         {0x1, 0x0}},
        // a holding bit that SET turns on and RSET off
        {"LD|0.00; SET|HR19.15; LD|0.01; RSET|HR19.15; LD|HR19.15; OUT|10.00; END",
         "LD|0.00; AND NOT|0.01; OUT|10.00; END",
         {0x1, 0x0}},
        // a line JMP skips keeps what it wrote last
        {"LD|0.01; JMP|0; LD|0.00; OUT|10.00; JME|0; END",
         "LD|0.00; AND|0.01; OUT|10.00; END",
         {0x3, 0x0}},
        // a reversible counter wraps at the third count up with #2, not with #3
        {"LD|0.00; LD|0.01; LD|0.02; CNTR|1|#2; LD|CNT 1; OUT|10.00; END",
         "LD|0.00; LD|0.01; LD|0.02; CNTR|1|#3; LD|CNT 1; OUT|10.00; END",
         {0x1, 0x0, 0x1, 0x0, 0x1}},
    };
    for (const Case& c : cases) {
        const auto comparison = compared(c.reference, kExtended, c.candidate, kExtended);
        ASSERT_EQ(comparison->verdict(), Comparison::Verdict::Different) << c.candidate;
        std::vector<std::uint16_t> switches;
        for (const Step& step : comparison->shortest()) {
            EXPECT_FALSE(step.tick) << c.candidate;
            switches.push_back(step.switches);
        }
        EXPECT_EQ(switches, c.switches) << c.candidate;
        EXPECT_EQ(comparison->differingRelay(), 1000) << c.candidate;
    }
}

TEST(CompareExtended, ProgramsThatFollowTheClockAreRefusedWithTheReason) {
    struct Case {
        const char* program;
        const char* reason; ///< a part of the refusal; empty: explored
    };
    const Case cases[] = {
        {"LD|P_1s; OUT|10.00; END", "Line 1 reads the clock pulse P_1s:"},
        {"LD|0.00; AND NOT|255.00; OUT|10.00; END", "Line 2 reads the clock pulse P_0_1s:"},
        {"LD|0.00; OR|254.00; OUT|10.00; END", "reads the clock pulse P_1min:"},
        {"LD|0.00; TIMH|3|#0050; LD|TIM 3; OUT|10.00; END", "Line 2 has a TIMH timer:"},
        {"LD|0.00; TIM|3|#0050; LD|TIM 3; OUT|10.00; LD|P_On; OUT|10.01; END", ""},
        // Data words: every word instruction, its "@" form, the carry's own lines and a timer
        // whose set value a word holds.
        {"LD|0.00; MOV|#0042|DM0100; END", "Line 2 uses data words:"},
        {"LD|0.00; @INC|DM0000; END", "Line 2 uses data words:"},
        {"LD|P_On; CMP|DM0000|#0100; LD|P_EQ; OUT|10.00; END", "Line 2 uses data words:"},
        {"LD|0.00; ADD|#1|#2; |DM0; END", "Line 2 uses data words:"},
        {"LD|0.00; CLC; LD|P_CY; OUT|10.00; END", "Line 2 uses data words:"},
        {"LD|0.00; TIM|3|DM0010; LD|TIM 3; OUT|10.00; END", "Line 2 uses data words:"},
        {"LD|0.00; LD|0.01; CNT|3|HR2; LD|CNT 3; OUT|10.00; END", "Line 3 uses data words:"},
    };
    for (const Case& c : cases) {
        const std::string refusal =
            l10n::english(explorationRefusal(test::decodedExtended(c.program)));
        EXPECT_NE(refusal.find(c.reason), std::string::npos) << c.program << ": " << refusal;
        EXPECT_EQ(refusal.empty(), *c.reason == '\0') << c.program;

        editor::CodeGrid grid;
        test::RecordingBoxes boxes;
        StartedController started;
        test::writeCells(grid, c.program, kExtended);
        EXPECT_EQ(started.start(grid, boxes), refusal.empty()) << c.program;
        if (!refusal.empty()) {
            ASSERT_EQ(boxes.shown.size(), 1U) << c.program;
            EXPECT_EQ(boxes.shown.front().text, refusal);
        }
    }
}

TEST(ProveExtended, PropertiesOfExtendedPrograms) {
    struct Case {
        const char* program;
        const char* property;
        Proof::Verdict verdict;
        std::size_t steps = 0; ///< of the shortest violation
    };
    // A motor held in either direction by KEEP, each direction locked out by the other.
    const char* motor = "LD|0.00; AND NOT|10.01; LD|0.02; KEEP|10.00; "
                        "LD|0.01; AND NOT|10.00; LD|0.02; KEEP|10.01; END";
    const Case cases[] = {
        {motor, "never 1000 & 1001", Proof::Verdict::Holds},
        {"LD|0.00; LD|0.02; KEEP|10.00; LD|0.01; LD|0.02; KEEP|10.01; END", "never 1000 & 1001",
         Proof::Verdict::Violated, 1},
        // a holding bit set at one scan shows at the next
        {"LD|HR0.00; OUT|10.00; LD|0.00; LD|0.01; KEEP|HR0.00; END", "never 1000",
         Proof::Verdict::Violated, 2},
    };
    for (const Case& c : cases) {
        const Started started(c.program, kExtended);
        Proof proof(started.started.controller(), {*Property::parse(c.property)}, {});
        proof.run();
        EXPECT_EQ(proof.verdict(0), c.verdict) << c.program;
        if (c.verdict == Proof::Verdict::Violated) {
            EXPECT_EQ(proof.violation(0)->steps.size(), c.steps) << c.program;
        }
    }
}

} // namespace
} // namespace rungbox::explore

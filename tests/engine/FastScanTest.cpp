// The fast scans (PLC() and scanFused()) against the plain reference scan: random programs over
// every instruction form, valid or not, run side by side on two controllers and compared on all
// of their state and on every panel call after every scan; then a few programs aimed at the
// places where the fused form could go wrong.

#include "engine/Controller.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace rungbox::test {
namespace {

using engine::Controller;
using engine::LadderLine;

/// A panel that writes down every call, in order.
class LoggingPanel : public engine::IoPanel {
public:
    std::uint16_t switches = 0;
    std::vector<std::string> log;

    std::uint16_t inputSwitches() const override { return switches; }
    void uncheckInputSwitch(int n) override {
        switches = static_cast<std::uint16_t>(switches & ~(1U << n));
        log.push_back("uncheck " + std::to_string(n));
    }
    void setInputLamp(int n, bool on) override {
        log.push_back("in " + std::to_string(n) + (on ? " on" : " off"));
    }
    void setOutputLamp(int n, bool on) override {
        log.push_back("out " + std::to_string(n) + (on ? " on" : " off"));
    }
    void setTimerDisplay(int n, std::string_view text) override {
        log.push_back("tim " + std::to_string(n) + " " + std::string(text));
    }
    void setCounterDisplay(int n, std::string_view text) override {
        log.push_back("cnt " + std::to_string(n) + " " + std::string(text));
    }
    void setRunLamp(bool on) override { log.push_back(on ? "run on" : "run off"); }
};

using FastScan = int (Controller::*)();

/// One controller on the scan under test, one on the reference scan, fed the same way.
struct Pair {
    LoggingPanel fastPanel;
    LoggingPanel referencePanel;
    Controller fast{fastPanel};
    Controller reference{referencePanel};

    void setLine(int r, const LadderLine& line) {
        fast.setLadderTable(r, line);
        reference.setLadderTable(r, line);
    }
    /// Writes `lines` into records 1 on and empties the rest; loads the set values of the TIM
    /// and CNT lines whose numbers are in range, as a run's preparation does.
    void load(const std::vector<LadderLine>& lines) {
        fast.initPLC();
        reference.initPLC();
        for (int r = 1; r < engine::kLadderTableSize; ++r) {
            const auto i = static_cast<std::size_t>(r - 1);
            setLine(r, i < lines.size() ? lines[i] : LadderLine{});
        }
        for (const LadderLine& line : lines) {
            const bool inRange = line.location >= 0 && line.location < 8;
            if (line.code == "TIM" && inRange) {
                fast.setTimValue(line.location, line.setValue);
                reference.setTimValue(line.location, line.setValue);
            } else if (line.code == "CNT" && inRange) {
                fast.setCntValue(line.location, line.setValue);
                reference.setCntValue(line.location, line.setValue);
            }
        }
    }
    void setSwitches(std::uint16_t switches) {
        fastPanel.switches = switches;
        referencePanel.switches = switches;
    }
    void tick() {
        fast.tmrTimer_Timer();
        reference.tmrTimer_Timer();
    }
    /// One scan on each; the outcome and all state must agree.
    void scan(FastScan scanUnderTest, const std::string& where) {
        const int fastResult = (fast.*scanUnderTest)();
        const int referenceResult = reference.scanReference();
        ASSERT_EQ(fastResult, referenceResult) << where;
        expectSameState(where);
    }
    void expectSameState(const std::string& where) {
        // One assertion for the whole relay space keeps the sanitizer build fast.
        int firstDifference = -1;
        for (int a = 0; a <= engine::kLastRelay && firstDifference < 0; ++a) {
            if (fast.relay(a) != reference.relay(a) || fast.difuLast(a) != reference.difuLast(a)) {
                firstDifference = a;
            }
        }
        ASSERT_EQ(firstDifference, -1) << where << ": relay or DIFU memory differs";
        for (int n = 0; n < 8; ++n) {
            ASSERT_EQ(fast.timValue(n), reference.timValue(n)) << where << ", timer " << n;
            ASSERT_EQ(fast.timReset(n), reference.timReset(n)) << where << ", timer " << n;
            ASSERT_EQ(fast.cntValue(n), reference.cntValue(n)) << where << ", counter " << n;
            ASSERT_EQ(fast.cntLast(n), reference.cntLast(n)) << where << ", counter " << n;
        }
        ASSERT_EQ(fastPanel.log, referencePanel.log) << where;
    }
};

// --- Random programs ---------------------------------------------------------------------------

/// Makes reproducible random programs. Addresses come from small pools so that lines meet each
/// other's relays; a few lines of every program are invalid in one way or another.
class ProgramMaker {
public:
    explicit ProgramMaker(std::uint32_t seed) : m_random(seed) {}

    /// Whether lines may be invalid: unknown words, numbers out of range.
    bool invalidLines = true;

    int pick(int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(m_random);
    }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    std::int16_t relay() {
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            return static_cast<std::int16_t>(pick(0, 15)); // inputs
        case 3:
        case 4:
            return static_cast<std::int16_t>(1000 + pick(0, 15)); // outputs
        case 5:
            return chance(50) ? std::int16_t{20000} : std::int16_t{0};
        default:
            return static_cast<std::int16_t>(100 + pick(0, 20)); // internal
        }
    }
    std::int16_t timerOrCounter() {
        return static_cast<std::int16_t>(invalidLines && chance(2) ? 8 : pick(0, 7));
    }

    LadderLine line() {
        static const std::array<const char*, 18> contacts{
            "LD",  "LD NOT",  "LD TIM",  "LD NOT TIM",  "LD CNT",  "LD NOT CNT",
            "AND", "AND NOT", "AND TIM", "AND NOT TIM", "AND CNT", "AND NOT CNT",
            "OR",  "OR NOT",  "OR TIM",  "OR NOT TIM",  "OR CNT",  "OR NOT CNT"};
        static const std::array<const char*, 8> invalid{
            "ld", "LD BLK", "", "XYZ", "OUT BLK", "AND NOT BLK", "OUT TIM", "LD NOT NOT"};
        LadderLine line;
        const int kind = pick(0, 99);
        if (kind < 50) {
            line.code = contacts[static_cast<std::size_t>(pick(0, 17))];
            const bool counts = line.code.find("TIM") != std::string::npos ||
                                line.code.find("CNT") != std::string::npos;
            line.location = counts ? timerOrCounter() : relay();
        } else if (kind < 58) {
            line.code = chance(50) ? "AND BLK" : "OR BLK";
        } else if (kind < 72) {
            line.code = chance(70) ? "OUT" : "OUT NOT";
            line.location = invalidLines && chance(1) ? std::int16_t{20001} : relay();
        } else if (kind < 78) {
            line.code = "TIM";
            line.location = timerOrCounter();
            line.setValue = static_cast<std::int16_t>(chance(5) ? -3 : pick(0, 6));
        } else if (kind < 84) {
            line.code = "CNT";
            line.location = timerOrCounter();
            line.setValue = static_cast<std::int16_t>(chance(5) ? -2 : pick(0, 4));
        } else if (kind < 90) {
            line.code = "DIFU";
            line.location = relay();
        } else if (kind < 96) {
            line.code = "SFT";
            const int a = 100 + pick(0, 20);
            line.location = static_cast<std::int16_t>(a);
            line.setValue = static_cast<std::int16_t>(
                invalidLines && chance(4) ? (chance(50) ? 20001 : -1) : a + pick(-5, 5));
        } else if (invalidLines && chance(25)) {
            line.code = invalid[static_cast<std::size_t>(pick(0, 7))];
            line.location = relay();
        } else {
            line.code = "DIFU";
            line.location = relay();
        }
        // Blanks around and between the words do not change a line.
        if (chance(5)) {
            line.code = "  " + line.code + " ";
        }
        return line;
    }

    /// A program of up to `maxLines` lines. Most end in END; some run into an empty record.
    std::vector<LadderLine> program(int maxLines) {
        std::vector<LadderLine> lines;
        const int count = pick(1, maxLines);
        // Most programs are valid, so that most scans get far.
        invalidLines = chance(40);
        // The block-stack depth the lines leave: a pop without entries or a 102nd entry is
        // an error, wanted only now and then.
        int depth = 0;
        while (static_cast<int>(lines.size()) < count) {
            LadderLine next = line();
            const int pops = popsOf(next.code);
            if (pops > depth && !(invalidLines && chance(10))) {
                next = {"LD", relay(), 0};
            }
            if (pushesOf(next.code) && depth >= 101 && !(invalidLines && chance(10))) {
                next = {"OUT", relay(), 0};
            }
            depth += (pushesOf(next.code) ? 1 : 0) - popsOf(next.code);
            depth = std::max(depth, 0);
            lines.push_back(next);
        }
        if (chance(90)) {
            lines.push_back({"END", 0, 0});
        }
        return lines;
    }

    std::uint16_t switches() { return static_cast<std::uint16_t>(pick(0, 0xFFFF)); }

    static std::string firstWord(const std::string& code) {
        const auto begin = code.find_first_not_of(' ');
        if (begin == std::string::npos) {
            return {};
        }
        return code.substr(begin, code.find(' ', begin) - begin);
    }
    static bool pushesOf(const std::string& code) { return firstWord(code) == "LD"; }
    static int popsOf(const std::string& code) {
        const std::string word = firstWord(code);
        if (word == "SFT") {
            return 2;
        }
        return word == "CNT" || code.find("BLK") != std::string::npos ? 1 : 0;
    }

private:
    std::mt19937 m_random;
};

struct ScanUnderTest {
    const char* name;
    FastScan scan;
};

void PrintTo(const ScanUnderTest& under, std::ostream* out) {
    *out << under.name;
}

class RandomPrograms : public testing::TestWithParam<ScanUnderTest> {};

TEST_P(RandomPrograms, BehaveExactlyAsTheReferenceScan) {
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        ProgramMaker maker(seed);
        Pair pair;
        // Long programs fill the block stack up to and past its limit; short ones are easier to
        // read when they fail.
        pair.load(maker.program(seed % 3 == 0 ? 298 : 40));
        for (int scan = 0; scan < 25; ++scan) {
            const std::string where =
                "seed " + std::to_string(seed) + ", scan " + std::to_string(scan);
            pair.setSwitches(maker.switches());
            ASSERT_NO_FATAL_FAILURE(pair.scan(GetParam().scan, where));
            for (int ticks = maker.pick(0, 3); ticks > 0; --ticks) {
                pair.tick();
            }
            // Now and then a line is edited: the next scan must run the new program.
            if (maker.chance(5)) {
                pair.setLine(maker.pick(1, 20), maker.line());
            }
        }
    }
}

TEST_P(RandomPrograms, FillTheBlockStackToItsLimitAndBeyond) {
    // Many short rungs each leave one entry behind: the 102nd push is an error at the same line.
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        ProgramMaker maker(1000 + seed);
        std::vector<LadderLine> lines;
        const int rungs = 95 + maker.pick(0, 10);
        for (int r = 0; r < rungs; ++r) {
            lines.push_back({"LD", maker.relay(), 0});
            lines.push_back({"OUT", maker.relay(), 0});
        }
        lines.push_back({"END", 0, 0});
        Pair pair;
        pair.load(lines);
        for (int scan = 0; scan < 3; ++scan) {
            pair.setSwitches(maker.switches());
            ASSERT_NO_FATAL_FAILURE(pair.scan(GetParam().scan, "seed " + std::to_string(seed)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FastScans, RandomPrograms,
                         testing::Values(ScanUnderTest{"PLC", &Controller::PLC},
                                         ScanUnderTest{"Fused", &Controller::scanFused}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Programs aimed at the fusion --------------------------------------------------------------

struct AimedRow {
    const char* name;
    std::vector<LadderLine> lines;
};

void PrintTo(const AimedRow& row, std::ostream* out) {
    *out << row.name;
}

class AimedPrograms : public testing::TestWithParam<AimedRow> {};

TEST_P(AimedPrograms, BehaveExactlyAsTheReferenceScan) {
    for (const ScanUnderTest& under :
         {ScanUnderTest{"PLC", &Controller::PLC}, ScanUnderTest{"Fused", &Controller::scanFused}}) {
        Pair pair;
        pair.load(GetParam().lines);
        for (int switches = 0; switches < 64; ++switches) {
            pair.setSwitches(static_cast<std::uint16_t>(switches * 0x0101));
            ASSERT_NO_FATAL_FAILURE(
                pair.scan(under.scan, std::string(under.name) + " " + std::to_string(switches)));
            pair.tick();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fusion, AimedPrograms,
    testing::Values(
        // An OUT writes a relay that the same rung reads right after; OUT NOT overrides it.
        AimedRow{"OutReadLaterInTheSameRung",
                 {{"LD", 0, 0},
                  {"OUT", 100, 0},
                  {"AND NOT", 100, 0},
                  {"OR", 100, 0},
                  {"OUT NOT", 100, 0},
                  {"AND", 100, 0},
                  {"OUT", 1000, 0},
                  {"END", 0, 0}}},
        // Outputs with no contact before them in their run: at the very start (R is false),
        // after a TIM, CNT, DIFU and SFT, and two in a row.
        AimedRow{"OutputsWithoutAContactBefore",
                 {{"OUT NOT", 1000, 0},
                  {"OUT", 1001, 0},
                  {"LD", 0, 0},
                  {"TIM", 0, 2},
                  {"OUT", 1002, 0},
                  {"LD", 1, 0},
                  {"LD", 2, 0},
                  {"CNT", 1, 2},
                  {"OUT NOT", 1003, 0},
                  {"OUT", 1004, 0},
                  {"DIFU", 1005, 0},
                  {"OUT", 1006, 0},
                  {"LD", 3, 0},
                  {"LD", 4, 0},
                  {"SFT", 110, 113},
                  {"OUT NOT", 1007, 0},
                  {"END", 0, 0}}},
        // An OUT right before the lines that read it outside the fused runs: DIFU on the same
        // relay, SFT over it, and the lamps at END.
        AimedRow{"OutReadByUnfusedSteps",
                 {{"LD", 0, 0},
                  {"OUT", 120, 0},
                  {"DIFU", 120, 0},
                  {"LD", 120, 0},
                  {"LD", 1, 0},
                  {"LD", 2, 0},
                  {"OUT", 122, 0},
                  {"SFT", 120, 123},
                  {"LD", 122, 0},
                  {"OUT", 1000, 0},
                  {"END", 0, 0}}},
        // Stack entries reused after a pop, and a push followed at once by the pop that reads it.
        AimedRow{"StackEntriesReused",
                 {{"LD", 0, 0},     {"LD", 1, 0},         {"CNT", 0, 3},    {"LD", 2, 0},
                  {"LD", 3, 0},     {"CNT", 1, 3},        {"LD", 4, 0},     {"OR BLK", 0, 0},
                  {"LD", 5, 0},     {"AND BLK", 0, 0},    {"OUT", 1000, 0}, {"LD", 0, 0},
                  {"LD", 1, 0},     {"LD", 2, 0},         {"OUT", 1001, 0}, {"SFT", 130, 127},
                  {"LD CNT", 0, 0}, {"OR NOT CNT", 1, 0}, {"OUT", 1002, 0}, {"END", 0, 0}}},
        // A scan that stops at an error after outputs that must have run, in a fused run.
        AimedRow{"ErrorAfterFusedOutputs",
                 {{"LD", 0, 0},
                  {"OUT", 1000, 0},
                  {"OUT NOT", 140, 0},
                  {"LD BLK", 0, 0},
                  {"END", 0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FusedForm, OutputsJoinTheNextContactAndUnreadPushesAreDropped) {
    LoggingPanel panel;
    Controller plc(panel);
    plc.setLadderTable(1, {"LD", 0, 0});
    plc.setLadderTable(2, {"AND", 1, 0});
    plc.setLadderTable(3, {"OUT", 100, 0});
    plc.setLadderTable(4, {"LD", 2, 0});
    plc.setLadderTable(5, {"LD", 3, 0});
    plc.setLadderTable(6, {"OR BLK", 0, 0});
    plc.setLadderTable(7, {"OUT NOT", 101, 0});
    plc.setLadderTable(8, {"END", 0, 0});
    const engine::FusedProgram& fused = plc.fusedProgram();
    ASSERT_EQ(fused.segments().size(), 1U);
    ASSERT_EQ(fused.ops().size(), 6U) << "LD, AND, LD with OUT, LD with push, OR BLK, OUT NOT";
    EXPECT_EQ(fused.ops()[0].write, engine::kScratchByte) << "nothing pops the first LD's entry";
    EXPECT_EQ(fused.ops()[2].write, 100);
    EXPECT_EQ(fused.ops()[3].write, engine::kStackByte + 2) << "OR BLK pops this push";
    EXPECT_EQ(fused.ops()[5].write, 101);
    EXPECT_EQ(fused.ops()[5].invert, 1);
}

TEST(FusedForm, MachineCodeRunsWhereThePlatformAllowsIt) {
#if defined(__x86_64__) && defined(__linux__)
    LoggingPanel panel;
    Controller plc(panel);
    plc.setLadderTable(1, {"END", 0, 0});
    EXPECT_TRUE(plc.runsMachineCode());
#else
    GTEST_SKIP() << "PLC() interprets the fused form on this platform";
#endif
}

} // namespace
} // namespace rungbox::test

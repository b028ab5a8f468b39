// SPDX-License-Identifier: GPL-3.0-or-later
// Words of extended programs in the timing diagram: their signal names, a recording of a small
// program's words as a dump worked out by hand and read back, the bus the diagram draws of them,
// and the words a program writes shown by default.

#include "../extended/ExtendedRun.h"
#include "names/NamesFile.h"
#include "trace/SignalRows.h"
#include "trace/VcdReader.h"
#include "trace/VcdWriter.h"
#include "trace/Waveforms.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace rungbox::test {
namespace {

using engine::WordAddress;
using engine::WordArea;
using trace::Signal;

const names::NameTable& extendedNames() {
    static const names::NameTable names =
        names::readNamesFile("", engine::InstructionSet::Extended).table;
    return names;
}

TEST(WordSignal, NamesReadBackAndKeepClearOfTheBits) {
    const struct {
        const char* text;
        const char* name; ///< Signal::name(), or "" when the text names no word
        bool word;        ///< the signal is a word (else a bit of the same spelling)
    } rows[] = {
        {"DM0100", "DM0100", true},
        {"D 100", "DM0100", true},
        {"dm6144", "DM6144", true},
        {"CIO10_word", "CIO10_word", true},
        {"HR2_word", "HR2_word", true},
        {"w3_WORD", "W3_word", true},
        {"AR15_word", "AR15_word", true},
        {"TIM3_word", "TIM3_word", true},
        {"CNT127_word", "CNT127_word", true},
        {"CH HR2", "HR2_word", true}, // as names files write channel words
        {"CH 10", "CIO10_word", true},
        // Spellings the notation reads as bits stay bits.
        {"HR2", "HR0.02", false},
        {"CIO 10", "in10", false},
        {"TIM 3", "tim3_done", false},
        // Out of range or no word.
        {"DM1024", "", false},
        {"HR20_word", "", false},
        {"DM0100_word", "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto signal = trace::parseSignal(row.text, extendedNames());
        if (*row.name == '\0') {
            EXPECT_FALSE(signal);
            continue;
        }
        ASSERT_TRUE(signal);
        EXPECT_EQ(signal->isWord(), row.word);
        EXPECT_EQ(signal->name(), row.name);
        EXPECT_TRUE(signal->valid());
        EXPECT_EQ(trace::parseSignal(signal->name(), extendedNames()), signal);
        if (row.word) {
            EXPECT_EQ(trace::parseWordSignal(signal->name()), signal);
            EXPECT_EQ(signal->width(), 16);
            EXPECT_FALSE(trace::parseSignal(row.text)) << "classic programs know no words";
        }
    }
    EXPECT_EQ(trace::valueText(trace::wordSignal({WordArea::Dm, 0}), 0x42, false), "#0042");
    EXPECT_EQ(trace::valueText(trace::wordSignal({WordArea::Dm, 0}), 0xFFFF, true), "#FFFF");
}

// A word's name is its signal's name, and reads back as the word.
TEST(WordSignal, NamedWordsAreTheirWordsSignals) {
    const names::NameTable names =
        names::readNamesFile("DM0100\tTOTAL\nCH W3\tSTAGE\n", engine::InstructionSet::Extended)
            .table;
    const Signal total = trace::wordSignal({WordArea::Dm, 100});
    EXPECT_EQ(trace::parseSignal("TOTAL", names), total);
    EXPECT_EQ(trace::parseSignal("stage", names), trace::wordSignal({WordArea::Work, 3}));
    EXPECT_FALSE(trace::parseSignal("TOTAL_done", names));
    EXPECT_EQ(total.userName(names), "TOTAL");
    EXPECT_EQ(trace::wordSignal({WordArea::Dm, 101}).userName(names), "");
}

// In0 rises at 2 ms and 5 ms: @INC counts DM0100 once per rise, ADD writes DM0100 + 9 (BCD) to
// W3 while in0 is on, and MOV writes #0042 to HR2 in every scan from the first.
constexpr const char* kProgram =
    "LD|P_On; MOV|#0042|HR2; LD|0.00; @INC|DM0100; LD|0.00; ADD|DM0100|#0009; |W3; END";

struct WordTrace : ExtendedRun {
    trace::Recorder recorder;
    explicit WordTrace(const std::vector<Signal>& signals)
        : ExtendedRun(kProgram), recorder(signals) {
        recorder.sample(plc, 0, 0);
    }
    void run(std::initializer_list<unsigned> inputs) {
        for (const unsigned in : inputs) {
            EXPECT_EQ(millisecond(in), 0);
            recorder.sample(plc, clockMs, clockMs);
        }
    }
};

std::vector<Signal> goldenSignals() {
    return {trace::bitSignal({engine::Area::Relay, 0}), trace::wordSignal({WordArea::Dm, 100}),
            trace::wordSignal({WordArea::Holding, 2}), trace::wordSignal({WordArea::Work, 3})};
}

std::string readGolden(const std::string& name) {
    std::ifstream in(std::string(RUNGBOX_TRACE_GOLDEN) + "/" + name);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WordTrace, TheDumpIsTheOneWorkedOutByHandAndReadsBack) {
    WordTrace t(goldenSignals());
    ASSERT_EQ(t.started, panel::StartResult::Started);
    t.run({0, 1, 1, 0, 1, 1});
    std::ostringstream out;
    trace::VcdWriter(out).write(t.recorder);
    EXPECT_EQ(out.str(), readGolden("words.vcd"));

    std::string error;
    const std::vector<trace::VcdRun> runs = trace::readVcd(out.str(), error);
    ASSERT_EQ(runs.size(), 1U) << error;
    const trace::Recorder& back = *runs[0].recorder;
    EXPECT_EQ(back.signalList(), t.recorder.signalList());
    for (std::uint64_t ms = 0; ms <= 6; ++ms) {
        EXPECT_EQ(back.valuesAt(ms), t.recorder.valuesAt(ms)) << ms;
    }
    std::ostringstream again;
    trace::VcdWriter(again).write(back);
    EXPECT_EQ(again.str(), out.str());
}

TEST(WordTrace, OnlyChangesAreStored) {
    WordTrace t({trace::wordSignal({WordArea::Dm, 100}), trace::wordSignal({WordArea::Work, 3})});
    t.run({1, 1, 1, 1, 1, 0, 0, 1, 1, 1});
    std::vector<std::tuple<std::uint64_t, std::size_t, int>> changes;
    t.recorder.forEachChange(0, t.recorder.lastMs(), [&](std::uint64_t ms, std::size_t p, int v) {
        changes.emplace_back(ms, p, v);
    });
    const std::vector<std::tuple<std::uint64_t, std::size_t, int>> expected = {
        {1, 0, 1}, {1, 1, 0x10}, {8, 0, 2}, {8, 1, 0x11}};
    EXPECT_EQ(changes, expected);
}

TEST(WordTrace, TheDiagramDrawsAWordAsABusWithItsValues) {
    WordTrace t(goldenSignals());
    t.run({0, 1, 1, 0, 1, 1});
    const trace::TimeScale scale{0, 0.1, 0}; // 10 pixels a millisecond
    const std::vector<trace::RowWave> rows = trace::rowWaves(t.recorder, {3}, 0, 6);
    ASSERT_EQ(rows.size(), 1U);
    const std::vector<trace::BusPiece> expected = {
        {0, 20, 0, false}, {20, 50, 0x10, false}, {50, 60, 0x11, false}};
    EXPECT_EQ(trace::busPieces(rows[0], scale, 6), expected);
    const Signal& w3 = t.recorder.signalList()[3];
    EXPECT_EQ(trace::valueText(w3, expected[1].value, false), "#0010");
}

TEST(WordTrace, TheWordsAProgramWritesAreShownByDefault) {
    editor::CodeGrid grid;
    fillExtended(grid, "LD|0.00; MOV|DM0001|DM0002; CMP|HR1|#0003; INC|W4; @ADD|DM0001|#1; "
                       "|CIO 20; MOV|#1|DM6144; BCD|DM0001|DM0002; END; MOV|#1|HR9");
    std::vector<std::string> words;
    for (const Signal& signal : trace::programWords(grid)) {
        words.push_back(signal.name());
    }
    // CMP writes nothing, DM6144 cannot be written, HR9 lies after END.
    EXPECT_EQ(words, (std::vector<std::string>{"DM0002", "W4_word", "CIO20_word"}));
    const std::vector<Signal> used = trace::programSignals(grid);
    EXPECT_NE(std::find(used.begin(), used.end(), trace::wordSignal({WordArea::Work, 4})),
              used.end());
    grid.setInstructionSet(engine::InstructionSet::Classic);
    EXPECT_TRUE(trace::programWords(grid).empty());
}

} // namespace
} // namespace rungbox::test

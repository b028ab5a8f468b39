// SPDX-License-Identifier: GPL-3.0-or-later
// Waveform files of small programs, compared with files whose waveforms were worked out by hand
// from what each instruction does, scan by scan.

#include "TracedController.h"
#include "names/NamesFile.h"
#include "trace/VcdWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace rungbox::test {
namespace {

std::string readGolden(const std::string& name) {
    std::ifstream in(std::string(RUNGBOX_TRACE_GOLDEN) + "/" + name);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct GoldenRow {
    const char* file;
    const char* program;
    const char* signals;
    const char* script;
};

const GoldenRow kGoldenRows[] = {
    // Three ticks after switch 0 turns on the timer is done, and the output follows one scan
    // later; switch 0 off reloads the set value.
    {"timer.vcd", "LD 0; TIM 0 3; LD TIM 0; OUT 1000; END", "in0 out0 tim0_done tim0",
     "w5 s1 w400 s0 w10"},
    // Two rising edges of switch 0 count down to done; a third does nothing; switch 1 reloads.
    {"counter.vcd", "LD 0; LD 1; CNT 0 2; LD CNT 0; OUT 1000; END", "in0 in1 out0 cnt0_done cnt0",
     "w2 s1 w2 s0 w2 s1 w2 s0 w2 s1 w2 s2 w2 s0 w2"},
    // One scan of relay 200 per rising edge of switch 0.
    {"difu.vcd", "LD 0; DIFU 200; LD 200; OUT 1000; END", "in0 relay200 out0",
     "w2 s1 w3 s0 w2 s1 w1"},
    // Data switch 0, clock switch 1 (a shift in every scan it is on), reset switch 2.
    {"shift.vcd", "LD 0; LD 1; LD 2; SFT 1001 1003; END", "in0 in1 in2 out1 out2 out3",
     "w1 s3 w1 s2 w1 s0 w1 s2 w2 s6 w1 s0 w1"},
};

TEST(VcdGolden, SmallProgramsGiveTheWaveformsWorkedOutByHand) {
    for (const GoldenRow& row : kGoldenRows) {
        SCOPED_TRACE(row.file);
        TracedController t(row.program, signalsNamed(row.signals));
        t.run(row.script);
        EXPECT_EQ(t.vcd(), readGolden(row.file));
    }
}

// A named address is declared twice on one identifier; the values are written once, as before.
TEST(VcdGolden, NamesAreSecondDeclarationsOfTheSameCodes) {
    const GoldenRow& row = kGoldenRows[0];
    TracedController t(row.program, signalsNamed(row.signals));
    t.run(row.script);
    const names::NameTable names =
        names::readNamesFile("0\tSTART\n1000\tLAMP\nTIM 0\tDELAY\n").table;
    std::ostringstream named;
    trace::VcdWriter(named).write(t.recorder, &names);
    std::string expected = readGolden(row.file);
    for (const auto& [after, added] : {
             std::pair{"$var wire 1 ! in0 $end\n", "$var wire 1 ! START $end\n"},
             {"$var wire 1 \" out0 $end\n", "$var wire 1 \" LAMP $end\n"},
             {"$var wire 1 # tim0_done $end\n", "$var wire 1 # DELAY_done $end\n"},
             {"$var reg 16 $ tim0 [15:0] $end\n", "$var reg 16 $ DELAY [15:0] $end\n"},
         }) {
        const std::size_t at = expected.find(after);
        ASSERT_NE(at, std::string::npos) << after;
        expected.insert(at + std::string_view(after).size(), added);
    }
    EXPECT_EQ(named.str(), expected);
}

} // namespace
} // namespace rungbox::test

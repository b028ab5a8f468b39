// SPDX-License-Identifier: GPL-3.0-or-later
// Signals of extended programs: every spelling of a bit names one signal, named by its address
// text, and a recorder samples the new areas' bits like the relays.

#include "engine/BitAddress.h"
#include "names/NamesFile.h"
#include "support/Recorders.h"
#include "trace/Recorder.h"
#include "trace/Signal.h"

#include <gtest/gtest.h>

namespace rungbox::trace {
namespace {

TEST(ExtendedSignal, EverySpellingNamesOneSignalNamedByItsAddressText) {
    const names::NameTable extended = names::readNamesFile("HR1.05\tLATCH\nT80\tDELAY\nC9\tPARTS\n"
                                                           "DM0100\tTOTAL\n",
                                                           engine::InstructionSet::Extended)
                                          .table;
    const struct {
        const char* text;
        const char* name; ///< Signal::name()
    } rows[] = {
        {"W0.00", "W0.00"},
        {"w 0", "W0.00"},
        {"HR1.05", "HR1.05"},
        {"LATCH", "HR1.05"},
        {"H1.05", "HR1.05"},
        {"AR2.03", "AR2.03"},
        {"TR0", "TR0"},
        {"P_On", "253.13"},
        {"253.13", "253.13"},
        {"TIM 12", "TIM12"},
        {"C100", "CNT100"},
        {"200.01", "200.01"},
        {"10.00", "out0"},
        {"T3", "tim3_done"},
        // Timers and counters past 7 are recorded by their done bit, also by name (the signal
        // fuzz target found a name of timer 80 giving a timer value signal nobody records).
        {"DELAY", "TIM80"},
        {"DELAY_DONE", "TIM80"},
        {"PARTS", "CNT9"},
    };
    for (const auto& row : rows) {
        const auto signal = parseSignal(row.text, extended);
        ASSERT_TRUE(signal) << row.text;
        EXPECT_TRUE(signal->valid()) << row.text;
        EXPECT_EQ(signal->name(), row.name) << row.text;
        EXPECT_EQ(parseSignal(signal->name(), extended), signal) << row.text;
        // Classic programs know none of the notation.
        if (std::string_view(row.name) != "out0" && std::string_view(row.name) != "tim3_done") {
            EXPECT_FALSE(parseSignal(row.text, names::NameTable())) << row.text;
        }
    }
    EXPECT_EQ(parseSignal("LATCH", extended)->userName(extended), "LATCH");
    // A word's name gives its word (it once gave the bit of an invalid address).
    const auto total = parseSignal("TOTAL", extended);
    ASSERT_TRUE(total);
    EXPECT_TRUE(total->isWord());
    EXPECT_TRUE(total->valid());
}

TEST(ExtendedSignal, TheRecorderSamplesTheNewAreasBits) {
    test::RecordingPanel panel;
    engine::Controller plc(panel);
    plc.setInstructionSet(engine::InstructionSet::Extended);
    const Signal work = bitSignal({engine::Area::Work, 105});
    const Signal temporary = bitSignal({engine::Area::Temporary, 3});
    Recorder recorder({work, temporary});
    recorder.sample(plc, 0, 0);
    plc.force(work.index, true);
    recorder.sample(plc, 1, 1);
    plc.force(temporary.index, true);
    plc.force(work.index, false);
    recorder.sample(plc, 2, 2);
    EXPECT_EQ(recorder.valueAt(0, 0), 0);
    EXPECT_EQ(recorder.valueAt(0, 1), 1);
    EXPECT_EQ(recorder.valueAt(1, 1), 0);
    EXPECT_EQ(recorder.valueAt(0, 2), 0);
    EXPECT_EQ(recorder.valueAt(1, 2), 1);
}

} // namespace
} // namespace rungbox::trace

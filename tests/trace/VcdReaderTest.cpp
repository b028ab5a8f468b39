// SPDX-License-Identifier: GPL-3.0-or-later
// A dump read back gives the recording that was written, millisecond by millisecond, one per
// scope; a text that is not such a dump is refused with a reason.

#include "trace/VcdReader.h"
#include "trace/VcdWriter.h"

#include "engine/PanelState.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rungbox::trace {
namespace {

using Kind = SignalKind;

// A run of 12 ms: a relay, a timer counting down to done (value and done bit), a counter's done
// bit alone, and a negative counter value.
std::unique_ptr<Recorder> recorded(int shift) {
    auto recorder = std::make_unique<Recorder>(std::vector<Signal>{{Kind::Relay, 0},
                                                                   {Kind::Relay, 2000},
                                                                   {Kind::TimerDone, 1},
                                                                   {Kind::TimerValue, 1},
                                                                   {Kind::CounterDone, 2},
                                                                   {Kind::CounterValue, 5}});
    engine::PanelState panel;
    engine::Controller plc(panel);
    for (int ms = 0; ms <= 12; ++ms) {
        plc.setRelay(0, (ms + shift) % 3 == 0);
        plc.setRelay(2000, ms > 6 + shift);
        plc.setTimValue(1, static_cast<std::int16_t>(std::max(0, 8 - ms)));
        plc.setCntValue(2, static_cast<std::int16_t>(ms > 4 ? 0 : 3));
        plc.setCntValue(5, static_cast<std::int16_t>(-ms * 1000));
        recorder->sample(plc, static_cast<std::uint64_t>(ms), static_cast<std::uint64_t>(ms));
    }
    return recorder;
}

void expectSame(const Recorder& read, const Recorder& written) {
    ASSERT_EQ(read.signalList(), written.signalList());
    EXPECT_EQ(read.firstMs(), written.firstMs());
    EXPECT_EQ(read.lastMs(), written.lastMs());
    for (std::uint64_t ms = written.firstMs(); ms <= written.lastMs(); ++ms) {
        EXPECT_EQ(read.valuesAt(ms), written.valuesAt(ms)) << "at " << ms << " ms";
    }
}

TEST(VcdReader, ReadsBackOneRecordingWithItsNamesLeftOut) {
    const auto written = recorded(0);
    names::NameTable names;
    ASSERT_FALSE(names.set({names::Address::relay(2000), "PUMP", ""}));
    std::ostringstream text;
    VcdWriter(text).write(*written, &names);
    std::string error;
    const std::vector<VcdRun> runs = readVcd(text.str(), error);
    ASSERT_EQ(runs.size(), 1U) << error;
    EXPECT_EQ(runs[0].scope, "rungbox");
    expectSame(*runs[0].recorder, *written);
}

TEST(VcdReader, ReadsEachScopeOfSideBySideRecordings) {
    const auto reference = recorded(0);
    const auto candidate = recorded(1);
    std::ostringstream text;
    VcdWriter(text).write({{"reference", reference.get()}, {"candidate", candidate.get()}});
    std::string error;
    const std::vector<VcdRun> runs = readVcd(text.str(), error);
    ASSERT_EQ(runs.size(), 2U) << error;
    EXPECT_EQ(runs[0].scope, "reference");
    EXPECT_EQ(runs[1].scope, "candidate");
    expectSame(*runs[0].recorder, *reference);
    expectSame(*runs[1].recorder, *candidate);
}

// A name whose number is signed or out of range names no signal of ours and is left out, so that
// nothing is written outside the controller's memory (in-5 was once relay -5).
TEST(VcdReader, LeavesOutNamesOutsideTheMemory) {
    const std::string text = "$scope module a $end\n$var wire 1 ! in0 $end\n"
                             "$var wire 1 \" in-5 $end\n$var wire 1 # relay20001 $end\n"
                             "$var reg 16 % tim-1 $end\n$upscope $end\n$enddefinitions $end\n"
                             "#0\n1!\n1\"\n1#\nb101 %\n";
    std::string error;
    const std::vector<VcdRun> runs = readVcd(text, error);
    ASSERT_EQ(runs.size(), 1U) << error;
    EXPECT_EQ(runs[0].recorder->signalList(), (std::vector<Signal>{{Kind::Relay, 0}}));
}

// b and B introduce a binary number; any other value letter (a real's r) reads as 0.
TEST(VcdReader, ReadsBinaryNumbersAndRealsAsZero) {
    const struct {
        const char* value;
        int read;
    } cases[] = {{"b101", 5}, {"B11", 3}, {"b1x1", 5}, {"r1.5", 0}, {"R101", 0}};
    for (const auto& c : cases) {
        const std::string text = "$scope module a $end\n$var reg 16 ! tim0 $end\n$upscope $end\n"
                                 "$enddefinitions $end\n#0\nb111 !\n#1\n" +
                                 std::string(c.value) + " !\n";
        std::string error;
        const std::vector<VcdRun> runs = readVcd(text, error);
        ASSERT_EQ(runs.size(), 1U) << error;
        EXPECT_EQ(runs[0].recorder->valuesAt(1), std::vector<std::optional<int>>{c.read})
            << c.value;
    }
}

TEST(VcdReader, RefusesWhatIsNoSuchDump) {
    const std::string head = "$scope module a $end\n$var wire 1 ! in0 $end\n$upscope $end\n";
    std::string nineScopes;
    for (int i = 0; i < 9; ++i) {
        nineScopes += "$scope module s" + std::to_string(i) + " $end $upscope $end\n";
    }
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "No $enddefinitions."},
        {head, "No $enddefinitions."},
        {"$scope module a $end $scope module b $end", "A scope inside a scope."},
        {head + "$enddefinitions $end\n#5\n1!\n#4\n", "A time earlier than the one before it."},
        {head + "$enddefinitions $end\n#0\n1\"\n", "A value for an undeclared identifier."},
        {head + "$enddefinitions $end\n1!\n", "A value before any time."},
        {head + "$enddefinitions $end\n#x1\n", "A time that is not a number."},
        {head + "1!\n", "A value before the end of the definitions."},
        {nineScopes + "$enddefinitions $end", "More than 8 scopes."},
        {"$var wire 1 ! in0 $end", "A variable outside a scope or cut short."},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_TRUE(readVcd(c.text, error).empty()) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

} // namespace
} // namespace rungbox::trace

// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder against a plain list of every sample: values and scan counts at every time, the
// changes it replays, the oldest part dropped at its limit, signals added and removed while it
// records, its memory on a long busy run, and the signals' names.

#include "BenchProgram.h"
#include "TracedController.h"
#include "trace/Tracing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace rungbox::test {
namespace {

using trace::Recorder;
using trace::Signal;
using trace::SignalKind;

// Every sample as taken: time, scan count and the value of each signal.
struct Sampled {
    std::uint64_t ms;
    std::uint64_t scan;
    std::vector<int> values;
};

// Relays in and around the recorded ones, so that unrecorded neighbours change as well; 19999
// and 20000 sit in a window that cannot start at them.
constexpr int kRelays[] = {3, 4, 15, 16, 1000, 1001, 1002, 2000, 19990, 19999, 20000};

const std::vector<Signal> kMixedSignals = {
    {SignalKind::Relay, 3},        {SignalKind::Relay, 15},     {SignalKind::Relay, 1001},
    {SignalKind::Relay, 2000},     {SignalKind::Relay, 19999},  {SignalKind::Relay, 20000},
    {SignalKind::TimerDone, 0},    {SignalKind::TimerValue, 0}, {SignalKind::CounterDone, 1},
    {SignalKind::CounterValue, 1}, {SignalKind::TimerValue, 7},
};

// Drives a controller's state at random between samples at uneven times: several samples in one
// millisecond, scans without time and time without scans, runs of even steps.
class RandomRecording {
public:
    explicit RandomRecording(std::uint32_t seed,
                             std::size_t byteLimit = Recorder::kDefaultByteLimit)
        : m_random(seed), recorder(kMixedSignals, byteLimit) {}

    void record(int count) {
        for (int k = 0; k < count; ++k) {
            if (pick(3) == 0) { // runs of quiet samples one step apart
                for (int quiet = pick(20); quiet > 0; --quiet) {
                    take(1, 1);
                }
            }
            const int changes = pick(4);
            for (int c = 0; c < changes; ++c) {
                change();
            }
            constexpr std::uint64_t kMs[] = {0, 0, 1, 1, 1, 2, 7};
            constexpr std::uint64_t kScans[] = {0, 1, 1, 2};
            take(kMs[pick(7)], kScans[pick(4)]);
        }
    }

    /// The values the samples give at `ms`: those of the last sample at or before it.
    const Sampled* at(std::uint64_t ms) const {
        const auto after =
            std::upper_bound(samples.begin(), samples.end(), ms,
                             [](std::uint64_t t, const Sampled& s) { return t < s.ms; });
        return after == samples.begin() ? nullptr : &*(after - 1);
    }

    RecordingPanel panel;
    engine::Controller plc{panel};
    std::vector<Sampled> samples;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void change() {
        constexpr std::int16_t kValues[] = {-1, 0, 0, 1, 2, 300};
        switch (pick(3)) {
        case 0: {
            const int address = kRelays[pick(std::size(kRelays))];
            plc.setRelay(address, !plc.relay(address));
            break;
        }
        case 1:
            plc.setTimValue(pick(8), kValues[pick(6)]);
            break;
        default:
            plc.setCntValue(pick(8), kValues[pick(6)]);
            break;
        }
    }

    void take(std::uint64_t ms, std::uint64_t scans) {
        m_ms += ms;
        m_scan += scans;
        recorder.sample(plc, m_ms, m_scan);
        Sampled s{m_ms, m_scan, {}};
        for (const Signal& signal : recorder.signalList()) {
            s.values.push_back(signal.read(plc));
        }
        samples.push_back(std::move(s));
    }

    std::mt19937 m_random;
    std::uint64_t m_ms = 0;
    std::uint64_t m_scan = 0;

public:
    Recorder recorder;
};

std::vector<std::optional<int>> known(const std::vector<int>& values) {
    return {values.begin(), values.end()};
}

// Checks every `stride`th millisecond from before the recording to after it.
void expectAgreement(const RandomRecording& r, std::uint64_t stride) {
    const Recorder& recorder = r.recorder;
    const std::vector<std::optional<int>> nothing(recorder.signalList().size());
    for (std::uint64_t ms = 0; ms <= recorder.lastMs() + 1; ms += stride) {
        SCOPED_TRACE(ms);
        const Sampled* s = r.at(ms);
        const bool inside = ms >= recorder.firstMs() && ms <= recorder.lastMs();
        ASSERT_EQ(recorder.valuesAt(ms), inside ? known(s->values) : nothing);
        ASSERT_EQ(recorder.scanAt(ms), inside ? std::optional(s->scan) : std::nullopt);
    }

    // Replaying the changes from the start gives the samples' values at every change.
    std::vector<std::optional<int>> values = recorder.valuesAt(recorder.firstMs());
    std::uint64_t last = recorder.firstMs();
    const auto check = [&](std::uint64_t upTo) {
        EXPECT_EQ(values, known(r.at(upTo)->values)) << upTo;
    };
    recorder.forEachChange(recorder.firstMs(), recorder.lastMs(),
                           [&](std::uint64_t ms, std::size_t position, int value) {
                               ASSERT_GE(ms, last);
                               if (ms != last) {
                                   check(last);
                                   last = ms;
                               }
                               values[position] = value;
                           });
    check(recorder.lastMs());
}

TEST(Recorder, AnswersWhatEverySampleSaw) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        RandomRecording r(seed);
        r.record(1500);
        EXPECT_FALSE(r.recorder.truncated());
        EXPECT_EQ(r.recorder.firstMs(), r.samples.front().ms);
        expectAgreement(r, 1);
    }
}

TEST(Recorder, DropsTheOldestPartAtItsLimitAndSaysFromWhenItIsComplete) {
    RandomRecording r(7, Recorder::kMinByteLimit);
    r.record(120000);
    const Recorder& recorder = r.recorder;
    EXPECT_TRUE(recorder.truncated());
    EXPECT_LE(recorder.memoryBytes(), Recorder::kMinByteLimit);
    EXPECT_GT(recorder.memoryBytes(), Recorder::kMinByteLimit / 2);
    EXPECT_GT(recorder.firstMs(), 0U);
    expectAgreement(r, 13);

    std::ostringstream vcd;
    trace::VcdWriter(vcd).write(recorder);
    const std::string from = std::to_string(recorder.firstMs());
    EXPECT_NE(vcd.str().find("$comment the recording is complete from " + from + " ms on"),
              std::string::npos);
    EXPECT_NE(vcd.str().find("$enddefinitions $end\n#" + from + "\n$dumpvars\n"),
              std::string::npos);

    // A lower limit drops more at once; clearing starts afresh.
    const std::uint64_t before = recorder.firstMs();
    r.recorder.setByteLimit(0);
    EXPECT_EQ(recorder.byteLimit(), Recorder::kMinByteLimit);
    r.recorder.clear();
    EXPECT_TRUE(recorder.empty());
    recorder.forEachChange(0, before, [](std::uint64_t, std::size_t, int) { ADD_FAILURE(); });
    EXPECT_FALSE(recorder.truncated());
    EXPECT_EQ(recorder.memoryBytes(), 0U);
    EXPECT_GT(before, 0U);
}

TEST(Recorder, SignalsAddedWhileRecordingStartAtTheNextSampleAndRemovedOnesAreGone) {
    TracedController t("LD 0; OUT 2000; LD 0; OUT 1000; END", signalsNamed("in0 out0"));
    t.run("w5 s1 w5");
    EXPECT_TRUE(t.recorder.add(*trace::parseSignal("relay2000")));
    EXPECT_FALSE(t.recorder.add(*trace::parseSignal("2000")));
    EXPECT_FALSE(t.recorder.add({SignalKind::Relay, 20001}));
    EXPECT_TRUE(t.recorder.remove(*trace::parseSignal("in0")));
    EXPECT_FALSE(t.recorder.remove(*trace::parseSignal("in0")));
    t.run("w2 s0 w3");

    ASSERT_EQ(t.recorder.signalList(), signalsNamed("out0 relay2000"));
    using V = std::vector<std::optional<int>>;
    EXPECT_EQ(t.recorder.valuesAt(10), (V{1, std::nullopt}));
    EXPECT_EQ(t.recorder.valuesAt(11), (V{1, 1}));
    EXPECT_EQ(t.recorder.valuesAt(13), (V{0, 0}));
    EXPECT_EQ(t.vcd().substr(t.vcd().find("#0")),
              "#0\n$dumpvars\n0!\nx\"\n$end\n#6\n1!\n#11\n1\"\n#13\n0!\n0\"\n#15\n");
}

// Scans that do not move the run's clock (a script's `scan`) get a millisecond each in the
// recording, and the run goes on after them; a run's clock moving on its own is kept as it is.
TEST(Tracing, EveryScanHasAMillisecondOfItsOwn) {
    ScriptedController m;
    m.load("LD 0; OUT 1000; END");
    trace::Tracing tracing(trace::Tracing::Runs::All);
    tracing.setOn(true);
    tracing.runStarted(m.plc);
    const auto scanAt = [&](std::uint64_t runMs) {
        EXPECT_EQ(m.plc.scan(), 0);
        tracing.scanned(m.plc, runMs);
    };
    scanAt(0);
    m.panel.switches = 1;
    scanAt(0);
    scanAt(0);
    m.panel.switches = 0;
    scanAt(1);
    scanAt(2);
    const Recorder& recorder = tracing.recorder();
    EXPECT_EQ(recorder.lastMs(), 5U);
    using V = std::vector<std::optional<std::uint64_t>>;
    EXPECT_EQ((V{recorder.scanAt(0), recorder.scanAt(1), recorder.scanAt(2), recorder.scanAt(3),
                 recorder.scanAt(4), recorder.scanAt(5)}),
              (V{0, 1, 2, 3, 4, 5}));
    const std::size_t out0 = *recorder.find({SignalKind::Relay, 1000});
    EXPECT_EQ(recorder.valueAt(out0, 1), 0);
    EXPECT_EQ(recorder.valueAt(out0, 2), 1);
    EXPECT_EQ(recorder.valueAt(out0, 4), 0);

    // Shown first, in the order given; the histories stay with their signals.
    tracing.recorder().putFirst(signalsNamed("out0 in0 out0 relay5000"));
    EXPECT_EQ(std::vector<Signal>(recorder.signalList().begin(), recorder.signalList().begin() + 3),
              signalsNamed("out0 in0 in1"));
    EXPECT_EQ(recorder.valueAt(0, 2), 1);
    EXPECT_EQ(recorder.valueAt(0, 4), 0);
    EXPECT_EQ(recorder.signalList().size(), trace::defaultSignals().size());
}

// Relays a whole window apart (16) are read from two windows; the signal list has its limit.
TEST(Recorder, EdgesOfTheRelayWindowsAndOfTheSignalList) {
    TracedController t("LD 0; OUT 2000; OUT 2015; OUT 2016; END",
                       signalsNamed("relay2000 relay2015 relay2016"));
    t.run("s1 w1");
    using V = std::vector<std::optional<int>>;
    EXPECT_EQ(t.recorder.valuesAt(1), (V{1, 1, 1}));

    Recorder recorder;
    for (int relay = 3000; recorder.signalList().size() < Recorder::kMaxSignals; ++relay) {
        ASSERT_TRUE(recorder.add({SignalKind::Relay, relay}));
    }
    EXPECT_FALSE(recorder.add({SignalKind::Relay, 5000}));
}

TEST(Recorder, TenBusyMinutesOfTheLargestProgramFitIn16MiB) {
    // The benchmarks' 298-line program with a switch flipping in every scan and a timer tick
    // every 16th: busier than any hand on the switches. A thousand scans a second.
    bench::CheapPanel panel;
    engine::Controller plc(panel);
    bench::loadProgram(plc);
    Recorder recorder;
    std::uint16_t switches = 0;
    constexpr std::uint32_t kScans = 10 * 60 * 1000;
    for (std::uint32_t i = 0; i < kScans; ++i) {
        switches = bench::nextSwitches(switches, i);
        panel.switches = switches;
        ASSERT_EQ(plc.scan(), 0);
        recorder.sample(plc, i, i);
        if (i % bench::kTickEvery == 0) {
            plc.tick();
            recorder.sample(plc, i, i);
        }
    }
    EXPECT_EQ(recorder.signalList().size(), 64U);
    EXPECT_FALSE(recorder.truncated());
    EXPECT_LT(recorder.memoryBytes(), std::size_t{16} << 20);
    EXPECT_GT(recorder.revision(), kScans / 2); // it was busy
}

TEST(Signal, NamesAndParsing) {
    const std::pair<const char*, Signal> rows[] = {
        {"in0", {SignalKind::Relay, 0}},
        {"in15", {SignalKind::Relay, 15}},
        {"relay16", {SignalKind::Relay, 16}},
        {"out0", {SignalKind::Relay, 1000}},
        {"out15", {SignalKind::Relay, 1015}},
        {"relay1016", {SignalKind::Relay, 1016}},
        {"relay20000", {SignalKind::Relay, 20000}},
        {"tim0_done", {SignalKind::TimerDone, 0}},
        {"cnt7_done", {SignalKind::CounterDone, 7}},
        {"tim7", {SignalKind::TimerValue, 7}},
        {"cnt3", {SignalKind::CounterValue, 3}},
    };
    for (const auto& [name, signal] : rows) {
        EXPECT_EQ(signal.name(), name);
        EXPECT_EQ(trace::parseSignal(name), signal) << name;
    }
    EXPECT_EQ(trace::parseSignal("1005"), (Signal{SignalKind::Relay, 1005}));
    EXPECT_EQ(trace::parseSignal("relay3"), (Signal{SignalKind::Relay, 3}));
    for (const char* bad :
         {"",      "in16",     "out16", "relay20001", "20001", "tim8",    "cnt8_done",
          "01",    "tim_done", "in",    "-1",         "TIM 0", "relay 5", "in-5",
          "out-1", "relay-3",  "tim-1", "cnt-2_done", "in+5",  "relay 3"}) {
        EXPECT_EQ(trace::parseSignal(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(trace::defaultSignals().size(), 64U);
    EXPECT_EQ(trace::VcdWriter::identifier(0), "!");
    EXPECT_EQ(trace::VcdWriter::identifier(93), "~");
    EXPECT_EQ(trace::VcdWriter::identifier(94), "!!");
    EXPECT_EQ(trace::VcdWriter::identifier(95), "\"!");
}

} // namespace
} // namespace rungbox::test

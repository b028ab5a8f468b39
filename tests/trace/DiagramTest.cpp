// SPDX-License-Identifier: GPL-3.0-or-later
// What a timing diagram draws, without a toolkit: quick changes of a number merged into busy
// stretches, a bit toggling within one pixel column kept visible, the time in view zoomed,
// fitted and following the end, and the rows: the program's signals first, then the user's.

#include "TracedController.h"
#include "editor/CodeGrid.h"
#include "names/NamesFile.h"
#include "trace/SignalRows.h"
#include "trace/TimeWindow.h"
#include "trace/Waveforms.h"

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using trace::BusPiece;
using trace::RowWave;
using trace::SignalKind;

// A row from `first` at 0 ms with `changes`, at one millisecond a pixel from x = 0.
RowWave row(int first, std::vector<std::pair<std::uint64_t, int>> changes) {
    RowWave wave;
    wave.first = first;
    wave.changes = std::move(changes);
    return wave;
}

const trace::TimeScale kScale{0, 1, 0};

TEST(DiagramTest, NumbersMergeQuickChangesIntoABusyStretchThatEndsWhereTheValueSettles) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::uint64_t, int>> changes;
        std::vector<BusPiece> pieces;
    };
    const Case cases[] = {
        {"changes far apart", {{20, 3}, {50, 2}}, {{0, 20, 0}, {20, 50, 3}, {50, 100, 2}}},
        {"two close changes: busy, then the settled value",
         {{20, 3}, {22, 2}, {60, 1}},
         {{0, 20, 0}, {20, 22, 2, true}, {22, 60, 2}, {60, 100, 1}}},
        {"a change at the left edge replaces the value", {{2, 5}}, {{0, 100, 5}}},
        {"changes back to the same value are no busy stretch",
         {{20, 3}, {21, 3}},
         {{0, 20, 0}, {20, 100, 3}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trace::busPieces(row(0, c.changes), kScale, 100), c.pieces) << c.what;
    }
}

TEST(DiagramTest, ABitTogglingWithinOneColumnDrawsAFullStrokeThere) {
    // 4 ms a pixel: high at 9 ms and low again at 10 ms both fall into column 2.
    const trace::TimeScale scale{0, 4, 0};
    const trace::BitWave wave = trace::bitWave(row(0, {{9, 1}, {10, 0}, {20, 1}}), scale, 40);
    const std::vector<std::pair<double, bool>> line = {
        {0, false}, {2, false}, {2, true},  {2, false}, {2, false},
        {5, false}, {5, true},  {5, false}, {5, true},  {10, true}};
    EXPECT_EQ(wave.line, line);
    // Filled from column 5 to the end, as one run.
    EXPECT_EQ(wave.high, (std::vector<std::pair<long, long>>{{5, 10}}));
}

// Before anything is recorded the rows still name their signals: the page lists them.
TEST(DiagramTest, RowsOfAnEmptyRecordingKeepTheirSignals) {
    const trace::Recorder recorder;
    const std::vector<RowWave> waves = trace::rowWaves(recorder, {3, 5}, 0, 100);
    ASSERT_EQ(waves.size(), 2U);
    EXPECT_EQ(waves[1].position, 5U);
    EXPECT_FALSE(waves[1].first);
}

TEST(DiagramTest, TheTimeInViewZoomsFitsAndFollowsTheEnd) {
    TracedController t("LD 0; OUT 1000; END", signalsNamed("in0 out0"));
    t.run("w999");
    trace::TimeWindow time;
    time.track(t.recorder, 100); // 10 ms a pixel: the last 1000 ms fill the width
    EXPECT_DOUBLE_EQ(time.fromMs(), 0);
    t.run("w1000");
    time.track(t.recorder, 100);
    EXPECT_DOUBLE_EQ(time.fromMs(), 1000);
    EXPECT_TRUE(time.following());

    // Zooming keeps the anchor where it is across the width, down to the closest zoom.
    time.zoomBy(0.5, t.recorder, 100, 1500);
    EXPECT_DOUBLE_EQ(time.msPerPixel(), 5);
    EXPECT_DOUBLE_EQ(time.fromMs(), 1250);
    EXPECT_FALSE(time.following());
    for (int k = 0; k < 20; ++k) {
        time.zoomBy(0.5, t.recorder, 100, std::nullopt);
    }
    EXPECT_DOUBLE_EQ(time.msPerPixel(), trace::TimeWindow::kMinMsPerPixel);
    // At most the whole recording in a quarter of the width.
    for (int k = 0; k < 40; ++k) {
        time.zoomBy(2, t.recorder, 100, std::nullopt);
    }
    EXPECT_DOUBLE_EQ(time.msPerPixel(), 4 * 2000.0 / 100);
    time.fit(t.recorder, 100);
    EXPECT_DOUBLE_EQ(time.msPerPixel(), 20);
    EXPECT_DOUBLE_EQ(time.totalPixels(t.recorder), 100);
    time.scrollTo(30, t.recorder, false);
    EXPECT_DOUBLE_EQ(time.fromMs(), 600);
}

TEST(DiagramTest, RowsShowTheProgramsSignalsFirstThenTheUsersAndRefuseWithReasons) {
    editor::CodeGrid grid;
    const char* const lines[][2] = {
        {"LD", "1"}, {"TIM", "2"}, {"OUT", "1000"}, {"END", ""}, {"OUT", "1001"}};
    for (int line = 0; line < 5; ++line) {
        grid.setText(line + 1, editor::kCodeCol, lines[line][0]);
        grid.setText(line + 1, editor::kLocationCol, lines[line][1]);
    }
    const std::vector<trace::Signal> used = trace::programSignals(grid);
    EXPECT_EQ(used.size(), 4U) << "in1, tim2 and its done bit, out0; nothing after END";

    trace::Recorder recorder; // the 64 signals every recording starts with
    trace::SignalRows rows;
    const auto names = [&] {
        std::string out;
        for (const std::size_t p : rows.rows(recorder, used)) {
            out += recorder.signalList()[p].name() + " ";
        }
        return out;
    };
    EXPECT_EQ(names(), "in1 out0 tim2_done tim2 ");
    EXPECT_EQ(rows.add(recorder, used, "2000", nullptr), "");
    EXPECT_EQ(rows.add(recorder, used, "in5", nullptr), "");
    EXPECT_EQ(names(), "in1 out0 tim2_done tim2 in5 relay2000 ");
    EXPECT_EQ(rows.add(recorder, used, "in1", nullptr), "in1 is shown already.");
    EXPECT_EQ(rows.add(recorder, used, "20001", nullptr).rfind("Not a signal: \"20001\"; give", 0),
              0U);
    EXPECT_EQ(rows.remove(recorder, "in5", nullptr), "");
    EXPECT_EQ(rows.remove(recorder, "in5", nullptr), "Not shown: \"in5\".");
    // An empty box asks for a signal.
    EXPECT_EQ(rows.remove(recorder, "", nullptr), "Type the signal to remove first.");
    EXPECT_EQ(rows.add(recorder, used, "", nullptr).rfind("Type the signal to add first: ", 0), 0U);
    EXPECT_EQ(names(), "in1 out0 tim2_done tim2 relay2000 ");
    // Without a program every signal is shown.
    EXPECT_TRUE(rows.rows(recorder, {}).empty());
}

TEST(DiagramTest, ValuesAndNamesReadAsTheDiagramShowsThem) {
    EXPECT_EQ(trace::valueText({SignalKind::TimerValue, 0}, 45, false), "4.5");
    EXPECT_EQ(trace::valueText({SignalKind::TimerValue, 0}, 45, true), "45");
    EXPECT_EQ(trace::valueText({SignalKind::CounterValue, 0}, 45, false), "45");
    const names::NameTable names = names::readNamesFile("0\tSTART\n").table;
    EXPECT_EQ(trace::signalLabel({SignalKind::Relay, 0}, &names), "START in0");
    EXPECT_EQ(trace::signalLabel({SignalKind::Relay, 1}, &names), "in1");
    EXPECT_EQ(trace::labelStep(10, 90), 1000);
    EXPECT_EQ(trace::labelStep(1.0 / 32, 90), 5);
}

} // namespace
} // namespace rungbox::test

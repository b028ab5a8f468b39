// Times the ladder diagram's work on a 299-line program that uses every instruction form: the
// layout (done after every edit while the diagram is open), the power flow (done for every
// picture during a run) and the text picture. The layout's target is well under 2 ms.

#include "engine/Controller.h"
#include "ladder/Layout.h"
#include "ladder/PowerFlow.h"
#include "ladder/TextDiagram.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace rungbox;

// Eight groups of 36 lines as in the scan benchmark (self-holding rung, done-flag contacts, timer,
// counter, nested blocks, rising edge, shift register), a closing rung of ten lines and END.
std::vector<std::array<std::string, 3>> benchProgram() {
    std::vector<std::array<std::string, 3>> lines;
    const auto add = [&](const char* code, int location = -1, int setValue = -1) {
        lines.push_back({code, location < 0 ? "" : std::to_string(location),
                         setValue < 0 ? "" : std::to_string(setValue)});
    };
    for (int g = 0; g < 8; ++g) {
        const int a = 100 + 40 * g;
        const auto in = [g](int k) { return (g + k) % 16; };
        add("LD", in(0));
        add("AND NOT", in(1));
        add("OR", a);
        add("OUT", a);
        add("LD", a);
        add("AND TIM", g);
        add("OR NOT CNT", g);
        add("OR NOT", a + 5);
        add("OUT NOT", a + 1);
        add("LD NOT", in(2));
        add("AND", in(3));
        add("TIM", g, 20 + g);
        add("LD", in(3));
        add("AND NOT CNT", g);
        add("LD", in(4));
        add("CNT", g, 5);
        add("LD NOT TIM", g);
        add("AND CNT", g);
        add("LD", a);
        add("OR NOT TIM", g);
        add("OR BLK");
        add("LD NOT CNT", g);
        add("OR TIM", g);
        add("AND BLK");
        add("OUT", 1000 + 2 * g);
        add("LD CNT", g);
        add("AND NOT TIM", g);
        add("OR CNT", g);
        add("DIFU", a + 2);
        add("LD", a + 2);
        add("LD", in(5));
        add("LD", in(6));
        add("SFT", a + 10, a + 13);
        add("LD TIM", g);
        add("AND", a + 13);
        add("OUT", 1001 + 2 * g);
    }
    add("LD", 0);
    add("AND", 1);
    add("AND", 2);
    add("AND", 3);
    add("OR", 4);
    add("AND NOT", 5);
    add("OR", 6);
    add("OR", 1000);
    add("OUT", 1015);
    add("OUT NOT", 1014);
    add("END");
    return lines;
}

std::vector<ladder::LineText> textOf(const std::vector<std::array<std::string, 3>>& cells) {
    std::vector<ladder::LineText> lines;
    for (const auto& c : cells) {
        lines.push_back({c[0], c[1], c[2]});
    }
    return lines;
}

class NullPanel final : public engine::IoPanel {
public:
    std::uint16_t inputSwitches() const override { return 0x55; }
    void uncheckInputSwitch(int) override {}
    void setInputLamp(int, bool) override {}
    void setOutputLamp(int, bool) override {}
    void setTimerDisplay(int, std::string_view) override {}
    void setCounterDisplay(int, std::string_view) override {}
    void setRunLamp(bool) override {}
};

void BM_Layout(benchmark::State& state) {
    const auto cells = benchProgram();
    const auto lines = textOf(cells);
    if (lines.size() != 299) {
        state.SkipWithError("the program is not 299 lines long");
        return;
    }
    for (auto _ : state) {
        ladder::Layout layout = ladder::Layout::build(lines);
        benchmark::DoNotOptimize(layout);
    }
}

void BM_PowerFlow(benchmark::State& state) {
    const auto cells = benchProgram();
    const ladder::Layout layout = ladder::Layout::build(textOf(cells));
    NullPanel panel;
    engine::Controller plc(panel);
    for (auto _ : state) {
        ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
        benchmark::DoNotOptimize(flow);
    }
}

void BM_TextDiagram(benchmark::State& state) {
    const auto cells = benchProgram();
    const ladder::Layout layout = ladder::Layout::build(textOf(cells));
    for (auto _ : state) {
        std::string text = ladder::textDiagram(layout);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_Layout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextDiagram)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

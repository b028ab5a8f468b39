// SPDX-License-Identifier: GPL-3.0-or-later
// Times the ladder diagram's work on a 299-line program that uses every instruction form: the
// layout (done after every edit while the diagram is open), the power flow (done for every
// picture during a run) and the text picture. The layout's target is well under 2 ms.

#include "BenchProgram.h"
#include "engine/Controller.h"
#include "engine/Instruction.h"
#include "ladder/Layout.h"
#include "ladder/PowerFlow.h"
#include "ladder/TextDiagram.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace rungbox;

// The scan benchmark's 298-line program as the grid holds it, with one more output before END:
// 299 lines. A number cell is filled only where the line's form reads it.
struct BenchText {
    std::vector<std::array<std::string, 3>> cells;
    std::vector<ladder::LineText> lines; // views into `cells`
};

BenchText benchText() {
    std::vector<engine::LadderLine> program = bench::benchProgram();
    program.insert(program.end() - 1, {"OUT NOT", 1014, 0});
    BenchText text;
    for (const engine::LadderLine& line : program) {
        const engine::Form form = engine::decodeForm(line.code);
        const bool hasSetValue = form.op == engine::OpCode::Tim || form.op == engine::OpCode::Cnt ||
                                 form.op == engine::OpCode::Sft;
        text.cells.push_back(
            {line.code, form.operand == engine::Operand::None ? "" : std::to_string(line.location),
             hasSetValue ? std::to_string(line.setValue) : ""});
    }
    for (const auto& c : text.cells) {
        text.lines.push_back({c[0], c[1], c[2]});
    }
    return text;
}

void BM_Layout(benchmark::State& state) {
    const BenchText text = benchText();
    const auto& lines = text.lines;
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
    const BenchText text = benchText();
    const ladder::Layout layout = ladder::Layout::build(text.lines);
    bench::CheapPanel panel;
    panel.switches = 0x55;
    engine::Controller plc(panel);
    for (auto _ : state) {
        ladder::PowerFlow flow = ladder::PowerFlow::evaluate(layout, plc);
        benchmark::DoNotOptimize(flow);
    }
}

void BM_TextDiagram(benchmark::State& state) {
    const BenchText text = benchText();
    const ladder::Layout layout = ladder::Layout::build(text.lines);
    for (auto _ : state) {
        std::string picture = ladder::textDiagram(layout);
        benchmark::DoNotOptimize(picture);
    }
}

BENCHMARK(BM_Layout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PowerFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextDiagram)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

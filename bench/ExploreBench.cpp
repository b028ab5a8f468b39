// SPDX-License-Identifier: GPL-3.0-or-later
// Times two comparisons over every input sequence:
//   combinational: two 100-line programs of sixteen free inputs, the candidate each rung's De
//     Morgan form of the reference, so that all 65,536 input vectors are compared (target 0.1 s);
//   traffic light: the three-timer traffic light against a variant whose second phase is one
//     tick longer, found different after ninety ticks (target 1 s);
// each on the fast scan and on the reference interpreter, for what the fast path gains; and, to
// measure what a bit-sliced scan would gain, the combinational pair's 65,536 vectors evaluated 64
// to a machine word (the fused operations on 64-bit lanes), compared output by output. That
// evaluation is only the bound of the gain: it leaves out the judging, state keys and hashing
// that an exploration does for every vector.

#include "engine/PanelState.h"
#include "explore/Comparison.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace rungbox;

// A controller with `lines` in its table and its timers loaded, as a run starts.
struct Started {
    engine::PanelState panel;
    engine::Controller plc{panel};

    explicit Started(const std::vector<engine::LadderLine>& lines) {
        plc.reset();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            plc.setLadderTable(static_cast<int>(i + 1), lines[i]);
            if (lines[i].code == "TIM") {
                plc.setTimValue(lines[i].location, lines[i].setValue);
            }
        }
    }
};

engine::LadderLine line(const char* code, int location = 0, int setValue = 0) {
    return {code, static_cast<std::int16_t>(location), static_cast<std::int16_t>(setValue)};
}

// Twenty rungs ((a & b) | c) & !d -> output, five lines each with END: 100 lines. `deMorgan`
// writes each rung as !(((!a | !b) & !c) | d).
std::vector<engine::LadderLine> combinational(bool deMorgan) {
    std::vector<engine::LadderLine> lines;
    for (int r = 0; r < 20; ++r) {
        const int a = r % 16, b = (r + 5) % 16, c = (r + 9) % 16, d = (r + 13) % 16;
        const int out = 1000 + r % 16 + (r >= 16 ? 1000 : 0); // rungs past 16 drive relays 2000+
        if (deMorgan) {
            lines.insert(lines.end(), {line("LD NOT", a), line("OR NOT", b), line("AND NOT", c),
                                       line("OR", d), line("OUT NOT", out)});
        } else {
            lines.insert(lines.end(), {line("LD", a), line("AND", b), line("OR", c),
                                       line("AND NOT", d), line("OUT", out)});
        }
    }
    lines.back() = line("END"); // the last rung's output gives way to END: 100 lines in all
    lines[lines.size() - 2] = line(deMorgan ? "OUT NOT" : "OUT", 1015);
    return lines;
}

// The traffic light of the examples; `variant` makes its second phase one tick longer.
std::vector<engine::LadderLine> trafficLight(bool variant) {
    return {line("LD", 0),
            line("AND NOT TIM", 2),
            line("TIM", 0, 50),
            line("LD TIM", 0),
            line("TIM", 1, variant ? 41 : 40),
            line("LD TIM", 1),
            line("TIM", 2, 10),
            line("LD NOT TIM", 0),
            line("OUT", 1000),
            line("LD TIM", 1),
            line("AND NOT TIM", 2),
            line("OUT", 1001),
            line("LD TIM", 0),
            line("AND NOT TIM", 1),
            line("OUT", 1002),
            line("END")};
}

void compare(benchmark::State& state, const std::vector<engine::LadderLine>& reference,
             const std::vector<engine::LadderLine>& candidate,
             explore::Comparison::Verdict expected) {
    const Started a(reference);
    const Started b(candidate);
    const auto path = static_cast<explore::ScanPath>(state.range(0));
    for (auto _ : state) {
        explore::Comparison c(a.plc, b.plc, {{}, 0xFFFF, explore::kDefaultMaxStates, path});
        c.run();
        if (c.verdict() != expected) {
            state.SkipWithError("unexpected verdict");
            return;
        }
        state.counters["states"] = static_cast<double>(c.explorer().states());
        state.counters["steps"] = static_cast<double>(c.explorer().steps());
    }
}

void BM_Combinational(benchmark::State& state) {
    compare(state, combinational(false), combinational(true),
            explore::Comparison::Verdict::Equivalent);
}

void BM_TrafficLight(benchmark::State& state) {
    compare(state, trafficLight(false), trafficLight(true),
            explore::Comparison::Verdict::Different);
}

// Runs `program` (fused, its only tail END) on 64 vectors at once: lane k of word `mem[a]` is
// byte a of vector k's scan memory.
void runSliced(const engine::FusedProgram& program, std::uint64_t* mem) {
    std::uint64_t r = 0;
    for (const engine::FusedOp& op : program.ops()) {
        mem[op.write] = op.invert != 0 ? ~r : r;
        const std::uint64_t b =
            (op.kind & engine::kNegatedKind) != 0 ? ~mem[op.read] : mem[op.read];
        switch (static_cast<engine::Combine>(op.kind & 3U)) {
        case engine::Combine::Load:
            r = b;
            break;
        case engine::Combine::And:
            r &= b;
            break;
        case engine::Combine::Or:
            r |= b;
            break;
        case engine::Combine::Keep:
            break;
        }
    }
}

// True when the two programs' outputs agree for every one of the 65,536 input vectors.
bool slicedEquivalent(const engine::FusedProgram& a, const engine::FusedProgram& b) {
    // Switches 0 to 5 vary within a word, switches 6 to 15 from word to word.
    static constexpr std::uint64_t kLanes[6] = {0xAAAAAAAAAAAAAAAAULL, 0xCCCCCCCCCCCCCCCCULL,
                                                0xF0F0F0F0F0F0F0F0ULL, 0xFF00FF00FF00FF00ULL,
                                                0xFFFF0000FFFF0000ULL, 0xFFFFFFFF00000000ULL};
    std::vector<std::uint64_t> memA(engine::kWorkspaceSize, 0);
    std::vector<std::uint64_t> memB(engine::kWorkspaceSize, 0);
    for (std::uint32_t word = 0; word < 1024; ++word) {
        for (int n = 0; n < engine::kInputCount; ++n) {
            const std::uint64_t lanes = n < 6                           ? kLanes[n]
                                        : ((word >> (n - 6)) & 1U) != 0 ? ~0ULL
                                                                        : 0;
            memA[static_cast<std::size_t>(n)] = lanes;
            memB[static_cast<std::size_t>(n)] = lanes;
        }
        runSliced(a, memA.data());
        runSliced(b, memB.data());
        for (int o = 0; o < engine::kOutputCount; ++o) {
            const auto at = static_cast<std::size_t>(engine::kFirstOutputRelay + o);
            if (memA[at] != memB[at]) {
                return false;
            }
        }
    }
    return true;
}

void BM_CombinationalSliced(benchmark::State& state) {
    Started a(combinational(false));
    Started b(combinational(true));
    const engine::FusedProgram& fa = a.plc.fusedProgram();
    const engine::FusedProgram& fb = b.plc.fusedProgram();
    if (fa.segments().size() != 1 || fb.segments().size() != 1) {
        state.SkipWithError("a tail other than END");
        return;
    }
    for (auto _ : state) {
        if (!slicedEquivalent(fa, fb)) {
            state.SkipWithError("unexpected verdict");
            return;
        }
    }
}

constexpr int kFast = static_cast<int>(explore::ScanPath::Fast);
constexpr int kReference = static_cast<int>(explore::ScanPath::Reference);

BENCHMARK(BM_Combinational)
    ->Arg(kFast)
    ->Arg(kReference)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false);
BENCHMARK(BM_CombinationalSliced)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_TrafficLight)
    ->Arg(kFast)
    ->Arg(kReference)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false);

} // namespace

BENCHMARK_MAIN();

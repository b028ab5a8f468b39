// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the cells of up to 299 lines, started with the run/stop button and driven through
// a few hundred scans and ticks with changing inputs. A program error ends the run; nothing else
// goes wrong, and the fast scan agrees with the plain reference scan at every step.
// Built twice: fuzz_program runs the lines as a classic program, fuzz_extended (with
// RUNGBOX_FUZZ_EXTENDED) as an extended one, whose cells the extended set reads (word
// instructions and their operand lines too); there the data memory is compared as well.
//
// Input: program lines "code|location|set value" separated by '\n', then a line "==" and the
// stimulus bytes. Each stimulus byte b is one action chosen by b % 4: flip input switch
// (b / 4) % 16, run b / 32 + 1 scans, one timer tick, or press the run/stop button. An input
// runs at most kMaxScans scans: every scan is checked against the reference scan relay by
// relay, and a few hundred scans already reach every state a program this short can take.

#include "FuzzSupport.h"

#include "editor/Editor.h"
#include "engine/BitAddress.h"
#include "engine/Controller.h"
#include "engine/LineSyntax.h"
#include "engine/WordAddress.h"
#include "panel/RunControl.h"

#include <string_view>
#include <vector>

using namespace rungbox;

namespace {

constexpr int kMaxScans = 400;

#ifdef RUNGBOX_FUZZ_EXTENDED
constexpr auto kSet = engine::InstructionSet::Extended;
constexpr int kUnits = engine::kTimerSlots;
#else
constexpr auto kSet = engine::InstructionSet::Classic;
constexpr int kUnits = engine::kTimerCount;
#endif

// The workspace bytes that hold bits: relays only for classic programs, every area for
// extended ones.
const std::vector<int>& bitBytes() {
    static const std::vector<int> bytes = [] {
        std::vector<int> list;
        const int end = kSet == engine::InstructionSet::Classic ? engine::kRelayCount
                                                                : engine::kWorkspaceSize;
        for (int byte = 0; byte < end; ++byte) {
            if (engine::addressAtByte(byte)) {
                list.push_back(byte);
            }
        }
        return list;
    }();
    return bytes;
}

// The data memory words an extended program can write, and the first read-only one. None for
// classic programs.
const std::vector<engine::WordAddress>& dataWords() {
    static const std::vector<engine::WordAddress> words = [] {
        std::vector<engine::WordAddress> list;
        if (kSet == engine::InstructionSet::Extended) {
            for (int n = 0; n <= 1023; ++n) {
                list.push_back({engine::WordArea::Dm, n});
            }
            list.push_back({engine::WordArea::Dm, 6144});
        }
        return list;
    }();
    return words;
}

// A shadow controller that runs the same program with the reference scan.
struct Shadow {
    fuzz::NullPanel panel;
    engine::Controller plc{panel};

    void follow(const engine::Controller& real) {
        plc.setInstructionSet(real.instructionSet());
        plc.reset();
        for (int r = 1; r < engine::kLadderTableSize; ++r) {
            plc.setLadderTable(r, real.ladderTable(r));
        }
        for (int n = 0; n < kUnits; ++n) {
            plc.setTimValue(n, real.timValue(n));
            plc.setCntValue(n, real.cntValue(n));
            plc.setCounterDone(n, real.bit(engine::counterDoneByte(n)));
        }
        for (int byte = engine::kHoldingByte; byte < engine::kAuxiliaryByte; ++byte) {
            plc.setBit(byte, real.bit(byte)); // the holding relays outlive the last run
        }
        for (const engine::WordAddress& word : dataWords()) {
            plc.setWord(word, real.word(word)); // and so does the data memory
        }
    }
};

void requireSame(const engine::Controller& a, const engine::Controller& b) {
    for (const int i : bitBytes()) {
        if (a.bit(i) != b.bit(i) || a.difuLast(i) != b.difuLast(i) ||
            a.difdLast(i) != b.difdLast(i)) {
            fuzz::require(false, "fast and reference scans agree on every relay");
        }
    }
    for (const engine::WordAddress& word : dataWords()) {
        fuzz::require(a.word(word) == b.word(word), "fast and reference scans agree on the DM");
    }
    for (int n = 0; n < kUnits; ++n) {
        fuzz::require(a.timValue(n) == b.timValue(n) && a.timReset(n) == b.timReset(n),
                      "fast and reference scans agree on the timers");
        fuzz::require(a.cntValue(n) == b.cntValue(n) && a.cntLast(n) == b.cntLast(n),
                      "fast and reference scans agree on the counters");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n==");
    const std::string_view text = input.substr(0, split);
    const std::string_view stimulus =
        split == std::string_view::npos ? std::string_view{} : input.substr(split + 3);

    fuzz::NullPanel panel;
    engine::Controller controller(panel);
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    grid.setInstructionSet(kSet);
    fuzz::CountingBoxes boxes;
    fuzz::NullWindow window;
    panel::RunControl run(controller, grid, boxes, window);

    // Fill the cells.
    int line = 1;
    std::size_t pos = 0;
    while (pos <= text.size() && line <= editor::kLastLine) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view row = text.substr(pos, end - pos);
        for (int col = editor::kCodeCol; col <= editor::kSetValueCol; ++col) {
            const std::size_t bar = row.find('|');
            grid.setText(line, col, std::string(row.substr(0, bar)));
            row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
        }
        ++line;
        pos = end + 1;
    }

    Shadow shadow;
    auto press = [&] {
        const bool wasRunning = controller.simulating();
        run.toggleRun();
        fuzz::require(controller.simulating() != wasRunning || !wasRunning,
                      "the button always stops a run");
        if (controller.simulating()) {
            shadow.follow(controller);
            fuzz::require(!grid.enabled(), "the grid is locked while running");
        } else {
            fuzz::require(grid.enabled(), "the grid is free while stopped");
        }
    };

    press();
    int scans = 0;
    for (const char c : stimulus) {
        const auto b = static_cast<unsigned char>(c);
        switch (b % 4) {
        case 0:
            panel.setSwitches(
                static_cast<std::uint16_t>(panel.inputSwitches() ^ (1U << ((b / 4) % 16))));
            break;
        case 1:
            for (unsigned i = 0; i <= b / 32 && controller.simulating() && scans < kMaxScans;
                 ++i, ++scans) {
                shadow.panel.setSwitches(panel.inputSwitches());
                const std::size_t messages = boxes.texts.size();
                run.onScanTimer();
                const int expected = shadow.plc.scanReference();
                if (expected != 0) {
                    fuzz::require(!controller.simulating(), "a program error stops the run");
                    fuzz::require(boxes.texts.size() == messages + 1, "one message per error");
                    fuzz::require(boxes.texts.back() ==
                                      "Error at line " + engine::numberText(expected),
                                  "the message names the line the reference scan stopped at");
                } else {
                    fuzz::require(controller.simulating(), "a good scan keeps running");
                    requireSame(controller, shadow.plc);
                }
            }
            break;
        case 2:
            if (controller.simulating()) {
                run.onTickTimer();
                shadow.plc.tick();
                controller.hundredthTick();
                shadow.plc.hundredthTick();
                requireSame(controller, shadow.plc);
            }
            break;
        default:
            press();
            break;
        }
    }
    fuzz::requireGridShape(grid);
    return 0;
}

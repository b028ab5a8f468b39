// SPDX-License-Identifier: GPL-3.0-or-later
// The fast scans, scan() and scanFused(), against the reference scan on seeded random extended
// programs: every new instruction (the word instructions with their "@" forms, operand lines and
// word set values included), IL and JMP regions (well formed or not), every area, under random
// switches, clock steps, ticks and hundredths, compared on the whole workspace, the words the
// programs use, every timer and counter and every panel call after every scan.

#include "../engine/RandomProgram.h"
#include "engine/BitAddress.h"
#include "engine/WordAddress.h"

#include <optional>

#include <gtest/gtest.h>

namespace rungbox::test {
namespace {

using engine::Controller;
using Scan = int (Controller::*)();

struct ExtendedGenerator {
    /// `words`: programs mostly of word instructions, their conditions the flags among others.
    explicit ExtendedGenerator(std::uint32_t seed, bool wordsMostly = false)
        : g(seed), words(wordsMostly) {}

    template <std::size_t N> const char* from(const char* const (&pool)[N]) {
        return pool[static_cast<std::size_t>(g.pick(0, static_cast<int>(N) - 1))];
    }
    const char* readable() {
        static const char* const kPool[] = {
            "0.00",   "0.01",  "00002",         "0.03",   "10.00",  "1001",  "W0.00", "W0.01",
            "HR0.00", "H0.01", "TR0",           "TR1",    "TIM 0",  "T1",    "TIM2",  "CNT 3",
            "C4",     "P_On",  "P_First_Cycle", "255.00", "254.01", "AR0.00"};
        return from(kPool);
    }
    const char* writable() {
        static const char* const kPool[] = {"10.00",  "10.01",  "1002", "W0.00", "W0.01",
                                            "HR0.00", "HR0.01", "TR0",  "TR1",   "AR0.00"};
        return from(kPool);
    }
    std::string setValue() {
        static const char* const kWords[] = {"DM0000", "HR0", "W1", "D2"};
        if (g.chance(20)) {
            return from(kWords);
        }
        return (g.chance(50) ? "#000" : "") + std::to_string(g.pick(0, 5));
    }
    // Words the word instructions write, and those they read besides: constants (BCD or not),
    // present values, inputs, the flags' channel and a read-only DM word.
    const char* destination() {
        static const char* const kPool[] = {"DM0000", "DM0001", "D2", "HR0",   "H1",
                                            "W0",     "W1",     "10", "CIO 20"};
        return from(kPool);
    }
    const char* source() {
        static const char* const kPool[] = {"#0000", "#0001", "#0009", "#0042", "&12",
                                            "#1234", "#9999", "#FFFF", "#00A0", "TIM 0",
                                            "CNT 3", "T1",    "0",     "255",   "DM6144"};
        return g.chance(50) ? destination() : from(kPool);
    }
    // A word instruction, "@" form or not, with its operands; ADD and SUB take their result
    // from the operand line that follows (`operandLine`).
    void wordInstruction(engine::LadderLine& line, std::optional<engine::LadderLine>& operandLine) {
        static const char* const kCodes[] = {"MOV", "MVN", "CMP", "INC", "DEC", "ADD",
                                             "SUB", "CLC", "STC", "BIN", "BCD", "MOV(21)"};
        const std::string code = from(kCodes);
        line.code = (code != "CMP" && g.chance(30) ? "@" : "") + code;
        if (code == "CLC" || code == "STC") {
            return;
        }
        if (code == "INC" || code == "DEC") {
            line.locationText = destination();
            return;
        }
        line.locationText = source();
        line.setValueText = code == "CMP"                    ? source()
                            : code == "ADD" || code == "SUB" ? source()
                                                             : destination();
        if (code == "ADD" || code == "SUB") {
            operandLine = engine::LadderLine{};
            operandLine->locationText = destination();
        }
    }

    engine::LadderLine line(int& depth, std::optional<engine::LadderLine>& operandLine) {
        static const char* const kContacts[] = {"LD", "AND", "OR", "LD NOT", "AND NOT", "OR NOT"};
        static const char* const kOutputs[] = {"OUT",  "OUT NOT",  "SET",
                                               "RSET", "DIFU(13)", "DIFD(14)"};
        engine::LadderLine line;
        const int kind = g.pick(0, 99);
        const auto set = [&](std::string code, std::string location, std::string value = "") {
            line.code = std::move(code);
            line.locationText = std::move(location);
            line.setValueText = std::move(value);
        };
        static const char* const kFlags[] = {"P_ER", "P_CY", "P_GT", "P_EQ", "P_LT"};
        if (words && depth > 0) {
            static const char* const kConditions[] = {"AND", "OR", "AND NOT", "OR NOT"};
            if (kind < 30) {
                set(from(kConditions), g.chance(40) ? from(kFlags) : readable());
            } else if (kind < 38) {
                set("LD", g.chance(40) ? from(kFlags) : readable());
            } else if (kind < 45) {
                set("TIM", std::to_string(g.pick(0, 2)), setValue());
            } else {
                wordInstruction(line, operandLine);
            }
        } else if (kind < 40 || depth == 0) {
            set(from(kContacts), readable());
        } else if (kind < 55) {
            set(from(kOutputs), writable());
        } else if (kind < 60) {
            set(g.chance(50) ? "AND BLK" : "OR BLK", "");
        } else if (kind < 65) {
            set("KEEP(11)", writable());
        } else if (kind < 70) {
            set(g.chance(50) ? "TIM" : "TIMH(15)", std::to_string(g.pick(0, 2)), setValue());
        } else if (kind < 75) {
            set(g.chance(50) ? "CNT" : "CNTR(12)", std::to_string(g.pick(3, 4)), setValue());
        } else if (kind < 80) {
            set("SFT(10)", "W0.00", "W0.03");
        } else if (kind < 84) {
            set(g.chance(50) ? "IL(02)" : "ILC(03)", "");
        } else if (kind < 94) {
            wordInstruction(line, operandLine);
        } else {
            set(g.chance(50) ? "JMP(04)" : "JME(05)", std::to_string(g.pick(0, 2)));
        }
        const engine::OpInfo& info =
            engine::opInfo(engine::decodeForm(line.code, engine::InstructionSet::Extended).op);
        depth = std::max(0, depth - info.pops + info.pushes);
        return line;
    }

    std::vector<engine::LadderLine> program(int maxLines) {
        std::vector<engine::LadderLine> lines;
        int depth = 0;
        for (int n = g.pick(1, maxLines); n > 0; --n) {
            std::optional<engine::LadderLine> operandLine;
            lines.push_back(line(depth, operandLine));
            if (operandLine) {
                lines.push_back(*operandLine);
            }
        }
        lines.push_back(engine::LadderLine{"END", 0, 0});
        return lines;
    }

    Generator g;
    bool words = false;
};

struct Twin {
    LoggingPanel fastPanel;
    LoggingPanel referencePanel;
    Controller fast{fastPanel};
    Controller reference{referencePanel};

    void load(const std::vector<engine::LadderLine>& lines) {
        for (Controller* plc : {&fast, &reference}) {
            plc->setInstructionSet(engine::InstructionSet::Extended);
            loadProgram(*plc, lines);
        }
    }
    void compare() {
        static const std::vector<int> kBitBytes = [] {
            std::vector<int> bytes;
            for (int byte = 0; byte < engine::kWorkspaceSize; ++byte) {
                if (engine::addressAtByte(byte)) {
                    bytes.push_back(byte);
                }
            }
            return bytes;
        }();
        for (const int byte : kBitBytes) {
            if (fast.bit(byte) != reference.bit(byte) ||
                fast.difuLast(byte) != reference.difuLast(byte) ||
                fast.difdLast(byte) != reference.difdLast(byte)) {
                FAIL() << "bit or edge memory of "
                       << engine::bitAddressText(*engine::addressAtByte(byte));
            }
        }
        for (int n = 0; n < engine::kTimerSlots; ++n) {
            const auto unit = [n](const Controller& c) {
                return std::tuple(c.timValue(n), c.timReset(n), c.timHundredths(n), c.cntValue(n),
                                  c.cntLast(n), c.cntrDownLast(n));
            };
            ASSERT_EQ(unit(fast), unit(reference)) << "timer and counter " << n;
        }
        for (const engine::WordAddress word : words()) {
            ASSERT_EQ(fast.word(word), reference.word(word)) << engine::wordAddressText(word);
        }
        ASSERT_EQ(fastPanel.log, referencePanel.log);
    }
    // Every word the generated programs touch, and the channels whose bits the bit compare
    // already covers (read once more as words: the flags' channel 255 among them).
    static const std::vector<engine::WordAddress>& words() {
        static const std::vector<engine::WordAddress> list = [] {
            using engine::WordArea;
            std::vector<engine::WordAddress> all;
            for (const int n : {0, 1, 2, 6144}) {
                all.push_back({WordArea::Dm, n});
            }
            for (int n = 0; n < 20; ++n) {
                all.push_back({WordArea::Holding, n});
                all.push_back({WordArea::Work, n});
            }
            for (const int n : {0, 10, 20, 253, 254, 255}) {
                all.push_back({WordArea::Channel, n});
            }
            for (int n = 0; n < 8; ++n) {
                all.push_back({WordArea::TimerValue, n});
                all.push_back({WordArea::CounterValue, n});
            }
            return all;
        }();
        return list;
    }
    void step(Scan scan, int switches, std::uint64_t ms) {
        fastPanel.switches = referencePanel.switches = static_cast<std::uint16_t>(switches);
        fast.setClockMs(ms);
        reference.setClockMs(ms);
        ASSERT_EQ((fast.*scan)(), reference.scanReference());
        ASSERT_NO_FATAL_FAILURE(compare());
        if (ms % 10 == 0) {
            fast.hundredthTick();
            reference.hundredthTick();
        }
        if (ms % 100 == 0) {
            fast.tick();
            reference.tick();
        }
    }
};

TEST(ExtendedScanPaths, BehaveAsTheReference) {
    const std::pair<const char*, Scan> scans[] = {{"Scan", &Controller::scan},
                                                  {"Fused", &Controller::scanFused}};
    for (const auto& [name, scan] : scans) {
        for (int program = 0; program < 60; ++program) {
            ExtendedGenerator gen(static_cast<std::uint32_t>(program + 7));
            Twin twin;
            twin.load(gen.program(program % 4 == 3 ? 200 : 30));
            std::uint64_t ms = 0;
            for (int scanNo = 0; scanNo < 30; ++scanNo) {
                SCOPED_TRACE(std::string(name) + " program " + std::to_string(program) + " scan " +
                             std::to_string(scanNo));
                ms += static_cast<std::uint64_t>(gen.g.pick(1, 60));
                ASSERT_NO_FATAL_FAILURE(twin.step(scan, gen.g.pick(0, 15), ms));
            }
        }
    }
}

// Programs mostly of word instructions: fewer of them stop at an error, so that the words and
// flags go through many scans.
TEST(ExtendedScanPaths, WordProgramsBehaveAsTheReference) {
    const std::pair<const char*, Scan> scans[] = {{"Scan", &Controller::scan},
                                                  {"Fused", &Controller::scanFused}};
    for (const auto& [name, scan] : scans) {
        for (int program = 0; program < 50; ++program) {
            ExtendedGenerator gen(static_cast<std::uint32_t>(program + 1000), true);
            Twin twin;
            twin.load(gen.program(program % 4 == 3 ? 120 : 25));
            std::uint64_t ms = 0;
            for (int scanNo = 0; scanNo < 40; ++scanNo) {
                SCOPED_TRACE(std::string(name) + " word program " + std::to_string(program) +
                             " scan " + std::to_string(scanNo));
                ms += static_cast<std::uint64_t>(gen.g.pick(1, 60));
                ASSERT_NO_FATAL_FAILURE(twin.step(scan, gen.g.pick(0, 15), ms));
            }
        }
    }
}

} // namespace
} // namespace rungbox::test

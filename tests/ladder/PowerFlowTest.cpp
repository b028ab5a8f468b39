// SPDX-License-Identifier: GPL-3.0-or-later
// The power flow against the controller over random programs (fixed seeds): after every scan,
// the OUT or OUT NOT that last writes a relay shows what the relay holds; and where the relays
// have settled (a scan changes nothing), the wire into every coil carries exactly the power the
// scan computed for it, which checks the branches built from the block stack.

#include "LadderText.h"

#include "ladder/PowerFlow.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace rungbox::test {
namespace {

using ladder::Element;
using ladder::ElementKind;
using ladder::PowerFlow;

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <std::size_t N> const char* pick(const char* const (&words)[N]) {
        return words[pick(static_cast<int>(N))];
    }

    int contactRelay() {
        static constexpr int kRelays[] = {0, 1, 2, 3, 4, 5, 1000, 1001, 1002, 1003, 200, 201, 202};
        return kRelays[pick(static_cast<int>(std::size(kRelays)))];
    }

    /// Any mix of instructions the run accepts, outputs written by several lines.
    ProgramText anyProgram() {
        static constexpr const char* kContact[] = {"",         " NOT", " TIM",
                                                   " NOT TIM", " CNT", " NOT CNT"};
        ProgramText program;
        int depth = 0;
        const int length = 4 + pick(40);
        for (int i = 0; i < length; ++i) {
            const int kind = pick(10);
            const std::string suffix = pick(kContact);
            const bool timerOrCounter =
                suffix.find("TIM") != std::string::npos || suffix.find("CNT") != std::string::npos;
            const std::string operand = std::to_string(timerOrCounter ? pick(3) : contactRelay());
            if (kind <= 2 || depth == 0) {
                program.add("LD" + suffix + "|" + operand);
                ++depth;
            } else if (kind == 3) {
                program.add("AND" + suffix + "|" + operand);
            } else if (kind == 4) {
                program.add("OR" + suffix + "|" + operand);
            } else if (kind == 5) {
                program.add(pick({"AND BLK", "OR BLK"}));
                --depth;
            } else if (kind == 6) {
                program.add(std::string(pick({"OUT", "OUT NOT", "DIFU"})) + "|" +
                            std::to_string(1000 + pick(4)));
            } else if (kind == 7) {
                program.add("TIM|" + std::to_string(pick(3)) + "|" + std::to_string(pick(3)));
            } else if (kind == 8) {
                program.add("CNT|" + std::to_string(pick(3)) + "|" + std::to_string(pick(3)));
                --depth;
            } else if (depth >= 2) {
                const int first = 200 + pick(3);
                program.add("SFT|" + std::to_string(first) + "|" + std::to_string(first + pick(3)));
                depth -= 2;
            }
        }
        program.add("END");
        return program;
    }

    /// Contacts, blocks and each output relay written by one OUT or OUT NOT only.
    ProgramText settlingProgram() {
        ProgramText program;
        int depth = 0;
        int outputs = 0;
        const int length = 4 + pick(40);
        for (int i = 0; i < length; ++i) {
            const int kind = pick(8);
            const std::string operand = std::to_string(contactRelay());
            if (kind <= 1 || depth == 0) {
                program.add(std::string(pick({"LD", "LD NOT"})) + "|" + operand);
                ++depth;
            } else if (kind <= 3) {
                program.add(std::string(pick({"AND", "AND NOT", "OR", "OR NOT"})) + "|" + operand);
            } else if (kind <= 5) {
                program.add(pick({"AND BLK", "OR BLK"}));
                --depth;
            } else if (outputs < 6) {
                program.add(std::string(pick({"OUT", "OUT NOT"})) + "|" +
                            std::to_string(1000 + outputs++));
            }
        }
        program.add("END");
        return program;
    }

private:
    std::mt19937 m_random;
};

// For each relay `program` writes: the last line writing it and that line's code.
std::map<int, std::pair<int, std::string>> lastWrites(const ProgramText& program) {
    std::map<int, std::pair<int, std::string>> last;
    for (int line = 1; line <= program.size(); ++line) {
        const auto& cells = program.cells(line);
        const int location = engine::readNumber(cells[1]);
        if (cells[0] == "OUT" || cells[0] == "OUT NOT" || cells[0] == "DIFU") {
            last[location] = {line, cells[0]};
        } else if (cells[0] == "SFT") {
            const int end = engine::readNumber(cells[2]);
            for (int r = std::min(location, end); r <= std::max(location, end); ++r) {
                last[r] = {line, "SFT"};
            }
        }
    }
    return last;
}

TEST(PowerFlowTest, LastOutputOfEachRelayShowsTheRelay) {
    int checked = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        Generator random(seed);
        const ProgramText program = random.anyProgram();
        const ladder::Layout layout = program.layout();
        const auto last = lastWrites(program);
        RecordingPanel panel;
        engine::Controller plc(panel);
        program.load(plc);
        for (int scan = 0; scan < 20; ++scan) {
            panel.switches = static_cast<std::uint16_t>(random.pick(64));
            ASSERT_EQ(plc.scanReference(), 0) << "seed " << seed;
            const PowerFlow flow = PowerFlow::evaluate(layout, plc);
            for (const auto& [relay, write] : last) {
                const auto& [line, code] = write;
                if (code != "OUT" && code != "OUT NOT") {
                    continue;
                }
                const int e = layout.elementOfLine(line);
                ASSERT_GE(e, 0);
                EXPECT_EQ(flow.active(e), plc.relay(relay) == (code == "OUT"))
                    << "seed " << seed << " scan " << scan << " line " << line;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(PowerFlowTest, SettledWiresCarryWhatTheScanComputed) {
    int settled = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Generator random(seed);
        const ProgramText program = random.settlingProgram();
        const ladder::Layout layout = program.layout();
        RecordingPanel panel;
        engine::Controller plc(panel);
        program.load(plc);
        for (int round = 0; round < 4; ++round) {
            panel.switches = static_cast<std::uint16_t>(random.pick(64));
            // Scan until a scan changes no relay the program writes, or give up.
            for (int scan = 0; scan < 12; ++scan) {
                std::array<bool, 8> before{};
                for (int n = 0; n < 8; ++n) {
                    before[static_cast<std::size_t>(n)] = plc.relay(1000 + n);
                }
                ASSERT_EQ(plc.scanReference(), 0) << "seed " << seed;
                bool same = true;
                for (int n = 0; n < 8; ++n) {
                    same = same && before[static_cast<std::size_t>(n)] == plc.relay(1000 + n);
                }
                if (!same || scan == 0) {
                    continue;
                }
                const PowerFlow flow = PowerFlow::evaluate(layout, plc);
                for (std::size_t e = 0; e < layout.elements().size(); ++e) {
                    const Element& el = layout.elements()[e];
                    if (el.kind == ElementKind::Coil) {
                        EXPECT_EQ(flow.net(el.inNet), flow.active(static_cast<int>(e)))
                            << "seed " << seed << " line " << el.line;
                    }
                }
                ++settled;
                break;
            }
        }
    }
    EXPECT_GT(settled, 500);
}

} // namespace
} // namespace rungbox::test

// SPDX-License-Identifier: GPL-3.0-or-later
// rungbox-sim's VCD file against what its script printed: for random programs and scripts, the
// values the file gives at the time of each `show` (and each `relay` of a traced relay) are the
// ones printed there.

#include "sim/Runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace rungbox::test {
namespace {

// --- A small VCD reader --------------------------------------------------------------------------

class VcdFile {
public:
    explicit VcdFile(std::istream& in) {
        std::string word;
        std::map<std::string, std::string> nameOf; // identifier -> name
        std::uint64_t time = 0;
        bool definitions = true;
        while (in >> word) {
            if (definitions) {
                if (word == "$var") {
                    std::string type, width, id, name;
                    in >> type >> width >> id >> name;
                    nameOf[id] = name;
                } else if (word == "$enddefinitions") {
                    definitions = false;
                }
            } else if (word[0] == '#') {
                time = std::stoull(word.substr(1));
            } else if (word[0] == 'b') {
                std::string id;
                in >> id;
                m_changes[nameOf.at(id)].emplace_back(time, word.substr(1));
            } else if (word[0] == '0' || word[0] == '1' || word[0] == 'x') {
                m_changes[nameOf.at(word.substr(1))].emplace_back(time, word.substr(0, 1));
            }
        }
    }

    /// The value of `name` at `time` as a number (x as nothing).
    std::optional<int> at(const std::string& name, std::uint64_t time) const {
        std::optional<int> value;
        for (const auto& [t, text] : m_changes.at(name)) {
            if (t > time) {
                break;
            }
            value = text == "x" ? std::nullopt
                                : std::optional(static_cast<int>(
                                      static_cast<std::int16_t>(std::stoul(text, nullptr, 2))));
        }
        return value;
    }

private:
    std::map<std::string, std::vector<std::pair<std::uint64_t, std::string>>> m_changes;
};

// --- Random programs and scripts -----------------------------------------------------------------

class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_random(seed) {}

    int pick(int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(m_random);
    }

    // Programs whose outputs never write the input relays (so that the input lamps show them)
    // and whose timers and counters each have one line (so that the displays show their values).
    std::vector<std::array<std::string, 3>> program() {
        std::vector<std::array<std::string, 3>> lines;
        std::vector<int> units = {0, 1, 2, 3, 4, 5, 6, 7};
        std::shuffle(units.begin(), units.end(), m_random);
        const auto add = [&](std::string code, int a = -1, int b = -1) {
            lines.push_back(
                {std::move(code), a < 0 ? "" : std::to_string(a), b < 0 ? "" : std::to_string(b)});
        };
        const auto contact = [&](const std::string& word) {
            const int kind = pick(0, 9);
            const std::string negated = pick(0, 1) == 0 ? " NOT" : "";
            if (kind < 2) {
                add(word + negated + (kind == 0 ? " TIM" : " CNT"), pick(0, 7));
            } else {
                add(word + negated, source());
            }
        };
        for (int rungs = pick(3, 12); rungs > 0; --rungs) {
            const int kind = pick(0, 9);
            if (kind < 2 && !units.empty()) {
                contact("LD");
                add("TIM", take(units), pick(1, 40));
            } else if (kind < 4 && !units.empty()) {
                // Counters and timers share the unit numbers here only to keep each used once.
                contact("LD");
                contact("LD");
                add("CNT", take(units), pick(1, 5));
            } else if (kind < 5) {
                contact("LD");
                contact("LD");
                contact("LD");
                add("SFT", target(), target());
            } else {
                contact("LD");
                for (int n = pick(0, 3); n > 0; --n) {
                    contact(pick(0, 1) == 0 ? "AND" : "OR");
                }
                const char* const outs[] = {"OUT", "OUT NOT", "DIFU"};
                add(outs[pick(0, 2)], target());
            }
        }
        add("END");
        return lines;
    }

    std::string script(std::vector<int>& traced) {
        std::ostringstream s;
        traced = {target(), target()};
        for (const int a : traced) {
            s << "trace " << a << '\n';
        }
        s << "press\nshow\n";
        for (int group = pick(5, 25); group > 0; --group) {
            if (pick(0, 12) == 0) {
                s << "press\npress\nshow\n"; // a new run, after the one before
            }
            for (int n = pick(0, 3); n > 0; --n) {
                s << "in " << pick(0, 7) << ' ' << pick(0, 1) << '\n';
            }
            s << "wait " << pick(1, 300) << '\n';
            if (pick(0, 4) == 0) {
                s << "scan " << pick(1, 3) << '\n';
            } else if (pick(0, 4) == 0) {
                s << "tick\n";
            }
            s << "show\nrelay " << traced[static_cast<std::size_t>(pick(0, 1))] << '\n';
        }
        return s.str();
    }

private:
    int source() {
        const int pool = pick(0, 2);
        return pool == 0 ? pick(0, 7) : pool == 1 ? 100 + pick(0, 7) : 1000 + pick(0, 7);
    }
    int target() { return pick(0, 1) == 0 ? 100 + pick(0, 7) : 1000 + pick(0, 7); }
    static int take(std::vector<int>& units) {
        const int unit = units.back();
        units.pop_back();
        return unit;
    }

    std::mt19937 m_random;
};

std::string plcFile(const std::vector<std::array<std::string, 3>>& lines) {
    std::string text = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& line : lines) {
        for (const std::string& cell : line) {
            text += cell + "\r\n";
            if (cell == "END") {
                return text;
            }
        }
    }
    return text;
}

// The recording's time of each line the script prints while running, worked out from the
// script: each run starts one millisecond after the last sample of the run before; `wait` moves
// the clock, `tick` samples at the clock as it is, and each of `scan`'s scans takes the
// millisecond after the scan before when the clock has not moved, the rest of the run after it.
std::vector<std::optional<std::uint64_t>> printTimes(const std::string& script) {
    std::vector<std::optional<std::uint64_t>> times;
    std::istringstream lines(script);
    std::string line;
    bool running = false;
    std::uint64_t offset = 0;
    std::uint64_t clock = 0;
    std::uint64_t nextScan = 0;
    std::optional<std::uint64_t> lastSample;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string command;
        std::uint64_t count = 1;
        words >> command >> count;
        if (command == "press") {
            running = !running;
            if (running) {
                offset = lastSample ? *lastSample + 1 : 0;
                clock = 0;
                lastSample = offset;
                nextScan = offset + 1;
            }
        } else if (command == "wait" && running) {
            clock += count;
            lastSample = offset + clock;
            nextScan = offset + clock + 1;
        } else if (command == "scan" && running) {
            for (std::uint64_t k = 0; k < count; ++k) {
                offset = std::max(offset + clock, nextScan) - clock;
                nextScan = offset + clock + 1;
            }
            lastSample = offset + clock;
        } else if (command == "tick" && running) {
            lastSample = offset + clock;
        } else if (command == "show" || command == "relay") {
            times.push_back(running ? std::optional(offset + clock) : std::nullopt);
        }
    }
    return times;
}

TEST(VcdAgreement, TheFileGivesWhatShowPrintedAtItsTime) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("rungbox_vcd_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    int compared = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator generate(seed);
        const auto program = folder / "random.PLC";
        std::ofstream(program, std::ios::binary) << plcFile(generate.program());
        std::vector<int> traced;
        const std::string script = generate.script(traced);

        std::ostringstream out;
        std::ostringstream err;
        sim::Runner runner(out, err);
        ASSERT_TRUE(runner.load(program.string()));
        runner.recordRuns();
        std::istringstream in(script);
        ASSERT_EQ(runner.run(in), sim::Exit::Ok) << err.str() << script;
        const auto vcdPath = folder / "random.vcd";
        ASSERT_TRUE(runner.writeVcd(vcdPath.string()));
        std::ifstream vcdText(vcdPath);
        const VcdFile vcd(vcdText);

        const std::vector<std::optional<std::uint64_t>> times = printTimes(script);
        std::istringstream printed(out.str());
        std::string line;
        std::size_t k = 0;
        while (std::getline(printed, line)) {
            ASSERT_LT(k, times.size()) << line;
            const std::optional<std::uint64_t> time = times[k++];
            if (!time) {
                continue;
            }
            SCOPED_TRACE(line + " at " + std::to_string(*time));
            std::istringstream words(line);
            std::string word;
            if (line.starts_with("relay ")) {
                int address = 0;
                std::string equals;
                int value = 0;
                words >> word >> address >> equals >> value;
                const std::string name = address >= 1000 ? "out" + std::to_string(address - 1000)
                                                         : "relay" + std::to_string(address);
                EXPECT_EQ(vcd.at(name, *time), value);
                ++compared;
                continue;
            }
            while (words >> word) {
                const std::string field = word.substr(0, word.find('='));
                const std::string values = word.substr(field.size() + 1);
                if (field == "in" || field == "out") {
                    for (std::size_t n = 0; n < values.size(); ++n) {
                        EXPECT_EQ(vcd.at(field + std::to_string(n), *time), values[n] - '0') << n;
                    }
                } else {
                    std::istringstream items(values);
                    std::string item;
                    for (int n = 0; std::getline(items, item, ','); ++n) {
                        // Timer displays show tenths of a second: one tick is 0.1.
                        const int value = field == "tim"
                                              ? static_cast<int>(std::lround(std::stod(item) * 10))
                                              : std::stoi(item);
                        const std::string name = field + std::to_string(n);
                        EXPECT_EQ(vcd.at(name, *time), value) << name;
                        EXPECT_EQ(vcd.at(name + "_done", *time), value == 0 ? 1 : 0) << name;
                    }
                }
            }
            ++compared;
        }
        EXPECT_EQ(k, times.size());
    }
    std::filesystem::remove_all(folder);
    EXPECT_GT(compared, 400);
}

} // namespace
} // namespace rungbox::test

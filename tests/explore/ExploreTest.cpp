// SPDX-License-Identifier: GPL-3.0-or-later
// Comparisons and proofs over every input sequence: pairs known equivalent, pairs that differ
// only after long sequences (each counterexample replayed with rungbox-sim's runner on both
// programs), random pairs whose verdicts the runner confirms, shortest-ness against a brute-force
// search, the scan paths agreeing, the state limit, and properties of the example programs.

#include "engine/ScriptedController.h"
#include "explore/Comparison.h"
#include "explore/ExploreRun.h"
#include "explore/Proof.h"
#include "explore/RunRecording.h"
#include "sim/ExploreCommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

namespace rungbox::explore {
namespace {

namespace fs = std::filesystem;

// Program files written from the short text form, loaded and started as rungbox-sim starts them.
class Programs {
public:
    Programs() {
        m_dir = fs::temp_directory_path() /
                ("rungbox-explore-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir);
    }
    ~Programs() { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const std::string& text) {
        const fs::path path = m_dir / (name + ".PLC");
        std::ofstream file(path, std::ios::binary);
        file << "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
        for (const engine::LadderLine& line : test::parseProgram(text)) {
            file << line.code << "\r\n" << line.location << "\r\n";
            file << (line.setValue != 0 ? std::to_string(line.setValue) : "") << "\r\n";
        }
        return path.string();
    }

    const engine::Controller& start(const std::string& path) {
        auto& started = m_started.emplace_back(sim::startProgram(path, m_messages));
        EXPECT_EQ(started.status, sim::Exit::Ok) << path << ": " << m_messages.str();
        return started.runner->controller();
    }
    const engine::Controller& started(const std::string& name, const std::string& text) {
        return start(write(name, text));
    }

    // Writes `reference` and `candidate` as ref.PLC and cand.PLC and compares them to the end.
    std::unique_ptr<Comparison> compared(const std::string& reference,
                                         const std::string& candidate) {
        m_reference = write("ref", reference);
        m_candidate = write("cand", candidate);
        auto comparison =
            std::make_unique<Comparison>(start(m_reference), start(m_candidate), ExploreOptions{});
        comparison->run();
        return comparison;
    }
    // The reference of compared() passes `script`, and the candidate fails its expect line.
    void expectTellsApart(const std::string& script) {
        EXPECT_EQ(replay(m_reference, script), sim::Exit::Ok) << script;
        EXPECT_EQ(replay(m_candidate, script), sim::Exit::ExpectFailed) << script;
    }

    // Runs `script` on the program file `path`; answers the exit status.
    int replay(const std::string& path, const std::string& script) {
        sim::Runner runner(m_messages, m_messages);
        EXPECT_TRUE(runner.load(path));
        std::istringstream in(script);
        return runner.run(in);
    }

    // rungbox-sim's runner with the program file `path` loaded and started.
    std::unique_ptr<sim::Runner> running(const std::string& path) {
        auto runner = std::make_unique<sim::Runner>(m_messages, m_messages);
        EXPECT_TRUE(runner->load(path));
        std::istringstream press("press\n");
        EXPECT_EQ(runner->run(press), sim::Exit::Ok) << path << ": " << m_messages.str();
        return runner;
    }

private:
    fs::path m_dir;
    std::string m_reference; // compared()'s files
    std::string m_candidate;
    std::ostringstream m_messages;
    std::vector<sim::StartedProgram> m_started;
};

TEST(Compare, PairsWrittenDifferentlyAreEquivalent) {
    const std::pair<const char*, const char*> pairs[] = {
        // De Morgan
        {"LD NOT 0; AND NOT 1; OUT 1000; END", "LD 0; OR 1; OUT NOT 1000; END"},
        // OR BLK and AND BLK with their blocks swapped
        {"LD 0; AND 1; LD 2; AND 3; OR BLK; OUT 1000; END",
         "LD 2; AND 3; LD 1; AND 0; OR BLK; OUT 1000; END"},
        {"LD 0; OR 1; LD 2; OR 3; AND BLK; OUT 1000; END",
         "LD 2; OR 3; LD 0; OR 1; AND BLK; OUT 1000; END"},
        // a latch, and the same latch kept inverted through OUT NOT
        {"LD 0; OR 1000; AND NOT 1; OUT 1000; END",
         "LD NOT 0; AND NOT 2000; OR 1; OUT NOT 2000; LD 2000; OUT 1000; END"},
        // the same delay on another timer
        {"LD 0; TIM 0 3; LD TIM 0; OUT 1000; END", "LD 0; TIM 5 3; LD TIM 5; OUT 1000; END"},
    };
    for (const auto& [reference, candidate] : pairs) {
        Programs files;
        Comparison c(files.started("ref", reference), files.started("cand", candidate), {});
        c.run();
        EXPECT_EQ(c.verdict(), Comparison::Verdict::Equivalent) << candidate << '\n' << c.summary();
    }
}

TEST(Compare, FindsLateDifferencesThatReplayOnBothPrograms) {
    struct Case {
        const char* reference;
        const char* candidate;
        std::size_t shortest; ///< steps before padding
        const char* steps;    ///< the script's steps
    };
    const Case cases[] = {
        // the ninth count: eight rising edges need fifteen scans
        {"LD 0; LD 1; CNT 0 9; LD CNT 0; OUT 1000; END",
         "LD 0; LD 1; CNT 0 8; LD CNT 0; OUT 1000; END", 15,
         "press\nin 0 1\nscan\nin 0 0\nscan\nin 0 1\n"},
        // a timer running out: a scan to start it, then five ticks each after a scan
        // (at the clock's pace: a hundred scans before each tick, written as a wait)
        {"LD 0; TIM 0 6; LD TIM 0; OUT 1000; END", "LD 0; TIM 0 5; LD TIM 0; OUT 1000; END", 11,
         "press\nin 0 1\nwait 501\nexpect"},
        // a DIFU edge lasts one scan
        {"LD 0; DIFU 1000; END", "LD 0; OUT 1000; END", 2, "press\nin 0 1\nscan 2\nexpect"},
    };
    for (const Case& c : cases) {
        Programs files;
        const auto compared = files.compared(c.reference, c.candidate);
        Comparison& comparison = *compared;
        ASSERT_EQ(comparison.verdict(), Comparison::Verdict::Different) << c.candidate;
        EXPECT_EQ(comparison.shortest().size(), c.shortest) << c.candidate;
        EXPECT_EQ(comparison.counterexample().pace, Pace::Real);
        const std::vector<Step>& steps = comparison.counterexample().steps;
        EXPECT_TRUE(realClockRuns(steps)) << c.candidate;
        // Its diagram runs a scan a millisecond, a tick in the millisecond of its scan.
        const auto scans =
            std::count_if(steps.begin(), steps.end(), [](Step s) { return !s.tick; });
        EXPECT_EQ(recordRun(comparison.system(0), steps, 1, {1000})->lastMs(),
                  static_cast<std::uint64_t>(scans));
        const std::string script = comparison.script("ref", "cand");
        EXPECT_NE(script.find(c.steps), std::string::npos) << script;
        files.expectTellsApart(script);
    }
}

TEST(Compare, MarksADifferenceTheRealClockCannotProduce) {
    // The candidate also waits for ten scans, which the real clock always runs before a tick.
    Programs files;
    const std::string counter = "LD NOT 2000; OUT 2000; LD 2000; LD 2002; CNT 0 5; LD TIM 0; "
                                "AND CNT 0; OUT 1000; END";
    Comparison c(files.started("ref", "LD NOT 2001; TIM 0 1; LD TIM 0; OUT 1000; END"),
                 files.started("cand", "LD NOT 2001; TIM 0 1; " + counter), {});
    c.run();
    ASSERT_EQ(c.verdict(), Comparison::Verdict::Different);
    EXPECT_EQ(c.shortest().size(), 3U);
    EXPECT_EQ(c.counterexample().pace, Pace::Unreal);
    EXPECT_EQ(c.counterexample().steps, c.shortest());
    EXPECT_NE(c.summary().find("a real run cannot produce it"), std::string::npos);
    // With room for too few states to explore every real run, it is not settled.
    Comparison small(files.started("ref2", "LD NOT 2001; TIM 0 1; LD TIM 0; OUT 1000; END"),
                     files.started("cand2", "LD NOT 2001; TIM 0 1; " + counter), {{}, 0xFFFF, 50});
    small.run();
    ASSERT_EQ(small.verdict(), Comparison::Verdict::Different);
    EXPECT_EQ(small.counterexample().pace, Pace::Unsettled);
}

TEST(Compare, PacesACounterexampleAsARealRunTakesIt) {
    struct Case {
        const char* what;
        const char* reference;
        const char* candidate;
        const char* steps; ///< a part of the script
    };
    const Case cases[] = {
        {"the switch turned on a scan before the first tick: the counter has no time",
         "LD 0; TIM 0 1; LD TIM 0; OUT 1000; END",
         "LD 0; TIM 0 1; LD NOT 2000; OUT 2000; LD 2000; LD NOT 0; CNT 0 5; LD TIM 0; "
         "AND CNT 0; OUT 1000; END",
         "press\nwait 99\nin 0 1\nwait 2\nexpect relay 1000 1\n"},
        {"119 scans of sixty counts, then the timer: the clock ticks within them",
         "LD 0; LD 1; CNT 0 60; LD CNT 0; TIM 0 1; LD TIM 0; OUT 1000; END",
         "LD 0; LD 1; CNT 0 60; LD CNT 0; TIM 0 1; END",
         "in 0 1\nwait 82\nin 0 0\nwait 1\nexpect relay 1000 1\n"},
    };
    for (const Case& c : cases) {
        Programs files;
        const auto compared = files.compared(c.reference, c.candidate);
        Comparison& comparison = *compared;
        ASSERT_EQ(comparison.verdict(), Comparison::Verdict::Different) << c.what;
        EXPECT_EQ(comparison.counterexample().pace, Pace::Real) << c.what;
        EXPECT_TRUE(realClockRuns(comparison.counterexample().steps)) << c.what;
        const std::string script = comparison.script("ref", "cand");
        EXPECT_NE(script.find(c.steps), std::string::npos) << c.what << '\n' << script;
        files.expectTellsApart(script);
    }
}

TEST(Compare, SearchesAgainAtTheRealPaceWhereNoFillingShowsIt) {
    // A timer of one tick lights 1000 after a tick that follows a scan with switch 0 on. Neither
    // filling of "on, off, tick, on" keeps the switch on at the tick; a real run still lights it.
    Programs files;
    const char* timer = "LD 0; TIM 0 1; LD TIM 0; OUT 1000; END";
    Comparison c(files.started("a", timer), files.started("b", timer), {});
    auto& m = c.system(0);
    const auto lit = [&m] { return m.relay(1000); };
    const Step on{false, 1};
    const Step off{false, 0};
    const Step tick{true, 0};
    const Counterexample found = atRealPace({&m}, {on, off, tick, on}, lit, 1, kDefaultMaxStates);
    EXPECT_EQ(found.pace, Pace::Real);
    EXPECT_TRUE(realClockRuns(found.steps));
    EXPECT_EQ(found.steps.size(), 102U); // the shortest real one: on at the hundredth scan
    EXPECT_EQ(replay({&m}, found.steps, lit), found.steps.size());
}

TEST(Compare, TellsCoverageOnlyOfWhatWasExploredToTheEnd) {
    // The search stops at the candidate's ninth count, before the reference's tenth.
    Programs files;
    Comparison c(files.started("ref", "LD 0; LD 1; CNT 0 10; LD CNT 0; OUT 1000; END"),
                 files.started("cand", "LD 0; LD 1; CNT 0 9; LD CNT 0; OUT 1000; END"), {});
    c.run();
    ASSERT_EQ(c.verdict(), Comparison::Verdict::Different);
    EXPECT_NE(c.summary().find("\nReference outputs turned on: none (explored in part).\n"
                               "Candidate outputs turned on: 1000 (explored in part).\n"),
              std::string::npos)
        << c.summary();
}

// The shortest length of a sequence after whose last scan the systems' outputs differ, by trying
// every sequence of each length in turn; 0 when none up to `maxLength`.
std::size_t bruteForceShortest(TransitionSystem& a, TransitionSystem& b, std::uint16_t inputs,
                               std::size_t maxLength) {
    std::vector<Step> alphabet{Step{true, 0}};
    for (std::uint32_t v = 0; v < 65536; ++v) {
        if ((v & ~std::uint32_t{inputs}) == 0) {
            alphabet.push_back(Step{false, static_cast<std::uint16_t>(v)});
        }
    }
    const std::vector<TransitionSystem*> systems{&a, &b};
    for (std::size_t length = 1; length <= maxLength; ++length) {
        std::vector<std::size_t> digits(length, 0);
        while (true) {
            std::vector<Step> steps;
            bool valid = true;
            for (std::size_t i = 0; i < length; ++i) {
                steps.push_back(alphabet[digits[i]]);
                // A tick follows at least one scan since the last tick.
                valid = valid && !(steps[i].tick && (i == 0 || steps[i - 1].tick));
            }
            const auto differs = [&] {
                for (const int o : outputRelays()) {
                    if (a.relay(o) != b.relay(o)) {
                        return true;
                    }
                }
                return false;
            };
            if (valid && !steps.back().tick && replay(systems, steps, differs) == length) {
                return length;
            }
            std::size_t k = 0;
            while (k < length && ++digits[k] == alphabet.size()) {
                digits[k++] = 0;
            }
            if (k == length) {
                break;
            }
        }
    }
    return 0;
}

std::string smallProgram(std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* const contacts[] = {"LD", "AND", "OR", "AND NOT", "LD NOT"};
    const int relays[] = {0, 1, 100, 101, 1000, 1001};
    std::string text = "LD " + std::to_string(relays[pick(6)]);
    for (int n = 0; n < 7; ++n) {
        switch (pick(5)) {
        case 0:
            text += "; TIM 0 " + std::to_string(1 + pick(2)) + "; LD TIM 0";
            break;
        case 1:
            text += "; LD 1; CNT 1 " + std::to_string(1 + pick(2)) + "; LD CNT 1";
            break;
        case 2:
            text += "; DIFU " + std::to_string(100 + pick(2)) + "; LD 0";
            break;
        case 3:
            text += "; OUT " + std::to_string(relays[2 + pick(4)]);
            break;
        default:
            text += std::string("; ") + contacts[pick(5)] + ' ' + std::to_string(relays[pick(6)]);
            break;
        }
    }
    return text + "; OUT 1000; END";
}

TEST(Compare, CounterexamplesAreAsShortAsABruteForceSearchFinds) {
    std::mt19937 random(26);
    constexpr std::size_t kMaxLength = 6;
    int differences = 0;
    for (int round = 0; round < 40; ++round) {
        Programs files;
        const std::string a = smallProgram(random);
        const std::string b = smallProgram(random);
        Comparison c(files.started("a", a), files.started("b", b), {});
        c.run();
        ASSERT_NE(c.verdict(), Comparison::Verdict::Undecided);
        if (c.verdict() == Comparison::Verdict::ProgramError) {
            continue;
        }
        const std::size_t found =
            c.verdict() == Comparison::Verdict::Different ? c.shortest().size() : 0;
        const std::size_t expected =
            bruteForceShortest(c.system(0), c.system(1), c.explorer().variedInputs(), kMaxLength);
        EXPECT_EQ(found > kMaxLength ? 0 : found, expected) << a << '\n' << b;
        differences += found != 0 ? 1 : 0;
    }
    EXPECT_GT(differences, 10); // the search met many differences, not only equivalences
}

// A small random program over switches 0 and 1 whose contacts may read timers 2 and 3 and
// counters 2 and 3, which no line before END steps: only a TIM or CNT line after END loads them.
std::string randomBody(std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* const contacts[] = {"AND", "OR", "AND NOT", "OR NOT"};
    const int relays[] = {0, 1, 100, 101, 1000, 1001};
    std::string text = "LD " + std::to_string(relays[pick(6)]);
    for (int n = pick(6); n >= 0; --n) {
        const std::string contact = std::string("; ") + contacts[pick(4)];
        switch (pick(7)) {
        case 0:
            text += "; TIM " + std::to_string(pick(2)) + ' ' + std::to_string(1 + pick(3)) +
                    "; LD TIM " + std::to_string(pick(4));
            break;
        case 1:
            text += "; LD 1; CNT " + std::to_string(pick(2)) + ' ' + std::to_string(1 + pick(2)) +
                    "; LD CNT " + std::to_string(pick(4));
            break;
        case 2:
            text += "; DIFU " + std::to_string(100 + pick(2)) + "; LD 0";
            break;
        case 3:
            text += "; OUT " + std::to_string(relays[2 + pick(4)]);
            break;
        case 4:
            text += contact + (pick(2) == 0 ? " TIM " : " CNT ") + std::to_string(pick(4));
            break;
        default:
            text += contact + ' ' + std::to_string(relays[pick(6)]);
            break;
        }
    }
    return text + "; OUT 1000; END";
}

// Up to three TIM and CNT lines after END, whose set values a start loads.
std::string randomAfterEnd(std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::string text;
    for (int n = pick(4); n > 0; --n) {
        text += std::string(pick(2) == 0 ? "; TIM " : "; CNT ") + std::to_string(pick(4)) + ' ' +
                std::to_string(pick(3));
    }
    return text;
}

// Runs the same random steps (switches 0 and 1, scans and ticks) on both programs in
// rungbox-sim's runner, each from a press of the run button; answers a description of the
// first scan after which their outputs differ, or "" when none does.
std::string runnerDifference(Programs& files, const std::string& a, const std::string& b,
                             std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int sequence = 0; sequence < 3; ++sequence) {
        const auto runA = files.running(a);
        const auto runB = files.running(b);
        std::string steps;
        for (int step = 0; step < 150; ++step) {
            const int kind = pick(10);
            const std::string line = kind < 2   ? "tick\n"
                                     : kind < 5 ? "in " + std::to_string(pick(2)) + ' ' +
                                                      std::to_string(pick(2)) + "\nscan\n"
                                                : "scan\n";
            steps += line;
            std::istringstream inA(line);
            std::istringstream inB(line);
            EXPECT_EQ(runA->run(inA), sim::Exit::Ok);
            EXPECT_EQ(runB->run(inB), sim::Exit::Ok);
            for (const int o : outputRelays()) {
                if (runA->controller().relay(o) != runB->controller().relay(o)) {
                    return "relay " + std::to_string(o) + " differs after\n" + steps;
                }
            }
        }
    }
    return {};
}

TEST(Compare, VerdictsAgreeWithTheRunner) {
    // Pairs that share a body and differ after END, pairs of the same program, unrelated pairs,
    // and programs beside their own body without the lines after END. Each verdict is checked
    // with rungbox-sim's runner, not with the explorer's own model of the programs.
    std::mt19937 random(2026);
    std::map<Comparison::Verdict, int> verdicts;
    for (int round = 0; round < 80; ++round) {
        const std::string body = randomBody(random);
        const std::string after = randomAfterEnd(random);
        std::string reference = body + after;
        std::string candidate;
        switch (round % 4) {
        case 0:
            candidate = body + randomAfterEnd(random);
            break;
        case 1:
            candidate = reference;
            break;
        case 2:
            candidate = randomBody(random) + randomAfterEnd(random);
            break;
        default:
            candidate = body;
            break;
        }
        Programs files;
        const std::string ref = files.write("ref", reference);
        const std::string cand = files.write("cand", candidate);
        Comparison c(files.start(ref), files.start(cand), {{}, 0x3, 200000, ScanPath::Fast});
        c.run();
        ++verdicts[c.verdict()];
        const std::string pair = reference + '\n' + candidate + '\n';
        if (c.verdict() == Comparison::Verdict::Equivalent) {
            EXPECT_EQ(runnerDifference(files, ref, cand, random), "") << pair;
        } else if (c.verdict() == Comparison::Verdict::Different) {
            const std::string script = c.script("ref", "cand");
            EXPECT_EQ(files.replay(ref, script), sim::Exit::Ok) << pair << script;
            EXPECT_EQ(files.replay(cand, script), sim::Exit::ExpectFailed) << pair << script;
        }
    }
    EXPECT_GE(verdicts[Comparison::Verdict::Equivalent], 20);
    EXPECT_GE(verdicts[Comparison::Verdict::Different], 12);
    EXPECT_EQ(verdicts[Comparison::Verdict::Undecided], 0);
}

TEST(Compare, ScanPathsExploreAlike) {
    const std::string examples = RUNGBOX_EXAMPLES;
    Programs files;
    std::ifstream in(examples + "/traffic_light.PLC", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    text.replace(text.find("\r\n40\r\n"), 6, "\r\n41\r\n");
    const std::string variant = (fs::temp_directory_path() / "rungbox-explore-tl.PLC").string();
    std::ofstream(variant, std::ios::binary) << text;
    const engine::Controller& reference = files.start(examples + "/traffic_light.PLC");
    const engine::Controller& candidate = files.start(variant);
    std::vector<std::string> results;
    for (const ScanPath path : {ScanPath::Fast, ScanPath::Fused, ScanPath::Reference}) {
        Comparison c(reference, candidate, {{}, 0xFFFF, kDefaultMaxStates, path});
        c.run();
        EXPECT_EQ(c.verdict(), Comparison::Verdict::Different);
        results.push_back(c.summary() + std::to_string(c.counterexample().steps.size()));
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0], results[2]);
    fs::remove(variant);
}

TEST(Prove, PropertiesOfTheExamples) {
    struct Case {
        const char* program;
        const char* property;
        Proof::Verdict verdict;
    };
    const Case cases[] = {
        {"gate", "never 1000 & 1001", Proof::Verdict::Holds}, // the motor never runs both ways
        {"traffic_light", "never 1000 & 1001", Proof::Verdict::Holds},
        {"traffic_light", "always !1002 | 1000", Proof::Verdict::Violated},
        {"traffic_light", "never 1003", Proof::Verdict::Vacuous},
    };
    for (const Case& c : cases) {
        Programs files;
        const std::string path = std::string(RUNGBOX_EXAMPLES) + "/" + c.program + ".PLC";
        Proof proof(files.start(path), {*Property::parse(c.property)}, {});
        proof.run();
        EXPECT_EQ(proof.verdict(0), c.verdict) << c.program << ": " << c.property;
        if (c.verdict == Proof::Verdict::Violated) {
            EXPECT_EQ(files.replay(path, proof.script(0, c.program)), sim::Exit::Ok);
        }
    }
}

TEST(Prove, ACancelTellsWhatWasFoundAndExplored) {
    // Ten thousand counts make more states than a chunk explores; 1000 is on at the first scan.
    Programs files;
    ExploreRun run(files.started("count", "LD 0; LD 1; CNT 0 9999; LD 0; OUT 1000; END"),
                   {*Property::parse("never 1000"), *Property::parse("never 1001")});
    ASSERT_TRUE(run.advance());
    run.cancel();
    const std::string& result = run.resultText();
    EXPECT_EQ(result.rfind("Cancelled.\nViolated: never 1000 after 1 step\n"
                           "Not decided: never 1001 (holds for every sequence of up to ",
                           0),
              0U)
        << result;
    EXPECT_NE(result.find("Outputs turned on: 1000 (explored in part).\n"), std::string::npos)
        << result;
    EXPECT_EQ(run.script(), "# The shortest input sequence after which the program violates: "
                            "never 1000 (1 step).\n# The expect lines read the relays as the "
                            "violation leaves them.\npress\nin 0 1\nscan\nexpect relay 1000 1\n");
}

} // namespace
} // namespace rungbox::explore

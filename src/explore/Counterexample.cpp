// SPDX-License-Identifier: GPL-3.0-or-later
#include "Counterexample.h"

#include "Explorer.h"
#include "engine/AddressMap.h"

#include <algorithm>
#include <sstream>

namespace rungbox::explore {

std::optional<std::size_t> replay(const std::vector<TransitionSystem*>& systems,
                                  const std::vector<Step>& steps,
                                  const std::function<bool()>& shows) {
    for (TransitionSystem* m : systems) {
        m->restart();
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (TransitionSystem* m : systems) {
            if (m->run(steps[i]) != 0) {
                return std::nullopt;
            }
        }
        if (!steps[i].tick && shows()) {
            return i + 1;
        }
    }
    return std::nullopt;
}

namespace {

// Answers true when a scan shows what is sought, keeping the step that led there.
class ShowsJudge : public Judge {
public:
    explicit ShowsJudge(const std::function<bool()>& shows) : m_shows(shows) {}
    bool judge(const std::vector<TransitionSystem*>&, std::uint32_t from, const Step& step) override {
        m_from = from;
        m_step = step;
        return m_shows();
    }
    std::uint32_t from() const { return m_from; }
    const Step& step() const { return m_step; }

private:
    const std::function<bool()>& m_shows;
    std::uint32_t m_from = 0;
    Step m_step;
};

// Padding a sequence can go a few ways; these many are tried before exploring anew.
constexpr std::size_t kPacingsTried = 32;

} // namespace

Counterexample atRealPace(const std::vector<TransitionSystem*>& systems, const std::vector<Step>& shortest,
                          const std::function<bool()>& shows, std::uint16_t varied,
                          std::size_t maxStates) {
    if (realClockRuns(shortest)) {
        return {shortest, Pace::Real};
    }
    for (std::vector<Step>& paced : realPacings(shortest, kPacingsTried)) {
        if (const auto length = replay(systems, paced, shows)) {
            paced.resize(*length);
            return {paced, Pace::Real};
        }
    }
    ShowsJudge judge(shows);
    Explorer real(systems, judge, varied, maxStates, varied, Clock::Real);
    switch (real.run()) {
    case Outcome::Stopped:
        return {real.pathTo(judge.from(), judge.step()), Pace::Real};
    case Outcome::Complete:
        return {shortest, Pace::Unreal};
    case Outcome::Running:
    case Outcome::StateLimit:
    case Outcome::ProgramError:
        break;
    }
    return {shortest, Pace::Unsettled};
}

std::string paceNote(Pace pace) {
    switch (pace) {
    case Pace::Real:
        break;
    case Pace::Unreal:
        return "The sequence does not keep the real clock's pace (a tick right after every "
               "hundredth scan), and no real run shows the same: a real run cannot produce it.";
    case Pace::Unsettled:
        return "The sequence does not keep the real clock's pace (a tick right after every "
               "hundredth scan), and no real run showing the same was found within the state "
               "limit.";
    }
    return {};
}

namespace {

// Consecutive equal steps as "scan K" or "tick K".
void writeRun(std::ostream& out, const Step& step, int count) {
    out << (step.tick ? "tick" : "scan");
    if (count > 1) {
        out << ' ' << count;
    }
    out << '\n';
}

} // namespace

std::string stepCount(std::size_t steps) {
    return std::to_string(steps) + (steps == 1 ? " step" : " steps");
}

namespace {

// "in N 0|1" for every switch that differs between `from` and `to`.
void writeSwitches(std::ostream& out, std::uint16_t from, std::uint16_t to) {
    for (int n = 0; n < engine::kInputCount; ++n) {
        const unsigned bit = 1U << n;
        if (((from ^ to) & bit) != 0) {
            out << "in " << n << ' ' << ((to & bit) != 0 ? 1 : 0) << '\n';
        }
    }
}

// At the clock's pace the script waits: a scan each millisecond and the ticks where the clock
// puts them, so that the script reads as the run it stands for.
void writeWaits(std::ostream& out, const std::vector<Step>& steps) {
    std::uint16_t switches = 0; // a run starts with every switch off
    std::int64_t scans = 0;
    for (const Step& step : steps) {
        if (step.tick) {
            continue;
        }
        if (step.switches != switches) {
            if (scans > 0) {
                out << "wait " << scans << '\n';
            }
            writeSwitches(out, switches, step.switches);
            switches = step.switches;
            scans = 0;
        }
        ++scans;
    }
    if (scans > 0) {
        out << "wait " << scans << '\n';
    }
}

void writeSteps(std::ostream& out, const std::vector<Step>& steps) {
    std::uint16_t switches = 0;
    for (std::size_t i = 0; i < steps.size();) {
        const Step& step = steps[i];
        if (!step.tick && step.switches != switches) {
            writeSwitches(out, switches, step.switches);
            switches = step.switches;
        }
        std::size_t j = i + 1;
        while (j < steps.size() && steps[j] == step) {
            ++j;
        }
        writeRun(out, step, static_cast<int>(j - i));
        i = j;
    }
}

} // namespace

std::string scriptText(const std::vector<Step>& steps, const std::vector<std::string>& comments,
                       const std::vector<std::string>& expects) {
    std::ostringstream out;
    for (const std::string& comment : comments) {
        out << "# " << comment << '\n';
    }
    out << "press\n";
    const bool ticks =
        std::any_of(steps.begin(), steps.end(), [](const Step& step) { return step.tick; });
    if (ticks && realClockRuns(steps)) {
        writeWaits(out, steps);
    } else {
        writeSteps(out, steps);
    }
    for (const std::string& expect : expects) {
        out << expect << '\n';
    }
    return out.str();
}

} // namespace rungbox::explore

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line shared by `rungbox-sim compare` and `rungbox-sim prove`: options, then the
// files, and the programs started as a press would start them.

#include "Runner.h"
#include "explore/Comparison.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::sim {

/// Exit statuses of compare and prove beyond those of a script run (Exit).
namespace ExploreExit {
inline constexpr int Found = 5;     ///< a difference or a violation was found
inline constexpr int Undecided = 6; ///< the state limit was reached first
inline constexpr int Vacuous = 7;   ///< prove: a property passed without testing anything
/// A difference or a violation was found, but only off the real clock's pace: no real run shows
/// it, or none was found within the state limit (explore::Pace).
inline constexpr int OffPace = 8;
} // namespace ExploreExit

/// The largest --max-states: the state set numbers states in 32 bits, and this many joint states
/// already take gigabytes.
inline constexpr std::size_t kMaxStatesLimit = 100000000;

/// "1000,1002-1005": numbers and ranges separated by commas, each number from `low` to `high`,
/// ranges ascending. Nothing for anything else.
std::optional<std::vector<int>> parseRelayList(std::string_view text, int low, int high);

struct ExploreCommandLine {
    explore::ExploreOptions options;
    std::string scriptPath; ///< --script FILE; empty: standard output
    std::string vcdPath;    ///< --vcd FILE; empty: none
    std::vector<std::string> files;
    bool help = false;

    /// Reads `args` (the words after the command). Nothing, with the complaint printed on `err`,
    /// when they are not understood.
    static std::optional<ExploreCommandLine> parse(const std::vector<std::string>& args,
                                                   std::ostream& err);
};

/// A program file loaded and started as rungbox-sim's `press` starts it.
struct StartedProgram {
    std::unique_ptr<Runner> runner;
    int status = Exit::Ok; ///< Exit::Usage when not loaded, Exit::StartRefused when not started
                           ///< or not explorable (explore/Explorable.h)
};
/// Loads and starts `path`; messages (message boxes, complaints) go to `err`.
StartedProgram startProgram(const std::string& path, std::ostream& err);

/// Writes `text` to `path`, or says why not on `err`.
bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err);

/// Writes a VCD file of `steps` run on each system from its start, a scan a millisecond,
/// each system in the scope named beside it, recording the switches `inputs` (bit n for switch
/// n), the relays `relays` and the present values of the timers and counters each program has.
bool writeRunsVcd(const std::string& path,
                  const std::vector<std::pair<std::string, explore::TransitionSystem*>>& systems,
                  const std::vector<explore::Step>& steps, std::uint16_t inputs,
                  const std::vector<int>& relays, std::ostream& err);

} // namespace rungbox::sim

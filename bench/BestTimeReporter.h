// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks' console reporter: the usual table, and the best CPU time per iteration of each
// benchmark on the side. Each benchmark runs several times; the fastest run is the one least
// disturbed by whatever else the machine was doing, and CPU time, not wall time, for the same
// reason.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace rungbox::bench {

class BestTimeReporter : public benchmark::ConsoleReporter {
public:
    BestTimeReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

    /// The best CPU time in nanoseconds of each benchmark, by function name.
    std::map<std::string, double> bestNs;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.time_unit != benchmark::kNanosecond) {
                continue;
            }
            const double ns = run.GetAdjustedCPUTime();
            auto [it, added] = bestNs.emplace(run.run_name.function_name, ns);
            if (!added && ns < it->second) {
                it->second = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace rungbox::bench

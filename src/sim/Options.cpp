// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "ExploreCommandLine.h"

#include <algorithm>

namespace rungbox::sim {

bool Options::reportToStandardOutput() const {
    return std::any_of(reports.begin(), reports.end(),
                       [](const auto& report) { return report.second == "-"; });
}

namespace {

std::optional<ReportFormat> reportOption(const std::string& word) {
    for (const ReportFormat format :
         {ReportFormat::Tap, ReportFormat::Junit, ReportFormat::Json, ReportFormat::Csv}) {
        if (word == "--" + std::string(reportName(format))) {
            return format;
        }
    }
    return std::nullopt;
}

std::optional<int> jobCount(const std::string& word) {
    if (word.empty() || word.size() > 3 || word[0] == '0' ||
        word.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int count = std::stoi(word);
    return count <= kMaxJobs ? std::optional<int>(count) : std::nullopt;
}

std::optional<std::size_t> stateCount(const std::string& word) {
    if (word.empty() || word.size() > 9 || word[0] == '0' ||
        word.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const std::size_t count = std::stoul(word);
    return count <= kMaxStatesLimit ? std::optional<std::size_t>(count) : std::nullopt;
}

// Applies option `name` with `value`; false, with `error` set, when it is not one.
bool applyOption(Options& options, const std::string& name, const std::string& value, bool grade,
                 std::string& error) {
    if (const auto format = reportOption(name)) {
        const bool twice = std::any_of(options.reports.begin(), options.reports.end(),
                                       [&](const auto& report) { return report.first == *format; });
        if (twice) {
            error = name + " is given twice";
            return false;
        }
        options.reports.emplace_back(*format, value);
    } else if (name == "--test") {
        options.testName = value;
    } else if (name == "--vcd" && !grade) {
        options.vcdPath = value;
    } else if (name == "--names") {
        options.namesPath = value;
    } else if (name == "--vcd-dir" && grade) {
        options.vcdDir = value;
    } else if (name == "--jobs" && grade) {
        const auto jobs = jobCount(value);
        if (!jobs) {
            error =
                "--jobs takes a number from 1 to " + std::to_string(kMaxJobs) + ", not " + value;
            return false;
        }
        options.jobs = *jobs;
    } else if (name == "--pack" && grade) {
        options.packDir = value;
    } else if (name == "--max-states" && grade) {
        const auto states = stateCount(value);
        if (!states) {
            error = "--max-states takes a number from 1 to " + std::to_string(kMaxStatesLimit) +
                    ", not " + value;
            return false;
        }
        options.maxStates = *states;
    } else {
        error = "unknown option " + name;
        return false;
    }
    return true;
}

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, bool grade,
                                    std::string& error) {
    Options options;
    std::size_t k = 0;
    while (k < args.size() && args[k].size() > 2 && args[k].compare(0, 2, "--") == 0) {
        if (k + 1 >= args.size()) {
            error = args[k] + " takes a value";
            return std::nullopt;
        }
        if (!applyOption(options, args[k], args[k + 1], grade, error)) {
            return std::nullopt;
        }
        k += 2;
    }
    options.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(k), args.end());
    const auto toOut = std::count_if(options.reports.begin(), options.reports.end(),
                                     [](const auto& report) { return report.second == "-"; });
    if (toOut > 1) {
        error = "only one report can go to standard output";
        return std::nullopt;
    }
    return options;
}

} // namespace rungbox::sim

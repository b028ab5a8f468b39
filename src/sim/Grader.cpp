// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grader.h"

#include "Reports.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <sstream>
#include <thread>
#include <utility>

namespace rungbox::sim {

std::string vcdName(std::size_t position, std::size_t count, const std::string& path) {
    std::string number = std::to_string(position);
    const std::size_t width = std::max<std::size_t>(2, std::to_string(count).size());
    number.insert(0, width - std::min(width, number.size()), '0');
    std::string name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        c = plain ? c : '_';
    }
    return number + '-' + name + ".vcd";
}

ProgramRun runProgram(Runner& runner, const Script& script, const std::string& path,
                      const names::NameTable* names, bool record) {
    if (!runner.load(path)) {
        return {failedProgram(script, path, Exit::Usage,
                              "the program could not be loaded: " + runner.lastMessage()),
                false};
    }
    if (names != nullptr) {
        runner.useNames(*names);
    }
    if (record) {
        runner.recordRuns();
    }
    const int status = runner.run(script);
    return {{path, status, runner.reportedResults(), {}}, true};
}

ProgramResult gradeProgram(const Script& script, const std::string& path, std::size_t position,
                           std::size_t count, const GradeRequest& request) {
    const std::string& vcdDir = request.vcdDir;
    std::ostringstream printed;
    // The controller's memory and the grid are large; keep them off the thread's stack.
    auto runner = std::make_unique<Runner>(printed, printed);
    ProgramRun run = runProgram(*runner, script, path, request.names, !vcdDir.empty());
    std::vector<ProgramResult> results{std::move(run.result)};
    if (!request.onlyTest.empty()) {
        keepOnlyTest(results, request.onlyTest);
    }
    ProgramResult& result = results.front();
    if (run.loaded && !vcdDir.empty() && result.firstFailure() != nullptr) {
        const std::string file = vcdDir + '/' + vcdName(position, count, path);
        result.vcd = runner->writeVcd(file) ? file : "";
    }
    return std::move(result);
}

std::vector<ProgramResult> gradePrograms(const Script& script,
                                         const std::vector<std::string>& paths,
                                         const GradeRequest& request) {
    std::vector<ProgramResult> results(paths.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&]() {
        for (std::size_t k = next++; k < paths.size(); k = next++) {
            results[k] = gradeProgram(script, paths[k], k + 1, paths.size(), request);
        }
    };
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t threads =
        std::min(paths.size(),
                 request.jobs > 0 ? static_cast<std::size_t>(request.jobs) : std::size_t{cores});
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& thread : pool) {
        thread.join();
    }
    return results;
}

} // namespace rungbox::sim

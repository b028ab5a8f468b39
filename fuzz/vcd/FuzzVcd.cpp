// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a value change dump (the page reads one a worker wrote for a counterexample's
// timing diagram). Whatever they say, the reader answers recordings or a reason, never both; a
// recording read holds valid signals, and written again and read back it is the same.

#include "FuzzSupport.h"

#include "trace/VcdReader.h"
#include "trace/VcdWriter.h"

#include <sstream>

using namespace rungbox;

namespace {

void checkRun(const trace::VcdRun& run) {
    const trace::Recorder& recorder = *run.recorder;
    fuzz::require(!run.scope.empty(), "a scope has a name");
    fuzz::require(recorder.signalList().size() <= trace::Recorder::kMaxSignals,
                  "at most the recorder's signals");
    for (const trace::Signal& signal : recorder.signalList()) {
        fuzz::require(signal.valid(), "every signal read is valid");
    }
    if (recorder.empty()) {
        return;
    }
    fuzz::require(recorder.firstMs() <= recorder.lastMs(), "time goes forward");
    std::ostringstream text;
    trace::VcdWriter(text).write(recorder);
    std::string error;
    const std::vector<trace::VcdRun> again = trace::readVcd(text.str(), error);
    fuzz::require(again.size() == 1 && error.empty(), "a recording written reads back");
    fuzz::require(again[0].recorder->signalList() == recorder.signalList(), "the same signals");
    fuzz::require(again[0].recorder->valuesAt(recorder.lastMs()) ==
                      recorder.valuesAt(recorder.lastMs()),
                  "the same values at the end");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::vector<trace::VcdRun> runs = trace::readVcd(text, error);
    fuzz::require(runs.empty() || error.empty(), "recordings or a reason, not both");
    fuzz::require(!runs.empty() || !error.empty() || text.find("$enddefinitions") != text.npos,
                  "nothing read says why");
    fuzz::require(runs.size() <= trace::kMaxVcdRuns, "at most the scopes allowed");
    for (const trace::VcdRun& run : runs) {
        checkRun(run);
    }
    return 0;
}

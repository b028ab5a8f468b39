// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a names file and the signal texts a timing diagram is given to add or remove
// (the page takes them from the user and from names carried by share links). The part before
// the first NUL is the names file; each line after it is a text, added when it starts with '+',
// removed otherwise. Whatever they say, a signal found reads back from its own name, the rows
// shown are distinct and within the recorder's list, and every refusal says why. The names are
// read as a classic and as an extended program's, whose texts name any bit in the notation.

#include "FuzzSupport.h"

#include "names/NamesFile.h"
#include "trace/SignalRows.h"

#include <algorithm>

using namespace rungbox;

namespace {

// Fuzzed inputs add at most this many texts: enough to reach the recorder's signal limit.
constexpr std::size_t kMaxTexts = 600;

void checkRows(const trace::Recorder& recorder, const std::vector<std::size_t>& rows) {
    std::vector<std::size_t> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    fuzz::require(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(),
                  "no row is shown twice");
    fuzz::require(sorted.empty() || sorted.back() < recorder.signalList().size(),
                  "every row is a recorded signal");
}

void check(std::string_view bytes, engine::InstructionSet set) {
    const std::size_t split = std::min(bytes.find('\0'), bytes.size());
    const names::NameTable table = names::readNamesFile(bytes.substr(0, split), set).table;
    const std::vector<trace::Signal> used = {{trace::SignalKind::Relay, 0},
                                             {trace::SignalKind::TimerValue, 1}};
    trace::Recorder recorder;
    trace::SignalRows rows;
    std::string_view rest = split < bytes.size() ? bytes.substr(split + 1) : std::string_view();
    for (std::size_t n = 0; !rest.empty() && n < kMaxTexts; ++n) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest = end < rest.size() ? rest.substr(end + 1) : std::string_view();
        const bool add = !line.empty() && line.front() == '+';
        const std::string_view text = add ? line.substr(1) : line;
        if (const auto signal = trace::parseSignal(text, table)) {
            fuzz::require(signal->valid(), "a signal found is valid");
            fuzz::require(trace::parseSignal(signal->name(), table) == signal,
                          "a signal reads back from its name");
        }
        const std::string refusal =
            add ? rows.add(recorder, used, text, &table) : rows.remove(recorder, text, &table);
        fuzz::require(refusal.empty() || refusal.back() == '.', "a refusal is a sentence");
        checkRows(recorder, rows.rows(recorder, used));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes, engine::InstructionSet::Classic);
    check(bytes, engine::InstructionSet::Extended);
    return 0;
}

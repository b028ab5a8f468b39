// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalRows.h"

#include "editor/UsedAddresses.h"

#include "engine/AddressMap.h"
#include "engine/Instruction.h"
#include "engine/LineSyntax.h"

#include <algorithm>

namespace rungbox::trace {

namespace {

template <typename T> bool contains(const std::vector<T>& list, const T& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::optional<Signal> named(std::string_view text, const names::NameTable* names) {
    return names != nullptr ? parseSignal(text, *names) : parseSignal(text);
}

} // namespace

namespace {

// An extended program's lines name their bits in the notation: one Bit (or relay, or done bit)
// per address, and a timer's or counter's present value where one of 0 to 7 has a display.
std::vector<Signal> extendedProgramSignals(const editor::CodeGrid& grid) {
    std::vector<Signal> used;
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        const auto address = editor::addressOfLine(grid, line);
        if (!address) {
            continue;
        }
        const Signal done = bitSignal(address->bit());
        if (done.kind == SignalKind::TimerDone || done.kind == SignalKind::CounterDone) {
            used.push_back({done.kind == SignalKind::TimerDone ? SignalKind::TimerValue
                                                               : SignalKind::CounterValue,
                            done.index});
        }
        used.push_back(done);
    }
    const std::vector<Signal> words = programWords(grid);
    used.insert(used.end(), words.begin(), words.end());
    return used;
}

// The cell that holds operand `index` of a word instruction on `line`: LOCATION, "###", or the
// LOCATION of the operand line below.
const std::string& operandCell(const editor::CodeGrid& grid, int line, int index) {
    static const std::string kNone;
    if (index == 2) {
        return line < engine::kLastCodeLine ? grid.text(line + 1, editor::kLocationCol) : kNone;
    }
    return grid.text(line, index == 0 ? editor::kLocationCol : editor::kSetValueCol);
}

} // namespace

std::vector<Signal> programWords(const editor::CodeGrid& grid) {
    std::vector<Signal> words;
    if (!grid.extended()) {
        return words;
    }
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        const std::string& code = grid.text(line, editor::kCodeCol);
        const engine::OpCode op = engine::decodeForm(code, engine::InstructionSet::Extended).op;
        if (op == engine::OpCode::End) {
            break;
        }
        const int destination = engine::wordOperandRule(op).destination;
        const auto word = destination >= 0
                              ? engine::parseWordAddress(operandCell(grid, line, destination))
                              : std::nullopt;
        if (word && !word->readOnly() && !contains(words, wordSignal(*word))) {
            words.push_back(wordSignal(*word));
        }
    }
    return words;
}

std::vector<Signal> programSignals(const editor::CodeGrid& grid) {
    if (grid.extended()) {
        return extendedProgramSignals(grid);
    }
    std::vector<Signal> used;
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        const std::string& code = grid.text(line, editor::kCodeCol);
        if (code == "END") {
            break;
        }
        const std::string& location = grid.text(line, editor::kLocationCol);
        if (location.empty()) {
            continue;
        }
        const int n = engine::readNumber(location);
        if (code.find("TIM") != std::string::npos) {
            used.push_back({SignalKind::TimerValue, n});
            used.push_back({SignalKind::TimerDone, n});
        } else if (code.find("CNT") != std::string::npos) {
            used.push_back({SignalKind::CounterValue, n});
            used.push_back({SignalKind::CounterDone, n});
        } else {
            used.push_back({SignalKind::Relay, n});
        }
    }
    return used;
}

std::vector<std::size_t> SignalRows::rows(const Recorder& recorder,
                                          const std::vector<Signal>& used) const {
    if (used.empty()) {
        return {};
    }
    const std::vector<Signal>& list = recorder.signalList();
    std::vector<std::size_t> rows;
    for (const bool program : {true, false}) {
        for (std::size_t p = 0; p < list.size(); ++p) {
            const bool inProgram = contains(used, list[p]);
            if (program ? inProgram : !inProgram && contains(m_added, list[p])) {
                rows.push_back(p);
            }
        }
    }
    return rows;
}

std::string SignalRows::add(Recorder& recorder, const std::vector<Signal>& used,
                            std::string_view text, const names::NameTable* names) {
    if (text.empty()) {
        return "Type the signal to add first: " + std::string(kSignalHelp) + ".";
    }
    const auto signal = named(text, names);
    if (!signal) {
        return "Not a signal: \"" + std::string(text) + "\"; give " + std::string(kSignalHelp) +
               ".";
    }
    const auto position = recorder.find(*signal);
    const std::vector<std::size_t> shown = rows(recorder, used);
    if (position && (shown.empty() || contains(shown, *position))) {
        return signal->name() + " is shown already.";
    }
    recorder.add(*signal); // a hidden one is recorded already
    m_added.push_back(*signal);
    return {};
}

std::string SignalRows::remove(Recorder& recorder, std::string_view text,
                               const names::NameTable* names) {
    if (text.empty()) {
        return QT_TRANSLATE_NOOP("Trace", "Type the signal to remove first.");
    }
    const auto signal = named(text, names);
    if (!signal || !recorder.remove(*signal)) {
        return "Not shown: \"" + std::string(text) + "\".";
    }
    m_added.erase(std::remove(m_added.begin(), m_added.end(), *signal), m_added.end());
    return {};
}

std::string recordingStatus(const Tracing& tracing, std::optional<std::uint64_t> cursorMs) {
    const Recorder& recorder = tracing.recorder();
    if (recorder.empty()) {
        return tracing.on() ? QT_TRANSLATE_NOOP("Trace", "Recording: the next run is recorded.")
                            : QT_TRANSLATE_NOOP("Trace", "Not recording: press Record, then run.");
    }
    return (tracing.on() ? "Recording · " : "Not recording · ") +
           recordedStatus(recorder, cursorMs);
}

std::string recordedStatus(const Recorder& recorder, std::optional<std::uint64_t> cursorMs) {
    if (recorder.empty()) {
        return QT_TRANSLATE_NOOP("Trace", "Nothing recorded.");
    }
    std::string text = std::to_string(recorder.signalList().size()) + " signals · " +
                       std::to_string(recorder.firstMs()) + " to " +
                       std::to_string(recorder.lastMs()) + " ms, " +
                       std::to_string(recorder.lastScan()) + " scans";
    if (recorder.truncated()) {
        text +=
            " · older part dropped: complete from " + std::to_string(recorder.firstMs()) + " ms";
    }
    if (cursorMs) {
        const auto scan = recorder.scanAt(*cursorMs);
        text += " · cursor " + std::to_string(*cursorMs) + " ms, scan " +
                std::to_string(scan ? *scan : 0);
    }
    return text;
}

} // namespace rungbox::trace

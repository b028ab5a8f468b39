// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebCheck.h"

#include "Json.h"
#include "files/LadderFile.h"
#include "names/NamesFile.h"
#include "trace/VcdReader.h"
#include "trace/VcdWriter.h"

#include <sstream>

namespace rungbox::wasm {

std::string WebCheck::check(const std::vector<std::string>& cells, bool extended,
                            const std::string& bytes, const std::string& namesBytes,
                            std::function<void(std::uint64_t)> progress) {
    std::istringstream in(bytes);
    // Read and run with the program's names, as rungbox-sim reads a script beside its names.
    const names::NameTable names = names::readNamesFile(namesBytes).table;
    const sim::Script script = sim::readScript(in, names);
    editor::CodeGrid grid;
    grid.setInstructionSet(extended ? engine::InstructionSet::Extended
                                    : engine::InstructionSet::Classic);
    files::placeFields(grid, cells);
    // Recorded, so that a failed test's run can be shown in a timing diagram.
    m_check.run(script, grid, names, true, std::move(progress));
    m_shown.reset();
    m_focused.clear();
    ++m_runs;
    return checkJson(m_check);
}

std::string WebCheck::runsVcd() {
    const trace::Recorder* recorded = recording();
    if (recorded == nullptr) {
        return {};
    }
    std::ostringstream out;
    trace::VcdWriter(out).write(*recorded);
    return out.str();
}

void WebCheck::showRuns(const std::string& bytes) {
    std::string error;
    std::vector<trace::VcdRun> runs = trace::readVcd(bytes, error);
    m_shown = runs.empty() ? std::make_unique<trace::Recorder>(std::vector<trace::Signal>())
                           : std::move(runs.front().recorder);
    ++m_runs;
}

const trace::Recorder* WebCheck::recording() {
    if (m_shown) {
        return m_shown.get();
    }
    return m_check.runner() ? &m_check.runner()->recorder() : nullptr;
}

bool WebCheck::focus(const std::string& signalNames) {
    trace::Recorder* shown =
        m_shown ? m_shown.get() : (m_check.runner() ? &m_check.runner()->recorder() : nullptr);
    if (shown == nullptr) {
        return false;
    }
    m_focused.clear();
    std::istringstream words(signalNames);
    std::string word;
    while (words >> word) {
        if (const auto signal = trace::parseSignal(word)) {
            m_focused.push_back(*signal);
        }
    }
    shown->putFirst(m_focused);
    return !m_focused.empty();
}

std::string checkJson(const sim::ScriptCheck& check) {
    std::string out = "{\"score\":";
    appendJsonString(out, l10n::english(check.scoreText()));
    out += ",\"scoreMessage\":" + textMessageJson(check.scoreText());
    out += ",\"message\":";
    appendJsonString(out, l10n::english(check.message()));
    out += ",\"messageMessage\":" + textMessageJson(check.message());
    out += ",\"tests\":[";
    bool first = true;
    std::size_t index = 0;
    for (const sim::CheckRow& row : check.rows()) {
        const std::size_t at = index++;
        out += first ? "{\"name\":" : ",{\"name\":";
        first = false;
        appendJsonString(out, row.name);
        out += std::string(",\"passed\":") + (row.passed ? "true" : "false");
        out += std::string(",\"hidden\":") + (row.hidden ? "true" : "false");
        out += ",\"points\":";
        appendJsonString(out, row.points);
        out += ",\"expected\":";
        appendJsonString(out, row.expected);
        out += ",\"got\":";
        appendJsonString(out, row.got);
        out += ",\"when\":";
        appendJsonString(out, row.when);
        if (row.failureMs) {
            out += ",\"failureMs\":" + std::to_string(*row.failureMs);
            // What the failed line read, so that the page can show it first (WebCheck::focus).
            std::string signals;
            for (const trace::Signal& s : check.runner()->results()[at].failure.signalsRead) {
                signals += (signals.empty() ? "" : " ") + s.name();
            }
            out += ",\"signals\":";
            appendJsonString(out, signals);
        }
        out += '}';
    }
    return out + "]}";
}

} // namespace rungbox::wasm

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebExplore.h"

#include "Json.h"
#include "explore/Property.h"
#include "l10n/Mark.h"
#include "names/NamesFile.h"
#include "trace/VcdWriter.h"

#include <cctype>
#include <sstream>

namespace rungbox::wasm {

namespace {

// The name the page's program goes by in the result and the script, as in the window.
constexpr const char* kCandidateName = "the program in the grid";

} // namespace

bool WebExplore::start(explore::StartedController& into, const std::string& name,
                       const std::string& bytes) {
    m_files.offer(name, bytes);
    const bool started = into.start(name, m_files, m_boxes);
    m_files.clearOffers();
    return started;
}

bool WebExplore::compare(const std::string& referenceName, const std::string& referenceBytes,
                         const std::string& candidateBytes) {
    m_run.reset();
    m_refusal.clear();
    explore::StartedController reference;
    explore::StartedController candidate;
    if (!start(reference, referenceName, referenceBytes) ||
        !start(candidate, kCandidateName, candidateBytes)) {
        return false;
    }
    m_run = std::make_unique<explore::ExploreRun>(reference.controller(), referenceName,
                                                  candidate.controller(), kCandidateName);
    return true;
}

bool WebExplore::prove(const std::string& programBytes, const std::string& properties,
                       const std::string& namesBytes) {
    m_run.reset();
    m_refusal.clear();
    const names::NameTable names = names::readNamesFile(namesBytes).table;
    explore::PropertyList list = explore::parseProperties(properties, &names);
    if (!list.error.empty() || list.properties.empty()) {
        m_refusal = list.error.empty() ? QT_TRANSLATE_NOOP("Explore", "No property.") : list.error;
        return false;
    }
    explore::StartedController program;
    if (!start(program, "the program", programBytes)) {
        m_refusal = QT_TRANSLATE_NOOP("Explore", "The program cannot start.");
        return false;
    }
    m_run = std::make_unique<explore::ExploreRun>(program.controller(), std::move(list.properties));
    return true;
}

void WebExplore::cancel() {
    if (m_run) {
        m_run->cancel();
    }
}

std::string WebExplore::runsVcd() const {
    if (!m_run || m_run->runs().empty()) {
        return {};
    }
    std::vector<trace::VcdWriter::Part> parts;
    for (const auto& [caption, recorder] : m_run->runs()) {
        // A scope is a word: the caption's first, in lower case ("Violation of ..." -> violation).
        std::string scope = caption.substr(0, caption.find(' '));
        for (char& c : scope) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        parts.push_back({scope, recorder.get()});
    }
    std::ostringstream out;
    trace::VcdWriter(out).write(parts);
    return out.str();
}

std::string WebExplore::runNames() const {
    std::string out = "[";
    if (m_run) {
        for (const auto& run : m_run->runs()) {
            out += out.size() > 1 ? "," : "";
            appendJsonString(out, run.first);
        }
    }
    return out + "]";
}

std::string WebExplore::takeMessages() {
    return messagesJson(m_boxes.takeMessages());
}

} // namespace rungbox::wasm

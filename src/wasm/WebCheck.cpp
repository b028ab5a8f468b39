// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebCheck.h"

#include "Json.h"

#include <sstream>

namespace rungbox::wasm {

std::string WebCheck::check(const std::string& bytes) {
    std::istringstream in(bytes);
    const sim::Script script = sim::readScript(in);
    // Recorded, so that a failed test's run can be shown in a timing diagram.
    m_check.run(script, m_web.session().grid(), true);
    m_focused.clear();
    ++m_runs;
    return checkJson(m_check);
}

bool WebCheck::focus(unsigned index) {
    if (!m_check.focus(index)) {
        return false;
    }
    m_focused = m_check.runner()->results()[index].failure.signalsRead;
    return true;
}

std::string checkJson(const sim::ScriptCheck& check) {
    std::string out = "{\"score\":";
    appendJsonString(out, check.scoreText());
    out += ",\"message\":";
    appendJsonString(out, check.message());
    out += ",\"tests\":[";
    bool first = true;
    for (const sim::CheckRow& row : check.rows()) {
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
        }
        out += '}';
    }
    return out + "]}";
}

} // namespace rungbox::wasm

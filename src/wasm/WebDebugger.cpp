// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebDebugger.h"

#include "Json.h"
#include "debug/Registers.h"
#include "engine/AddressMap.h"

namespace rungbox::wasm {

namespace {

void appendNumberField(std::string& out, const char* name, long long value) {
    out += '"';
    out += name;
    out += "\":" + std::to_string(value) + ',';
}

void appendTextField(std::string& out, const char* name, std::string_view value) {
    out += '"';
    out += name;
    out += "\":";
    appendJsonString(out, value);
    out += ',';
}

// Closes a JSON array or object whose last member left a comma behind.
void closeList(std::string& out, char bracket) {
    if (out.back() == ',') {
        out.pop_back();
    }
    out += bracket;
}

// Bit n set when relay first + n is forced, for the sixteen lamps of a row.
int lockedBits(const engine::Controller& plc, int first) {
    int bits = 0;
    for (int n = 0; n < engine::kInputCount; ++n) {
        if (plc.forced(first + n)) {
            bits |= 1 << n;
        }
    }
    return bits;
}

} // namespace

WebDebugger::WebDebugger(WebSession& web) : m_web(web), m_session(web.session()) {
    m_session.addListener(this);
}

WebDebugger::~WebDebugger() {
    m_session.removeListener(this);
}

void WebDebugger::togglePause() {
    debug::Debugger& debugger = m_session.debugger();
    debugger.setPaused(!debugger.paused());
}

void WebDebugger::toggleBreakpoint(int line) {
    if (line >= 1 && line <= engine::kLastCodeLine) {
        m_session.debugger().toggleBreakpoint(line);
    }
}

std::string WebDebugger::stateJson() const {
    const debug::Debugger& debugger = m_session.debugger();
    const engine::Controller& plc = m_session.controller();
    std::string out = "{";
    appendNumberField(out, "running", m_session.running() ? 1 : 0);
    appendNumberField(out, "paused", debugger.paused() ? 1 : 0);
    appendNumberField(out, "currentLine", debugger.currentLine());
    out += "\"breakpoints\":[";
    for (const int line : debugger.breakpointLines()) {
        out += std::to_string(line) + ',';
    }
    closeList(out, ']');
    out += ',';
    appendTextField(out, "registers", debug::registerText(debugger));
    appendNumberField(out, "lockedInputs", lockedBits(plc, 0));
    appendNumberField(out, "lockedOutputs", lockedBits(plc, engine::kFirstOutputRelay));
    closeList(out, '}');
    return out;
}

std::string WebDebugger::diagramMarksJson() const {
    const session::LadderDiagram& diagram = m_web.diagram();
    const session::DebugMarks& marks = diagram.marks();
    const auto& elements = diagram.monitor().layout().elements();
    std::string lines;
    std::string breakpoints;
    std::string forced;
    for (std::size_t e = 0; e < elements.size(); ++e) {
        const ladder::Element& el = elements[e];
        const bool marked = el.line > 0 && el.kind != ladder::ElementKind::Mark;
        lines += std::to_string(marked ? el.line : 0) + ',';
        if (!marked) {
            continue;
        }
        if (marks.breakpoint(el.line)) {
            breakpoints += std::to_string(e) + ',';
        }
        const std::optional<int> byte = ladder::forceByte(el);
        if (const int value = byte ? marks.forced(*byte) : -1; value >= 0) {
            forced += '[' + std::to_string(e) + ',' + std::to_string(value) + "],";
        }
    }
    std::string out = "{\"lines\":[" + lines;
    closeList(out, ']');
    out += ",\"breakpoints\":[" + breakpoints;
    closeList(out, ']');
    out += ",\"forced\":[" + forced;
    closeList(out, ']');
    return out + '}';
}

bool WebDebugger::addEntry(const std::string& text) {
    const debug::TypedEntry read = debug::readTypedEntry(text, &m_session.names());
    m_refusal = read.refusal;
    if (!read.entry) {
        return false;
    }
    m_watch.add(*read.entry);
    ++m_revision;
    return true;
}

void WebDebugger::removeEntry(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_watch.entries().size()) {
        m_watch.remove(static_cast<std::size_t>(index));
        ++m_revision;
    }
}

bool WebDebugger::forceEntry(int index, int value) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_watch.entries().size() ||
        !m_session.running()) {
        return false;
    }
    const debug::WatchEntry& entry = m_watch.entries()[static_cast<std::size_t>(index)];
    if (!entry.forceable()) {
        return false;
    }
    if (value < 0) {
        m_session.debugger().unforce(entry.number);
        return true;
    }
    return m_session.debugger().force(entry.number, value != 0);
}

std::string WebDebugger::watchJson() const {
    const names::NameTable* names = &m_session.names();
    std::string out = "{";
    appendTextField(out, "hint", debug::watchEntryHint(names));
    out += "\"rows\":[";
    const auto& entries = m_watch.entries();
    const std::vector<debug::WatchRow> rows = m_watch.rows(m_session.controller());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const debug::WatchRow& row = rows[i];
        out += '{';
        appendTextField(out, "item", debug::watchItemText(row, names));
        appendTextField(out, "value", row.value);
        appendTextField(out, "set", row.setValue);
        appendNumberField(out, "on", row.on ? 1 : 0);
        appendNumberField(out, "relay", entries[i].forceable() ? 1 : 0);
        appendNumberField(out, "forced", row.forced ? (*row.forced ? 1 : 0) : -1);
        if (row.word) { // a classic program's rows stay as they were
            appendNumberField(out, "word", 1);
            appendTextField(out, "format", debug::wordFormatLabel(m_watch.format(i)));
            appendTextField(out, "forcedWord",
                            row.forcedWord ? engine::hexWordText(*row.forcedWord) : "");
        }
        closeList(out, '}');
        out += ',';
    }
    closeList(out, ']');
    return out + '}';
}

bool WebDebugger::setEntryFormat(int index, const std::string& label) {
    const auto format = debug::parseWordFormat(label);
    if (!format || index < 0 || static_cast<std::size_t>(index) >= m_watch.entries().size() ||
        m_watch.entries()[static_cast<std::size_t>(index)].kind != debug::WatchEntry::Kind::Word) {
        return false;
    }
    m_watch.setFormat(static_cast<std::size_t>(index), *format);
    ++m_revision;
    return true;
}

namespace {

// Forces `address` to `typed`, or releases it when `typed` is empty.
bool forceTyped(debug::Debugger& debugger, engine::WordAddress address, const std::string& typed) {
    if (typed.empty()) {
        debugger.unforceWord(address);
        return true;
    }
    const auto value = debug::parseTypedWord(typed);
    return value && debugger.forceWord(address, *value);
}

} // namespace

bool WebDebugger::forceEntryWord(int index, const std::string& typed) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_watch.entries().size() ||
        !m_session.running()) {
        return false;
    }
    const debug::WatchEntry& entry = m_watch.entries()[static_cast<std::size_t>(index)];
    return entry.wordForceable() && forceTyped(m_session.debugger(), entry.word(), typed);
}

std::string WebDebugger::wordsJson() {
    std::string out = "{\"rows\":[";
    for (const debug::WordRow& row : m_words.rows(m_session.controller())) {
        out += '{';
        appendTextField(out, "name", row.name);
        appendTextField(out, "text", row.text);
        appendTextField(out, "format", debug::wordFormatLabel(row.format));
        appendTextField(out, "forced", row.forced ? engine::hexWordText(*row.forced) : "");
        appendNumberField(out, "forceable", row.forceable ? 1 : 0);
        closeList(out, '}');
        out += ',';
    }
    closeList(out, ']');
    return out + '}';
}

bool WebDebugger::setWordFormat(int index, const std::string& label) {
    const auto format = debug::parseWordFormat(label);
    const std::vector<engine::WordAddress> words = debug::wordsInUse(m_session.controller());
    if (!format || index < 0 || static_cast<std::size_t>(index) >= words.size()) {
        return false;
    }
    m_words.setFormat(words[static_cast<std::size_t>(index)], *format);
    ++m_revision;
    return true;
}

bool WebDebugger::forceWord(int index, const std::string& typed) {
    const std::vector<engine::WordAddress> words = debug::wordsInUse(m_session.controller());
    if (index < 0 || static_cast<std::size_t>(index) >= words.size() || !m_session.running()) {
        return false;
    }
    return forceTyped(m_session.debugger(), words[static_cast<std::size_t>(index)], typed);
}

std::string WebDebugger::dmJson() const {
    std::string out = "[";
    for (int r = 0; r < engine::kDmSlots; ++r) {
        out += std::to_string(
                   m_session.controller().word({engine::WordArea::Dm, engine::dmNumber(r)})) +
               ',';
    }
    closeList(out, ']');
    return out;
}

bool WebDebugger::setDm(int row, const std::string& typed) {
    const auto value = debug::parseTypedWord(typed);
    if (!value || row < 0 || row >= engine::kDmSlots) {
        return false;
    }
    m_session.controller().setWord({engine::WordArea::Dm, engine::dmNumber(row)}, *value);
    ++m_revision;
    return true;
}

} // namespace rungbox::wasm

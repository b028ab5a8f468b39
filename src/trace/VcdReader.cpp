// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcdReader.h"

#include "engine/PanelState.h"

#include <charconv>
#include <map>
#include <optional>

namespace rungbox::trace {

namespace {

// A scope being read: its signals by identifier, and a controller of its own that holds the
// values read so far, which its recorder samples at each time.
struct ScopeReplay {
    std::string name;
    std::vector<Signal> signals;
    engine::PanelState panel;
    std::unique_ptr<engine::Controller> plc = std::make_unique<engine::Controller>(panel);
    std::unique_ptr<Recorder> recorder;
};

struct Variable {
    std::size_t scope = 0;
    std::optional<Signal> signal; // nothing for a variable that is not one of ours
};

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}
    std::vector<VcdRun> read(std::string& error);

private:
    std::string_view token();
    bool skipToEnd();
    bool declareScope();
    bool declareVariable();
    bool setValue(std::string_view code, int value);
    bool newTime(std::string_view digits);
    void sampleAll();
    void fail(std::string why) { m_error = std::move(why); }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::vector<std::unique_ptr<ScopeReplay>> m_scopes;
    std::map<std::string, Variable, std::less<>> m_variables;
    bool m_inScope = false;
    std::optional<std::uint64_t> m_time;
    std::string m_error;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Reader::token() {
    while (m_at < m_text.size() && isSpace(m_text[m_at])) {
        ++m_at;
    }
    const std::size_t start = m_at;
    while (m_at < m_text.size() && !isSpace(m_text[m_at])) {
        ++m_at;
    }
    return m_text.substr(start, m_at - start);
}

bool Reader::skipToEnd() {
    for (std::string_view t = token(); !t.empty(); t = token()) {
        if (t == "$end") {
            return true;
        }
    }
    return false;
}

bool Reader::declareScope() {
    token(); // the kind of scope
    const std::string_view name = token();
    if (m_inScope || name.empty() || token() != "$end") {
        fail(m_inScope ? "A scope inside a scope." : "A scope without a name.");
        return false;
    }
    if (m_scopes.size() >= kMaxVcdRuns) {
        fail("More than " + std::to_string(kMaxVcdRuns) + " scopes.");
        return false;
    }
    m_scopes.push_back(std::make_unique<ScopeReplay>());
    m_scopes.back()->name = std::string(name);
    m_inScope = true;
    return true;
}

// $var KIND WIDTH CODE NAME [RANGE] $end
bool Reader::declareVariable() {
    token();
    token();
    const std::string_view code = token();
    const std::string_view name = token();
    if (!m_inScope || code.empty() || name.empty() || (name != "$end" && !skipToEnd())) {
        fail("A variable outside a scope or cut short.");
        return false;
    }
    if (m_variables.find(code) != m_variables.end()) {
        return true; // a second name for the same signal
    }
    ScopeReplay& scope = *m_scopes.back();
    auto signal = parseSignal(name);
    Variable variable{m_scopes.size() - 1, signal ? signal : parseWordSignal(name)};
    // Only a signal within the controller's memory is replayed into it; any other is ignored.
    if (variable.signal && variable.signal->valid() &&
        scope.signals.size() < Recorder::kMaxSignals) {
        scope.signals.push_back(*variable.signal);
    } else {
        variable.signal.reset();
    }
    m_variables.emplace(std::string(code), variable);
    return true;
}

bool Reader::setValue(std::string_view code, int value) {
    const auto found = m_variables.find(code);
    if (found == m_variables.end() || !m_time) {
        fail(m_time ? "A value for an undeclared identifier." : "A value before any time.");
        return false;
    }
    const Variable& variable = found->second;
    if (!variable.signal) {
        return true;
    }
    engine::Controller& plc = *m_scopes[variable.scope]->plc;
    const Signal& s = *variable.signal;
    const auto number = static_cast<std::int16_t>(value);
    const bool on = value != 0;
    switch (s.kind) {
    case SignalKind::Relay:
    case SignalKind::Bit:
        plc.setRelay(s.index, on);
        break;
    case SignalKind::TimerValue:
        plc.setTimValue(s.index, number);
        break;
    case SignalKind::CounterValue:
        plc.setCntValue(s.index, number);
        break;
    case SignalKind::Word:
        plc.setWord(s.word(), static_cast<std::uint16_t>(value));
        break;
    // A done bit alone: done is a present value of 0, not done any other (1 unless it has one).
    case SignalKind::TimerDone:
        if (on || plc.timValue(s.index) == 0) {
            plc.setTimValue(s.index, on ? std::int16_t{0} : std::int16_t{1});
        }
        break;
    case SignalKind::CounterDone:
        if (on || plc.cntValue(s.index) == 0) {
            plc.setCntValue(s.index, on ? std::int16_t{0} : std::int16_t{1});
        }
        break;
    }
    return true;
}

void Reader::sampleAll() {
    for (auto& scope : m_scopes) {
        scope->recorder->sample(*scope->plc, *m_time, *m_time);
    }
}

bool Reader::newTime(std::string_view digits) {
    std::uint64_t ms = 0;
    const auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
    if (problem != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        fail("A time that is not a number.");
        return false;
    }
    if (m_time && ms < *m_time) {
        fail("A time earlier than the one before it.");
        return false;
    }
    if (m_time && ms > *m_time) {
        sampleAll();
    }
    m_time = ms;
    return true;
}

// A binary number's last 16 bits, as a 16-bit signed present value; x and z read as 0.
int binaryValue(std::string_view digits) {
    unsigned bits = 0;
    for (const char c : digits) {
        bits = ((bits << 1U) | (c == '1' ? 1U : 0U)) & 0xFFFFU;
    }
    return static_cast<std::int16_t>(bits);
}

std::vector<VcdRun> Reader::read(std::string& error) {
    bool defined = false;
    bool ok = true;
    for (std::string_view t = token(); ok && !t.empty(); t = token()) {
        if (!defined) {
            if (t == "$scope") {
                ok = declareScope();
            } else if (t == "$var") {
                ok = declareVariable();
            } else if (t == "$upscope") {
                m_inScope = false;
                ok = skipToEnd();
            } else if (t == "$enddefinitions") {
                defined = skipToEnd();
                for (auto& scope : m_scopes) {
                    scope->recorder = std::make_unique<Recorder>(scope->signals);
                }
                ok = defined;
            } else if (t.front() == '$') {
                ok = skipToEnd();
            } else {
                ok = false;
                fail("A value before the end of the definitions.");
            }
        } else if (t.front() == '#') {
            ok = newTime(t.substr(1));
        } else if (t.front() == 'b' || t.front() == 'B' || t.front() == 'r' || t.front() == 'R') {
            ok = setValue(token(),
                          t.front() == 'b' || t.front() == 'B' ? binaryValue(t.substr(1)) : 0);
        } else if (std::string_view("01xXzZ").find(t.front()) != std::string_view::npos) {
            ok = setValue(t.substr(1), t.front() == '1' ? 1 : 0);
        } else if (t.front() != '$') {
            ok = false;
            fail("Not a value: " + std::string(t.substr(0, 20)) + ".");
        }
    }
    if (ok && !defined) {
        fail("No $enddefinitions.");
        ok = false;
    }
    if (!ok) {
        error = m_error.empty() ? "The dump is cut short." : m_error;
        return {};
    }
    if (m_time) {
        sampleAll();
    }
    std::vector<VcdRun> runs;
    for (auto& scope : m_scopes) {
        runs.push_back({scope->name, std::move(scope->recorder)});
    }
    return runs;
}

} // namespace

std::vector<VcdRun> readVcd(std::string_view text, std::string& error) {
    return Reader(text).read(error);
}

} // namespace rungbox::trace

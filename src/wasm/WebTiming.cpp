// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebTiming.h"

#include "Json.h"
#include "files/CurrentFile.h"
#include "l10n/Mark.h"
#include "trace/VcdFile.h"
#include "trace/VcdReader.h"
#include "trace/Waveforms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rungbox::wasm {

namespace {

// Axis labels stand at least this far apart, as in the window.
constexpr double kMinLabelGap = 90;

// A pixel position to a hundredth: enough for any screen, and short.
void appendNumber(std::string& out, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number(text);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
        number.pop_back();
    }
    out += number == "-0" ? "0" : number;
}

// The status line is written in UTF-8; the page reads 8-bit text as Latin-1, where the middle
// dot is one byte.
std::string latin1Dots(std::string text) {
    for (std::size_t at = 0; (at = text.find("\xC2\xB7", at)) != std::string::npos; ++at) {
        text.replace(at, 2, "\xB7");
    }
    return text;
}

void appendBit(std::string& out, const trace::RowWave& row, const trace::TimeScale& scale,
               double to) {
    const trace::BitWave wave = trace::bitWave(row, scale, to);
    out += ",\"line\":[";
    for (std::size_t i = 0; i < wave.line.size(); ++i) {
        out += i > 0 ? "," : "";
        appendNumber(out, wave.line[i].first);
        out += wave.line[i].second ? ",1" : ",0";
    }
    out += "],\"high\":[";
    for (std::size_t i = 0; i < wave.high.size(); ++i) {
        out += (i > 0 ? "," : "") + std::to_string(wave.high[i].first) + "," +
               std::to_string(wave.high[i].second);
    }
    out += "]";
}

void appendBus(std::string& out, const trace::RowWave& row, const trace::TimeScale& scale,
               double to, const trace::Signal& signal, bool timerTicks) {
    out += ",\"bus\":[";
    bool first = true;
    for (const trace::BusPiece& piece : trace::busPieces(row, scale, to)) {
        out += first ? "[" : ",[";
        first = false;
        appendNumber(out, piece.x0);
        out += ",";
        appendNumber(out, piece.x1);
        out += ",";
        if (piece.busy) {
            out += "null";
        } else {
            appendJsonString(out, trace::valueText(signal, piece.value, timerTicks));
        }
        out += "]";
    }
    out += "]";
}

} // namespace

std::unique_ptr<WebTiming> WebTiming::overCheck(WebSession& web, WebCheck& check) {
    auto timing = std::make_unique<WebTiming>(web);
    timing->m_source = Source::Check;
    timing->m_check = &check;
    timing->m_checkRun = check.runs();
    return timing;
}

std::unique_ptr<WebTiming> WebTiming::overDump(WebSession& web, const std::string& bytes,
                                               unsigned index) {
    std::string error;
    std::vector<trace::VcdRun> runs = trace::readVcd(bytes, error);
    if (index >= runs.size()) {
        return nullptr;
    }
    auto timing = std::make_unique<WebTiming>(web);
    timing->m_source = Source::Dump;
    timing->m_dump = std::move(runs[index].recorder);
    return timing;
}

std::string WebTiming::dumpScopes(const std::string& bytes) {
    std::string error;
    const std::vector<trace::VcdRun> runs = trace::readVcd(bytes, error);
    if (!error.empty()) {
        return "null";
    }
    std::string out = "[";
    for (const trace::VcdRun& run : runs) {
        out += out.size() > 1 ? "," : "";
        appendJsonString(out, run.scope);
    }
    return out + "]";
}

void WebTiming::setRecording(bool on) {
    if (live()) {
        m_web.session().setRecording(on);
    }
}

const trace::Recorder& WebTiming::recorder() const {
    switch (m_source) {
    case Source::Session:
        break;
    case Source::Check: {
        const trace::Recorder* shown =
            m_check->runs() == m_checkRun ? m_check->recording() : nullptr;
        return shown != nullptr ? *shown : m_none;
    }
    case Source::Dump:
        return *m_dump;
    }
    return m_web.session().tracing().recorder();
}

const names::NameTable* WebTiming::names() const {
    return m_source == Source::Dump ? nullptr : &m_web.session().names();
}

std::vector<trace::Signal> WebTiming::usedSignals() const {
    if (m_source == Source::Dump) {
        return {};
    }
    std::vector<trace::Signal> used = trace::programSignals(m_web.session().grid());
    if (m_source == Source::Check) {
        // What the failed test read is shown, and first (the recording has it first).
        used.insert(used.end(), m_check->focused().begin(), m_check->focused().end());
    }
    return used;
}

std::string WebTiming::stamp() const {
    const trace::Recorder& r = recorder();
    return std::to_string(r.revision()) + "/" + std::to_string(r.firstMs()) + "/" +
           std::to_string(r.lastMs()) + "/" + std::to_string(r.signalList().size()) + "/" +
           std::to_string(m_web.gridRevision()) + "/" + std::to_string(m_web.fileRevision()) + "/" +
           std::to_string(m_rowChanges) + "/" + (recording() ? "on" : "off") + "/" +
           (m_check != nullptr ? std::to_string(m_check->runs()) : "");
}

void WebTiming::track(double width) {
    m_time.track(recorder(), std::max(1.0, width));
}

void WebTiming::zoomIn(double width, double cursorMs) {
    m_time.zoomBy(1 / trace::TimeWindow::kZoomStep, recorder(), std::max(1.0, width),
                  cursor(cursorMs));
}

void WebTiming::zoomOut(double width, double cursorMs) {
    m_time.zoomBy(trace::TimeWindow::kZoomStep, recorder(), std::max(1.0, width), cursor(cursorMs));
}

void WebTiming::fit(double width) {
    m_time.fit(recorder(), std::max(1.0, width));
}

void WebTiming::showAt(double width, double ms) {
    if (ms >= 0) {
        m_time.centre(static_cast<std::uint64_t>(ms), recorder(), std::max(1.0, width));
    }
}

void WebTiming::scrollTo(double pixels, bool follow) {
    m_time.scrollTo(pixels, recorder(), follow);
}

double WebTiming::totalPixels() const {
    return m_time.totalPixels(recorder());
}

double WebTiming::scrollPixels() const {
    return (m_time.fromMs() - static_cast<double>(recorder().firstMs())) / m_time.msPerPixel();
}

std::optional<std::uint64_t> WebTiming::cursor(double cursorMs) const {
    if (cursorMs < 0 || recorder().empty()) {
        return std::nullopt;
    }
    const auto ms = static_cast<std::uint64_t>(std::floor(cursorMs));
    return std::clamp(ms, recorder().firstMs(), recorder().lastMs());
}

double WebTiming::clampCursor(double ms) const {
    const auto at = cursor(ms);
    return at ? static_cast<double>(*at) : -1;
}

double WebTiming::cursorAt(double x) const {
    return clampCursor(std::max(0.0, std::floor(m_time.fromMs() + x * m_time.msPerPixel())));
}

bool WebTiming::addSignal(const std::string& text) {
    if (!live()) {
        return false;
    }
    session::Session& session = m_web.session();
    m_refusal = m_rows.add(session.tracing().recorder(), trace::programSignals(session.grid()),
                           text, &session.names());
    ++m_rowChanges;
    return m_refusal.empty();
}

bool WebTiming::removeSignal(const std::string& text) {
    if (!live()) {
        return false;
    }
    session::Session& session = m_web.session();
    m_refusal = m_rows.remove(session.tracing().recorder(), text, &session.names());
    ++m_rowChanges;
    return m_refusal.empty();
}

std::string WebTiming::status(double cursorMs) const {
    if (!m_refusal.empty()) {
        return m_refusal;
    }
    return latin1Dots(live() ? trace::recordingStatus(m_web.session().tracing(), cursor(cursorMs))
                             : trace::recordedStatus(recorder(), cursor(cursorMs)));
}

std::string WebTiming::pictureJson(double width, double cursorMs, bool timerTicks) const {
    const trace::Recorder& rec = recorder();
    const trace::TimeScale scale{m_time.fromMs(), m_time.msPerPixel(), 0};
    const double rightMs = m_time.fromMs() + std::max(1.0, width) * m_time.msPerPixel();
    std::vector<std::size_t> positions = m_rows.rows(rec, usedSignals());
    if (positions.empty()) {
        positions.resize(rec.signalList().size());
        for (std::size_t p = 0; p < positions.size(); ++p) {
            positions[p] = p;
        }
    }
    const double from = std::max(m_time.fromMs(), static_cast<double>(rec.firstMs()));
    const double to = std::min(rightMs, trace::TimeWindow::endMs(rec));
    const std::vector<trace::RowWave> waves = trace::rowWaves(rec, positions, from, to);
    const auto at = cursor(cursorMs);
    const std::vector<std::optional<int>> values =
        at ? rec.valuesAt(*at) : std::vector<std::optional<int>>(rec.signalList().size());

    std::string out = std::string("{\"empty\":") + (rec.empty() ? "true" : "false") + ",\"rows\":[";
    for (std::size_t r = 0; r < waves.size(); ++r) {
        const trace::Signal& signal = rec.signalList()[waves[r].position];
        out += r > 0 ? ",{\"name\":" : "{\"name\":";
        appendJsonString(out, signal.name());
        out += ",\"label\":";
        appendJsonString(out, trace::signalLabel(signal, names()));
        out += signal.isNumber() ? ",\"number\":true,\"value\":" : ",\"number\":false,\"value\":";
        if (const auto value = values[waves[r].position]) {
            appendJsonString(out, trace::valueText(signal, *value, timerTicks));
        } else {
            out += "null";
        }
        if (waves[r].first) {
            if (signal.isNumber()) {
                appendBus(out, waves[r], scale, to, signal, timerTicks);
            } else {
                appendBit(out, waves[r], scale, to);
            }
        }
        out += "}";
    }
    out += "],\"axis\":[";
    const double step = trace::labelStep(m_time.msPerPixel(), kMinLabelGap);
    bool firstLabel = true;
    for (double t = std::max(0.0, std::ceil(m_time.fromMs() / step) * step); t <= rightMs;
         t += step) {
        const auto ms = static_cast<std::uint64_t>(t);
        const auto scan = rec.scanAt(ms);
        out += firstLabel ? "[" : ",[";
        firstLabel = false;
        appendNumber(out, scale.x(t));
        out += ",\"" + std::to_string(ms) + " ms\",\"" +
               (scan ? "scan " + std::to_string(*scan) : std::string()) + "\"]";
    }
    out += "],\"dropped\":";
    if (!rec.empty() && rec.truncated() && m_time.fromMs() < static_cast<double>(rec.firstMs())) {
        out += "[0,";
        appendNumber(out, scale.x(static_cast<double>(rec.firstMs())));
        out += ",\"dropped: complete from " + std::to_string(rec.firstMs()) + " ms\"]";
    } else {
        out += "null";
    }
    out += ",\"cursor\":";
    if (at) {
        out += "[";
        appendNumber(out, scale.x(static_cast<double>(*at)));
        const auto scan = rec.scanAt(*at);
        out += ",\"t = " + std::to_string(*at) + " ms\",\"" +
               (scan ? "scan " + std::to_string(*scan) : std::string()) + "\"]";
    } else {
        out += "null";
    }
    return out + "}";
}

bool WebTiming::saveVcd() {
    session::Session& session = m_web.session();
    platform::FileError error;
    if (!trace::saveVcd(recorder(), m_web.files(), exportName("vcd"), error, names())) {
        static constexpr l10n::Message kCannotWrite =
            QT_TRANSLATE_NOOP3("Core", "Cannot write %1: %2", "trace.cannot_write");
        session.ports().boxes.show(l10n::text(kCannotWrite, exportName("vcd"), error.description),
                                   platform::BoxStyle::Exclamation, platform::kAppTitle);
        return false;
    }
    return true;
}

std::string WebTiming::exportName(const std::string& extension) const {
    std::string name = "timing";
    const auto& current = m_web.session().files().currentFile();
    if (current.hasPath()) {
        // motor.PLC records as motor_timing.vcd.
        std::string program = files::fileName(current.path());
        program = program.substr(0, program.rfind('.'));
        name = program.empty() ? name : program + "_timing";
    }
    return name + "." + extension;
}

} // namespace rungbox::wasm

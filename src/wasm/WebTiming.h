// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// View > Timing Diagram as the page draws it: the session's recording switched on and off, the
// stretch of time in view, the rows shown, and the picture of that stretch worked out by the
// core (trace/Waveforms.h) and handed over as JSON. However long the recording, the page gets
// only what fits its width: the changes of the span in view, reduced to pixel columns.
// The same diagram shows, read-only, a recording that is not the session's: the runs of the last
// check (a failed test's run) or a recording read from a dump (a counterexample's run).

#include "WebCheck.h"
#include "WebSession.h"
#include "trace/SignalRows.h"
#include "trace/TimeWindow.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace rungbox::wasm {

class WebTiming {
public:
    /// The timing diagram of `web`'s session, which must outlive it.
    explicit WebTiming(WebSession& web) : m_web(web) {}
    /// The diagram of the runs `check` (which must outlive it) recorded in its latest check, as
    /// long as it makes no other; then it shows nothing. Names and rows are `web`'s program's.
    static std::unique_ptr<WebTiming> overCheck(WebSession& web, WebCheck& check);
    /// The diagram of scope `index` of the dump `bytes` (trace::readVcd); null when the dump
    /// cannot be read or has no such scope. Every signal of the scope is a row.
    static std::unique_ptr<WebTiming> overDump(WebSession& web, const std::string& bytes,
                                               unsigned index);
    /// The names of the dump's scopes as a JSON array of strings, or "null" when it cannot be
    /// read.
    static std::string dumpScopes(const std::string& bytes);

    /// False for a recording that is not the session's: it is only looked at.
    bool live() const { return m_source == Source::Session; }
    /// Record on or off, as the window's Record item (Session::setRecording); the session's
    /// only.
    void setRecording(bool on);
    bool recording() const { return live() && m_web.session().tracing().on(); }

    /// A text that changes whenever the picture may have: the recording, its signals and span,
    /// the program (its signals and names) and the time in view. The page redraws only then.
    std::string stamp() const;

    // --- The time in view, for `width` pixels of waveform (at least 1) -------------------------

    /// Follows a growing recording while its end is in view (TimeWindow::track).
    void track(double width);
    /// Zoom In and Zoom Out keep the cursor (`cursorMs`, below 0 for none) where it is.
    void zoomIn(double width, double cursorMs);
    void zoomOut(double width, double cursorMs);
    void fit(double width);
    /// `ms` in the middle of the view, as where a failed test's diagram opens (`ms` below 0:
    /// nothing changes).
    void showAt(double width, double ms);
    /// Scrolled to `pixels` from the recording's start; `follow` when at the end.
    void scrollTo(double pixels, bool follow);
    double fromMs() const { return m_time.fromMs(); }
    double msPerPixel() const { return m_time.msPerPixel(); }
    /// The whole recording at this zoom, in pixels: the width the page scrolls over.
    double totalPixels() const;
    /// Where the time in view starts, in pixels from the recording's start (the scroll offset).
    double scrollPixels() const;
    /// The time at `x` pixels into the waveforms, as a cursor stands: a whole millisecond within
    /// the recording, or -1 when it is empty.
    double cursorAt(double x) const;
    /// `ms` kept within the recording, or -1 when it is empty or `ms` is below 0.
    double clampCursor(double ms) const;

    // --- Rows and the picture ----------------------------------------------------------------

    /// Adds or removes the signal `text` names (SignalRows); false with the refusal in status().
    /// A recording that is not the session's is not changed: false.
    bool addSignal(const std::string& text);
    bool removeSignal(const std::string& text);
    /// The status line (recordingStatus), or the last refusal until the next addition or removal.
    std::string status(double cursorMs) const;

    /// The picture of the time in view across `width` pixels, as JSON:
    ///   {"empty" (nothing recorded), "rows": [{"name", "label", "number", "value" (at the cursor,
    ///   or null),
    ///              "line": [x, level, ...] (bits), "high": [from, to, ...] (bits),
    ///              "bus": [[x0, x1, text or null for a busy stretch]] (numbers)}],
    ///    "axis": [[x, time text, scan text]], "dropped": [x0, x1, text] or null,
    ///    "cursor": [x, "t = N ms", "scan N"] or null}
    /// x in pixels from the waveforms' left edge; texts as 8-bit text (Json.h).
    std::string pictureJson(double width, double cursorMs, bool timerTicks) const;

    /// Writes the recording as the window's Export Timing as VCD does (trace::saveVcd, with the
    /// program's names) through the page's files: the page downloads it (WebSession::files()).
    bool saveVcd();
    /// The name an export suggests: the program file's name with "_timing", else "timing", and
    /// `extension`.
    std::string exportName(const std::string& extension) const;

private:
    enum class Source { Session, Check, Dump };

    const trace::Recorder& recorder() const;
    const names::NameTable* names() const;
    std::vector<trace::Signal> usedSignals() const;
    std::optional<std::uint64_t> cursor(double cursorMs) const;

    WebSession& m_web;
    Source m_source = Source::Session;
    WebCheck* m_check = nullptr;                          // Source::Check: not owned
    unsigned m_checkRun = 0;                              // the check whose runs are shown
    std::unique_ptr<trace::Recorder> m_dump;              // Source::Dump
    trace::Recorder m_none{std::vector<trace::Signal>()}; // shown once the check is replaced
    trace::TimeWindow m_time;
    trace::SignalRows m_rows;
    std::string m_refusal;
    unsigned m_rowChanges = 0; // counts additions and removals, for stamp()
};

} // namespace rungbox::wasm

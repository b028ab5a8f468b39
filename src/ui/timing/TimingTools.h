// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The timing diagram's menu item in the main window: View > Timing Diagram opens the timing
// window (made on first use, kept afterwards) and switches recording on the first time. The
// window follows each frame while shown, and starts empty with each program loaded or new.

#include "names/NameTable.h"
#include "session/Session.h"

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace rungbox::ui {

class SessionSignals;
class TimingWindow;
class WindowPlaces;

class TimingTools : public QObject {
    Q_OBJECT

public:
    /// Adds Timing Diagram to the end of `viewMenu`. The timing window is made with `window` as
    /// its parent and placed by `places`; it shows `session` and follows `sessionSignals`.
    /// Everything given must outlive the tools.
    TimingTools(session::Session& session, const SessionSignals& sessionSignals, QWidget& window,
                WindowPlaces& places, QMenu& viewMenu);
    ~TimingTools() override;

    TimingTools(const TimingTools&) = delete;
    TimingTools& operator=(const TimingTools&) = delete;

    /// View > Timing Diagram: opens the timing window (once made, the same one again) and
    /// switches recording on the first time.
    TimingWindow* showDiagram();
    /// Shows the signals' names from `names` (not owned; nullptr for none) once the window is
    /// made; a window made later reads the session's own.
    void setNames(const names::NameTable* names);
    /// Repaints the timing window when it is shown (each frame does).
    void showFrame();

private:
    session::Session& m_session;
    QWidget& m_window;
    WindowPlaces& m_places;
    std::unique_ptr<TimingWindow> m_timingWindow;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names editor's menu item in the main window: View > Names opens the names window (made on
// first use, kept afterwards). The window shows the names a program loaded or new brings, and
// tells of every edit of them.

#include "session/Session.h"

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace rungbox::ui {

class NamesWindow;
class SessionSignals;
class WindowPlaces;

class NamesTools : public QObject {
    Q_OBJECT

public:
    /// Adds Names to the end of `viewMenu`. The names window is made with `window` as its parent
    /// and placed by `places`; it edits `session`'s names and follows `sessionSignals`.
    /// Everything given must outlive the tools.
    NamesTools(session::Session& session, const SessionSignals& sessionSignals, QWidget& window,
               WindowPlaces& places, QMenu& viewMenu);
    ~NamesTools() override;

    NamesTools(const NamesTools&) = delete;
    NamesTools& operator=(const NamesTools&) = delete;

    /// View > Names: opens the names editor and brings it to the front.
    NamesWindow* showWindow();

signals:
    /// The user edited the names in the names window.
    void namesChanged();

private:
    session::Session& m_session;
    QWidget& m_window;
    WindowPlaces& m_places;
    std::unique_ptr<NamesWindow> m_namesWindow;
};

} // namespace rungbox::ui

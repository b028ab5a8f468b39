// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The session's notifications as Qt signals, for the windows: each SessionListener call becomes
// a signal of the same name, and every change a view of the program or the run may show also
// asks for a frame. Frames are coalesced: at most one every kFrameMs, emitted from the event
// loop, never from inside the session's call. Windows repaint on frames (only while shown), so
// nothing polls and a stopped or paused run costs nothing.

#include "session/Session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace rungbox::ui {

class SessionSignals : public QObject {
    Q_OBJECT

public:
    /// Shortest time between two frames: about 30 pictures a second, as smooth as a lamp or a
    /// moving gate needs to look.
    static constexpr int kFrameMs = 33;

    /// Listens to `session`, which must outlive this object.
    explicit SessionSignals(session::Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;

    session::Session& session() const { return m_session; }
    /// Frames emitted so far; for measuring how often views are asked to repaint.
    int frameCount() const { return m_frameCount; }

signals:
    void cellChanged(int row, int col);
    void cursorChanged();
    void gridLayoutChanged();
    void fileChanged();
    void instructionSetChanged();
    void runChanged();
    void debugChanged();
    void moduleChanged();
    void recordingChanged();
    /// Something a view shows may have changed since the last frame: repaint what is shown.
    void frame();

private:
    // Hears the session and passes each call on as the signal of the same name.
    class Relay : public session::SessionListener {
    public:
        explicit Relay(SessionSignals& owner) : m_owner(owner) {}
        void cellChanged(int row, int col) override;
        void cursorChanged() override;
        void gridLayoutChanged() override;
        void fileChanged() override;
        void instructionSetChanged() override;
        void runChanged() override;
        void advanced(std::uint64_t clockMs) override;
        void debugChanged() override;
        void moduleChanged() override;
        void recordingChanged() override;

    private:
        SessionSignals& m_owner;
    };

    void requestFrame();
    void emitFrame();

    session::Session& m_session;
    Relay m_relay{*this};
    QTimer m_frameTimer;
    QElapsedTimer m_sinceFrame;
    int m_frameCount = 0;
};

} // namespace rungbox::ui

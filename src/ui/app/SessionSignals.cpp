// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionSignals.h"

#include <algorithm>

namespace rungbox::ui {

SessionSignals::SessionSignals(session::Session& session, QObject* parent)
    : QObject(parent), m_session(session) {
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &SessionSignals::emitFrame);
    m_sinceFrame.start();
    m_session.addListener(&m_relay);
}

SessionSignals::~SessionSignals() {
    m_session.removeListener(&m_relay);
}

void SessionSignals::requestFrame() {
    if (m_frameTimer.isActive()) {
        return; // one frame is due already; it will show this change too
    }
    const auto wait = std::max<qint64>(0, kFrameMs - m_sinceFrame.elapsed());
    m_frameTimer.start(static_cast<int>(wait));
}

void SessionSignals::emitFrame() {
    m_sinceFrame.restart();
    ++m_frameCount;
    emit frame();
}

void SessionSignals::Relay::cellChanged(int row, int col) {
    emit m_owner.cellChanged(row, col);
    m_owner.requestFrame();
}

void SessionSignals::Relay::cursorChanged() {
    emit m_owner.cursorChanged();
    m_owner.requestFrame();
}

void SessionSignals::Relay::gridLayoutChanged() {
    emit m_owner.gridLayoutChanged();
    m_owner.requestFrame();
}

void SessionSignals::Relay::fileChanged() {
    emit m_owner.fileChanged();
}

void SessionSignals::Relay::instructionSetChanged() {
    emit m_owner.instructionSetChanged();
}

void SessionSignals::Relay::runChanged() {
    emit m_owner.runChanged();
    m_owner.requestFrame();
}

void SessionSignals::Relay::advanced(std::uint64_t) {
    m_owner.requestFrame();
}

void SessionSignals::Relay::debugChanged() {
    emit m_owner.debugChanged();
    m_owner.requestFrame();
}

void SessionSignals::Relay::moduleChanged() {
    emit m_owner.moduleChanged();
    m_owner.requestFrame();
}

void SessionSignals::Relay::recordingChanged() {
    emit m_owner.recordingChanged();
    m_owner.requestFrame();
}

} // namespace rungbox::ui

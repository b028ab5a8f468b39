// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A momentary push-button on a machine: a press is seen by exactly one scan, unless the button
// is held down, in which case it stays down until it is released.

namespace rungbox::machines {

class PushButton {
public:
    /// A short press: down for the next scan only.
    void press() { m_pulse = true; }
    /// Holds the button down (true) until it is released (false). Releasing leaves a pending
    /// short press alone, so that a click shorter than a scan still reaches one scan.
    void hold(bool down) { m_held = down; }
    /// True while the button is down as the next scan will see it.
    bool down() const { return m_pulse || m_held; }
    bool held() const { return m_held; }
    /// Called once after each scan: a short press has been seen and ends.
    void scanned() { m_pulse = false; }
    /// Up, nothing pending.
    void release() { m_pulse = m_held = false; }

private:
    bool m_pulse = false;
    bool m_held = false;
};

} // namespace rungbox::machines

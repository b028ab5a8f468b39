// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowState.h"

namespace rungbox::panel {

void WindowState::setFileMenuEnabled(bool enabled) {
    m_fileMenuEnabled = enabled;
    changed();
}

void WindowState::setModuleMenuEnabled(bool enabled) {
    m_moduleMenuEnabled = enabled;
    changed();
}

void WindowState::setInputSwitchEnabled(int n, bool enabled) {
    setBit(m_switchEnabled, n, enabled);
    changed();
}

} // namespace rungbox::panel

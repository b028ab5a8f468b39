// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The recent files list kept in the user's settings (QSettings), so that it outlives the session.

#include "platform/RecentFileStore.h"

#include <QString>

namespace rungbox::ui {

class SettingsRecentFileStore : public platform::RecentFileStore {
public:
    /// Keeps the list under `key` in the settings of organisation and application "rungbox"
    /// (on Linux ~/.config/rungbox/rungbox.conf).
    explicit SettingsRecentFileStore(QString key = QStringLiteral("recentFiles"));

    std::vector<std::string> readRecentFiles() override;
    void writeRecentFiles(const std::vector<std::string>& paths) override;

private:
    QString m_key;
};

} // namespace rungbox::ui

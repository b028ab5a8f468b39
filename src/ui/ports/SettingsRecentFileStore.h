// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The recent files list kept in the user's settings (QSettings), so that it outlives the session.

#include "platform/RecentFileStore.h"

#include <QSettings>
#include <QString>

namespace rungbox::ui {

class SettingsRecentFileStore : public platform::RecentFileStore {
public:
    /// Keeps the list under `key` in the settings of organisation and application "rungbox"
    /// (on Linux ~/.config/rungbox/rungbox.conf). A settings file that cannot be read or written
    /// is reported once, as a warning on standard error; the list then lives only as long as
    /// the session.
    explicit SettingsRecentFileStore(QString key = QStringLiteral("recentFiles"));

    std::vector<std::string> readRecentFiles() override;
    void writeRecentFiles(const std::vector<std::string>& paths) override;

private:
    void check(const QSettings& settings);

    QString m_key;
    bool m_warned = false;
};

} // namespace rungbox::ui

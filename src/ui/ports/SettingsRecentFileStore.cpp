// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsRecentFileStore.h"

#include <QSettings>
#include <QStringList>

namespace rungbox::ui {

namespace {
QSettings settings() {
    return QSettings(QStringLiteral("rungbox"), QStringLiteral("rungbox"));
}
} // namespace

SettingsRecentFileStore::SettingsRecentFileStore(QString key) : m_key(std::move(key)) {}

std::vector<std::string> SettingsRecentFileStore::readRecentFiles() {
    std::vector<std::string> paths;
    for (const QString& path : settings().value(m_key).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return paths;
}

void SettingsRecentFileStore::writeRecentFiles(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths) {
        list.append(QString::fromStdString(path));
    }
    settings().setValue(m_key, list);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsRecentFileStore.h"

#include <QSettings>
#include <QStringList>

#include <utility>

namespace rungbox::ui {

namespace {
QSettings settings() {
    return QSettings(QStringLiteral("rungbox"), QStringLiteral("rungbox"));
}
} // namespace

SettingsRecentFileStore::SettingsRecentFileStore(QString key) : m_key(std::move(key)) {}

void SettingsRecentFileStore::check(const QSettings& store) {
    if (store.status() == QSettings::NoError || std::exchange(m_warned, true)) {
        return;
    }
    qWarning("rungbox: the recent files cannot be kept in %s: %s", qPrintable(store.fileName()),
             store.status() == QSettings::FormatError ? "it is not a settings file"
                                                      : "it cannot be read or written");
}

std::vector<std::string> SettingsRecentFileStore::readRecentFiles() {
    const QSettings store = settings();
    check(store);
    std::vector<std::string> paths;
    for (const QString& path : store.value(m_key).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return paths;
}

void SettingsRecentFileStore::writeRecentFiles(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths) {
        list.append(QString::fromStdString(path));
    }
    QSettings store = settings();
    store.setValue(m_key, list);
    // Written now rather than when the object goes, so that the status tells how it went.
    store.sync();
    check(store);
}

} // namespace rungbox::ui

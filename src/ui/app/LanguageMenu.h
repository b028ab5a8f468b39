// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// View > Language: "System Language" (follow the desktop), then English and the ten
// translations, each by its own name. The choice is kept in the settings (kLanguageKey) and
// takes effect the next time Rungbox starts, as a message box says.

#include "platform/Platform.h"

#include <QObject>
#include <QString>

class QActionGroup;
class QMenu;
class QSettings;

namespace rungbox::ui {

class LanguageMenu : public QObject {
    Q_OBJECT

public:
    /// Adds a separator and the Language submenu to the end of `viewMenu`; the restart message goes
    /// through `boxes`. Both must outlive the menu. Nothing is kept until setStore().
    LanguageMenu(QMenu& viewMenu, platform::MessageBoxes& boxes);

    /// Keeps the choice in `settings` from now on and checks the item it holds; nullptr for
    /// this session only. Not owned; must outlive the menu or be replaced.
    void setStore(QSettings* settings);
    /// The chosen setting: a catalogue code, or empty to follow the desktop.
    const QString& setting() const { return m_setting; }

private:
    void choose(const QString& code);
    void checkItem(const QString& code);

    platform::MessageBoxes& m_boxes;
    QActionGroup* m_items = nullptr;
    QSettings* m_store = nullptr;
    QString m_setting;
};

} // namespace rungbox::ui

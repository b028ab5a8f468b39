// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageMenu.h"

#include "LanguageChoice.h"
#include "l10n/Languages.h"
#include "ui/common/WindowBox.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace rungbox::ui {

LanguageMenu::LanguageMenu(QMenu& viewMenu, platform::MessageBoxes& boxes)
    : QObject(&viewMenu), m_boxes(boxes), m_items(new QActionGroup(this)) {
    setObjectName("languageMenuTools");
    viewMenu.addSeparator();
    QMenu* menu = viewMenu.addMenu(tr("&Language"));
    menu->setObjectName("languageMenu");
    const auto add = [&](const QString& caption, const QString& code) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(code.isEmpty() ? QStringLiteral("languageSystemItem")
                                           : QStringLiteral("languageItem_") + code);
        item->setData(code);
        item->setCheckable(true);
        m_items->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { choose(code); });
    };
    add(tr("System Language"), QString());
    menu->addSeparator();
    // Each language by its own name, so that a user can find theirs whatever the window speaks.
    for (const l10n::Language& language : l10n::languages()) {
        add(QString::fromUtf8(language.endonym), QString::fromUtf8(language.code));
    }
    checkItem(QString());
}

void LanguageMenu::setStore(QSettings* settings) {
    m_store = settings;
    m_setting = settings != nullptr ? settings->value(kLanguageKey).toString() : QString();
    checkItem(m_setting);
}

void LanguageMenu::choose(const QString& code) {
    checkItem(code);
    if (code == m_setting) {
        return;
    }
    m_setting = code;
    if (m_store != nullptr) {
        m_store->setValue(kLanguageKey, code);
    }
    showWindowBox(m_boxes, tr("The language changes the next time Rungbox starts."),
                  platform::BoxStyle::Ok,
                  QString::fromUtf8(platform::kAppTitle.data(),
                                    static_cast<qsizetype>(platform::kAppTitle.size())));
}

// A stored code that is none of ours checks System Language: the window follows the desktop
// then, as languageFor() does.
void LanguageMenu::checkItem(const QString& code) {
    for (QAction* item : m_items->actions()) {
        if (item->data().toString() == code) {
            item->setChecked(true);
            return;
        }
    }
    m_items->actions().constFirst()->setChecked(true);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageChoice.h"

#include "l10n/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace rungbox::ui {

namespace {

// The code of our language that fits `tag`; empty when none does.
QString fittingCode(const QString& tag) {
    const l10n::Language* language = l10n::bestLanguage(tag.toStdString());
    return language != nullptr ? QString::fromUtf8(language->code) : QString();
}

} // namespace

QString languageFor(const QString& setting, const QStringList& uiLanguages) {
    if (const QString code = fittingCode(setting); !setting.isEmpty() && !code.isEmpty()) {
        return code;
    }
    for (const QString& tag : uiLanguages) {
        if (const QString code = fittingCode(tag); !code.isEmpty()) {
            return code;
        }
    }
    return QStringLiteral("en");
}

LanguageChoice::LanguageChoice(const QSettings& settings)
    : m_code(
          languageFor(settings.value(kLanguageKey).toString(), QLocale::system().uiLanguages())) {
    if (m_code == QLatin1String("en")) {
        return; // the source texts are English
    }
    install(m_rungbox, QStringLiteral("rungbox_") + m_code, QStringLiteral(":/i18n"));
    // Qt's own buttons and dialogs speak the window's language: none of it without ours.
    if (m_rungbox) {
        install(m_qt, QStringLiteral("qtbase_") + m_code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

LanguageChoice::~LanguageChoice() {
    for (const auto* slot : {&m_rungbox, &m_qt}) {
        if (*slot) {
            QCoreApplication::removeTranslator(slot->get());
        }
    }
}

// A catalogue that is missing leaves its texts in English.
void LanguageChoice::install(std::unique_ptr<QTranslator>& slot, const QString& name,
                             const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator.get())) {
        slot = std::move(translator);
    }
}

} // namespace rungbox::ui

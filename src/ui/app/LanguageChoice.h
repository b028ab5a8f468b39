// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language the window speaks: the one chosen in View > Language (kept in the settings), or
// else the desktop's first language Rungbox has a catalogue for, or else English. It is chosen
// once, before any window is built, by installing the translators of its catalogues.

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QTranslator;

namespace rungbox::ui {

/// The settings key of the chosen language: a catalogue code ("de", "pt_BR"); empty or absent
/// to follow the desktop.
inline constexpr const char* kLanguageKey = "language";

/// The catalogue code ("en", "de", "pt_BR", "zh_CN") for the stored `setting` and the desktop's
/// `uiLanguages` (BCP 47 tags, most wanted first, as QLocale::uiLanguages() gives them). A
/// setting naming one of our languages wins; otherwise the first desktop tag that fits one;
/// otherwise "en".
QString languageFor(const QString& setting, const QStringList& uiLanguages);

/// Installs the translators of one language on the application and keeps them installed while
/// it lives: Rungbox's own catalogue (`:/i18n/rungbox_<code>.qm`) and Qt's (`qtbase_<code>` from
/// Qt's translations folder, for the texts of Qt's own dialogs and buttons). Without Rungbox's
/// catalogue the window stays English, Qt's texts too.
class LanguageChoice {
public:
    /// Chooses the language from `settings` (kLanguageKey) and the system locale's languages,
    /// and installs its translators. Needs the application object.
    explicit LanguageChoice(const QSettings& settings);
    ~LanguageChoice();
    LanguageChoice(const LanguageChoice&) = delete;
    LanguageChoice& operator=(const LanguageChoice&) = delete;

    /// The chosen catalogue code; "en" for English, which has no catalogue.
    const QString& code() const { return m_code; }

private:
    void install(std::unique_ptr<QTranslator>& slot, const QString& name, const QString& folder);

    QString m_code;
    std::unique_ptr<QTranslator> m_rungbox;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace rungbox::ui

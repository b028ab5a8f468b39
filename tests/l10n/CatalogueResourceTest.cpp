// SPDX-License-Identifier: GPL-3.0-or-later
// Every language the core lists has its catalogue in translations/ and, built into the window's
// library, a .qm resource that loads as that language.

#include "CatalogueRules.h"
#include "l10n/Languages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTranslator>

#include <algorithm>

namespace rungbox::l10n::check {
namespace {

TEST(Catalogues, EveryTranslatedLanguageHasItsFileAndResource) {
    const auto all = languages();
    ASSERT_GT(all.size(), 1U);
    for (const auto& language : all.subspan(1)) {
        const QString code = QString::fromLatin1(language.code);
        const QString ts = QStringLiteral(RUNGBOX_TRANSLATIONS_DIR "/rungbox_%1.ts").arg(code);
        EXPECT_TRUE(QFile::exists(ts)) << ts.toStdString();
        EXPECT_EQ(readCatalogue(ts).language, code);
        QTranslator translator;
        EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/rungbox_%1.qm").arg(code)))
            << language.code;
        EXPECT_EQ(translator.language(), code);
    }
}

TEST(Catalogues, EveryFileIsALanguageTheCoreLists) {
    const QStringList files = QDir(QStringLiteral(RUNGBOX_TRANSLATIONS_DIR))
                                  .entryList({QStringLiteral("*.ts")}, QDir::Files);
    for (const auto& file : files) {
        const QString code = languageOfFile(file);
        const auto all = languages();
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Language& l) {
            return code == QLatin1String(l.code);
        })) << file.toStdString();
    }
}

} // namespace
} // namespace rungbox::l10n::check

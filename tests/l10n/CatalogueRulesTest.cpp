// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a translation keeps, each broken once and kept once, and the catalogue reader on a
// file with the odd parts of the format.

#include "CatalogueRules.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>

namespace rungbox::l10n::check {
namespace {

struct RuleCase {
    const char* language;
    const char* source;
    const char* translation;
    int problemCount;
};

void PrintTo(const RuleCase& c, std::ostream* out) {
    *out << c.language << ": \"" << c.source << "\" -> \"" << c.translation << "\"";
}

class TranslationRules : public testing::TestWithParam<RuleCase> {};

TEST_P(TranslationRules, FindsWhatTheTranslationBreaks) {
    const RuleCase& c = GetParam();
    const CatalogueEntry entry{QStringLiteral("Ctx"),
                               QString::fromUtf8(c.source),
                               {},
                               QString::fromUtf8(c.translation),
                               {}};
    const QStringList found = problems(entry, QString::fromUtf8(c.language));
    EXPECT_EQ(found.size(), c.problemCount)
        << c.source << " -> " << c.translation << ": " << found.join(u"; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslationRules,
    testing::Values(
        // Placeholders: the same ones in any order; none lost, none added, none renumbered.
        RuleCase{"de", "Line %1 of %2", "Zeile %1 von %2", 0},
        RuleCase{"tr", "Line %1 of %2", "%2 satırın %1.", 0},
        RuleCase{"de", "Line %1 of %2", "Zeile %1", 1}, RuleCase{"de", "Line %1", "Zeile %1 %2", 1},
        RuleCase{"de", "Line %1", "Zeile %2", 1}, RuleCase{"de", "Step %1", "Schritt %10", 1},
        RuleCase{"de", "100%", "100 %", 0},
        // Accelerators: exactly one where the source has one; "&&" is an ampersand.
        RuleCase{"de", "&Open...", "Ö&ffnen...", 0}, RuleCase{"de", "&Open...", "Öffnen...", 1},
        RuleCase{"de", "&Open...", "&Ö&ffnen...", 1},
        RuleCase{"de", "&Open...", "Öffnen && Laden...", 1},
        RuleCase{"zh_CN", "&File", "文件(&F)", 0},
        RuleCase{"de", "Load && run", "Laden und starten", 0},
        RuleCase{"de", "&Save && run", "&Speichern &&starten", 0},
        RuleCase{"de", "Inputs & outputs", "Eingänge & Ausgänge", 0},
        // White space around the text, where the source has it.
        RuleCase{"de", "&Conveyor ", "&Förderband ", 0},
        RuleCase{"de", "&Conveyor ", "&Förderband", 1}, RuleCase{"de", " at %1", "bei %1", 1},
        RuleCase{"de", "Stop", "Stopp ", 0},
        // Final punctuation: ":" and "..." kept; zh_CN may use full-width forms.
        RuleCase{"fr", "Name:", "Nom :", 0}, RuleCase{"fr", "Name:", "Nom", 1},
        RuleCase{"de", "Save &As...", "Speichern &unter…", 1},
        RuleCase{"zh_CN", "Save &As...", "另存为(&A)…", 0}, RuleCase{"zh_CN", "Name:", "名称：", 0},
        RuleCase{"zh_CN", "Name:", "名称", 1}, RuleCase{"de", "Searching…", "Suche…", 0},
        RuleCase{"de", "Searching…", "Suche", 1},
        // An empty translation waits for a translator and breaks nothing yet.
        RuleCase{"de", "&Open...", "", 0}));

TEST(CatalogueFile, ReadsContextsMessagesAndTheirStates) {
    const Catalogue catalogue = readCatalogue(QStringLiteral(RUNGBOX_L10N_TEST_DIR "/odd.ts"));
    ASSERT_TRUE(catalogue.error.isEmpty()) << catalogue.error.toStdString();
    EXPECT_EQ(catalogue.language, QStringLiteral("de"));
    ASSERT_EQ(catalogue.entries.size(), 4U);
    const auto& first = catalogue.entries[0];
    EXPECT_EQ(first.context, QStringLiteral("Grid"));
    EXPECT_EQ(first.source, QStringLiteral("<b>Line</b> & \"%1\""));
    EXPECT_EQ(first.translation, QStringLiteral("<b>Zeile</b> & \"%1\""));
    EXPECT_FALSE(unfinished(first));
    EXPECT_EQ(catalogue.entries[1].comment, QStringLiteral("verb"));
    EXPECT_TRUE(unfinished(catalogue.entries[1])) << "marked unfinished";
    EXPECT_TRUE(unfinished(catalogue.entries[2])) << "finished but empty";
    EXPECT_EQ(catalogue.entries[3].context, QStringLiteral("Panel"));
    EXPECT_EQ(catalogue.entries[3].translation, QStringLiteral("Ä\n2"));
}

TEST(CatalogueFile, ReportsBrokenXmlWithItsLine) {
    const Catalogue catalogue =
        readCatalogue(QStringLiteral(RUNGBOX_L10N_TEST_DIR "/CMakeLists.txt"));
    EXPECT_FALSE(catalogue.error.isEmpty());
}

TEST(CatalogueFile, TakesTheLanguageFromTheFileName) {
    EXPECT_EQ(languageOfFile(QStringLiteral("rungbox_pt_BR.ts")), QStringLiteral("pt_BR"));
    EXPECT_EQ(languageOfFile(QStringLiteral("rungbox_de.ts")), QStringLiteral("de"));
    EXPECT_EQ(languageOfFile(QStringLiteral("rungbox_de.ts~")), QString());
    EXPECT_EQ(languageOfFile(QStringLiteral("other_de.ts")), QString());
}

} // namespace
} // namespace rungbox::l10n::check

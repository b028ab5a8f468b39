// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace rungbox::l10n::check {

/// One message of a catalogue (translations/rungbox_CODE.ts) as the checks see it.
struct CatalogueEntry {
    QString context;
    QString source;
    QString comment;
    QString translation;
    /// The translation element's type attribute: empty when finished, else "unfinished",
    /// "vanished" or "obsolete".
    QString type;
};

/// A catalogue file read whole: its language attribute and its messages.
struct Catalogue {
    QString language;
    std::vector<CatalogueEntry> entries;
    /// Empty when the file read as XML; else what went wrong, with the line.
    QString error;
};

/// Reads the catalogue at `path`.
Catalogue readCatalogue(const QString& path);

/// The language code of a catalogue's file name ("rungbox_pt_BR.ts": "pt_BR"), or an empty
/// string for another file.
QString languageOfFile(const QString& fileName);

/// What is wrong with one translation in `language` (a catalogue code such as "de" or
/// "zh_CN"): the placeholders %1..%99 differ from the source's, the source has an accelerator
/// (&X; "&&" is a literal "&") and the translation has not exactly one, or the translation drops
/// the source's leading or trailing white space, or its final ":", "..." or "…" (zh_CN may end
/// in "：" for ":" and "…" for "..."). An empty translation has nothing wrong.
QStringList problems(const CatalogueEntry& entry, const QString& language);

/// True when the entry still waits for its translation.
bool unfinished(const CatalogueEntry& entry);

} // namespace rungbox::l10n::check

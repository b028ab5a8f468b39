// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueRules.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <set>

namespace rungbox::l10n::check {
namespace {

// Reads the current element's text, nested elements' texts included (a plural's forms).
QString elementText(QXmlStreamReader& xml) {
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

CatalogueEntry readMessage(QXmlStreamReader& xml, const QString& context) {
    CatalogueEntry entry{context, {}, {}, {}, {}};
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            entry.source = elementText(xml);
        } else if (xml.name() == u"comment") {
            entry.comment = elementText(xml);
        } else if (xml.name() == u"translation") {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = elementText(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    return entry;
}

void readContext(QXmlStreamReader& xml, std::vector<CatalogueEntry>& entries) {
    QString name;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name") {
            name = elementText(xml);
        } else if (xml.name() == u"message") {
            entries.push_back(readMessage(xml, name));
        } else {
            xml.skipCurrentElement();
        }
    }
}

// The placeholders of a text: %1 to %99, as QString::arg reads them.
std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?"));
    std::multiset<QString> found;
    for (const auto& match : placeholder.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

// How many accelerators a text marks: "&" before a character other than "&" or a space; "&&"
// is a literal ampersand.
int accelerators(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') {
            continue;
        }
        if (text[i + 1] == u'&') {
            ++i;
        } else if (!text[i + 1].isSpace()) {
            ++count;
        }
    }
    return count;
}

QString leadingSpace(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n].isSpace()) {
        ++n;
    }
    return text.left(n);
}

QString trailingSpace(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n].isSpace()) {
        ++n;
    }
    return text.right(n);
}

// The ending a translation must keep when its source ends so (after white space), with the
// endings that stand for it in `language`; empty when the source ends otherwise.
QStringList requiredEndings(const QString& source, const QString& language) {
    const QString text = source.trimmed();
    const bool chinese = language.startsWith(u"zh");
    if (text.endsWith(u"...")) {
        return chinese ? QStringList{QStringLiteral("..."), QStringLiteral("…")}
                       : QStringList{QStringLiteral("...")};
    }
    if (text.endsWith(u"…")) {
        return {QStringLiteral("…")};
    }
    if (text.endsWith(u':')) {
        return chinese ? QStringList{QStringLiteral(":"), QStringLiteral("：")}
                       : QStringList{QStringLiteral(":")};
    }
    return {};
}

} // namespace

Catalogue readCatalogue(const QString& path) {
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == u"TS") {
        catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == u"context") {
                readContext(xml, catalogue.entries);
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        catalogue.error =
            QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return catalogue;
}

QString languageOfFile(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^rungbox_([a-z]{2,3}(?:_[A-Z]{2})?)\\.ts$"));
    const auto match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool unfinished(const CatalogueEntry& entry) {
    return !entry.type.isEmpty() || entry.translation.isEmpty();
}

QStringList problems(const CatalogueEntry& entry, const QString& language) {
    QStringList found;
    const QString& source = entry.source;
    const QString& translation = entry.translation;
    if (translation.isEmpty()) {
        return found;
    }
    if (placeholders(source) != placeholders(translation)) {
        found << QStringLiteral("placeholders differ from the source's");
    }
    // A caption's accelerator stays one; a text that spells "&0" (a decimal constant) keeps its
    // ampersands as they are, and a text without one gains none.
    if (accelerators(translation) != accelerators(source)) {
        found << QStringLiteral("marks as many accelerators (&) as the source");
    }
    if (!leadingSpace(source).isEmpty() && leadingSpace(translation) != leadingSpace(source)) {
        found << QStringLiteral("drops the source's leading white space");
    }
    if (!trailingSpace(source).isEmpty() && trailingSpace(translation) != trailingSpace(source)) {
        found << QStringLiteral("drops the source's trailing white space");
    }
    const QStringList endings = requiredEndings(source, language);
    const QString end = translation.trimmed();
    if (!endings.isEmpty() && std::none_of(endings.begin(), endings.end(),
                                           [&](const QString& e) { return end.endsWith(e); })) {
        found << QStringLiteral("should end in \"%1\" as the source does").arg(endings.front());
    }
    return found;
}

} // namespace rungbox::l10n::check

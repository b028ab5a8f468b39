// SPDX-License-Identifier: GPL-3.0-or-later
// Checks every catalogue translations/rungbox_CODE.ts:
//   catalogue_check --consistent DIR   each translation keeps its source's placeholders,
//                                      accelerator, outer white space and final punctuation,
//                                      and each file's language attribute matches its name
//   catalogue_check --complete DIR     no message waits for its translation
// Prints one line per problem and exits 1 when there is any.

#include "CatalogueRules.h"

#include <QDir>
#include <QTextStream>

namespace {

using namespace rungbox::l10n::check;

// Shown per file for --complete; the rest are counted.
constexpr int kShownUnfinished = 5;

int checkFile(const QString& path, const QString& code, bool complete, QTextStream& out) {
    const Catalogue catalogue = readCatalogue(path);
    if (!catalogue.error.isEmpty()) {
        out << path << ": " << catalogue.error << "\n";
        return 1;
    }
    int count = 0;
    if (!complete && catalogue.language != code) {
        out << path << ": language \"" << catalogue.language << "\" should be \"" << code << "\"\n";
        ++count;
    }
    int waiting = 0;
    for (const auto& entry : catalogue.entries) {
        const QString where = path + ": " + entry.context + ": \"" + entry.source + "\": ";
        if (complete && unfinished(entry) && ++waiting <= kShownUnfinished) {
            out << where << "not translated yet\n";
        }
        const QStringList found = complete ? QStringList() : problems(entry, code);
        for (const auto& problem : found) {
            out << where << problem << "\n";
        }
        count += static_cast<int>(found.size());
    }
    if (waiting > kShownUnfinished) {
        out << path << ": " << waiting << " messages not translated yet in all\n";
    }
    return count + waiting;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout);
    const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode != QLatin1String("--complete") && mode != QLatin1String("--consistent")) {
        QTextStream(stderr) << "usage: catalogue_check --complete|--consistent DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    const QStringList files =
        dir.entryList({QStringLiteral("rungbox_*.ts")}, QDir::Files, QDir::Name);
    int problems = 0;
    for (const auto& name : files) {
        const QString code = languageOfFile(name);
        if (!code.isEmpty()) {
            problems +=
                checkFile(dir.filePath(name), code, mode == QLatin1String("--complete"), out);
        }
    }
    if (files.isEmpty()) {
        out << dir.path() << ": no catalogues\n";
        return 1;
    }
    out << files.size() << " catalogues, " << problems << " problems\n";
    return problems == 0 ? 0 : 1;
}

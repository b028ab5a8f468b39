// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in language for the window's tests: every text reads "[English]", and the translator
// remembers what it was asked, so a test tells which texts go through the catalogues.

#include <QCoreApplication>
#include <QTranslator>

#include <set>
#include <string>
#include <utility>

namespace rungbox::test {

/// A language in which every text reads "[English]"; it remembers each (context, source) asked.
class BracketTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        asked.emplace(context, source);
        return "[" + QString::fromUtf8(source) + "]";
    }
    bool isEmpty() const override { return false; }

    mutable std::set<std::pair<std::string, std::string>> asked;
};

/// Installs a translator for the life of the guard.
class TranslatorGuard {
public:
    explicit TranslatorGuard(QTranslator& translator) : m_translator(translator) {
        QCoreApplication::installTranslator(&m_translator);
    }
    ~TranslatorGuard() { QCoreApplication::removeTranslator(&m_translator); }
    TranslatorGuard(const TranslatorGuard&) = delete;
    TranslatorGuard& operator=(const TranslatorGuard&) = delete;

private:
    QTranslator& m_translator;
};

} // namespace rungbox::test

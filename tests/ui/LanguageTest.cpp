// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: which catalogue the settings and the desktop choose, View > Language,
// and the captions going through whatever translator the application has installed.

#include "l10n/Languages.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/LanguageChoice.h"
#include "ui/app/MainWindow.h"
#include "ui/course/PackTools.h"
#include "ui/ports/QtFileDialog.h"

#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <map>
#include <utility>

using namespace rungbox::test;
using rungbox::ui::MainWindow;

namespace {

// A translator that knows a few texts by context and source, with no catalogue file.
class TableTranslator : public QTranslator {
public:
    explicit TableTranslator(std::map<std::pair<QString, QString>, QString> table)
        : m_table(std::move(table)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        const auto found = m_table.find({QString::fromUtf8(context), QString::fromUtf8(source)});
        return found != m_table.end() ? found->second : QString();
    }
    bool isEmpty() const override { return false; }

private:
    std::map<std::pair<QString, QString>, QString> m_table;
};

// Installs `translator` for the life of the guard.
struct Installed {
    QTranslator& translator;
    explicit Installed(QTranslator& t) : translator(t) { QCoreApplication::installTranslator(&t); }
    ~Installed() { QCoreApplication::removeTranslator(&translator); }
};

struct Window {
    RecordingBoxes boxes;
    ScriptedDialog dialog;
    MainWindow ladder{boxes, dialog};
};

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void choosesBySettingThenDesktop_data();
    void choosesBySettingThenDesktop();
    void chosenLanguageTranslatesOursAndQts();
    void menuListsEveryLanguageAndKeepsTheChoice();
    void menuShowsTheKeptChoice();
    void captionsGoThroughTheTranslator();
    void fileFiltersTranslateTheirWordsOnly();
    void windowBoxesFillTranslatedTemplates();
};

void LanguageTest::choosesBySettingThenDesktop_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* setting, QStringList desktop,
                        const char* expected) {
        QTest::newRow(name) << QString(setting) << desktop << QString(expected);
    };
    row("region of ours", "", {"pt-BR", "en-US"}, "pt_BR");
    row("other region", "", {"de-AT"}, "de");
    row("script and region", "", {"zh-Hans-CN"}, "zh_CN");
    row("first that fits", "", {"ja-JP", "zh-Hant-TW", "fr-CA"}, "fr");
    row("english first", "", {"en-GB", "de-DE"}, "en");
    row("none fits", "", {"ja-JP", "ko-KR"}, "en");
    row("no desktop", "", {}, "en");
    row("setting wins", "it", {"de-DE"}, "it");
    row("setting english", "en", {"de-DE"}, "en");
    row("unknown setting", "xx", {"tr-TR"}, "tr");
}

void LanguageTest::choosesBySettingThenDesktop() {
    QFETCH(QString, setting);
    QFETCH(QStringList, desktop);
    QFETCH(QString, expected);
    QCOMPARE(rungbox::ui::languageFor(setting, desktop), expected);
}

// The chosen language's catalogue comes from the window's resources and Qt's own from the
// machine: the window's captions and Qt's standard buttons both speak it, and both go when the
// choice goes.
void LanguageTest::chosenLanguageTranslatesOursAndQts() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("rungbox.ini"), QSettings::IniFormat);
    settings.setValue("language", "de");
    {
        const rungbox::ui::LanguageChoice choice(settings);
        QCOMPARE(choice.code(), QString("de"));
        QCOMPARE(QCoreApplication::translate("rungbox::ui::MainWindow", "&File"), QString("&Datei"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
    }
    QCOMPARE(QCoreApplication::translate("rungbox::ui::MainWindow", "&File"), QString("&File"));
}

void LanguageTest::menuListsEveryLanguageAndKeepsTheChoice() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("rungbox.ini"), QSettings::IniFormat);
    Window w;
    w.ladder.setLanguageStore(&settings);

    QStringList shown;
    for (QAction* each : menu(w.ladder, "languageMenu")->actions()) {
        if (!each->isSeparator()) {
            shown << each->text();
        }
    }
    QStringList expected{"System Language"};
    for (const rungbox::l10n::Language& language : rungbox::l10n::languages()) {
        expected << QString::fromUtf8(language.endonym);
    }
    QCOMPARE(shown, expected);
    QCOMPARE(shown.size(), 12);
    QVERIFY(item(w.ladder, "languageSystemItem")->isChecked());

    item(w.ladder, "languageItem_de")->trigger();
    QCOMPARE(settings.value("language").toString(), QString("de"));
    QVERIFY(item(w.ladder, "languageItem_de")->isChecked());
    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    QCOMPARE(w.boxes.shown.back().text,
             std::string("The language changes the next time Rungbox starts."));

    item(w.ladder, "languageItem_de")->trigger(); // the same again: nothing to say
    QCOMPARE(w.boxes.shown.size(), std::size_t{1});

    item(w.ladder, "languageSystemItem")->trigger();
    QCOMPARE(settings.value("language").toString(), QString());
    QCOMPARE(w.boxes.shown.size(), std::size_t{2});
}

void LanguageTest::menuShowsTheKeptChoice() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("rungbox.ini"), QSettings::IniFormat);
    settings.setValue("language", "zh_CN");
    Window w;
    w.ladder.setLanguageStore(&settings);
    QVERIFY(item(w.ladder, "languageItem_zh_CN")->isChecked());
    QVERIFY(!item(w.ladder, "languageSystemItem")->isChecked());
}

// The menus' captions, those added through the File menu's helper and a tool's, come out of the
// translator in their class's context.
void LanguageTest::captionsGoThroughTheTranslator() {
    TableTranslator german({
        {{"rungbox::ui::MainWindow", "&File"}, "&Datei"},
        {{"rungbox::ui::MainWindow", "&New"}, "&Neu"},
        {{"rungbox::ui::NamesTools", "&Names"}, "&Namen"},
        {{"rungbox::ui::LanguageMenu", "System Language"}, "Systemsprache"},
    });
    const Installed installed(german);
    Window w;
    QCOMPARE(menu(w.ladder, "fileMenu")->title(), QString("&Datei"));
    QCOMPARE(item(w.ladder, "newItem")->text(), QString("&Neu"));
    QCOMPARE(item(w.ladder, "namesItem")->text(), QString("&Namen"));
    QCOMPARE(item(w.ladder, "languageSystemItem")->text(), QString("Systemsprache"));
    QCOMPARE(item(w.ladder, "loadItem")->text(), QString("&Load")); // not in the table
}

void LanguageTest::fileFiltersTranslateTheirWordsOnly() {
    using rungbox::ui::QtFileDialog;
    QCOMPARE(QtFileDialog::qtFilter("PLC file (*.PLC)|*.PLC"), QString("PLC file (*.PLC)"));
    TableTranslator french({{{"FileFilter", "PLC file"}, "Fichier PLC"}});
    const Installed installed(french);
    QCOMPARE(QtFileDialog::qtFilter("PLC file (*.PLC)|*.PLC"), QString("Fichier PLC (*.PLC)"));
    QCOMPARE(QtFileDialog::qtFilter("Other (*.x)|*.x"), QString("Other (*.x)"));
    QCOMPARE(QtFileDialog::qtFilter("no patterns"), QString("no patterns"));
}

// A translation may put the arguments in another order; the box shows it filled and translated.
void LanguageTest::windowBoxesFillTranslatedTemplates() {
    TableTranslator german({
        {{"rungbox::ui::PackTools", "The exercise pack %1 could not be opened:\r\n%2"},
         "%2\r\n(Paket %1)"},
        {{"rungbox::ui::PackTools", "Exercise Pack"}, "Übungspaket"},
    });
    const Installed installed(german);
    QTemporaryDir dir;
    Window w;
    QVERIFY(!w.ladder.packTools().openPack(dir.filePath("none/pack.json").toStdString()));
    QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    const QString text = QString::fromStdString(w.boxes.shown.back().text);
    QVERIFY2(text.endsWith("\r\n(Paket pack.json)") && !text.startsWith("\r\n"), qPrintable(text));
    QCOMPARE(QString::fromStdString(w.boxes.shown.back().title), QString("Übungspaket"));
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"

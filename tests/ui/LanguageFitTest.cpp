// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each of its languages, with the real catalogues: every menu keeps one access
// key per item and no two items of a menu share one, and every caption fits its widget or is
// shortened on purpose with its whole text in the tooltip and the screen reader's name.

#include "l10n/Languages.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/LanguageChoice.h"
#include "ui/app/MainWindow.h"
#include "ui/machines/PlantDrawing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>

using rungbox::ui::MainWindow;

namespace {

// The access key of a caption: the letter after a single '&' ("&&" is a literal ampersand),
// lower case; null when the caption has none.
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// A caption as it is drawn: single ampersands gone, doubled ones halved.
QString drawnText(const QString& caption) {
    QString drawn;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        drawn += caption[i];
    }
    return drawn;
}

// One menu (or a menu bar): its place ("File>Language") and its visible items' captions, by
// their position in the menu.
struct MenuCaptions {
    QString place;
    std::map<int, QString> items;
};

void collectMenu(const QString& place, const QList<QAction*>& actions,
                 std::vector<MenuCaptions>& into) {
    MenuCaptions menu{place, {}};
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QAction* action = actions[i];
        if (action->isSeparator() || !action->isVisible() || action->text().isEmpty()) {
            continue;
        }
        menu.items[static_cast<int>(i)] = action->text();
    }
    into.push_back(menu);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (QMenu* sub = actions[i]->menu(); sub != nullptr && actions[i]->isVisible()) {
            collectMenu(place + '>' + QString::number(i), sub->actions(), into);
        }
    }
}

// A main window with recorders and every tool window that has a menu bar open.
struct Window {
    rungbox::test::RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};

    Window() {
        main.show();
        main.showLadderDiagram();
        main.showTimingDiagram();
        main.showNames();
    }

    // Every menu bar of the open windows and the menus below them, in a fixed order.
    std::vector<MenuCaptions> menus() const {
        std::vector<MenuCaptions> found;
        // The tool windows may be the main window's children as well as top-level windows.
        std::set<const QMenuBar*> bars;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<const QMenu*>(top) == nullptr) {
                for (const QMenuBar* bar : top->findChildren<QMenuBar*>()) {
                    bars.insert(bar);
                }
            }
        }
        for (const QMenuBar* bar : bars) {
            collectMenu(bar->window()->metaObject()->className(), bar->actions(), found);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.place < b.place; });
        return found;
    }
};

// A translator that knows one text of one context.
class OneText : public QTranslator {
public:
    OneText(const char* context, const char* source, QString translation)
        : m_context(context), m_source(source), m_translation(std::move(translation)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        return m_context == context && m_source == source ? m_translation : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QByteArray m_context;
    QByteArray m_source;
    QString m_translation;
};

// Installs one language's catalogues (ours and Qt's) for the life of the object.
struct Language {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("rungbox.ini"), QSettings::IniFormat};
    std::unique_ptr<rungbox::ui::LanguageChoice> choice;

    explicit Language(const QString& code) {
        settings.setValue(rungbox::ui::kLanguageKey, code);
        choice = std::make_unique<rungbox::ui::LanguageChoice>(settings);
    }
};

// The menus' captions of a freshly built window, in English.
std::vector<MenuCaptions> englishMenus() {
    const Window w;
    return w.menus();
}

// Whether the item at `at` shows its English caption, untranslated.
bool inEnglish(const MenuCaptions& menu, const MenuCaptions& english, int at) {
    const auto source = english.items.find(at);
    return source != english.items.end() && source->second == menu.items.at(at);
}

// Duplicate or lost access keys of one menu against its English captions. Two items left in
// English may keep a clash the English captions have: those texts do not change here.
QStringList keyFaults(const MenuCaptions& menu, const MenuCaptions& english) {
    QStringList faults;
    std::map<QChar, int> taken;
    for (const auto& [at, caption] : menu.items) {
        const QChar key = accessKey(caption);
        const auto source = english.items.find(at);
        if (key.isNull() && source != english.items.end() && !accessKey(source->second).isNull()) {
            faults << menu.place + ": no access key in \"" + caption + '"';
        }
        if (key.isNull()) {
            continue;
        }
        const auto clash = taken.find(key);
        if (clash != taken.end() &&
            !(inEnglish(menu, english, clash->second) && inEnglish(menu, english, at))) {
            faults << menu.place + ": \"" + menu.items.at(clash->second) + "\" and \"" + caption +
                          "\" share " + key;
        }
        taken.emplace(key, at);
    }
    return faults;
}

// Widths (pixels) a caption has to fit in: the part of the widget its text is drawn in.
int textRoom(const QWidget* widget) {
    QStyleOptionButton option;
    option.initFrom(widget);
    if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
        return widget->style()
            ->subElementRect(QStyle::SE_CheckBoxContents, &option, widget)
            .width();
    }
    if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
        return widget->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &option, widget)
            .width();
    }
    if (qobject_cast<const QPushButton*>(widget) != nullptr) {
        return widget->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
            .width();
    }
    return widget->contentsRect().width();
}

// Whether `shown` is the start of the widget's whole text, ended with "…", and the tooltip and
// the accessible name both carry that whole text.
bool shortenedOnPurpose(const QWidget* widget, const QString& shown) {
    const QString& whole = widget->toolTip();
    return shown.endsWith(QChar(0x2026)) && whole.startsWith(shown.chopped(1)) &&
           widget->accessibleName() == whole;
}

// A caption that does not fit is a fault unless its widget carries the whole text in its
// tooltip and its accessible name (it is shortened on purpose).
QStringList fitFault(const QWidget* widget, const QString& caption, int room) {
    const QString whole = drawnText(caption);
    const int needed = widget->fontMetrics().horizontalAdvance(whole);
    if (whole.isEmpty() || needed <= room || shortenedOnPurpose(widget, whole)) {
        return {};
    }
    return {QString("%1 \"%2\" needs %3 px, has %4")
                .arg(widget->metaObject()->className(), whole)
                .arg(needed)
                .arg(room)};
}

// A top-aligned label's glyphs must not rise above the label, where they would be cut off.
QStringList riseFault(const QLabel* label) {
    if ((label->alignment() & Qt::AlignTop) == 0 || label->text().isEmpty()) {
        return {};
    }
    const QFontMetrics metrics = label->fontMetrics();
    const int top = label->contentsRect().top() + metrics.ascent() +
                    metrics.tightBoundingRect(drawnText(label->text())).top();
    if (top >= 0) {
        return {};
    }
    return {QString("QLabel \"%1\" rises %2 px above its top").arg(label->text()).arg(-top)};
}

// Every visible caption of `window` that neither fits nor carries its whole text elsewhere.
// A table's column headings (the grid's LADDER CODE, LOCATION, ###) within their columns, less
// the header's margins on both sides.
QStringList headingFaults(const QHeaderView* header) {
    QStringList faults;
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) || header->model() == nullptr) {
            continue;
        }
        const QString heading =
            header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        faults << fitFault(header, heading, header->sectionSize(section) - margins);
    }
    return faults;
}

QStringList captionFaults(const QWidget& window) {
    QStringList faults;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label != nullptr && !label->wordWrap() && !Qt::mightBeRichText(label->text())) {
            faults << fitFault(label, label->text(), label->contentsRect().width())
                   << riseFault(label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            faults << fitFault(button, button->text(), textRoom(button));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            faults << fitFault(group, group->title(), group->contentsRect().width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                faults << fitFault(tabs, tabs->tabText(i), tabs->tabRect(i).width());
            }
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget);
                   header != nullptr && header->orientation() == Qt::Horizontal) {
            faults << headingFaults(header);
        }
    }
    return faults;
}

// The menu bar's titles all on one line: no overflow button shown.
QStringList menuBarFaults(const QMainWindow& window) {
    const auto* more = window.menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    if (more == nullptr || !more->isVisible()) {
        return {};
    }
    return {QString("the menu bar overflows at %1 px").arg(window.width())};
}

// "Check1" is the switches' fixed caption, covered by the switch's narrow box in every language.
QStringList withoutFixedCaptions(QStringList faults) {
    faults.removeIf([](const QString& fault) { return fault.contains("\"Check1\""); });
    return faults;
}

void addLanguageRows() {
    QTest::addColumn<QString>("code");
    for (const rungbox::l10n::Language& language : rungbox::l10n::languages()) {
        QTest::newRow(language.code) << QString::fromUtf8(language.code);
    }
}

} // namespace

class LanguageFitTest : public QObject {
    Q_OBJECT

private slots:
    void accessKeysAreUniquePerMenu_data() { addLanguageRows(); }
    void accessKeysAreUniquePerMenu();
    void captionsFit_data() { addLanguageRows(); }
    void captionsFit();
    void findsFaults();
    void longHeadingIsShortenedWithItsWholeText();
    void machineCaptionsStayInTheirBoxes();
};

void LanguageFitTest::accessKeysAreUniquePerMenu() {
    QFETCH(QString, code);
    const std::vector<MenuCaptions> english = englishMenus();
    const Language language(code);
    const Window w;
    const std::vector<MenuCaptions> menus = w.menus();
    QCOMPARE(menus.size(), english.size());
    QVERIFY(std::any_of(menus.begin(), menus.end(), [](const MenuCaptions& menu) {
        return menu.place.startsWith("rungbox::ui::TimingWindow");
    }));
    QStringList faults;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i].place, english[i].place);
        if (const QStringList found = keyFaults(menus[i], english[i]); !found.isEmpty()) {
            QStringList captions;
            for (const auto& entry : menus[i].items) {
                captions << entry.second;
            }
            faults << found << "  in: " + captions.join(" | ");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// At the window's own size and at a 1366 x 768 screen's.
void LanguageFitTest::captionsFit() {
    QFETCH(QString, code);
    const Language language(code);
    Window w;
    QStringList faults = captionFaults(w.main) << menuBarFaults(w.main);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &w.main && top->isVisible() && qobject_cast<QMenu*>(top) == nullptr) {
            faults << captionFaults(*top);
        }
    }
    for (int module = 1; module <= 6; ++module) {
        w.main.chooseModule(module);
        QApplication::processEvents();
        faults << captionFaults(*rungbox::test::moduleWindow(w.main));
    }
    w.main.resize(1366, 768);
    QApplication::processEvents();
    faults << captionFaults(w.main) << menuBarFaults(w.main);
    faults = withoutFixedCaptions(faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The checks themselves: keys parsed as drawn, clashes and lost keys found, a long caption
// found unless its widget carries the whole text.
void LanguageFitTest::findsFaults() {
    QCOMPARE(accessKey("Save &As"), QChar('a'));
    QCOMPARE(accessKey("Fish && &Chips"), QChar('c'));
    QCOMPARE(accessKey("A && B"), QChar());
    QCOMPARE(accessKey("保存(&S)"), QChar('s'));
    QCOMPARE(drawnText("Fish && &Chips"), QString("Fish & Chips"));

    const MenuCaptions english{"bar", {{0, "&Open"}, {1, "&Save"}, {2, "Plain"}}};
    QCOMPARE(keyFaults({"bar", {{0, "&Ouvrir"}, {1, "&Sauver"}, {2, "Plat"}}}, english).size(), 0);
    QCOMPARE(keyFaults({"bar", {{0, "&Ouvrir"}, {1, "&Ouvrir2"}, {2, "Plat"}}}, english).size(), 1);
    QCOMPARE(keyFaults({"bar", {{0, "Ouvrir"}, {1, "&Sauver"}, {2, "&Plat"}}}, english).size(), 1);
    const MenuCaptions clashing{"bar", {{0, "&Print"}, {1, "&Pack"}}};
    QCOMPARE(keyFaults(clashing, clashing).size(), 0);
    QCOMPARE(keyFaults({"bar", {{0, "&Imprimer"}, {1, "&Imbriquer"}}}, clashing).size(), 1);

    QWidget top;
    auto* label = new QLabel("A caption far too long for its box", &top);
    label->setGeometry(0, 0, 30, 20);
    top.show();
    QCOMPARE(captionFaults(top).size(), 1);
    label->setToolTip(label->text());
    label->setAccessibleName(label->text());
    QCOMPARE(captionFaults(top).size(), 1); // the whole text shown: it still does not fit
    label->setText("A caption far…");
    QCOMPARE(captionFaults(top).size(), 0);
    label->setAccessibleName("A caption");
    QCOMPARE(captionFaults(top).size(), 1);

    QMainWindow narrow;
    for (const char* title : {"&Datei", "&Bearbeiten", "&Ansicht", "&Optionen", "&Hilfe"}) {
        narrow.menuBar()->addMenu(title);
    }
    narrow.resize(120, 100);
    narrow.show();
    QApplication::processEvents();
    QCOMPARE(menuBarFaults(narrow).size(), 1);
    narrow.resize(800, 100);
    QApplication::processEvents();
    QCOMPARE(menuBarFaults(narrow).size(), 0);
}

// A heading too long for all the room about it is cut short; its whole text stays in reach.
void LanguageFitTest::longHeadingIsShortenedWithItsWholeText() {
    const QString whole = "ZEITGEBER-ZEITGEBER-ZEITGEBER-ZEITGEBER";
    OneText timer("rungbox::ui::FrontPanel", "TIMER", whole);
    QCoreApplication::installTranslator(&timer);
    const Window w;
    QCoreApplication::removeTranslator(&timer);
    const QLabel* heading = nullptr;
    for (const QLabel* label : w.main.findChildren<QLabel*>()) {
        heading = label->toolTip() == whole ? label : heading;
    }
    QVERIFY(heading != nullptr);
    QVERIFY2(heading->text().endsWith(QChar(0x2026)), qPrintable(heading->text()));
    QCOMPARE(heading->accessibleName(), whole);
    QCOMPARE(withoutFixedCaptions(captionFaults(w.main)), QStringList());
}

namespace {

// `text` drawn fitted into a 60 x 60 box at (10, 10) on white, wrapped or on one line, not
// clipped at the box.
QImage fitted(const QString& text, bool oneLine = false) {
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QFont("DejaVu Sans", 9));
    const QRectF box(10, 10, 60, 60);
    if (oneLine) {
        rungbox::ui::drawFittedLine(painter, box,
                                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
    } else {
        rungbox::ui::drawFittedText(painter, box,
                                    Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text);
    }
    return image;
}

// Whether any pixel left or right of the box has ink (the text is drawn unclipped).
bool inkOutsideTheBox(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((x < 10 || x >= 70) && image.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// A machine's caption too long for its bin wraps and shrinks inside it; a short one is drawn as
// drawText draws it.
void LanguageFitTest::machineCaptionsStayInTheirBoxes() {
    for (const char* text : {"contenedor lateral", "contenitore finale", "alimentatore"}) {
        QVERIFY2(!inkOutsideTheBox(fitted(text)), text);
    }
    QVERIFY(!inkOutsideTheBox(fitted("Motor contra um fim de curso fechado", true)));
    QVERIFY(!inkOutsideTheBox(fitted("Motorüberlast", true)));
    QImage plain(200, 80, QImage::Format_RGB32);
    plain.fill(Qt::white);
    {
        QPainter painter(&plain);
        painter.setFont(QFont("DejaVu Sans", 9));
        painter.drawText(QRectF(10, 10, 60, 60), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                         "end bin");
    }
    QCOMPARE(fitted("end bin"), plain);
}

QTEST_MAIN(LanguageFitTest)
#include "LanguageFitTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise packs in the main window: a pack opened from its published file and from its
// folder, its statement shown as text (markup in it stays literal), each exercise's work kept
// apart and across windows, Check changing an exercise's state, Hand In's file read back, Reset
// after its question, and hostile packs refused with a message.

#include "ui/course/PackTools.h"
#include "course/Bundle.h"
#include "files/LadderFile.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"
#include "ui/check/CheckDialog.h"

#include <QBuffer>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

using rungbox::test::part;
using rungbox::test::programFile;
using rungbox::ui::MainWindow;
namespace course = rungbox::course;

namespace {

// The latch's starter reads the wrong input; its visible test wants input 1 to drive 1000.
constexpr const char* kStarter = "LD 0; OUT 1000; END";
constexpr const char* kAnswer = "LD 1; OUT 1000; END";
constexpr const char* kStatement =
    "# Motor latch\n\n| Input | Meaning |\n|---|---|\n| 1 | start |\n\n"
    "<script>alert(1)</script> and <b>bold</b>\n\n![the panel](panel.png) and "
    "[the manual](https://example.org/latch)\n";

// A picture of the pack: a small PNG.
std::string panelPicture() {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    image.save(&bytes, "PNG");
    return bytes.data().toStdString();
}

course::FileSet packFiles() {
    course::FileSet files;
    files.add("pack.json", R"({"format": "rungbox-pack", "version": 1, "id": "week3",
        "title": "Week 3", "exercises": [{"id": "latch", "title": "A latch"},
                                         {"id": "delay", "title": "A delay"}]})");
    files.add("latch.md", kStatement);
    files.add("panel.png", panelPicture());
    files.add("latch.PLC", programFile(kStarter));
    files.add("latch.script", "press\ntest start 1\nin 1 1\nscan\nexpect relay 1000 1\n");
    files.add("delay.md", "# Delay\n");
    files.add("delay.PLC", programFile("LD 2; OUT 1001; END"));
    files.add("delay.script", "press\ntest idle 1\nscan\nexpect relay 1001 0\n");
    return files;
}

std::string readBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

void writeBytes(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct Window {
    rungbox::test::RecordingBoxes boxes;
    rungbox::test::ScriptedDialog dialog;
    MainWindow main{boxes, dialog};

    Window() { main.show(); }
    rungbox::ui::PackTools& tools() { return main.packTools(); }
    // File > Open Exercise Pack..., the dialog answering `path`.
    void open(const QString& path) {
        dialog.path = path.toStdString();
        part<QAction>(main, "openPackItem")->trigger();
    }
    QTreeWidget* list() { return part<QTreeWidget>(main, "packExercises"); }
    QString state(int row) { return list()->topLevelItem(row)->text(1); }
    void choose(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
    std::string code(int line) {
        return main.session().grid().text(line, rungbox::editor::kCodeCol);
    }
    std::string location(int line) {
        return main.session().grid().text(line, rungbox::editor::kCodeCol + 1);
    }
};

} // namespace

class PackToolsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_packFolder;
    QString m_packFile;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_packFolder = m_folder.filePath("week3");
        const course::FileSet files = packFiles();
        for (const auto& [path, bytes] : files.files()) {
            writeBytes(m_packFolder + "/" + QString::fromStdString(path), bytes);
        }
        m_packFile = m_folder.filePath("week3.rbxpack");
        writeBytes(m_packFile, course::packFileText(packFiles()));
    }
    // Every test starts without work kept from another.
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/packs")
            .removeRecursively();
    }

    void opensAPackFromItsFileOrItsFolder() {
        for (const QString& path : {m_packFile, m_packFolder + "/pack.json", m_packFolder}) {
            Window w;
            QVERIFY(!part<QAction>(w.main, "packPanelItem")->isEnabled());
            w.open(path);
            QVERIFY(part<QAction>(w.main, "packPanelItem")->isChecked());
            QVERIFY2(w.boxes.shown.empty(), qPrintable(path));
            QVERIFY(part<QDockWidget>(w.main, "packPanel")->isVisible());
            QCOMPARE(w.list()->topLevelItemCount(), 2);
            QCOMPARE(w.list()->topLevelItem(1)->text(0), QString("A delay"));
            QCOMPARE(w.state(0), QString("not started"));
            // The first exercise's starter is in the grid.
            QCOMPARE(w.code(1), std::string("LD"));
            QCOMPARE(w.location(1), std::string("0"));
            QCOMPARE(w.tools().context(), QString("Week 3, A latch"));
        }
    }

    void theStatementIsTextWithItsMarkupLiteral() {
        Window w;
        w.open(m_packFile);
        const QString text = part<QTextBrowser>(w.main, "packStatement")->toPlainText();
        for (const char* shown : {"Motor latch", "Input", "Meaning", "start",
                                  "<script>alert(1)</script> and <b>bold</b>"}) {
            QVERIFY2(text.contains(shown), shown);
        }
        QVERIFY(!text.contains("#"));
        // What came in as text has no format from its markup; the picture is the pack's, the
        // link the address given.
        const QTextDocument* document = part<QTextBrowser>(w.main, "packStatement")->document();
        QTextCursor bold = document->find("<b>bold</b>");
        QVERIFY(!bold.isNull());
        QCOMPARE(bold.charFormat().fontWeight(), int(QFont::Normal));
        const QVariant picture =
            document->resource(QTextDocument::ImageResource, QUrl("pack:panel.png"));
        QCOMPARE(picture.value<QImage>().size(), QSize(24, 16));
        QTextCursor link = document->find("the manual");
        QCOMPARE(link.charFormat().anchorHref(), QString("https://example.org/latch"));
    }

    void eachExercisesWorkIsKeptApartAndAcrossWindows() {
        {
            Window w;
            w.open(m_packFile);
            rungbox::test::writeProgram(w.main.session().grid(), kAnswer);
            w.choose(1);
            QCOMPARE(w.location(1), std::string("2")); // the delay's starter
            w.choose(0);
            QCOMPARE(w.location(1), std::string("1")); // the latch's work, kept
            QCOMPARE(w.state(0), QString("edited"));
            QCOMPARE(w.state(1), QString("not started"));
            rungbox::test::writeProgram(w.main.session().grid(), "LD 5; OUT 1000; END");
            w.main.close(); // kept without a question
            QVERIFY(w.boxes.shown.empty());
        }
        Window again;
        again.open(m_packFolder);
        QCOMPARE(again.location(1), std::string("5"));
        QCOMPARE(again.state(0), QString("edited"));
    }

    void checkRecordsItsResultAndTheState() {
        Window w;
        w.open(m_packFile);
        part<QPushButton>(w.main, "packCheckButton")->click();
        QCOMPARE(w.state(0), QString("not started")); // failed on the starter
        rungbox::test::writeProgram(w.main.session().grid(), kAnswer);
        part<QPushButton>(w.main, "packCheckButton")->click();
        QCOMPARE(w.state(0), QString("all tests pass"));
        const auto* dialog = w.main.findChild<rungbox::ui::CheckDialog*>("checkDialog");
        QVERIFY(dialog != nullptr);
        QCOMPARE(w.tools().work()->checks("latch"), (course::CheckSummary{2, 1, 1}));
    }

    void handInHoldsEveryExercisesWork() {
        Window w;
        w.open(m_packFile);
        rungbox::test::writeProgram(w.main.session().grid(), kAnswer);
        part<QPushButton>(w.main, "packCheckButton")->click();
        const QString path = m_folder.filePath("handin.rbxsub");
        w.dialog.path = path.toStdString();
        part<QAction>(w.main, "handInItem")->trigger();
        QCOMPARE(w.dialog.suggested, std::string("week3.rbxsub"));
        std::string why;
        const auto handin = course::readHandin(readBytes(path), &why);
        QVERIFY2(handin.has_value(), why.c_str());
        QCOMPARE(handin->packId, std::string("week3"));
        QCOMPARE(handin->packTitle, std::string("Week 3"));
        QCOMPARE(handin->work.size(), std::size_t(2));
        const auto latch = rungbox::files::readLadderFile(handin->work.at("latch").program);
        QCOMPARE(latch.fields.at(1), std::string("1"));
        QCOMPARE(handin->work.at("latch").checks, (course::CheckSummary{1, 1, 1}));
        QCOMPARE(handin->work.at("delay").program, *packFiles().find("delay.PLC"));
    }

    void resetGoesBackToTheStarterAfterTheQuestion() {
        Window w;
        w.open(m_packFile);
        rungbox::test::writeProgram(w.main.session().grid(), kAnswer);
        w.boxes.answers = {rungbox::platform::BoxAnswer::No};
        part<QPushButton>(w.main, "packResetButton")->click();
        QCOMPARE(w.location(1), std::string("1"));
        QCOMPARE(w.boxes.shown.size(), std::size_t(1));
        QCOMPARE(w.boxes.shown[0].title, std::string("Reset Exercise"));
        w.boxes.answers = {rungbox::platform::BoxAnswer::Yes};
        part<QPushButton>(w.main, "packResetButton")->click();
        QCOMPARE(w.location(1), std::string("0"));
        QCOMPARE(w.state(0), QString("not started"));
        QCOMPARE(w.boxes.shown.size(), std::size_t(2));
    }

    void aHostilePackIsRefusedWithAMessage() {
        course::FileSet missing = packFiles();
        missing.remove("latch.script");
        const struct {
            const char* name;
            std::string bytes;
            const char* why;
        } cases[] = {
            {"not a pack file", "<html>", "could not be opened"},
            {"a path out of the pack",
             R"({"format": "rungbox-pack-file", "version": 1, "files": {"../x": ""}})",
             "could not be opened"},
            {"a file missing", course::packFileText(missing), "latch.script"},
        };
        for (const auto& c : cases) {
            Window w;
            const QString path = m_folder.filePath(QString(c.name).replace(' ', '_') + ".rbxpack");
            writeBytes(path, c.bytes);
            w.open(path);
            QCOMPARE(w.boxes.shown.size(), std::size_t(1));
            QVERIFY2(w.boxes.shown[0].text.find(c.why) != std::string::npos,
                     w.boxes.shown[0].text.c_str());
            QVERIFY(!part<QDockWidget>(w.main, "packPanel")->isVisible());
            QVERIFY(w.tools().pack() == nullptr);
        }
    }
};

QTEST_MAIN(PackToolsTest)
#include "PackToolsTest.moc"

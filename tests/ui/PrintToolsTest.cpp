// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print... and File > Export PDF... on a program longer than a page: the PDF's pages
// counted and its text read back (header on every page, listing with names and comments, the
// names table), and the diagram's rungs each whole on one page.

#include "ui/print/PrintTools.h"
#include "support/ProgramLines.h"
#include "support/Recorders.h"
#include "support/WindowParts.h"
#include "ui/app/MainWindow.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using rungbox::test::part;
using rungbox::ui::MainWindow;

namespace {

// 60 rungs of three lines: more than a page of listing and of diagram.
std::string longProgram() {
    std::string program;
    for (int rung = 0; rung < 60; ++rung) {
        program += "LD 0; AND NOT 1; OUT " + std::to_string(1000 + rung % 16) + "; ";
    }
    return program + "END";
}

// pdftotext's text of page `page` (from 1) of `path`, or nothing without pdftotext.
std::optional<QString> pageText(const QString& path, int page) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        return std::nullopt;
    }
    QProcess run;
    run.start("pdftotext",
              {"-f", QString::number(page), "-l", QString::number(page), "-layout", path, "-"});
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The pages of the PDF at `path`: pdfinfo's count, or the page objects counted in the file.
int pageCount(const QString& path) {
    if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        QProcess run;
        run.start("pdfinfo", {path});
        run.waitForFinished();
        const auto found = QRegularExpression("Pages:\\s+(\\d+)")
                               .match(QString::fromUtf8(run.readAllStandardOutput()));
        return found.hasMatch() ? found.captured(1).toInt() : -1;
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return static_cast<int>(
        QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

class PrintToolsTest : public QObject {
    Q_OBJECT

private slots:
    void aLongProgramPrintsOnPagesWithoutCuttingARung() {
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow main{boxes, dialog};
        rungbox::test::writeProgram(main.session().grid(), longProgram());
        auto& table = main.session().editor().names();
        QVERIFY(!table.set({*rungbox::names::parseAddress("0"), "start", "green button"}));
        QVERIFY(!table.set({*rungbox::names::parseAddress("1000"), "motor", "main contactor"}));

        QTemporaryDir folder;
        const QString path = folder.filePath("long.pdf");
        dialog.path = path.toStdString();
        part<QAction>(main, "exportPdfItem")->trigger();
        QCOMPARE(dialog.suggested, std::string("program.pdf"));
        QVERIFY(boxes.shown.empty());

        // The same printout on a PDF printer, as Print... prints after its dialog.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        const rungbox::ui::PrintResult printed = main.printTools().printTo(printer);
        QVERIFY(printed.pages > 2);
        QCOMPARE(pageCount(path), printed.pages);
        QCOMPARE(pageCount(folder.filePath("printed.pdf")), printed.pages);

        // Every rung whole on one page, below the header; the diagram spans pages.
        QCOMPARE(printed.rungs.size(), std::size_t(61)); // with END's
        for (const auto& rung : printed.rungs) {
            QVERIFY(rung.top >= printed.bodyTop);
            QVERIFY(rung.bottom <= printed.bodyBottom);
        }
        QVERIFY(printed.rungs.back().page > printed.rungs.front().page);

        const auto first = pageText(path, 1);
        if (!first) {
            QSKIP("pdftotext is not installed (Debian's poppler-utils): the text is not read");
        }
        for (const char* shown :
             {"(no file)", "Page 1", "Program", "AND NOT", "start", "green button", "motor"}) {
            QVERIFY2(first->contains(shown), shown);
        }
        const QString last = *pageText(path, printed.pages);
        QVERIFY(last.contains(QString("Page %1").arg(printed.pages)));
        QVERIFY(last.contains("Names"));
        QVERIFY(last.contains("main contactor"));
    }

    void aPdfThatCannotBeWrittenIsReported() {
        rungbox::test::RecordingBoxes boxes;
        rungbox::test::ScriptedDialog dialog;
        MainWindow main{boxes, dialog};
        dialog.path = "/nonexistent/rungbox/long.pdf";
        QVERIFY(!main.printTools().exportPdf());
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].title, std::string("Export PDF"));
        QVERIFY(boxes.shown[0].text.rfind("The PDF could not be saved:", 0) == 0);
    }
};

QTEST_MAIN(PrintToolsTest)
#include "PrintToolsTest.moc"

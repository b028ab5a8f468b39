// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTools.h"

#include "files/CurrentFile.h"
#include "session/LadderDiagram.h"
#include "ui/common/WindowBox.h"

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QMenu>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace rungbox::ui {

namespace {

// Margins of a printout: room for a binder's holes and a printer's grip.
const QMarginsF kMarginsMm(18, 15, 15, 15);

} // namespace

PrintTools::PrintTools(session::Session& session, QWidget& window, QMenu& fileMenu,
                       std::function<QString()> context)
    : QObject(&window), m_session(session), m_window(window), m_context(std::move(context)) {
    setObjectName("printTools");
    QAction* print = fileMenu.addAction(tr("&Print..."), this, [this] { this->print(); });
    print->setObjectName("printItem");
    print->setShortcut(QKeySequence::Print);
    fileMenu.addAction(tr("Export P&DF..."), this, [this] { exportPdf(); })
        ->setObjectName("exportPdfItem");
}

PrintContent PrintTools::content() const {
    const std::string& path = m_session.files().currentFile().path();
    return PrintContent{
        path.empty() ? tr("(no file)") : QString::fromStdString(files::fileName(path)),
        m_context ? m_context() : QString(),
        QDate::currentDate().toString(Qt::ISODate),
        &m_session.grid(),
        &m_session.names(),
        &m_layout,
    };
}

PrintResult PrintTools::printTo(QPrinter& printer) {
    printer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
    session::LadderDiagram diagram(m_session);
    diagram.poll();
    m_layout = diagram.monitor().layout();
    return printProgram(printer, content());
}

void PrintTools::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(tr("Print"));
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

bool PrintTools::exportPdf() {
    const std::string& current = m_session.files().currentFile().path();
    std::string name = current.empty() ? "program" : files::fileName(current);
    name = name.substr(0, name.rfind('.')) + ".pdf";
    const auto path = m_session.ports().fileDialog.askSavePath(name, kPdfFilter);
    if (!path) {
        return false;
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setCreator("Rungbox");
        pdf.setTitle(content().fileName);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                                      QPageLayout::Millimeter));
        session::LadderDiagram diagram(m_session);
        diagram.poll();
        m_layout = diagram.monitor().layout();
        printProgram(pdf, content());
    }
    platform::FileError error;
    auto file = m_session.ports().fileSystem.beginSave(*path, error);
    const QByteArray& data = bytes.buffer();
    if (!file || !file->write({data.constData(), static_cast<std::size_t>(data.size())}, error) ||
        !file->commit(error)) {
        showWindowBox(
            m_session.ports().boxes,
            tr("The PDF could not be saved:\r\n%1").arg(QString::fromStdString(error.description)),
            platform::BoxStyle::Exclamation, tr("Export PDF"));
        return false;
    }
    return true;
}

} // namespace rungbox::ui

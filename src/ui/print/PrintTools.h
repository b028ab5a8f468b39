// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Print... and File > Export PDF...: the program in the grid on paper (ProgramPrint),
// through the system's print dialog, or as a PDF file written through the save dialog and the
// file system's safe save.

#include "ProgramPrint.h"
#include "session/Session.h"

#include <QObject>

#include <functional>

class QMenu;
class QPrinter;
class QWidget;

namespace rungbox::ui {

class PrintTools : public QObject {
    Q_OBJECT

public:
    /// The save dialog's filter of Export PDF.
    static constexpr std::string_view kPdfFilter =
        QT_TRANSLATE_NOOP("FileFilter", "PDF document") " (*.pdf)|*.pdf";

    /// Adds Print... and Export PDF... to the end of `fileMenu`, printing `session`'s program;
    /// `context` tells the pack and exercise for the header (empty outside a pack). Everything
    /// given must outlive the tools.
    PrintTools(session::Session& session, QWidget& window, QMenu& fileMenu,
               std::function<QString()> context);

    /// Print...: the print dialog, then the printout on the printer chosen.
    void print();
    /// Prints on `printer` as it is set up (a test's PDF printer, or the dialog's choice).
    PrintResult printTo(QPrinter& printer);
    /// Export PDF...: asks for a file and writes the printout there as a PDF. A failure is
    /// reported in a message box. Answers whether the file was written.
    bool exportPdf();

    /// What the printout shows now.
    PrintContent content() const;

private:
    session::Session& m_session;
    QWidget& m_window;
    std::function<QString()> m_context;
    // The program's diagram, laid out when printing.
    ladder::Layout m_layout;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file dialog of Load and Save As, shown with QFileDialog.

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPointer>
#include <QWidget>

namespace rungbox::ui {

class QtFileDialog : public platform::FileDialog {
    Q_DECLARE_TR_FUNCTIONS(QtFileDialog)

public:
    /// Dialogs are modal to `parent` (the main window once it exists); nullptr for none.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    /// The save dialog, proposing `defaultName` in the folder last used. A name typed without
    /// an extension gets ".PLC".
    std::optional<std::string> askSavePath(std::string_view defaultName,
                                           std::string_view filter) override;
    /// The open dialog, in the folder last used.
    std::optional<std::string> askOpenPath(std::string_view filter) override;

    /// "description|pattern" filters as QFileDialog writes them: "description", its words
    /// before the patterns in brackets translated ("PLC file (*.PLC)" in the context
    /// "FileFilter").
    static QString qtFilter(std::string_view filter);

private:
    std::optional<std::string> run(QFileDialog::AcceptMode mode, std::string_view defaultName,
                                   std::string_view filter);

    QPointer<QWidget> m_parent;
    QString m_folder;
};

} // namespace rungbox::ui

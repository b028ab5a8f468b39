// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rungbox::ui {

QString QtFileDialog::qtFilter(std::string_view filter) {
    // "PLC file (*.PLC)|*.PLC": the description already names the pattern, which is what
    // QFileDialog reads its patterns from.
    QString text = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    text = bar < 0 ? text : text.left(bar);
    // The words before the patterns are translated in the context "FileFilter"; the patterns
    // stay as they are.
    const qsizetype patterns = text.lastIndexOf(QLatin1String(" ("));
    if (patterns <= 0) {
        return text;
    }
    const QByteArray words = text.left(patterns).toUtf8();
    return QCoreApplication::translate("FileFilter", words.constData()) + text.mid(patterns);
}

std::optional<std::string> QtFileDialog::askSavePath(std::string_view defaultName,
                                                     std::string_view filter) {
    return run(QFileDialog::AcceptSave, defaultName, filter);
}

std::optional<std::string> QtFileDialog::askOpenPath(std::string_view filter) {
    return run(QFileDialog::AcceptOpen, {}, filter);
}

std::optional<std::string> QtFileDialog::run(QFileDialog::AcceptMode mode,
                                             std::string_view defaultName,
                                             std::string_view filter) {
    if (m_folder.isEmpty()) {
        m_folder = QDir::currentPath();
    }
    QFileDialog dialog(m_parent, mode == QFileDialog::AcceptSave ? tr("Save As") : tr("Load"),
                       m_folder, qtFilter(filter));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension gets the proposed name's (".PLC" for programs).
        const QString name =
            QString::fromUtf8(defaultName.data(), static_cast<qsizetype>(defaultName.size()));
        const QString suffix = QFileInfo(name).suffix();
        dialog.setDefaultSuffix(suffix.isEmpty() ? QString("PLC") : suffix);
        dialog.selectFile(name);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungbox::ui {

using platform::BoxAnswer;
namespace BoxStyle = platform::BoxStyle;

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon iconOf(int style) {
    switch (BoxStyle::icon(style)) {
    case BoxStyle::Critical:
        return QMessageBox::Critical;
    case BoxStyle::Question:
        return QMessageBox::Question;
    case BoxStyle::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

BoxAnswer QtMessageBoxes::show(std::string_view text, int style, std::string_view title) {
    QString message = fromView(text);
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QMessageBox box(iconOf(style), fromView(title), message, QMessageBox::NoButton, m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    // Esc and the frame's close button click the escape button. A question with Yes and No has
    // none that fits, so it gets an invisible one of its own: closing the box is no answer.
    QPushButton* dismiss = nullptr;
    switch (BoxStyle::buttons(style)) {
    case BoxStyle::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case BoxStyle::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        dismiss = box.addButton(QString(), QMessageBox::RejectRole);
        dismiss->hide();
        box.setEscapeButton(dismiss);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }

    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    case QMessageBox::Ok:
        return BoxAnswer::Ok;
    default:
        break;
    }
    // The box went without one of its visible buttons.
    switch (BoxStyle::buttons(style)) {
    case BoxStyle::YesNoCancel:
        return BoxAnswer::Cancel;
    case BoxStyle::YesNo:
        return BoxAnswer::Dismissed;
    default:
        return BoxAnswer::Ok;
    }
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBoxes.h"

#include "ui/common/UiText.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungbox::ui {

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::BoxIcon;

namespace {

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

BoxAnswer QtMessageBoxes::show(const l10n::Text& text, platform::BoxStyle style,
                               const l10n::Text& title) {
    QString message = uiText(text);
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QMessageBox box(iconOf(style.icon), uiText(title), message, QMessageBox::NoButton, m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    // Esc and the frame's close button click the escape button. A question with Yes and No has
    // none that fits, so it gets an invisible one of its own: closing the box is no answer.
    QPushButton* dismiss = nullptr;
    switch (style.buttons) {
    case BoxButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case BoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        dismiss = box.addButton(QString(), QMessageBox::RejectRole);
        dismiss->hide();
        box.setEscapeButton(dismiss);
        break;
    case BoxButtons::Ok:
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
    switch (style.buttons) {
    case BoxButtons::YesNoCancel:
        return BoxAnswer::Cancel;
    case BoxButtons::YesNo:
        return BoxAnswer::Dismissed;
    case BoxButtons::Ok:
        break;
    }
    return BoxAnswer::Ok;
}

} // namespace rungbox::ui

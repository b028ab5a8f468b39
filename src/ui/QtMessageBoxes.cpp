#include "QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungbox::ui {

using engine::MsgAnswer;
namespace MsgStyle = engine::MsgStyle;

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon iconOf(int style) {
    switch (MsgStyle::icon(style)) {
    case MsgStyle::Critical:
        return QMessageBox::Critical;
    case MsgStyle::Question:
        return QMessageBox::Question;
    case MsgStyle::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

MsgAnswer QtMessageBoxes::MsgBox(std::string_view text, int style, std::string_view title) {
    QString message = fromView(text);
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QMessageBox box(iconOf(style), fromView(title), message, QMessageBox::NoButton, m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    switch (MsgStyle::buttons(style)) {
    case MsgStyle::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgStyle::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }

    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        break;
    }
    switch (MsgStyle::buttons(style)) {
    case MsgStyle::YesNoCancel:
        return MsgAnswer::Cancel;
    case MsgStyle::YesNo:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiText.h"

#include <QCoreApplication>

namespace rungbox::ui {

QString uiText(const l10n::Text& text) {
    if (text.empty()) {
        return {};
    }
    const QString pattern =
        QCoreApplication::translate(l10n::kCoreContext, text.message->english, text.message->id);
    return QString::fromStdString(l10n::fill(pattern.toStdString(), text.args));
}

QString uiLabel(const char* context, std::string_view label) {
    const QByteArray source(label.data(), static_cast<qsizetype>(label.size()));
    return QCoreApplication::translate(context, source.constData());
}

} // namespace rungbox::ui

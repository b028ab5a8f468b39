// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The message boxes of the application, shown with QMessageBox.

#include "platform/Platform.h"

#include <QPointer>
#include <QWidget>

namespace rungbox::ui {

class QtMessageBoxes : public platform::MessageBoxes {
public:
    /// Boxes are modal to `parent` (the main window once it exists); nullptr for none.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    /// A modal box with the style's icon and buttons; Yes is the default button of a question.
    /// Closing a question box without a button answers Dismissed, or Cancel when it offers Cancel.
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace rungbox::ui

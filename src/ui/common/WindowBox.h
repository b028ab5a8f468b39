// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's own message boxes: texts the window makes itself, already in the user's
// language, shown through the session's message box port as they stand.

#include "platform/Platform.h"

#include <QString>

namespace rungbox::ui {

/// Shows `text` (lines joined by CR LF) in a modal box titled `title` through `boxes` and
/// returns the button pressed. Both texts are shown as given: the caller has translated them.
inline platform::BoxAnswer showWindowBox(platform::MessageBoxes& boxes, const QString& text,
                                         platform::BoxStyle style, const QString& title) {
    return boxes.show(text.toStdString(), style, title.toStdString());
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core's texts in the window's language.

#include "l10n/Text.h"

#include <QString>

namespace rungbox::ui {

/// `text` in the language of the installed translators: its message looked up by its English and
/// id in the "Core" context (English when no catalogue has it), its arguments filled in as they
/// are. The core's line breaks (CR LF) are kept; an empty text gives an empty string.
QString uiText(const l10n::Text& text);

} // namespace rungbox::ui

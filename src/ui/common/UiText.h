// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core's texts in the window's language.

#include "l10n/Text.h"

#include <QString>

#include <string_view>

namespace rungbox::ui {

/// `text` in the language of the installed translators: its message looked up by its English and
/// id in the "Core" context (English when no catalogue has it), its arguments filled in as they
/// are. The core's line breaks (CR LF) are kept; an empty text gives an empty string.
QString uiText(const l10n::Text& text);

/// A fixed label of the core (UTF-8, marked there with QT_TRANSLATE_NOOP under `context`, a
/// literal) in the language of the installed translators; a label no catalogue has, or one the
/// core put together from parts, stays as it is.
QString uiLabel(const char* context, std::string_view label);

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Marks a fixed text of the core for the catalogues without translating it here: the macro is
/// the text itself, so the core keeps its English, and `lupdate` finds the text with its context
/// in the source. A front end shows the text through its translator with the same context
/// (`QCoreApplication::translate(scope, text)` in the window, `tr(scope, text)` on the page).
/// It spells Qt's own macro so that the catalogue tools see it; Qt defines it the same way.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

/// Marks a message of the core with its stable id: expands to `{text, id}`, the initializer of an
/// l10n::Message. Qt defines it the same way.
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(scope, x, comment)                                                      \
    { x, comment }
#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise's statement as a QTextDocument, built block by block from the core's Markdown
// model with a text cursor and character formats: the statement's text only ever goes in as
// text, so that any markup in it shows as the characters it is. Pictures come from the pack's
// own bytes as the document's resources; links are the web addresses the core let through.

#include "course/FileSet.h"
#include "course/Markdown.h"

#include <QString>

#include <vector>

class QTextDocument;

namespace rungbox::ui {

/// The URL scheme of the pictures that the document holds as resources ("pack:pictures/a.png").
inline constexpr const char* kPackPictureScheme = "pack";
/// Widest a picture is shown (pixels); a wider one is scaled down to it.
inline constexpr int kMaxPictureWidth = 480;

/// Fills `document` (emptied first) with `blocks`, the pictures taken from `files`. A picture
/// that is not in the pack or does not load shows its alternative text.
void buildStatement(QTextDocument& document, const std::vector<course::Block>& blocks,
                    const course::FileSet& files);

} // namespace rungbox::ui

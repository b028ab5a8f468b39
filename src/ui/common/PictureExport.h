// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving a drawn picture as SVG or PNG through the file-system port, as safely as a program is
// saved: the picture is drawn into memory and the file replaced only by the complete new one.

#include "platform/Platform.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace rungbox::ui {

/// What a picture is and how it is drawn: `size` in pixels, `paint` drawing it from (0, 0).
struct Picture {
    QSizeF size;
    QString title;         ///< the SVG's title
    double pngScale = 1.0; ///< PNG pixels per picture pixel (2 prints sharply)
    std::function<void(QPainter&)> paint;
};

/// Saves `picture` at `path`: SVG when the name ends in ".svg" (any case), otherwise PNG on
/// white. False, with `error` set, when it could not be drawn or written; the file at `path` is
/// then as it was.
bool savePicture(platform::FileSystem& fileSystem, const std::string& path, const Picture& picture,
                 platform::FileError& error);

} // namespace rungbox::ui

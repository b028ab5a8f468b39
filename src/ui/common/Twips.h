// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window layouts are written in twips, 1440 to the inch: 15 twips make one pixel at 96 dpi.

#include <QRect>

namespace rungbox::ui {

inline constexpr int kTwipsPerPixel = 15;

/// `twips` in pixels, rounded to the nearest pixel.
constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// A rectangle given as Left, Top, Width, Height in twips, in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace rungbox::ui

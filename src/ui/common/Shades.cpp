// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shades.h"

#include <algorithm>

namespace rungbox::ui {

namespace {
// Lightness (0 to 255) below which a palette's window counts as dark: half way.
constexpr int kDarkBelow = 128;
// Colours whose lightness lies in [kMiddleFrom, kMiddleTo] are lifted by kLift when turned over:
// a pure blue or red stays as dark as it was and would not read on a dark background.
constexpr int kMiddleFrom = 100;
constexpr int kMiddleTo = 160;
constexpr int kLift = 60;
} // namespace

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < kDarkBelow;
}

QColor darkShade(const QColor& light) {
    const int lightness = light.lightness();
    int turned = 255 - lightness;
    if (lightness >= kMiddleFrom && lightness <= kMiddleTo) {
        turned = std::min(255, turned + kLift);
    }
    return QColor::fromHsl(light.hslHue(), light.hslSaturation(), turned, light.alpha());
}

} // namespace rungbox::ui

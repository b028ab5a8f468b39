// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows' own colours under the user's palette. Every colour is chosen for a light palette
// (today's look); under a dark palette each is shown with its lightness turned over, so that
// what stood out on white stands out alike on black.

#include <QColor>
#include <QPalette>

namespace rungbox::ui {

/// True when `palette` draws its windows darker than their text.
bool isDark(const QPalette& palette);

/// `light` as a dark palette shows it: the same hue, saturation and alpha with the lightness
/// turned over (black becomes white, a pale yellow a dark one); colours of middle lightness
/// come out lighter, so that text in them reads on a dark background.
QColor darkShade(const QColor& light);

/// `light` under `palette`: itself under a light palette, darkShade() under a dark one.
inline QColor shade(const QPalette& palette, const QColor& light) {
    return isDark(palette) ? darkShade(light) : light;
}

} // namespace rungbox::ui

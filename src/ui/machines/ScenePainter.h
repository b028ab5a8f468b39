// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paints a machine's scene (machines::Scene) with QPainter, in the scene's own pixels: the
// window's half of the one picture the window and the page share.

#include "machines/Scene.h"

class QPainter;

namespace rungbox::ui {

/// Paints every shape of `scene` in order on `painter`, whose transform maps scene pixels.
void paintScene(QPainter& painter, const machines::Scene& scene);

} // namespace rungbox::ui

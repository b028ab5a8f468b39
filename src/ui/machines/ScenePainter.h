// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paints a machine's scene (machines::Scene) with QPainter, in the scene's own pixels: the
// window's half of the one picture the window and the page share.

#include "machines/Scene.h"

#include <QString>

#include <string_view>

class QPainter;

namespace rungbox::ui {

/// Paints every shape of `scene` in order on `painter`, whose transform maps scene pixels.
void paintScene(QPainter& painter, const machines::Scene& scene);

/// A machine's text from the core in the user's language: the fixed labels of the machines
/// (captions, fault names, module titles) are marked there with the context "Machines"; any
/// other text, such as a number, comes back as it stands. `label` is UTF-8.
QString machineLabel(std::string_view label);

} // namespace rungbox::ui

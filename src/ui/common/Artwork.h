// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application's pictures, drawn by its own code at start-up: the two lamp strips, the window
// icon and the splash art. Call these only once a QApplication exists.

#include "ui/frontpanel/LampStrip.h"

#include <QIcon>
#include <QPixmap>

namespace rungbox::ui {

/// `clpRndLED`: the round lamp of the input and output rows, 34 x 17 pixels, two 17 x 17 cells:
/// cell 0 dark red (off), cell 1 bright red (on).
LampStrip makeRoundLampStrip();

/// `clpSqrLED`: the run/stop lamp-button, 98 x 25 pixels, two 49 x 25 cells: cell 0 dark green
/// (stopped), cell 1 bright green (running).
LampStrip makeSquareLampStrip();

/// The window icon, with a 32 x 32 and a 16 x 16 image.
QIcon makeAppIcon();

/// The icon's picture at `size` x `size` pixels.
QPixmap drawIconPixmap(int size);

/// The splash window's art, 500 x 300 pixels.
QPixmap makeSplashArt();

/// A padlock `size` pixels square on a transparent ground: the sign of a forced relay.
QPixmap lockPixmap(int size);
/// A red dot `size` pixels square on a transparent ground: the sign of a breakpoint.
QPixmap breakpointPixmap(int size);

} // namespace rungbox::ui

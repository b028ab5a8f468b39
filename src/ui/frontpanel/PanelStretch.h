// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the front panel grows when its window is enlarged: the code grid takes the extra room,
// everything right of it moves right and everything below it moves down, and the frames that
// reach across the grid's right or bottom edge grow with it. Smaller than its own size the panel
// never gets (the window's minimum).

#include <QHash>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace rungbox::ui {

/// Where a part whose place is `base` on the panel at its own size goes when the panel is `dx`
/// pixels wider and `dy` taller (both 0 or more), the grid having been at `grid`.
QRect stretchedPlace(const QRect& base, const QRect& grid, int dx, int dy);

class PanelStretch : public QObject {
    Q_OBJECT

public:
    /// Stretches the parts of `panel` (its direct children) around `grid`, one of them, when
    /// the panel is resized beyond `baseSize`. Both must outlive this object; children added
    /// later are taken at their place when first seen, which must be their place at baseSize.
    PanelStretch(QWidget& panel, QWidget& grid, QSize baseSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stretch();

    QWidget& m_panel;
    QWidget& m_grid;
    QSize m_baseSize;
    /// Every part's place at the panel's own size.
    QHash<QWidget*, QRect> m_base;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both machines' pictures draw the same way: their lamps and their labels.

#include <QColor>
#include <QPainter>
#include <QString>

namespace rungbox::ui {

/// The green of a lit lamp on a machine.
inline const QColor kPlantLit(60, 200, 60);

/// A round lamp of `radius` pixels at `centre`, lit in `colour` when `on`, dark grey otherwise.
inline void drawLamp(QPainter& painter, QPointF centre, qreal radius, bool on,
                     QColor colour = kPlantLit) {
    painter.setPen(QPen(QColor(30, 30, 30), 1.5));
    painter.setBrush(on ? colour : QColor(90, 90, 80));
    painter.drawEllipse(centre, radius, radius);
}

/// `text` in near-black in `box`, aligned by `align`.
inline void drawLabel(QPainter& painter, QRectF box, const QString& text,
                      int align = Qt::AlignCenter) {
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(box, align, text);
}

} // namespace rungbox::ui

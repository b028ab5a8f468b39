// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both machines' pictures draw the same way: their lamps and their labels.

#include <QColor>
#include <QFontInfo>
#include <QFontMetricsF>
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

/// Draws `text` in `box` as QPainter::drawText does with `flags`. A text wider than the box (a
/// translation longer than its English) is wrapped between words and, while still too wide, set
/// smaller, down to two thirds of the painter's font size; a text that fits is drawn as it is.
inline void drawFittedText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    if (painter.fontMetrics().horizontalAdvance(text) <= box.width()) {
        painter.drawText(box, flags, text);
        return;
    }
    const QFont font = painter.font();
    QFont smaller = font;
    const qreal largest = QFontInfo(font).pointSizeF();
    flags |= Qt::TextWordWrap;
    for (qreal size = largest; size >= largest * 2 / 3; size -= 0.5) {
        smaller.setPointSizeF(size);
        if (QFontMetricsF(smaller).boundingRect(box, flags, text).width() <= box.width()) {
            break;
        }
    }
    painter.setFont(smaller);
    painter.drawText(box, flags, text);
    painter.setFont(font);
}

/// Draws `text` on one line in `box` as QPainter::drawText does with `flags`. A text wider than
/// the box is set smaller, down to three quarters of the painter's font size, and if it still
/// does not fit, shortened with "…"; a text that fits is drawn as it is.
inline void drawFittedLine(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    const QFont font = painter.font();
    QFont smaller = font;
    const qreal largest = QFontInfo(font).pointSizeF();
    for (qreal size = largest - 0.5;
         size >= largest * 3 / 4 && painter.fontMetrics().horizontalAdvance(text) > box.width();
         size -= 0.5) {
        smaller.setPointSizeF(size);
        painter.setFont(smaller);
    }
    painter.drawText(
        box, flags,
        painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width())));
    painter.setFont(font);
}

/// `text` in near-black in `box`, aligned by `align`.
inline void drawLabel(QPainter& painter, QRectF box, const QString& text,
                      int align = Qt::AlignCenter) {
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(box, align, text);
}

} // namespace rungbox::ui

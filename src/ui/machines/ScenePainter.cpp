// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePainter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace rungbox::ui {

namespace {

using machines::Shape;
using machines::ShapeKind;

QColor colourOf(machines::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QRectF boxOf(const machines::SceneRect& box) {
    return {box.x, box.y, box.w, box.h};
}

QPolygonF polygonOf(const Shape& shape) {
    QPolygonF polygon;
    for (const machines::ScenePoint& point : shape.points) {
        polygon << QPointF(point.x, point.y);
    }
    return polygon;
}

void setPenAndBrush(QPainter& painter, const Shape& shape) {
    if (shape.stroke == machines::kNoColour) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(colourOf(shape.stroke), shape.width);
        pen.setStyle(shape.dashed ? Qt::DashLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
    }
    painter.setBrush(shape.fill == machines::kNoColour ? QBrush(Qt::NoBrush)
                                                       : QBrush(colourOf(shape.fill)));
}

void paintText(QPainter& painter, const Shape& shape) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(shape.size + 0.5F)));
    font.setBold(shape.bold);
    painter.setFont(font);
    painter.setPen(colourOf(shape.fill));
    const int across = shape.align == machines::TextAlign::Left    ? Qt::AlignLeft
                       : shape.align == machines::TextAlign::Right ? Qt::AlignRight
                                                                   : Qt::AlignHCenter;
    painter.drawText(boxOf(shape.box), across | Qt::AlignVCenter, machineLabel(shape.text));
}

} // namespace

QString machineLabel(std::string_view label) {
    const QByteArray source(label.data(), static_cast<qsizetype>(label.size()));
    return QCoreApplication::translate("Machines", source.constData());
}

void paintScene(QPainter& painter, const machines::Scene& scene) {
    painter.save();
    for (const Shape& shape : scene.shapes()) {
        switch (shape.kind) {
        case ShapeKind::Rect:
            setPenAndBrush(painter, shape);
            painter.drawRoundedRect(boxOf(shape.box), shape.radius, shape.radius);
            break;
        case ShapeKind::Ellipse:
            setPenAndBrush(painter, shape);
            painter.drawEllipse(boxOf(shape.box));
            break;
        case ShapeKind::Line:
            setPenAndBrush(painter, shape);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(polygonOf(shape));
            break;
        case ShapeKind::Polygon:
            setPenAndBrush(painter, shape);
            painter.drawPolygon(polygonOf(shape));
            break;
        case ShapeKind::Text:
            paintText(painter, shape);
            break;
        }
    }
    painter.restore();
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace rungbox::ui {

namespace {

// Cell sizes of the two lamp strips, in pixels.
constexpr int kRoundCell = 17;
constexpr int kSquareCellWidth = 49;
constexpr int kSquareCellHeight = 25;

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A round lamp in the cell whose left edge is `left`: a dark rim, a body shaded from `light` in
// the upper left to `dark` at the edge, and a small glint.
void drawRoundLamp(QPainter& p, int left, const QColor& light, const QColor& dark, int glint) {
    const QRectF body(left + 1.0, 1.0, kRoundCell - 2.0, kRoundCell - 2.0);
    QRadialGradient shade(body.center() - QPointF(2.0, 2.0), body.width() * 0.65);
    shade.setColorAt(0.0, light);
    shade.setColorAt(1.0, dark);
    p.setPen(QPen(QColor(40, 0, 0), 1.0));
    p.setBrush(shade);
    p.drawEllipse(body.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, glint));
    p.drawEllipse(QRectF(left + 4.5, 3.5, 4.0, 3.0));
}

// A square lamp in the cell whose left edge is `left`, with a bevelled frame.
void drawSquareLamp(QPainter& p, int left, const QColor& light, const QColor& dark, int glint) {
    const QRectF frame(left + 0.5, 0.5, kSquareCellWidth - 1.0, kSquareCellHeight - 1.0);
    p.setPen(QPen(QColor(30, 30, 30), 1.0));
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(frame, 3.0, 3.0);
    const QRectF glass = frame.adjusted(3.0, 3.0, -3.0, -3.0);
    QLinearGradient shade(glass.topLeft(), glass.bottomLeft());
    shade.setColorAt(0.0, light);
    shade.setColorAt(1.0, dark);
    p.setPen(QPen(QColor(0, 30, 0), 1.0));
    p.setBrush(shade);
    p.drawRoundedRect(glass, 2.0, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, glint));
    p.drawRoundedRect(QRectF(glass.left() + 3.0, glass.top() + 2.0, glass.width() - 6.0, 4.0), 2.0,
                      2.0);
}

// The ladder emblem: two rails with three rungs, a contact on the middle rung and a lit lamp.
void drawEmblem(QPainter& p, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    QLinearGradient back(area.topLeft(), area.bottomRight());
    back.setColorAt(0.0, QColor(40, 80, 190));
    back.setColorAt(1.0, QColor(10, 30, 110));
    p.setPen(QPen(QColor(5, 15, 60), std::max(1.0, w / 32.0)));
    p.setBrush(back);
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), w * 0.18, h * 0.18);

    const double rail = std::max(1.0, w / 14.0);
    p.setPen(QPen(Qt::white, rail, Qt::SolidLine, Qt::FlatCap));
    const double leftX = area.left() + w * 0.22;
    const double rightX = area.left() + w * 0.78;
    p.drawLine(QPointF(leftX, area.top() + h * 0.16), QPointF(leftX, area.top() + h * 0.84));
    p.drawLine(QPointF(rightX, area.top() + h * 0.16), QPointF(rightX, area.top() + h * 0.84));
    for (double y : {0.3, 0.5, 0.7}) {
        p.drawLine(QPointF(leftX, area.top() + h * y), QPointF(rightX, area.top() + h * y));
    }
    // The lamp on the middle rung.
    p.setPen(QPen(QColor(90, 0, 0), std::max(1.0, w / 32.0)));
    p.setBrush(QColor(255, 40, 40));
    const double r = w * 0.12;
    p.drawEllipse(QPointF(area.left() + w * 0.5, area.top() + h * 0.5), r, r);
}

} // namespace

LampStrip makeRoundLampStrip() {
    QPixmap strip = transparentPixmap(2 * kRoundCell, kRoundCell);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    drawRoundLamp(p, 0, QColor(140, 20, 20), QColor(60, 0, 0), 40);
    drawRoundLamp(p, kRoundCell, QColor(255, 190, 170), QColor(225, 0, 0), 200);
    p.end();
    return LampStrip(strip, 2);
}

LampStrip makeSquareLampStrip() {
    QPixmap strip = transparentPixmap(2 * kSquareCellWidth, kSquareCellHeight);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    drawSquareLamp(p, 0, QColor(20, 90, 20), QColor(0, 45, 0), 35);
    drawSquareLamp(p, kSquareCellWidth, QColor(170, 255, 150), QColor(0, 200, 0), 170);
    p.end();
    return LampStrip(strip, 2);
}

QPixmap drawIconPixmap(int size) {
    QPixmap pixmap = transparentPixmap(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblem(p, QRectF(0, 0, size, size));
    p.end();
    return pixmap;
}

QIcon makeAppIcon() {
    QIcon icon;
    icon.addPixmap(drawIconPixmap(32));
    icon.addPixmap(drawIconPixmap(16));
    return icon;
}

QPixmap makeSplashArt() {
    constexpr int kWidth = 500;
    constexpr int kHeight = 300;
    QPixmap art(kWidth, kHeight);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient back(0, 0, 0, kHeight);
    back.setColorAt(0.0, QColor(25, 45, 120));
    back.setColorAt(1.0, QColor(8, 16, 55));
    p.fillRect(art.rect(), back);

    // A faint ladder diagram across the lower part: two rails and a few rungs with contacts.
    p.setPen(QPen(QColor(255, 255, 255, 45), 3.0));
    p.drawLine(40, 150, 40, 270);
    p.drawLine(460, 150, 460, 270);
    for (int y : {175, 215, 255}) {
        p.drawLine(40, y, 160, y);
        p.drawLine(180, y, 300, y);
        p.drawLine(350, y, 460, y);
        p.drawLine(160, y - 10, 160, y + 10);
        p.drawLine(180, y - 10, 180, y + 10);
        p.drawEllipse(QPointF(325, y), 13, 13);
    }

    drawEmblem(p, QRectF(40, 40, 64, 64));

    QFont title("DejaVu Sans", 40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(124, 38, 360, 70), Qt::AlignLeft | Qt::AlignVCenter, "Rungbox");
    p.setPen(Qt::white);
    p.drawText(QRect(121, 35, 360, 70), Qt::AlignLeft | Qt::AlignVCenter, "Rungbox");

    QFont subtitle("DejaVu Sans", 12);
    p.setFont(subtitle);
    p.setPen(QColor(200, 215, 255));
    p.drawText(QRect(124, 102, 360, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "Ladder logic PLC simulator"));
    QFont version("DejaVu Sans", 9);
    p.setFont(version);
    p.setPen(QColor(150, 170, 220));
    p.drawText(QRect(124, 124, 360, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "Version %1").arg("1.0"));
    p.end();
    return art;
}

QPixmap lockPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // The shackle, then the body over its feet.
    QPen shackle(QColor(40, 40, 40), std::max(1.5, s / 9));
    p.setPen(shackle);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.28, s * 0.08, s * 0.44, s * 0.6), 0, 180 * 16);
    p.drawLine(QPointF(s * 0.28, s * 0.38), QPointF(s * 0.28, s * 0.5));
    p.drawLine(QPointF(s * 0.72, s * 0.38), QPointF(s * 0.72, s * 0.5));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(240, 190, 30));
    p.drawRoundedRect(QRectF(s * 0.14, s * 0.45, s * 0.72, s * 0.5), s * 0.08, s * 0.08);
    return pixmap;
}

QPixmap breakpointPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    return pixmap;
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConveyorWindow.h"

#include "PlantDrawing.h"

#include <QCoreApplication>
#include <QPainter>

namespace rungbox::ui {

namespace {

using machines::ConveyorPlant;

// The picture's layout in pixels: the belt runs left to right, millimetres scaled by kScale.
constexpr qreal kScale = 0.12;
constexpr qreal kBeltX = 40;
constexpr qreal kBeltTop = 190;
constexpr qreal kBeltWidth = 500 * kScale;
constexpr qreal kBoxWidth = 36;

qreal alongBelt(int mm) {
    return kBeltX + mm * kScale;
}

void drawBin(QPainter& painter, QRectF box, const QString& name, int tall, int small) {
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(110, 120, 140));
    painter.drawRect(box);
    painter.setPen(Qt::white);
    drawFittedText(painter, box.adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignTop, name);
    painter.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignBottom,
                     ConveyorWindow::tr("tall %1\nshort %2").arg(tall).arg(small));
}

} // namespace

ConveyorWindow::ConveyorWindow(machines::ConveyorPlant& conveyor, std::function<bool()> running,
                               QWidget* parent)
    : ModuleWindow(conveyor, std::move(running), parent), m_conveyor(conveyor) {
    setObjectName("conveyorWindow");
    setWindowTitle(QCoreApplication::translate("Machines", "Conveyor"));
    setSceneSize({940, 470});
    addButton(QRectF(40, 356, 110, 44), tr("Start"), QColor(30, 150, 60), conveyor.startButton());
    addButton(QRectF(170, 356, 110, 44), tr("Stop"), QColor(200, 40, 40), conveyor.stopButton());
    setFaultArea(QRectF(640, 346, 290, 80));
}

std::string ConveyorWindow::picture() const {
    return m_conveyor.stateLine() + ' ' + std::to_string(m_conveyor.beltPhase());
}

std::vector<std::pair<QRectF, QString>> ConveyorWindow::faultPlaces() const {
    std::vector<std::pair<QRectF, QString>> places;
    const auto faults = m_conveyor.faults();
    // A jammed box is taken off the belt: the mark stays where it jammed while the jam shows.
    if (faults[ConveyorPlant::kJamPusher].active) {
        const qreal left = alongBelt(ConveyorPlant::kFaceStart);
        const qreal right = alongBelt(ConveyorPlant::kFaceEnd);
        places.emplace_back(QRectF(left - 10, kBeltTop - 6, right - left + 20, kBeltWidth + 12),
                            tr("box jammed at the pusher"));
    }
    if (faults[ConveyorPlant::kJamEntry].active) {
        places.emplace_back(QRectF(kBeltX - 6, kBeltTop - 6,
                                   ConveyorPlant::kBoxLength * kScale + 12, kBeltWidth + 12),
                            tr("box jammed at the entry"));
    }
    return places;
}

namespace {

// The belt with its ribs, which move with it.
void drawBelt(QPainter& painter, const ConveyorPlant& plant) {
    const qreal beltEnd = alongBelt(ConveyorPlant::kBeltLength);
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.setBrush(QColor(60, 60, 65));
    painter.drawRect(QRectF(kBeltX, kBeltTop, beltEnd - kBeltX, kBeltWidth));
    painter.setPen(QPen(QColor(95, 95, 100), 2));
    const qreal rib = ConveyorPlant::kBeltPhaseMm * kScale;
    for (qreal x = kBeltX + plant.beltPhase() * kScale; x < beltEnd; x += rib) {
        painter.drawLine(QPointF(x, kBeltTop + 2), QPointF(x, kBeltTop + kBeltWidth - 2));
    }
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRectF(kBeltX - 8, kBeltTop - 4, 8, kBeltWidth + 8));
    painter.drawRect(QRectF(beltEnd, kBeltTop - 4, 8, kBeltWidth + 8));
    drawLamp(painter, QPointF(kBeltX - 20, kBeltTop + kBeltWidth / 2), 7, plant.beltRunning());
    drawLabel(painter, QRectF(kBeltX - 36, kBeltTop + kBeltWidth + 4, 60, 16),
              ConveyorWindow::tr("belt"));
}

// The side bin and the end bin, with the boxes each holds.
void drawBins(QPainter& painter, const ConveyorPlant& plant) {
    const qreal beltEnd = alongBelt(ConveyorPlant::kBeltLength);
    const ConveyorPlant::Bins& bins = plant.bins();
    const qreal faceLeft = alongBelt(ConveyorPlant::kFaceStart);
    const qreal faceRight = alongBelt(ConveyorPlant::kFaceEnd);
    drawBin(painter,
            QRectF(faceLeft - 25, kBeltTop + kBeltWidth + 14, faceRight - faceLeft + 50, 76),
            ConveyorWindow::tr("side bin"), bins.sideTall, bins.sideShort);
    drawBin(painter, QRectF(beltEnd + 14, kBeltTop - 30, 80, 120), ConveyorWindow::tr("end bin"),
            bins.endTall, bins.endShort);
}

// The boxes, pushed ones moved across the belt.
void drawBoxes(QPainter& painter, const ConveyorPlant& plant) {
    for (const ConveyorPlant::Box& box : plant.boxes()) {
        const QRectF body(alongBelt(box.x),
                          kBeltTop + (kBeltWidth - kBoxWidth) / 2 + box.side * kScale,
                          ConveyorPlant::kBoxLength * kScale, kBoxWidth);
        if (box.tall) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0, 90));
            painter.drawRect(body.translated(5, 5));
        }
        painter.setPen(QPen(QColor(70, 40, 10), 1.5));
        painter.setBrush(box.tall ? QColor(160, 95, 35) : QColor(225, 195, 140));
        painter.drawRect(body);
        painter.setPen(box.tall ? Qt::white : QColor(70, 40, 10));
        painter.drawText(body, Qt::AlignCenter,
                         box.tall ? ConveyorWindow::tr("tall") : ConveyorWindow::tr("short"));
    }
}

// The pusher: a cylinder above the belt, its plate moving across.
// The plate's face touches a box's side as it pushes it.
void drawPusher(QPainter& painter, const ConveyorPlant& plant) {
    const std::uint16_t in = plant.sensors();
    const qreal faceLeft = alongBelt(ConveyorPlant::kFaceStart);
    const qreal faceRight = alongBelt(ConveyorPlant::kFaceEnd);
    const qreal plateY = kBeltTop + (kBeltWidth - kBoxWidth) / 2 - 8 + plant.pusher() * kScale;
    const qreal mid = (faceLeft + faceRight) / 2;
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRect(QRectF(mid - 12, kBeltTop - 70, 24, 44));
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRect(QRectF(mid - 3, kBeltTop - 26, 6, plateY - kBeltTop + 26));
    painter.setBrush(plant.pusherOut() ? QColor(230, 140, 20) : QColor(120, 120, 130));
    painter.drawRect(QRectF(faceLeft, plateY, faceRight - faceLeft, 8));
    drawLamp(painter, QPointF(mid + 28, kBeltTop - 62), 6, (in & ConveyorPlant::kRetracted) != 0);
    drawLabel(painter, QRectF(mid + 38, kBeltTop - 70, 80, 16), ConveyorWindow::tr("retracted"),
              Qt::AlignLeft);
    drawLamp(painter, QPointF(mid + 28, kBeltTop - 42), 6, (in & ConveyorPlant::kExtended) != 0);
    drawLabel(painter, QRectF(mid + 38, kBeltTop - 50, 80, 16), ConveyorWindow::tr("extended"),
              Qt::AlignLeft);
}

// The feeder over the entry.
void drawFeeder(QPainter& painter, const ConveyorPlant& plant) {
    const qreal entryRight = alongBelt(ConveyorPlant::kBoxLength);
    QPolygonF hopper;
    hopper << QPointF(kBeltX - 14, kBeltTop - 80) << QPointF(entryRight + 14, kBeltTop - 80)
           << QPointF(entryRight, kBeltTop - 20) << QPointF(kBeltX, kBeltTop - 20);
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.setBrush(plant.feederOn() ? QColor(230, 140, 20) : QColor(150, 150, 160));
    painter.drawPolygon(hopper);
    painter.setPen(QColor(30, 30, 30));
    drawFittedText(painter, QRectF(kBeltX - 14, kBeltTop - 80, entryRight - kBeltX + 28, 60),
                   Qt::AlignCenter, ConveyorWindow::tr("feeder"));
}

// The sensors: the entry zone, the photo-eyes across the belt, the height sensor.
void drawSensors(QPainter& painter, const ConveyorPlant& plant) {
    const std::uint16_t in = plant.sensors();
    painter.setPen(QPen((in & ConveyorPlant::kAtEntry) != 0 ? kPlantLit : QColor(90, 90, 80), 4));
    painter.drawLine(QPointF(kBeltX, kBeltTop + kBeltWidth + 4),
                     QPointF(alongBelt(ConveyorPlant::kEntryZone), kBeltTop + kBeltWidth + 4));
    const auto eye = [&](int mm, bool broken) {
        const qreal x = alongBelt(mm);
        painter.setPen(QPen(broken ? QColor(230, 30, 30) : QColor(60, 220, 60), 1.5,
                            broken ? Qt::DashLine : Qt::SolidLine));
        painter.drawLine(QPointF(x, kBeltTop - 6), QPointF(x, kBeltTop + kBeltWidth + 6));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawRect(QRectF(x - 4, kBeltTop - 14, 8, 8));
        painter.drawRect(QRectF(x - 4, kBeltTop + kBeltWidth + 6, 8, 8));
    };
    eye(ConveyorPlant::kPusherEye, (in & ConveyorPlant::kAtPusher) != 0);
    eye(ConveyorPlant::kEndEye, (in & ConveyorPlant::kAtEnd) != 0);
}

// The boxes fed and on the belt, a little larger than the labels.
void drawCounts(QPainter& painter, const ConveyorPlant& plant) {
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    painter.setFont(font);
    drawLabel(painter, QRectF(20, 14, 600, 24),
              ConveyorWindow::tr("Boxes fed %1, on the belt %2")
                  .arg(plant.fed())
                  .arg(plant.boxes().size()),
              Qt::AlignLeft);
    font.setPointSizeF(font.pointSizeF() / 1.2);
    painter.setFont(font);
}

// The controller's view: inputs 0 to 7, outputs 1000 to 1002.
void drawTerminals(QPainter& painter, const ConveyorPlant& plant) {
    const std::uint16_t in = plant.sensors();
    static constexpr const char* kInputs[] = {QT_TRANSLATE_NOOP("ConveyorWindow", "0 start"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "1 stop"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "2 entry"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "3 at pusher"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "4 tall"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "5 extended"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "6 retracted"),
                                              QT_TRANSLATE_NOOP("ConveyorWindow", "7 at end")};
    for (int n = 0; n < 8; ++n) {
        const qreal x = 310 + (n / 4) * 110;
        const qreal y = 350 + (n % 4) * 20;
        drawLamp(painter, QPointF(x, y + 8), 6, (in >> n) & 1U);
        drawLabel(painter, QRectF(x + 12, y, 100, 16), ConveyorWindow::tr(kInputs[n]),
                  Qt::AlignLeft | Qt::AlignVCenter);
    }
    const std::pair<bool, const char*> outputs[] = {
        {plant.beltRunning(), QT_TRANSLATE_NOOP("ConveyorWindow", "1000 belt")},
        {plant.feederOn(), QT_TRANSLATE_NOOP("ConveyorWindow", "1001 feeder")},
        {plant.pusherOut(), QT_TRANSLATE_NOOP("ConveyorWindow", "1002 pusher")}};
    qreal y = 350;
    for (const auto& [on, name] : outputs) {
        drawLamp(painter, QPointF(530, y + 8), 6, on, QColor(255, 170, 0));
        drawLabel(painter, QRectF(542, y, 100, 16), ConveyorWindow::tr(name),
                  Qt::AlignLeft | Qt::AlignVCenter);
        y += 20;
    }
}

} // namespace

void ConveyorWindow::drawScene(QPainter& painter) {
    for (const auto draw : {drawBelt, drawBins, drawBoxes, drawPusher, drawFeeder, drawSensors,
                            drawCounts, drawTerminals}) {
        draw(painter, m_conveyor);
    }
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "GateWindow.h"

#include "PlantDrawing.h"

#include <QCoreApplication>
#include <QPainter>

namespace rungbox::ui {

namespace {

using machines::GatePlant;

// The picture's layout in pixels. The leaf is as wide as the gateway and slides to the right,
// behind the fence, as the gate opens.
constexpr qreal kGateLeft = 80;
constexpr qreal kGateWidth = 260;
constexpr qreal kGateY = 150;
constexpr qreal kEyeY = 172;
constexpr qreal kSceneWidth = 630;
constexpr qreal kPanelX = 650; // the readings, buttons and faults
const QRectF kRoad(kGateLeft, 0, kGateWidth, 400);
const QRectF kCarInGateway(150, 60, 120, 190);
const QRectF kCarWaiting(150, 205, 120, 190);

} // namespace

GateWindow::GateWindow(machines::GatePlant& gate, std::function<bool()> running, QWidget* parent)
    : ModuleWindow(gate, std::move(running), parent), m_gate(gate) {
    setObjectName("gateWindow");
    setWindowTitle(QCoreApplication::translate("Machines", "House Gate"));
    setSceneSize({940, 430});
    addButton(QRectF(kPanelX + 10, 230, 120, 44), tr("Remote"), QColor(40, 90, 190), gate.remote());
    addButton(QRectF(kPanelX + 150, 230, 120, 44), tr("Stop"), QColor(200, 40, 40),
              gate.stopButton());
    setFaultArea(QRectF(kPanelX - 10, 296, 290, 98));
}

QRect GateWindow::carArea() const {
    return sceneTransform().mapRect(kCarWaiting).toRect();
}

void GateWindow::clickScene(QPointF at) {
    if (m_gate.car() != GatePlant::Car::Away &&
        (kCarInGateway.contains(at) || kCarWaiting.contains(at))) {
        m_gate.setCar(false);
    } else if (m_gate.car() == GatePlant::Car::Away && kRoad.contains(at)) {
        m_gate.setCar(true);
    }
}

std::vector<std::pair<QRectF, QString>> GateWindow::faultPlaces() const {
    std::vector<std::pair<QRectF, QString>> places;
    const auto faults = m_gate.faults();
    if (faults[GatePlant::kOntoCar].active) {
        places.emplace_back(kCarInGateway.adjusted(-6, -6, 6, 6), tr("gate closed onto the car"));
    }
    if (faults[GatePlant::kAgainstLimit].active) {
        // The leaf, pressing against the limit it has reached.
        places.emplace_back(QRectF(kGateLeft - 10, kGateY - 10, kGateWidth + 20, 44),
                            tr("motor against a limit"));
    }
    return places;
}

namespace {

// The ground, the driveway and the fence; the leaf slides behind the fence on the right.
void drawGround(QPainter& painter, const GatePlant& /*plant*/) {
    painter.fillRect(QRectF(0, 0, kSceneWidth, 400), QColor(120, 170, 100));
    painter.fillRect(kRoad, QColor(165, 165, 160));
    painter.setPen(QPen(QColor(110, 80, 50), 6));
    painter.drawLine(QPointF(0, kGateY + 12), QPointF(kGateLeft - 14, kGateY + 12));
    painter.drawLine(QPointF(kGateLeft + kGateWidth + 10, kGateY + 12),
                     QPointF(kSceneWidth, kGateY + 12));
}

// The photo-eye across the gateway.
void drawEye(QPainter& painter, const GatePlant& plant) {
    const bool broken = plant.car() == GatePlant::Car::InGateway;
    painter.setPen(QPen(broken ? QColor(230, 30, 30) : QColor(60, 220, 60), 2,
                        broken ? Qt::DashLine : Qt::SolidLine));
    painter.drawLine(QPointF(kGateLeft - 4, kEyeY), QPointF(kGateLeft + kGateWidth + 4, kEyeY));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRect(QRectF(kGateLeft - 14, kEyeY - 5, 10, 10));
    painter.drawRect(QRectF(kGateLeft + kGateWidth + 4, kEyeY - 5, 10, 10));
}

// The leaf on its track, sliding right as it opens.
void drawLeaf(QPainter& painter, const GatePlant& plant) {
    const qreal open = static_cast<qreal>(plant.position()) / GatePlant::kTravelMs;
    const QRectF leaf(kGateLeft + open * kGateWidth, kGateY - 6, kGateWidth, 12);
    painter.setPen(QPen(QColor(30, 30, 30), 1.5));
    painter.setBrush(QColor(200, 170, 60));
    painter.drawRect(leaf);
    painter.setPen(QPen(QColor(120, 90, 20), 2));
    for (qreal x = leaf.left() + 13; x < leaf.right(); x += 13) {
        painter.drawLine(QPointF(x, leaf.top() + 1), QPointF(x, leaf.bottom() - 1));
    }
}

// The posts.
void drawPosts(QPainter& painter, const GatePlant& /*plant*/) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(kGateLeft - 14, kGateY - 12, 14, 24));
    painter.drawRect(QRectF(kGateLeft + kGateWidth, kGateY - 12, 10, 24));
}

// The limit switches and the warning light.
void drawLimits(QPainter& painter, const GatePlant& plant) {
    drawLamp(painter, QPointF(kGateLeft - 7, kGateY - 28), 7, plant.closedLimit(), kPlantLit);
    drawLabel(painter, QRectF(kGateLeft - 60, kGateY - 56, 80, 16), GateWindow::tr("closed"));
    drawLamp(painter, QPointF(kGateLeft + 2 * kGateWidth + 7, kGateY - 28), 7, plant.openLimit(),
             kPlantLit);
    drawLabel(painter, QRectF(kGateLeft + 2 * kGateWidth - 33, kGateY - 56, 80, 16),
              GateWindow::tr("open"));
    drawLamp(painter, QPointF(36, 36), 16, plant.warningLight(), QColor(255, 170, 0));
    drawLabel(painter, QRectF(0, 56, 72, 16), GateWindow::tr("warning"));
}

// What the gate is doing.
void drawStatus(QPainter& painter, const GatePlant& plant) {
    painter.setPen(QColor(30, 30, 30));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    painter.setFont(font);
    const int percent = plant.position() * 100 / GatePlant::kTravelMs;
    painter.drawText(QRectF(kPanelX, 20, 280, 24), Qt::AlignLeft,
                     GateWindow::tr("Gate %1 % open").arg(percent));
    QString motor;
    switch (plant.motor()) {
    case GatePlant::Motor::Off:
        motor = GateWindow::tr("Motor off");
        break;
    case GatePlant::Motor::Opening:
        motor = GateWindow::tr("Motor opening");
        break;
    case GatePlant::Motor::Closing:
        motor = GateWindow::tr("Motor closing");
        break;
    case GatePlant::Motor::Both:
        motor = GateWindow::tr("Motor driven BOTH ways");
        break;
    }
    painter.drawText(QRectF(kPanelX, 50, 280, 24), Qt::AlignLeft, motor);
    font.setPointSizeF(font.pointSizeF() / 1.2);
    painter.setFont(font);
}

// The sensors as the controller's inputs see them.
void drawTerminals(QPainter& painter, const GatePlant& plant) {
    const std::uint16_t in = plant.sensors();
    const std::pair<std::uint16_t, const char*> sensors[] = {
        {GatePlant::kRemote, QT_TRANSLATE_NOOP("GateWindow", "0 remote")},
        {GatePlant::kOpenLimit, QT_TRANSLATE_NOOP("GateWindow", "1 open limit")},
        {GatePlant::kClosedLimit, QT_TRANSLATE_NOOP("GateWindow", "2 closed")},
        {GatePlant::kPhotoEye, QT_TRANSLATE_NOOP("GateWindow", "3 photo-eye")},
        {GatePlant::kStop, QT_TRANSLATE_NOOP("GateWindow", "4 stop")},
    };
    qreal y = 92;
    for (const auto& [bit, name] : sensors) {
        drawLamp(painter, QPointF(kPanelX + 10, y + 8), 6, (in & bit) != 0, kPlantLit);
        drawLabel(painter, QRectF(kPanelX + 22, y, 120, 16), GateWindow::tr(name),
                  Qt::AlignLeft | Qt::AlignVCenter);
        y += 24;
    }
    drawLamp(painter, QPointF(kPanelX + 160, 100), 6,
             plant.motor() == GatePlant::Motor::Opening || plant.motor() == GatePlant::Motor::Both,
             kPlantLit);
    drawLabel(painter, QRectF(kPanelX + 172, 92, 110, 16), GateWindow::tr("1000 open"),
              Qt::AlignLeft);
    drawLamp(painter, QPointF(kPanelX + 160, 124), 6,
             plant.motor() == GatePlant::Motor::Closing || plant.motor() == GatePlant::Motor::Both,
             kPlantLit);
    drawLabel(painter, QRectF(kPanelX + 172, 116, 110, 16), GateWindow::tr("1001 close"),
              Qt::AlignLeft);
    drawLamp(painter, QPointF(kPanelX + 160, 148), 6, plant.warningLight(), QColor(255, 170, 0));
    drawLabel(painter, QRectF(kPanelX + 172, 140, 110, 16), GateWindow::tr("1002 light"),
              Qt::AlignLeft);
}

} // namespace

void GateWindow::drawScene(QPainter& painter) {
    drawGround(painter, m_gate);
    // The car, under the gate leaf.
    switch (m_gate.car()) {
    case GatePlant::Car::Away:
        drawCar(painter, kCarWaiting, true);
        break;
    case GatePlant::Car::Waiting:
        drawCar(painter, kCarWaiting, false);
        break;
    case GatePlant::Car::InGateway:
        drawCar(painter, kCarInGateway, false);
        break;
    }
    for (const auto draw : {drawEye, drawLeaf, drawPosts, drawLimits, drawStatus, drawTerminals}) {
        draw(painter, m_gate);
    }
}

void GateWindow::drawCar(QPainter& painter, QRectF body, bool outline) const {
    if (outline) {
        painter.setPen(QPen(QColor(80, 80, 80), 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body, 18, 18);
        drawLabel(painter, body, tr("click:\na car\narrives"));
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    for (const qreal y : {body.top() + 28, body.bottom() - 52}) {
        painter.drawRoundedRect(QRectF(body.left() - 6, y, 12, 30), 3, 3);
        painter.drawRoundedRect(QRectF(body.right() - 6, y, 12, 30), 3, 3);
    }
    painter.setPen(QPen(QColor(20, 30, 60), 1.5));
    painter.setBrush(QColor(40, 80, 170));
    painter.drawRoundedRect(body, 18, 18);
    painter.setBrush(QColor(170, 200, 230));
    painter.drawRoundedRect(QRectF(body.left() + 12, body.top() + 40, body.width() - 24, 34), 6, 6);
    painter.drawRoundedRect(QRectF(body.left() + 14, body.bottom() - 48, body.width() - 28, 24), 6,
                            6);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneWindow.h"

#include "ScenePainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace rungbox::ui {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SceneWindow::SceneWindow(machines::Plant& plant, machines::ModuleKind kind,
                         std::function<bool()> running, QWidget* parent)
    : ModuleWindow(plant, std::move(running), parent), m_plant(plant) {
    setObjectName(fromView(machines::moduleWord(kind)) + "Window");
    setWindowTitle(machineLabel(machines::moduleTitle(kind)));
    const machines::SceneLayout layout = plant.sceneLayout();
    setSceneSize(QSize(static_cast<int>(layout.width), static_cast<int>(layout.height)));
}

machines::Scene SceneWindow::scene() const {
    // The window says it is stopped below the picture, as the other machines' windows do.
    return machines::sceneOf(m_plant, true);
}

QRect SceneWindow::controlRect(std::string_view word) const {
    const auto controls = m_plant.controls();
    const machines::Scene picture = scene();
    for (const machines::SceneHotspot& spot : picture.hotspots()) {
        if (spot.control < controls.size() && controls[spot.control].word == word) {
            const QRectF box(spot.box.x, spot.box.y, spot.box.w, spot.box.h);
            return sceneTransform().mapRect(box).toRect();
        }
    }
    return {};
}

void SceneWindow::drawScene(QPainter& painter) {
    paintScene(painter, scene());
}

void SceneWindow::clickScene(QPointF at) {
    const std::size_t control =
        scene().controlAt({static_cast<float>(at.x()), static_cast<float>(at.y())});
    const auto controls = m_plant.controls();
    if (control >= controls.size()) {
        return;
    }
    using machines::Touch;
    if (controls[control].kind == machines::ControlKind::Switch) {
        m_plant.operate(control, m_plant.controlOn(control) ? Touch::Off : Touch::On);
        return;
    }
    m_plant.operate(control, Touch::Press);
    m_plant.operate(control, Touch::Hold);
    m_held = control;
}

void SceneWindow::releaseHeld() {
    if (m_held) {
        m_plant.operate(*m_held, machines::Touch::Release);
        m_held.reset();
        update();
    }
}

void SceneWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        releaseHeld();
    }
    ModuleWindow::mouseReleaseEvent(event);
}

void SceneWindow::hideEvent(QHideEvent* event) {
    releaseHeld();
    ModuleWindow::hideEvent(event);
}

} // namespace rungbox::ui

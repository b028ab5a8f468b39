// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleWindow.h"

#include "PlantDrawing.h"
#include "ScenePainter.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace rungbox::ui {

ModuleWindow::ModuleWindow(machines::Plant& plant, std::function<bool()> running, QWidget* parent)
    : QWidget(parent, Qt::Window), m_plant(plant), m_running(std::move(running)) {}

void ModuleWindow::refresh() {
    if (!isVisible()) {
        return;
    }
    if (picture() != m_painted || running() != m_paintedRunning) {
        update();
    }
}

QRect ModuleWindow::buttonRect(const QString& caption) const {
    for (const Button& button : m_buttons) {
        if (button.caption == caption) {
            return sceneTransform().mapRect(button.rect).toRect();
        }
    }
    return {};
}

void ModuleWindow::setSceneSize(QSize size) {
    m_sceneSize = size;
    setMinimumSize(size / 2);
    resize(size);
}

QTransform ModuleWindow::sceneTransform() const {
    const qreal scale = std::min(static_cast<qreal>(width()) / m_sceneSize.width(),
                                 static_cast<qreal>(height()) / m_sceneSize.height());
    QTransform transform;
    transform.translate((width() - scale * m_sceneSize.width()) / 2, 0);
    transform.scale(scale, scale);
    return transform;
}

void ModuleWindow::addButton(QRectF rect, const QString& caption, QColor color,
                             machines::PushButton& button) {
    m_buttons.push_back({rect, caption, color, &button});
}

void ModuleWindow::paintEvent(QPaintEvent*) {
    m_painted = picture();
    m_paintedRunning = running();
    ++m_paintCount;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(236, 236, 228));
    painter.setTransform(sceneTransform());
    drawScene(painter);
    drawFaultPlaces(painter);
    drawButtons(painter);
    drawFaults(painter);
    painter.resetTransform();
    if (!m_paintedRunning) {
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRectF(10, height() - 26, width() - 20, 20), Qt::AlignLeft,
                         tr("Stopped: start the run to work the machine."));
    }
}

void ModuleWindow::drawButtons(QPainter& painter) const {
    for (const Button& button : m_buttons) {
        const bool down = button.button->down();
        const QRectF face = down ? button.rect.translated(1, 2) : button.rect;
        painter.setPen(QPen(QColor(40, 40, 40), 1.5));
        painter.setBrush(down ? button.color.darker(140) : button.color);
        painter.drawRoundedRect(face, 8, 8);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(face, Qt::AlignCenter, button.caption);
        font.setBold(false);
        painter.setFont(font);
    }
}

// A red frame around each place where a fault happens, its words on a red tag above it.
void ModuleWindow::drawFaultPlaces(QPainter& painter) const {
    const QColor red(220, 0, 0);
    for (const auto& [place, words] : faultPlaces()) {
        painter.setPen(QPen(red, 4, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(place, 6, 6);
        const QRectF tag(place.left(), place.top() - 20, std::max<qreal>(place.width(), 150), 18);
        painter.fillRect(tag, red);
        painter.setPen(Qt::white);
        painter.drawText(tag, Qt::AlignCenter, words);
    }
}

void ModuleWindow::drawFaults(QPainter& painter) const {
    if (m_faultArea.isEmpty()) {
        return;
    }
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawRect(m_faultArea);
    const qreal line = 19;
    QRectF row(m_faultArea.left() + 8, m_faultArea.top() + 4, m_faultArea.width() - 16, line);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, tr("Faults"));
    font.setBold(false);
    for (const machines::FaultCount& fault : m_plant.faults()) {
        row.translate(0, line);
        const QColor color = fault.active      ? QColor(220, 0, 0)
                             : fault.count > 0 ? QColor(150, 30, 30)
                                               : QColor(70, 110, 70);
        font.setBold(fault.active);
        painter.setFont(font);
        painter.setPen(color);
        // The text keeps clear of its count, however long its translation.
        const QString count = QString::number(fault.count);
        const qreal countRoom = painter.fontMetrics().horizontalAdvance(count) + 8;
        drawFittedLine(painter, row.adjusted(0, 0, -countRoom, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       machineLabel(fault.text));
        painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, count);
    }
    font.setBold(false);
    painter.setFont(font);
}

void ModuleWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !running()) {
        return;
    }
    const QPointF at = sceneTransform().inverted().map(event->position());
    for (Button& button : m_buttons) {
        if (button.rect.contains(at)) {
            // A click shorter than a scan still reaches one scan; holding keeps it down.
            button.button->press();
            button.button->hold(true);
            m_held = button.button;
            update();
            return;
        }
    }
    clickScene(at);
    update();
}

void ModuleWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_held != nullptr) {
        m_held->hold(false);
        m_held = nullptr;
        update();
    }
}

void ModuleWindow::hideEvent(QHideEvent* event) {
    if (m_held != nullptr) {
        m_held->hold(false);
        m_held = nullptr;
    }
    QWidget::hideEvent(event);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lamp.h"

#include "ui/common/Artwork.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace rungbox::ui {

Lamp::Lamp(const LampStrip& clip, QWidget* parent) : QWidget(parent), m_clip(clip) {}

void Lamp::setCell(int cell) {
    if (cell == m_cell) {
        return;
    }
    m_cell = cell;
    update();
}

void Lamp::setLocked(bool locked) {
    if (locked != m_locked) {
        m_locked = locked;
        update();
    }
}

void Lamp::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QPixmap& picture = m_clip.cell(m_cell);
    // A lamp larger than its picture shows it centred.
    const QPoint origin((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    p.drawPixmap(origin, picture);
    if (m_locked) {
        const int size = std::max(8, height() * 2 / 3);
        p.drawPixmap(width() - size, height() - size, lockPixmap(size));
    }
}

void Lamp::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void Lamp::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelStretch.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace rungbox::ui {

QRect stretchedPlace(const QRect& base, const QRect& grid, int dx, int dy) {
    QRect place = base;
    // A part reaching the grid's right edge from its left grows; one right of it moves.
    const int gridRight = grid.left() + grid.width();
    const int gridBottom = grid.top() + grid.height();
    if (base.left() < gridRight && base.left() + base.width() >= gridRight) {
        place.setWidth(base.width() + dx);
    } else if (base.left() >= gridRight) {
        place.moveLeft(base.left() + dx);
    }
    if (base.top() < gridBottom && base.top() + base.height() >= gridBottom) {
        place.setHeight(base.height() + dy);
    } else if (base.top() >= gridBottom) {
        place.moveTop(base.top() + dy);
    }
    return place;
}

PanelStretch::PanelStretch(QWidget& panel, QWidget& grid, QSize baseSize)
    : QObject(&panel), m_panel(panel), m_grid(grid), m_baseSize(baseSize) {
    m_panel.installEventFilter(this);
}

bool PanelStretch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_panel && event->type() == QEvent::Resize) {
        stretch();
    }
    return false;
}

void PanelStretch::stretch() {
    const int dx = std::max(0, m_panel.width() - m_baseSize.width());
    const int dy = std::max(0, m_panel.height() - m_baseSize.height());
    for (QWidget* part : m_panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!m_base.contains(part)) {
            m_base.insert(part, part->geometry());
        }
    }
    const QRect grid = m_base.value(&m_grid);
    for (auto it = m_base.cbegin(); it != m_base.cend(); ++it) {
        const QRect place = stretchedPlace(it.value(), grid, dx, dy);
        if (stretchedPlace(it.value(), grid, 1, 1).size() == it.value().size()) {
            // Parts that only move keep a size set since (the progress bar's).
            it.key()->move(place.topLeft());
        } else {
            it.key()->setGeometry(place);
        }
    }
}

} // namespace rungbox::ui

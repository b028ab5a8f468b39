// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlaces.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace rungbox::ui {

QRect keepOnScreen(QRect rect, const QRect& screen) {
    rect.setWidth(std::min(rect.width(), screen.width()));
    rect.setHeight(std::min(rect.height(), screen.height()));
    rect.moveLeft(std::clamp(rect.left(), screen.left(), screen.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), screen.top(), screen.bottom() - rect.height() + 1));
    return rect;
}

QRect placeBeside(const QRect& main, QSize size, QSize minimum, const QRect& screen, int gap) {
    const int roomRight = screen.right() - main.right() - gap;
    const int roomLeft = main.left() - gap - screen.left();
    int width = size.width();
    bool right = true;
    if (roomRight < width) {
        right = roomLeft < width && roomRight >= roomLeft;
        if (roomLeft < width && roomRight < width) {
            width = std::max(minimum.width(), std::max(roomRight, roomLeft));
            width = std::min(width, size.width());
        }
    }
    const int left = right ? main.right() + 1 + gap : main.left() - gap - width;
    return keepOnScreen(QRect(left, main.top(), width, size.height()), screen);
}

WindowPlaces::WindowPlaces(QWidget& main, QObject* parent) : QObject(parent), m_main(main) {}

void WindowPlaces::setStore(QSettings* settings) {
    m_store = settings;
}

void WindowPlaces::manage(QWidget* window) {
    window->installEventFilter(this);
}

void WindowPlaces::rememberShown() {
    for (const QObject* placed : m_placed) {
        const auto* window = static_cast<const QWidget*>(placed);
        if (window->isVisible()) {
            remember(*window);
        }
    }
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show &&
        std::find(m_placed.begin(), m_placed.end(), watched) == m_placed.end()) {
        m_placed.push_back(watched);
        connect(watched, &QObject::destroyed, this,
                [this, watched] { std::erase(m_placed, watched); });
        placeFirst(*window);
    } else if (event->type() == QEvent::Hide) {
        remember(*window);
    }
    return false;
}

namespace {
QString keyOf(const QWidget& window) {
    return "windows/" + window.objectName();
}
} // namespace

void WindowPlaces::placeFirst(QWidget& window) {
    const QScreen* screen = m_main.screen();
    const QRect available = screen->availableGeometry();
    // A window not yet shown has no frame: it is taken to get one like the main window's.
    const QRect mainFrame = m_main.frameGeometry();
    const QRect mainInner = m_main.geometry();
    const QMargins frame(mainInner.left() - mainFrame.left(), mainInner.top() - mainFrame.top(),
                         mainFrame.right() - mainInner.right(),
                         mainFrame.bottom() - mainInner.bottom());
    QRect outer;
    if (m_store != nullptr && m_store->contains(keyOf(window)) &&
        window.restoreGeometry(m_store->value(keyOf(window)).toByteArray())) {
        outer = keepOnScreen(window.geometry() + frame, available);
    } else {
        const QSize minimum = window.minimumSize().grownBy(frame);
        outer = placeBeside(mainFrame, window.size().grownBy(frame), minimum, available, kGap);
    }
    window.setGeometry(outer - frame);
}

void WindowPlaces::remember(const QWidget& window) {
    if (m_store != nullptr) {
        m_store->setValue(keyOf(window), window.saveGeometry());
    }
}

} // namespace rungbox::ui

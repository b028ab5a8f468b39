// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlaces.h"

#include <QChildEvent>
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

namespace {

long coveredArea(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long>(both.width()) * both.height();
}

// Below `other`, level with its left edge, `gap` pixels away; or above it.
QRect below(const QRect& other, QSize size, int gap) {
    return QRect(QPoint(other.left(), other.bottom() + 1 + gap), size);
}
QRect above(const QRect& other, QSize size, int gap) {
    return QRect(QPoint(other.left(), other.top() - gap - size.height()), size);
}

} // namespace

QRect placeLeastCovering(const QRect& main, QSize size, QSize minimum,
                         const std::vector<QRect>& shown, const QRect& screen, int gap) {
    std::vector<QRect> places;
    std::vector<QRect> around = {main};
    around.insert(around.end(), shown.begin(), shown.end());
    for (const QRect& other : around) {
        places.push_back(placeBeside(other, size, minimum, screen, gap));
        places.push_back(below(other, size, gap));
        places.push_back(above(other, size, gap));
    }
    for (const QPoint corner :
         {screen.topRight(), screen.bottomRight(), screen.bottomLeft(), screen.topLeft()}) {
        places.push_back(QRect(corner, size));
    }
    QRect best;
    long least = -1;
    for (QRect place : places) {
        place = keepOnScreen(place, screen);
        // What a narrowed window cannot show is as bad as the main window covered.
        const long lost = static_cast<long>(size.width()) * size.height() -
                          static_cast<long>(place.width()) * place.height();
        long covered = 2 * coveredArea(place, main) + 2 * lost;
        for (const QRect& other : shown) {
            covered += coveredArea(place, other);
        }
        if (least < 0 || covered < least) {
            least = covered;
            best = place;
        }
    }
    return best;
}

WindowPlaces::WindowPlaces(QWidget& main, QObject* parent) : QObject(parent), m_main(main) {
    m_main.installEventFilter(this);
}

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

namespace {
// A window the user works beside the main window: not modal (a message box, a file dialog),
// not a popup (a menu) and named, so that its place can be remembered.
bool toolWindow(const QWidget& window) {
    const Qt::WindowType type = window.windowType();
    return window.isWindow() && !window.isModal() && !window.objectName().isEmpty() &&
           (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool);
}
} // namespace

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        // A window made with a window of ours as its parent (its type is set by then).
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) {
            child->installEventFilter(this);
        }
        return false;
    }
    if (watched == &m_main) {
        return false;
    }
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && toolWindow(*window) &&
        std::find(m_placed.begin(), m_placed.end(), watched) == m_placed.end()) {
        m_placed.push_back(watched);
        connect(watched, &QObject::destroyed, this,
                [this, watched] { std::erase(m_placed, watched); });
        placeFirst(*window);
    } else if (event->type() == QEvent::Hide &&
               std::find(m_placed.begin(), m_placed.end(), watched) != m_placed.end()) {
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
        outer = placeLeastCovering(mainFrame, window.size().grownBy(frame), minimum,
                                   shownFrames(window), available, kGap);
    }
    window.setGeometry(outer - frame);
}

std::vector<QRect> WindowPlaces::shownFrames(const QWidget& window) const {
    std::vector<QRect> frames;
    for (const QObject* placed : m_placed) {
        const auto* other = static_cast<const QWidget*>(placed);
        if (other != &window && other->isVisible()) {
            frames.push_back(other->frameGeometry());
        }
    }
    return frames;
}

void WindowPlaces::remember(const QWidget& window) {
    if (m_store != nullptr) {
        m_store->setValue(keyOf(window), window.saveGeometry());
    }
}

} // namespace rungbox::ui

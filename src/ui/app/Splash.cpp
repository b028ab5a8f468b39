// SPDX-License-Identifier: GPL-3.0-or-later
#include "Splash.h"

#include "ui/common/Artwork.h"
#include "ui/common/Twips.h"

#include <QPainter>

namespace rungbox::ui {

namespace {
// The client area: 7470 x 4470 twips; the 500 x 300 art covers it.
constexpr int kClientWidth = 7470;
constexpr int kClientHeight = 4470;
} // namespace

Splash::Splash(std::function<QWidget*()> openMain, QWidget* parent)
    : QWidget(parent), m_openMain(std::move(openMain)), m_art(makeSplashArt()), m_timer(this) {
    setObjectName("Splash");
    setWindowTitle("Rungbox");
    setFixedSize(px(kClientWidth), px(kClientHeight));
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash stays its full two seconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kShowMs);
    connect(&m_timer, &QTimer::timeout, this, &Splash::openMainWindow);
    m_timer.start();
}

void Splash::openMainWindow() {
    m_timer.stop();
    if (m_openMain) {
        if (QWidget* main = m_openMain()) {
            main->show();
        }
        m_openMain = nullptr;
    }
    close();
}

void Splash::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_art);
}

} // namespace rungbox::ui

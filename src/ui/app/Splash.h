// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The start-up window: shows the splash art for two seconds, then opens the main window and
// closes itself.

#include <QTimer>
#include <QWidget>

#include <functional>

namespace rungbox::ui {

class Splash : public QWidget {
    Q_OBJECT

public:
    /// Milliseconds the splash stays before the main window opens.
    static constexpr int kShowMs = 2000;

    /// `openMain` creates the main window (once) and returns it; the splash shows it. The
    /// timer starts now.
    explicit Splash(std::function<QWidget*()> openMain, QWidget* parent = nullptr);

    /// The timer's single tick: shows the main window, then closes the splash.
    void openMainWindow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QWidget*()> m_openMain;
    QPixmap m_art;
    QTimer m_timer; ///< a child of the splash, so that tests can find and drive it
};

} // namespace rungbox::ui

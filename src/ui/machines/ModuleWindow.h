// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window of a machine chosen in the Module menu: draws the machine with QPainter, lets the
// user press its push-buttons (and drive the gate's car) while a run is on, and lists its
// faults. It repaints on the session's frames (at most about 30 a second), and only when the
// machine's state has changed since the last picture.

#include "machines/Plant.h"
#include "machines/PushButton.h"

#include <QTransform>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::ui {

class ModuleWindow : public QWidget {
    Q_OBJECT

public:
    /// `plant` must outlive the window; it is not owned. `running` answers whether a run is on:
    /// the machine's hands work only then.
    ModuleWindow(machines::Plant& plant, std::function<bool()> running, QWidget* parent);

    /// Schedules a repaint when the picture would differ from the last one painted; nothing
    /// while the window is hidden. Called on each of the session's frames.
    void refresh();

    /// Pictures painted since the window was made; for tests.
    int paintCount() const { return m_paintCount; }
    /// Where the machine's active faults happen (scene pixels), each with its words; the
    /// picture marks them there. Empty while none is active.
    virtual std::vector<std::pair<QRectF, QString>> faultPlaces() const { return {}; }
    /// The on-screen push-button captioned `caption`, or an empty rectangle; for tests.
    QRect buttonRect(const QString& caption) const;
    /// Where the picture, drawn in the scene's own pixels, lies in the window: scaled to fit
    /// the window with its proportions kept, centred.
    QTransform sceneTransform() const;

protected:
    /// A push-button of the machine drawn in the window.
    struct Button {
        QRectF rect;
        QString caption;
        QColor color;
        machines::PushButton* button;
    };

    /// Draws everything but the buttons and the fault list.
    virtual void drawScene(QPainter& painter) = 0;
    /// A left click at `at` outside the buttons, while a run is on.
    virtual void clickScene(QPointF at) { (void)at; }
    /// What the picture depends on; equal strings give equal pictures.
    virtual std::string picture() const { return m_plant.stateLine(); }

    bool running() const { return m_running(); }
    /// The size the scene is drawn for, in its own pixels: the window opens at it and can be
    /// made as small as half of it, or larger; the picture scales with the window.
    void setSceneSize(QSize size);
    void addButton(QRectF rect, const QString& caption, QColor color, machines::PushButton& button);
    /// Where the fault list goes.
    void setFaultArea(QRectF area) { m_faultArea = area; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void drawButtons(QPainter& painter) const;
    void drawFaults(QPainter& painter) const;
    void drawFaultPlaces(QPainter& painter) const;

    machines::Plant& m_plant;
    std::function<bool()> m_running;
    std::vector<Button> m_buttons;
    QRectF m_faultArea;
    QSize m_sceneSize{1, 1};
    std::string m_painted; // picture() as last painted
    bool m_paintedRunning = false;
    int m_paintCount = 0;
    machines::PushButton* m_held = nullptr;
};

} // namespace rungbox::ui

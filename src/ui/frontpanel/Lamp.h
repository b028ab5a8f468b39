// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lamp on the main window: shows one cell of a picture strip. The run/stop lamp-button is a
// lamp that also reports clicks.

#include "LampStrip.h"

#include <QWidget>

namespace rungbox::ui {

class Lamp : public QWidget {
    Q_OBJECT

public:
    /// `clip` must outlive the lamp; it is not owned. The lamp starts on cell 0.
    explicit Lamp(const LampStrip& clip, QWidget* parent = nullptr);

    /// The cell shown (0 off, 1 on).
    int cell() const { return m_cell; }
    /// Shows cell `cell`; repaints only when the cell changes.
    void setCell(int cell);
    bool isOn() const { return m_cell != 0; }
    void setOn(bool on) { setCell(on ? 1 : 0); }

    /// True while the relay the lamp shows is forced: a padlock is drawn over the lamp.
    bool locked() const { return m_locked; }
    void setLocked(bool locked);

signals:
    /// A left-button click: pressed and released over the lamp.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const LampStrip& m_clip;
    int m_cell = 0;
    bool m_pressed = false;
    bool m_locked = false;
};

} // namespace rungbox::ui

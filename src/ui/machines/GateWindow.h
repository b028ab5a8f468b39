// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The House Gate's window: the driveway seen from above with the sliding gate, its limit
// switches, the photo-eye across the gateway, the warning light and the car. A click on the
// road sends a car in, a click on the car drives it away; Remote and Stop are push-buttons.

#include "ModuleWindow.h"
#include "machines/GatePlant.h"

namespace rungbox::ui {

class GateWindow : public ModuleWindow {
    Q_OBJECT

public:
    /// `gate` must outlive the window; see ModuleWindow for `running`.
    GateWindow(machines::GatePlant& gate, std::function<bool()> running, QWidget* parent);

    /// Where a click sends the car in or drives it away; for tests.
    QRect carArea() const;

    std::vector<std::pair<QRectF, QString>> faultPlaces() const override;

protected:
    void drawScene(QPainter& painter) override;
    void clickScene(QPointF at) override;

private:
    void drawCar(QPainter& painter, QRectF body, bool outline) const;

    machines::GatePlant& m_gate;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Conveyor's window: the belt seen from above with its boxes (tall ones dark, short ones
// light), the feeder, the pusher, the side and end bins with their counts, the sensors, the
// Start and Stop push-buttons and the faults. The belt's ribs move while it runs.

#include "ModuleWindow.h"
#include "machines/ConveyorPlant.h"

namespace rungbox::ui {

class ConveyorWindow : public ModuleWindow {
    Q_OBJECT

public:
    /// `conveyor` must outlive the window; see ModuleWindow for `running`.
    ConveyorWindow(machines::ConveyorPlant& conveyor, std::function<bool()> running,
                   QWidget* parent);

    std::vector<std::pair<QRectF, QString>> faultPlaces() const override;

protected:
    void drawScene(QPainter& painter) override;
    std::string picture() const override;

private:
    machines::ConveyorPlant& m_conveyor;
};

} // namespace rungbox::ui

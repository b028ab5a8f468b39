// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window of a machine that draws itself as a scene (machines::Scene): the motor starter, the
// tank with two pumps, the traffic intersection and the car park. It paints the plant's scene,
// and a click on one of the scene's push-buttons presses it while the mouse is down (a click
// shorter than a scan still reaches one scan); a click on a switch turns it over.

#include "ModuleWindow.h"
#include "machines/ModuleHost.h"
#include "machines/Scene.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace rungbox::ui {

class SceneWindow : public ModuleWindow {
    Q_OBJECT

public:
    /// `plant` (the machine of module `kind`) must outlive the window; see ModuleWindow for
    /// `running`. The window is named after the module's word ("motorWindow").
    SceneWindow(machines::Plant& plant, machines::ModuleKind kind, std::function<bool()> running,
                QWidget* parent);

    /// The machine's picture as the window paints it now.
    machines::Scene scene() const;
    /// Where control `word` can be clicked, in window pixels; empty when the picture has no
    /// place for it. For tests.
    QRect controlRect(std::string_view word) const;

protected:
    void drawScene(QPainter& painter) override;
    void clickScene(QPointF at) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void releaseHeld();

    machines::Plant& m_plant;
    std::optional<std::size_t> m_held; // the control held down by the mouse
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TankPlant.h"

#include "Scene.h"

namespace rungbox::machines {

TankPlant::TankPlant() {
    reset();
}

void TankPlant::reset() {
    m_button.release();
    m_outputs = 0;
}

std::uint16_t TankPlant::sensors() const {
    return m_button.down() ? 1U : 0U;
}

void TankPlant::step(std::uint16_t outputs) {
    m_outputs = outputs;
    m_button.scanned();
}

std::string TankPlant::stateLine() const {
    std::string line = "tank out=" + std::to_string(m_outputs);
    appendFaults(line);
    return line;
}

SceneLayout TankPlant::sceneLayout() const {
    return {600, 400, 380, 20, 200};
}

void TankPlant::drawScene(Scene& scene) const {
    scene.text({20, 20, 300, 20}, "Tank and Pumps", Scene::kInk, 16, TextAlign::Left, true);
    scene.lamp(40, 80, 10, (m_outputs & 1U) != 0);
    scene.button({20, 300, 110, 44}, kControls[0].caption, 0x1E963C, m_button.down(), 0);
}

PushButton* TankPlant::controlButton(std::size_t index) {
    return index == 0 ? &m_button : nullptr;
}

} // namespace rungbox::machines

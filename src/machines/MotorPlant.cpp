// SPDX-License-Identifier: GPL-3.0-or-later
#include "MotorPlant.h"

#include "Scene.h"

namespace rungbox::machines {

MotorPlant::MotorPlant() {
    reset();
}

void MotorPlant::reset() {
    m_button.release();
    m_outputs = 0;
}

std::uint16_t MotorPlant::sensors() const {
    return m_button.down() ? 1U : 0U;
}

void MotorPlant::step(std::uint16_t outputs) {
    m_outputs = outputs;
    m_button.scanned();
}

std::string MotorPlant::stateLine() const {
    std::string line = "motor out=" + std::to_string(m_outputs);
    appendFaults(line);
    return line;
}

SceneLayout MotorPlant::sceneLayout() const {
    return {600, 400, 380, 20, 200};
}

void MotorPlant::drawScene(Scene& scene) const {
    scene.text({20, 20, 300, 20}, "Motor Starter", Scene::kInk, 16, TextAlign::Left, true);
    scene.lamp(40, 80, 10, (m_outputs & 1U) != 0);
    scene.button({20, 300, 110, 44}, kControls[0].caption, 0x1E963C, m_button.down(), 0);
}

PushButton* MotorPlant::controlButton(std::size_t index) {
    return index == 0 ? &m_button : nullptr;
}

} // namespace rungbox::machines

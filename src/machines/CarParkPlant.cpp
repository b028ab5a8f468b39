// SPDX-License-Identifier: GPL-3.0-or-later
#include "CarParkPlant.h"

#include "Scene.h"

namespace rungbox::machines {

CarParkPlant::CarParkPlant() {
    reset();
}

void CarParkPlant::reset() {
    m_button.release();
    m_outputs = 0;
}

std::uint16_t CarParkPlant::sensors() const {
    return m_button.down() ? 1U : 0U;
}

void CarParkPlant::step(std::uint16_t outputs) {
    m_outputs = outputs;
    m_button.scanned();
}

std::string CarParkPlant::stateLine() const {
    std::string line = "carpark out=" + std::to_string(m_outputs);
    appendFaults(line);
    return line;
}

SceneLayout CarParkPlant::sceneLayout() const {
    return {600, 400, 380, 20, 200};
}

void CarParkPlant::drawScene(Scene& scene) const {
    scene.text({20, 20, 300, 20}, "Car Park", Scene::kInk, 16, TextAlign::Left, true);
    scene.lamp(40, 80, 10, (m_outputs & 1U) != 0);
    scene.button({20, 300, 110, 44}, kControls[0].caption, 0x1E963C, m_button.down(), 0);
}

PushButton* CarParkPlant::controlButton(std::size_t index) {
    return index == 0 ? &m_button : nullptr;
}

} // namespace rungbox::machines

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrafficPlant.h"

#include "Scene.h"

namespace rungbox::machines {

TrafficPlant::TrafficPlant() {
    reset();
}

void TrafficPlant::reset() {
    m_button.release();
    m_outputs = 0;
}

std::uint16_t TrafficPlant::sensors() const {
    return m_button.down() ? 1U : 0U;
}

void TrafficPlant::step(std::uint16_t outputs) {
    m_outputs = outputs;
    m_button.scanned();
}

std::string TrafficPlant::stateLine() const {
    std::string line = "traffic out=" + std::to_string(m_outputs);
    appendFaults(line);
    return line;
}

SceneLayout TrafficPlant::sceneLayout() const {
    return {600, 400, 380, 20, 200};
}

void TrafficPlant::drawScene(Scene& scene) const {
    scene.text({20, 20, 300, 20}, "Traffic Intersection", Scene::kInk, 16, TextAlign::Left, true);
    scene.lamp(40, 80, 10, (m_outputs & 1U) != 0);
    scene.button({20, 300, 110, 44}, kControls[0].caption, 0x1E963C, m_button.down(), 0);
}

PushButton* TrafficPlant::controlButton(std::size_t index) {
    return index == 0 ? &m_button : nullptr;
}

} // namespace rungbox::machines

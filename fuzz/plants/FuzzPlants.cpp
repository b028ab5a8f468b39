// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of output relays and hands on a machine drawn from a scene: whatever a program
// and a user do, the plant's state stays possible (Plant::invariantBreach), its sensors stay
// within its mask, its picture holds only places inside itself, and reset brings back the
// state it started in.
//
// Input: the first byte chooses the machine; then, per simulated millisecond, three bytes: the
// output relays (two bytes, low first) and a hand (a control and a touch, or nothing).

#include "FuzzSupport.h"

#include "machines/ModuleHost.h"
#include "machines/Scene.h"

#include <array>
#include <string>

using namespace rungbox;

namespace {

// The machines drawn from scenes, the ones this target works.
constexpr std::array<machines::ModuleKind, 4> kKinds = {
    machines::ModuleKind::Motor, machines::ModuleKind::Tank, machines::ModuleKind::Traffic,
    machines::ModuleKind::CarPark};

void checkScene(const machines::Plant& plant) {
    const machines::Scene scene = machines::sceneOf(plant, true);
    for (const auto& spot : scene.hotspots()) {
        fuzz::require(spot.control < plant.controls().size(), "a hotspot names a control");
        fuzz::require(spot.box.x >= 0 && spot.box.y >= 0 &&
                          spot.box.x + spot.box.w <= scene.width() &&
                          spot.box.y + spot.box.h <= scene.height(),
                      "a hotspot lies inside the picture");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    machines::ModuleHost host;
    const machines::ModuleKind kind = kKinds[data[0] % kKinds.size()];
    host.choose(kind);
    machines::Plant& plant = *host.plant();
    const std::string fresh = plant.stateLine();
    const std::size_t controls = plant.controls().size();
    for (std::size_t at = 1; at + 3 <= size; at += 3) {
        const auto outputs = static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
        const std::uint8_t hand = data[at + 2];
        if (controls > 0 && hand < 0xF0) {
            plant.operate(hand % controls, static_cast<machines::Touch>((hand / controls) % 5));
        }
        fuzz::require((plant.sensors() & ~plant.sensorMask()) == 0, "sensors within the mask");
        plant.step(outputs);
        const std::string breach = plant.invariantBreach();
        if (!breach.empty()) {
            std::fprintf(stderr, "%s: %s\n", plant.stateLine().c_str(), breach.c_str());
        }
        fuzz::require(breach.empty(), "the plant's state stays possible");
        fuzz::require(plant.stateLine().rfind(std::string(plant.name()) + ' ', 0) == 0,
                      "the state line starts with the plant's name");
    }
    checkScene(plant);
    plant.reset();
    fuzz::require(plant.stateLine() == fresh, "reset brings back the starting state");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The Motor Starter's picture: the power circuit from the supply through the direction
// contactors and the overload relay to the motor and its star and delta contactors, the
// controller's terminals as lamps, and the panel's buttons and pilot lamps.

#include "MotorPlant.h"
#include "Scene.h"
#include "l10n/Mark.h"

#include <cmath>
#include <numbers>
#include <string>

namespace rungbox::machines {

namespace {

constexpr Rgb kWire = 0x3C3C46;
constexpr Rgb kLiveWire = 0xC8501E;
constexpr Rgb kContactorOpen = 0xC8C8CC;
constexpr Rgb kContactorClosed = 0xF0C040;
constexpr Rgb kOutputLamp = 0xFFAA00;
constexpr Rgb kTripRed = 0xDC3C3C;

// The three supply lines' heights, and the bus each phase takes after the direction contactors.
constexpr float kLineY[3] = {52, 64, 76};
constexpr float kBusY[3] = {180, 190, 200};
// The motor: its middle and radius.
constexpr float kMotorX = 230;
constexpr float kMotorY = 338;
constexpr float kMotorR = 48;

// A contactor: a box with its name on top and three poles, drawn closed (and the box lit) while
// its coil is energised. Returns the poles' x positions (the box's pole spacing is 30 px).
void contactor(Scene& scene, SceneRect box, std::string_view caption, bool closed) {
    scene.rect(box, closed ? kContactorClosed : kContactorOpen, Scene::kInk, 1.5F, 4);
    scene.text({box.x + 2, box.y + 2, box.w - 4, 14}, caption, Scene::kInk, 10, TextAlign::Centre,
               true);
    for (int p = 0; p < 3; ++p) {
        const float x = box.x + 25 + 30 * static_cast<float>(p);
        const float top = box.y + 20;
        const float bottom = box.y + box.h - 6;
        scene.line({{x, top}, {x, top + 6}}, Scene::kInk, 2);
        scene.line({{x, bottom - 6}, {x, bottom}}, Scene::kInk, 2);
        const float tipX = closed ? x : x - 9;
        scene.line({{x, bottom - 6}, {tipX, top + 6}}, Scene::kInk, 2);
    }
}

void drawSupply(Scene& scene) {
    static constexpr const char* kNames[3] = {"L1", "L2", "L3"};
    for (int p = 0; p < 3; ++p) {
        scene.text({24, kLineY[p] - 6, 30, 12}, kNames[p], Scene::kInk, 11, TextAlign::Left, true);
        scene.line({{50, kLineY[p]}, {560, kLineY[p]}}, kLiveWire, 2);
    }
    scene.text({380, 28, 180, 14}, "3 ~ 400 V 50 Hz", Scene::kInk, 11, TextAlign::Right);
}

// K1 passes the phases straight; K2 swaps L1 and L3, which turns the motor the other way. Both
// feed the same three buses, which K4 also reaches for the delta connection.
void drawDirection(Scene& scene, std::uint16_t out) {
    const bool k1 = (out & MotorPlant::kK1Forward) != 0;
    const bool k2 = (out & MotorPlant::kK2Reverse) != 0;
    const SceneRect box1{90, 100, 110, 60};
    const SceneRect box2{260, 100, 110, 60};
    for (int p = 0; p < 3; ++p) {
        const float x1 = box1.x + 25 + 30 * static_cast<float>(p);
        const float x2 = box2.x + 25 + 30 * static_cast<float>(p);
        scene.line({{x1, kLineY[p]}, {x1, box1.y}}, kLiveWire, 2);
        scene.line({{x2, kLineY[p]}, {x2, box2.y}}, kLiveWire, 2);
        scene.ellipse({x1 - 3, kLineY[p] - 3, 6, 6}, kLiveWire);
        scene.ellipse({x2 - 3, kLineY[p] - 3, 6, 6}, kLiveWire);
        scene.line({{x1, box1.y + box1.h}, {x1, kBusY[p]}}, kWire, 2);
        const float x2Bus = box2.x + 25 + 30 * static_cast<float>(2 - p);
        scene.line({{x2, box2.y + box2.h},
                    {x2, box2.y + box2.h + 6},
                    {x2Bus, kBusY[2 - p] - 4},
                    {x2Bus, kBusY[2 - p]}},
                   kWire, 2);
        scene.line({{x1, kBusY[p]}, {540 + 10 * static_cast<float>(p), kBusY[p]}}, kWire, 2);
    }
    contactor(scene, box1, QT_TRANSLATE_NOOP("Machines", "K1 forward  1000"), k1);
    contactor(scene, box2, QT_TRANSLATE_NOOP("Machines", "K2 reverse  1001"), k2);
    scene.text({box2.x + box2.w + 14, box2.y + 22, 90, 14}, "L1 \u21C4 L3", Scene::kInk, 11,
               TextAlign::Left);
}

// The thermal overload relay in the three motor leads, lit red once it has tripped.
void drawOverload(Scene& scene, bool tripped) {
    const SceneRect box{170, 218, 120, 36};
    for (int p = 0; p < 3; ++p) {
        const float x = 200 + 30 * static_cast<float>(p);
        scene.line({{x, kBusY[p]}, {x, box.y}}, kWire, 2);
        scene.ellipse({x - 3, kBusY[p] - 3, 6, 6}, kWire);
        const float dx = x - kMotorX;
        const float edge = kMotorY - std::sqrt(kMotorR * kMotorR - dx * dx);
        scene.line({{x, box.y + box.h}, {x, edge}}, kWire, 2);
    }
    scene.rect(box, tripped ? kTripRed : 0xDCDCE6, Scene::kInk, 1.5F, 4);
    scene.text(box,
               tripped ? QT_TRANSLATE_NOOP("Machines", "F1 TRIPPED")
                       : QT_TRANSLATE_NOOP("Machines", "F1 overload"),
               tripped ? 0xFFFFFF : Scene::kInk, 11, TextAlign::Centre, true);
    scene.text({box.x - 160, box.y + 10, 146, 16},
               QT_TRANSLATE_NOOP("Machines", "95-96 \u2192 input 3"), Scene::kInk, 11,
               TextAlign::Right);
}

// The motor with a marker turning with its shaft, its speed in rpm and a speed bar (forward to
// the right, reverse to the left).
void drawMotor(Scene& scene, const MotorPlant& motor) {
    const SceneRect body{kMotorX - kMotorR, kMotorY - kMotorR, 2 * kMotorR, 2 * kMotorR};
    scene.ellipse(body, 0xB4BEC8, Scene::kInk, 2.5F);
    scene.text({kMotorX - 30, kMotorY - 22, 60, 16}, "M 3~", Scene::kInk, 13, TextAlign::Centre,
               true);
    const double radians = motor.angle() * std::numbers::pi / 180.0;
    const auto at = [&](float r) {
        return ScenePoint{kMotorX + r * static_cast<float>(std::sin(radians)),
                          kMotorY - r * static_cast<float>(std::cos(radians))};
    };
    scene.line({at(0), at(kMotorR - 8)}, 0x283C8C, 4);
    const ScenePoint tip = at(kMotorR - 8);
    scene.ellipse({tip.x - 5, tip.y - 5, 10, 10}, 0x283C8C);
    scene.ellipse({kMotorX - 5, kMotorY - 5, 10, 10}, Scene::kInk);

    const long rpm = std::lround(motor.speed());
    scene.text({kMotorX - 90, 392, 180, 16}, std::to_string(rpm) + " rpm", Scene::kInk, 14,
               TextAlign::Centre, true);
    const SceneRect bar{kMotorX - 90, 412, 180, 10};
    scene.rect(bar, 0xFAFAF5, Scene::kInk);
    const float half = bar.w / 2;
    const float filled = half * static_cast<float>(std::abs(motor.speed()) / MotorPlant::kSyncRpm);
    if (filled >= 1) {
        const float from = motor.speed() > 0 ? bar.x + half : bar.x + half - filled;
        scene.rect({from, bar.y + 1, filled, bar.h - 2}, 0x3C78C8);
    }
    scene.line({{bar.x + half, bar.y - 3}, {bar.x + half, bar.y + bar.h + 3}}, Scene::kInk, 1.5F);
    scene.text({bar.x - 40, bar.y - 3, 36, 16}, QT_TRANSLATE_NOOP("Machines", "rev"), Scene::kInk,
               10, TextAlign::Right);
    scene.text({bar.x + bar.w + 4, bar.y - 3, 36, 16}, QT_TRANSLATE_NOOP("Machines", "fwd"),
               Scene::kInk, 10, TextAlign::Left);
    if (motor.stalled()) {
        scene.text({40, kMotorY - 8, 130, 16}, QT_TRANSLATE_NOOP("Machines", "load jammed"),
                   kTripRed, 12, TextAlign::Right, true);
    }
}

// The windings' far ends (U2 V2 W2) go to K3, which joins them in a star point, and to K4, which
// joins them to the buses in delta.
void drawStarDelta(Scene& scene, std::uint16_t out) {
    const bool star = (out & MotorPlant::kK3Star) != 0;
    const bool delta = (out & MotorPlant::kK4Delta) != 0;
    const SceneRect box3{370, 278, 110, 52};
    const SceneRect box4{370, 350, 110, 52};
    for (int p = 0; p < 3; ++p) {
        const float fp = static_cast<float>(p);
        const float y = kMotorY - 10 + 10 * fp;
        const float dy = y - kMotorY;
        const float edge = kMotorX + std::sqrt(kMotorR * kMotorR - dy * dy);
        const float x = 320 + 10 * fp;
        const float y3 = box3.y + 20 + 12 * fp;
        const float y4 = box4.y + 20 + 12 * fp;
        scene.line({{edge, y}, {x, y}}, kWire, 2);
        scene.line({{x, y3}, {x, y4}}, kWire, 2);
        scene.line({{x, y3}, {box3.x, y3}}, kWire, 2);
        scene.line({{x, y4}, {box4.x, y4}}, kWire, 2);
        const float back = 540 + 10 * fp;
        scene.line({{box4.x + box4.w, y4}, {back, y4}, {back, kBusY[p]}}, kWire, 2);
        scene.ellipse({back - 3, kBusY[p] - 3, 6, 6}, kWire);
    }
    contactor(scene, {box3.x, box3.y, box3.w, box3.h},
              QT_TRANSLATE_NOOP("Machines", "K3 star  1002"), star);
    contactor(scene, {box4.x, box4.y, box4.w, box4.h},
              QT_TRANSLATE_NOOP("Machines", "K4 delta  1003"), delta);
    // The star point behind K3's poles.
    scene.line({{box3.x + 25, box3.y + box3.h - 4}, {box3.x + 85, box3.y + box3.h - 4}},
               Scene::kInk, 2);
    const char* windings = star && delta ? QT_TRANSLATE_NOOP("Machines", "windings: shorted")
                           : star        ? QT_TRANSLATE_NOOP("Machines", "windings: star")
                           : delta       ? QT_TRANSLATE_NOOP("Machines", "windings: delta")
                                   : QT_TRANSLATE_NOOP("Machines", "windings: direct on line");
    scene.text({box4.x - 10, box4.y + box4.h + 8, 200, 14}, windings, Scene::kInk, 11,
               TextAlign::Left);
}

// The controller's view: inputs 0 to 4 (green) and outputs 1000 to 1005 (amber).
void drawTerminals(Scene& scene, std::uint16_t in, std::uint16_t out) {
    static constexpr const char* kInputs[] = {
        QT_TRANSLATE_NOOP("Machines", "0 forward button"),
        QT_TRANSLATE_NOOP("Machines", "1 reverse button"),
        QT_TRANSLATE_NOOP("Machines", "2 stop (NC: on = not pressed)"),
        QT_TRANSLATE_NOOP("Machines", "3 overload OK (NC: on = healthy)"),
        QT_TRANSLATE_NOOP("Machines", "4 motor turning")};
    static constexpr const char* kOutputs[] = {QT_TRANSLATE_NOOP("Machines", "1000 K1 forward"),
                                               QT_TRANSLATE_NOOP("Machines", "1001 K2 reverse"),
                                               QT_TRANSLATE_NOOP("Machines", "1002 K3 star"),
                                               QT_TRANSLATE_NOOP("Machines", "1003 K4 delta"),
                                               QT_TRANSLATE_NOOP("Machines", "1004 running lamp"),
                                               QT_TRANSLATE_NOOP("Machines", "1005 overload lamp")};
    scene.text({600, 136, 140, 16}, QT_TRANSLATE_NOOP("Machines", "Inputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    for (int n = 0; n < 5; ++n) {
        const float y = 156 + 20 * static_cast<float>(n);
        scene.lamp(610, y + 8, 6, ((static_cast<unsigned>(in) >> n) & 1U) != 0);
        scene.text({622, y, 260, 16}, kInputs[n], Scene::kInk, 12, TextAlign::Left);
    }
    scene.text({600, 262, 140, 16}, QT_TRANSLATE_NOOP("Machines", "Outputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    for (int n = 0; n < 6; ++n) {
        const float y = 282 + 20 * static_cast<float>(n);
        scene.lamp(610, y + 8, 6, ((static_cast<unsigned>(out) >> n) & 1U) != 0, kOutputLamp);
        scene.text({622, y, 260, 16}, kOutputs[n], Scene::kInk, 12, TextAlign::Left);
    }
}

void drawPanel(Scene& scene, const MotorPlant& motor) {
    static constexpr Rgb kColours[] = {0x1E963C, 0x1E963C, 0xC82828, 0x3C6EC8, 0xC8781E};
    for (std::size_t k = 0; k < MotorPlant::kControls.size(); ++k) {
        const SceneRect box{20 + 108 * static_cast<float>(k), 440, 96, 40};
        scene.button(box, MotorPlant::kControls[k].caption, kColours[k], motor.controlOn(k), k);
    }
    const std::uint16_t out = motor.outputs();
    scene.lamp(620, 460, 11, (out & MotorPlant::kRunLamp) != 0);
    scene.text({636, 452, 90, 16}, QT_TRANSLATE_NOOP("Machines", "Running"), Scene::kInk, 12,
               TextAlign::Left);
    scene.lamp(740, 460, 11, (out & MotorPlant::kOverloadLamp) != 0, kTripRed);
    scene.text({756, 452, 90, 16}, QT_TRANSLATE_NOOP("Machines", "Overload"), Scene::kInk, 12,
               TextAlign::Left);
}

void markFaults(Scene& scene, std::span<const FaultCount> faults) {
    if (faults[MotorPlant::kShortCircuit].active) {
        scene.markFault({82, 94, 296, 74}, QT_TRANSLATE_NOOP("Machines", "Short circuit K1 + K2"));
    }
    if (faults[MotorPlant::kStarDelta].active) {
        scene.markFault({362, 272, 126, 134},
                        QT_TRANSLATE_NOOP("Machines", "Star and delta closed"));
    }
    if (faults[MotorPlant::kReversal].active) {
        scene.markFault(
            {kMotorX - kMotorR - 8, kMotorY - kMotorR - 8, 2 * kMotorR + 16, 2 * kMotorR + 16},
            QT_TRANSLATE_NOOP("Machines", "Reversed while turning"));
    }
    if (faults[MotorPlant::kRunOn].active) {
        scene.markFault({164, 212, 132, 48}, QT_TRANSLATE_NOOP("Machines", "Running after trip"));
    }
}

} // namespace

SceneLayout MotorPlant::sceneLayout() const {
    return {900, 520, 600, 20, 280};
}

void MotorPlant::drawScene(Scene& scene) const {
    scene.text({20, 6, 300, 20}, QT_TRANSLATE_NOOP("Machines", "Motor Starter"), Scene::kInk, 16,
               TextAlign::Left, true);
    drawSupply(scene);
    drawDirection(scene, m_outputs);
    drawOverload(scene, m_tripped);
    drawStarDelta(scene, m_outputs);
    drawMotor(scene, *this);
    drawTerminals(scene, sensors(), m_outputs);
    drawPanel(scene, *this);
    markFaults(scene, m_faults);
}

} // namespace rungbox::machines

// SPDX-License-Identifier: GPL-3.0-or-later
// The Tank and Pumps' picture: the sump with its water and float switches on the left, the
// inflow pipe above it, the two pumps on the suction header to the right, the drain valve
// below, the alarm lamp with its acknowledge button at the top, every terminal with its lamp.

#include "Scene.h"
#include "TankPlant.h"
#include "l10n/Mark.h"

#include <array>
#include <string>

namespace rungbox::machines {

namespace {

constexpr Rgb kWater = 0x3C8CDC;
constexpr Rgb kPipe = 0x8C8C96;
constexpr Rgb kSteel = 0x282828;
constexpr Rgb kOutputLamp = 0xFFAA00;
constexpr Rgb kTripRed = 0xDC3C3C;
constexpr Rgb kRunGreen = 0x3CB43C;
constexpr Rgb kIdleGrey = 0x9696A0;

// The tank's walls, in scene pixels.
constexpr float kTankLeft = 250;
constexpr float kTankRight = 450;
constexpr float kTankTop = 110;
constexpr float kTankBottom = 440;
// The suction header along the tank's foot, and the pumps' centres on it.
constexpr float kHeaderY = 425;
constexpr float kPumpY = 360;
constexpr float kPumpRadius = 28;
constexpr std::array<float, 2> kPumpX = {540, 730};

// The height in the picture of `um` micrometres of level.
float levelY(int um) {
    const float full = static_cast<float>(TankPlant::kTopMm * TankPlant::kUmPerMm);
    return kTankBottom - (kTankBottom - kTankTop) * static_cast<float>(um) / full;
}

// A lamp with its terminal's label to its right.
void terminal(Scene& scene, float x, float y, bool on, Rgb colour, std::string_view label) {
    scene.lamp(x, y, 6, on, colour);
    scene.text({x + 10, y - 8, 100, 16}, label, Scene::kInk, 12, TextAlign::Left);
}

void drawInflow(Scene& scene, const TankPlant& plant) {
    const float pipeEnd = 420;
    scene.text({40, 52, 260, 18}, "inflow " + std::to_string(plant.inflow()) + " mm/s", Scene::kInk,
               13, TextAlign::Left, true);
    scene.rect({30, 74, pipeEnd - 30 + 12, 12}, kPipe, kSteel);
    scene.rect({pipeEnd, 74, 12, kTankTop - 74 + 6}, kPipe, kSteel);
    scene.polygon({{140, 72}, {160, 80}, {140, 88}}, kWater, kSteel);
    // The stream, as wide as the inflow is strong, falling onto the water.
    const float width = 2 + 8 * static_cast<float>(plant.inflow()) / TankPlant::kInflowMax;
    const float surface = levelY(plant.levelUm());
    if (surface > kTankTop + 6) {
        scene.rect({pipeEnd + 6 - width / 2, kTankTop + 6, width, surface - kTankTop - 6}, kWater);
    }
}

void drawTank(Scene& scene, const TankPlant& plant) {
    const float surface = levelY(plant.levelUm());
    scene.rect({kTankLeft, kTankTop, kTankRight - kTankLeft, kTankBottom - kTankTop}, 0xF5F5F0);
    scene.rect({kTankLeft, surface, kTankRight - kTankLeft, kTankBottom - surface}, kWater);
    scene.line({{kTankLeft, kTankTop - 8},
                {kTankLeft, kTankBottom},
                {kTankRight, kTankBottom},
                {kTankRight, kTankTop - 8}},
               kSteel, 4);
    if (plant.faults()[TankPlant::kOverflow].active) {
        // Water spilling over both rims.
        scene.rect({kTankLeft - 10, kTankTop - 8, 8, kTankBottom - kTankTop + 8}, kWater);
        scene.rect({kTankRight + 2, kTankTop - 8, 8, kHeaderY - kTankTop - 4}, kWater);
    }
    scene.text({kTankLeft, kTankTop + 8, kTankRight - kTankLeft - 40, 18},
               "level " + std::to_string(plant.levelMm()) + " mm", Scene::kInk, 13,
               TextAlign::Centre, true);
}

// The float switches on the tank's left wall, each lamp with its input and height.
void drawSwitches(Scene& scene, const TankPlant& plant) {
    static constexpr std::array<const char*, 4> kNames = {"0 low-low", "1 low", "2 high",
                                                          "3 high-high"};
    for (int k = 0; k < 4; ++k) {
        const int mm = TankPlant::kSwitchMm.at(static_cast<std::size_t>(k));
        const float y = levelY(mm * TankPlant::kUmPerMm);
        scene.line({{kTankLeft - 28, y}, {kTankLeft + 16, y}}, kSteel, 2);
        scene.ellipse({kTankLeft + 10, y - 5, 14, 10}, 0xE6C83C, kSteel);
        scene.lamp(kTankLeft - 36, y, 7, plant.levelSwitch(k));
        scene.text({60, y - 9, kTankLeft - 106, 18},
                   std::string(kNames.at(static_cast<std::size_t>(k))) + "  " + std::to_string(mm) +
                       " mm",
                   Scene::kInk, 12, TextAlign::Right);
    }
}

// The drain valve under the tank: a bow tie, blue while open.
void drawDrain(Scene& scene, const TankPlant& plant) {
    const float x = 290;
    const float y = 466;
    scene.rect({x - 5, kTankBottom + 2, 10, y - kTankBottom - 10}, kPipe, kSteel);
    const Rgb fill = plant.drainOpen() ? kWater : kIdleGrey;
    scene.polygon({{x - 14, y - 8}, {x, y}, {x - 14, y + 8}}, fill, kSteel, 1.5F);
    scene.polygon({{x + 14, y - 8}, {x, y}, {x + 14, y + 8}}, fill, kSteel, 1.5F);
    scene.text({x - 80, y - 8, 62, 16}, QT_TRANSLATE_NOOP("Machines", "drain"), Scene::kInk, 12,
               TextAlign::Right);
    terminal(scene, x + 28, y, plant.drainOpen(), kOutputLamp,
             QT_TRANSLATE_NOOP("Machines", "1002 drain valve"));
}

// A pump's caption and its terminals' labels: output 1000 + n runs pump n + 1, inputs 4 + 2n
// and 5 + 2n say it runs and it has tripped. Whole labels, so that each is one text to translate.
struct PumpLabels {
    const char* caption;
    const char* run;
    const char* running;
    const char* tripped;
};
constexpr std::array<PumpLabels, 2> kPumpLabels = {{
    {QT_TRANSLATE_NOOP("Machines", "Pump 1"), QT_TRANSLATE_NOOP("Machines", "1000 run"),
     QT_TRANSLATE_NOOP("Machines", "4 running"), QT_TRANSLATE_NOOP("Machines", "5 tripped")},
    {QT_TRANSLATE_NOOP("Machines", "Pump 2"), QT_TRANSLATE_NOOP("Machines", "1001 run"),
     QT_TRANSLATE_NOOP("Machines", "6 running"), QT_TRANSLATE_NOOP("Machines", "7 tripped")},
}};

// One pump on the header: green while running, red while tripped, grey at rest; its discharge
// pipe rises to the outlet. Its terminals beside it, its Trip switch below the header.
void drawPump(Scene& scene, const TankPlant& plant, std::size_t index) {
    const TankPlant::Pump& pump = plant.pump(index);
    const float x = kPumpX.at(index);
    const std::string n = std::to_string(index + 1);
    scene.rect({x - 5, kPumpY + kPumpRadius - 2, 10, kHeaderY - kPumpY - kPumpRadius + 4}, kPipe,
               kSteel);
    scene.rect({x - 5, 190, 10, kPumpY - 190 - kPumpRadius + 2}, kPipe, kSteel);
    const Rgb body = pump.tripped ? kTripRed : pump.running ? kRunGreen : kIdleGrey;
    scene.ellipse({x - kPumpRadius, kPumpY - kPumpRadius, 2 * kPumpRadius, 2 * kPumpRadius}, body,
                  kSteel, 2);
    scene.text({x - kPumpRadius, kPumpY - 9, 2 * kPumpRadius, 18}, "P" + n, 0xFFFFFF, 14,
               TextAlign::Centre, true);
    // The caption on a patch of background, across the discharge pipe.
    const SceneRect caption{x - 32, kPumpY - kPumpRadius - 26, 64, 18};
    scene.rect(caption, Scene::kBackground, kNoColour, 1, 4);
    const PumpLabels& labels = kPumpLabels.at(index);
    scene.text(caption, labels.caption, Scene::kInk, 13, TextAlign::Centre, true);
    const float lx = x + kPumpRadius + 14;
    terminal(scene, lx, kPumpY - 20, pump.commanded, kOutputLamp, labels.run);
    terminal(scene, lx, kPumpY, pump.running, Scene::kLampGreen, labels.running);
    terminal(scene, lx, kPumpY + 20, pump.tripped, kTripRed, labels.tripped);
    const std::size_t control = index == 0 ? TankPlant::kTrip1Control : TankPlant::kTrip2Control;
    scene.button({x - 40, 446, 80, 32}, TankPlant::kControls.at(control).caption, 0xC83C28,
                 pump.tripped, control);
}

void drawPumps(Scene& scene, const TankPlant& plant) {
    scene.rect({kTankRight, kHeaderY - 6, kPumpX[1] - kTankRight + 5, 12}, kPipe, kSteel);
    scene.rect({kPumpX[0] - 5, 180, kPumpX[1] - kPumpX[0] + 130, 12}, kPipe, kSteel);
    scene.polygon({{kPumpX[1] + 125, 176}, {kPumpX[1] + 143, 186}, {kPumpX[1] + 125, 196}}, kPipe,
                  kSteel);
    scene.text({kPumpX[0], 156, 300, 18}, QT_TRANSLATE_NOOP("Machines", "pumped out"), Scene::kInk,
               12, TextAlign::Left);
    drawPump(scene, plant, 0);
    drawPump(scene, plant, 1);
}

// The alarm lamp and the acknowledge push-button.
void drawAlarm(Scene& scene, const TankPlant& plant) {
    scene.lamp(500, 40, 14, plant.alarmLamp(), kTripRed);
    scene.text({520, 32, 110, 16}, QT_TRANSLATE_NOOP("Machines", "1003 alarm"), Scene::kInk, 12,
               TextAlign::Left, true);
    scene.button({486, 68, 120, 30}, TankPlant::kControls[TankPlant::kAckControl].caption, 0x1E78C8,
                 plant.controlOn(TankPlant::kAckControl), TankPlant::kAckControl);
    terminal(scene, 500, 116, plant.controlOn(TankPlant::kAckControl), Scene::kLampGreen,
             QT_TRANSLATE_NOOP("Machines", "8 acknowledge"));
}

// Where each fault happens now.
void drawFaultMarks(Scene& scene, const TankPlant& plant) {
    const auto faults = plant.faults();
    if (faults[TankPlant::kOverflow].active) {
        scene.markFault({kTankLeft - 14, kTankTop - 10, kTankRight - kTankLeft + 28, 40},
                        QT_TRANSLATE_NOOP("Machines", "overflow"));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const TankPlant::Pump& pump = plant.pump(k);
        const float x = kPumpX.at(k);
        if (faults[TankPlant::kDryRun].active && pump.running) {
            scene.markFault({x - 36, kPumpY - 36, 72, 72},
                            QT_TRANSLATE_NOOP("Machines", "running dry"));
        }
        if (pump.tripped && pump.trippedCommandedMs > TankPlant::kTripGraceMs) {
            scene.markFault({x - 40, kPumpY - 40, 80, 80},
                            QT_TRANSLATE_NOOP("Machines", "tripped, commanded"));
        }
    }
    if (faults[TankPlant::kSurge].active) {
        scene.markFault({kTankRight + 20, kHeaderY - 14, kPumpX[1] - kTankRight, 28},
                        QT_TRANSLATE_NOOP("Machines", "both pumps started at once"));
    }
}

} // namespace

SceneLayout TankPlant::sceneLayout() const {
    return {900, 520, 630, 20, 260};
}

void TankPlant::drawScene(Scene& scene) const {
    scene.text({20, 14, 300, 22}, QT_TRANSLATE_NOOP("Machines", "Tank and Pumps"), Scene::kInk, 16,
               TextAlign::Left, true);
    drawPumps(scene, *this);
    drawTank(scene, *this);
    drawInflow(scene, *this);
    drawSwitches(scene, *this);
    drawDrain(scene, *this);
    drawAlarm(scene, *this);
    drawFaultMarks(scene, *this);
}

} // namespace rungbox::machines

// SPDX-License-Identifier: GPL-3.0-or-later
// The Car Park's picture, from above: the lot with its twelve bays and aisle, the road below it
// with the entry lane on the left and the exit lane on the right, each with its loops and
// barrier; the FULL sign and the ticket machine at the entry; on the right the real count
// beside the program's, the terminals' lamps and the fault list.

#include "CarParkPlant.h"
#include "Scene.h"
#include "l10n/Mark.h"

#include <cmath>
#include <string>

namespace rungbox::machines {

namespace {

// The lot and its bays.
constexpr SceneRect kLot{130, 56, 450, 294};
constexpr float kBayX = 142;
constexpr float kBayPitch = 72;
constexpr float kBayW = 60;
constexpr float kBayH = 80;
constexpr float kTopRowY = 66;
constexpr float kBottomRowY = 260;
constexpr float kAisleCarY = 191;
// The road: the entry lane from the left to the island, the exit lane from it to the right.
constexpr float kRoadY = 370;
constexpr float kRoadH = 70;
constexpr float kIslandX = 310;
constexpr float kRoadEnd = 590;
constexpr float kLoopW = 60;
constexpr float kEntryLoopX = 160;
constexpr float kEntryPostX = 232;
constexpr float kEntryPassedX = 244;
constexpr float kExitLoopX = 360;
constexpr float kExitPostX = 432;
constexpr float kExitPassedX = 444;
// A car seen from above, lying along the road.
constexpr float kCarL = 44;
constexpr float kCarW = 24;
constexpr float kCarY = kRoadY + (kRoadH - kCarW) / 2;
// The FULL sign by the entry, and the panel on the right.
constexpr SceneRect kSign{14, 282, 104, 46};
constexpr float kPanelX = 600;

constexpr Rgb kAsphalt = 0x8C8C88;
constexpr Rgb kLotFill = 0xA5A5A0;
constexpr Rgb kPaint = 0xF0F0E6;
constexpr Rgb kGrass = 0x9CC88C;
constexpr Rgb kLoopLit = 0xFFD23C;
constexpr Rgb kLoopLine = 0xE6C850;
constexpr Rgb kArm = 0xD23232;
constexpr Rgb kSignRed = 0xFF2828;
constexpr Rgb kPanelFill = 0xFAFAF5;
constexpr Rgb kFrame = 0x282828;
constexpr Rgb kSmallInk = 0x3C3C3C;
constexpr std::array<Rgb, CarParkPlant::kPaints> kCarPaints = {0x2D5AA0, 0xB43C32, 0x3C8C50,
                                                               0xE6B432, 0x5A5A64, 0xE6E6E6};

// A car: its body in its paint with a dark windscreen toward where it drives (`along`: lying
// along the road, driving right; otherwise standing in a bay, nose up).
void drawCar(Scene& scene, float x, float y, int paint, bool along) {
    const Rgb body = kCarPaints[static_cast<std::size_t>(paint) % kCarPaints.size()];
    if (along) {
        scene.rect({x, y, kCarL, kCarW}, body, kFrame, 1.2F, 6);
        scene.rect({x + kCarL - 17, y + 3, 7, kCarW - 6}, 0x283040, kNoColour, 1, 2);
    } else {
        scene.rect({x, y, kCarW, kCarL}, body, kFrame, 1.2F, 6);
        scene.rect({x + 3, y + 10, kCarW - 6, 7}, 0x283040, kNoColour, 1, 2);
    }
}

// An induction loop: an outline in the road, filled while a car stands on it, and its name and
// terminal below the road.
void drawLoop(Scene& scene, float x, bool occupied, std::string_view label) {
    const SceneRect box{x, kRoadY + 8, kLoopW, kRoadH - 16};
    scene.rect(box, occupied ? kLoopLit : kNoColour, kLoopLine, 2, 4);
    scene.text({x - 10, kRoadY + kRoadH + 1, kLoopW + 20, 12}, label, kSmallInk, 10);
}

// A barrier from above: its post at the lane's upper kerb and the arm across the lane, which
// shortens as it rises (its shadow on the road).
void drawBarrier(Scene& scene, float postX, int position, std::string_view label) {
    const double angle = 1.5707963 * position / CarParkPlant::kTravelMs;
    const auto reach = static_cast<float>((kRoadH - 6) * std::cos(angle));
    if (reach > 1) {
        scene.line({{postX, kRoadY + 2}, {postX, kRoadY + 2 + reach}}, kArm, 6);
        scene.line({{postX, kRoadY + 2}, {postX, kRoadY + 2 + reach}}, kPaint, 2);
        scene.last().dashed = true;
    }
    scene.rect({postX - 6, kRoadY - 8, 12, 12}, 0x3C3C46, kFrame, 1, 2);
    scene.text({postX + 9, kRoadY - 16, 80, 11}, label, kSmallInk, 10, TextAlign::Left);
}

} // namespace

SceneLayout CarParkPlant::sceneLayout() const {
    return {900, 520, kPanelX, 396, 290};
}

void CarParkPlant::drawScene(Scene& scene) const {
    scene.text({20, 10, 300, 24}, QT_TRANSLATE_NOOP("Machines", "Car Park"), Scene::kInk, 18,
               TextAlign::Left, true);
    scene.text({130, 10, 450, 24},
               QT_TRANSLATE_NOOP("Machines", "12 places, cars in from the left, out to the right"),
               kSmallInk, 11, TextAlign::Right);
    drawBays(scene);
    drawEntry(scene);
    drawExit(scene);
    drawPanel(scene);
}

void CarParkPlant::drawBays(Scene& scene) const {
    scene.rect(kLot, kLotFill, kFrame, 2, 6);
    for (int bay = 0; bay < kPlaces; ++bay) {
        const float x = kBayX + kBayPitch * static_cast<float>(bay % 6);
        const float y = bay < 6 ? kTopRowY : kBottomRowY;
        scene.rect({x, y, kBayW, kBayH}, kNoColour, kPaint, 2);
        scene.text({x, bay < 6 ? y + kBayH + 1 : y - 13, kBayW, 12}, std::to_string(bay + 1),
                   kPaint, 10);
    }
    for (const Car& car : m_parked) {
        if (car.bay < kPlaces) {
            const float x = kBayX + kBayPitch * static_cast<float>(car.bay % 6);
            const float y = car.bay < 6 ? kTopRowY : kBottomRowY;
            drawCar(scene, x + (kBayW - kCarW) / 2, y + (kBayH - kCarL) / 2, car.paint, false);
        } else {
            // Beyond the bays: standing in the aisle.
            const float x = kBayX + kBayPitch * static_cast<float>(car.bay - kPlaces);
            drawCar(scene, x + 8, kAisleCarY, car.paint, true);
        }
    }
    // The ramps from the entry's passed loop into the lot and from the lot to the exit.
    scene.rect({kEntryPassedX, kLot.y + kLot.h - 1, kLoopW, kRoadY - kLot.y - kLot.h + 2},
               kAsphalt);
    scene.rect({kExitLoopX, kLot.y + kLot.h - 1, kLoopW, kRoadY - kLot.y - kLot.h + 2}, kAsphalt);
    if (m_faults[kOverFull].active) {
        scene.markFault(kLot, QT_TRANSLATE_NOOP("Machines", "more cars than places"));
    }
}

void CarParkPlant::drawEntry(Scene& scene) const {
    scene.rect({0, kRoadY, kIslandX, kRoadH}, kAsphalt);
    scene.rect({kIslandX, kRoadY, 20, kRoadH}, kGrass, kFrame, 1, 4);
    scene.text({4, kRoadY - 20, 120, 14}, QT_TRANSLATE_NOOP("Machines", "Entry \u2192"),
               Scene::kInk, 12, TextAlign::Left, true);
    drawLoop(scene, kEntryLoopX, (sensors() & kEntryLoop) != 0,
             QT_TRANSLATE_NOOP("Machines", "approach 0"));
    drawLoop(scene, kEntryPassedX, m_entry.lane == Lane::Passed,
             QT_TRANSLATE_NOOP("Machines", "passed 2"));
    // The queue in the street, the first next to the loop.
    for (std::size_t k = 0; k < m_street.size(); ++k) {
        drawCar(scene, kEntryLoopX - 52 - 50 * static_cast<float>(k), kCarY, m_street[k].paint,
                true);
    }
    if (m_entry.lane != Lane::Empty) {
        const float travel = kEntryPassedX - kEntryLoopX;
        const float along = m_entry.lane == Lane::Waiting ? 0
                            : m_entry.lane == Lane::Under
                                ? travel * static_cast<float>(m_entry.laneMs) / kUnderMs
                                : travel;
        drawCar(scene, kEntryLoopX + 8 + along, kCarY, m_entry.car.paint, true);
    }
    drawBarrier(scene, kEntryPostX, m_entry.position,
                QT_TRANSLATE_NOOP("Machines", "barrier 1000"));
    if (m_faults[kOntoCar].active && m_entry.lane == Lane::Under) {
        scene.markFault({kEntryPostX - 30, kRoadY, 60, kRoadH},
                        QT_TRANSLATE_NOOP("Machines", "arm on a car"));
    }
    // The ticket machine on the kerb beside the loop, its button below the road.
    scene.rect({kEntryLoopX + 12, kRoadY - 19, 36, 16}, 0x466E96, kFrame, 1, 3);
    scene.text({kEntryLoopX + 12, kRoadY - 19, 36, 16}, QT_TRANSLATE_NOOP("Machines", "ticket"),
               0xFFFFFF, 9);
    scene.button({kEntryLoopX - 10, 456, 80, 30}, kControls[kTicketControl].caption, 0x1E963C,
                 (sensors() & kTicket) != 0, kTicketControl);
    scene.button({14, 456, 100, 30}, kControls[kCarInControl].caption, 0x3C64A0, m_carIn.down(),
                 kCarInControl);
    // The FULL sign facing arriving drivers.
    scene.line({{kSign.x + kSign.w / 2, kSign.y + kSign.h}, {kSign.x + kSign.w / 2, kRoadY}},
               kFrame, 3);
    scene.rect(kSign, 0x1E1E1E, kFrame, 2, 4);
    scene.text(kSign, QT_TRANSLATE_NOOP("Machines", "FULL"), m_full ? kSignRed : 0x503232, 24,
               TextAlign::Centre, true);
    scene.text({kSign.x, kSign.y - 14, kSign.w, 12}, QT_TRANSLATE_NOOP("Machines", "sign 1002"),
               kSmallInk, 10);
    if (m_faults[kSignWrong].active) {
        scene.markFault({kSign.x - 4, kSign.y - 2, kSign.w + 8, kSign.h + 4},
                        QT_TRANSLATE_NOOP("Machines", "sign wrong"));
    }
}

void CarParkPlant::drawExit(Scene& scene) const {
    scene.rect({kIslandX + 20, kRoadY, kRoadEnd - kIslandX - 20, kRoadH}, kAsphalt);
    scene.text({kRoadEnd - 120, kRoadY - 20, 116, 14}, QT_TRANSLATE_NOOP("Machines", "Exit \u2192"),
               Scene::kInk, 12, TextAlign::Right, true);
    drawLoop(scene, kExitLoopX, (sensors() & kExitLoop) != 0,
             QT_TRANSLATE_NOOP("Machines", "approach 3"));
    drawLoop(scene, kExitPassedX, m_exit.lane == Lane::Passed,
             QT_TRANSLATE_NOOP("Machines", "passed 4"));
    if (m_exit.lane != Lane::Empty) {
        const float travel = kExitPassedX - kExitLoopX;
        const float along = m_exit.lane == Lane::Waiting ? 0
                            : m_exit.lane == Lane::Under
                                ? travel * static_cast<float>(m_exit.laneMs) / kUnderMs
                                : travel;
        drawCar(scene, kExitLoopX + 8 + along, kCarY, m_exit.car.paint, true);
    }
    drawBarrier(scene, kExitPostX, m_exit.position, QT_TRANSLATE_NOOP("Machines", "barrier 1001"));
    if (m_faults[kOntoCar].active && m_exit.lane == Lane::Under) {
        scene.markFault({kExitPostX - 30, kRoadY, 60, kRoadH},
                        QT_TRANSLATE_NOOP("Machines", "arm on a car"));
    }
    scene.button({kExitLoopX, 456, 100, 30}, kControls[kCarOutControl].caption, 0x3C64A0,
                 m_carOut.down(), kCarOutControl);
}

void CarParkPlant::drawPanel(Scene& scene) const {
    // The real count beside the program's.
    const auto countBox = [&scene](float x, std::string_view title, const std::string& value,
                                   std::string_view note, bool over) {
        scene.rect({x, 56, 135, 76}, kPanelFill, kFrame, 1.5F, 4);
        scene.text({x, 60, 135, 14}, title, Scene::kInk, 11, TextAlign::Centre, true);
        scene.text({x, 76, 135, 34}, value, over ? 0xDC0000 : Scene::kInk, 28, TextAlign::Centre,
                   true);
        scene.text({x, 112, 135, 14}, note, kSmallInk, 10);
    };
    countBox(kPanelX, QT_TRANSLATE_NOOP("Machines", "Cars inside (real)"), std::to_string(inside()),
             QT_TRANSLATE_NOOP("Machines", "of 12 places"), inside() > kPlaces);
    countBox(kPanelX + 155, QT_TRANSLATE_NOOP("Machines", "Program (CNT 0)"),
             m_programCount < 0 ? std::string("-") : std::to_string(m_programCount),
             QT_TRANSLATE_NOOP("Machines", "cars as CNTR 0 counts"), false);

    static constexpr std::array<std::string_view, 9> kInputNames = {
        QT_TRANSLATE_NOOP("Machines", "0 entry approach"),
        QT_TRANSLATE_NOOP("Machines", "1 ticket button"),
        QT_TRANSLATE_NOOP("Machines", "2 entry passed"),
        QT_TRANSLATE_NOOP("Machines", "3 exit approach"),
        QT_TRANSLATE_NOOP("Machines", "4 exit passed"),
        QT_TRANSLATE_NOOP("Machines", "5 entry up"),
        QT_TRANSLATE_NOOP("Machines", "6 entry down"),
        QT_TRANSLATE_NOOP("Machines", "7 exit up"),
        QT_TRANSLATE_NOOP("Machines", "8 exit down")};
    const std::uint16_t in = sensors();
    scene.text({kPanelX, 144, 140, 16}, QT_TRANSLATE_NOOP("Machines", "Inputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    for (std::size_t n = 0; n < kInputNames.size(); ++n) {
        const float y = 170 + 19 * static_cast<float>(n);
        scene.lamp(kPanelX + 8, y, 6, ((in >> n) & 1U) != 0);
        scene.text({kPanelX + 20, y - 8, 130, 16}, kInputNames[n], Scene::kInk, 11,
                   TextAlign::Left);
    }
    const float outX = kPanelX + 155;
    scene.text({outX, 144, 135, 16}, QT_TRANSLATE_NOOP("Machines", "Outputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    const std::array<std::pair<std::string_view, bool>, 3> outs = {{
        {QT_TRANSLATE_NOOP("Machines", "1000 raise entry"), m_entry.raise},
        {QT_TRANSLATE_NOOP("Machines", "1001 raise exit"), m_exit.raise},
        {QT_TRANSLATE_NOOP("Machines", "1002 FULL sign"), m_full},
    }};
    for (std::size_t n = 0; n < outs.size(); ++n) {
        const float y = 170 + 19 * static_cast<float>(n);
        scene.lamp(outX + 8, y, 6, outs[n].second, n == 2 ? kSignRed : 0xFFAA00);
        scene.text({outX + 20, y - 8, 115, 16}, outs[n].first, Scene::kInk, 11, TextAlign::Left);
    }
    scene.text({outX, 240, 135, 16}, "Street queue: " + std::to_string(m_street.size()), kSmallInk,
               11, TextAlign::Left);
}

} // namespace rungbox::machines

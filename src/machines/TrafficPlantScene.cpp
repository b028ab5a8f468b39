// SPDX-License-Identifier: GPL-3.0-or-later
// The Traffic Intersection's picture: the junction seen from above on the left, the readings,
// terminals and hands on the right.

#include "Scene.h"
#include "TrafficPlant.h"
#include "l10n/Mark.h"

#include <algorithm>
#include <string>

namespace rungbox::machines {

namespace {

using T = TrafficPlant;

// The map, in scene pixels. The junction's middle is at (kMidX, kMidY); each road is two lanes
// of kLane pixels.
constexpr float kMapW = 590;
constexpr float kMapH = 486;
constexpr float kMidX = 320;
constexpr float kMidY = 240;
constexpr float kLane = 60;
// The crossing spans the east-west road on its west arm.
constexpr SceneRect kZebra{200, kMidY - kLane, 48, 2 * kLane};
// Where each approach's cars stand: the first at the stop line, the others behind it.
constexpr float kCarLong = 28;
constexpr float kCarWide = 24;
constexpr float kCarPitch = 34;
constexpr int kDrawnCars = 4;

constexpr unsigned kRedLamp = 1U;
constexpr unsigned kAmberLamp = 2U;
constexpr unsigned kGreenLamp = 4U;

constexpr Rgb kGrass = 0x78AA64;
constexpr Rgb kRoad = 0xA5A5A0;
constexpr Rgb kWhite = 0xF5F5F0;
constexpr Rgb kRedLit = 0xE63228;
constexpr Rgb kAmberLit = 0xFFAA00;
constexpr Rgb kWarnAmber = 0xE69600;
constexpr Rgb kHousing = 0x2D2D2D;
constexpr std::array<Rgb, 5> kCarColours = {0x2850AA, 0xB43C32, 0xE6E6DC, 0x3C8C50, 0x5A5A64};

// The heads: a housing with red, amber and green lamps from the top.
constexpr std::array<SceneRect, T::kApproaches> kHeads = {{
    {230, 98, 24, 66},  // north: beside the north stop line
    {386, 316, 24, 66}, // south
    {398, 106, 24, 66}, // east
    {160, 306, 24, 66}, // west
}};
// The walk / don't walk heads at the crossing's two ends, and its push-button.
constexpr SceneRect kPedNorth{176, 124, 22, 44};
constexpr SceneRect kPedSouth{214, 306, 22, 44};
constexpr SceneRect kPushButton{205, 126, 16, 18};

// Car `k` (0 at the stop line) of `approach`'s queue.
SceneRect carBox(T::Approach approach, int k) {
    const float back = static_cast<float>(k) * kCarPitch;
    switch (approach) {
    case T::kNorth:
        return {kMidX - kLane / 2 - kCarWide / 2, 136 - back, kCarWide, kCarLong};
    case T::kSouth:
        return {kMidX + kLane / 2 - kCarWide / 2, 318 + back, kCarWide, kCarLong};
    case T::kEast:
        return {400 + back, kMidY - kLane / 2 - kCarWide / 2, kCarLong, kCarWide};
    case T::kWest:
        return {154 - back, kMidY + kLane / 2 - kCarWide / 2, kCarLong, kCarWide};
    case T::kApproaches:
        break;
    }
    return {};
}

// The loop under each approach's first car.
SceneRect loopBox(T::Approach approach) {
    const SceneRect car = carBox(approach, 0);
    return {car.x - 6, car.y - 6, car.w + 12, car.h + 12};
}

// The stretch of road a queue of kDrawnCars takes.
SceneRect queueBox(T::Approach approach) {
    const SceneRect first = carBox(approach, 0);
    const SceneRect last = carBox(approach, kDrawnCars - 1);
    const float x = std::min(first.x, last.x);
    const float y = std::min(first.y, last.y);
    return {x - 8, y - 8, std::max(first.x, last.x) + first.w - x + 16,
            std::max(first.y, last.y) + first.h - y + 16};
}

constexpr std::array<std::string_view, T::kApproaches> kApproachNames = {"north", "south", "east",
                                                                         "west"};

} // namespace

SceneLayout TrafficPlant::sceneLayout() const {
    return {900, 520, 604, 392, 286};
}

void TrafficPlant::drawScene(Scene& scene) const {
    drawRoads(scene);
    drawCrossing(scene);
    drawQueues(scene);
    drawArmLabels(scene);
    drawHeads(scene);
    drawPanel(scene);
    markFaults(scene);
}

// Grass, the two roads, their middle lines and the stop lines.
void TrafficPlant::drawRoads(Scene& scene) const {
    scene.rect({0, 0, kMapW, kMapH}, kGrass);
    scene.rect({kMidX - kLane, 0, 2 * kLane, kMapH}, kRoad);
    scene.rect({0, kMidY - kLane, kMapW, 2 * kLane}, kRoad);
    // Dashed middle lines, stopping short of the junction.
    for (float y = 6; y + 20 < kMidY - kLane; y += 34) {
        scene.rect({kMidX - 2, y, 4, 20}, kWhite);
    }
    for (float y = kMidY + kLane + 56; y + 20 < kMapH; y += 34) {
        scene.rect({kMidX - 2, y, 4, 20}, kWhite);
    }
    for (float x = 6; x + 20 < kZebra.x - 10; x += 34) {
        scene.rect({x, kMidY - 2, 20, 4}, kWhite);
    }
    for (float x = kMidX + kLane + 50; x + 20 < kMapW; x += 34) {
        scene.rect({x, kMidY - 2, 20, 4}, kWhite);
    }
    // Stop lines, each across its own lane.
    scene.rect({kMidX - kLane, 168, kLane, 4}, kWhite);
    scene.rect({kMidX, 310, kLane, 4}, kWhite);
    scene.rect({392, kMidY - kLane, 4, kLane}, kWhite);
    scene.rect({188, kMidY, 4, kLane}, kWhite);
}

// Each arm's name with the length of its queue, at the arm's far end.
void TrafficPlant::drawArmLabels(Scene& scene) const {
    const std::array<SceneRect, kApproaches> labels = {{
        {kMidX - kLane - 104, 4, 100, 16},
        {kMidX + kLane + 6, kMapH - 20, 100, 16},
        {kMapW - 104, kMidY - kLane - 20, 100, 16},
        {4, kMidY + kLane + 4, 100, 16},
    }};
    const std::array<TextAlign, kApproaches> aligns = {TextAlign::Right, TextAlign::Left,
                                                       TextAlign::Right, TextAlign::Left};
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const std::size_t cars = m_queues[a].size();
        scene.text(labels[a],
                   std::string(kApproachNames[a]) + ": " + std::to_string(cars) +
                       (cars == 1 ? " car" : " cars"),
                   kWhite, 12, aligns[a], true);
    }
}

// The zebra, its walk / don't walk heads, its push-button and the pedestrian.
void TrafficPlant::drawCrossing(Scene& scene) const {
    for (float y = kZebra.y + 4; y + 8 <= kZebra.y + kZebra.h; y += 16) {
        scene.rect({kZebra.x, y, kZebra.w, 8}, kWhite);
    }
    for (const SceneRect& head : {kPedNorth, kPedSouth}) {
        scene.rect(head, kHousing, Scene::kInk, 1, 4);
        scene.lamp(head.x + head.w / 2, head.y + 12, 7, dontWalkLit(), kRedLit);
        scene.lamp(head.x + head.w / 2, head.y + 32, 7, walkLit());
    }
    scene.text({kPedSouth.x - 10, kPedSouth.y + kPedSouth.h + 1, kPedSouth.w + 20, 14},
               QT_TRANSLATE_NOOP("Machines", "walk"), Scene::kInk, 10, TextAlign::Centre, true);
    scene.rect(kPushButton, 0xF0D23C, Scene::kInk, 1, 3);
    scene.lamp(kPushButton.x + 8, kPushButton.y + 9, 4, m_button.down(), kRedLit);
    scene.text({70, 100, 140, 18}, QT_TRANSLATE_NOOP("Machines", "0 push-button"), Scene::kInk, 10,
               TextAlign::Right);
    // The pedestrian: at the kerb while waiting, on the zebra while crossing.
    float y = 0;
    if (m_pedestrian == Pedestrian::Waiting) {
        y = 166;
    } else if (m_pedestrian == Pedestrian::Crossing) {
        y = kZebra.y + static_cast<float>(m_crossedMs) * kZebra.h / kCrossMs;
    } else {
        return;
    }
    const float x = kZebra.x + kZebra.w / 2;
    scene.ellipse({x - 7, y - 7, 14, 14}, 0xC83C8C, Scene::kInk, 1.5F);
    scene.ellipse({x - 4, y - 4, 8, 8}, 0x3C2814);
}

// Each queue: its loop, its first cars as drawn, and how many stand there.
void TrafficPlant::drawQueues(Scene& scene) const {
    const std::uint16_t in = sensors();
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const auto approach = static_cast<Approach>(a);
        const SceneRect loop = loopBox(approach);
        const bool occupied = (in & (unsigned{kCarNorth} << a)) != 0;
        scene.rect(loop, occupied ? 0xDCE6A0 : kNoColour, occupied ? 0x3C8C28 : 0x505050, 2, 4);
        const auto& queue = m_queues[a];
        const int drawn = std::min(static_cast<int>(queue.size()), kDrawnCars);
        for (int k = 0; k < drawn; ++k) {
            const Car& car = queue[static_cast<std::size_t>(k)];
            scene.rect(carBox(approach, k), kCarColours[static_cast<std::size_t>(car.id) % 5],
                       Scene::kInk, 1.5F, 5);
        }
        // The loop's terminal beside it.
        const std::array<ScenePoint, kApproaches> terminals = {{
            {loop.x + loop.w + 3, loop.y},
            {loop.x - 15, loop.y + loop.h - 14},
            {loop.x + loop.w - 12, loop.y + loop.h},
            {loop.x + 4, loop.y + loop.h},
        }};
        scene.text({terminals[a].x, terminals[a].y, 14, 14}, std::to_string(a + 1), 0xFFFF96, 11,
                   TextAlign::Left, true);
        if (longWaitAt(approach)) {
            const SceneRect box = queueBox(approach);
            scene.rect(box, kNoColour, kWarnAmber, 3, 6);
            scene.last().dashed = true;
            // The tag beside the queue, away from the junction and the heads.
            const std::array<ScenePoint, kApproaches> tags = {{
                {box.x + box.w + 4, box.y},
                {box.x - 134, box.y + box.h - 16},
                {box.x + box.w - 130, box.y + box.h + 2},
                {box.x, box.y - 18},
            }};
            const SceneRect tag{tags[a].x, tags[a].y, 130, 16};
            scene.rect(tag, kWarnAmber);
            scene.text(tag, QT_TRANSLATE_NOOP("Machines", "waiting over 2 min"), Scene::kInk, 11);
        }
    }
}

// The four heads; north and south show the north-south lamps, east and west the east-west ones.
void TrafficPlant::drawHeads(Scene& scene) const {
    for (std::size_t a = 0; a < kApproaches; ++a) {
        const SceneRect& head = kHeads[a];
        const unsigned lit = lamps(roadOf(static_cast<Approach>(a)));
        scene.rect(head, kHousing, Scene::kInk, 1, 5);
        const float x = head.x + head.w / 2;
        scene.lamp(x, head.y + 13, 8, (lit & kRedLamp) != 0, kRedLit);
        scene.lamp(x, head.y + 33, 8, (lit & kAmberLamp) != 0, kAmberLit);
        scene.lamp(x, head.y + 53, 8, (lit & kGreenLamp) != 0);
        // Which road's lamps it shows: above the heads on the north side, below the others.
        const bool above = a == kNorth || a == kEast;
        scene.text({head.x - 8, above ? head.y - 15 : head.y + head.h + 1, head.w + 16, 14},
                   roadOf(static_cast<Approach>(a)) == kNorthSouth
                       ? QT_TRANSLATE_NOOP("Machines", "N-S")
                       : QT_TRANSLATE_NOOP("Machines", "E-W"),
                   Scene::kInk, 10, TextAlign::Centre, true);
    }
}

// Where a fault happens now: both roads' heads for conflicting greens, the head that skipped its
// amber, the crossing for a walk on a green.
void TrafficPlant::markFaults(Scene& scene) const {
    const auto around = [](SceneRect box) {
        return SceneRect{box.x - 5, box.y - 5, box.w + 10, box.h + 10};
    };
    if (m_faults[kConflict].active) {
        scene.markFault(around(kHeads[kSouth]),
                        QT_TRANSLATE_NOOP("Machines", "conflicting greens"));
        scene.markFault(around(kHeads[kEast]), QT_TRANSLATE_NOOP("Machines", "conflicting greens"));
    }
    if (m_faults[kNoAmber].active) {
        scene.markFault(around(kHeads[m_skipped[kEastWest] ? kWest : kNorth]),
                        QT_TRANSLATE_NOOP("Machines", "no amber"));
    }
    if (m_faults[kWalkConflict].active) {
        scene.markFault(around(kZebra), QT_TRANSLATE_NOOP("Machines", "walk on a green"));
    }
}

// The state in words, the terminals as lamps, the hands and the long waits.
void TrafficPlant::drawPanel(Scene& scene) const {
    constexpr float x = 604;
    scene.text({x, 8, 286, 24}, QT_TRANSLATE_NOOP("Machines", "Traffic Intersection"), Scene::kInk,
               16, TextAlign::Left, true);
    const auto roadWords = [](unsigned lit) -> std::string {
        switch (lit) {
        case 0:
            return "dark";
        case kRedLamp:
            return "red";
        case kAmberLamp:
            return "amber";
        case kGreenLamp:
            return "green";
        default:
            return "lamps " + lampWord(lit);
        }
    };
    scene.text({x, 36, 286, 18}, "North-south: " + roadWords(lamps(kNorthSouth)), Scene::kInk, 13,
               TextAlign::Left);
    scene.text({x, 54, 286, 18}, "East-west: " + roadWords(lamps(kEastWest)), Scene::kInk, 13,
               TextAlign::Left);
    scene.text({x, 72, 286, 18},
               "Cars through: " + std::to_string(passed()) +
                   "   longest wait: " + std::to_string(longestWaitMs() / 1000) + " s",
               Scene::kInk, 13, TextAlign::Left);

    const std::uint16_t in = sensors();
    constexpr std::array<std::string_view, 5> kInputs = {
        QT_TRANSLATE_NOOP("Machines", "0 walk button"),
        QT_TRANSLATE_NOOP("Machines", "1 car north"), QT_TRANSLATE_NOOP("Machines", "2 car south"),
        QT_TRANSLATE_NOOP("Machines", "3 car east"), QT_TRANSLATE_NOOP("Machines", "4 car west")};
    scene.text({x, 98, 130, 16}, QT_TRANSLATE_NOOP("Machines", "Inputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    for (std::size_t n = 0; n < kInputs.size(); ++n) {
        const float y = 124 + 20 * static_cast<float>(n);
        scene.lamp(x + 8, y, 6, (in & (1U << n)) != 0);
        scene.text({x + 20, y - 8, 120, 16}, kInputs[n], Scene::kInk, 12, TextAlign::Left);
    }
    constexpr std::array<std::string_view, 8> kOutputs = {
        QT_TRANSLATE_NOOP("Machines", "1000 N-S red"),
        QT_TRANSLATE_NOOP("Machines", "1001 N-S amber"),
        QT_TRANSLATE_NOOP("Machines", "1002 N-S green"),
        QT_TRANSLATE_NOOP("Machines", "1003 E-W red"),
        QT_TRANSLATE_NOOP("Machines", "1004 E-W amber"),
        QT_TRANSLATE_NOOP("Machines", "1005 E-W green"),
        QT_TRANSLATE_NOOP("Machines", "1006 walk"),
        QT_TRANSLATE_NOOP("Machines", "1007 don't walk")};
    constexpr std::array<Rgb, 8> kOutputColours = {kRedLit,           kAmberLit, Scene::kLampGreen,
                                                   kRedLit,           kAmberLit, Scene::kLampGreen,
                                                   Scene::kLampGreen, kRedLit};
    scene.text({x + 146, 98, 130, 16}, QT_TRANSLATE_NOOP("Machines", "Outputs"), Scene::kInk, 12,
               TextAlign::Left, true);
    for (std::size_t n = 0; n < kOutputs.size(); ++n) {
        const float y = 124 + 20 * static_cast<float>(n);
        scene.lamp(x + 154, y, 6, (m_outputs & (1U << n)) != 0, kOutputColours[n]);
        scene.text({x + 166, y - 8, 120, 16}, kOutputs[n], Scene::kInk, 12, TextAlign::Left);
    }

    scene.button({x, 290, 110, 40}, kControls[0].caption, 0x1E963C, m_button.down(), 0);
    scene.button({x + 126, 290, 150, 40}, kControls[1].caption, 0x285AB4, m_pedestriansOn, 1);
    scene.text({x, 334, 286, 16},
               m_pedestriansOn
                   ? QT_TRANSLATE_NOOP("Machines", "Pedestrians: coming at random")
                   : QT_TRANSLATE_NOOP("Machines", "Pedestrians: only when Walk is clicked"),
               0x5A5A5A, 11, TextAlign::Left);
    scene.text({x, 354, 286, 16}, "Pedestrian: " + std::string(pedestrianWord(m_pedestrian)),
               Scene::kInk, 12, TextAlign::Left);

    // The warning, apart from the faults below it.
    const Rgb colour = m_longWaits > 0 ? kWarnAmber : 0x466E46;
    scene.text({x + 4, 480, 278, 18},
               QT_TRANSLATE_NOOP("Machines", "Warning: cars waited over 2 min"), colour, 12,
               TextAlign::Left, m_longWaits > 0);
    scene.text({x + 4, 480, 278, 18}, std::to_string(m_longWaits), colour, 12, TextAlign::Right,
               m_longWaits > 0);
}

} // namespace rungbox::machines

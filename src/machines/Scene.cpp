// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scene.h"
#include "l10n/Mark.h"

#include "Plant.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>

namespace rungbox::machines {

namespace {

constexpr Rgb kFaultRed = 0xDC0000;

// `colour` darker by `percent` of its brightness (a pressed button's face).
Rgb darker(Rgb colour, unsigned percent) {
    Rgb out = 0;
    for (unsigned shift = 0; shift <= 16; shift += 8) {
        const unsigned channel = (colour >> shift) & 0xFFU;
        out |= (channel * (100U - percent) / 100U) << shift;
    }
    return out;
}

} // namespace

void Scene::rect(SceneRect box, Rgb fill, Rgb stroke, float width, float radius) {
    Shape shape;
    shape.kind = ShapeKind::Rect;
    shape.box = box;
    shape.fill = fill;
    shape.stroke = stroke;
    shape.width = width;
    shape.radius = radius;
    m_shapes.push_back(std::move(shape));
}

void Scene::ellipse(SceneRect box, Rgb fill, Rgb stroke, float width) {
    Shape shape;
    shape.kind = ShapeKind::Ellipse;
    shape.box = box;
    shape.fill = fill;
    shape.stroke = stroke;
    shape.width = width;
    m_shapes.push_back(std::move(shape));
}

void Scene::lamp(float x, float y, float radius, bool on, Rgb colour) {
    ellipse({x - radius, y - radius, 2 * radius, 2 * radius}, on ? colour : 0x5A5A50, kInk, 1.5F);
}

void Scene::line(std::vector<ScenePoint> points, Rgb stroke, float width) {
    assert(points.size() >= 2);
    Shape shape;
    shape.kind = ShapeKind::Line;
    shape.points = std::move(points);
    shape.stroke = stroke;
    shape.width = width;
    m_shapes.push_back(std::move(shape));
}

void Scene::polygon(std::vector<ScenePoint> points, Rgb fill, Rgb stroke, float width) {
    assert(points.size() >= 3);
    Shape shape;
    shape.kind = ShapeKind::Polygon;
    shape.points = std::move(points);
    shape.fill = fill;
    shape.stroke = stroke;
    shape.width = width;
    m_shapes.push_back(std::move(shape));
}

void Scene::text(SceneRect box, std::string_view words, Rgb colour, float size, TextAlign align,
                 bool bold) {
    Shape shape;
    shape.kind = ShapeKind::Text;
    shape.box = box;
    shape.text = std::string(words);
    shape.fill = colour;
    shape.size = size;
    shape.align = align;
    shape.bold = bold;
    m_shapes.push_back(std::move(shape));
}

Shape& Scene::last() {
    assert(!m_shapes.empty());
    return m_shapes.back();
}

void Scene::button(SceneRect box, std::string_view caption, Rgb colour, bool down,
                   std::size_t control) {
    // Pressed in: the face moves down a little and darkens, as the machines' own buttons do.
    const SceneRect face = down ? SceneRect{box.x + 1, box.y + 2, box.w, box.h} : box;
    rect(face, down ? darker(colour, 30) : colour, 0x282828, 1.5F, 8);
    text(face, caption, 0xFFFFFF, 13, TextAlign::Centre, true);
    m_hotspots.push_back({box, control});
}

std::size_t Scene::controlAt(ScenePoint at) const {
    // The last drawn is on top.
    for (auto spot = m_hotspots.rbegin(); spot != m_hotspots.rend(); ++spot) {
        if (spot->box.contains(at)) {
            return spot->control;
        }
    }
    return SIZE_MAX;
}

void Scene::markFault(SceneRect box, std::string_view words) {
    rect(box, kNoColour, kFaultRed, 4, 6);
    last().dashed = true;
    const SceneRect tag{box.x, box.y - 20, std::max(box.w, 150.0F), 18};
    rect(tag, kFaultRed);
    text(tag, words, 0xFFFFFF);
    m_faultMarks.emplace_back(box, std::string(words));
}

namespace {

// The plant's faults under a QT_TRANSLATE_NOOP("Machines", "Faults") heading, one row each with its
// count: bright red while active, dark red once it has happened, green while it never has.
void drawFaultList(Scene& scene, const Plant& plant, const SceneLayout& layout) {
    const float row = 19;
    const auto faults = plant.faults();
    const SceneRect frame{layout.faultsX, layout.faultsY, layout.faultsWidth,
                          row * static_cast<float>(faults.size() + 1) + 8};
    scene.rect(frame, 0xFAFAF5, 0x282828);
    SceneRect line{frame.x + 8, frame.y + 4, frame.w - 16, row};
    scene.text(line, QT_TRANSLATE_NOOP("Machines", "Faults"), Scene::kInk, 12, TextAlign::Left,
               true);
    for (const FaultCount& fault : faults) {
        line.y += row;
        const Rgb colour = fault.active ? 0xDC0000 : fault.count > 0 ? 0x961E1E : 0x466E46;
        scene.text(line, fault.text, colour, 12, TextAlign::Left, fault.active);
        scene.text(line, std::to_string(fault.count), colour, 12, TextAlign::Right, fault.active);
    }
}

} // namespace

Scene sceneOf(const Plant& plant, bool running) {
    const SceneLayout layout = plant.sceneLayout();
    Scene scene(layout.width, layout.height);
    if (layout.width <= 0) {
        return scene;
    }
    scene.rect({0, 0, layout.width, layout.height}, Scene::kBackground);
    plant.drawScene(scene);
    drawFaultList(scene, plant, layout);
    if (!running) {
        scene.text({10, layout.height - 26, layout.width - 20, 20},
                   QT_TRANSLATE_NOOP("Machines", "Stopped: start the run to work the machine."),
                   0x5A5A5A, 12, TextAlign::Left);
    }
    return scene;
}

} // namespace rungbox::machines

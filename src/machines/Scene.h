// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A machine's picture as a list of simple shapes in the scene's own pixels, drawn the same way
// by the window (QPainter) and the page (a canvas): the plant describes what it looks like once,
// and every front end only paints the list. A scene also says where its push-buttons and
// switches can be clicked and where its active faults happen.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rungbox::machines {

class Plant;

/// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;
/// No fill, or no outline.
inline constexpr Rgb kNoColour = 0xFF000000U;

struct ScenePoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const ScenePoint&, const ScenePoint&) = default;
};

/// A rectangle in scene pixels: its top left corner and its size.
struct SceneRect {
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    bool contains(ScenePoint p) const { return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h; }
    friend bool operator==(const SceneRect&, const SceneRect&) = default;
};

enum class ShapeKind {
    Rect,    ///< `box`, corners rounded by `radius`
    Ellipse, ///< the ellipse inside `box`
    Line,    ///< the open polyline through `points`
    Polygon, ///< the closed polygon through `points`
    Text,    ///< `text` in `box`, centred vertically, aligned by `align`
};

enum class TextAlign { Left, Centre, Right };

/// One shape. Fields a kind does not use stay at their defaults.
struct Shape {
    ShapeKind kind = ShapeKind::Rect;
    SceneRect box;
    std::vector<ScenePoint> points;
    std::string text;       ///< UTF-8; a fixed label is marked under "Machines"
    Rgb fill = kNoColour;   ///< also the colour of text
    Rgb stroke = kNoColour; ///< the outline
    float width = 1;        ///< of the outline, pixels
    float radius = 0;       ///< of a rectangle's corners, pixels
    float size = 12;        ///< of text, pixels
    bool bold = false;
    bool dashed = false; ///< the outline in dashes
    TextAlign align = TextAlign::Centre;
    friend bool operator==(const Shape&, const Shape&) = default;
};

/// A place the user can click: control `control` of the plant (an index into its controls()).
struct SceneHotspot {
    SceneRect box;
    std::size_t control = 0;
    friend bool operator==(const SceneHotspot&, const SceneHotspot&) = default;
};

class Scene {
public:
    /// An empty scene of `width` by `height` scene pixels.
    Scene(float width, float height) : m_width(width), m_height(height) {}

    float width() const { return m_width; }
    float height() const { return m_height; }
    const std::vector<Shape>& shapes() const { return m_shapes; }
    const std::vector<SceneHotspot>& hotspots() const { return m_hotspots; }

    // --- Drawing, in painting order ----------------------------------------------------------

    void rect(SceneRect box, Rgb fill, Rgb stroke = kNoColour, float width = 1, float radius = 0);
    void ellipse(SceneRect box, Rgb fill, Rgb stroke = kNoColour, float width = 1);
    /// A round lamp of `radius` at (`x`, `y`): lit in `colour` when `on`, dark grey otherwise.
    void lamp(float x, float y, float radius, bool on, Rgb colour = kLampGreen);
    void line(std::vector<ScenePoint> points, Rgb stroke, float width = 1);
    void polygon(std::vector<ScenePoint> points, Rgb fill, Rgb stroke = kNoColour, float width = 1);
    /// `text` in `box` (vertically centred), `size` pixels high.
    void text(SceneRect box, std::string_view text, Rgb colour = kInk, float size = 12,
              TextAlign align = TextAlign::Centre, bool bold = false);
    /// The last shape drawn; for a touch such as dashes.
    Shape& last();

    // --- Interaction ---------------------------------------------------------------------------

    /// A push-button or switch of the machine: a rounded face with its caption, pressed in
    /// while `down`, clickable as control `control`.
    void button(SceneRect box, std::string_view caption, Rgb colour, bool down,
                std::size_t control);
    /// The control at `at`, or SIZE_MAX when none is there.
    std::size_t controlAt(ScenePoint at) const;

    // --- Faults --------------------------------------------------------------------------------

    /// A red dashed frame around `box`, where a fault happens now, with `words` on a red tag
    /// above it.
    void markFault(SceneRect box, std::string_view words);
    /// The places markFault() marked, with their words.
    const std::vector<std::pair<SceneRect, std::string>>& faultMarks() const {
        return m_faultMarks;
    }

    static constexpr Rgb kInk = 0x1E1E1E;
    static constexpr Rgb kLampGreen = 0x3CC83C;
    static constexpr Rgb kBackground = 0xECECE4;

    friend bool operator==(const Scene&, const Scene&) = default;

private:
    float m_width;
    float m_height;
    std::vector<Shape> m_shapes;
    std::vector<SceneHotspot> m_hotspots;
    std::vector<std::pair<SceneRect, std::string>> m_faultMarks;
};

/// The whole picture of `plant`: what it draws itself (Plant::drawScene), its fault list in the
/// place it gave, and a note while no run is on. Empty (0 by 0) for a plant that draws itself in
/// each front end instead.
Scene sceneOf(const Plant& plant, bool running);

} // namespace rungbox::machines

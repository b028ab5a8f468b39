// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"

#include "engine/LineSyntax.h"
#include "ladder/Labels.h"

#include <cmath>
#include <cstdlib>

namespace rungbox::wasm {

std::string textMessageJson(const l10n::Text& text) {
    if (text.empty() || l10n::isVerbatim(text)) {
        return "null";
    }
    std::string out = "{\"context\":";
    appendJsonString(out, l10n::kCoreContext);
    out += ",\"source\":";
    appendJsonString(out, text.message->english);
    out += ",\"comment\":";
    appendJsonString(out, text.message->id);
    out += ",\"args\":[";
    for (std::size_t i = 0; i < text.args.size(); ++i) {
        out += i == 0 ? "" : ",";
        appendJsonString(out, text.args[i]);
    }
    return out + "]}";
}

std::string messageJson(const Message& message) {
    using platform::BoxButtons;
    using platform::BoxIcon;
    const BoxButtons buttons = message.style.buttons;
    const BoxIcon icon = message.style.icon;
    std::string out = "{\"text\":";
    appendJsonString(out, message.text);
    out += ",\"title\":";
    appendJsonString(out, message.title);
    out += ",\"textMessage\":" + textMessageJson(message.textMessage);
    out += ",\"titleMessage\":" + textMessageJson(message.titleMessage);
    out += std::string(",\"buttons\":\"") +
           (buttons == BoxButtons::YesNoCancel ? "yesNoCancel"
            : buttons == BoxButtons::YesNo     ? "yesNo"
                                               : "ok") +
           "\",\"icon\":\"" +
           (icon == BoxIcon::Critical      ? "critical"
            : icon == BoxIcon::Question    ? "question"
            : icon == BoxIcon::Exclamation ? "exclamation"
                                           : "none") +
           "\"}";
    return out;
}

std::string messagesJson(const std::vector<Message>& messages) {
    std::string out = "[";
    for (const Message& message : messages) {
        out += (out.size() > 1 ? "," : "") + messageJson(message);
    }
    return out + "]";
}

namespace {

using ladder::Element;
using ladder::ElementKind;

// Appends `"name":` and the value.
void key(std::string& out, std::string_view name) {
    out += '"';
    out += name;
    out += "\":";
}

void number(std::string& out, std::string_view name, long long value) {
    key(out, name);
    out += std::to_string(value);
    out += ',';
}

void text(std::string& out, std::string_view name, std::string_view value) {
    key(out, name);
    appendJsonString(out, value);
    out += ',';
}

// Closes an object or array whose last member left a trailing comma.
void close(std::string& out, char bracket) {
    if (out.back() == ',') {
        out.back() = bracket;
    } else {
        out += bracket;
    }
}

std::string_view kindName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Contact:
        return "contact";
    case ElementKind::Link:
        return "link";
    case ElementKind::Join:
        return "join";
    case ElementKind::Coil:
        return "coil";
    case ElementKind::Timer:
        return "timer";
    case ElementKind::Counter:
        return "counter";
    case ElementKind::Shift:
        return "shift";
    case ElementKind::End:
        return "end";
    case ElementKind::Keep:
        return "keep";
    case ElementKind::Control:
        return "control";
    case ElementKind::Word:
        return "word";
    case ElementKind::Mark:
        break;
    }
    return "mark";
}

// The mark a coil shows between its brackets, by name.
std::string_view coilName(engine::OpCode op) {
    switch (op) {
    case engine::OpCode::Difu:
        return "difu";
    case engine::OpCode::OutNot:
        return "not";
    case engine::OpCode::Difd:
        return "difd";
    case engine::OpCode::Set:
        return "set";
    case engine::OpCode::Rset:
        return "reset";
    default:
        return "out";
    }
}

// A box's caption and its lines under it, as the window draws them.
void appendBox(std::string& out, const Element& el, const ladder::PowerFlow* flow, int index,
               const names::NameTable* names) {
    std::string title;
    std::string values;
    const int value = flow != nullptr ? flow->value(index) : 0;
    if (el.extended) {
        // An extended program's boxes read as its text diagram's do.
        title = ladder::elementLabel(el);
        for (const std::string& line : ladder::boxText(el, index, flow, names)) {
            values += (values.empty() ? "" : "\n") + line;
        }
    } else if (el.kind == ElementKind::Timer) {
        title = "TIM " + std::to_string(el.number);
        values = "#" + std::to_string(el.setValue);
        values += flow != nullptr ? "\n" + engine::timerText(value) : "";
    } else if (el.kind == ElementKind::Counter) {
        title = "CNT " + std::to_string(el.number);
        values = "#" + std::to_string(el.setValue);
        values += flow != nullptr ? "\n" + std::to_string(value) : "";
    } else {
        title = "SFT";
        values = std::to_string(el.number) + " to " + std::to_string(el.setValue);
    }
    text(out, "title", title);
    text(out, "values", values);
    key(out, "pins");
    out += '[';
    for (int p = 0; p < el.pinCount; ++p) {
        const ladder::Pin& pin = el.pins[p];
        out += '[';
        appendJsonString(out, pin.name);
        out += ',' + std::to_string(pin.row) + ',' + std::to_string(pin.net) + "],";
    }
    close(out, ']');
    out += ',';
}

// The name of the address `el` works on, as the window's diagram shows it above the element;
// empty when it has none (shift registers and links show none).
std::string elementName(const Element& el, const names::NameTable* names) {
    if (names == nullptr || el.kind == ElementKind::Shift || el.kind == ElementKind::Link ||
        el.kind == ElementKind::Mark) {
        return {};
    }
    const auto address = ladder::operandAddress(el);
    return address ? names->nameOf(*address) : std::string();
}

void appendElement(std::string& out, const Element& el, const ladder::PowerFlow* flow, int index,
                   const names::NameTable* names) {
    out += '{';
    text(out, "kind", kindName(el.kind));
    number(out, "line", el.line);
    number(out, "rung", el.rung);
    key(out, "cell");
    out += '[' + std::to_string(el.cell.col) + ',' + std::to_string(el.cell.row) + ',' +
           std::to_string(el.cell.width) + ',' + std::to_string(el.cell.height) + "],";
    number(out, "inNet", el.inNet);
    number(out, "outNet", el.outNet);
    number(out, "problem", el.problem != ladder::Problem::None ? 1 : 0);
    if (el.problem != ladder::Problem::None) {
        text(out, "mark",
             "! line " + std::to_string(el.line) + " \"" + el.code +
                 "\": " + ladder::problemText(el));
    }
    if (el.kind == ElementKind::Contact || el.kind == ElementKind::Coil ||
        el.kind == ElementKind::Control) {
        text(out, "label", ladder::elementLabel(el));
        number(out, "negated", el.form.negated ? 1 : 0);
        text(out, "coil", coilName(el.form.op));
    }
    if (el.kind == ElementKind::Link) {
        number(out, "target", el.target);
        number(out, "targetLine", el.targetLine);
    }
    if (el.kind == ElementKind::Timer || el.kind == ElementKind::Counter ||
        el.kind == ElementKind::Shift || el.kind == ElementKind::Keep ||
        el.kind == ElementKind::Word) {
        appendBox(out, el, flow, index, names);
    }
    if (el.operandLine > 0) {
        number(out, "operandLine", el.operandLine);
    }
    if (const std::string name = elementName(el, names); !name.empty()) {
        text(out, "name", name);
    }
    close(out, '}');
    out += ',';
}

void appendRung(std::string& out, const ladder::Rung& rung) {
    out += '{';
    number(out, "firstLine", rung.firstLine);
    number(out, "rows", rung.rows);
    key(out, "elements");
    out += '[';
    for (const int e : rung.elements) {
        out += std::to_string(e) + ',';
    }
    close(out, ']');
    out += ',';
    key(out, "marks");
    out += '[';
    for (const int e : rung.marks) {
        out += std::to_string(e) + ',';
    }
    close(out, ']');
    out += ',';
    key(out, "wires");
    out += '[';
    for (const ladder::Wire& w : rung.wires) {
        out += '[' + std::to_string(w.col0) + ',' + std::to_string(w.row0) + ',' +
               std::to_string(w.col1) + ',' + std::to_string(w.row1) + ',' + std::to_string(w.net) +
               "],";
    }
    close(out, ']');
    out += "},";
}

} // namespace

std::string ladderJson(const ladder::Monitor& monitor, const names::NameTable* names) {
    const ladder::Layout& layout = monitor.layout();
    const ladder::PowerFlow* flow = monitor.flow();
    std::string out = "{";
    number(out, "columns", layout.columns());
    number(out, "networkColumns", layout.networkColumns());
    number(out, "ended", layout.ended() ? 1 : 0);
    number(out, "currentLine", monitor.currentLine());
    number(out, "running", flow != nullptr ? 1 : 0);
    key(out, "rungs");
    out += '[';
    for (const ladder::Rung& rung : layout.rungs()) {
        appendRung(out, rung);
    }
    close(out, ']');
    out += ',';
    key(out, "elements");
    out += '[';
    const auto& elements = layout.elements();
    for (std::size_t e = 0; e < elements.size(); ++e) {
        appendElement(out, elements[e], flow, static_cast<int>(e), names);
    }
    close(out, ']');
    out += ',';
    if (flow != nullptr) {
        key(out, "nets");
        out += '[';
        for (int n = 0; n < layout.netCount(); ++n) {
            out += flow->net(n) ? "1," : "0,";
        }
        close(out, ']');
        out += ',';
        key(out, "active");
        out += '[';
        for (std::size_t e = 0; e < elements.size(); ++e) {
            out += flow->active(static_cast<int>(e)) ? "1," : "0,";
        }
        close(out, ']');
        out += ',';
    }
    close(out, '}');
    return out;
}

namespace {

// A scene length: whole pixels where it is whole, else to a tenth.
void appendLength(std::string& out, float value) {
    const long long tenths = std::llround(static_cast<double>(value) * 10);
    out += std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + std::llabs(tenths % 10));
    }
}

void appendBox(std::string& out, std::string_view name, const machines::SceneRect& box) {
    key(out, name);
    out += '[';
    for (const float value : {box.x, box.y, box.w, box.h}) {
        appendLength(out, value);
        out += ',';
    }
    close(out, ']');
    out += ',';
}

// "#rrggbb", or nothing for no colour.
void appendColour(std::string& out, std::string_view name, machines::Rgb colour) {
    if (colour == machines::kNoColour) {
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string value = "#";
    for (int shift = 20; shift >= 0; shift -= 4) {
        value += kHex[(colour >> shift) & 0xFU];
    }
    text(out, name, value);
}

// One shape: `k` its kind (0 rect, 1 ellipse, 2 line, 3 polygon, 4 text), `b` its box, `p` its
// points as x, y pairs, `t` its text, `f` fill (text: colour) and `s` outline, `lw` outline
// width, `r` corner radius, `z` text size, `bold`, `dash`, `a` text alignment (0 left, 1 centre,
// 2 right). Members at their defaults are left out.
void appendShape(std::string& out, const machines::Shape& shape) {
    out += '{';
    number(out, "k", static_cast<long long>(shape.kind));
    if (shape.kind == machines::ShapeKind::Line || shape.kind == machines::ShapeKind::Polygon) {
        key(out, "p");
        out += '[';
        for (const machines::ScenePoint& point : shape.points) {
            appendLength(out, point.x);
            out += ',';
            appendLength(out, point.y);
            out += ',';
        }
        close(out, ']');
        out += ',';
    } else {
        appendBox(out, "b", shape.box);
    }
    if (shape.kind == machines::ShapeKind::Text) {
        text(out, "t", shape.text);
        number(out, "a", static_cast<long long>(shape.align));
        if (shape.size != 12) {
            key(out, "z");
            appendLength(out, shape.size);
            out += ',';
        }
        if (shape.bold) {
            number(out, "bold", 1);
        }
    }
    appendColour(out, "f", shape.fill);
    appendColour(out, "s", shape.stroke);
    if (shape.stroke != machines::kNoColour && shape.width != 1) {
        key(out, "lw");
        appendLength(out, shape.width);
        out += ',';
    }
    if (shape.radius != 0) {
        key(out, "r");
        appendLength(out, shape.radius);
        out += ',';
    }
    if (shape.dashed) {
        number(out, "dash", 1);
    }
    close(out, '}');
}

} // namespace

std::string sceneJson(const machines::Scene& scene) {
    std::string out = "{";
    key(out, "w");
    appendLength(out, scene.width());
    out += ',';
    key(out, "h");
    appendLength(out, scene.height());
    out += ',';
    key(out, "shapes");
    out += '[';
    for (const machines::Shape& shape : scene.shapes()) {
        appendShape(out, shape);
        out += ',';
    }
    close(out, ']');
    out += ',';
    key(out, "spots");
    out += '[';
    for (const machines::SceneHotspot& spot : scene.hotspots()) {
        out += '{';
        appendBox(out, "b", spot.box);
        number(out, "c", static_cast<long long>(spot.control));
        close(out, '}');
        out += ',';
    }
    close(out, ']');
    out += '}';
    return out;
}

namespace {

// The controls of a machine drawn from a scene: word, caption, whether a switch, and whether
// down or on now.
void appendControls(std::string& out, const machines::Plant& plant) {
    key(out, "controls");
    out += '[';
    const auto controls = plant.controls();
    for (std::size_t k = 0; k < controls.size(); ++k) {
        out += '{';
        text(out, "word", controls[k].word);
        text(out, "caption", controls[k].caption);
        number(out, "toggle", controls[k].kind == machines::ControlKind::Switch ? 1 : 0);
        number(out, "on", plant.controlOn(k) ? 1 : 0);
        close(out, '}');
        out += ',';
    }
    close(out, ']');
    out += ',';
}

} // namespace

std::string machineJson(const machines::ModuleHost& modules, bool running) {
    const machines::Plant* plant = modules.plant();
    if (plant == nullptr) {
        return "null";
    }
    std::string out = "{";
    text(out, "kind", plant->name());
    text(out, "title", machines::moduleTitle(modules.kind()));
    number(out, "running", running ? 1 : 0);
    text(out, "state", plant->stateLine());
    if (modules.kind() == machines::ModuleKind::Gate) {
        number(out, "travel", machines::GatePlant::kTravelMs);
    } else if (modules.kind() == machines::ModuleKind::Conveyor) {
        using machines::ConveyorPlant;
        number(out, "beltLength", ConveyorPlant::kBeltLength);
        number(out, "boxLength", ConveyorPlant::kBoxLength);
        number(out, "faceStart", ConveyorPlant::kFaceStart);
        number(out, "faceEnd", ConveyorPlant::kFaceEnd);
        number(out, "stroke", ConveyorPlant::kPusherStroke);
    } else {
        appendControls(out, *plant);
        key(out, "scene");
        out += sceneJson(machines::sceneOf(*plant, running));
        out += ',';
    }
    key(out, "faults");
    out += '[';
    for (const machines::FaultCount& fault : plant->faults()) {
        out += '{';
        text(out, "text", fault.text);
        number(out, "count", fault.count);
        number(out, "active", fault.active ? 1 : 0);
        close(out, '}');
        out += ',';
    }
    close(out, ']');
    out += '}';
    return out;
}

} // namespace rungbox::wasm

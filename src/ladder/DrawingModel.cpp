// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingModel.h"

#include "editor/Editor.h"
#include "engine/AddressMap.h"
#include "engine/ExtendedLine.h"
#include "l10n/Mark.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace rungbox::ladder {

using engine::OpCode;
using engine::Operand;

namespace {

// The keyboard model: each tool with its key, written once for toolbars, menus and keys. The
// words of texts and tips are marked for the catalogues ("Ladder"); instruction words are not.
constexpr ToolInfo kTools[] = {
    {Tool::Contact, QT_TRANSLATE_NOOP("Ladder", "Contact"),
     QT_TRANSLATE_NOOP("Ladder", "Contact in series after the selection (C)"), "C", "contactTool",
     false},
    {Tool::Parallel, QT_TRANSLATE_NOOP("Ladder", "Parallel"),
     QT_TRANSLATE_NOOP("Ladder", "Contact in parallel with the selection (P)"), "P", "parallelTool",
     false},
    {Tool::Not, "NOT", QT_TRANSLATE_NOOP("Ladder", "NOT on a contact, OUT to OUT NOT and back (/)"),
     "/", "notTool", false},
    {Tool::Coil, "OUT", QT_TRANSLATE_NOOP("Ladder", "OUT coil, parallel to the rung's outputs (O)"),
     "O", "coilTool", false},
    {Tool::Difu, "DIFU", QT_TRANSLATE_NOOP("Ladder", "DIFU coil (D)"), "D", "difuTool", false},
    {Tool::Timer, "TIM", QT_TRANSLATE_NOOP("Ladder", "Timer box (T)"), "T", "timerTool", false},
    {Tool::Counter, "CNT",
     QT_TRANSLATE_NOOP("Ladder", "Counter box: a new rung with count and reset (K)"), "K",
     "counterTool", false},
    {Tool::Shift, "SFT",
     QT_TRANSLATE_NOOP("Ladder", "Shift-register box: a new rung with data, clock and reset (S)"),
     "S", "shiftTool", false},
    {Tool::Rung, QT_TRANSLATE_NOOP("Ladder", "Rung"),
     QT_TRANSLATE_NOOP("Ladder", "New rung after this one: a contact and an OUT coil (R)"), "R",
     "rungTool", false},
    {Tool::Delete, QT_TRANSLATE_NOOP("Ladder", "Delete"),
     QT_TRANSLATE_NOOP("Ladder", "Delete the selection (Delete)"), "Delete", "deleteTool", false},
    {Tool::Keep, "KEEP", QT_TRANSLATE_NOOP("Ladder", "KEEP box: a new rung with set and reset (E)"),
     "E", "keepTool", true},
    {Tool::Set, "SET", QT_TRANSLATE_NOOP("Ladder", "SET coil: turns its bit on (L)"), "L",
     "setTool", true},
    {Tool::Rset, "RSET", QT_TRANSLATE_NOOP("Ladder", "RSET coil: turns its bit off (U)"), "U",
     "rsetTool", true},
    {Tool::Difd, "DIFD",
     QT_TRANSLATE_NOOP("Ladder", "DIFD coil: on for one scan as its condition falls (F)"), "F",
     "difdTool", true},
    {Tool::Timh, "TIMH",
     QT_TRANSLATE_NOOP("Ladder", "High-speed timer box, set value in hundredths (H)"), "H",
     "timhTool", true},
    {Tool::Cntr, "CNTR",
     QT_TRANSLATE_NOOP(
         "Ladder", "Reversible counter box: a new rung with increment, decrement and reset (V)"),
     "V", "cntrTool", true},
    {Tool::Interlock, "IL",
     QT_TRANSLATE_NOOP("Ladder", "Interlock: an IL rung and its ILC after this rung (I)"), "I",
     "interlockTool", true},
    {Tool::Jump, "JMP",
     QT_TRANSLATE_NOOP("Ladder", "Jump: a JMP rung and its JME after this rung (J)"), "J",
     "jumpTool", true},
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A whole decimal with an optional sign that fits an int.
std::optional<int> readInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

Operand operandOf(names::Address::Kind kind) {
    switch (kind) {
    case names::Address::Kind::Timer:
        return Operand::Timer;
    case names::Address::Kind::Counter:
        return Operand::Counter;
    default: // relays, and the bit areas of extended programs
        break;
    }
    return Operand::Relay;
}

// The address of `node` as the address box shows it; `set` is its rung's.
std::string addressOf(const Node& node, engine::InstructionSet set) {
    const std::string number = std::to_string(node.number);
    const bool relay = node.kind == NodeKind::Contact
                           ? node.operand == Operand::Relay
                           : engine::writesOperand(node.op) || node.op == OpCode::Sft;
    if (set == engine::InstructionSet::Extended && relay) {
        return engine::bitAddressText({node.area, node.number});
    }
    if (node.kind == NodeKind::Contact && node.operand == Operand::Timer) {
        return "TIM " + number;
    }
    if (node.kind == NodeKind::Contact && node.operand == Operand::Counter) {
        return "CNT " + number;
    }
    return number;
}

bool hasSetValue(const Node& node) {
    return node.kind == NodeKind::Output &&
           (node.op == OpCode::Tim || node.op == OpCode::Cnt || node.op == OpCode::Sft ||
            node.op == OpCode::Timh || node.op == OpCode::Cntr);
}

} // namespace

std::span<const ToolInfo> drawingTools() {
    return drawingTools(engine::InstructionSet::Classic);
}

std::span<const ToolInfo> drawingTools(engine::InstructionSet set) {
    const std::span<const ToolInfo> all = kTools;
    if (set == engine::InstructionSet::Extended) {
        return all;
    }
    // The extended set's tools come after the classic ones.
    std::size_t classic = 0;
    while (classic < all.size() && !all[classic].extended) {
        ++classic;
    }
    return all.first(classic);
}

std::optional<Tool> toolOfKey(std::string_view key, engine::InstructionSet set) {
    for (const ToolInfo& info : kTools) {
        if (info.key == key && (!info.extended || set == engine::InstructionSet::Extended)) {
            return info.tool;
        }
    }
    return std::nullopt;
}

std::optional<TypedAddress> readTypedAddress(std::string_view typed, const names::NameTable& names,
                                             engine::InstructionSet set) {
    if (set == engine::InstructionSet::Classic || names.findName(trimmed(typed)) != nullptr) {
        return readTypedAddress(typed, names);
    }
    const std::optional<engine::BitAddress> address = engine::parseBitAddress(typed);
    if (!address) {
        return std::nullopt;
    }
    switch (address->area) {
    case engine::Area::Timer:
        return TypedAddress{Operand::Timer, address->number, engine::Area::Relay};
    case engine::Area::Counter:
        return TypedAddress{Operand::Counter, address->number, engine::Area::Relay};
    default:
        return TypedAddress{Operand::Relay, address->number, address->area};
    }
}

std::optional<TypedAddress> readTypedAddress(std::string_view typed,
                                             const names::NameTable& names) {
    if (const names::NameEntry* entry = names.findName(trimmed(typed))) {
        return TypedAddress{operandOf(entry->address.kind), entry->address.number};
    }
    std::string text;
    for (const char c : typed) {
        if (c != ' ') {
            text += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    TypedAddress address;
    std::string_view rest = trimmed(text);
    // The longer prefixes first: "TIM3" is timer 3, "T3" too.
    for (const auto& [prefix, kind] : {std::pair{std::string_view("TIM"), Operand::Timer},
                                       {std::string_view("CNT"), Operand::Counter},
                                       {std::string_view("T"), Operand::Timer},
                                       {std::string_view("C"), Operand::Counter}}) {
        if (rest.starts_with(prefix)) {
            address.operand = kind;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    const std::optional<int> number = readInteger(rest);
    if (!number) {
        return std::nullopt;
    }
    address.number = *number;
    return address;
}

DrawingModel::DrawingModel(editor::Editor& editor) : m_editor(editor), m_diagram(editor) {}

Place DrawingModel::selection() {
    m_diagram.refresh();
    return m_diagram.placeOfLine(m_editor.grid().line());
}

DrawingModel::Step DrawingModel::made(Outcome outcome) {
    m_typingNew = outcome.done();
    m_stepsAfterNew = m_editor.history().undoCount();
    return {std::move(outcome), m_typingNew};
}

DrawingModel::Step DrawingModel::use(Tool tool) {
    m_typingNew = false;
    m_diagram.refresh();
    if (m_diagram.program().rungs().empty() && tool != Tool::Delete) {
        // A program drawn from nothing starts with a rung, whatever was asked for.
        const bool ownRung = tool == Tool::Counter || tool == Tool::Shift || tool == Tool::Keep ||
                             tool == Tool::Cntr || tool == Tool::Interlock || tool == Tool::Jump;
        tool = ownRung ? tool : Tool::Rung;
    }
    switch (tool) {
    case Tool::Contact:
    case Tool::Parallel:
        return made(addContact(tool == Tool::Parallel));
    case Tool::Not:
        return {m_diagram.edit(selection(), toggleNot), false};
    case Tool::Coil:
        return made(addOutput(OpCode::Out));
    case Tool::Difu:
        return made(addOutput(OpCode::Difu));
    case Tool::Timer:
        return made(addOutput(OpCode::Tim));
    case Tool::Counter:
        return made(addRung(boxRung(OpCode::Cnt, 0, 10), true));
    case Tool::Shift:
        return made(addRung(boxRung(OpCode::Sft, 200, 207), true));
    case Tool::Rung:
        return made(addRung(simpleRung(0, m_diagram.freeCoil()), false));
    case Tool::Delete:
        return {m_diagram.edit(selection(), removeElement), false};
    default:
        return useExtended(tool);
    }
}

// The tools of the extended set's instructions; refused in a classic program.
DrawingModel::Step DrawingModel::useExtended(Tool tool) {
    if (!m_editor.grid().extended()) {
        return {{std::string(kExtendedOnly), 0}, false};
    }
    switch (tool) {
    case Tool::Keep:
        return made(addRung(boxRung(OpCode::Keep, m_diagram.freeCoil(), 0), true));
    case Tool::Cntr:
        return made(addRung(boxRung(OpCode::Cntr, 0, 10), true));
    case Tool::Set:
        return made(addOutput(OpCode::Set));
    case Tool::Rset:
        return made(addOutput(OpCode::Rset));
    case Tool::Difd:
        return made(addOutput(OpCode::Difd));
    case Tool::Timh:
        return made(addOutput(OpCode::Timh));
    case Tool::Interlock:
        return made(addRegion(OpCode::Il, OpCode::Ilc));
    case Tool::Jump:
        return made(addRegion(OpCode::Jmp, OpCode::Jme));
    default:
        return {{std::string(kExtendedOnly), 0}, false};
    }
}

// IL with its ILC, or JMP N with its JME N (the lowest N no JMP uses), after the selection's
// rung: the lines the region holds go between them.
Outcome DrawingModel::addRegion(OpCode open, OpCode close) {
    int number = 0;
    if (open == OpCode::Jmp) {
        const editor::CodeGrid& grid = m_editor.grid();
        for (bool used = true; used && number < engine::kJumpNumbers;) {
            used = false;
            for (int line = 1; line <= editor::kLastLine && !used; ++line) {
                used = engine::decodeForm(grid.text(line, editor::kCodeCol),
                                          engine::InstructionSet::Extended)
                               .op == OpCode::Jmp &&
                       engine::readJumpNumber(grid.text(line, editor::kLocationCol)) == number;
            }
            number += used ? 1 : 0;
        }
    }
    const int current = selection().rung;
    const int rungs = static_cast<int>(m_diagram.program().rungs().size());
    Node opening = Node::group(
        NodeKind::Series, {Node::contact(Operand::Relay, false, 0), Node::output(open, number)});
    return m_diagram.addRungs(current < 0 && rungs > 0 ? rungs - 1 : current,
                              {std::move(opening), closingRung(close, number)});
}

Outcome DrawingModel::addContact(bool parallel) {
    const Place place = selection();
    const Node* selected =
        place.rung < 0
            ? nullptr
            : nodeAt(m_diagram.program().rungs()[static_cast<std::size_t>(place.rung)].tree,
                     place.path);
    // The new contact reads the next relay after the selected one: typing replaces it anyway.
    Node contact = Node::contact(Operand::Relay, false, 0);
    if (selected != nullptr && selected->kind == NodeKind::Contact &&
        selected->operand == Operand::Relay && selected->number < engine::kLastRelay &&
        engine::BitAddress{selected->area, selected->number + 1}.valid()) {
        // In an extended program the next bit of the selected one's area (W0.03 after W0.02).
        contact.area = selected->area;
        contact.number = selected->number + 1;
    }
    const bool output = selected != nullptr && selected->kind == NodeKind::Output;
    return m_diagram.edit(place, [&](Node& rung, const Path& at) {
        // On an output, C puts the contact before it: nothing can follow an output.
        return parallel ? insertParallel(rung, at, at.back(), contact)
                        : insertSeries(rung, at, contact, !output);
    });
}

Outcome DrawingModel::addOutput(OpCode op) {
    const Node output = op == OpCode::Tim || op == OpCode::Timh
                            ? Node::output(op, 0, op == OpCode::Tim ? 10 : 100)
                            : Node::output(op, m_diagram.freeCoil());
    return m_diagram.edit(selection(), [&](Node& rung, const Path& at) {
        return ladder::addOutput(rung, at, output);
    });
}

Outcome DrawingModel::addRung(Node rung, bool selectBox) {
    const int current = selection().rung;
    const int rungs = static_cast<int>(m_diagram.program().rungs().size());
    // A box rung opens its box for typing (it is written last), a plain rung its contact.
    const int boxOffset = static_cast<int>(rungCells(rung).size()) - 1;
    Outcome outcome =
        m_diagram.addRung(current < 0 && rungs > 0 ? rungs - 1 : current, std::move(rung));
    if (outcome.done() && selectBox) {
        outcome.line += boxOffset;
        m_editor.grid().setLine(outcome.line);
    }
    return outcome;
}

AddressForm DrawingModel::addressForm() {
    const Place place = selection();
    if (place.rung < 0) {
        return {};
    }
    const ProgramRung& rung = m_diagram.program().rungs()[static_cast<std::size_t>(place.rung)];
    if (!rung.editable) {
        return {false, "this rung is edited in the grid: " + rung.reason, {}, false, 0};
    }
    const Node* node = nodeAt(rung.tree, place.path);
    if (node == nullptr || node->isGroup() ||
        (node->kind == NodeKind::Output &&
         (node->op == OpCode::End || node->op == OpCode::Il || node->op == OpCode::Ilc))) {
        return {};
    }
    if (node->kind == NodeKind::Output && isWordInstruction(node->op)) {
        return {false, std::string(kWordOperandsInGrid), {}, false, 0};
    }
    return {true, {}, addressOf(*node, rung.tree.set), hasSetValue(*node), node->setValue};
}

Outcome DrawingModel::confirmAddress(std::string_view typed, std::optional<int> setValue) {
    const std::optional<TypedAddress> address =
        readTypedAddress(typed, m_editor.names(), m_editor.grid().instructionSet());
    if (!address) {
        return {std::string(kUnreadableAddress), 0};
    }
    const Outcome outcome =
        m_diagram.edit(selection(), [&](Node& rung, const Path& at) -> EditResult {
            const Node* node = nodeAt(rung, at);
            // An output names a relay whatever was typed before its number.
            const Operand kind = node != nullptr && node->kind == NodeKind::Output
                                     ? Operand::Relay
                                     : address->operand;
            EditResult result = setAddress(rung, at, kind, address->number, address->area);
            return result.done() && setValue ? setSetValue(rung, result.selection, *setValue)
                                             : result;
        });
    if (outcome.done()) {
        m_typingNew = false;
    }
    return outcome;
}

void DrawingModel::cancelAddress() {
    // Esc on a new element takes it away again: its edit is undone, as if never made.
    if (m_typingNew && m_editor.history().undoCount() == m_stepsAfterNew) {
        m_editor.undo();
    }
    m_typingNew = false;
}

void DrawingModel::undo() {
    m_typingNew = false;
    m_editor.undo();
}

void DrawingModel::redo() {
    m_typingNew = false;
    m_editor.redo();
}

std::optional<std::string> DrawingModel::copyRung() {
    return m_diagram.copyRung(selection().rung);
}

Outcome DrawingModel::pasteRungs(std::string_view text) {
    return m_diagram.pasteRungs(selection().rung, text);
}

Outcome DrawingModel::moveRung(int delta) {
    return m_diagram.moveRung(selection().rung, delta);
}

Outcome DrawingModel::deleteRung() {
    return m_diagram.deleteRung(selection().rung);
}

void DrawingModel::selectCurrentRung() {
    m_diagram.refresh();
    const auto& rungs = m_diagram.program().rungs();
    if (rungs.empty()) {
        return;
    }
    const int line = m_editor.grid().line();
    int r = m_diagram.program().rungOfLine(line);
    if (r < 0) {
        // A line between rungs: the rung after it, else the last.
        r = static_cast<int>(rungs.size()) - 1;
        for (std::size_t i = 0; i < rungs.size(); ++i) {
            if (rungs[i].first > line) {
                r = static_cast<int>(i);
                break;
            }
        }
    }
    // END has nothing to edit: the rung before it is meant.
    if (rungs[static_cast<std::size_t>(r)].end && r > 0) {
        --r;
    }
    m_editor.grid().setLine(rungs[static_cast<std::size_t>(r)].first);
}

bool DrawingModel::moveSelection(int dx, int dy,
                                 const std::function<DrawnBox(int line)>& boxOfLine) {
    m_diagram.refresh();
    const int line = m_editor.grid().line();
    const DrawnBox from = boxOfLine(line);
    if (from.empty()) {
        selectCurrentRung();
        return m_editor.grid().line() != line;
    }
    const double fromX = from.x + from.width / 2;
    const double fromY = from.y + from.height / 2;
    int best = 0;
    double bestScore = std::numeric_limits<double>::max();
    for (const Element& el : m_diagram.program().layout().elements()) {
        if (el.line <= 0 || el.kind == ElementKind::Join || el.kind == ElementKind::Mark ||
            el.kind == ElementKind::Link) {
            continue;
        }
        const DrawnBox to = boxOfLine(el.line);
        const double toX = to.x + to.width / 2;
        const double toY = to.y + to.height / 2;
        const double along = dx != 0 ? (toX - fromX) * dx : (toY - fromY) * dy;
        const double across = dx != 0 ? std::abs(toY - fromY) : std::abs(toX - fromX);
        if (along <= 1) {
            continue;
        }
        const double score = along + 3 * across;
        if (score < bestScore) {
            bestScore = score;
            best = el.line;
        }
    }
    if (best <= 0) {
        return false;
    }
    m_editor.grid().setLine(best);
    return best != line;
}

std::function<DrawnBox(int line)> drawnBoxes(const Layout& layout, double cellWidth,
                                             double rowHeight, double rungGap) {
    std::vector<double> tops;
    double y = rungGap;
    for (const Rung& rung : layout.rungs()) {
        tops.push_back(y);
        y += rung.totalRows() * rowHeight + rungGap;
    }
    return [&layout, tops = std::move(tops), cellWidth, rowHeight](int line) -> DrawnBox {
        const int e = line > 0 ? layout.elementOfLine(line) : -1;
        if (e < 0) {
            return {};
        }
        const Element& el = layout.elements()[static_cast<std::size_t>(e)];
        const Cell& cell = el.cell;
        return {cell.col * cellWidth,
                tops[static_cast<std::size_t>(el.rung)] + cell.row * rowHeight,
                cell.width * cellWidth, cell.height * rowHeight};
    };
}

} // namespace rungbox::ladder

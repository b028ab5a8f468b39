// SPDX-License-Identifier: GPL-3.0-or-later
#include "RungTree.h"

#include "engine/AddressMap.h"
#include "engine/ExtendedLine.h"
#include "engine/WordAddress.h"
#include "l10n/Mark.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

namespace rungbox::ladder {

using engine::OpCode;
using engine::Operand;

// --- Nodes -----------------------------------------------------------------------------------

Node Node::contact(Operand operand, bool negated, int number) {
    Node node;
    node.kind = NodeKind::Contact;
    node.operand = operand;
    node.negated = negated;
    node.number = number;
    return node;
}

Node Node::output(OpCode op, int number, int setValue) {
    Node node;
    node.kind = NodeKind::Output;
    node.op = op;
    node.operand = Operand::None;
    node.number = number;
    node.setValue = setValue;
    return node;
}

Node Node::wordBox(OpCode op, bool differentiated, std::vector<std::string> words) {
    Node node = output(op, 0);
    node.differentiated = differentiated;
    node.words = std::move(words);
    return node;
}

Node Node::group(NodeKind kind, std::vector<Node> parts) {
    Node node;
    node.kind = kind;
    node.parts = std::move(parts);
    return node;
}

bool Node::carriesOutput() const {
    switch (kind) {
    case NodeKind::Output:
        return true;
    case NodeKind::Contact:
        return false;
    case NodeKind::Series:
        return !parts.empty() && parts.back().carriesOutput();
    case NodeKind::Parallel:
        return std::any_of(parts.begin(), parts.end(),
                           [](const Node& part) { return part.carriesOutput(); });
    }
    return false;
}

bool Node::operator==(const Node& other) const {
    if (kind != other.kind || parts != other.parts) {
        return false;
    }
    switch (kind) {
    case NodeKind::Contact:
        return operand == other.operand && negated == other.negated && number == other.number &&
               area == other.area;
    case NodeKind::Output:
        return op == other.op && number == other.number && area == other.area &&
               words == other.words && differentiated == other.differentiated &&
               ((op != OpCode::Tim && op != OpCode::Cnt && op != OpCode::Sft &&
                 op != OpCode::Timh && op != OpCode::Cntr) ||
                setValue == other.setValue);
    default:
        return true;
    }
}

const Node* nodeAt(const Node& root, const Path& path) {
    const Node* node = &root;
    for (const int index : path) {
        if (index < 0 || index >= static_cast<int>(node->parts.size())) {
            return nullptr;
        }
        node = &node->parts[static_cast<std::size_t>(index)];
    }
    return node;
}

Node* nodeAt(Node& root, const Path& path) {
    return const_cast<Node*>(nodeAt(static_cast<const Node&>(root), path));
}

// --- Normal form -----------------------------------------------------------------------------

namespace {

void normalizeParts(Node& node) {
    std::vector<Node> parts;
    for (Node& part : node.parts) {
        normalizeParts(part);
        if (part.isGroup() && part.parts.empty()) {
            continue;
        }
        Node single =
            part.isGroup() && part.parts.size() == 1 ? std::move(part.parts[0]) : std::move(part);
        if (node.isGroup() && single.kind == node.kind) {
            std::move(single.parts.begin(), single.parts.end(), std::back_inserter(parts));
        } else {
            parts.push_back(std::move(single));
        }
    }
    node.parts = std::move(parts);
}

} // namespace

void normalize(Node& root) {
    const engine::InstructionSet set = root.set;
    normalizeParts(root);
    if (root.kind != NodeKind::Series) {
        root = Node::group(NodeKind::Series, {std::move(root)});
    }
    root.set = set;
}

bool standsAlone(OpCode op) {
    return op == OpCode::End || op == OpCode::Ilc || op == OpCode::Jme;
}

// --- Checks ----------------------------------------------------------------------------------

namespace {

// The ranges of an extended rung's operands: bits of their area (written ones not special),
// timers and counters 0 to 127, set values 0 to 9999, jump numbers 0 to 49.
std::string extendedRangeProblem(const Node& node) {
    if (node.kind == NodeKind::Output && engine::wordOperandRule(node.op).count > 0) {
        const bool complete =
            node.words.size() == static_cast<std::size_t>(engine::wordOperandRule(node.op).count);
        const bool readable = std::all_of(node.words.begin(), node.words.end(), [](auto& word) {
            return engine::parseWordOperand(word).has_value();
        });
        return complete && readable ? "" : QT_TRANSLATE_NOOP("Ladder", "operand out of range");
    }
    const bool writes = node.kind == NodeKind::Output && engine::writesOperand(node.op);
    auto bitProblem = [&](int number) -> std::string {
        const engine::BitAddress address{node.area, number};
        if (!address.valid() || address.area == engine::Area::Timer ||
            address.area == engine::Area::Counter) {
            return QT_TRANSLATE_NOOP("Ladder", "address out of range");
        }
        return writes && address.special()
                   ? QT_TRANSLATE_NOOP("Ladder", "a special relay cannot be written")
                   : "";
    };
    const bool unit = node.kind == NodeKind::Contact
                          ? node.operand != Operand::Relay
                          : node.op == OpCode::Tim || node.op == OpCode::Cnt ||
                                node.op == OpCode::Timh || node.op == OpCode::Cntr;
    if (unit && (node.number < 0 || node.number >= engine::kTimerSlots)) {
        return (node.operand == Operand::Counter || node.op == OpCode::Cnt ||
                        node.op == OpCode::Cntr
                    ? "counter"
                    : "timer") +
               std::string(" out of range (0 to 127)");
    }
    if (unit) {
        return node.kind == NodeKind::Output &&
                       (node.setValue < 0 || node.setValue > engine::kMaxExtendedSetValue)
                   ? QT_TRANSLATE_NOOP("Ladder", "set value out of range (#0000 to #9999)")
                   : "";
    }
    switch (node.kind == NodeKind::Contact ? OpCode::Ld : node.op) {
    case OpCode::Il:
    case OpCode::Ilc:
    case OpCode::End:
        return {};
    case OpCode::Jmp:
    case OpCode::Jme:
        return node.number < 0 || node.number >= engine::kJumpNumbers
                   ? QT_TRANSLATE_NOOP("Ladder", "jump number out of range (0 to 49)")
                   : "";
    case OpCode::Sft:
        if (std::string problem = bitProblem(node.setValue); !problem.empty()) {
            return problem;
        }
        return bitProblem(node.number);
    default:
        return bitProblem(node.number);
    }
}

std::string rangeProblem(const Node& node, engine::InstructionSet set) {
    if (set == engine::InstructionSet::Extended) {
        return extendedRangeProblem(node);
    }
    if (node.area != engine::Area::Relay ||
        (node.kind == NodeKind::Output && node.op > OpCode::End && node.op != OpCode::Invalid)) {
        return QT_TRANSLATE_NOOP("Ladder",
                                 "only extended programs have this instruction or address");
    }
    const bool unit = node.kind == NodeKind::Contact
                          ? node.operand != Operand::Relay
                          : node.op == OpCode::Tim || node.op == OpCode::Cnt;
    if (unit && (node.number < 0 || node.number >= engine::kTimerCount)) {
        return (node.operand == Operand::Counter || node.op == OpCode::Cnt ? "counter" : "timer") +
               std::string(" out of range (0 to 7)");
    }
    if (!unit && (node.number < 0 || node.number > engine::kLastRelay)) {
        return QT_TRANSLATE_NOOP("Ladder", "relay out of range (0 to 20000)");
    }
    if (node.kind != NodeKind::Output) {
        return {};
    }
    if (node.op == OpCode::Tim &&
        (node.setValue < 0 || node.setValue > engine::kMaxTimerSetValue)) {
        return QT_TRANSLATE_NOOP("Ladder", "set value out of range (#0 to #600)");
    }
    if (node.op == OpCode::Cnt &&
        (node.setValue < 0 || node.setValue > engine::kMaxCounterSetValue)) {
        return QT_TRANSLATE_NOOP("Ladder", "set value out of range (#0 to #9999)");
    }
    if (node.op == OpCode::Sft && (node.setValue < 0 || node.setValue > engine::kLastRelay)) {
        return QT_TRANSLATE_NOOP("Ladder", "register end out of range (0 to 20000)");
    }
    return {};
}

std::string conditionProblem(const Node& node, engine::InstructionSet set) {
    if (node.kind == NodeKind::Contact) {
        return rangeProblem(node, set);
    }
    if (node.kind == NodeKind::Output) {
        return QT_TRANSLATE_NOOP("Ladder", "a contact after an output on the same branch");
    }
    for (const Node& part : node.parts) {
        if (std::string problem = conditionProblem(part, set); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

// Why a box has the wrong number of inputs.
std::string inputsProblem(OpCode op) {
    switch (op) {
    case OpCode::Cnt:
        return QT_TRANSLATE_NOOP("Ladder", "a counter needs two inputs: count, reset");
    case OpCode::Sft:
        return QT_TRANSLATE_NOOP("Ladder",
                                 "a shift register needs three inputs: data, clock, reset");
    case OpCode::Keep:
        return QT_TRANSLATE_NOOP("Ladder", "a KEEP box needs two inputs: set, reset");
    case OpCode::Cntr:
        return QT_TRANSLATE_NOOP(
            "Ladder", "a reversible counter needs three inputs: increment, decrement, reset");
    default:
        return QT_TRANSLATE_NOOP("Ladder", "a coil has one input");
    }
}

std::string outputProblem(const Node& node, bool boxAllowed, engine::InstructionSet set) {
    // A box takes its upper inputs from the block stack: as many as the scan pops for it.
    const auto inputs = static_cast<std::size_t>(engine::opInfo(node.op).pops);
    if (standsAlone(node.op)) {
        return std::string(node.op == OpCode::End   ? "END"
                           : node.op == OpCode::Ilc ? "ILC"
                                                    : "JME") +
               " stands in a rung of its own";
    }
    if (inputs > 0 && !boxAllowed) {
        return QT_TRANSLATE_NOOP(
            "Ladder",
            "a counter or shift register must be the first output after its rung's condition");
    }
    if (node.parts.size() != inputs) {
        return inputsProblem(node.op);
    }
    for (const Node& input : node.parts) {
        if (std::string problem = conditionProblem(input, set); !problem.empty()) {
            return problem;
        }
    }
    return rangeProblem(node, set);
}

std::string goingOnProblem(const Node& series, bool boxAllowed, engine::InstructionSet set);

// What stands at a point where a condition ends: an output, or outputs in parallel of which only
// the last may go on through contacts (the value at the point is lost once a contact follows it).
std::string fanProblem(const Node& fan, bool boxAllowed, engine::InstructionSet set) {
    if (fan.kind == NodeKind::Output) {
        return outputProblem(fan, boxAllowed, set);
    }
    if (fan.kind != NodeKind::Parallel) {
        return goingOnProblem(fan, false, set);
    }
    for (std::size_t i = 0; i < fan.parts.size(); ++i) {
        const Node& part = fan.parts[i];
        std::string problem;
        if (!part.carriesOutput()) {
            problem = QT_TRANSLATE_NOOP(
                "Ladder", "a branch that feeds no output (a bridge between branches)");
        } else if (part.kind == NodeKind::Output) {
            problem = outputProblem(part, boxAllowed && i == 0, set);
        } else if (i + 1 != fan.parts.size()) {
            problem = QT_TRANSLATE_NOOP(
                "Ladder", "only the last branch after the outputs may go on through contacts");
        } else {
            problem = goingOnProblem(part, false, set);
        }
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

// A Series whose last part carries the outputs and whose other parts are conditions.
std::string goingOnProblem(const Node& series, bool boxAllowed, engine::InstructionSet set) {
    if (series.kind != NodeKind::Series || !series.carriesOutput()) {
        const bool fed = std::any_of(series.parts.begin(), series.parts.end(),
                                     [](const Node& part) { return part.carriesOutput(); });
        return fed ? QT_TRANSLATE_NOOP("Ladder", "a contact after an output on the same branch")
                   : QT_TRANSLATE_NOOP("Ladder", "a rung without an output");
    }
    if (series.parts.size() < 2) {
        return QT_TRANSLATE_NOOP("Ladder", "a rung needs a contact before its outputs");
    }
    for (std::size_t i = 0; i + 1 < series.parts.size(); ++i) {
        if (std::string problem = conditionProblem(series.parts[i], set); !problem.empty()) {
            return problem;
        }
    }
    return fanProblem(series.parts.back(), boxAllowed, set);
}

} // namespace

std::string rungProblem(const Node& root) {
    if (root.kind == NodeKind::Series && root.parts.size() == 1 &&
        root.parts[0].kind == NodeKind::Output && standsAlone(root.parts[0].op)) {
        return root.parts[0].op == OpCode::End ? std::string()
                                               : rangeProblem(root.parts[0], root.set);
    }
    return goingOnProblem(root, true, root.set);
}

// --- Walks -----------------------------------------------------------------------------------

namespace {

bool findFocus(const Node& node, Path& path) {
    if (node.focus) {
        return true;
    }
    for (std::size_t i = 0; i < node.parts.size(); ++i) {
        path.push_back(static_cast<int>(i));
        if (findFocus(node.parts[i], path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

void clearFocus(Node& node) {
    node.focus = false;
    for (Node& part : node.parts) {
        clearFocus(part);
    }
}

// The first contact or output of `node` as drawn.
Node& firstElement(Node& node) {
    if (node.isGroup() && !node.parts.empty()) {
        return firstElement(node.parts.front());
    }
    if (node.kind == NodeKind::Output && !node.parts.empty()) {
        return firstElement(node.parts.front());
    }
    return node;
}

Node& lastElement(Node& node) {
    return node.isGroup() && !node.parts.empty() ? lastElement(node.parts.back()) : node;
}

// Makes `edit` on a copy of `root`; keeps the copy when it is a valid rung.
EditResult attempt(Node& root, const Path& at, const std::function<std::string(Node&)>& edit) {
    if (at.empty() || nodeAt(root, at) == nullptr) {
        return {QT_TRANSLATE_NOOP("Ladder", "nothing selected"), {}};
    }
    Node copy = root;
    clearFocus(copy);
    if (std::string refusal = edit(copy); !refusal.empty()) {
        return {std::move(refusal), at};
    }
    normalize(copy);
    if (std::string problem = rungProblem(copy); !problem.empty()) {
        return {std::move(problem), at};
    }
    Path selection;
    if (!findFocus(copy, selection)) {
        selection.clear();
    }
    clearFocus(copy);
    root = std::move(copy);
    return {{}, std::move(selection)};
}

bool isElement(const Node* node) {
    return node != nullptr && (node->kind == NodeKind::Contact || node->kind == NodeKind::Output);
}

Path parentOf(const Path& path) {
    return Path(path.begin(), path.end() - 1);
}

std::size_t indexIn(const Path& path) {
    return static_cast<std::size_t>(path.back());
}

} // namespace

// --- Edits -----------------------------------------------------------------------------------

EditResult insertSeries(Node& root, const Path& at, Node contact, bool after) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        if (!isElement(nodeAt(rung, at))) {
            return QT_TRANSLATE_NOOP("Ladder", "select a contact or an output");
        }
        Node& parent = *nodeAt(rung, parentOf(at));
        const std::size_t index = indexIn(at);
        contact.focus = true;
        if (parent.kind == NodeKind::Series) {
            parent.parts.insert(parent.parts.begin() + static_cast<std::ptrdiff_t>(index) +
                                    (after ? 1 : 0),
                                std::move(contact));
            return {};
        }
        Node& target = parent.parts[index];
        const bool outputInFan =
            parent.kind == NodeKind::Parallel && target.kind == NodeKind::Output && !after;
        std::vector<Node> run;
        run.push_back(after ? std::move(target) : std::move(contact));
        run.push_back(after ? std::move(contact) : std::move(target));
        target = Node::group(NodeKind::Series, std::move(run));
        if (outputInFan && index + 1 < parent.parts.size()) {
            // A coil given a contact of its own goes on past the point, which only the last
            // branch there can: it moves below the other outputs when none goes on yet.
            Node moved = std::move(target);
            parent.parts.erase(parent.parts.begin() + static_cast<std::ptrdiff_t>(index));
            parent.parts.push_back(std::move(moved));
        }
        return {};
    });
}

EditResult insertParallel(Node& root, const Path& at, int last, Node branch) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        if (!isElement(nodeAt(rung, at))) {
            return QT_TRANSLATE_NOOP("Ladder", "select a contact");
        }
        if (branch.carriesOutput()) {
            return QT_TRANSLATE_NOOP("Ladder", "only contacts go in parallel");
        }
        Node& parent = *nodeAt(rung, parentOf(at));
        const auto first = static_cast<std::ptrdiff_t>(indexIn(at));
        const std::ptrdiff_t end = static_cast<std::ptrdiff_t>(last) + 1;
        if (end <= first || end > static_cast<std::ptrdiff_t>(parent.parts.size()) ||
            (end - first > 1 && parent.kind != NodeKind::Series)) {
            return QT_TRANSLATE_NOOP("Ladder", "select a run of elements in series");
        }
        const auto from = parent.parts.begin() + first;
        if (std::any_of(from, parent.parts.begin() + end,
                        [](const Node& part) { return part.carriesOutput(); })) {
            return QT_TRANSLATE_NOOP(
                "Ladder", "a bridge between branches: a contact in parallel with an output");
        }
        firstElement(branch).focus = true;
        if (parent.kind == NodeKind::Parallel) {
            parent.parts.insert(from + 1, std::move(branch));
            return {};
        }
        std::vector<Node> run(std::make_move_iterator(from),
                              std::make_move_iterator(parent.parts.begin() + end));
        parent.parts.erase(from + 1, parent.parts.begin() + end);
        std::vector<Node> both;
        both.push_back(Node::group(NodeKind::Series, std::move(run)));
        both.push_back(std::move(branch));
        parent.parts[static_cast<std::size_t>(first)] =
            Node::group(NodeKind::Parallel, std::move(both));
        return {};
    });
}

namespace {

// The path of the Series whose point the element at `at` stands before or at: the innermost
// Series carrying outputs on the way to it, not looking inside a box's inputs.
Path pointSeries(const Node& rung, const Path& at) {
    Path series;
    const Node* node = &rung;
    for (std::size_t k = 0; k <= at.size(); ++k) {
        if (node->kind == NodeKind::Series && node->carriesOutput()) {
            series.assign(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(k));
        }
        if (k == at.size() || node->kind == NodeKind::Output) {
            break;
        }
        node = &node->parts[static_cast<std::size_t>(at[k])];
    }
    return series;
}

} // namespace

EditResult addOutput(Node& root, const Path& at, Node output) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        if (output.kind != NodeKind::Output || output.op == OpCode::End) {
            return QT_TRANSLATE_NOOP("Ladder", "not an output");
        }
        const Path seriesPath = pointSeries(rung, at);
        Node& series = *nodeAt(rung, seriesPath);
        Node& fan = series.parts.back();
        firstElement(output).focus = true;
        if (fan.kind != NodeKind::Parallel) {
            std::vector<Node> parts;
            parts.push_back(std::move(fan));
            fan = Node::group(NodeKind::Parallel, std::move(parts));
        }
        // After the selected output of this fan, else after the fan's last output.
        std::size_t index = 0;
        while (index < fan.parts.size() && fan.parts[index].kind == NodeKind::Output) {
            ++index;
        }
        Path fanPath = seriesPath;
        fanPath.push_back(static_cast<int>(series.parts.size()) - 1);
        if (at.size() == fanPath.size() + 1 &&
            std::equal(fanPath.begin(), fanPath.end(), at.begin())) {
            index = std::min(index, indexIn(at) + 1);
        } else if (at == fanPath) {
            index = 1;
        }
        fan.parts.insert(fan.parts.begin() + static_cast<std::ptrdiff_t>(index), std::move(output));
        return {};
    });
}

EditResult setAddress(Node& root, const Path& at, Operand operand, int number, engine::Area area) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        Node& node = *nodeAt(rung, at);
        if (!isElement(&node) || (node.kind == NodeKind::Output && node.op == OpCode::End)) {
            return QT_TRANSLATE_NOOP("Ladder", "END has no address");
        }
        if (node.kind == NodeKind::Output && isWordInstruction(node.op)) {
            return std::string(kWordOperandsInGrid);
        }
        if (node.kind == NodeKind::Contact) {
            if (operand == Operand::None) {
                return QT_TRANSLATE_NOOP("Ladder", "a contact reads a relay, a timer or a counter");
            }
            node.operand = operand;
        } else if (operand != Operand::None && operand != Operand::Relay &&
                   node.op != OpCode::Tim && node.op != OpCode::Cnt) {
            return QT_TRANSLATE_NOOP("Ladder", "an output's address is a relay");
        }
        if (node.kind == NodeKind::Output && node.op == OpCode::Sft && node.area != area) {
            // The register's last bit moves into the first bit's new area.
            node.setValue = number;
        }
        node.area =
            operand == Operand::Relay || node.kind == NodeKind::Output ? area : engine::Area::Relay;
        node.number = number;
        node.focus = true;
        return {};
    });
}

EditResult setSetValue(Node& root, const Path& at, int value) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        Node& node = *nodeAt(rung, at);
        if (node.kind != NodeKind::Output ||
            (node.op != OpCode::Tim && node.op != OpCode::Cnt && node.op != OpCode::Sft &&
             node.op != OpCode::Timh && node.op != OpCode::Cntr)) {
            return QT_TRANSLATE_NOOP("Ladder",
                                     "only a timer, a counter or a shift register has a set value");
        }
        node.setValue = value;
        node.words.clear(); // a set value typed as a number replaces a word holding it
        node.focus = true;
        return {};
    });
}

EditResult toggleNot(Node& root, const Path& at) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        Node& node = *nodeAt(rung, at);
        if (node.kind == NodeKind::Contact) {
            node.negated = !node.negated;
        } else if (node.kind == NodeKind::Output && node.op == OpCode::Out) {
            node.op = OpCode::OutNot;
        } else if (node.kind == NodeKind::Output && node.op == OpCode::OutNot) {
            node.op = OpCode::Out;
        } else {
            return QT_TRANSLATE_NOOP("Ladder", "only a contact or an OUT coil has a NOT form");
        }
        node.focus = true;
        return {};
    });
}

EditResult removeElement(Node& root, const Path& at) {
    return attempt(root, at, [&](Node& rung) -> std::string {
        const Node* node = nodeAt(rung, at);
        if (!isElement(node)) {
            return QT_TRANSLATE_NOOP("Ladder", "select a contact or an output");
        }
        if (node->kind == NodeKind::Output && node->op == OpCode::End) {
            return QT_TRANSLATE_NOOP("Ladder", "END stays: a program ends with it");
        }
        Node& parent = *nodeAt(rung, parentOf(at));
        const std::size_t index = indexIn(at);
        parent.parts.erase(parent.parts.begin() + static_cast<std::ptrdiff_t>(index));
        // The element that takes its place is selected, else the one before it.
        if (index < parent.parts.size()) {
            firstElement(parent.parts[index]).focus = true;
        } else if (!parent.parts.empty()) {
            lastElement(parent.parts.back()).focus = true;
        }
        return {};
    });
}

Node simpleRung(int number, int coil) {
    return Node::group(NodeKind::Series, {Node::contact(Operand::Relay, false, number),
                                          Node::output(OpCode::Out, coil)});
}

Node boxRung(OpCode op, int number, int setValue) {
    Node box = Node::output(op, number, setValue);
    const int inputs = engine::opInfo(op).pops + 1;
    for (int i = 0; i + 1 < inputs; ++i) {
        box.parts.push_back(Node::contact(Operand::Relay, false, i));
    }
    return Node::group(NodeKind::Series,
                       {Node::contact(Operand::Relay, false, inputs - 1), std::move(box)});
}

Node closingRung(OpCode op, int number) {
    return Node::group(NodeKind::Series, {Node::output(op, number)});
}

} // namespace rungbox::ladder

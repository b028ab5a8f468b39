// SPDX-License-Identifier: GPL-3.0-or-later
// Building a Layout, first pass: the code lines replayed on a symbolic block stack into rung
// plans, trees of branches feeding outputs.

#include "LayoutBuilder.h"
#include "RungTree.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "engine/ExtendedLine.h"
#include "engine/LineSyntax.h"
#include "engine/Program.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <string_view>
#include <utility>

namespace rungbox::ladder {

namespace {

bool isBlank(std::string_view cell) {
    return cell.find_first_not_of(" \t\n\r") == std::string_view::npos;
}

std::string trimmed(std::string_view code) {
    const std::size_t first = code.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = code.find_last_not_of(' ');
    return std::string(code.substr(first, last - first + 1));
}

// The element drawn for an instruction.
ElementKind kindOf(OpCode op) {
    switch (op) {
    case OpCode::AndBlk:
    case OpCode::OrBlk:
        return ElementKind::Join;
    case OpCode::Out:
    case OpCode::OutNot:
    case OpCode::Difu:
    case OpCode::Difd:
    case OpCode::Set:
    case OpCode::Rset:
        return ElementKind::Coil;
    case OpCode::Tim:
    case OpCode::Timh:
        return ElementKind::Timer;
    case OpCode::Cnt:
    case OpCode::Cntr:
        return ElementKind::Counter;
    case OpCode::Sft:
        return ElementKind::Shift;
    case OpCode::Keep:
        return ElementKind::Keep;
    case OpCode::Il:
    case OpCode::Ilc:
    case OpCode::Jmp:
    case OpCode::Jme:
        return ElementKind::Control;
    case OpCode::End:
        return ElementKind::End;
    default:
        return isWordInstruction(op) ? ElementKind::Word : ElementKind::Contact;
    }
}

// The roles of a word instruction's operands, as the manuals name them.
constexpr std::string_view kNoRoles[] = {"", "", ""};
constexpr std::string_view kMoveRoles[] = {"S", "D", ""};
constexpr std::string_view kCompareRoles[] = {"C1", "C2", ""};
constexpr std::string_view kWordRoles[] = {"Wd", "", ""};
constexpr std::string_view kAddRoles[] = {"Au", "Ad", "R"};
constexpr std::string_view kSubtractRoles[] = {"Mi", "Su", "R"};
constexpr std::string_view kConvertRoles[] = {"S", "R", ""};

std::span<const std::string_view, 3> wordRoles(OpCode op) {
    switch (op) {
    case OpCode::Mov:
    case OpCode::Mvn:
        return kMoveRoles;
    case OpCode::Cmp:
        return kCompareRoles;
    case OpCode::Inc:
    case OpCode::Dec:
        return kWordRoles;
    case OpCode::Add:
        return kAddRoles;
    case OpCode::Sub:
        return kSubtractRoles;
    case OpCode::Bin:
    case OpCode::Bcd:
        return kConvertRoles;
    default:
        return kNoRoles;
    }
}

// Why a word box's operands cannot be run, first operand first (as the preparation objects).
Problem wordProblem(const Element& element) {
    const engine::WordOperandRule rule = engine::wordOperandRule(element.form.op);
    for (int i = 0; i < element.wordCount; ++i) {
        const WordCell& cell = element.words[i];
        if (i == 2 && element.operandLine == 0) {
            return Problem::OperandLine;
        }
        if (!cell.operand) {
            return Problem::WordOperand;
        }
        if (i == rule.destination && (cell.operand->constant || cell.operand->address.readOnly())) {
            return Problem::WordWrite;
        }
    }
    return Problem::None;
}

// Why an extended line's operands cannot be read (its decoding gave `fault`).
Problem extendedProblem(engine::Form form, engine::Fault fault, const LineText& text) {
    if (fault == engine::Fault::Jump) {
        return Problem::JumpRegion;
    }
    if (fault == engine::Fault::SetValue) {
        return Problem::SetValueRange;
    }
    if (isBlank(text.location)) {
        return Problem::MissingOperand;
    }
    if (form.operand != Operand::Relay) {
        return Problem::OperandRange; // a timer, counter or jump number
    }
    const auto address = engine::parseBitAddress(text.location);
    if (!address) {
        return Problem::BadAddress;
    }
    const bool readOnly = address->area == engine::Area::Timer ||
                          address->area == engine::Area::Counter || address->special();
    return readOnly && engine::writesOperand(form.op) ? Problem::ReadOnly : Problem::ShiftRange;
}

} // namespace

// --- Replaying the lines ---------------------------------------------------------------------

void LayoutBuilder::run(std::span<const LineText> lines) {
    m_lines = lines;
    m_layout.m_lineElement.assign(engine::kLastCodeLine + 1, -1);
    const std::size_t count =
        std::min(lines.size(), static_cast<std::size_t>(engine::kLastCodeLine));
    for (std::size_t i = 0; i < count && !m_layout.m_ended; ++i) {
        addLine(static_cast<int>(i) + 1, lines[i]);
    }
    finish();
    arrange();
}

int LayoutBuilder::addElement(ElementKind kind, int line, const LineText& text, engine::Form form) {
    Element element;
    element.kind = kind;
    element.line = line;
    element.form = form;
    element.code = trimmed(text.code);
    if (m_layout.extended()) {
        readExtendedOperands(element, text);
    } else {
        element.number = engine::readNumber(text.location);
        element.setValue = engine::readNumber(text.setValue);
    }
    m_layout.m_elements.push_back(std::move(element));
    const int index = static_cast<int>(m_layout.m_elements.size()) - 1;
    if (line > 0) {
        m_layout.m_lineElement[static_cast<std::size_t>(line)] = index;
    }
    return index;
}

// The operands of a line of an extended program as the extended set reads them: the address
// and its text, the timer, counter or jump number, the set value. An operand that cannot be read
// keeps the text typed.
void LayoutBuilder::readExtendedOperands(Element& element, const LineText& text) const {
    element.extended = true;
    const engine::Form form = element.form;
    element.operand = trimmed(text.location);
    element.setValue = engine::readSetValue(text.setValue).value_or(0);
    switch (form.operand) {
    case Operand::Relay:
        element.address = engine::parseBitAddress(text.location);
        if (form.op == OpCode::Sft) {
            element.lastAddress = engine::parseBitAddress(text.setValue);
            element.setValue = element.lastAddress ? element.lastAddress->number : 0;
        }
        break;
    case Operand::Timer:
    case Operand::Counter:
        if (const auto n = engine::readTimerNumber(text.location, form.operand)) {
            const engine::BitAddress unit{
                form.operand == Operand::Timer ? engine::Area::Timer : engine::Area::Counter, *n};
            element.number = *n;
            element.operand = engine::bitAddressText(unit);
            if (form.op == OpCode::Ld || form.op == OpCode::And || form.op == OpCode::Or) {
                element.address = unit; // a contact reads the done flag
            }
        }
        break;
    case Operand::Jump:
        if (const auto n = engine::readJumpNumber(text.location)) {
            element.number = *n;
            element.operand = std::to_string(*n);
        }
        break;
    case Operand::Word:
        readWordOperands(element, text);
        break;
    case Operand::None:
        break;
    }
    if (form.op == OpCode::Tim || form.op == OpCode::Timh || form.op == OpCode::Cnt ||
        form.op == OpCode::Cntr) {
        readWordSetValue(element, text);
    }
    if (element.address) {
        element.number = element.address->number;
        element.operand = engine::bitAddressText(*element.address);
    }
}

// A timer's or counter's set value held in a word ("DM0010"), as the engine's decoder reads it:
// shown as the word, read when the step runs.
void LayoutBuilder::readWordSetValue(Element& element, const LineText& text) const {
    engine::LadderLine typed{std::string(text.code), 0, 0};
    typed.locationText = text.location;
    typed.setValueText = text.setValue;
    int depth = engine::kBlockStackSize / 2; // any depth the stack can pop from and push to
    engine::OpenRegions regions = m_regions;
    engine::WordOperands words;
    const engine::Step step =
        engine::decodeExtendedLine(typed, nullptr, element.line, depth, regions, words);
    if (step.setValue == engine::kWordSetValue && words.count == 1) {
        element.wordCount = 1;
        element.words[0] = {"SV", engine::wordOperandText(words.operand[0]), words.operand[0]};
    }
}

// A word instruction's operands: LOCATION, "###", and an ADD's or SUB's third from the LOCATION
// of its operand line (the line below, when its code cell is empty).
void LayoutBuilder::readWordOperands(Element& element, const LineText& text) const {
    const OpCode op = element.form.op;
    const auto below = static_cast<std::size_t>(element.line);
    const LineText* operandLine = nullptr;
    if (engine::takesOperandLine(op) && below < m_lines.size() &&
        below < static_cast<std::size_t>(engine::kLastCodeLine) &&
        engine::emptyCode(m_lines[below].code)) {
        operandLine = &m_lines[below];
        element.operandLine = element.line + 1;
    }
    const std::string_view cells[3] = {text.location, text.setValue,
                                       operandLine != nullptr ? operandLine->location : ""};
    const std::span<const std::string_view, 3> roles = wordRoles(op);
    element.wordCount = engine::wordOperandRule(op).count;
    for (int i = 0; i < element.wordCount; ++i) {
        WordCell& cell = element.words[i];
        cell.role = roles[static_cast<std::size_t>(i)];
        cell.operand = engine::parseWordOperand(cells[i]);
        cell.text = cell.operand ? engine::wordOperandText(*cell.operand) : trimmed(cells[i]);
    }
}

void LayoutBuilder::addLine(int line, const LineText& text) {
    const engine::Words words = engine::splitWords(text.code);
    if (words.count == 0) {
        return; // skipped, as the preparation walk passes over lines without words
    }
    const engine::Form form = engine::decodeForm(words, m_layout.instructionSet());
    const OpCode op = form.op;
    auto mark = [&](Problem problem) {
        const int e = addElement(ElementKind::Mark, line, text, form);
        m_layout.m_elements[static_cast<std::size_t>(e)].problem = problem;
    };
    if (op == OpCode::Invalid) {
        mark(Problem::UnknownInstruction);
        return;
    }

    int depth = static_cast<int>(m_stack.size());
    const Decoded decoded = m_layout.extended() ? decodeExtended(text, line, form, depth)
                                                : decodeClassic(text, line, depth);
    const engine::Step& step = decoded.step;
    if (step.fault == engine::Fault::StackUnderflow) {
        const int inputs = engine::opInfo(op).pops;
        mark(inputs > 1 || op == OpCode::Cnt || op == OpCode::Keep ? Problem::MissingBranches
                                                                   : Problem::NothingToJoin);
        return;
    }
    if (step.fault == engine::Fault::StackOverflow) {
        mark(Problem::TooManyBranches);
        return;
    }
    assert(step.fault == engine::Fault::None);

    const int e = addElement(kindOf(op), line, text, form);
    Element& element = m_layout.m_elements[static_cast<std::size_t>(e)];
    element.problem = element.kind == ElementKind::Word ? wordProblem(element) : decoded.problem;
    if (element.operandLine > 0) {
        m_layout.m_lineElement[static_cast<std::size_t>(element.operandLine)] = e;
    }
    assert(static_cast<int>(m_stack.size()) - engine::opInfo(op).pops + engine::opInfo(op).pushes ==
           depth);
    place(e, op);
}

// The engine's decoder decides what the line does to the block stack. A line whose operand is
// out of range is decoded once more with in-range numbers: its shape is still known, so it is
// drawn in place and flagged rather than dropped.
LayoutBuilder::Decoded LayoutBuilder::decodeClassic(const LineText& text, int line,
                                                    int& depth) const {
    const engine::Form form = engine::decodeForm(text.code);
    const OpCode op = form.op;
    const engine::LadderLine typed{std::string(text.code), engine::readNumber(text.location),
                                   engine::readNumber(text.setValue)};
    const int before = depth;
    Decoded decoded{engine::decodeLine(typed, line, depth), Problem::None};
    engine::Step& step = decoded.step;
    Problem& problem = decoded.problem;
    if (step.fault == engine::Fault::OperandRange || step.fault == engine::Fault::ShiftRange) {
        problem =
            step.fault == engine::Fault::OperandRange ? Problem::OperandRange : Problem::ShiftRange;
        depth = before;
        step = engine::decodeLine({typed.code, 0, 0}, line, depth);
    }
    if (step.fault != engine::Fault::None) {
        return decoded;
    }

    // What the preparation walk or a careful reader would object to, first objection first.
    const bool usesSetValue = op == OpCode::Tim || op == OpCode::Cnt || op == OpCode::Sft;
    if (problem == Problem::None) {
        const int location = engine::readNumber(text.location);
        if (form.operand != Operand::None && isBlank(text.location)) {
            problem = Problem::MissingOperand;
        } else if (form.operand == Operand::None &&
                   (location < 0 || location > engine::kLastRelay)) {
            problem = Problem::OperandRange;
        } else if (usesSetValue && isBlank(text.setValue)) {
            problem = Problem::MissingSetValue;
        } else if ((op == OpCode::Tim && step.setValue > engine::kMaxTimerSetValue) ||
                   (op == OpCode::Cnt && step.setValue > engine::kMaxCounterSetValue)) {
            problem = Problem::SetValueRange;
        }
    }
    return decoded;
}

// As decodeClassic, in the extended set: the regions open before the line are kept, and a line
// whose operand cannot be read is decoded once more with placeholder operands. A JMP or JME
// that cannot open or close its region is drawn and flagged, and changes no region.
LayoutBuilder::Decoded LayoutBuilder::decodeExtended(const LineText& text, int line,
                                                     engine::Form form, int& depth) {
    const OpCode op = form.op;
    engine::LadderLine typed{std::string(text.code), 0, 0};
    typed.locationText = text.location;
    typed.setValueText = text.setValue;
    const int before = depth;
    const engine::OpenRegions open = m_regions;
    Decoded decoded{engine::decodeExtendedLine(typed, line, depth, m_regions), Problem::None};
    engine::Step& step = decoded.step;
    const engine::Fault fault = step.fault;
    if (fault == engine::Fault::Operand) {
        // A word instruction with operands the run refuses: drawn and flagged (its problem is
        // read from its cells); it changes neither the stack nor a region.
        step = engine::Step{};
        step.op = op;
        return decoded;
    }
    if (fault != engine::Fault::Address && fault != engine::Fault::SetValue &&
        fault != engine::Fault::Jump) {
        const bool timed =
            op == OpCode::Tim || op == OpCode::Timh || op == OpCode::Cnt || op == OpCode::Cntr;
        if (fault == engine::Fault::None && timed && isBlank(text.setValue)) {
            decoded.problem = Problem::MissingSetValue;
        }
        return decoded;
    }
    decoded.problem = extendedProblem(form, fault, text);
    depth = before;
    m_regions = open;
    if (op == OpCode::Jmp || op == OpCode::Jme) {
        step = engine::Step{};
        step.op = op;
        return decoded; // no stack effect, no region opened or closed
    }
    typed.locationText = "0";
    typed.setValueText = "0";
    step = engine::decodeExtendedLine(typed, line, depth, m_regions);
    return decoded;
}

void LayoutBuilder::place(int element, OpCode op) {
    const int line = m_layout.m_elements[static_cast<std::size_t>(element)].line;
    auto flag = [&](Problem problem) {
        Element& target = m_layout.m_elements[static_cast<std::size_t>(element)];
        if (target.problem == Problem::None) {
            target.problem = problem;
        }
    };
    switch (op) {
    case OpCode::Ld:
        m_stack.push_back(m_result);
        m_result = Value{leaf(element), -1, -1, line};
        break;
    case OpCode::And:
    case OpCode::Or:
        if (m_result.node < 0) {
            flag(Problem::NoCondition);
        }
        m_result = combine(op == OpCode::And ? NodeKind::Series : NodeKind::Parallel, m_result,
                           Value{leaf(element), -1, -1, line}, -1, line);
        break;
    case OpCode::AndBlk:
    case OpCode::OrBlk: {
        const Value popped = m_stack.back();
        m_stack.pop_back();
        if (popped.node < 0) {
            flag(Problem::NothingToJoin);
        }
        m_result = combine(op == OpCode::AndBlk ? NodeKind::Series : NodeKind::Parallel, popped,
                           m_result, element, line);
        break;
    }
    case OpCode::Out:
    case OpCode::OutNot:
    case OpCode::Difu:
    case OpCode::Tim:
    case OpCode::Difd:
    case OpCode::Set:
    case OpCode::Rset:
    case OpCode::Timh:
    case OpCode::Il:
    case OpCode::Jmp:
    case OpCode::Mov:
    case OpCode::Mvn:
    case OpCode::Cmp:
    case OpCode::Inc:
    case OpCode::Dec:
    case OpCode::Add:
    case OpCode::Sub:
    case OpCode::Clc:
    case OpCode::Stc:
    case OpCode::Bin:
    case OpCode::Bcd:
        if (m_result.node < 0) {
            flag(Problem::NoCondition);
        }
        attach(m_result, element);
        break;
    case OpCode::Cnt:
    case OpCode::Sft:
    case OpCode::Keep:
    case OpCode::Cntr:
        placeBox(element, op);
        break;
    case OpCode::End:
        m_layout.m_ended = true;
        finish();
        m_plans[static_cast<std::size_t>(newRung({}))].items.push_back(element);
        break;
    case OpCode::Ilc:
    case OpCode::Jme:
        // No condition: a rung of its own, fed from the rail, as END's.
        finish();
        m_plans[static_cast<std::size_t>(newRung({}))].items.push_back(element);
        break;
    default: // Invalid and Guarded are no instruction's form
        assert(false);
        break;
    }
}

// A box with several inputs: the entries it pops, top one last, then the result.
void LayoutBuilder::placeBox(int element, OpCode op) {
    const auto pops = static_cast<std::size_t>(engine::opInfo(op).pops);
    std::vector<Value> inputs(m_stack.end() - static_cast<std::ptrdiff_t>(pops), m_stack.end());
    m_stack.resize(m_stack.size() - pops);
    inputs.push_back(m_result);
    std::vector<int> bands;
    for (const Value& value : inputs) {
        if (value.node < 0) {
            Element& target = m_layout.m_elements[static_cast<std::size_t>(element)];
            if (target.problem == Problem::None) {
                target.problem = Problem::MissingBranches;
            }
        }
        bands.push_back(input(value));
    }
    const int rung = newRung(std::move(bands));
    m_plans[static_cast<std::size_t>(rung)].items.push_back(element);
    if (m_result.rung < 0) {
        m_result.rung = rung;
        m_result.band = static_cast<int>(pops);
    }
}

int LayoutBuilder::leaf(int element) {
    Node node;
    node.element = element;
    m_nodes.push_back(std::move(node));
    return static_cast<int>(m_nodes.size()) - 1;
}

int LayoutBuilder::openLink() {
    return leaf(addElement(ElementKind::Link, 0, {}, {}));
}

// The node standing for `value` inside a new branch: the value's own tree while no output uses
// it, else a link to where it is drawn.
int LayoutBuilder::input(const Value& value) {
    if (value.node < 0) {
        return openLink();
    }
    if (value.rung < 0) {
        return value.node;
    }
    const int link = openLink();
    Element& el =
        m_layout
            .m_elements[static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(link)].element)];
    el.targetLine = value.line;
    // Resolved to the band's net when the link's rung is placed.
    m_linkBand.resize(m_layout.m_elements.size(), {-1, -1});
    m_linkBand.back() = {value.rung, value.band};
    return link;
}

LayoutBuilder::Value LayoutBuilder::combine(NodeKind kind, const Value& left, const Value& right,
                                            int join, int line) {
    // AND and OR extend a run of their own kind; a BLK always makes a block of its own, so that
    // the block it joins can be shown.
    if (join < 0 && left.node >= 0 && left.rung < 0) {
        const Node& run = m_nodes[static_cast<std::size_t>(left.node)];
        if (run.kind == kind && run.element < 0) {
            // input() may add a node, which can move the nodes: the run is found again after.
            const int child = input(right);
            m_nodes[static_cast<std::size_t>(left.node)].children.push_back(child);
            return Value{left.node, -1, -1, line};
        }
    }
    Node node;
    node.kind = kind;
    node.element = join;
    const int a = input(left);
    const int b = input(right);
    node.children = {a, b};
    m_nodes.push_back(std::move(node));
    return Value{static_cast<int>(m_nodes.size()) - 1, -1, -1, line};
}

void LayoutBuilder::attach(Value& value, int element) {
    if (value.rung < 0) {
        value.rung = newRung({value.node < 0 ? openLink() : value.node});
        value.band = 0;
    }
    RungPlan& plan = m_plans[static_cast<std::size_t>(value.rung)];
    assert(value.band == static_cast<int>(plan.bands.size()) - 1);
    plan.items.push_back(element);
}

int LayoutBuilder::newRung(std::vector<int> bands) {
    m_plans.push_back({std::move(bands), {}});
    return static_cast<int>(m_plans.size()) - 1;
}

// Branches that feed no output still show: each gets a rung of its own without outputs.
void LayoutBuilder::finish() {
    auto dangling = [&](Value& value) {
        if (value.node >= 0 && value.rung < 0) {
            value.rung = newRung({value.node});
            value.band = 0;
        }
    };
    for (Value& value : m_stack) {
        dangling(value);
    }
    dangling(m_result);
}

} // namespace rungbox::ladder

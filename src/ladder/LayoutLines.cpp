// SPDX-License-Identifier: GPL-3.0-or-later
// Building a Layout, first pass: the code lines replayed on a symbolic block stack into rung
// plans, trees of branches feeding outputs.

#include "LayoutBuilder.h"

#include "engine/AddressMap.h"
#include "engine/LineSyntax.h"
#include "engine/Program.h"

#include <algorithm>
#include <cassert>
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

} // namespace

// --- Replaying the lines ---------------------------------------------------------------------

void LayoutBuilder::run(std::span<const LineText> lines) {
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
    element.number = engine::readNumber(text.location);
    element.setValue = engine::readNumber(text.setValue);
    element.code = trimmed(text.code);
    m_layout.m_elements.push_back(std::move(element));
    const int index = static_cast<int>(m_layout.m_elements.size()) - 1;
    if (line > 0) {
        m_layout.m_lineElement[static_cast<std::size_t>(line)] = index;
    }
    return index;
}

void LayoutBuilder::addLine(int line, const LineText& text) {
    const engine::Words words = engine::splitWords(text.code);
    if (words.count == 0) {
        return; // skipped, as the preparation walk passes over lines without words
    }
    const engine::Form form = engine::decodeForm(words);
    const OpCode op = form.op;
    auto mark = [&](Problem problem) {
        const int e = addElement(ElementKind::Mark, line, text, form);
        m_layout.m_elements[static_cast<std::size_t>(e)].problem = problem;
    };
    if (op == OpCode::Invalid) {
        mark(Problem::UnknownInstruction);
        return;
    }

    // The engine's decoder decides what the line does to the block stack. A line whose operand
    // is out of range is decoded once more with in-range numbers: its shape is still known, so
    // it is drawn in place and flagged rather than dropped.
    const engine::LadderLine typed{std::string(text.code), engine::readNumber(text.location),
                                   engine::readNumber(text.setValue)};
    int depth = static_cast<int>(m_stack.size());
    engine::Step step = engine::decodeLine(typed, line, depth);
    Problem problem = Problem::None;
    if (step.fault == engine::Fault::OperandRange || step.fault == engine::Fault::ShiftRange) {
        problem =
            step.fault == engine::Fault::OperandRange ? Problem::OperandRange : Problem::ShiftRange;
        depth = static_cast<int>(m_stack.size());
        step = engine::decodeLine({typed.code, 0, 0}, line, depth);
    }
    if (step.fault == engine::Fault::StackUnderflow) {
        mark(op == OpCode::Cnt || op == OpCode::Sft ? Problem::MissingBranches
                                                    : Problem::NothingToJoin);
        return;
    }
    if (step.fault == engine::Fault::StackOverflow) {
        mark(Problem::TooManyBranches);
        return;
    }
    assert(step.fault == engine::Fault::None);

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

    ElementKind kind = ElementKind::Contact;
    switch (op) {
    case OpCode::AndBlk:
    case OpCode::OrBlk:
        kind = ElementKind::Join;
        break;
    case OpCode::Out:
    case OpCode::OutNot:
    case OpCode::Difu:
        kind = ElementKind::Coil;
        break;
    case OpCode::Tim:
        kind = ElementKind::Timer;
        break;
    case OpCode::Cnt:
        kind = ElementKind::Counter;
        break;
    case OpCode::Sft:
        kind = ElementKind::Shift;
        break;
    case OpCode::End:
        kind = ElementKind::End;
        break;
    default:
        break;
    }
    const int e = addElement(kind, line, text, form);
    m_layout.m_elements[static_cast<std::size_t>(e)].problem = problem;
    assert(static_cast<int>(m_stack.size()) + (op == OpCode::Ld ? 1 : 0) -
               (op == OpCode::AndBlk || op == OpCode::OrBlk || op == OpCode::Cnt ? 1 : 0) -
               (op == OpCode::Sft ? 2 : 0) ==
           depth);
    place(e, op);
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
        if (m_result.node < 0) {
            flag(Problem::NoCondition);
        }
        attach(m_result, element);
        break;
    case OpCode::Cnt:
    case OpCode::Sft: {
        const std::size_t pops = op == OpCode::Cnt ? 1 : 2;
        std::vector<Value> inputs(m_stack.end() - static_cast<std::ptrdiff_t>(pops), m_stack.end());
        m_stack.resize(m_stack.size() - pops);
        inputs.push_back(m_result);
        std::vector<int> bands;
        for (const Value& value : inputs) {
            if (value.node < 0) {
                flag(Problem::MissingBranches);
            }
            bands.push_back(input(value));
        }
        const int rung = newRung(std::move(bands));
        m_plans[static_cast<std::size_t>(rung)].items.push_back(element);
        if (m_result.rung < 0) {
            m_result.rung = rung;
            m_result.band = static_cast<int>(pops);
        }
        break;
    }
    case OpCode::End:
        m_layout.m_ended = true;
        finish();
        m_plans[static_cast<std::size_t>(newRung({}))].items.push_back(element);
        break;
    case OpCode::Invalid:
    default: // the layout reads lines in the classic set
        assert(false);
        break;
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

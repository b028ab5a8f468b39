// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

#include "engine/AddressMap.h"
#include "engine/LineSyntax.h"
#include "engine/Program.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace rungbox::ladder {

using engine::OpCode;
using engine::Operand;

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

// Builds a Layout in three passes: the lines are replayed on a symbolic block stack into rung
// plans (trees of branches feeding outputs), the plans are placed on the grid, and the rungs are
// put in line order with their marks.
class LayoutBuilder {
public:
    explicit LayoutBuilder(Layout& layout) : m_layout(layout) {}

    void run(std::span<const LineText> lines);

private:
    using NodeKind = BranchKind;
    using Node = Branch;

    // What the scan's result register or a block-stack entry holds: the branch computing it.
    struct Value {
        int node = -1; // -1: nothing (the result before the first LD, which is off)
        int rung = -1; // the rung it already feeds, -1 while it feeds no output
        int band = -1; // its band in that rung
        int line = 0;  // the line that last changed it
    };

    struct RungPlan {
        std::vector<int> bands; // root node of each band, top to bottom
        std::vector<int> items; // output elements; only the first may have several inputs
    };

    void addLine(int line, const LineText& text);
    int addElement(ElementKind kind, int line, const LineText& text, engine::Form form);
    void place(int element, OpCode op);
    int leaf(int element);
    int input(const Value& value);
    int openLink();
    Value combine(NodeKind kind, const Value& left, const Value& right, int join, int line);
    void attach(Value& value, int element);
    int newRung(std::vector<int> bands);
    void finish();

    void measure(int node);
    int placeNode(int node, int rung, int col, int row, int inNet);
    void placeRung(int plan);
    void arrange();
    int newNet() { return m_layout.m_netCount++; }
    void addRule(int net, int element, int source) {
        m_layout.m_rules.push_back({net, element, source});
    }

    Layout& m_layout;
    std::vector<Node> m_nodes;
    std::vector<RungPlan> m_plans;
    std::vector<std::vector<int>> m_bandNet; // per plan: the net at the end of each band
    std::vector<Value> m_stack;
    Value m_result;
    std::vector<Rung> m_placed;                  // in plan order
    std::vector<std::pair<int, int>> m_linkBand; // per element: a Link's plan and band
};

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

// --- Placing the rungs -----------------------------------------------------------------------

void LayoutBuilder::measure(int index) {
    Node& node = m_nodes[static_cast<std::size_t>(index)];
    if (node.kind == NodeKind::Leaf) {
        return;
    }
    int width = 0;
    int height = 0;
    for (const int child : node.children) {
        measure(child);
        const Node& c = m_nodes[static_cast<std::size_t>(child)];
        if (node.kind == NodeKind::Series) {
            width += c.width;
            height = std::max(height, c.height);
        } else {
            width = std::max(width, c.width);
            height += c.height;
        }
    }
    node.width = width;
    node.height = height;
}

int LayoutBuilder::placeNode(int index, int rung, int col, int row, int inNet) {
    const Node& node = m_nodes[static_cast<std::size_t>(index)];
    std::vector<Wire>& wires = m_placed[static_cast<std::size_t>(rung)].wires;
    int outNet = inNet;
    if (node.kind == NodeKind::Leaf) {
        Element& el = m_layout.m_elements[static_cast<std::size_t>(node.element)];
        el.cell = {col, row, 1, 1};
        el.inNet = inNet;
        if (el.kind == ElementKind::Link &&
            static_cast<std::size_t>(node.element) < m_linkBand.size() &&
            m_linkBand[static_cast<std::size_t>(node.element)].first >= 0) {
            // Plans are placed in the order they were made, so the target is placed already.
            const auto [plan, band] = m_linkBand[static_cast<std::size_t>(node.element)];
            el.target = m_bandNet[static_cast<std::size_t>(plan)][static_cast<std::size_t>(band)];
        }
        outNet = newNet();
        el.outNet = outNet;
        addRule(outNet, node.element, -1);
    } else if (node.kind == NodeKind::Series) {
        int c = col;
        for (const int child : node.children) {
            outNet = placeNode(child, rung, c, row, outNet);
            c += m_nodes[static_cast<std::size_t>(child)].width;
        }
    } else {
        outNet = newNet();
        const int right = col + node.width;
        int y = row;
        int lastRow = row;
        for (const int child : node.children) {
            const Node& c = m_nodes[static_cast<std::size_t>(child)];
            const int childNet = placeNode(child, rung, col, y, inNet);
            if (c.width < node.width) {
                wires.push_back({col + c.width, y, right, y, childNet});
            }
            addRule(outNet, -1, childNet);
            lastRow = y;
            y += c.height;
        }
        wires.push_back({col, row, col, lastRow, inNet});
        wires.push_back({right, row, right, lastRow, outNet});
    }
    if (node.kind != NodeKind::Leaf && node.element >= 0) {
        Element& join = m_layout.m_elements[static_cast<std::size_t>(node.element)];
        join.cell = {col, row, node.width, node.height};
        join.inNet = inNet;
        join.outNet = outNet;
    }
    return outNet;
}

void LayoutBuilder::placeRung(int index) {
    const RungPlan& plan = m_plans[static_cast<std::size_t>(index)];
    Rung& rung = m_placed[static_cast<std::size_t>(index)];
    const int outCol = m_layout.m_networkColumns;
    std::vector<int>& bandNet = m_bandNet[static_cast<std::size_t>(index)];
    std::vector<int> bandTop;
    int y = 0;
    for (const int band : plan.bands) {
        bandTop.push_back(y);
        bandNet.push_back(placeNode(band, index, 0, y, 0));
        y += m_nodes[static_cast<std::size_t>(band)].height;
    }
    rung.rows = y;
    if (plan.items.empty()) {
        return;
    }
    // A band without a node is END's: it starts at the rail.
    if (plan.bands.empty()) {
        bandTop.push_back(0);
        bandNet.push_back(0);
    }
    auto bandWidth = [&](std::size_t b) {
        return b < plan.bands.size() ? m_nodes[static_cast<std::size_t>(plan.bands[b])].width : 0;
    };
    auto toOutputs = [&](std::size_t b) {
        if (bandWidth(b) < outCol) {
            rung.wires.push_back({bandWidth(b), bandTop[b], outCol, bandTop[b], bandNet[b]});
        }
    };

    std::size_t next = 0;
    int itemRow = bandTop.back();
    Element& first = m_layout.m_elements[static_cast<std::size_t>(plan.items[0])];
    if (first.kind == ElementKind::Counter || first.kind == ElementKind::Shift) {
        const int minRows =
            first.kind == ElementKind::Counter ? Layout::kCounterRows : Layout::kShiftRows;
        static constexpr std::string_view kCounterPins[] = {"CP", "R"};
        static constexpr std::string_view kShiftPins[] = {"IN", "CP", "R"};
        first.pinCount = static_cast<int>(bandTop.size());
        for (std::size_t b = 0; b < bandTop.size(); ++b) {
            first.pins[b] = {first.kind == ElementKind::Counter ? kCounterPins[b] : kShiftPins[b],
                             bandTop[b], bandNet[b]};
            toOutputs(b);
        }
        const int height = std::max(minRows, bandTop.back() - bandTop.front() + 2);
        first.cell = {outCol, bandTop.front(), Layout::kOutputColumns, height};
        itemRow = bandTop.front() + height;
        next = 1;
    } else {
        toOutputs(bandTop.size() - 1);
    }
    const int net = bandNet.back();
    int lastPin = bandTop.back();
    for (; next < plan.items.size(); ++next) {
        Element& el = m_layout.m_elements[static_cast<std::size_t>(plan.items[next])];
        const int height = el.kind == ElementKind::Timer ? Layout::kTimerRows : 1;
        el.cell = {outCol, itemRow, Layout::kOutputColumns, height};
        el.inNet = net;
        if (el.kind == ElementKind::Timer) {
            el.pinCount = 1;
            el.pins[0] = {"IN", itemRow, net};
        }
        lastPin = itemRow;
        itemRow += height;
    }
    if (lastPin > bandTop.back()) {
        rung.wires.push_back({outCol, bandTop.back(), outCol, lastPin, net});
    }
    rung.rows = std::max(rung.rows, itemRow);
}

void LayoutBuilder::arrange() {
    // All coils stand in one column: the widest band decides where.
    int width = 1;
    for (const RungPlan& plan : m_plans) {
        for (const int band : plan.bands) {
            measure(band);
            width = std::max(width, m_nodes[static_cast<std::size_t>(band)].width);
        }
    }
    m_layout.m_networkColumns = width;
    m_placed.resize(m_plans.size());
    m_bandNet.resize(m_plans.size());
    for (std::size_t p = 0; p < m_plans.size(); ++p) {
        placeRung(static_cast<int>(p));
    }

    // Which rung each element belongs to, found by walking the plans' trees.
    std::vector<Element>& elements = m_layout.m_elements;
    std::vector<int> planOf(elements.size(), -1);
    std::vector<int> todo;
    for (std::size_t p = 0; p < m_plans.size(); ++p) {
        todo = m_plans[p].bands;
        while (!todo.empty()) {
            const Node& node = m_nodes[static_cast<std::size_t>(todo.back())];
            todo.pop_back();
            if (node.element >= 0) {
                planOf[static_cast<std::size_t>(node.element)] = static_cast<int>(p);
            }
            todo.insert(todo.end(), node.children.begin(), node.children.end());
        }
        for (const int item : m_plans[p].items) {
            planOf[static_cast<std::size_t>(item)] = static_cast<int>(p);
        }
    }
    for (std::size_t p = 0; p < m_plans.size(); ++p) {
        m_placed[p].firstLine = engine::kLastCodeLine + 1;
    }
    for (std::size_t e = 0; e < elements.size(); ++e) {
        const int p = planOf[e];
        if (p >= 0 && elements[e].line > 0) {
            int& firstLine = m_placed[static_cast<std::size_t>(p)].firstLine;
            firstLine = std::min(firstLine, elements[e].line);
        }
    }

    // Rungs in line order.
    std::vector<int> order(m_plans.size());
    for (std::size_t p = 0; p < order.size(); ++p) {
        order[p] = static_cast<int>(p);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return m_placed[static_cast<std::size_t>(a)].firstLine <
               m_placed[static_cast<std::size_t>(b)].firstLine;
    });
    std::vector<int> rankOf(order.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
        const auto p = static_cast<std::size_t>(order[r]);
        rankOf[p] = static_cast<int>(r);
        m_placed[p].bands = m_plans[p].bands;
        m_placed[p].outputs = m_plans[p].items;
        m_layout.m_rungs.push_back(std::move(m_placed[p]));
    }
    std::vector<Rung>& rungs = m_layout.m_rungs;
    for (std::size_t e = 0; e < m_linkBand.size(); ++e) {
        const auto [plan, band] = m_linkBand[e];
        if (plan >= 0) {
            elements[e].targetRung = rankOf[static_cast<std::size_t>(plan)];
            elements[e].targetBand = band;
        }
    }

    // A mark stands on the rung its line falls in: the last one starting before it.
    auto rungFor = [&](int line) {
        if (rungs.empty()) {
            rungs.emplace_back();
            rungs.back().firstLine = line;
        }
        int r = 0;
        while (r + 1 < static_cast<int>(rungs.size()) &&
               rungs[static_cast<std::size_t>(r) + 1].firstLine < line) {
            ++r;
        }
        return r;
    };
    for (std::size_t e = 0; e < elements.size(); ++e) {
        Element& el = elements[e];
        assert(planOf[e] >= 0 || el.kind == ElementKind::Mark);
        el.rung = planOf[e] >= 0 ? rankOf[static_cast<std::size_t>(planOf[e])] : rungFor(el.line);
        Rung& rung = rungs[static_cast<std::size_t>(el.rung)];
        rung.elements.push_back(static_cast<int>(e));
        if (el.problem != Problem::None) {
            rung.marks.push_back(static_cast<int>(e));
        }
    }
    for (Rung& rung : rungs) {
        std::stable_sort(rung.marks.begin(), rung.marks.end(), [&](int a, int b) {
            return elements[static_cast<std::size_t>(a)].line <
                   elements[static_cast<std::size_t>(b)].line;
        });
        for (std::size_t k = 0; k < rung.marks.size(); ++k) {
            Element& el = elements[static_cast<std::size_t>(rung.marks[k])];
            if (el.kind == ElementKind::Mark) {
                el.cell = {0, rung.rows + static_cast<int>(k), m_layout.columns(), 1};
            }
        }
    }

    // An OUT whose relay no later line writes shows what the scan left in the relay.
    for (Element& el : elements) {
        if (el.kind != ElementKind::Coil || el.form.op == OpCode::Difu) {
            continue;
        }
        el.lastWriter = std::none_of(elements.begin(), elements.end(), [&](const Element& o) {
            if (o.line <= el.line) {
                return false;
            }
            if (o.kind == ElementKind::Coil) {
                return o.number == el.number;
            }
            return o.kind == ElementKind::Shift && el.number >= std::min(o.number, o.setValue) &&
                   el.number <= std::max(o.number, o.setValue);
        });
    }
    m_layout.m_branches = std::move(m_nodes);
}

// --- Queries ---------------------------------------------------------------------------------

Layout Layout::build(std::span<const LineText> lines) {
    Layout layout;
    LayoutBuilder(layout).run(lines);
    return layout;
}

int Layout::elementOfLine(int line) const {
    if (line < 1 || line >= static_cast<int>(m_lineElement.size())) {
        return -1;
    }
    return m_lineElement[static_cast<std::size_t>(line)];
}

int Layout::elementAt(int rung, int col, int row) const {
    if (rung < 0 || rung >= static_cast<int>(m_rungs.size())) {
        return -1;
    }
    const Rung& r = m_rungs[static_cast<std::size_t>(rung)];
    if (row >= r.rows) {
        const int k = row - r.rows;
        return k < static_cast<int>(r.marks.size()) && col >= 0 && col < columns()
                   ? r.marks[static_cast<std::size_t>(k)]
                   : -1;
    }
    int best = -1;
    int bestArea = 0;
    for (const int e : r.elements) {
        const Element& el = m_elements[static_cast<std::size_t>(e)];
        if (el.kind == ElementKind::Mark || !el.cell.contains(col, row)) {
            continue;
        }
        const int area = el.cell.width * el.cell.height;
        if (best < 0 || area < bestArea) {
            best = e;
            bestArea = area;
        }
    }
    return best;
}

// --- Words -----------------------------------------------------------------------------------

std::string operandLabel(const Element& element) {
    if (element.problem == Problem::MissingOperand) {
        return "?";
    }
    switch (element.form.operand) {
    case Operand::Timer:
        return "TIM " + std::to_string(element.number);
    case Operand::Counter:
        return "CNT " + std::to_string(element.number);
    default:
        return std::to_string(element.number);
    }
}

std::optional<names::Address> operandAddress(const Element& element) {
    if (element.problem == Problem::MissingOperand) {
        return std::nullopt;
    }
    names::Address address;
    switch (element.form.operand) {
    case Operand::Relay:
        address = names::Address::relay(element.number);
        break;
    case Operand::Timer:
        address = names::Address::timer(element.number);
        break;
    case Operand::Counter:
        address = names::Address::counter(element.number);
        break;
    case Operand::None:
        return std::nullopt;
    }
    return address.valid() ? std::optional<names::Address>(address) : std::nullopt;
}

std::string problemText(const Element& element) {
    const OpCode op = element.form.op;
    switch (element.problem) {
    case Problem::None:
        return {};
    case Problem::UnknownInstruction:
        return "unknown instruction";
    case Problem::NothingToJoin:
        return "no branch to join";
    case Problem::MissingBranches:
        return op == OpCode::Cnt ? "needs two branches: count, reset"
                                 : "needs three branches: data, clock, reset";
    case Problem::TooManyBranches:
        return "more than 101 open branches";
    case Problem::NoCondition:
        return "no LD before it: its branch carries no power";
    case Problem::MissingOperand:
        return "LOCATION is blank (read as 0)";
    case Problem::MissingSetValue:
        return "### is blank (read as 0)";
    case Problem::OperandRange:
        switch (element.form.operand) {
        case Operand::Timer:
            return "timer out of range (0 to 7)";
        case Operand::Counter:
            return "counter out of range (0 to 7)";
        case Operand::Relay:
            return "relay out of range (0 to 20000)";
        case Operand::None:
            break;
        }
        return "LOCATION out of range (0 to 20000)";
    case Problem::ShiftRange:
        return "register end out of range (0 to 20000)";
    case Problem::SetValueRange:
        return op == OpCode::Tim ? "set value too high (#0 to #600)"
                                 : "set value too high (#0 to #9999)";
    }
    return {};
}

} // namespace rungbox::ladder

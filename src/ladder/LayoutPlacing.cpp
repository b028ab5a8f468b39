// SPDX-License-Identifier: GPL-3.0-or-later
// Building a Layout, the passes after the first: the rung plans placed on the grid, then the
// rungs put in line order with their marks.

#include "LayoutBuilder.h"

#include "engine/AddressMap.h"
#include "engine/LineSyntax.h"
#include "engine/Program.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <string_view>
#include <utility>

namespace rungbox::ladder {

namespace {

// The inputs of a box fed by several branches, top first, and its least height in rows.
struct BoxInputs {
    std::span<const std::string_view> pins;
    int rows = 0;
};

BoxInputs boxInputs(OpCode op) {
    static constexpr std::string_view kCounterPins[] = {"CP", "R"};
    static constexpr std::string_view kShiftPins[] = {"IN", "CP", "R"};
    static constexpr std::string_view kKeepPins[] = {"S", "R"};
    static constexpr std::string_view kReversiblePins[] = {"II", "DI", "R"};
    switch (op) {
    case OpCode::Cnt:
        return {kCounterPins, Layout::kCounterRows};
    case OpCode::Sft:
        return {kShiftPins, Layout::kShiftRows};
    case OpCode::Keep:
        return {kKeepPins, Layout::kKeepRows};
    case OpCode::Cntr:
        return {kReversiblePins, Layout::kReversibleRows};
    default:
        return {};
    }
}

} // namespace

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
    if (const BoxInputs box = boxInputs(first.form.op); !box.pins.empty()) {
        first.pinCount = static_cast<int>(bandTop.size());
        for (std::size_t b = 0; b < bandTop.size(); ++b) {
            first.pins[b] = {box.pins[b], bandTop[b], bandNet[b]};
            toOutputs(b);
        }
        const int height = std::max(box.rows, bandTop.back() - bandTop.front() + 2);
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
        const int height = el.kind == ElementKind::Timer  ? Layout::kTimerRows
                           : el.kind == ElementKind::Word ? Layout::wordRows(el.wordCount)
                                                          : 1;
        el.cell = {outCol, itemRow, Layout::kOutputColumns, height};
        el.inNet = net;
        if (el.kind == ElementKind::Timer || el.kind == ElementKind::Word) {
            // A word box's input has no name: its rows hold the operands.
            el.pinCount = 1;
            el.pins[0] = {el.kind == ElementKind::Timer ? "IN" : "", itemRow, net};
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
    placeRungs();
    const std::vector<int> planOf = plansOfElements();
    const std::vector<int> rankOf = putRungsInLineOrder();
    placeMarks(planOf, rankOf);
    markLastWriters();
    m_layout.m_branches = std::move(m_nodes);
}

// Every rung placed. All coils stand in one column: the widest band decides where.
void LayoutBuilder::placeRungs() {
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
}

// Which plan each element belongs to (-1: none, a mark), found by walking the plans' trees; each
// placed rung learns its first line.
std::vector<int> LayoutBuilder::plansOfElements() {
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
    return planOf;
}

// The placed rungs into the layout in line order; answers each plan's rank there. A link learns
// the rung it leads to.
std::vector<int> LayoutBuilder::putRungsInLineOrder() {
    std::vector<Element>& elements = m_layout.m_elements;
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
    for (std::size_t e = 0; e < m_linkBand.size(); ++e) {
        const auto [plan, band] = m_linkBand[e];
        if (plan >= 0) {
            elements[e].targetRung = rankOf[static_cast<std::size_t>(plan)];
            elements[e].targetBand = band;
        }
    }
    return rankOf;
}

// Every element into its rung, and the marks of the lines with a problem under it in line order.
// A mark stands on the rung its line falls in: the last one starting before it.
void LayoutBuilder::placeMarks(const std::vector<int>& planOf, const std::vector<int>& rankOf) {
    std::vector<Element>& elements = m_layout.m_elements;
    std::vector<Rung>& rungs = m_layout.m_rungs;
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
}

// An OUT whose relay no later line writes shows what the scan left in the relay.
void LayoutBuilder::markLastWriters() {
    if (m_layout.extended()) {
        markLastExtendedWriters();
        return;
    }
    std::vector<Element>& elements = m_layout.m_elements;
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
}

// As markLastWriters, for an extended program: the bits are compared by their workspace bytes,
// and KEEP, SET, RSET, DIFU, DIFD and SFT write bits too.
void LayoutBuilder::markLastExtendedWriters() {
    std::vector<Element>& elements = m_layout.m_elements;
    auto byteOf = [](const std::optional<engine::BitAddress>& address) {
        return address && address->valid() ? engine::workspaceByte(*address) : -1;
    };
    for (Element& el : elements) {
        const int byte = byteOf(el.address);
        if (el.kind != ElementKind::Coil ||
            (el.form.op != OpCode::Out && el.form.op != OpCode::OutNot) || byte < 0) {
            continue;
        }
        el.lastWriter = std::none_of(elements.begin(), elements.end(), [&](const Element& o) {
            if (o.line <= el.line) {
                return false;
            }
            if (o.kind == ElementKind::Coil || o.kind == ElementKind::Keep) {
                return byteOf(o.address) == byte;
            }
            const int first = byteOf(o.address);
            const int last = byteOf(o.lastAddress);
            return o.kind == ElementKind::Shift && first >= 0 && last >= 0 &&
                   byte >= std::min(first, last) && byte <= std::max(first, last);
        });
    }
}

} // namespace rungbox::ladder

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inside the ladder library only: the builder of a Layout, whose passes live in LayoutLines.cpp
// (replaying the code lines into rung plans) and LayoutPlacing.cpp (placing the plans on the
// grid and putting the rungs in line order).

#include "Layout.h"

#include "engine/Program.h"

#include <span>
#include <utility>
#include <vector>

namespace rungbox::ladder {

using engine::OpCode;
using engine::Operand;

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

    // A line's step as the scan's decoder reads it, and what a reader would object to.
    struct Decoded {
        engine::Step step;
        Problem problem = Problem::None;
    };

    void addLine(int line, const LineText& text);
    Decoded decodeClassic(const LineText& text, int line, int& depth) const;
    Decoded decodeExtended(const LineText& text, int line, engine::Form form, int& depth);
    int addElement(ElementKind kind, int line, const LineText& text, engine::Form form);
    void readExtendedOperands(Element& element, const LineText& text) const;
    void readWordOperands(Element& element, const LineText& text) const;
    void readWordSetValue(Element& element, const LineText& text) const;
    void placeBox(int element, OpCode op);
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
    void placeRungs();
    std::vector<int> plansOfElements();
    std::vector<int> putRungsInLineOrder();
    void placeMarks(const std::vector<int>& planOf, const std::vector<int>& rankOf);
    void markLastWriters();
    void markLastExtendedWriters();
    int newNet() { return m_layout.m_netCount++; }
    void addRule(int net, int element, int source) {
        m_layout.m_rules.push_back({net, element, source});
    }

    Layout& m_layout;
    std::span<const LineText> m_lines; // the code lines being laid out
    std::vector<Node> m_nodes;
    std::vector<RungPlan> m_plans;
    std::vector<std::vector<int>> m_bandNet; // per plan: the net at the end of each band
    std::vector<Value> m_stack;
    Value m_result;
    std::vector<Rung> m_placed;                  // in plan order
    std::vector<std::pair<int, int>> m_linkBand; // per element: a Link's plan and band
    engine::OpenRegions m_regions;               // extended programs: IL and JMP regions open
};

} // namespace rungbox::ladder

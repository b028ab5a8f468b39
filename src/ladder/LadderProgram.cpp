// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderProgram.h"

#include "engine/AddressMap.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace rungbox::ladder {

using engine::OpCode;

namespace {

// The parts of a branch in series, with the series made by BLKs spliced in.
void seriesParts(const Layout& layout, int branch, std::vector<int>& parts) {
    const Branch& node = layout.branches()[static_cast<std::size_t>(branch)];
    if (node.kind != BranchKind::Series) {
        parts.push_back(branch);
        return;
    }
    for (const int child : node.children) {
        seriesParts(layout, child, parts);
    }
}

const Element* leafElement(const Layout& layout, int branch) {
    const Branch& node = layout.branches()[static_cast<std::size_t>(branch)];
    return node.kind == BranchKind::Leaf
               ? &layout.elements()[static_cast<std::size_t>(node.element)]
               : nullptr;
}

// The tree of a branch of contacts; nullopt when a link to another rung's branch stands in it.
std::optional<Node> condition(const Layout& layout, int branch) {
    const Branch& node = layout.branches()[static_cast<std::size_t>(branch)];
    if (node.kind == BranchKind::Leaf) {
        const Element& el = layout.elements()[static_cast<std::size_t>(node.element)];
        if (el.kind != ElementKind::Contact) {
            return std::nullopt;
        }
        Node contact = Node::contact(el.form.operand, el.form.negated, el.number);
        if (el.extended && el.address) {
            // "LD" with "TIM 3" reads the timer as "LD TIM" with 3 does.
            const engine::Area area = el.address->area;
            contact.operand = area == engine::Area::Timer     ? engine::Operand::Timer
                              : area == engine::Area::Counter ? engine::Operand::Counter
                                                              : engine::Operand::Relay;
            contact.area = contact.operand == engine::Operand::Relay ? area : engine::Area::Relay;
        }
        contact.line = el.line;
        return contact;
    }
    Node group =
        Node::group(node.kind == BranchKind::Series ? NodeKind::Series : NodeKind::Parallel, {});
    for (const int child : node.children) {
        std::optional<Node> part = condition(layout, child);
        if (!part) {
            return std::nullopt;
        }
        group.parts.push_back(std::move(*part));
    }
    return group;
}

Node outputOf(const Element& el) {
    Node output = Node::output(el.form.op, el.number, el.setValue);
    for (int i = 0; i < el.wordCount; ++i) {
        output.words.push_back(el.words[i].text); // a word box's operands, or a word set value
    }
    output.differentiated = el.form.differentiated;
    if (el.extended && el.address) {
        output.area = el.address->area;
    }
    output.line = el.line;
    return output;
}

constexpr const char* kReused = "a branch used again after it fed an output";

} // namespace

LadderProgram LadderProgram::read(std::span<const LineText> lines, engine::InstructionSet set) {
    LadderProgram program;
    program.m_layout = Layout::build(lines, set);
    program.group();
    for (ProgramRung& rung : program.m_rungs) {
        program.readRung(rung);
    }
    return program;
}

// Groups the layout's rungs: a rung whose only band starts with a link to another rung's band
// goes on from that rung's outputs.
void LadderProgram::group() {
    const std::vector<Rung>& rungs = m_layout.rungs();
    const std::vector<Element>& elements = m_layout.elements();
    const auto count = rungs.size();
    m_rungOfLayout.assign(count, -1);
    m_goesOnTo.assign(count, -1);
    m_linksTo.assign(count, 0);
    for (const Element& el : elements) {
        if (el.kind == ElementKind::Link && el.targetRung >= 0) {
            ++m_linksTo[static_cast<std::size_t>(el.targetRung)];
        }
    }
    for (std::size_t r = 0; r < count; ++r) {
        const Rung& rung = rungs[r];
        int from = -1;
        if (rung.bands.size() == 1) {
            std::vector<int> parts;
            seriesParts(m_layout, rung.bands[0], parts);
            const Element* lead = leafElement(m_layout, parts.front());
            if (lead != nullptr && lead->kind == ElementKind::Link && lead->targetRung >= 0 &&
                lead->targetRung < static_cast<int>(r) &&
                m_goesOnTo[static_cast<std::size_t>(lead->targetRung)] < 0) {
                from = lead->targetRung;
            }
        }
        if (from >= 0) {
            m_goesOnTo[static_cast<std::size_t>(from)] = static_cast<int>(r);
            const int owner = m_rungOfLayout[static_cast<std::size_t>(from)];
            m_rungOfLayout[r] = owner;
            m_rungs[static_cast<std::size_t>(owner)].layoutRungs.push_back(static_cast<int>(r));
        } else {
            m_rungOfLayout[r] = static_cast<int>(m_rungs.size());
            m_rungs.emplace_back().layoutRungs.push_back(static_cast<int>(r));
        }
    }
    // Line ranges; rungs made of links alone (no line of their own) are dropped.
    for (ProgramRung& rung : m_rungs) {
        rung.first = engine::kLastCodeLine + 1;
        for (const int r : rung.layoutRungs) {
            for (const int e : rungs[static_cast<std::size_t>(r)].elements) {
                const Element& el = elements[static_cast<std::size_t>(e)];
                if (el.line > 0) {
                    // An ADD's or SUB's operand line goes with it.
                    rung.first = std::min(rung.first, el.line);
                    rung.last = std::max({rung.last, el.line, el.operandLine});
                }
            }
        }
    }
    std::vector<int> keep(m_rungs.size(), -1);
    std::vector<ProgramRung> kept;
    for (std::size_t i = 0; i < m_rungs.size(); ++i) {
        if (m_rungs[i].last > 0) {
            keep[i] = static_cast<int>(kept.size());
            kept.push_back(std::move(m_rungs[i]));
        }
    }
    m_rungs = std::move(kept);
    for (int& owner : m_rungOfLayout) {
        owner = keep[static_cast<std::size_t>(owner)];
    }
}

// Why the layout's rungs of `rung` cannot be one tree written back in place; empty when they can.
std::string LadderProgram::shapeProblem(const ProgramRung& rung) const {
    const std::vector<Element>& elements = m_layout.elements();
    for (const int r : rung.layoutRungs) {
        const Rung& part = m_layout.rungs()[static_cast<std::size_t>(r)];
        if (!part.marks.empty()) {
            const Element& mark = elements[static_cast<std::size_t>(part.marks[0])];
            return "a line with a problem: line " + std::to_string(mark.line) + ", " +
                   problemText(mark);
        }
        if (part.outputs.empty()) {
            return "a branch that feeds no output";
        }
        // Only the rung going on from it may use its branch, and only once.
        const int goesOn = m_goesOnTo[static_cast<std::size_t>(r)];
        if (m_linksTo[static_cast<std::size_t>(r)] != (goesOn >= 0 ? 1 : 0)) {
            return kReused;
        }
    }
    const int self = m_rungOfLayout[static_cast<std::size_t>(rung.layoutRungs.front())];
    for (int line = rung.first; line <= rung.last; ++line) {
        const int e = m_layout.elementOfLine(line);
        if (e >= 0 && rungOfLayoutRung(elements[static_cast<std::size_t>(e)].rung) != self) {
            return "its lines mix with another rung's";
        }
    }
    return {};
}

// The rung's tree: the head layout rung's condition (and a box's upper inputs) feeding its
// outputs, each later layout rung's contacts going on from the outputs before.
std::string LadderProgram::buildTree(const ProgramRung& rung, Node& tree) const {
    const std::vector<Element>& elements = m_layout.elements();
    const Rung& head = m_layout.rungs()[static_cast<std::size_t>(rung.layoutRungs.front())];
    std::vector<Node> inputs;
    for (const int band : head.bands) {
        std::optional<Node> input = condition(m_layout, band);
        if (!input) {
            return kReused;
        }
        inputs.push_back(std::move(*input));
    }
    if (inputs.empty()) {
        return "a rung needs a contact before its outputs";
    }
    // From the last layout rung back to the head: each fan holds the branch going on from it.
    std::optional<Node> goingOn;
    for (auto r = rung.layoutRungs.rbegin(); r != rung.layoutRungs.rend(); ++r) {
        const Rung& part = m_layout.rungs()[static_cast<std::size_t>(*r)];
        Node fan = Node::group(NodeKind::Parallel, {});
        for (const int e : part.outputs) {
            fan.parts.push_back(outputOf(elements[static_cast<std::size_t>(e)]));
        }
        if (goingOn) {
            fan.parts.push_back(std::move(*goingOn));
        }
        std::vector<int> parts;
        seriesParts(m_layout, part.bands[0], parts);
        Node series = Node::group(NodeKind::Series, {});
        // A later rung's first part is the link to the outputs it goes on from.
        for (std::size_t i = *r == rung.layoutRungs.front() ? parts.size() : 1; i < parts.size();
             ++i) {
            std::optional<Node> contact = condition(m_layout, parts[i]);
            if (!contact) {
                return kReused;
            }
            series.parts.push_back(std::move(*contact));
        }
        series.parts.push_back(std::move(fan));
        goingOn = std::move(series);
    }
    // The head's last band is the rung's condition; the bands above it feed the box.
    Node& point = goingOn->parts.back();
    std::move(inputs.begin(), inputs.end() - 1, std::back_inserter(point.parts.front().parts));
    goingOn->parts.insert(goingOn->parts.begin(), std::move(inputs.back()));
    const engine::InstructionSet set = tree.set;
    tree = std::move(*goingOn);
    tree.set = set;
    return {};
}

void LadderProgram::readRung(ProgramRung& rung) {
    if (std::string problem = shapeProblem(rung); !problem.empty()) {
        rung.reason = std::move(problem);
        return;
    }
    const Rung& head = m_layout.rungs()[static_cast<std::size_t>(rung.layoutRungs.front())];
    const Element& first = m_layout.elements()[static_cast<std::size_t>(head.outputs.front())];
    if (first.kind == ElementKind::End) {
        rung.end = true;
        rung.tree = Node::group(NodeKind::Series, {outputOf(first)});
        rung.reason = "END closes the program";
        return;
    }
    Node tree;
    tree.set = m_layout.instructionSet();
    if (standsAlone(first.form.op) && head.bands.empty()) {
        // ILC and JME stand alone, fed from the rail.
        tree = Node::group(NodeKind::Series, {outputOf(first)});
        tree.set = m_layout.instructionSet();
        rung.tree = std::move(tree);
        rung.editable = true;
        return;
    }
    std::string problem = buildTree(rung, tree);
    if (problem.empty()) {
        normalize(tree);
        problem = rungProblem(tree);
    }
    if (!problem.empty()) {
        rung.reason = std::move(problem);
        return;
    }
    rung.tree = std::move(tree);
    rung.editable = true;
}

int LadderProgram::rungOfLine(int line) const {
    const int e = m_layout.elementOfLine(line);
    return e < 0 ? -1 : rungOfLayoutRung(m_layout.elements()[static_cast<std::size_t>(e)].rung);
}

int LadderProgram::rungOfLayoutRung(int layoutRung) const {
    return layoutRung < 0 || layoutRung >= static_cast<int>(m_rungOfLayout.size())
               ? -1
               : m_rungOfLayout[static_cast<std::size_t>(layoutRung)];
}

} // namespace rungbox::ladder

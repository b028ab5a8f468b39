// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderProgram.h"

#include "engine/AddressMap.h"

#include <algorithm>
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
    output.line = el.line;
    return output;
}

constexpr const char* kReused = "a branch used again after it fed an output";

} // namespace

LadderProgram LadderProgram::read(std::span<const LineText> lines) {
    LadderProgram program;
    program.m_layout = Layout::build(lines);
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
                const int line = elements[static_cast<std::size_t>(e)].line;
                if (line > 0) {
                    rung.first = std::min(rung.first, line);
                    rung.last = std::max(rung.last, line);
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

void LadderProgram::readRung(ProgramRung& rung) {
    const std::vector<Rung>& rungs = m_layout.rungs();
    const std::vector<Element>& elements = m_layout.elements();
    const int self = m_rungOfLayout[static_cast<std::size_t>(rung.layoutRungs.front())];
    auto refuse = [&](std::string reason) { rung.reason = std::move(reason); };

    for (const int r : rung.layoutRungs) {
        const Rung& part = rungs[static_cast<std::size_t>(r)];
        if (!part.marks.empty()) {
            return refuse("a line with a problem: line " +
                          std::to_string(elements[static_cast<std::size_t>(part.marks[0])].line) +
                          ", " + problemText(elements[static_cast<std::size_t>(part.marks[0])]));
        }
        if (part.outputs.empty()) {
            return refuse("a branch that feeds no output");
        }
        const int goesOn = m_goesOnTo[static_cast<std::size_t>(r)];
        if (m_linksTo[static_cast<std::size_t>(r)] != (goesOn >= 0 ? 1 : 0)) {
            return refuse(kReused);
        }
    }
    for (int line = rung.first; line <= rung.last; ++line) {
        const int e = m_layout.elementOfLine(line);
        if (e >= 0 &&
            m_rungOfLayout[static_cast<std::size_t>(elements[static_cast<std::size_t>(e)].rung)] !=
                self) {
            return refuse("its lines mix with another rung's");
        }
    }

    const Rung& head = rungs[static_cast<std::size_t>(rung.layoutRungs.front())];
    const Element& first = elements[static_cast<std::size_t>(head.outputs.front())];
    if (first.kind == ElementKind::End) {
        rung.end = true;
        rung.tree = Node::group(NodeKind::Series, {outputOf(first)});
        return refuse("END closes the program");
    }
    // The head rung's condition, and a CNT or SFT box's upper inputs.
    Node box = outputOf(first);
    std::optional<Node> main;
    for (std::size_t b = 0; b < head.bands.size(); ++b) {
        std::optional<Node> input = condition(m_layout, head.bands[b]);
        if (!input) {
            return refuse(kReused);
        }
        if (b + 1 == head.bands.size()) {
            main = std::move(*input);
        } else {
            box.parts.push_back(std::move(*input));
        }
    }
    if (!main) {
        return refuse("a rung needs a contact before its outputs");
    }
    // The fans from the last layout rung back to the head: each goes on into the next.
    std::optional<Node> goingOn;
    for (auto r = rung.layoutRungs.rbegin(); r != rung.layoutRungs.rend(); ++r) {
        const Rung& part = rungs[static_cast<std::size_t>(*r)];
        Node fan = Node::group(NodeKind::Parallel, {});
        for (const int e : part.outputs) {
            fan.parts.push_back(outputOf(elements[static_cast<std::size_t>(e)]));
        }
        if (r == rung.layoutRungs.rend() - 1) {
            fan.parts.front() = std::move(box);
        }
        if (goingOn) {
            fan.parts.push_back(std::move(*goingOn));
        }
        if (r == rung.layoutRungs.rend() - 1) {
            goingOn = Node::group(NodeKind::Series, {std::move(*main), std::move(fan)});
            break;
        }
        std::vector<int> parts;
        seriesParts(m_layout, part.bands[0], parts);
        Node series = Node::group(NodeKind::Series, {});
        for (std::size_t i = 1; i < parts.size(); ++i) {
            std::optional<Node> contact = condition(m_layout, parts[i]);
            if (!contact) {
                return refuse(kReused);
            }
            series.parts.push_back(std::move(*contact));
        }
        series.parts.push_back(std::move(fan));
        goingOn = std::move(series);
    }
    normalize(*goingOn);
    if (std::string problem = rungProblem(*goingOn); !problem.empty()) {
        return refuse(std::move(problem));
    }
    rung.tree = std::move(*goingOn);
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

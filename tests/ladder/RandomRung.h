// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random valid rung trees for the diagram editing tests, and what a rung of contacts on inputs
// and OUT or OUT NOT coils computes, worked out on the tree itself.

#include "editor/CodeGrid.h"
#include "ladder/RungTree.h"

#include <random>
#include <vector>

namespace rungbox::test {

using ladder::Node;
using ladder::NodeKind;

class RungGenerator {
public:
    explicit RungGenerator(std::uint32_t seed) : m_random(seed) {}

    int pick(int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(m_random);
    }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    /// Contacts on relays 0 to 15 only and OUT or OUT NOT coils on 1000 to 1015 only, when
    /// `plain`: then one scan settles every coil from the switches.
    bool plain = false;

    Node contact() {
        const int kind = plain ? 0 : pick(0, 9);
        const auto operand = kind == 8   ? engine::Operand::Timer
                             : kind == 9 ? engine::Operand::Counter
                                         : engine::Operand::Relay;
        const int number = operand != engine::Operand::Relay ? pick(0, 7)
                           : plain || chance(70)             ? pick(0, 15)
                                                             : pick(1000, 1015);
        return Node::contact(operand, chance(30), number);
    }

    Node condition(int depth) {
        if (depth == 0 || chance(45)) {
            return contact();
        }
        std::vector<Node> parts;
        for (int n = pick(2, 3); n > 0; --n) {
            parts.push_back(condition(depth - 1));
        }
        return Node::group(chance(50) ? NodeKind::Series : NodeKind::Parallel, std::move(parts));
    }

    Node coil() {
        const int kind = plain ? pick(0, 1) : pick(0, 4);
        static constexpr engine::OpCode kOps[] = {engine::OpCode::Out, engine::OpCode::OutNot,
                                                  engine::OpCode::Out, engine::OpCode::Difu,
                                                  engine::OpCode::Tim};
        const engine::OpCode op = kOps[kind];
        return op == engine::OpCode::Tim ? Node::output(op, pick(0, 7), pick(0, 30))
                                         : Node::output(op, pick(1000, 1015));
    }

    Node box() {
        const bool counter = chance(60);
        Node box = counter ? Node::output(engine::OpCode::Cnt, pick(0, 7), pick(0, 9))
                           : Node::output(engine::OpCode::Sft, 200, 200 + pick(0, 5));
        for (int i = counter ? 1 : 2; i > 0; --i) {
            box.parts.push_back(condition(1));
        }
        return box;
    }

    /// What stands at a point: outputs, perhaps a branch going on to more.
    Node fan(int depth, bool boxAllowed) {
        std::vector<Node> parts;
        if (boxAllowed && !plain && chance(15)) {
            parts.push_back(box());
        }
        for (int n = pick(parts.empty() ? 1 : 0, 2); n > 0; --n) {
            parts.push_back(coil());
        }
        if (depth > 0 && (parts.empty() || chance(30))) {
            parts.push_back(Node::group(NodeKind::Series, {condition(1), fan(depth - 1, false)}));
        }
        return Node::group(NodeKind::Parallel, std::move(parts));
    }

    /// A valid rung in normal form.
    Node rung() {
        Node rung = Node::group(NodeKind::Series, {condition(3), fan(2, true)});
        ladder::normalize(rung);
        return rung;
    }

private:
    std::mt19937 m_random;
};

/// Runs a rung of relay contacts and OUT or OUT NOT coils on `relays`, as the tree says.
inline void runTree(const Node& node, bool power, std::vector<bool>& relays);

inline bool conditionOf(const Node& node, const std::vector<bool>& relays) {
    switch (node.kind) {
    case NodeKind::Contact:
        return relays[static_cast<std::size_t>(node.number)] != node.negated;
    case NodeKind::Series:
        for (const Node& part : node.parts) {
            if (!conditionOf(part, relays)) {
                return false;
            }
        }
        return true;
    case NodeKind::Parallel:
        for (const Node& part : node.parts) {
            if (conditionOf(part, relays)) {
                return true;
            }
        }
        return false;
    case NodeKind::Output:
        break;
    }
    return false;
}

// `node` carries outputs; `power` is what reaches it.
inline void runTree(const Node& node, bool power, std::vector<bool>& relays) {
    if (node.kind == NodeKind::Output) {
        relays[static_cast<std::size_t>(node.number)] =
            node.op == engine::OpCode::OutNot ? !power : power;
    } else if (node.kind == NodeKind::Parallel) {
        for (const Node& part : node.parts) {
            runTree(part, power, relays);
        }
    } else {
        for (std::size_t i = 0; i + 1 < node.parts.size(); ++i) {
            power = power && conditionOf(node.parts[i], relays);
        }
        runTree(node.parts.back(), power, relays);
    }
}

} // namespace rungbox::test

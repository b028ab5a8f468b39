// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mnemonic.h"

#include "Labels.h"

#include <cassert>

namespace rungbox::ladder {

using engine::OpCode;
using engine::Operand;

namespace {

// Writes the lines of one rung, keeping the path of the node being written.
class Writer {
public:
    void rung(const Node& root);
    std::vector<MnemonicLine> lines;

private:
    std::string location(const Node& node) const;
    std::string setValue(const Node& node) const;
    void emit(std::string code, const Node* node, bool numbered, bool withSetValue);
    void contact(const char* op, const Node& node);
    void start(const Node& node);
    void andWith(const Node& node);
    void orWith(const Node& node);
    void output(const Node& node);
    void wordBox(const Node& node);
    void fan(const Node& node);
    void at(int index, const Node& node, void (Writer::*write)(const Node&)) {
        m_path.push_back(index);
        (this->*write)(node);
        m_path.pop_back();
    }

    Path m_path;
    engine::InstructionSet m_set = engine::InstructionSet::Classic;
};

// The LOCATION cell: the number; in an extended rung a relay operand as its area writes it
// ("W0.00"), timers, counters and jumps as their number.
std::string Writer::location(const Node& node) const {
    const bool numbered = node.kind == NodeKind::Contact
                              ? node.operand != Operand::Relay
                              : node.op == OpCode::Tim || node.op == OpCode::Timh ||
                                    node.op == OpCode::Cnt || node.op == OpCode::Cntr ||
                                    node.op == OpCode::Jmp || node.op == OpCode::Jme;
    if (m_set == engine::InstructionSet::Classic || numbered) {
        return std::to_string(node.number);
    }
    return engine::bitAddressText({node.area, node.number});
}

// The "###" cell: the number; in an extended rung a set value as "#" and four digits, an SFT's
// last bit as its area writes it.
std::string Writer::setValue(const Node& node) const {
    if (!node.words.empty()) {
        return node.words.front(); // a word holds the set value
    }
    if (m_set == engine::InstructionSet::Classic) {
        return std::to_string(node.setValue);
    }
    if (node.op == OpCode::Sft) {
        return engine::bitAddressText({node.area, node.setValue});
    }
    std::string digits = std::to_string(node.setValue);
    return "#" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

void Writer::emit(std::string code, const Node* node, bool numbered, bool withSetValue) {
    MnemonicLine line;
    line.code = std::move(code);
    if (node != nullptr) {
        line.path = m_path;
        if (numbered) {
            line.location = location(*node);
        }
        if (withSetValue) {
            line.setValue = setValue(*node);
        }
    }
    lines.push_back(std::move(line));
}

void Writer::contact(const char* op, const Node& node) {
    std::string code = op;
    code += node.negated ? " NOT" : "";
    code += node.operand == Operand::Timer     ? " TIM"
            : node.operand == Operand::Counter ? " CNT"
                                               : "";
    emit(std::move(code), &node, true, false);
}

// A node as a new branch: it begins with LD.
void Writer::start(const Node& node) {
    switch (node.kind) {
    case NodeKind::Contact:
        contact("LD", node);
        return;
    case NodeKind::Series:
    case NodeKind::Parallel:
        at(0, node.parts[0], &Writer::start);
        for (std::size_t i = 1; i < node.parts.size(); ++i) {
            at(static_cast<int>(i), node.parts[i],
               node.kind == NodeKind::Series ? &Writer::andWith : &Writer::orWith);
        }
        return;
    case NodeKind::Output:
        break;
    }
    assert(false && "an output inside a condition");
}

void Writer::andWith(const Node& node) {
    if (node.kind == NodeKind::Contact) {
        contact("AND", node);
    } else {
        start(node);
        emit("AND BLK", nullptr, false, false);
    }
}

void Writer::orWith(const Node& node) {
    if (node.kind == NodeKind::Contact) {
        contact("OR", node);
    } else {
        start(node);
        emit("OR BLK", nullptr, false, false);
    }
}

void Writer::output(const Node& node) {
    switch (node.op) {
    case OpCode::Out:
        emit("OUT", &node, true, false);
        return;
    case OpCode::OutNot:
        emit("OUT NOT", &node, true, false);
        return;
    case OpCode::Difu:
        emit("DIFU", &node, true, false);
        return;
    case OpCode::Tim:
        emit("TIM", &node, true, true);
        return;
    case OpCode::Cnt:
        emit("CNT", &node, true, true);
        return;
    case OpCode::Sft:
        emit("SFT", &node, true, true);
        return;
    case OpCode::End:
        emit("END", &node, false, false);
        return;
    case OpCode::Keep:
        emit("KEEP", &node, true, false);
        return;
    case OpCode::Cntr:
        emit("CNTR", &node, true, true);
        return;
    case OpCode::Timh:
        emit("TIMH", &node, true, true);
        return;
    case OpCode::Difd:
        emit("DIFD", &node, true, false);
        return;
    case OpCode::Set:
        emit("SET", &node, true, false);
        return;
    case OpCode::Rset:
        emit("RSET", &node, true, false);
        return;
    case OpCode::Il:
        emit("IL", &node, false, false);
        return;
    case OpCode::Ilc:
        emit("ILC", &node, false, false);
        return;
    case OpCode::Jmp:
        emit("JMP", &node, true, false);
        return;
    case OpCode::Jme:
        emit("JME", &node, true, false);
        return;
    default:
        wordBox(node);
    }
}

// A word instruction: its first two operands in LOCATION and "###", an ADD's or SUB's third on
// an operand line below (empty code cell).
void Writer::wordBox(const Node& node) {
    assert(isWordInstruction(node.op));
    auto word = [&](std::size_t i) {
        return i < node.words.size() ? node.words[i] : std::string();
    };
    emit(wordMnemonic(node.op, node.differentiated), &node, false, false);
    lines.back().location = word(0);
    lines.back().setValue = word(1);
    if (engine::takesOperandLine(node.op)) {
        emit("", &node, false, false);
        lines.back().location = word(2);
    }
}

// What stands at a point: outputs, and the branch going on from it.
void Writer::fan(const Node& node) {
    if (node.kind == NodeKind::Output) {
        output(node);
        return;
    }
    for (std::size_t i = 0; i < node.parts.size(); ++i) {
        const Node& part = node.parts[i];
        m_path.push_back(static_cast<int>(i));
        if (part.kind == NodeKind::Output) {
            output(part);
        } else {
            for (std::size_t k = 0; k + 1 < part.parts.size(); ++k) {
                at(static_cast<int>(k), part.parts[k], &Writer::andWith);
            }
            at(static_cast<int>(part.parts.size()) - 1, part.parts.back(), &Writer::fan);
        }
        m_path.pop_back();
    }
}

void Writer::rung(const Node& root) {
    m_set = root.set;
    const int last = static_cast<int>(root.parts.size()) - 1;
    const Node& point = root.parts.back();
    // A CNT or SFT box's upper inputs come first: the scan pops them off the block stack.
    const bool fanned = point.kind == NodeKind::Parallel;
    const Node& first = fanned ? point.parts.front() : point;
    if (first.kind == NodeKind::Output) {
        m_path.push_back(last);
        if (fanned) {
            m_path.push_back(0);
        }
        for (std::size_t i = 0; i < first.parts.size(); ++i) {
            at(static_cast<int>(i), first.parts[i], &Writer::start);
        }
        m_path.resize(0);
    }
    for (int i = 0; i < last; ++i) {
        at(i, root.parts[static_cast<std::size_t>(i)], i == 0 ? &Writer::start : &Writer::andWith);
    }
    at(last, point, &Writer::fan);
}

} // namespace

std::vector<MnemonicLine> writeRung(const Node& rung) {
    Writer writer;
    writer.rung(rung);
    return std::move(writer.lines);
}

} // namespace rungbox::ladder

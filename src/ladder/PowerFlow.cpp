// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerFlow.h"

#include "engine/AddressMap.h"
#include "engine/BitAddress.h"

namespace rungbox::ladder {

namespace {

using engine::OpCode;
using engine::Operand;

bool inRange(int value, int count) {
    return value >= 0 && value < count;
}

// The bit a contact reads; an operand out of range (a line the run refuses) reads as off.
bool contactBit(const Element& el, const engine::Controller& plc) {
    switch (el.form.operand) {
    case Operand::Relay:
        return inRange(el.number, engine::kRelayCount) && plc.relay(el.number);
    case Operand::Timer:
        return inRange(el.number, engine::kTimerCount) && plc.timValue(el.number) == 0;
    case Operand::Counter:
        return inRange(el.number, engine::kCounterCount) && plc.cntValue(el.number) == 0;
    case Operand::None:
    case Operand::Jump:
    case Operand::Word:
        break;
    }
    return false;
}

// The workspace byte of an extended element's bit, or -1 when it names none.
int byteOf(const Element& el) {
    return el.address && el.address->valid() ? engine::workspaceByte(*el.address) : -1;
}

// An extended program's contacts read their bit's workspace byte (a timer's or counter's done
// flag included); its boxes show timers and counters 0 to 127, and KEEP its bit.
void readExtended(const Element& el, const engine::Controller& plc, std::uint8_t& active,
                  int& value) {
    const int byte = byteOf(el);
    switch (el.kind) {
    case ElementKind::Contact:
        active = (byte >= 0 && plc.bit(byte)) != el.form.negated;
        break;
    case ElementKind::Timer:
        value = inRange(el.number, engine::kTimerSlots) ? plc.timValue(el.number) : 0;
        break;
    case ElementKind::Counter:
        value = inRange(el.number, engine::kTimerSlots) ? plc.cntValue(el.number) : 0;
        break;
    case ElementKind::Keep:
        value = byte >= 0 && plc.bit(byte) ? 1 : 0;
        active = static_cast<std::uint8_t>(value);
        break;
    default:
        break;
    }
}

// A coil that is the last to write its bit shows what the scan left in the bit.
bool lastWritten(const Element& el, const engine::Controller& plc, bool& energised) {
    if (!el.lastWriter) {
        return false;
    }
    if (el.extended) {
        const int byte = byteOf(el);
        if (byte < 0) {
            return false;
        }
        energised = plc.bit(byte) != (el.form.op == OpCode::OutNot);
        return true;
    }
    if (!inRange(el.number, engine::kRelayCount)) {
        return false;
    }
    energised = plc.relay(el.number) != (el.form.op == OpCode::OutNot);
    return true;
}

// The values of an element's word operands: the words' present values, -1 for constants and
// operands that cannot be read.
std::array<std::int32_t, 3> wordValues(const Element& el, const engine::Controller& plc) {
    std::array<std::int32_t, 3> values{-1, -1, -1};
    for (int i = 0; i < el.wordCount; ++i) {
        const auto& operand = el.words[i].operand;
        if (operand && !operand->constant && operand->address.valid()) {
            values[static_cast<std::size_t>(i)] = plc.word(operand->address);
        }
    }
    return values;
}

} // namespace

std::optional<std::uint16_t> PowerFlow::wordValue(int element, int operand) const {
    const auto e = static_cast<std::size_t>(element);
    if (e >= m_words.size() || operand < 0 || operand > 2) {
        return std::nullopt;
    }
    const std::int32_t value = m_words[e][static_cast<std::size_t>(operand)];
    return value < 0 ? std::nullopt : std::optional(static_cast<std::uint16_t>(value));
}

PowerFlow PowerFlow::evaluate(const Layout& layout, const engine::Controller& plc) {
    PowerFlow flow;
    const std::vector<Element>& elements = layout.elements();
    flow.m_nets.assign(static_cast<std::size_t>(layout.netCount()), 0);
    flow.m_active.assign(elements.size(), 0);
    flow.m_values.assign(elements.size(), 0);
    flow.m_nets[0] = 1;

    for (std::size_t e = 0; e < elements.size(); ++e) {
        const Element& el = elements[e];
        if (el.wordCount > 0) {
            flow.m_words.resize(elements.size(), {-1, -1, -1});
            flow.m_words[e] = wordValues(el, plc);
        }
        if (el.extended) {
            readExtended(el, plc, flow.m_active[e], flow.m_values[e]);
        } else if (el.kind == ElementKind::Contact) {
            flow.m_active[e] = contactBit(el, plc) != el.form.negated;
        } else if (el.kind == ElementKind::Timer && inRange(el.number, engine::kTimerCount)) {
            flow.m_values[e] = plc.timValue(el.number);
        } else if (el.kind == ElementKind::Counter && inRange(el.number, engine::kCounterCount)) {
            flow.m_values[e] = plc.cntValue(el.number);
        }
    }

    for (const NetRule& rule : layout.rules()) {
        std::uint8_t& out = flow.m_nets[static_cast<std::size_t>(rule.net)];
        if (rule.element < 0) {
            out = out | flow.m_nets[static_cast<std::size_t>(rule.source)];
            continue;
        }
        const Element& el = elements[static_cast<std::size_t>(rule.element)];
        const bool conducts = el.kind == ElementKind::Link
                                  ? el.target >= 0 && flow.net(el.target)
                                  : flow.m_active[static_cast<std::size_t>(rule.element)] != 0;
        out = flow.net(el.inNet) && conducts;
    }

    for (std::size_t e = 0; e < elements.size(); ++e) {
        const Element& el = elements[e];
        if (el.kind == ElementKind::Control) {
            // IL and JMP are active while their condition lets the lines after them run.
            const bool conditional = el.form.op == OpCode::Il || el.form.op == OpCode::Jmp;
            flow.m_active[e] = conditional && flow.net(el.inNet);
            continue;
        }
        if (el.kind == ElementKind::Word) {
            flow.m_active[e] = flow.net(el.inNet); // powered as the scan reached it
            continue;
        }
        if (el.kind != ElementKind::Coil) {
            continue;
        }
        bool energised = flow.net(el.inNet);
        lastWritten(el, plc, energised);
        flow.m_active[e] = energised;
    }
    return flow;
}

} // namespace rungbox::ladder

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerFlow.h"

#include "engine/AddressMap.h"

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
        break;
    }
    return false;
}

} // namespace

PowerFlow PowerFlow::evaluate(const Layout& layout, const engine::Controller& plc) {
    PowerFlow flow;
    const std::vector<Element>& elements = layout.elements();
    flow.m_nets.assign(static_cast<std::size_t>(layout.netCount()), 0);
    flow.m_active.assign(elements.size(), 0);
    flow.m_values.assign(elements.size(), 0);
    flow.m_nets[0] = 1;

    for (std::size_t e = 0; e < elements.size(); ++e) {
        const Element& el = elements[e];
        if (el.kind == ElementKind::Contact) {
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
        if (el.kind != ElementKind::Coil) {
            continue;
        }
        bool energised = flow.net(el.inNet);
        if (el.lastWriter && inRange(el.number, engine::kRelayCount)) {
            energised = plc.relay(el.number) != (el.form.op == OpCode::OutNot);
        }
        flow.m_active[e] = energised;
    }
    return flow;
}

} // namespace rungbox::ladder

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

#include "LayoutBuilder.h"
#include "engine/AddressMap.h"
#include "engine/LineSyntax.h"
#include "engine/Program.h"

#include <algorithm>

namespace rungbox::ladder {

// --- Queries ---------------------------------------------------------------------------------

Layout Layout::build(std::span<const LineText> lines, engine::InstructionSet set) {
    Layout layout;
    layout.m_set = set;
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
    if (element.extended) {
        return element.operand;
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

std::optional<int> forceByte(const Element& element) {
    if (element.kind != ElementKind::Contact && element.kind != ElementKind::Coil) {
        return std::nullopt;
    }
    if (!element.extended) {
        return element.form.operand == Operand::Relay ? std::optional(element.number)
                                                      : std::nullopt;
    }
    const auto& address = element.address;
    if (!address || !address->valid() || address->area == engine::Area::Timer ||
        address->area == engine::Area::Counter) {
        return std::nullopt;
    }
    return engine::workspaceByte(*address);
}

std::optional<names::Address> nameableAddress(engine::BitAddress address) {
    switch (address.area) {
    case engine::Area::Relay:
        return address.number <= engine::kLastRelay
                   ? std::optional(names::Address::relay(address.number))
                   : std::nullopt;
    case engine::Area::Timer:
        return address.number < engine::kTimerCount
                   ? std::optional(names::Address::timer(address.number))
                   : std::nullopt;
    case engine::Area::Counter:
        return address.number < engine::kCounterCount
                   ? std::optional(names::Address::counter(address.number))
                   : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<names::Address> wordNameAddress(const WordCell& cell) {
    if (!cell.operand || cell.operand->constant) {
        return std::nullopt;
    }
    const engine::WordAddress word = cell.operand->address;
    switch (word.area) {
    case engine::WordArea::TimerValue:
        return nameableAddress({engine::Area::Timer, word.number});
    case engine::WordArea::CounterValue:
        return nameableAddress({engine::Area::Counter, word.number});
    default: {
        const names::Address named = names::Address::of(word);
        return named.valid(engine::InstructionSet::Extended) ? std::optional(named) : std::nullopt;
    }
    }
}

std::optional<names::Address> operandAddress(const Element& element) {
    if (element.problem == Problem::MissingOperand) {
        return std::nullopt;
    }
    if (element.extended) {
        return element.address ? nameableAddress(*element.address) : std::nullopt;
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
    case Operand::Jump:
    case Operand::Word: // classic programs have no words
        return std::nullopt;
    }
    return address.valid() ? std::optional<names::Address>(address) : std::nullopt;
}

namespace {

// The words of the problems that read differently in the extended set; empty for the others.
std::string extendedProblemText(const Element& element) {
    const OpCode op = element.form.op;
    switch (element.problem) {
    case Problem::MissingOperand:
        return "LOCATION is blank";
    case Problem::OperandRange:
        switch (element.form.operand) {
        case Operand::Timer:
            return "timer out of range (0 to 127)";
        case Operand::Counter:
            return "counter out of range (0 to 127)";
        case Operand::Jump:
            return "jump number out of range (0 to 49)";
        default:
            return "address out of range";
        }
    case Problem::ShiftRange:
        return "register end outside the first bit's area";
    case Problem::SetValueRange:
        return "set value out of range (#0000 to #9999)";
    case Problem::WordOperand:
        return "operand out of range (a word or #0000 to #FFFF)";
    case Problem::WordWrite:
        return "operand cannot be written";
    case Problem::OperandLine:
        return "third operand missing below (a line with an empty code cell)";
    case Problem::MissingBranches:
        return op == OpCode::Keep   ? "needs two branches: set, reset"
               : op == OpCode::Cntr ? "needs three branches: increment, decrement, reset"
                                    : std::string();
    default:
        return {};
    }
}

} // namespace

std::string problemText(const Element& element) {
    const OpCode op = element.form.op;
    if (element.extended) {
        if (std::string text = extendedProblemText(element); !text.empty()) {
            return text;
        }
    }
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
        case Operand::Jump:
        case Operand::Word:
            break;
        }
        return "LOCATION out of range (0 to 20000)";
    case Problem::ShiftRange:
        return "register end out of range (0 to 20000)";
    case Problem::SetValueRange:
        return op == OpCode::Tim ? "set value too high (#0 to #600)"
                                 : "set value too high (#0 to #9999)";
    case Problem::BadAddress:
        return "address out of range";
    case Problem::ReadOnly:
        return "a timer, counter or special relay cannot be written";
    case Problem::JumpRegion:
        return op == OpCode::Jmp ? "its jump number is already open"
                                 : "no open JMP with its number";
    case Problem::WordOperand:
    case Problem::WordWrite:
    case Problem::OperandLine:
        break; // extended programs only (extendedProblemText)
    }
    return {};
}

} // namespace rungbox::ladder

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instruction.h"

#include <array>

namespace rungbox::engine {

namespace {

// A word pattern: kEmpty matches a missing word only, kAny matches anything, any other text
// matches exactly that word.
constexpr std::string_view kAny = "\x01*";
constexpr std::string_view kEmpty = "";

struct Row {
    std::string_view w0, w1, w2;
    Form form;
};

constexpr Form cond(OpCode op, Operand operand, bool negated) {
    return {op, operand, negated};
}

// The instruction table. The first row that matches the words of a line gives its form; a line
// that matches no row cannot be executed.
constexpr std::array kTable{
    // Contacts: LD, AND, OR, each optionally followed by NOT, then optionally TIM or CNT.
    Row{"LD", kEmpty, kAny, cond(OpCode::Ld, Operand::Relay, false)},
    Row{"LD", "CNT", kAny, cond(OpCode::Ld, Operand::Counter, false)},
    Row{"LD", "TIM", kAny, cond(OpCode::Ld, Operand::Timer, false)},
    Row{"LD", "NOT", kEmpty, cond(OpCode::Ld, Operand::Relay, true)},
    Row{"LD", "NOT", "CNT", cond(OpCode::Ld, Operand::Counter, true)},
    Row{"LD", "NOT", "TIM", cond(OpCode::Ld, Operand::Timer, true)},
    Row{"AND", kEmpty, kAny, cond(OpCode::And, Operand::Relay, false)},
    Row{"AND", "CNT", kAny, cond(OpCode::And, Operand::Counter, false)},
    Row{"AND", "TIM", kAny, cond(OpCode::And, Operand::Timer, false)},
    Row{"AND", "NOT", kEmpty, cond(OpCode::And, Operand::Relay, true)},
    Row{"AND", "NOT", "CNT", cond(OpCode::And, Operand::Counter, true)},
    Row{"AND", "NOT", "TIM", cond(OpCode::And, Operand::Timer, true)},
    Row{"OR", kEmpty, kAny, cond(OpCode::Or, Operand::Relay, false)},
    Row{"OR", "CNT", kAny, cond(OpCode::Or, Operand::Counter, false)},
    Row{"OR", "TIM", kAny, cond(OpCode::Or, Operand::Timer, false)},
    Row{"OR", "NOT", kEmpty, cond(OpCode::Or, Operand::Relay, true)},
    Row{"OR", "NOT", "CNT", cond(OpCode::Or, Operand::Counter, true)},
    Row{"OR", "NOT", "TIM", cond(OpCode::Or, Operand::Timer, true)},
    // Block combinations: the LOCATION cell is not used.
    Row{"AND", "BLK", kAny, {OpCode::AndBlk, Operand::None, false}},
    Row{"OR", "BLK", kAny, {OpCode::OrBlk, Operand::None, false}},
    // Outputs.
    Row{"OUT", kEmpty, kAny, {OpCode::Out, Operand::Relay, false}},
    Row{"OUT", "NOT", kAny, {OpCode::OutNot, Operand::Relay, false}},
    // These ignore every word after the first.
    Row{"TIM", kAny, kAny, {OpCode::Tim, Operand::Timer, false}},
    Row{"CNT", kAny, kAny, {OpCode::Cnt, Operand::Counter, false}},
    Row{"DIFU", kAny, kAny, {OpCode::Difu, Operand::Relay, false}},
    Row{"SFT", kAny, kAny, {OpCode::Sft, Operand::Relay, false}},
    Row{"END", kAny, kAny, {OpCode::End, Operand::None, false}},
};

// The extended set's own instructions; the classic table is read first.
constexpr std::array kExtendedTable{
    Row{"KEEP", kAny, kAny, {OpCode::Keep, Operand::Relay, false}},
    Row{"DIFD", kAny, kAny, {OpCode::Difd, Operand::Relay, false}},
    Row{"SET", kAny, kAny, {OpCode::Set, Operand::Relay, false}},
    Row{"RSET", kAny, kAny, {OpCode::Rset, Operand::Relay, false}},
    Row{"IL", kAny, kAny, {OpCode::Il, Operand::None, false}},
    Row{"ILC", kAny, kAny, {OpCode::Ilc, Operand::None, false}},
    Row{"JMP", kAny, kAny, {OpCode::Jmp, Operand::Jump, false}},
    Row{"JME", kAny, kAny, {OpCode::Jme, Operand::Jump, false}},
    Row{"CNTR", kAny, kAny, {OpCode::Cntr, Operand::Counter, false}},
    Row{"TIMH", kAny, kAny, {OpCode::Timh, Operand::Timer, false}},
    Row{"MOV", kAny, kAny, {OpCode::Mov, Operand::Word, false}},
    Row{"MVN", kAny, kAny, {OpCode::Mvn, Operand::Word, false}},
    Row{"CMP", kAny, kAny, {OpCode::Cmp, Operand::Word, false}},
    Row{"INC", kAny, kAny, {OpCode::Inc, Operand::Word, false}},
    Row{"DEC", kAny, kAny, {OpCode::Dec, Operand::Word, false}},
    Row{"ADD", kAny, kAny, {OpCode::Add, Operand::Word, false}},
    Row{"SUB", kAny, kAny, {OpCode::Sub, Operand::Word, false}},
    Row{"CLC", kAny, kAny, {OpCode::Clc, Operand::None, false}},
    Row{"STC", kAny, kAny, {OpCode::Stc, Operand::None, false}},
    Row{"BIN", kAny, kAny, {OpCode::Bin, Operand::Word, false}},
    Row{"BCD", kAny, kAny, {OpCode::Bcd, Operand::Word, false}},
};

// The instructions with an "@" form (once on the rising edge of their condition): the word
// instructions that change data. CMP only sets flags and has none, as in the manuals.
bool differentiable(OpCode op) {
    return isWordInstruction(op) && op != OpCode::Cmp;
}

bool matches(std::string_view pattern, std::string_view word) {
    return pattern == kAny || pattern == word;
}

template <typename Table> Form lookUp(const Table& table, const Words& words) {
    for (const Row& row : table) {
        if (row.w0 == words[0] && matches(row.w1, words[1]) && matches(row.w2, words[2])) {
            return row.form;
        }
    }
    return {};
}

} // namespace

Form decodeForm(const Words& words) {
    return lookUp(kTable, words);
}

std::string_view mnemonic(std::string_view word) {
    // A function code is two or three digits in parentheses at the end of the word.
    const std::size_t open = word.find('(');
    if (open == std::string_view::npos || open == 0 || word.back() != ')') {
        return word;
    }
    const std::string_view code = word.substr(open + 1, word.size() - open - 2);
    if (code.empty() || code.size() > 3 ||
        code.find_first_not_of("0123456789") != std::string_view::npos) {
        return word;
    }
    return word.substr(0, open);
}

Form decodeForm(const Words& words, InstructionSet set) {
    if (set == InstructionSet::Classic) {
        return decodeForm(words);
    }
    Words plain = words;
    plain.word[0] = mnemonic(words[0]);
    const bool at = plain.word[0].size() > 1 && plain.word[0].front() == '@';
    if (at) {
        plain.word[0].remove_prefix(1);
        Form form = lookUp(kExtendedTable, plain);
        if (!differentiable(form.op)) {
            return {};
        }
        form.differentiated = true;
        return form;
    }
    const Form form = lookUp(kTable, plain);
    return form.op != OpCode::Invalid ? form : lookUp(kExtendedTable, plain);
}

} // namespace rungbox::engine

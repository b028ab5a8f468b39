// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The symbol table of one program: a name and a comment for some of its addresses, and the
// remark lines of its names file, in the order the file holds them.

#include "Address.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::names {

/// One name: at most one per address, unique ignoring case, following NameRules.
struct NameEntry {
    Address address;
    std::string name;
    std::string comment; ///< UTF-8, may be empty

    friend bool operator==(const NameEntry&, const NameEntry&) = default;
};

/// A line of the table: an entry, or a remark kept as written (a '#' line or a blank line).
struct NameLine {
    bool remark = false;
    std::string text; ///< the remark's text, without its line end
    NameEntry entry;  ///< valid when not a remark

    friend bool operator==(const NameLine&, const NameLine&) = default;
};

/// The names of one program. Every entry it holds is valid: set() refuses what breaks a rule.
class NameTable {
public:
    /// Adds `entry`, or replaces the entry of its address in place. Answers why it was refused
    /// (an invalid address, name or comment, or a name another address has), nothing when done.
    std::optional<std::string> set(NameEntry entry);
    /// Removes the entry of `address`; false when it had none.
    bool remove(Address address);
    /// set() for a new entry, put at line `index` (at most the number of lines) instead of at
    /// the end: an undone removal puts the entry back where it was.
    std::optional<std::string> insert(std::size_t index, NameEntry entry);
    /// The line index of the entry of `address`; nothing when it has none.
    std::optional<std::size_t> indexOf(Address address) const;
    /// Appends a remark line (`text` without its line end).
    void addRemark(std::string text);

    /// The entry of `address`, or null. Valid until the table changes.
    const NameEntry* find(Address address) const;
    /// The entry named `name` ignoring case, or null. Valid until the table changes.
    const NameEntry* findName(std::string_view name) const;
    /// The name of `address`, empty when it has none. A special relay without an entry has its
    /// symbol name ("P_On" for 253.13).
    std::string nameOf(Address address) const;
    /// The address `name` stands for, ignoring case: an entry's, or in extended tables a special
    /// relay's symbol name (P_On, P_1s, ...), which names its relay unless an entry names it.
    std::optional<Address> addressNamed(std::string_view name) const;
    /// The programs whose addresses the table names (Classic unless set): set() refuses the
    /// addresses other programs do not have.
    engine::InstructionSet instructionSet() const { return m_set; }
    void setInstructionSet(engine::InstructionSet set) { m_set = set; }

    /// Why `name` cannot name `address` (NameRules, or another address has it); nothing when it
    /// can.
    std::optional<std::string> nameProblemFor(std::string_view name, Address address) const;

    /// Every line, in order.
    const std::vector<NameLine>& lines() const { return m_lines; }
    /// The entries in their order, without the remarks.
    std::vector<NameEntry> entries() const;
    /// The number of entries.
    std::size_t size() const { return m_byAddress.size(); }
    /// True when there is no line at all, neither entry nor remark.
    bool empty() const { return m_lines.empty(); }

    friend bool operator==(const NameTable& a, const NameTable& b) {
        return a.m_lines == b.m_lines;
    }

private:
    void reindex();

    engine::InstructionSet m_set = engine::InstructionSet::Classic;
    std::vector<NameLine> m_lines;
    std::map<Address, std::size_t> m_byAddress;  ///< line index of each entry
    std::map<std::string, std::size_t> m_byName; ///< line index by upperCase(name)
};

/// The word that the name `name` of `table` stands for, ignoring case: the word a word entry
/// names, or the present value of the timer or counter a bit entry names (a name of TIM 3 gives
/// the word TIM 3). Nothing for other names, and in classic tables. Scripts and the watch table
/// read a name this way where a word is expected.
std::optional<engine::WordAddress> wordNamed(const NameTable& table, std::string_view name);

} // namespace rungbox::names

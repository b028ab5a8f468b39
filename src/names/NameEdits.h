// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Editing the names table as a user types into it: what a typed name, comment or address comes
// to (a step, nothing, or the reason it is refused), the rows the table shows, and the steps
// undone and done again. The window's names table and the page's names panel both edit this
// way, with the same words.

#include "NameTable.h"

#include "l10n/Mark.h"
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::names {

/// Why a typed address is refused.
inline constexpr std::string_view kNotAnAddress =
    QT_TRANSLATE_NOOP("Names", "Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.");
/// Why a comment for an address without a name is refused.
inline constexpr std::string_view kNameFirst =
    QT_TRANSLATE_NOOP("Names", "Give the address a name first.");

/// One edit of one address's name and comment: its entry before and after (nothing: no name),
/// and the line of the table where the entry goes when it is new there.
struct NameStep {
    Address address;
    std::optional<NameEntry> before;
    std::optional<NameEntry> after;
    std::size_t index = 0;

    friend bool operator==(const NameStep&, const NameStep&) = default;
};

/// What a typed text comes to: a step to take, or none (it changes nothing, or it is refused
/// with `problem` saying why).
struct NameEdit {
    std::optional<NameStep> step;
    std::string problem; ///< empty when the text is taken

    bool refused() const { return !problem.empty(); }
};

/// `typed` (blanks around it dropped) as the name of `address` in `table`; an empty name
/// removes the address's name and comment.
NameEdit nameEdit(const NameTable& table, Address address, std::string_view typed);

/// `typed` as the comment of `address`, which must have a name unless `typed` is empty.
NameEdit commentEdit(const NameTable& table, Address address, std::string_view typed);

/// The address `typed` names, with blanks around it and in any case ("tim 3"); nothing when it
/// names none.
std::optional<Address> typedAddress(std::string_view typed);
/// typedAddress in programs of `set`: extended programs take every spelling of their addresses
/// ("10.00", "w0.00", "h1.05", "tim12", "p_on").
std::optional<Address> typedAddress(std::string_view typed, engine::InstructionSet set);

/// Puts `state` as the entry of `address` in `table` (nothing: no name), at line `index` when
/// the address has no entry yet. What a step does (its `after`) and undoes (its `before`).
void putEntry(NameTable& table, Address address, const std::optional<NameEntry>& state,
              std::size_t index);

/// The rows of the names table: the named addresses in the table's order, then the addresses of
/// `candidates` (the program's and those the user added) that have no name, in address order,
/// each once.
std::vector<Address> nameRows(const NameTable& table, std::vector<Address> candidates);

/// The steps taken on one table, to undo and take again. Taking a step forgets those undone.
class NameHistory {
public:
    /// The most steps kept: each holds two entries of a few hundred bytes, so a thousand take a
    /// few hundred KB; the oldest go first.
    static constexpr std::size_t kMaxSteps = 1000;

    /// Takes `step` on `table` and keeps it.
    void take(NameTable& table, NameStep step);
    /// Undoes the last step taken on `table`; false when there is none.
    bool undo(NameTable& table);
    /// Takes the last undone step again; false when there is none.
    bool redo(NameTable& table);
    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    std::size_t count() const { return m_done.size(); }
    void clear();

private:
    std::vector<NameStep> m_done;
    std::vector<NameStep> m_undone;
};

/// What an editor of a names table keeps beside its undo steps: the table as it last left it,
/// and the addresses typed to be named that have no name yet. A table that changed other than
/// through the editor (a program loaded, New, a program restored) is another program's: the
/// editor then forgets its steps (follow() says when) and the addresses it added.
class NameFollower {
public:
    /// Follows `table` as it is now.
    explicit NameFollower(const NameTable& table) : m_seen(table) {}

    /// True when `table` is not as the editor last left it: it is taken as seen, the added
    /// addresses are forgotten, and the caller forgets its undo steps.
    bool follow(const NameTable& table);
    /// The editor changed `table` itself (a step taken, undone or taken again).
    void edited(const NameTable& table) { m_seen = table; }
    /// Lists `address` to be named; false when it is listed already.
    bool add(Address address);
    /// The addresses added, in the order they came.
    const std::vector<Address>& added() const { return m_added; }

private:
    NameTable m_seen;
    std::vector<Address> m_added;
};

} // namespace rungbox::names

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameEdits.h"

#include "NameRules.h"

#include <algorithm>

namespace rungbox::names {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

NameEdit stepTo(const NameTable& table, Address address, std::optional<NameEntry> after) {
    const NameEntry* old = table.find(address);
    NameStep step{address, old ? std::optional<NameEntry>(*old) : std::nullopt, std::move(after),
                  table.indexOf(address).value_or(table.lines().size())};
    return {std::move(step), {}};
}

} // namespace

NameEdit nameEdit(const NameTable& table, Address address, std::string_view typed) {
    const std::string_view name = trimmed(typed);
    const NameEntry* old = table.find(address);
    if (name.empty()) {
        return old != nullptr ? stepTo(table, address, std::nullopt) : NameEdit{};
    }
    if (auto problem = table.nameProblemFor(name, address)) {
        return {std::nullopt, std::move(*problem)};
    }
    if (old != nullptr && old->name == name) {
        return {};
    }
    return stepTo(table, address,
                  NameEntry{address, std::string(name), old ? old->comment : std::string()});
}

NameEdit commentEdit(const NameTable& table, Address address, std::string_view typed) {
    const NameEntry* old = table.find(address);
    if (old == nullptr) {
        return {std::nullopt, typed.empty() ? std::string() : std::string(kNameFirst)};
    }
    if (auto problem = commentProblem(typed)) {
        return {std::nullopt, std::move(*problem)};
    }
    if (typed == old->comment) {
        return {};
    }
    return stepTo(table, address, NameEntry{address, old->name, std::string(typed)});
}

std::optional<Address> typedAddress(std::string_view typed) {
    return parseAddress(upperCase(trimmed(typed)));
}

std::optional<Address> typedAddress(std::string_view typed, engine::InstructionSet set) {
    return parseAddress(upperCase(trimmed(typed)), set);
}

void putEntry(NameTable& table, Address address, const std::optional<NameEntry>& state,
              std::size_t index) {
    if (!state) {
        table.remove(address);
    } else if (table.find(address) != nullptr) {
        table.set(*state);
    } else {
        table.insert(index, *state);
    }
}

std::vector<Address> nameRows(const NameTable& table, std::vector<Address> candidates) {
    std::vector<Address> rows;
    for (const NameEntry& entry : table.entries()) {
        rows.push_back(entry.address);
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (const Address address : candidates) {
        if (table.find(address) == nullptr) {
            rows.push_back(address);
        }
    }
    return rows;
}

void NameHistory::take(NameTable& table, NameStep step) {
    putEntry(table, step.address, step.after, step.index);
    m_undone.clear();
    if (m_done.size() == kMaxSteps) {
        m_done.erase(m_done.begin());
    }
    m_done.push_back(std::move(step));
}

bool NameHistory::undo(NameTable& table) {
    if (m_done.empty()) {
        return false;
    }
    NameStep step = std::move(m_done.back());
    m_done.pop_back();
    putEntry(table, step.address, step.before, step.index);
    m_undone.push_back(std::move(step));
    return true;
}

bool NameHistory::redo(NameTable& table) {
    if (m_undone.empty()) {
        return false;
    }
    NameStep step = std::move(m_undone.back());
    m_undone.pop_back();
    putEntry(table, step.address, step.after, step.index);
    m_done.push_back(std::move(step));
    return true;
}

void NameHistory::clear() {
    m_done.clear();
    m_undone.clear();
}

bool NameFollower::follow(const NameTable& table) {
    if (table == m_seen) {
        return false;
    }
    m_seen = table;
    m_added.clear();
    return true;
}

bool NameFollower::add(Address address) {
    if (std::find(m_added.begin(), m_added.end(), address) != m_added.end()) {
        return false;
    }
    m_added.push_back(address);
    return true;
}

} // namespace rungbox::names

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameTable.h"

#include "NameRules.h"

#include "l10n/Mark.h"
#include <algorithm>

namespace rungbox::names {

std::optional<std::string> NameTable::nameProblemFor(std::string_view name, Address address) const {
    if (auto problem = nameProblem(name)) {
        return problem;
    }
    const NameEntry* other = findName(name);
    if (other != nullptr && other->address != address) {
        return "\"" + other->name + "\" already names " + addressText(other->address) + ".";
    }
    return std::nullopt;
}

std::optional<std::string> NameTable::set(NameEntry entry) {
    if (!entry.address.valid(m_set)) {
        return QT_TRANSLATE_NOOP("Names", "No such address.");
    }
    if (auto problem = nameProblemFor(entry.name, entry.address)) {
        return problem;
    }
    if (auto problem = commentProblem(entry.comment)) {
        return problem;
    }
    const auto at = m_byAddress.find(entry.address);
    if (at != m_byAddress.end()) {
        NameEntry& old = m_lines[at->second].entry;
        m_byName.erase(upperCase(old.name));
        m_byName[upperCase(entry.name)] = at->second;
        old = std::move(entry);
        return std::nullopt;
    }
    const std::size_t index = m_lines.size();
    m_byAddress[entry.address] = index;
    m_byName[upperCase(entry.name)] = index;
    m_lines.push_back({false, {}, std::move(entry)});
    return std::nullopt;
}

bool NameTable::remove(Address address) {
    const auto at = m_byAddress.find(address);
    if (at == m_byAddress.end()) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at->second));
    reindex();
    return true;
}

std::optional<std::string> NameTable::insert(std::size_t index, NameEntry entry) {
    const Address address = entry.address;
    if (find(address) != nullptr) {
        return addressText(address) + " has a name already.";
    }
    if (auto problem = set(std::move(entry))) {
        return problem;
    }
    // set() appended it; move it to its place.
    NameLine line = std::move(m_lines.back());
    m_lines.pop_back();
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_lines.size())),
                   std::move(line));
    reindex();
    return std::nullopt;
}

std::optional<std::size_t> NameTable::indexOf(Address address) const {
    const auto at = m_byAddress.find(address);
    return at == m_byAddress.end() ? std::nullopt : std::optional<std::size_t>(at->second);
}

void NameTable::addRemark(std::string text) {
    m_lines.push_back({true, std::move(text), {}});
}

void NameTable::reindex() {
    m_byAddress.clear();
    m_byName.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!m_lines[i].remark) {
            m_byAddress[m_lines[i].entry.address] = i;
            m_byName[upperCase(m_lines[i].entry.name)] = i;
        }
    }
}

const NameEntry* NameTable::find(Address address) const {
    const auto at = m_byAddress.find(address);
    return at == m_byAddress.end() ? nullptr : &m_lines[at->second].entry;
}

const NameEntry* NameTable::findName(std::string_view name) const {
    const auto at = m_byName.find(upperCase(name));
    return at == m_byName.end() ? nullptr : &m_lines[at->second].entry;
}

std::string NameTable::nameOf(Address address) const {
    if (const NameEntry* entry = find(address)) {
        return entry->name;
    }
    for (const engine::SpecialRelay& relay : engine::specialRelays()) {
        if (address == Address::relay(relay.flat)) {
            return std::string(relay.name);
        }
    }
    return {};
}

std::optional<Address> NameTable::addressNamed(std::string_view name) const {
    if (const NameEntry* entry = findName(name)) {
        return entry->address;
    }
    const std::string upper = upperCase(name);
    for (const engine::SpecialRelay& relay : engine::specialRelays()) {
        if (m_set == engine::InstructionSet::Extended && upperCase(relay.name) == upper) {
            return Address::relay(relay.flat);
        }
    }
    return std::nullopt;
}

std::vector<NameEntry> NameTable::entries() const {
    std::vector<NameEntry> list;
    list.reserve(size());
    for (const NameLine& line : m_lines) {
        if (!line.remark) {
            list.push_back(line.entry);
        }
    }
    return list;
}

std::optional<engine::WordAddress> wordNamed(const NameTable& table, std::string_view name) {
    const auto address = table.instructionSet() == engine::InstructionSet::Extended
                             ? table.addressNamed(name)
                             : std::nullopt;
    if (!address) {
        return std::nullopt;
    }
    switch (address->kind) {
    case Address::Kind::Timer:
        return engine::WordAddress{engine::WordArea::TimerValue, address->number};
    case Address::Kind::Counter:
        return engine::WordAddress{engine::WordArea::CounterValue, address->number};
    default:
        return address->word();
    }
}

} // namespace rungbox::names

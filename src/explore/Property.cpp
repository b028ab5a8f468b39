// SPDX-License-Identifier: GPL-3.0-or-later
#include "Property.h"

#include "engine/AddressMap.h"
#include "names/NameTable.h"

#include <algorithm>

namespace rungbox::explore {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A character of a name after its first letter (NameRules).
bool isNameCharacter(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

// A recursive-descent reader of one expression:
//   or := and ('|' and)*     and := unary ('&' unary)*     unary := '!' unary | '(' or ')' | relay
//   relay := N | NAME
class PropertyReader {
public:
    PropertyReader(std::string_view text, Property& into, const names::NameTable* names)
        : m_text(text), m_into(into), m_names(names) {}

    bool read(std::string& error) {
        if (!orExpression(0)) {
            error = m_error;
            return false;
        }
        skipBlanks();
        if (m_at != m_text.size()) {
            error = std::string("unexpected '") + m_text[m_at] + "'";
            return false;
        }
        return true;
    }

private:
    // Parentheses nest at most this deep; the bound keeps the reader's recursion shallow.
    static constexpr int kMaxNesting = 64;

    void skipBlanks() {
        while (m_at < m_text.size() && isBlank(m_text[m_at])) {
            ++m_at;
        }
    }

    bool accept(char c) {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool fail(std::string why) {
        if (m_error.empty()) {
            m_error = std::move(why);
        }
        return false;
    }

    bool emit(int code) {
        if (m_into.m_code.size() >= Property::kMaxTerms) {
            return fail("too long");
        }
        m_into.m_code.push_back(code);
        return true;
    }

    bool orExpression(int nesting) {
        if (!andExpression(nesting)) {
            return false;
        }
        while (accept('|')) {
            if (!andExpression(nesting) || !emit(Property::kOr)) {
                return false;
            }
        }
        return true;
    }

    bool andExpression(int nesting) {
        if (!unary(nesting)) {
            return false;
        }
        while (accept('&')) {
            if (!unary(nesting) || !emit(Property::kAnd)) {
                return false;
            }
        }
        return true;
    }

    bool unary(int nesting) {
        if (nesting > kMaxNesting) {
            return fail("nested too deeply");
        }
        if (accept('!')) {
            return unary(nesting + 1) && emit(Property::kNot);
        }
        if (accept('(')) {
            if (!orExpression(nesting + 1)) {
                return false;
            }
            return accept(')') || fail("missing ')'");
        }
        return relay();
    }

    bool relay() {
        skipBlanks();
        if (m_at < m_text.size() && isLetter(m_text[m_at])) {
            return namedRelay();
        }
        const std::size_t start = m_at;
        int address = 0;
        while (m_at < m_text.size() && isDigit(m_text[m_at])) {
            address = address * 10 + (m_text[m_at++] - '0');
            if (address > engine::kLastRelay) {
                return fail("relay number out of range (0 to 20000)");
            }
        }
        if (m_at == start) {
            return fail(m_at < m_text.size() ? std::string("unexpected '") + m_text[m_at] + "'"
                                             : std::string("relay number expected"));
        }
        return use(address);
    }

    // A name of the names table that names a relay.
    bool namedRelay() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && isNameCharacter(m_text[m_at])) {
            ++m_at;
        }
        const std::string_view name = m_text.substr(start, m_at - start);
        const names::NameEntry* entry = m_names ? m_names->findName(name) : nullptr;
        if (entry == nullptr) {
            return fail("unknown name \"" + std::string(name) + "\"");
        }
        if (entry->address.kind != names::Address::Kind::Relay) {
            return fail("\"" + entry->name + "\" names " + names::addressText(entry->address) +
                        ", not a relay");
        }
        return use(entry->address.number);
    }

    bool use(int address) {
        auto& relays = m_into.m_relays;
        if (std::find(relays.begin(), relays.end(), address) == relays.end()) {
            relays.insert(std::upper_bound(relays.begin(), relays.end(), address), address);
        }
        return emit(address);
    }

    std::string_view m_text;
    Property& m_into;
    const names::NameTable* m_names;
    std::size_t m_at = 0;
    std::string m_error;
};

std::optional<Property> Property::parse(std::string_view text, std::string* error,
                                        const names::NameTable* names) {
    std::string why;
    Property property;
    text = trimmed(text);
    property.m_text = std::string(text);
    std::string_view rest;
    if (text.starts_with("never") && (text.size() == 5 || isBlank(text[5]))) {
        rest = text.substr(5);
    } else if (text.starts_with("always") && (text.size() == 6 || isBlank(text[6]))) {
        property.m_always = true;
        rest = text.substr(6);
    } else {
        why = "a property starts with never or always";
    }
    if (why.empty()) {
        PropertyReader(rest, property, names).read(why);
    }
    if (!why.empty()) {
        if (error != nullptr) {
            *error = why;
        }
        return std::nullopt;
    }
    return property;
}

PropertyList parseProperties(std::string_view text, const names::NameTable* names) {
    PropertyList list;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string why;
        if (auto property = Property::parse(line, &why, names)) {
            list.properties.push_back(std::move(*property));
        } else {
            list.error = "line " + std::to_string(lineNumber) + ": " + why;
            list.properties.clear();
            break;
        }
    }
    return list;
}

} // namespace rungbox::explore

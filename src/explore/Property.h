// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Safety properties over relays after every scan, one a line:
//   never EXPR     EXPR is false after every scan
//   always EXPR    EXPR is true after every scan
// EXPR combines relays with ! (not), & (and), | (or) and parentheses, in that order of
// precedence: "never 1000 & 1001", "always !1002 | (1000 & 5)". A relay is its number (0 to
// 20000) or a name the program's names table gives it: "never MOTOR_OPEN & MOTOR_CLOSE".

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::names {
class NameTable;
}

namespace rungbox::explore {

class Property {
public:
    /// A property has at most this many relay numbers and operators: far more than a line a
    /// person writes, and it lets evaluation use a fixed stack.
    static constexpr std::size_t kMaxTerms = 512;

    /// Reads `text`, taking the names of `names` (not kept; none when null) for their relays.
    /// Nothing, with the reason in `error` when given, unless it is a property.
    static std::optional<Property> parse(std::string_view text, std::string* error = nullptr,
                                         const names::NameTable* names = nullptr);

    /// True when the relays, read through `relay(address)`, keep the property.
    template <typename Read> bool holds(const Read& relay) const {
        std::array<bool, kMaxTerms> stack{};
        std::size_t depth = 0;
        for (const int code : m_code) {
            if (code >= 0) {
                stack[depth++] = relay(code);
            } else if (code == kNot) {
                stack[depth - 1] = !stack[depth - 1];
            } else {
                --depth;
                stack[depth - 1] = code == kAnd ? stack[depth - 1] && stack[depth]
                                                : stack[depth - 1] || stack[depth];
            }
        }
        return stack[0] == m_always;
    }

    /// Every relay the property names, ascending, once each.
    const std::vector<int>& relays() const { return m_relays; }
    /// The text as written, without surrounding blanks.
    const std::string& text() const { return m_text; }

private:
    friend class PropertyReader;

    // The expression in postfix order: relay addresses, or one of the operators below.
    static constexpr int kNot = -1;
    static constexpr int kAnd = -2;
    static constexpr int kOr = -3;

    bool m_always = false;
    std::vector<int> m_code;
    std::vector<int> m_relays;
    std::string m_text;
};

/// A property file: one property a line; blank lines and lines starting with # are skipped.
struct PropertyList {
    std::vector<Property> properties;
    std::string error; ///< empty, or the first line not understood: "line N: why"
};
/// Reads a property file, taking the names of `names` (none when null) as Property::parse does.
PropertyList parseProperties(std::string_view text, const names::NameTable* names = nullptr);

} // namespace rungbox::explore

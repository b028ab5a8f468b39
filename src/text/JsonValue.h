// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one reader of JSON: files a user or a course hands Rungbox (an exercise pack's pack.json,
// a published pack, a student's hand-in). Their bytes are untrusted: the reader takes only
// well-formed JSON (RFC 8259) in valid UTF-8, within limits on size and depth, and says where it
// stopped otherwise. It never throws.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::text {

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    JsonValue() = default;
    static JsonValue boolean(bool value);
    static JsonValue number(double value);
    static JsonValue string(std::string value);
    static JsonValue array(std::vector<JsonValue> items);
    /// Members by name; a name given twice keeps its last value, as JSON.parse does.
    static JsonValue object(std::map<std::string, JsonValue, std::less<>> members);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::Null; }

    /// The value when it is of the asked kind, else nothing.
    std::optional<bool> asBool() const;
    std::optional<double> asNumber() const;
    /// A number that is a whole number from `lowest` to `highest`, else nothing.
    std::optional<long long> asWhole(long long lowest, long long highest) const;
    /// The string (UTF-8) when this is a string, else nullptr.
    const std::string* asString() const;
    /// The items when this is an array, else nullptr.
    const std::vector<JsonValue>* asArray() const;
    /// The member `name` of an object, or nullptr (also when this is not an object).
    const JsonValue* member(std::string_view name) const;
    /// The members when this is an object, else nullptr.
    const std::map<std::string, JsonValue, std::less<>>* asObject() const;

    friend bool operator==(const JsonValue&, const JsonValue&);

private:
    Kind m_kind = Kind::Null;
    bool m_bool = false;
    double m_number = 0;
    std::string m_string;
    // Shared, never changed after construction: copies are cheap and values stay immutable.
    std::shared_ptr<const std::vector<JsonValue>> m_items;
    std::shared_ptr<const std::map<std::string, JsonValue, std::less<>>> m_members;
};

/// How much a reader takes. The defaults hold any pack file Rungbox writes many times over;
/// they keep a hostile file from exhausting memory or the stack.
struct JsonLimits {
    std::size_t maxBytes = 64U << 20; ///< the whole text (a published pack with pictures)
    int maxDepth = 64;                ///< nested arrays and objects
};

/// Where and why reading stopped.
struct JsonError {
    std::size_t offset = 0; ///< byte offset into the text
    std::string why;        ///< "expected ':'", "invalid UTF-8", "too deeply nested"...
};

/// Reads `text` as one JSON value, optionally surrounded by white space; nothing (and `error`,
/// when given, says why) unless the whole text is one well-formed value within `limits`.
std::optional<JsonValue> parseJson(std::string_view text, JsonError* error = nullptr,
                                   const JsonLimits& limits = {});

/// `value` written as JSON (compact; members in name order; numbers shortest-exact, whole
/// numbers without a point); strings through appendJsonString in UTF-8.
std::string jsonText(const JsonValue& value);

} // namespace rungbox::text

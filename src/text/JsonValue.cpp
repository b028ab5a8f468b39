// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonValue.h"

#include "JsonString.h"
#include "Utf8.h"

#include <cassert>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <utility>

namespace rungbox::text {

JsonValue JsonValue::boolean(bool value) {
    JsonValue v;
    v.m_kind = Kind::Bool;
    v.m_bool = value;
    return v;
}

JsonValue JsonValue::number(double value) {
    JsonValue v;
    v.m_kind = Kind::Number;
    v.m_number = value;
    return v;
}

JsonValue JsonValue::string(std::string value) {
    JsonValue v;
    v.m_kind = Kind::String;
    v.m_string = std::move(value);
    return v;
}

JsonValue JsonValue::array(std::vector<JsonValue> items) {
    JsonValue v;
    v.m_kind = Kind::Array;
    v.m_items = std::make_shared<const std::vector<JsonValue>>(std::move(items));
    return v;
}

JsonValue JsonValue::object(std::map<std::string, JsonValue, std::less<>> members) {
    JsonValue v;
    v.m_kind = Kind::Object;
    v.m_members =
        std::make_shared<const std::map<std::string, JsonValue, std::less<>>>(std::move(members));
    return v;
}

std::optional<bool> JsonValue::asBool() const {
    return m_kind == Kind::Bool ? std::optional<bool>(m_bool) : std::nullopt;
}

std::optional<double> JsonValue::asNumber() const {
    return m_kind == Kind::Number ? std::optional<double>(m_number) : std::nullopt;
}

std::optional<long long> JsonValue::asWhole(long long lowest, long long highest) const {
    if (m_kind != Kind::Number || m_number != std::floor(m_number) ||
        m_number < static_cast<double>(lowest) || m_number > static_cast<double>(highest)) {
        return std::nullopt;
    }
    return static_cast<long long>(m_number);
}

const std::string* JsonValue::asString() const {
    return m_kind == Kind::String ? &m_string : nullptr;
}

const std::vector<JsonValue>* JsonValue::asArray() const {
    return m_kind == Kind::Array ? m_items.get() : nullptr;
}

const std::map<std::string, JsonValue, std::less<>>* JsonValue::asObject() const {
    return m_kind == Kind::Object ? m_members.get() : nullptr;
}

const JsonValue* JsonValue::member(std::string_view name) const {
    if (m_kind != Kind::Object) {
        return nullptr;
    }
    const auto found = m_members->find(name);
    return found == m_members->end() ? nullptr : &found->second;
}

bool operator==(const JsonValue& a, const JsonValue& b) {
    if (a.m_kind != b.m_kind) {
        return false;
    }
    switch (a.m_kind) {
    case JsonValue::Kind::Null:
        return true;
    case JsonValue::Kind::Bool:
        return a.m_bool == b.m_bool;
    case JsonValue::Kind::Number:
        return a.m_number == b.m_number;
    case JsonValue::Kind::String:
        return a.m_string == b.m_string;
    case JsonValue::Kind::Array:
        return *a.m_items == *b.m_items;
    case JsonValue::Kind::Object:
        return *a.m_members == *b.m_members;
    }
    return false;
}

namespace {

// A recursive-descent reader over the text; the first fault ends it.
class Reader {
public:
    Reader(std::string_view text, const JsonLimits& limits) : m_text(text), m_limits(limits) {}

    std::optional<JsonValue> document() {
        skipSpace();
        auto value = parseValue(0);
        skipSpace();
        if (value && m_at != m_text.size()) {
            return fail("unexpected text after the value");
        }
        return value;
    }

    JsonError error() const { return m_error; }

private:
    std::nullopt_t fail(std::string why) {
        if (m_error.why.empty()) {
            m_error = {m_at, std::move(why)};
        }
        return std::nullopt;
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_at]; }

    void skipSpace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++m_at;
        }
    }

    bool take(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    std::optional<JsonValue> parseValue(int depth) {
        switch (peek()) {
        case '{':
            return parseObject(depth + 1);
        case '[':
            return parseArray(depth + 1);
        case '"': {
            auto text = parseString();
            return text ? std::optional<JsonValue>(JsonValue::string(std::move(*text)))
                        : std::nullopt;
        }
        case 't':
            return take("true") ? std::optional<JsonValue>(JsonValue::boolean(true))
                                : fail("expected a value");
        case 'f':
            return take("false") ? std::optional<JsonValue>(JsonValue::boolean(false))
                                 : fail("expected a value");
        case 'n':
            return take("null") ? std::optional<JsonValue>(JsonValue()) : fail("expected a value");
        default:
            return parseNumber();
        }
    }

    std::optional<JsonValue> parseArray(int depth) {
        if (depth > m_limits.maxDepth) {
            return fail("too deeply nested");
        }
        ++m_at; // '['
        std::vector<JsonValue> items;
        skipSpace();
        if (take("]")) {
            return JsonValue::array(std::move(items));
        }
        for (;;) {
            skipSpace();
            auto item = parseValue(depth);
            if (!item) {
                return std::nullopt;
            }
            items.push_back(std::move(*item));
            skipSpace();
            if (take("]")) {
                return JsonValue::array(std::move(items));
            }
            if (!take(",")) {
                return fail("expected ',' or ']'");
            }
        }
    }

    std::optional<JsonValue> parseObject(int depth) {
        if (depth > m_limits.maxDepth) {
            return fail("too deeply nested");
        }
        ++m_at; // '{'
        std::map<std::string, JsonValue, std::less<>> members;
        skipSpace();
        if (take("}")) {
            return JsonValue::object(std::move(members));
        }
        for (;;) {
            skipSpace();
            if (peek() != '"') {
                return fail("expected a member name");
            }
            auto name = parseString();
            if (!name) {
                return std::nullopt;
            }
            skipSpace();
            if (!take(":")) {
                return fail("expected ':'");
            }
            skipSpace();
            auto value = parseValue(depth);
            if (!value) {
                return std::nullopt;
            }
            members.insert_or_assign(std::move(*name), std::move(*value));
            skipSpace();
            if (take("}")) {
                return JsonValue::object(std::move(members));
            }
            if (!take(",")) {
                return fail("expected ',' or '}'");
            }
        }
    }

    // Four hexadecimal digits of a \u escape.
    std::optional<char32_t> hex4() {
        if (m_text.size() - m_at < 4) {
            return fail("a \\u escape needs four hexadecimal digits");
        }
        char32_t value = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = m_text[m_at];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return fail("a \\u escape needs four hexadecimal digits");
            }
            ++m_at;
            value = value * 16 + static_cast<char32_t>(digit);
        }
        return value;
    }

    // A \u escape (after "\u"), a surrogate pair joined; a lone surrogate is refused.
    std::optional<char32_t> escapedCodePoint() {
        const auto first = hex4();
        if (!first || *first < 0xD800 || *first > 0xDFFF) {
            return first;
        }
        if (*first >= 0xDC00 || !take("\\u")) {
            return fail("a lone surrogate");
        }
        const auto second = hex4();
        if (!second || *second < 0xDC00 || *second > 0xDFFF) {
            return second ? fail("a lone surrogate") : std::nullopt;
        }
        return 0x10000 + ((*first - 0xD800) << 10) + (*second - 0xDC00);
    }

    static void appendUtf8(std::string& out, char32_t c) {
        const auto byte = [&out](unsigned value) { out += static_cast<char>(value); };
        if (c < 0x80) {
            byte(c);
        } else if (c < 0x800) {
            byte(0xC0 | (c >> 6));
            byte(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            byte(0xE0 | (c >> 12));
            byte(0x80 | ((c >> 6) & 0x3F));
            byte(0x80 | (c & 0x3F));
        } else {
            byte(0xF0 | (c >> 18));
            byte(0x80 | ((c >> 12) & 0x3F));
            byte(0x80 | ((c >> 6) & 0x3F));
            byte(0x80 | (c & 0x3F));
        }
    }

    bool escape(std::string& out) {
        const char c = peek();
        ++m_at;
        constexpr std::string_view from = "\"\\/bfnrt";
        constexpr std::string_view to = "\"\\/\b\f\n\r\t";
        if (const auto at = from.find(c); at != std::string_view::npos && c != '\0') {
            out += to[at];
            return true;
        }
        if (c != 'u') {
            --m_at;
            fail("an unknown escape");
            return false;
        }
        const auto code = escapedCodePoint();
        if (code) {
            appendUtf8(out, *code);
        }
        return code.has_value();
    }

    std::optional<std::string> parseString() {
        ++m_at; // '"'
        std::string out;
        while (!atEnd()) {
            const char c = peek();
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return fail("a control character in a string");
            }
            if (c == '\\') {
                ++m_at;
                if (!escape(out)) {
                    return std::nullopt;
                }
                continue;
            }
            const std::size_t length = utf8Length(m_text, m_at);
            if (length == 0) {
                return fail("invalid UTF-8");
            }
            out.append(m_text.substr(m_at, length));
            m_at += length;
        }
        return fail("a string without its closing quote");
    }

    // Digits from here, how many.
    std::size_t digits() {
        const std::size_t start = m_at;
        while (!atEnd() && peek() >= '0' && peek() <= '9') {
            ++m_at;
        }
        return m_at - start;
    }

    // JSON's number grammar checked here, its value read as C++ reads a double.
    std::optional<JsonValue> parseNumber() {
        const std::size_t start = m_at;
        const bool negative = take("-");
        const std::size_t intStart = m_at;
        const std::size_t intDigits = digits();
        if (intDigits == 0 || (intDigits > 1 && m_text[intStart] == '0')) {
            m_at = start;
            return fail("expected a value");
        }
        if (take(".") && digits() == 0) {
            return fail("a fraction needs digits");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (!take("-")) {
                take("+");
            }
            if (digits() == 0) {
                return fail("an exponent needs digits");
            }
        }
        // Read by the classic locale's conversion: correctly rounded, and blind to the desktop's
        // decimal comma (Qt sets the C library's locale from the desktop).
        std::istringstream digitsRead(std::string(m_text.substr(intStart, m_at - intStart)));
        digitsRead.imbue(std::locale::classic());
        double value = 0;
        digitsRead >> value;
        if (!std::isfinite(value) || digitsRead.fail()) {
            return fail("a number too large");
        }
        return JsonValue::number(negative ? -value : value);
    }

    std::string_view m_text;
    const JsonLimits& m_limits;
    std::size_t m_at = 0;
    JsonError m_error;
};

void write(std::string& out, const JsonValue& value) {
    switch (value.kind()) {
    case JsonValue::Kind::Null:
        out += "null";
        return;
    case JsonValue::Kind::Bool:
        out += *value.asBool() ? "true" : "false";
        return;
    case JsonValue::Kind::Number: {
        const double n = *value.asNumber();
        if (n == std::floor(n) && std::fabs(n) < 9007199254740992.0) {
            out += std::to_string(static_cast<long long>(n));
            return;
        }
        std::ostringstream written;
        written.imbue(std::locale::classic());
        written << std::setprecision(17) << n; // enough digits to read back the same double
        out += written.str();
        return;
    }
    case JsonValue::Kind::String:
        appendJsonString(out, *value.asString(), JsonChars::Utf8);
        return;
    case JsonValue::Kind::Array: {
        out += '[';
        const char* comma = "";
        for (const JsonValue& item : *value.asArray()) {
            out += comma;
            write(out, item);
            comma = ",";
        }
        out += ']';
        return;
    }
    case JsonValue::Kind::Object: {
        out += '{';
        const char* comma = "";
        for (const auto& [name, member] : *value.asObject()) {
            out += comma;
            appendJsonString(out, name, JsonChars::Utf8);
            out += ':';
            write(out, member);
            comma = ",";
        }
        out += '}';
        return;
    }
    }
}

} // namespace

std::optional<JsonValue> parseJson(std::string_view text, JsonError* error,
                                   const JsonLimits& limits) {
    if (text.size() > limits.maxBytes) {
        if (error != nullptr) {
            *error = {limits.maxBytes, "too large"};
        }
        return std::nullopt;
    }
    Reader reader(text, limits);
    auto value = reader.document();
    if (!value && error != nullptr) {
        *error = reader.error();
    }
    return value;
}

std::string jsonText(const JsonValue& value) {
    std::string out;
    write(out, value);
    return out;
}

} // namespace rungbox::text

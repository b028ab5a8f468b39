// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a JSON text (a pack's pack.json, a published pack, a hand-in): the reader ends
// without crashing within its limits, and a value it reads writes out as JSON that reads back to
// the same value, and writes the same again.
//
// Input: the text, as bytes.

#include "FuzzSupport.h"

#include "text/JsonValue.h"

#include <cmath>
#include <string_view>

using namespace rungbox;

namespace {

// NaN never equals itself; the reader makes none, so every value equals its own copy.
bool finiteThroughout(const text::JsonValue& value) {
    if (const auto n = value.asNumber()) {
        return std::isfinite(*n);
    }
    if (const auto* items = value.asArray()) {
        for (const auto& item : *items) {
            if (!finiteThroughout(item)) {
                return false;
            }
        }
    }
    if (const auto* members = value.asObject()) {
        for (const auto& [name, member] : *members) {
            if (!finiteThroughout(member)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    text::JsonError error;
    const auto value = text::parseJson(bytes, &error);
    if (!value) {
        fuzz::require(!error.why.empty() && error.offset <= size, "a refusal says where and why");
        return 0;
    }
    fuzz::require(finiteThroughout(*value), "numbers are finite");
    const std::string written = text::jsonText(*value);
    const auto again = text::parseJson(written);
    fuzz::require(again.has_value(), "what is written reads back");
    fuzz::require(text::jsonText(*again) == written, "writing is stable");
    return 0;
}

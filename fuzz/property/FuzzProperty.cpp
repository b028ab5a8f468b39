// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a property file, with a few names of relays and of a timer, gives properties or
// one complaint, never both: every relay a property names is in range, listed once and ascending,
// the property judges any relays without fault, and its own text reads back as the same property.
//
// Input: the text of a property file.

#include "FuzzSupport.h"

#include "engine/AddressMap.h"
#include "explore/Property.h"
#include "names/NameTable.h"

#include <algorithm>
#include <string_view>

using namespace rungbox;

namespace {

const names::NameTable& someNames() {
    static const names::NameTable table = [] {
        names::NameTable t;
        t.set({names::Address::relay(1000), "MOTOR", ""});
        t.set({names::Address::relay(0), "START", ""});
        t.set({names::Address::relay(20000), "LAST", ""});
        t.set({names::Address::timer(3), "DELAY", ""});
        return t;
    }();
    return table;
}

void checkProperty(const explore::Property& p) {
    const std::vector<int>& relays = p.relays();
    fuzz::require(!relays.empty(), "a property names a relay");
    fuzz::require(std::is_sorted(relays.begin(), relays.end()) &&
                      std::adjacent_find(relays.begin(), relays.end()) == relays.end(),
                  "relays ascending, once each");
    fuzz::require(relays.front() >= 0 && relays.back() <= engine::kLastRelay, "relays in range");
    const bool off = p.holds([](int) { return false; });
    const bool on = p.holds([](int) { return true; });
    const auto again = explore::Property::parse(p.text(), nullptr, &someNames());
    fuzz::require(again.has_value(), "the text reads back");
    fuzz::require(again->relays() == relays, "the same relays read back");
    fuzz::require(again->holds([](int) { return false; }) == off &&
                      again->holds([](int) { return true; }) == on,
                  "the same judgement read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const explore::PropertyList list = explore::parseProperties(text, &someNames());
    fuzz::require(list.error.empty() || list.properties.empty(), "properties or a complaint");
    for (const explore::Property& p : list.properties) {
        checkProperty(p);
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameTips.h"

#include "engine/AddressMap.h"

namespace rungbox::names {

namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Relay `n` as the table's programs write it: "1000", or "10.00" in extended programs.
std::string relayText(const NameTable& table, int n) {
    return addressText(Address::relay(n), table.instructionSet());
}

// "START (0): green push-button" for a named address, with its comment; empty without a name.
std::string nameTip(const NameTable& table, Address address) {
    const NameEntry* entry = table.find(address);
    if (entry == nullptr) {
        return {};
    }
    std::string tip = entry->name + " (" + addressText(address, table.instructionSet()) + ")";
    if (!entry->comment.empty()) {
        tip += ": " + entry->comment;
    }
    return tip;
}

} // namespace

std::string panelTip(const NameTable& table, PanelControl control, int n) {
    const std::string number = std::to_string(n);
    switch (control) {
    case PanelControl::InputSwitch: {
        const std::string tip = nameTip(table, Address::relay(n));
        return "Input " + twoDigits(n) + (tip.empty() ? "" : ": " + tip);
    }
    case PanelControl::InputLamp: {
        const std::string tip = nameTip(table, Address::relay(n));
        return "Input " + twoDigits(n) + ": relay " + relayText(table, n) +
               (tip.empty() ? "" : "; " + tip);
    }
    case PanelControl::OutputLamp: {
        const int relay = engine::kFirstOutputRelay + n;
        const std::string tip = nameTip(table, Address::relay(relay));
        return "Output " + twoDigits(n) + ": relay " + relayText(table, relay) +
               (tip.empty() ? "" : "; " + tip);
    }
    case PanelControl::TimerDisplay: {
        const std::string tip = nameTip(table, Address::timer(n));
        return "Timer " + number + " (TIM " + number + "): seconds left" +
               (tip.empty() ? "" : "; " + tip);
    }
    case PanelControl::CounterDisplay:
        break;
    }
    const std::string tip = nameTip(table, Address::counter(n));
    return "Counter " + number + " (CNT " + number + "): counts left" +
           (tip.empty() ? "" : "; " + tip);
}

std::string lineTip(const NameEntry* entry) {
    if (entry == nullptr) {
        return {};
    }
    return entry->comment.empty() ? entry->name : entry->name + ": " + entry->comment;
}

} // namespace rungbox::names

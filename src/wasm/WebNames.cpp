// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebNames.h"

#include "Json.h"
#include "editor/UsedAddresses.h"
#include "engine/AddressMap.h"
#include "names/NameTips.h"

#include <algorithm>

namespace rungbox::wasm {

WebNames::WebNames(WebSession& web) : m_web(web), m_follower(web.session().names()) {}

names::NameTable& WebNames::table() {
    return m_web.session().editor().names();
}

void WebNames::follow() {
    if (m_follower.follow(table())) {
        m_history.clear();
        ++m_revision;
    }
}

unsigned WebNames::revision() {
    follow();
    return m_revision;
}

std::string WebNames::rows() {
    follow();
    std::vector<names::Address> candidates = editor::addressesUsed(m_web.grid());
    candidates.insert(candidates.end(), m_follower.added().begin(), m_follower.added().end());
    std::string out = "[";
    for (const names::Address address : names::nameRows(table(), std::move(candidates))) {
        const names::NameEntry* entry = table().find(address);
        out += out.size() > 1 ? ",[" : "[";
        appendJsonString(out, names::addressText(address, table().instructionSet()));
        out += ',';
        appendJsonString(out, entry != nullptr ? entry->name : "");
        out += ',';
        appendJsonString(out, entry != nullptr ? entry->comment : "");
        out += ']';
    }
    return out + "]";
}

std::string WebNames::take(names::NameEdit edit) {
    if (edit.step) {
        m_history.take(table(), std::move(*edit.step));
        changed();
    }
    return edit.problem;
}

void WebNames::changed() {
    m_follower.edited(table());
    ++m_revision;
    m_web.session().editor().setCodeChanged(true);
}

std::string WebNames::setName(const std::string& address, const std::string& name) {
    follow();
    const auto at = names::parseAddress(address, table().instructionSet());
    return at ? take(names::nameEdit(table(), *at, name)) : std::string(names::kNotAnAddress);
}

std::string WebNames::setComment(const std::string& address, const std::string& comment) {
    follow();
    const auto at = names::parseAddress(address, table().instructionSet());
    return at ? take(names::commentEdit(table(), *at, comment)) : std::string(names::kNotAnAddress);
}

std::string WebNames::addAddress(const std::string& typed) {
    follow();
    const auto address = names::typedAddress(typed, table().instructionSet());
    if (!address) {
        return std::string(names::kNotAnAddress);
    }
    if (m_follower.add(*address)) {
        ++m_revision;
    }
    return {};
}

std::string WebNames::problemOf(const std::string& address, const std::string& name) {
    const auto at = names::parseAddress(address, table().instructionSet());
    if (!at || name.empty()) {
        return {};
    }
    return table().nameProblemFor(name, *at).value_or("");
}

bool WebNames::undo() {
    follow();
    if (!m_history.undo(table())) {
        return false;
    }
    changed();
    return true;
}

bool WebNames::redo() {
    follow();
    if (!m_history.redo(table())) {
        return false;
    }
    changed();
    return true;
}

std::string WebNames::panelTips() {
    using names::PanelControl;
    const struct {
        PanelControl control;
        int count;
    } parts[] = {{PanelControl::InputLamp, engine::kInputCount},
                 {PanelControl::InputSwitch, engine::kInputCount},
                 {PanelControl::OutputLamp, engine::kOutputCount},
                 {PanelControl::TimerDisplay, engine::kTimerCount},
                 {PanelControl::CounterDisplay, engine::kCounterCount}};
    std::string out = "[";
    for (const auto& part : parts) {
        out += out.size() > 1 ? ",[" : "[";
        for (int n = 0; n < part.count; ++n) {
            if (n > 0) {
                out += ',';
            }
            appendJsonString(out, names::panelTip(table(), part.control, n));
        }
        out += ']';
    }
    return out + "]";
}

std::string WebNames::lineTips() {
    std::string out;
    const int last = std::min(m_web.grid().rowCount() - 1, engine::kLastCodeLine);
    for (int line = 1; line <= last; ++line) {
        const auto address = editor::addressOfLine(m_web.grid(), line);
        out += names::lineTip(address ? table().find(*address) : nullptr);
        out += '\0';
    }
    return out;
}

std::optional<std::pair<std::string, std::string>> WebNames::takeSaved() {
    return m_web.files().takeSavedNames();
}

} // namespace rungbox::wasm

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebLadderEditor.h"

#include "Json.h"
#include "editor/Editor.h"
#include "names/Address.h"

namespace rungbox::wasm {

namespace {

// The page's picture at zoom 1 (web/src/ladder.ts): a cell's width, a row's height and the gap
// between rungs, in CSS pixels. The arrow keys pick the nearest element by these distances.
constexpr double kCellWidth = 72;
constexpr double kRowHeight = 40;
constexpr double kRungGap = 14;

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

WebLadderEditor::WebLadderEditor(WebSession& web)
    : m_session(web.session()), m_model(web.session().editor()) {}

bool WebLadderEditor::active() const {
    return !m_session.running() && m_session.grid().enabled();
}

// Says what an edit did: nothing (the grid shows it), or why it was refused. A new element
// opens its address for typing at once.
void WebLadderEditor::apply(const ladder::Outcome& outcome, bool created) {
    m_status = outcome.refusal;
    if (outcome.done() && created) {
        openForm();
    }
}

void WebLadderEditor::openForm() {
    ladder::AddressForm form = m_model.addressForm();
    if (form.open) {
        m_form = std::move(form);
    } else if (!form.refusal.empty()) {
        m_status = form.refusal;
    }
}

bool WebLadderEditor::key(const std::string& key, int mods) {
    if (!active() || (mods & kAlt) != 0) {
        return false; // Alt keys open menus
    }
    if ((mods & kCtrl) != 0) {
        return commandKey(key, (mods & kShift) != 0);
    }
    const std::pair<const char*, std::pair<int, int>> arrows[] = {{"ArrowLeft", {-1, 0}},
                                                                  {"ArrowRight", {1, 0}},
                                                                  {"ArrowUp", {0, -1}},
                                                                  {"ArrowDown", {0, 1}}};
    for (const auto& [name, step] : arrows) {
        if (key == name) {
            m_model.diagram().refresh();
            m_model.moveSelection(step.first, step.second,
                                  ladder::drawnBoxes(m_model.diagram().program().layout(),
                                                     kCellWidth, kRowHeight, kRungGap));
            return true;
        }
    }
    if (key == "Enter") {
        openAddress();
        return true;
    }
    if (key == "Escape") {
        m_status.clear();
        return true;
    }
    const std::string name = key.size() == 1 ? std::string(1, upper(key[0])) : key;
    if (const std::optional<ladder::Tool> tool =
            ladder::toolOfKey(name, m_session.grid().instructionSet())) {
        use(static_cast<int>(*tool));
        return true;
    }
    return false;
}

// Ctrl keys as in the grid: Z undoes, Y and Shift+Z redo.
bool WebLadderEditor::commandKey(const std::string& key, bool shift) {
    const std::string name = key.size() == 1 ? std::string(1, upper(key[0])) : key;
    if (name == "Z" && !shift) {
        undo();
    } else if (name == "Y" || name == "Z") {
        redo();
    } else {
        return false;
    }
    return true;
}

void WebLadderEditor::use(int tool) {
    const auto tools = ladder::drawingTools(engine::InstructionSet::Extended);
    if (!active() || tool < 0 || tool >= static_cast<int>(tools.size())) {
        return;
    }
    m_form.reset();
    const ladder::DrawingModel::Step step = m_model.use(static_cast<ladder::Tool>(tool));
    apply(step.outcome, step.created);
}

void WebLadderEditor::openAddress() {
    if (active()) {
        openForm();
    }
}

bool WebLadderEditor::confirmAddress(const std::string& address, const std::string& setValue) {
    if (!active() || !m_form) {
        return false;
    }
    // The set value field takes digits only (0 to 20000, as the window's); anything else is 0.
    const std::optional<int> digits = names::plainDecimal(setValue);
    const std::optional<int> value =
        m_form->hasSetValue ? std::optional<int>(digits.value_or(0)) : std::nullopt;
    const ladder::Outcome outcome = m_model.confirmAddress(address, value);
    m_status = outcome.refusal;
    if (outcome.done()) {
        m_form.reset();
    }
    return outcome.done();
}

void WebLadderEditor::cancelAddress() {
    if (!m_form) {
        return;
    }
    m_form.reset();
    m_model.cancelAddress();
}

void WebLadderEditor::undo() {
    if (active()) {
        m_form.reset();
        m_model.undo();
    }
}

void WebLadderEditor::redo() {
    if (active()) {
        m_form.reset();
        m_model.redo();
    }
}

std::string WebLadderEditor::copyRung() {
    return active() ? m_model.copyRung().value_or(std::string()) : std::string();
}

void WebLadderEditor::pasteRungs(const std::string& text) {
    if (active()) {
        apply(m_model.pasteRungs(text), false);
    }
}

void WebLadderEditor::moveRung(int delta) {
    if (active()) {
        apply(m_model.moveRung(delta < 0 ? -1 : 1), false);
    }
}

void WebLadderEditor::deleteRung() {
    if (active()) {
        apply(m_model.deleteRung(), false);
    }
}

void WebLadderEditor::clickLine(int line) {
    // While a run holds the grid, the cursor stays where it is.
    if (line > 0 && m_session.grid().enabled()) {
        m_session.grid().setLine(line);
    }
}

void WebLadderEditor::focus() {
    if (active() && m_model.selection().rung < 0) {
        m_model.selectCurrentRung();
    }
}

std::string WebLadderEditor::state() const {
    const bool on = active();
    std::string out = std::string("{\"active\":") + (on ? "1" : "0") + ",\"status\":";
    appendJsonString(out, m_status);
    out += ",\"line\":" + std::to_string(m_session.grid().line());
    out += std::string(",\"extended\":") + (m_session.grid().extended() ? "1" : "0");
    out += ",\"address\":";
    if (!on || !m_form) {
        return out + "null}";
    }
    out += "{\"address\":";
    appendJsonString(out, m_form->address);
    out += ",\"setValue\":" +
           (m_form->hasSetValue ? std::to_string(m_form->setValue) : std::string("null"));
    return out + "}}";
}

std::string WebLadderEditor::toolsJson() {
    std::string out = "[";
    for (const ladder::ToolInfo& info : ladder::drawingTools(engine::InstructionSet::Extended)) {
        out += out.size() > 1 ? ",{\"text\":" : "{\"text\":";
        appendJsonString(out, info.text);
        out += ",\"tip\":";
        appendJsonString(out, info.tip);
        out += ",\"key\":";
        appendJsonString(out, info.key);
        out += std::string(",\"extended\":") + (info.extended ? "1" : "0") + "}";
    }
    return out + "]";
}

} // namespace rungbox::wasm

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebSession.h"

#include "Json.h"
#include "editor/TypedText.h"
#include "files/CurrentFile.h"
#include "files/LadderFile.h"
#include "names/NamesFile.h"

#include <algorithm>

namespace rungbox::wasm {

WebSession::WebSession()
    : m_session(session::Ports{m_panel, m_panel, m_boxes, m_files, m_files, m_shell}),
      m_diagram(m_session) {
    m_session.addListener(&m_changes);
    m_session.setUp();
}

void WebSession::advance(double ms) {
    if (ms >= 1) {
        m_session.advance(static_cast<std::uint64_t>(ms));
    }
}

void WebSession::scan(std::uint32_t count) {
    for (std::uint32_t k = 0; k < count && m_session.running(); ++k) {
        m_session.scan();
    }
}

void WebSession::setSwitch(int n, bool on) {
    if (n >= 0 && n < engine::kInputCount && m_panel.inputSwitchEnabled(n)) {
        m_panel.setInputSwitch(n, on);
    }
}

namespace {

// The key a browser's KeyboardEvent.code names: by its place on the keyboard, so that Shift+1
// is the 1 key and a letter is the same key whatever Shift and Caps Lock, as in the window.
editor::KeyPress keyOfCode(std::string_view code) {
    using editor::Key;
    using editor::KeyPress;
    const auto tail = [&](std::string_view head) {
        return code.size() == head.size() + 1 && code.substr(0, head.size()) == head ? code.back()
                                                                                     : '\0';
    };
    if (const char c = tail("Key")) {
        return KeyPress::letter(c);
    }
    if (const char c = tail("Digit")) {
        return KeyPress::digit(c);
    }
    if (const char c = tail("Numpad")) {
        return KeyPress::keypadDigit(c);
    }
    static constexpr std::pair<std::string_view, Key> kNamed[] = {
        {"Backspace", Key::Backspace}, {"Enter", Key::Enter},       {"NumpadEnter", Key::Enter},
        {"Space", Key::Space},         {"Insert", Key::Insert},     {"Delete", Key::Delete},
        {"ArrowLeft", Key::Left},      {"ArrowRight", Key::Right},  {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down},      {"Home", Key::Home},         {"End", Key::End},
        {"PageUp", Key::PageUp},       {"PageDown", Key::PageDown}, {"ShiftLeft", Key::Shift},
        {"ShiftRight", Key::Shift},    {"ControlLeft", Key::Ctrl},  {"ControlRight", Key::Ctrl},
        {"AltLeft", Key::Alt},         {"AltRight", Key::Alt}};
    for (const auto& [name, key] : kNamed) {
        if (code == name) {
            return key;
        }
    }
    return Key::Other;
}

editor::KeyMods modsOfBits(int bits) {
    editor::KeyMods mods;
    for (const editor::KeyMod mod :
         {editor::KeyMod::Shift, editor::KeyMod::Ctrl, editor::KeyMod::Alt}) {
        if ((bits & static_cast<int>(mod)) != 0) {
            mods = mods | mod;
        }
    }
    return mods;
}

} // namespace

void WebSession::pressKey(const std::string& code, int mods) {
    m_session.editor().pressKey(keyOfCode(code), modsOfBits(mods));
}

void WebSession::typeText(const std::string& text) {
    for (const editor::KeyPress key : editor::keysOfText(text, m_session.grid().extended())) {
        m_session.editor().pressKey(key, {});
    }
}

void WebSession::select(int row, int col, int rowSel, int colSel) {
    if (m_session.grid().enabled()) {
        m_session.grid().select(row, col, rowSel, colSel);
    }
}

void WebSession::selectLine(int line) {
    if (m_session.grid().enabled()) {
        m_session.editor().selectLine(line);
    }
}

std::string WebSession::copyLines() {
    return m_session.grid().enabled() ? m_session.editor().copyLines().value_or("") : "";
}

std::string WebSession::cutLines() {
    return m_session.grid().enabled() ? m_session.editor().cutLines().value_or("") : "";
}

void WebSession::paste(const std::string& text) {
    m_session.paste(text);
}

void WebSession::queueAnswer(int answer) {
    // The page's numbers are the answers' order in platform::BoxAnswer; anything else is no
    // answer at all.
    const bool known = answer >= static_cast<int>(platform::BoxAnswer::Dismissed) &&
                       answer <= static_cast<int>(platform::BoxAnswer::No);
    m_boxes.queueAnswer(known ? static_cast<platform::BoxAnswer>(answer)
                              : platform::BoxAnswer::Dismissed);
}

void WebSession::newProgram() {
    m_session.newProgram();
    m_boxes.clearAnswers();
}

bool WebSession::load() {
    const bool loaded = m_session.load();
    m_boxes.clearAnswers();
    m_files.clearOffers();
    return loaded;
}

void WebSession::offerFiles(std::string name, std::string bytes) {
    if (m_names) {
        m_files.offerBeside(names::namesPathFor(name), std::move(*m_names));
        m_names.reset();
    }
    m_files.offer(std::move(name), std::move(bytes));
}

bool WebSession::offerAndLoad(std::string name, std::string bytes) {
    offerFiles(std::move(name), std::move(bytes));
    return load();
}

std::string WebSession::namesBytes() const {
    return names::namesFileText(m_session.names());
}

bool WebSession::saveAs() {
    const bool saved = m_session.saveAs();
    m_boxes.clearAnswers();
    return saved;
}

std::string WebSession::programBytes() const {
    return files::writeLadderFile(m_session.grid());
}

void WebSession::restoreFile(std::string name, std::string fileBytes) {
    if (!name.empty()) {
        // The file first, so that the window title tells whether the program differs from it.
        m_session.editor().setCodeChanged(false);
        offerFiles(name, std::move(fileBytes));
        m_session.open(name);
        m_files.clearOffers();
        m_boxes.takeMessages(); // a kept file that no longer loads leaves no current file
    }
    m_names.reset();
}

void WebSession::restoreGrid(const std::vector<std::string>& cells, bool changed,
                             engine::InstructionSet set) {
    m_session.editor().clearCode();
    m_session.grid().setInstructionSet(set);
    files::placeFields(m_session.grid(), cells);
    m_session.grid().select(1, editor::kCodeCol, 1, editor::kCodeCol);
    m_session.editor().history().clear();
    m_session.editor().setCodeChanged(changed);
}

bool WebSession::restore(std::string name, std::string fileBytes, std::string bytes, bool changed) {
    const files::LadderFileContents contents = files::readLadderFile(bytes);
    if (contents.status != files::ReadStatus::Ok) {
        m_names.reset();
        return false;
    }
    restoreFile(std::move(name), std::move(fileBytes));
    restoreGrid(contents.fields, changed, contents.set);
    return true;
}

void WebSession::restoreCells(std::string name, std::string fileBytes,
                              const std::vector<std::string>& cells, bool changed, bool extended) {
    restoreFile(std::move(name), std::move(fileBytes));
    restoreGrid(cells, changed,
                extended ? engine::InstructionSet::Extended : engine::InstructionSet::Classic);
}

bool WebSession::setExtended(bool on) {
    return m_session.setInstructionSet(on ? engine::InstructionSet::Extended
                                          : engine::InstructionSet::Classic);
}

void WebSession::restoreNames(const std::string& bytes) {
    m_session.editor().names() =
        names::readNamesFile(bytes, m_session.grid().instructionSet()).table;
}

std::string WebSession::currentFileName() {
    return files::fileName(m_session.files().currentFile().path());
}

bool WebSession::chooseModule(int index) {
    if (index < 0 || index >= static_cast<int>(machines::kModuleKinds)) {
        return false;
    }
    return m_session.chooseModule(static_cast<machines::ModuleKind>(index));
}

void WebSession::hand(Hand which, bool down) {
    machines::ModuleHost& modules = m_session.modules();
    const bool gate = which == Hand::GateRemote || which == Hand::GateStop;
    const auto wanted = gate ? machines::ModuleKind::Gate : machines::ModuleKind::Conveyor;
    if (!m_session.running() || modules.kind() != wanted) {
        return; // the machine works only during a run, as its window says
    }
    machines::PushButton& button = which == Hand::GateRemote      ? modules.gate().remote()
                                   : which == Hand::GateStop      ? modules.gate().stopButton()
                                   : which == Hand::ConveyorStart ? modules.conveyor().startButton()
                                                                  : modules.conveyor().stopButton();
    if (down) {
        // A click shorter than a scan still reaches one scan; holding keeps it down.
        button.press();
    }
    button.hold(down);
}

void WebSession::setCar(bool present) {
    if (m_session.running() && m_session.modules().kind() == machines::ModuleKind::Gate) {
        m_session.modules().gate().setCar(present);
    }
}

void WebSession::operate(int control, int touch) {
    machines::Plant* plant = m_session.modules().plant();
    if (!m_session.running() || plant == nullptr || control < 0 || touch < 0 ||
        touch > static_cast<int>(machines::Touch::Off)) {
        return;
    }
    plant->operate(static_cast<std::size_t>(control), static_cast<machines::Touch>(touch));
}

std::string WebSession::machineJson() const {
    return wasm::machineJson(m_session.modules(), m_session.running());
}

std::string WebSession::ladderJson() const {
    return wasm::ladderJson(m_diagram.monitor(), &m_diagram.names());
}

std::string WebSession::errorHintMessage() const {
    return textMessageJson(m_session.errorHint());
}

std::string WebSession::windowTitleMessage() const {
    return textMessageJson(m_session.files().windowTitleText());
}

} // namespace rungbox::wasm

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on the core: WebSession bound with embind. Strings cross as 8-bit text
// (EMBIND_STD_STRING_IS_UTF8=0), so a cell's bytes reach the page as the Latin-1 characters the
// window shows, and file bytes cross unchanged.

#include "Json.h"
#include "SavedFileValue.h"
#include "WebSession.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using rungbox::wasm::Hand;
using rungbox::wasm::WebSession;

std::string cell(const WebSession& web, int row, int col) {
    return web.grid().text(row, col);
}

// Every cell of the code lines, three to a line, each a string of its own: a cell may hold any
// byte, a NUL too (a loaded file's), so no byte can part them.
emscripten::val codeCells(const WebSession& web) {
    emscripten::val out = emscripten::val::array();
    for (int row = 1; row < web.grid().rowCount(); ++row) {
        for (int col = rungbox::editor::kCodeCol; col <= rungbox::editor::kSetValueCol; ++col) {
            out.call<void>("push", web.grid().text(row, col));
        }
    }
    return out;
}

// WebSession::restoreCells with the cells as a JavaScript array of strings.
void restoreCells(WebSession& web, std::string name, std::string fileBytes,
                  const emscripten::val& cells, bool changed, bool extended) {
    web.restoreCells(std::move(name), std::move(fileBytes),
                     emscripten::vecFromJSArray<std::string>(cells), changed, extended);
}

// The width of grid column `col` (0 to 3) in twips.
int columnWidth(const WebSession& web, int col) {
    return web.grid().columnWidth(col);
}

// [line, column, selectionLine, selectionColumn, enabled, rows]
emscripten::val cursor(const WebSession& web) {
    const auto& grid = web.grid();
    emscripten::val out = emscripten::val::array();
    out.call<void>("push", grid.line(), grid.column(), grid.selectionLine(), grid.selectionColumn(),
                   grid.enabled() ? 1 : 0, grid.rowCount());
    return out;
}

// The panel's lamps and menus as numbers: [input lamps, output lamps, switches, enabled
// switches, run lamp, File menu on, Module menu on], bit n for element n.
emscripten::val panelBits(const WebSession& web) {
    const auto& panel = web.panel();
    emscripten::val out = emscripten::val::array();
    out.call<void>("push", panel.inputLampBits(), panel.outputLampBits(), panel.inputSwitches(),
                   panel.switchEnabledBits(), panel.runLamp() ? 1 : 0,
                   panel.fileMenuEnabled() ? 1 : 0, panel.moduleMenuEnabled() ? 1 : 0);
    return out;
}

std::string timerText(const WebSession& web, int n) {
    return web.panel().timerDisplay(n);
}

std::string counterText(const WebSession& web, int n) {
    return web.panel().counterDisplay(n);
}

unsigned panelRevision(const WebSession& web) {
    return web.panel().revision();
}

// The message boxes shown since the last call, as a JSON array.
std::string takeMessages(WebSession& web) {
    return rungbox::wasm::messagesJson(web.boxes().takeMessages());
}

// The question that stopped the last command, as JSON, or "null".
std::string takeQuestion(WebSession& web) {
    const auto question = web.boxes().takeQuestion();
    return question ? rungbox::wasm::messageJson(*question) : "null";
}

bool takeOpenWanted(WebSession& web) {
    return web.files().takeOpenWanted();
}

// The last save as {name, bytes (a copy)}, or null.
emscripten::val takeSaved(WebSession& web) {
    return rungbox::wasm::savedFileValue(web.files().takeSaved());
}

void hand(WebSession& web, int which, bool down) {
    if (which >= 0 && which <= static_cast<int>(Hand::ConveyorStop)) {
        web.hand(static_cast<Hand>(which), down);
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(rungbox) {
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("toggleRun", &WebSession::toggleRun)
        .function("running", &WebSession::running)
        .function("paused", &WebSession::paused)
        .function("advance", &WebSession::advance)
        .function("scan", &WebSession::scan)
        .function("clockMs", &WebSession::clockMs)
        .function("setSwitch", &WebSession::setSwitch)
        .function("pressKey", &WebSession::pressKey)
        .function("typeText", &WebSession::typeText)
        .function("select", &WebSession::select)
        .function("selectLine", &WebSession::selectLine)
        .function("copyLines", &WebSession::copyLines)
        .function("cutLines", &WebSession::cutLines)
        .function("paste", &WebSession::paste)
        .function("gridRevision", &WebSession::gridRevision)
        .function("fileRevision", &WebSession::fileRevision)
        .class_function("maxCatchUpMs", &WebSession::maxCatchUpMs)
        .function("queueAnswer", &WebSession::queueAnswer)
        .function("newProgram", &WebSession::newProgram)
        .function("load", &WebSession::load)
        .function("offerAndLoad", &WebSession::offerAndLoad)
        .function("offerNames", &WebSession::offerNames)
        .function("offerBeside", &WebSession::offerBeside)
        .function("namesBytes", &WebSession::namesBytes)
        .function("saveAs", &WebSession::saveAs)
        .function("programBytes", &WebSession::programBytes)
        .function("restore", &WebSession::restore)
        .function("restoreCells", &restoreCells)
        .function("restoreNames", &WebSession::restoreNames)
        .function("windowTitle", &WebSession::windowTitle)
        .function("windowTitleMessage", &WebSession::windowTitleMessage)
        .function("currentFileName", &WebSession::currentFileName)
        .function("codeChanged", &WebSession::codeChanged)
        .function("extended", &WebSession::extended)
        .function("setExtended", &WebSession::setExtended)
        .function("errorHint", &WebSession::errorHint)
        .function("errorHintMessage", &WebSession::errorHintMessage)
        .function("chooseModule", &WebSession::chooseModule)
        .function("module", &WebSession::module)
        .function("setCar", &WebSession::setCar)
        .function("operate", &WebSession::operate)
        .function("machineJson", &WebSession::machineJson)
        .function("pollLadder", &WebSession::pollLadder)
        .function("ladderJson", &WebSession::ladderJson)
        .function("cell", &cell)
        .function("codeCells", &codeCells)
        .function("cursor", &cursor)
        .function("columnWidth", &columnWidth)
        .function("panelBits", &panelBits)
        .function("panelRevision", &panelRevision)
        .function("timerText", &timerText)
        .function("counterText", &counterText)
        .function("takeMessages", &takeMessages)
        .function("takeQuestion", &takeQuestion)
        .function("takeOpenWanted", &takeOpenWanted)
        .function("takeSaved", &takeSaved)
        .function("hand", &hand);
}

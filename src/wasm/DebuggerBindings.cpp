// SPDX-License-Identifier: GPL-3.0-or-later
// The page's debugger (WebDebugger) bound with embind, made from the page's WebSession.

#include "WebDebugger.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(rungbox_debugger) {
    using rungbox::wasm::WebDebugger;
    using rungbox::wasm::WebSession;
    emscripten::class_<WebDebugger>("WebDebugger")
        .constructor<WebSession&>()
        .function("revision", &WebDebugger::revision)
        .function("clockRevision", &WebDebugger::clockRevision)
        .function("togglePause", &WebDebugger::togglePause)
        .function("stepScan", &WebDebugger::stepScan)
        .function("stepTick", &WebDebugger::stepTick)
        .function("stepLine", &WebDebugger::stepLine)
        .function("toggleBreakpoint", &WebDebugger::toggleBreakpoint)
        .function("toggleBreakpointAtCursor", &WebDebugger::toggleBreakpointAtCursor)
        .function("stateJson", &WebDebugger::stateJson)
        .function("diagramMarksJson", &WebDebugger::diagramMarksJson)
        .function("addEntry", &WebDebugger::addEntry)
        .function("refusal", &WebDebugger::refusal)
        .function("removeEntry", &WebDebugger::removeEntry)
        .function("forceEntry", &WebDebugger::forceEntry)
        .function("watchJson", &WebDebugger::watchJson)
        .function("setEntryFormat", &WebDebugger::setEntryFormat)
        .function("forceEntryWord", &WebDebugger::forceEntryWord)
        .function("wordsJson", &WebDebugger::wordsJson)
        .function("setWordFormat", &WebDebugger::setWordFormat)
        .function("forceWord", &WebDebugger::forceWord)
        .function("dmJson", &WebDebugger::dmJson)
        .function("setDm", &WebDebugger::setDm);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handles for checking and proving: WebCheck and WebExplore, which need no session
// (a worker holds them with a core of its own).

#include "WebCheck.h"
#include "WebExplore.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

// WebCheck::check with the cells as a JavaScript array of strings and the progress as a
// function called with the simulated milliseconds made.
std::string check(rungbox::wasm::WebCheck& web, const emscripten::val& cells, bool extended,
                  const std::string& bytes, const std::string& namesBytes,
                  const emscripten::val& progress) {
    return web.check(emscripten::vecFromJSArray<std::string>(cells), extended, bytes, namesBytes,
                     [&progress](std::uint64_t ms) { progress(static_cast<double>(ms)); });
}

} // namespace

EMSCRIPTEN_BINDINGS(rungbox_check) {
    using rungbox::wasm::WebCheck;
    using rungbox::wasm::WebExplore;
    emscripten::class_<WebCheck>("WebCheck")
        .constructor<>()
        .function("check", &check)
        .function("runsVcd", &WebCheck::runsVcd)
        .function("showRuns", &WebCheck::showRuns)
        .function("focus", &WebCheck::focus);
    emscripten::class_<WebExplore>("WebExplore")
        .constructor<>()
        .function("compare", &WebExplore::compare)
        .function("prove", &WebExplore::prove)
        .function("advance", &WebExplore::advance)
        .function("cancel", &WebExplore::cancel)
        .function("progressText", &WebExplore::progressText)
        .function("cancelled", &WebExplore::cancelled)
        .function("resultText", &WebExplore::resultText)
        .function("script", &WebExplore::script)
        .function("runsVcd", &WebExplore::runsVcd)
        .function("runNames", &WebExplore::runNames)
        .function("takeMessages", &WebExplore::takeMessages);
}

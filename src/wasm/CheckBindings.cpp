// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handles for checking and proving: WebCheck over the page's session, and WebExplore,
// which needs no session (a worker holds it with a core of its own).

#include "WebCheck.h"
#include "WebExplore.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(rungbox_check) {
    using rungbox::wasm::WebCheck;
    using rungbox::wasm::WebExplore;
    using rungbox::wasm::WebSession;
    emscripten::class_<WebCheck>("WebCheck")
        .constructor<WebSession&>()
        .function("check", &WebCheck::check)
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

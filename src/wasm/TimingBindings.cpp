// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on the timing diagram: WebTiming bound with embind, made from the page's
// WebSession, or over a check's runs or a dump's scope (the page deletes those it made).

#include "WebTiming.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(rungbox_timing) {
    using rungbox::wasm::WebTiming;
    emscripten::class_<WebTiming>("WebTiming")
        .constructor<rungbox::wasm::WebSession&>()
        .class_function("overCheck", &WebTiming::overCheck)
        .class_function("overDump", &WebTiming::overDump)
        .class_function("dumpScopes", &WebTiming::dumpScopes)
        .function("live", &WebTiming::live)
        .function("setRecording", &WebTiming::setRecording)
        .function("recording", &WebTiming::recording)
        .function("stamp", &WebTiming::stamp)
        .function("track", &WebTiming::track)
        .function("zoomIn", &WebTiming::zoomIn)
        .function("zoomOut", &WebTiming::zoomOut)
        .function("fit", &WebTiming::fit)
        .function("showAt", &WebTiming::showAt)
        .function("scrollTo", &WebTiming::scrollTo)
        .function("fromMs", &WebTiming::fromMs)
        .function("msPerPixel", &WebTiming::msPerPixel)
        .function("totalPixels", &WebTiming::totalPixels)
        .function("scrollPixels", &WebTiming::scrollPixels)
        .function("cursorAt", &WebTiming::cursorAt)
        .function("clampCursor", &WebTiming::clampCursor)
        .function("addSignal", &WebTiming::addSignal)
        .function("removeSignal", &WebTiming::removeSignal)
        .function("status", &WebTiming::status)
        .function("pictureJson", &WebTiming::pictureJson)
        .function("saveVcd", &WebTiming::saveVcd)
        .function("exportName", &WebTiming::exportName);
}

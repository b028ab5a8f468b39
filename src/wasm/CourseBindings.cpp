// SPDX-License-Identifier: GPL-3.0-or-later
// The page's handle on an exercise pack: WebCourse, which needs no session.

#include "WebCourse.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(rungbox_course) {
    using rungbox::wasm::WebCourse;
    emscripten::class_<WebCourse>("WebCourse")
        .constructor<>()
        .function("open", &WebCourse::open)
        .function("isOpen", &WebCourse::isOpen)
        .function("close", &WebCourse::close)
        .function("packId", &WebCourse::packId)
        .function("packTitle", &WebCourse::packTitle)
        .function("exercisesJson", &WebCourse::exercisesJson)
        .function("statementJson", &WebCourse::statementJson)
        .function("file", &WebCourse::file)
        .function("starter", &WebCourse::starter)
        .function("starterNames", &WebCourse::starterNames)
        .function("tests", &WebCourse::tests)
        .function("setWork", &WebCourse::setWork)
        .function("clearWork", &WebCourse::clearWork)
        .function("handinText", &WebCourse::handinText);
}

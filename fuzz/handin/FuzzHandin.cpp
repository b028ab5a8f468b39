// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a student's hand-in (`.rbxsub`) a teacher grades: read within the limits or
// refused with a reason; a hand-in read writes out as a file that reads back the same.
//
// Input: the .rbxsub file's bytes.

#include "FuzzSupport.h"

#include "course/Bundle.h"

#include <string_view>

using namespace rungbox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto handin = course::readHandin(bytes, &why);
    if (!handin) {
        fuzz::require(!why.empty(), "a refusal says why");
        return 0;
    }
    fuzz::require(course::isPackId(handin->packId), "the pack's id is an id");
    for (const auto& [id, work] : handin->work) {
        fuzz::require(course::isPackId(id), "exercise ids are ids");
        fuzz::require(work.checks.passed <= work.checks.tests, "no more passed than tests");
    }
    fuzz::require(course::readHandin(course::handinText(*handin)) == handin,
                  "a hand-in reads back as written");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a published pack (`.rbxpack`) a student opens: read within the limits or refused
// with a reason; a pack read from it publishes a students' copy with no model solution or hidden
// test in it, which reads back as the same pack and travels as one file unchanged.
//
// Input: the .rbxpack file's bytes.

#include "FuzzSupport.h"

#include "course/Bundle.h"
#include "course/Pack.h"

#include <string_view>

using namespace rungbox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    auto files = course::readPackFile(bytes, &why);
    if (!files) {
        fuzz::require(!why.empty(), "a refusal says why");
        return 0;
    }
    fuzz::require(files->totalBytes() <= course::kMaxTotalBytes, "within the limits");
    fuzz::require(course::readPackFile(course::packFileText(*files)) == files,
                  "a pack's one file reads back the same");
    const course::PackRead read = course::readPack(*files);
    fuzz::require(read.pack.has_value() != !read.problems.empty(), "a pack or its problems");
    if (!read.pack) {
        return 0;
    }
    const course::Pack students = course::studentCopy(*read.pack);
    fuzz::require(!students.teachersCopy(), "the students' copy has no solution");
    for (const auto& exercise : read.pack->exercises) {
        for (const std::string* secret : {&exercise.files.solution, &exercise.files.hidden}) {
            fuzz::require(secret->empty() || !students.files.contains(*secret),
                          "no secret file is published");
        }
    }
    const course::PackRead again = course::readPack(students.files);
    fuzz::require(again.pack && again.pack->exercises == students.exercises,
                  "the students' copy reads back as itself");
    return 0;
}

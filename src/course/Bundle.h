// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one-file forms of a course's files: a published pack (`.rbxpack`) a student opens on the
// page or in the window, and a student's hand-in (`.rbxsub`). Both are JSON, so that the page
// reads them without a zip library and a teacher can look inside with any text editor:
//
//   {"format": "rungbox-pack-file", "version": 1, "files": {"pack.json": "<base64>", ...}}
//
//   {"format": "rungbox-handin", "version": 1, "pack": {"id": "week3", "title": "Week 3"},
//    "exercises": {"latch": {"program": "<base64 of latch.PLC>", "names": "<base64>",
//                            "checks": {"runs": 3, "passed": 4, "tests": 5}}}}
//
// File bytes travel as base64. Everything read goes through FileSet's checks.

#include "FileSet.h"
#include "Pack.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::course {

/// A pack's files as one `.rbxpack` file.
std::string packFileText(const FileSet& files);

/// The files of the `.rbxpack` file `bytes`, or nothing (`why`, when given, says what is wrong).
std::optional<FileSet> readPackFile(std::string_view bytes, std::string* why = nullptr);

/// What a student ran of an exercise's visible tests before handing it in.
struct CheckSummary {
    int runs = 0;   ///< how many times Check ran (0 to 1000000)
    int passed = 0; ///< tests passed in the last run (0 to tests)
    int tests = 0;  ///< visible tests in the last run (0 to 1000)
    friend bool operator==(const CheckSummary&, const CheckSummary&) = default;
};

/// One exercise's work as handed in.
struct HandedWork {
    std::string program; ///< the .PLC file's bytes
    std::string names;   ///< the .names file's bytes; empty without names
    CheckSummary checks;
    friend bool operator==(const HandedWork&, const HandedWork&) = default;
};

/// A student's hand-in: the pack it answers and the work on each exercise (by exercise id).
struct Handin {
    std::string packId;
    std::string packTitle;
    std::map<std::string, HandedWork, std::less<>> work;
    friend bool operator==(const Handin&, const Handin&) = default;
};

/// `handin` as one `.rbxsub` file.
std::string handinText(const Handin& handin);

/// The hand-in in `bytes`, or nothing (`why` says what is wrong). Exercise ids are pack ids,
/// files within FileSet's limits.
std::optional<Handin> readHandin(std::string_view bytes, std::string* why = nullptr);

} // namespace rungbox::course

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise pack: the folder a teacher writes and keeps in version control, and what is
// published of it for the students. Its `pack.json` names the pack and its exercises:
//
//   {"format": "rungbox-pack", "version": 1, "id": "week3", "title": "Week 3: timers",
//    "exercises": [{"id": "latch", "title": "A motor latch"}, ...]}
//
// Each exercise's files are found by its id: `ID.md` (the statement, Markdown), `ID.PLC` (the
// starter program), `ID.names` (its names, if any), `ID.script` (the visible tests), and in the
// teacher's copy only `ID.solution.PLC` (the model solution) and `ID.hidden.script` (hidden
// tests, if any). An exercise may name other files in a "files" member ({"statement": "x.md",
// "starter": ..., "names", "tests", "solution", "hidden"}). Any other file (pictures for the
// statements) travels with the pack.

#include "FileSet.h"

#include <optional>
#include <string>
#include <vector>

namespace rungbox::course {

/// The name of the pack's own description, at the top of the pack.
inline constexpr std::string_view kPackJson = "pack.json";
/// Longest pack or exercise id, and longest title (bytes): room for any course's, kept short
/// enough for a side panel and a report's column.
inline constexpr std::size_t kMaxIdBytes = 40;
inline constexpr std::size_t kMaxTitleBytes = 200;
/// Most exercises in one pack: a term's worth.
inline constexpr std::size_t kMaxExercises = 60;

/// An exercise's files by role; an empty path for a role it has no file for.
struct ExerciseFiles {
    std::string statement; ///< Markdown
    std::string starter;   ///< the program a student starts from (.PLC)
    std::string names;     ///< the starter's names (optional)
    std::string tests;     ///< the visible tests (a rungbox-sim script with `test` lines)
    std::string solution;  ///< teacher's copy only: the model solution (.PLC)
    std::string hidden;    ///< teacher's copy only: hidden tests (optional)
    friend bool operator==(const ExerciseFiles&, const ExerciseFiles&) = default;
};

struct Exercise {
    std::string id; ///< letters, digits, '_' and '-'; unique in its pack
    std::string title;
    ExerciseFiles files;
    friend bool operator==(const Exercise&, const Exercise&) = default;
};

struct Pack {
    std::string id;
    std::string title;
    std::vector<Exercise> exercises;
    /// Every file of the pack, pack.json included.
    FileSet files;

    /// The exercise `id`, or nullptr.
    const Exercise* exercise(std::string_view id) const;
    /// True when any exercise has its model solution: the teacher's copy.
    bool teachersCopy() const;
};

/// A pack read, or what is wrong with it: each problem on a line of its own, naming the file
/// ("pack.json: the exercises' ids must be unique: latch").
struct PackRead {
    std::optional<Pack> pack;
    std::vector<std::string> problems;
};

/// True for an id a pack or exercise may have: 1 to kMaxIdBytes ASCII letters, digits, '_' and
/// '-'.
bool isPackId(std::string_view id);

/// Reads the pack whose files are `files`: its pack.json, and every file it names there. The
/// statement, starter and visible tests must be there; names, solution and hidden tests may be.
PackRead readPack(FileSet files);

/// `pack` as the students get it: without the model solutions and hidden tests (their files
/// are left out, and so is any other file whose name says it is one), and with a pack.json that
/// no longer names them.
Pack studentCopy(const Pack& pack);

/// The pack.json that describes `pack` (in its own canonical form: the roles' files written
/// only where they differ from the id's).
std::string packJsonText(const Pack& pack);

} // namespace rungbox::course

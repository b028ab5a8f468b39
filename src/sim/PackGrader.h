// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teacher's side of an exercise pack in rungbox-sim: a pack folder read from disk, each
// exercise checked (its programs load, its scripts read, the model solution passes every test
// and the starter does not), and students' work graded by the exercise's tests and compared with
// the model solution.

#include "Runner.h"
#include "Script.h"
#include "TestResults.h"
#include "course/Pack.h"
#include "names/NameTable.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rungbox::sim {

/// course::readFolder() into `files`: every file under the folder `dir` by its path inside it.
/// False, with `why` naming the entry and what is wrong with it, when the folder is refused.
bool readFolder(const std::string& dir, course::FileSet& files, std::string& why);

/// A program as a file holds it, and its names file's bytes (empty: none).
struct ProgramFiles {
    std::string program;
    std::string names;
};

/// Loads `files` into `runner` as File > Load loads a file named `fileName` with its names file
/// beside it. True when loaded; otherwise runner.lastMessage() says why.
bool loadProgramFiles(Runner& runner, const std::string& fileName, const ProgramFiles& files);

/// An exercise's tests, read with the names of its starter.
struct ExerciseTests {
    std::string id;
    Script visible;
    std::optional<Script> hidden;
    std::optional<names::NameTable> names; ///< the exercise's names file, when it has one
    std::int64_t maxScore() const;
};

/// What pack check found in one exercise.
struct ExerciseCheck {
    std::string id;
    std::vector<std::string> problems; ///< each naming its file or test; empty: ok
    std::size_t visibleTests = 0;
    std::size_t hiddenTests = 0;
};

/// What pack check found in a whole pack.
struct PackCheck {
    std::optional<course::Pack> pack;  ///< the pack, when its pack.json reads
    std::vector<std::string> problems; ///< the pack's own (pack.json, files no exercise names)
    std::vector<ExerciseCheck> exercises;
    bool ok() const;
};

/// Checks the pack whose files are `files`.
PackCheck checkPack(course::FileSet files);

/// The tests of `exercise` of `pack`, or nothing with `why` set when they cannot be read whole.
std::optional<ExerciseTests> readExerciseTests(const course::Pack& pack,
                                               const course::Exercise& exercise, std::string& why);

/// A student's work: the program handed in for each exercise, by exercise id.
struct Submission {
    std::string student;
    std::map<std::string, ProgramFiles, std::less<>> work;
    std::string refusal; ///< when not empty, nothing is graded and this says why
};

/// How far grade --pack compares a program with the model solution.
struct PackGradeRequest {
    int jobs = 0;              ///< exercises graded at once; 0: one per core
    std::size_t maxStates = 0; ///< joint states explored; 0: the exploration's default
};

/// One student's results: every test of every exercise, named "EXERCISE: TEST", hidden tests
/// hidden; its output the feedback of each exercise in pack order.
std::vector<ProgramResult> gradeSubmissions(const course::Pack& pack,
                                            const std::vector<ExerciseTests>& tests,
                                            const std::vector<Submission>& submissions,
                                            const PackGradeRequest& request);

/// The tests a report names for `tests`, each named "EXERCISE: TEST".
std::vector<TestInfo> packReportedTests(const std::vector<ExerciseTests>& tests);

/// One column per exercise for the CSV report: its id and its points.
std::vector<TestInfo> exerciseColumns(const std::vector<ExerciseTests>& tests);

} // namespace rungbox::sim

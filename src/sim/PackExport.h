// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise pack turned into what the graders teachers already use take: a Gradescope
// autograder (a zip of setup.sh, run_autograder, the teacher's pack and a rungbox-sim that runs
// with nothing installed) and a GitHub Classroom template (the students' copy, an autograding
// step per visible test with its points, and the workflow that installs rungbox-sim). Both
// services run each student's grading on their own machines.

#include "course/FileSet.h"
#include "course/Pack.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::sim {

/// One visible test of a pack: its exercise, its name and its points.
struct PackTest {
    std::string exercise;
    std::string test;
    int points = 0;
};

/// The visible tests of every exercise of `pack`, in pack order then script order (from the
/// `test` lines of each exercise's visible script; a script without test lines gives one test
/// named "all" worth 1 point, passed when the whole script runs to its end).
std::vector<PackTest> visibleTests(const course::Pack& pack);

/// The Gradescope autograder of the teacher's `pack` as a zip archive: `setup.sh` and
/// `run_autograder` at its top, `rungbox-sim` (the bytes `staticSim` of a statically linked
/// rungbox-sim), and the pack under `pack/`. run_autograder grades the submission's `.rbxsub`
/// (or its .PLC files) with `grade --pack` into results/results.json; its root is /autograder,
/// or $RUNGBOX_AUTOGRADER_ROOT for trying it out elsewhere.
std::string gradescopeArchive(const course::Pack& pack, const std::string& staticSim);

/// The GitHub Classroom template of the teacher's `pack`: the students' copy at its top,
/// `.github/classroom/autograding.json` and `.github/workflows/classroom.yml` with a step per
/// visible test (`rungbox-sim --test NAME ID.PLC ID.script`) and its points, and
/// `.github/rungbox/rungbox-sim` (the bytes `staticSim`), which the workflow installs.
/// Files by path; `.github` paths included, which a pack's own files may not have.
std::map<std::string, std::string> classroomTemplate(const course::Pack& pack,
                                                     const std::string& staticSim);

/// The path in a classroom template of the rungbox-sim it carries; written executable.
inline constexpr std::string_view kClassroomSim = ".github/rungbox/rungbox-sim";

} // namespace rungbox::sim

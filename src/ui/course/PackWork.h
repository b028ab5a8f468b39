// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A student's work on the exercises of one pack, kept in a folder of its own beside the user's
// settings: `EXERCISE.PLC` and `EXERCISE.names` for each exercise started (from its starter), and
// `checks.json` with the runs of Check and the last run's result. Every file is written through
// the file system's safe save: a file is replaced only by a complete new one.

#include "course/Bundle.h"
#include "course/Pack.h"
#include "platform/Platform.h"

#include <map>
#include <string>

namespace rungbox::ui {

/// What the pack panel shows of an exercise.
enum class ExerciseState {
    NotStarted, ///< no work, or the work is still the starter
    Edited,     ///< the work differs from the starter
    Passed,     ///< the last Check passed every visible test
};

/// The words the panel shows for `state`: "not started", "edited", "all tests pass".
/// English; the panel shows them translated in the context "PackWork".
const char* stateText(ExerciseState state);

class PackWork {
public:
    /// The work in `folder` (made when first written), read and written through `fileSystem`,
    /// which must outlive it. The checks recorded there are read now.
    PackWork(platform::FileSystem& fileSystem, std::string folder);

    const std::string& folder() const { return m_folder; }
    /// Where the work on `exercise` is kept: `FOLDER/ID.PLC` (its names beside it).
    std::string programPath(const course::Exercise& exercise) const;

    /// Writes the starter program and names of `exercise` as its work unless work is already
    /// there (`restart`: over it, and its checks forgotten). False, with `error`, on a failure.
    bool start(const course::Pack& pack, const course::Exercise& exercise, bool restart,
               platform::FileError& error);

    ExerciseState state(const course::Pack& pack, const course::Exercise& exercise) const;
    /// The work on `exercise` as it is handed in: the starter's files where it was not started.
    course::HandedWork handed(const course::Pack& pack, const course::Exercise& exercise) const;
    /// The checks recorded for `exercise` (zeros without any).
    course::CheckSummary checks(const std::string& exerciseId) const;
    /// Records a run of Check on `exercise`: `passed` of `tests` visible tests passed.
    bool recordCheck(const std::string& exerciseId, int passed, int tests,
                     platform::FileError& error);

private:
    bool read(const std::string& path, std::string& bytes) const;
    bool write(const std::string& path, std::string_view bytes, platform::FileError& error);
    void readChecks();
    bool writeChecks(platform::FileError& error);

    platform::FileSystem& m_fileSystem;
    std::string m_folder;
    std::map<std::string, course::CheckSummary, std::less<>> m_checks;
};

} // namespace rungbox::ui

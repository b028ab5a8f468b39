// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pack kept as a folder (a teacher's working copy, a student's unzipped download) read into
// a FileSet: every file under the folder by its path inside it, within FileSet's limits. Hidden
// entries (a name starting with '.', such as version control's `.git`) are passed over; any
// other name a pack may not hold, a link leading out of the folder, or something that is not a
// file or a folder (a pipe would block the reader) refuses the whole folder, saying which.

#include "FileSet.h"

#include <optional>
#include <string>

namespace rungbox::course {

/// The files under `folder` (a path to a folder), or nothing with `why` (when given) naming the
/// entry that refused it ("pictures/a b.png: not a path inside the pack"). Links are followed
/// only while they stay inside `folder`.
std::optional<FileSet> readFolder(const std::string& folder, std::string* why = nullptr);

} // namespace rungbox::course

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A recording saved as a VCD file through the file-system port, as every front end exports it.

#include "Recorder.h"
#include "names/NameTable.h"
#include "platform/Platform.h"

#include <string>

namespace rungbox::trace {

/// Writes `recorder` (see VcdWriter) with the names of `names` (not owned, may be null) to the
/// file at `path` through `fileSystem`, safely: a file already there is replaced only by the
/// complete new one. False, with `error` set, when the file could not be written; whatever was
/// at `path` is then as it was.
bool saveVcd(const Recorder& recorder, platform::FileSystem& fileSystem, const std::string& path,
             platform::FileError& error, const names::NameTable* names = nullptr);

} // namespace rungbox::trace

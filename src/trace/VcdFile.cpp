// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcdFile.h"

#include "VcdWriter.h"

#include <sstream>

namespace rungbox::trace {

bool saveVcd(const Recorder& recorder, platform::FileSystem& fileSystem, const std::string& path,
             platform::FileError& error, const names::NameTable* names) {
    std::ostringstream text;
    VcdWriter(text).write(recorder, names);
    const auto file = fileSystem.beginSave(path, error);
    return file && file->write(text.str(), error) && file->commit(error);
}

} // namespace rungbox::trace

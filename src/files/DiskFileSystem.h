// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real file system behind the file commands (POSIX): whole-file reads and atomic saves.

#include "platform/Platform.h"

namespace rungbox::files {

/// The operating system's files. Saves go to a temporary file in the target's folder, are
/// flushed to disk and renamed over the target only when complete.
class DiskFileSystem : public platform::FileSystem {
public:
    bool readAll(const std::string& path, std::string& bytes, platform::FileError& error) override;
    std::unique_ptr<platform::SaveFile> beginSave(const std::string& path,
                                                  platform::FileError& error) override;
    bool remove(const std::string& path, platform::FileError& error) override;
};

} // namespace rungbox::files

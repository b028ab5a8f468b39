// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A zip archive of a few files, stored without compression: what a grading service takes as an
// autograder (Gradescope's zip of setup.sh, run_autograder and what they use). Stored entries
// keep the writer small and the archive readable by every unzip; the files are text and one
// program, so compression would save little.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::course {

/// CRC-32 (the zip and PNG polynomial, reflected 0xEDB88320) of `bytes`.
std::uint32_t crc32(std::string_view bytes);

class ZipWriter {
public:
    /// Adds a file at `path` (forward slashes, relative) with `bytes`; `executable` marks it
    /// runnable (Unix mode 0755, else 0644). Files keep the order they are added in.
    void add(std::string path, std::string bytes, bool executable = false);

    /// The archive: a local header and the bytes of each file, the central directory and its
    /// end record. Times are fixed (1980-01-01 00:00), so the same files give the same bytes.
    /// Files and the archive must stay below 4 GiB (no zip64): asserted.
    std::string archive() const;

private:
    struct Entry {
        std::string path;
        std::string bytes;
        bool executable = false;
    };
    std::vector<Entry> m_entries;
};

} // namespace rungbox::course

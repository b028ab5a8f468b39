// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files of an exercise pack or a hand-in, held in memory by their paths inside it. Whatever
// they came from (a folder, a published one-file pack, a student's upload), their paths and sizes
// are checked here, once: a path is relative and stays inside, and the whole fits in memory.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rungbox::course {

/// Limits on what a pack or a hand-in may hold. A course's pack is a few dozen small text files
/// and some pictures; the limits are far above that and far below what would hurt a phone.
inline constexpr std::size_t kMaxFileBytes = 4U << 20;   ///< one file (a picture)
inline constexpr std::size_t kMaxTotalBytes = 32U << 20; ///< all files together
inline constexpr std::size_t kMaxFiles = 400;
inline constexpr std::size_t kMaxPathBytes = 120;
inline constexpr int kMaxPathDepth = 4; ///< folders within folders: `pictures/week3/a.png`

/// True when `path` may name a file inside a pack: 1 to kMaxPathBytes bytes of segments
/// separated by '/', at most kMaxPathDepth of them, each of ASCII letters, digits, '.', '_' and
/// '-' and not starting with '.': no absolute path, no `..`, no hidden file, no backslash, the
/// same on every system.
bool isSafePath(std::string_view path);

class FileSet {
public:
    /// Adds `bytes` as `path`; false (and nothing added) for an unsafe path, a path already
    /// there, or a file beyond the limits. `why` then says which.
    bool add(std::string path, std::string bytes, std::string* why = nullptr);

    /// The file's bytes, or nullptr.
    const std::string* find(std::string_view path) const;
    bool contains(std::string_view path) const { return find(path) != nullptr; }
    /// Takes a file out; false when it was not there.
    bool remove(std::string_view path);

    const std::map<std::string, std::string, std::less<>>& files() const { return m_files; }
    std::size_t size() const { return m_files.size(); }
    std::size_t totalBytes() const { return m_total; }

    friend bool operator==(const FileSet&, const FileSet&) = default;

private:
    std::map<std::string, std::string, std::less<>> m_files;
    std::size_t m_total = 0;
};

} // namespace rungbox::course

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace rungbox::course {

namespace {

namespace fs = std::filesystem;

class FolderWalk {
public:
    explicit FolderWalk(fs::path root) : m_root(std::move(root)) {}

    bool walk(const fs::path& folder, const std::string& prefix, int depth);
    FileSet& files() { return m_files; }
    const std::string& why() const { return m_why; }

private:
    bool refuse(const std::string& path, const std::string& reason) {
        m_why = path + ": " + reason;
        return false;
    }
    bool staysInside(const fs::path& entry) const;
    bool readFile(const fs::path& file, const std::string& path);

    fs::path m_root; // canonical
    FileSet m_files;
    std::string m_why;
};

// True when `entry`, its links resolved, is the root or under it.
bool FolderWalk::staysInside(const fs::path& entry) const {
    std::error_code error;
    const fs::path target = fs::weakly_canonical(entry, error);
    if (error) {
        return false;
    }
    const auto [rootEnd, targetAt] =
        std::mismatch(m_root.begin(), m_root.end(), target.begin(), target.end());
    return rootEnd == m_root.end();
}

bool FolderWalk::readFile(const fs::path& file, const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) {
        return refuse(path, error.message());
    }
    if (size > kMaxFileBytes) {
        return refuse(path, "larger than a pack's file may be");
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        return refuse(path, "could not be read");
    }
    std::string reason;
    return m_files.add(path, std::move(bytes), &reason) || refuse(path, reason);
}

bool FolderWalk::walk(const fs::path& folder, const std::string& prefix, int depth) {
    std::error_code error;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    if (error) {
        return refuse(prefix.empty() ? folder.string() : prefix, error.message());
    }
    std::sort(entries.begin(), entries.end()); // the same refusal every time
    for (const fs::path& entry : entries) {
        const std::string name = entry.filename().string();
        if (name.front() == '.') {
            continue;
        }
        const std::string path = prefix + name;
        if (!isSafePath(path)) {
            return refuse(path, "not a path inside the pack");
        }
        if (fs::is_symlink(fs::symlink_status(entry, error)) && !staysInside(entry)) {
            return refuse(path, "a link out of the pack's folder");
        }
        const fs::file_status status = fs::status(entry, error);
        if (fs::is_directory(status)) {
            if (depth + 1 >= kMaxPathDepth) {
                return refuse(path, "folders nested deeper than a pack's may be");
            }
            if (!walk(entry, path + "/", depth + 1)) {
                return false;
            }
        } else if (!fs::is_regular_file(status)) {
            return refuse(path, "neither a file nor a folder");
        } else if (!readFile(entry, path)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<FileSet> readFolder(const std::string& folder, std::string* why) {
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error || !fs::is_directory(root, error)) {
        if (why != nullptr) {
            *why = folder + ": not a folder that can be read";
        }
        return std::nullopt;
    }
    FolderWalk walk(root);
    if (!walk.walk(root, "", 0)) {
        if (why != nullptr) {
            *why = walk.why();
        }
        return std::nullopt;
    }
    return std::move(walk.files());
}

} // namespace rungbox::course

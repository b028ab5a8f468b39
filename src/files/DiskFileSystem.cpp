// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskFileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rungbox::files {

using platform::FileError;
using platform::SaveFile;

namespace {

// A program file holds at most 899 short lines; anything near this size is not one. The cap keeps
// a wrongly chosen huge file (or an endless device) from exhausting memory.
constexpr std::size_t kMaxReadBytes = 64U * 1024U * 1024U;

FileError errorFrom(int number) {
    return {number, std::strerror(number)};
}

FileError lastError() {
    return errorFrom(errno);
}

// The folder part of `path` ("." when it has none), as the place for the temporary file.
std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

// The start of the file name of `path`, for naming its temporary file. Cut short so that the
// temporary name stays within the file system's name limit however long the file's own name is.
std::string shortNameOf(const std::string& path) {
    constexpr std::size_t kMaxNamePart = 64;
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.substr(0, kMaxNamePart);
}

// The process's umask. Linux shows it in /proc/self/status; setting it to read it back is the
// fallback, since that briefly changes it for every thread of the process.
mode_t currentUmask() {
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
        ::close(fd);
        if (n > 0) {
            buffer[n] = '\0';
            if (const char* line = std::strstr(buffer, "\nUmask:")) {
                char* end = nullptr;
                const unsigned long mask = std::strtoul(line + 7, &end, 8);
                if (end != line + 7) {
                    return static_cast<mode_t>(mask & 0777);
                }
            }
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The permission bits a newly created file gets from open(): 0666 less the umask.
mode_t newFileMode() {
    return 0666 & ~currentUmask();
}

// Fsyncs a folder so that a rename in it is on disk. Best effort: the rename has already taken
// effect, so a failure here does not make the save a failure.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Saving through a symbolic link writes the file the link names, not over the link, whether that
// file exists yet or not (a dangling link gets its file). Follows a chain of links to the first
// name that is not a link and puts it in `target`; a relative link is taken from its own folder.
// False (with `error` set) for a chain that does not end.
bool followLinks(const std::string& path, std::string& target, FileError& error) {
    // The kernel gives up on a path after 40 links (ELOOP); so does the save.
    constexpr int kMaxLinks = 40;
    target = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return true;
        }
        if (links == kMaxLinks) {
            error = errorFrom(ELOOP);
            return false;
        }
        char named[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), named, sizeof named);
        if (n < 0) {
            error = lastError();
            return false;
        }
        if (static_cast<std::size_t>(n) >= sizeof named) {
            error = errorFrom(ENAMETOOLONG);
            return false;
        }
        const std::string link(named, static_cast<std::size_t>(n));
        target = link.starts_with('/') ? link : folderOf(target) + "/" + link;
    }
}

class DiskSaveFile : public SaveFile {
public:
    DiskSaveFile(int fd, std::string tempPath, std::string target, mode_t mode)
        : m_fd(fd), m_tempPath(std::move(tempPath)), m_target(std::move(target)), m_mode(mode) {}

    /// The file replaces one owned by `owner`:`group`; the new file keeps that owner where the
    /// process may give it (only a privileged process can), and stays the process's otherwise.
    void keepOwner(uid_t owner, gid_t group) {
        if (::fchown(m_fd, owner, group) != 0) {
            // Not permitted: the new file belongs to whoever saves it, as any new file does.
        }
    }

    DiskSaveFile(const DiskSaveFile&) = delete;
    DiskSaveFile& operator=(const DiskSaveFile&) = delete;

    ~DiskSaveFile() override { discard(); }

    bool write(std::string_view bytes, FileError& error) override {
        if (m_fd < 0) {
            error = errorFrom(EBADF);
            return false;
        }
        while (!bytes.empty()) {
            const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                error = lastError();
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool commit(FileError& error) override {
        if (m_fd < 0) {
            error = errorFrom(EBADF);
            return false;
        }
        // Each step can be the first to report a write that failed on its way to the disk.
        if (::fchmod(m_fd, m_mode) != 0 || ::fsync(m_fd) != 0) {
            error = lastError();
            discard();
            return false;
        }
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            error = lastError();
            discard();
            return false;
        }
        if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
            error = lastError();
            discard();
            return false;
        }
        m_tempPath.clear();
        syncFolder(folderOf(m_target));
        return true;
    }

private:
    // Closes and removes the temporary file, if it is still there.
    void discard() {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        if (!m_tempPath.empty()) {
            ::unlink(m_tempPath.c_str());
            m_tempPath.clear();
        }
    }

    int m_fd;
    std::string m_tempPath; ///< empty once renamed or removed
    std::string m_target;
    mode_t m_mode;
};

} // namespace

bool DiskFileSystem::readAll(const std::string& path, std::string& bytes, FileError& error) {
    // Opened without blocking, so that a named pipe chosen by mistake cannot hang the window
    // before it is refused below; regular files read the same either way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = lastError();
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = lastError();
        ::close(fd);
        return false;
    }
    // Only a regular file can be a program file: a folder, device or pipe is refused.
    if (!S_ISREG(info.st_mode)) {
        error = errorFrom(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        return false;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = lastError();
            ::close(fd);
            return false;
        }
        if (n == 0) {
            break;
        }
        if (data.size() + static_cast<std::size_t>(n) > kMaxReadBytes) {
            error = errorFrom(EFBIG);
            ::close(fd);
            return false;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return true;
}

std::unique_ptr<SaveFile> DiskFileSystem::beginSave(const std::string& path, FileError& error) {
    if (path.empty()) {
        error = errorFrom(ENOENT);
        return nullptr;
    }
    std::string target;
    if (!followLinks(path, target, error)) {
        return nullptr;
    }

    mode_t mode = newFileMode();
    struct stat info {};
    const bool replacing = ::stat(target.c_str(), &info) == 0;
    if (replacing) {
        if (S_ISDIR(info.st_mode)) {
            error = errorFrom(EISDIR);
            return nullptr;
        }
        // Renaming over a device or a pipe would replace it with a plain file: refused.
        if (!S_ISREG(info.st_mode)) {
            error = errorFrom(EINVAL);
            return nullptr;
        }
        // A write-protected file stays protected: it is not replaced behind the user's back.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            error = lastError();
            return nullptr;
        }
        mode = info.st_mode & 0777;
    } else if (errno != ENOENT) {
        error = lastError();
        return nullptr;
    }

    std::string tempPath = folderOf(target) + "/." + shortNameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        error = lastError();
        return nullptr;
    }
    auto file = std::make_unique<DiskSaveFile>(fd, std::move(tempPath), std::move(target), mode);
    if (replacing && (info.st_uid != ::geteuid() || info.st_gid != ::getegid())) {
        file->keepOwner(info.st_uid, info.st_gid);
    }
    return file;
}

bool DiskFileSystem::remove(const std::string& path, FileError& error) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        error = lastError();
        return false;
    }
    return true;
}

} // namespace rungbox::files

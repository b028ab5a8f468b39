#pragma once

// The file operations the Load and Save As commands use, behind an interface so that tests can
// make any single operation fail. DiskFileSystem is the real one.

#include <memory>
#include <string>
#include <string_view>

namespace rungbox::files {

/// A failed file operation: the operating system's error number (errno) and its description.
struct FileError {
    int number = 0;
    std::string description;
};

/// A file being saved: written to a temporary file beside the target and put in the target's
/// place by commit(). Destroying it without a commit removes the temporary file and leaves the
/// target as it was.
class SaveFile {
public:
    virtual ~SaveFile() = default;
    /// Appends `bytes`. False (with `error` set) when the write failed.
    virtual bool write(std::string_view bytes, FileError& error) = 0;
    /// Flushes, closes and renames the temporary file over the target. False (with `error` set)
    /// when any of that failed; the target is then as it was and the temporary file is gone.
    virtual bool commit(FileError& error) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    /// Reads the whole file at `path` into `bytes`. False (with `error` set) when it cannot.
    virtual bool readAll(const std::string& path, std::string& bytes, FileError& error) = 0;
    /// Starts saving to `path`. nullptr (with `error` set) when the temporary file cannot be made.
    virtual std::unique_ptr<SaveFile> beginSave(const std::string& path, FileError& error) = 0;
};

/// The real file system (POSIX).
class DiskFileSystem : public FileSystem {
public:
    bool readAll(const std::string& path, std::string& bytes, FileError& error) override;
    std::unique_ptr<SaveFile> beginSave(const std::string& path, FileError& error) override;
};

} // namespace rungbox::files

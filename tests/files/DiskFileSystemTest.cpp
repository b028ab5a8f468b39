// The real file system: whole-file reads, and saves that replace the target only by a complete
// file written beside it.

#include "FileTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rungbox::files {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

bool save(DiskFileSystem& disk, const std::string& path, std::string_view bytes, FileError& error) {
    auto file = disk.beginSave(path, error);
    return file && file->write(bytes, error) && file->commit(error);
}

// --- Reading ---------------------------------------------------------------------------------

TEST(DiskRead, ReadsEveryByteAsItIs) {
    TempDir dir;
    std::string bytes("A\r\n\xE9\xFF\0\x80", 7);
    bytes += std::string(200000, 'x'); // more than one read's worth
    writeBytes(dir.file("p.PLC"), bytes);
    DiskFileSystem disk;
    std::string read;
    FileError error;
    ASSERT_TRUE(disk.readAll(dir.file("p.PLC"), read, error)) << error.description;
    EXPECT_EQ(read, bytes);
}

TEST(DiskRead, FailuresCarryErrnoAndItsDescription) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0); // refused at once, not waited on
    struct Row {
        std::string path;
        int number;
    };
    for (const Row& r : {Row{dir.file("missing.PLC"), ENOENT}, Row{dir.file("folder"), EISDIR},
                         Row{dir.file("missing/p.PLC"), ENOENT}, Row{dir.file("pipe"), EINVAL},
                         Row{"/dev/zero", EINVAL}}) {
        DiskFileSystem disk;
        std::string read = "untouched";
        FileError error;
        EXPECT_FALSE(disk.readAll(r.path, read, error)) << r.path;
        EXPECT_EQ(error.number, r.number) << r.path;
        EXPECT_EQ(error.description, std::strerror(r.number));
        EXPECT_EQ(read, "untouched");
    }
}

// --- Saving ----------------------------------------------------------------------------------

TEST(DiskSave, WritesBesideTheTargetAndRenamesOnCommit) {
    TempDir dir;
    const std::string target = dir.file("p.PLC");
    writeBytes(target, "old");
    DiskFileSystem disk;
    FileError error;
    auto file = disk.beginSave(target, error);
    ASSERT_TRUE(file) << error.description;
    ASSERT_TRUE(file->write("new ", error));
    ASSERT_TRUE(file->write("bytes", error));

    // Until the commit the target is the old file and the new one is a second, hidden name.
    EXPECT_EQ(readBytes(target), "old");
    const auto during = dir.entries();
    ASSERT_EQ(during.size(), 2U);
    EXPECT_TRUE(during[0].starts_with(".p.PLC.")) << during[0];

    ASSERT_TRUE(file->commit(error)) << error.description;
    EXPECT_EQ(readBytes(target), "new bytes");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
}

TEST(DiskSave, DroppedWithoutCommitRemovesTheTemporaryFile) {
    TempDir dir;
    const std::string target = dir.file("p.PLC");
    writeBytes(target, "old");
    DiskFileSystem disk;
    FileError error;
    {
        auto file = disk.beginSave(target, error);
        ASSERT_TRUE(file);
        ASSERT_TRUE(file->write("half", error));
    }
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});

    {
        auto file = disk.beginSave(dir.file("new.PLC"), error);
        ASSERT_TRUE(file);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
}

TEST(DiskSave, FailedCommitRemovesTheTemporaryFileAtOnce) {
    TempDir dir;
    const std::string target = dir.file("p.PLC");
    DiskFileSystem disk;
    FileError error;
    auto file = disk.beginSave(target, error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("new", error));
    // A folder took the name meanwhile: the rename cannot put the file in its place.
    std::filesystem::create_directory(target);
    EXPECT_FALSE(file->commit(error));
    EXPECT_EQ(error.number, EISDIR);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.PLC"});
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_FALSE(file->write("more", error)) << "a finished save takes no more bytes";
    EXPECT_FALSE(file->commit(error));
}

TEST(DiskSave, KeepsTheOldFilesPermissionBits) {
    TempDir dir;
    const std::string target = dir.file("p.PLC");
    writeBytes(target, "old");
    for (const mode_t mode : {0640, 0600, 0664, 0751}) {
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        DiskFileSystem disk;
        FileError error;
        ASSERT_TRUE(save(disk, target, "new", error)) << error.description;
        EXPECT_EQ(modeOf(target), mode);
    }
}

TEST(DiskSave, NewFileGetsTheUmasksMode) {
    TempDir dir;
    const mode_t saved = ::umask(027);
    DiskFileSystem disk;
    FileError error;
    const bool ok = save(disk, dir.file("a.PLC"), "x", error);
    ::umask(022);
    const bool ok2 = save(disk, dir.file("b.PLC"), "x", error);
    ::umask(saved);
    ASSERT_TRUE(ok && ok2) << error.description;
    EXPECT_EQ(modeOf(dir.file("a.PLC")), 0640U);
    EXPECT_EQ(modeOf(dir.file("b.PLC")), 0644U);
}

TEST(DiskSave, ThroughASymbolicLinkReplacesTheFileItPointsTo) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "real");
    writeBytes(dir.path() / "real" / "p.PLC", "old");
    std::filesystem::create_symlink("real/p.PLC", dir.path() / "link.PLC");
    DiskFileSystem disk;
    FileError error;
    ASSERT_TRUE(save(disk, dir.file("link.PLC"), "new", error)) << error.description;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.PLC"));
    EXPECT_EQ(readBytes(dir.path() / "real" / "p.PLC"), "new");
    EXPECT_EQ(TempDir::entriesOf(dir.path() / "real"), std::vector<std::string>{"p.PLC"});
}

TEST(DiskSave, RefusedTargetsLeaveNoFileBehind) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    struct Row {
        std::string path;
        int number;
    };
    for (const Row& r :
         {Row{dir.file("folder"), EISDIR}, Row{dir.file("folder/"), EISDIR},
          Row{dir.file("missing/p.PLC"), ENOENT}, Row{"", ENOENT}, Row{dir.file("pipe"), EINVAL}}) {
        DiskFileSystem disk;
        FileError error;
        EXPECT_FALSE(disk.beginSave(r.path, error)) << r.path;
        EXPECT_EQ(error.number, r.number) << r.path;
        EXPECT_EQ(error.description, std::strerror(r.number));
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"folder", "pipe"}));
        EXPECT_TRUE(std::filesystem::is_fifo(dir.path() / "pipe"));
        EXPECT_TRUE(TempDir::entriesOf(dir.path() / "folder").empty());
    }
}

TEST(DiskSave, VeryLongFileNameStillGetsATemporaryFile) {
    TempDir dir;
    const std::string name = std::string(240, 'n') + ".PLC";
    DiskFileSystem disk;
    FileError error;
    ASSERT_TRUE(save(disk, dir.file(name), "x", error)) << error.description;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
}

} // namespace
} // namespace rungbox::files

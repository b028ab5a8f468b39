// SPDX-License-Identifier: GPL-3.0-or-later
// A pack folder read into a FileSet: what is read, what is passed over, and what refuses it.

#include "course/FolderReader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace rungbox::course {
namespace {

namespace fs = std::filesystem;

class FolderReaderTest : public testing::Test {
public:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "rungbox-folder-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        m_base = name;
        m_pack = m_base / "pack";
        write("pack.json", "{}");
        write("latch.md", "# Latch");
        write("pictures/week3/panel.png", "png");
        write(".git/config", "hidden, passed over");
    }
    void TearDown() override { fs::remove_all(m_base); }

    void write(const std::string& path, const std::string& bytes) {
        const fs::path file = m_pack / path;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

    fs::path m_base;
    fs::path m_pack;
};

TEST_F(FolderReaderTest, ReadsEveryFileByItsPathPassingOverHiddenOnes) {
    fs::create_directory_symlink(m_pack / "pictures", m_pack / "images");
    std::string why;
    const auto files = readFolder(m_pack.string(), &why);
    ASSERT_TRUE(files) << why;
    EXPECT_EQ(files->size(), 4U);
    EXPECT_EQ(*files->find("latch.md"), "# Latch");
    EXPECT_EQ(*files->find("pictures/week3/panel.png"), "png");
    EXPECT_EQ(*files->find("images/week3/panel.png"), "png"); // a link inside stays
    EXPECT_FALSE(files->contains(".git/config"));
}

TEST_F(FolderReaderTest, RefusesWhatAPackMayNotHold) {
    const struct {
        const char* name;
        std::function<void(FolderReaderTest&)> make;
        const char* why;
    } cases[] = {
        {"unsafe name", [](auto& t) { t.write("a b.md", "x"); }, "a b.md: not a path inside"},
        {"link out",
         [](auto& t) {
             std::ofstream(t.m_base / "secret") << "s";
             fs::create_symlink(t.m_base / "secret", t.m_pack / "latch.PLC");
         },
         "latch.PLC: a link out of"},
        {"link up", [](auto& t) { fs::create_directory_symlink(t.m_base, t.m_pack / "up"); },
         "up: a link out of"},
        {"pipe", [](auto& t) { mkfifo((t.m_pack / "p").c_str(), 0600); }, "p: neither a file"},
        {"too deep", [](auto& t) { t.write("a/b/c/d/e.md", "x"); }, "a/b/c/d: folders nested"},
        {"too large", [](auto& t) { t.write("big.png", std::string(kMaxFileBytes + 1, 'x')); },
         "big.png: larger than"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_base);
        SetUp();
        c.make(*this);
        std::string why;
        EXPECT_FALSE(readFolder(m_pack.string(), &why));
        EXPECT_EQ(why.rfind(c.why, 0), 0U) << why;
    }
}

TEST(FolderReader, RefusesWhatIsNotAFolder) {
    std::string why;
    EXPECT_FALSE(readFolder("/nonexistent/rungbox", &why));
    EXPECT_NE(why.find("not a folder"), std::string::npos);
}

} // namespace
} // namespace rungbox::course

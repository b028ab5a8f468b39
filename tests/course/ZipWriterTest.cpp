// SPDX-License-Identifier: GPL-3.0-or-later
// The zip writer: its CRC, and an archive read back field by field as any unzip reads it (the
// central directory first, then each local header it points at).

#include "course/ZipWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace rungbox::course {
namespace {

std::uint32_t at16(const std::string& s, std::size_t at) {
    return static_cast<unsigned char>(s[at]) | static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8;
}

std::uint32_t at32(const std::string& s, std::size_t at) {
    return at16(s, at) | at16(s, at + 2) << 16;
}

struct ReadEntry {
    std::string path;
    std::string bytes;
    std::uint32_t mode = 0;
};

// Reads the archive as an unzip does, checking each CRC; stops the test on a malformed field.
std::vector<ReadEntry> readBack(const std::string& zip) {
    std::vector<ReadEntry> entries;
    const std::size_t end = zip.size() - 22;
    EXPECT_EQ(at32(zip, end), 0x06054B50U);
    const std::uint32_t count = at16(zip, end + 10);
    std::size_t entry = at32(zip, end + 16);
    EXPECT_EQ(entry + at32(zip, end + 12), end) << "the directory ends where the end record starts";
    for (std::uint32_t k = 0; k < count; ++k) {
        EXPECT_EQ(at32(zip, entry), 0x02014B50U);
        const std::uint32_t crc = at32(zip, entry + 16);
        const std::uint32_t size = at32(zip, entry + 20);
        const std::uint32_t nameSize = at16(zip, entry + 28);
        const std::uint32_t local = at32(zip, entry + 42);
        ReadEntry read{zip.substr(entry + 46, nameSize), {}, at32(zip, entry + 38) >> 16};
        EXPECT_EQ(at32(zip, local), 0x04034B50U);
        EXPECT_EQ(at16(zip, local + 8), 0U) << "stored";
        EXPECT_EQ(zip.substr(local + 30, nameSize), read.path);
        read.bytes = zip.substr(local + 30 + nameSize, size);
        EXPECT_EQ(crc32(read.bytes), crc);
        entries.push_back(read);
        entry += 46 + nameSize;
    }
    return entries;
}

TEST(ZipWriter, CrcIsTheZipCrc) {
    EXPECT_EQ(crc32(""), 0U);
    EXPECT_EQ(crc32("123456789"), 0xCBF43926U);
    EXPECT_EQ(crc32(std::string(1, '\0')), 0xD202EF8DU);
}

TEST(ZipWriter, AnArchiveReadsBackWithItsFilesAndModes) {
    ZipWriter zip;
    zip.add("setup.sh", "#!/bin/sh\necho set up\n", true);
    zip.add("source/pack/pack.json", "{}\n");
    zip.add("empty", "");
    std::string binary;
    for (int b = 0; b < 256; ++b) {
        binary += static_cast<char>(b);
    }
    zip.add("source/rungbox-sim", binary, true);
    const std::string archive = zip.archive();
    const auto entries = readBack(archive);
    ASSERT_EQ(entries.size(), 4U);
    EXPECT_EQ(entries[0].path, "setup.sh");
    EXPECT_EQ(entries[0].mode, 0100755U);
    EXPECT_EQ(entries[1].bytes, "{}\n");
    EXPECT_EQ(entries[1].mode, 0100644U);
    EXPECT_EQ(entries[2].bytes, "");
    EXPECT_EQ(entries[3].bytes, binary);
    EXPECT_EQ(zip.archive(), archive) << "the same files give the same bytes";
    EXPECT_EQ(ZipWriter().archive().size(), 22U) << "an empty archive is its end record";
}

} // namespace
} // namespace rungbox::course

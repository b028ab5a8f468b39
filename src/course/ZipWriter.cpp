// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZipWriter.h"

#include <array>
#include <cassert>
#include <limits>

namespace rungbox::course {

namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFU);
    out += static_cast<char>((value >> 8) & 0xFFU);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16);
}

std::uint32_t size32(std::size_t size) {
    assert(size < std::numeric_limits<std::uint32_t>::max());
    return static_cast<std::uint32_t>(size);
}

constexpr std::uint32_t kDosDate = (0U << 9) | (1U << 5) | 1U; // 1980-01-01
constexpr std::uint32_t kVersion = 20;                         // 2.0: stored files, folders
constexpr std::uint32_t kMadeOnUnix = 3U << 8;

// The fields a local header and its central directory entry share, from "version needed".
void putCommon(std::string& out, std::uint32_t crc, std::size_t size, std::size_t pathSize) {
    put16(out, kVersion);
    put16(out, 0);        // flags
    put16(out, 0);        // stored
    put16(out, 0);        // time
    put16(out, kDosDate); // date
    put32(out, crc);
    put32(out, size32(size)); // compressed
    put32(out, size32(size)); // uncompressed
    put16(out, size32(pathSize));
    put16(out, 0); // extra field
}

} // namespace

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char b : bytes) {
        c = kCrcTable[(c ^ static_cast<unsigned char>(b)) & 0xFFU] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFU;
}

void ZipWriter::add(std::string path, std::string bytes, bool executable) {
    m_entries.push_back({std::move(path), std::move(bytes), executable});
}

std::string ZipWriter::archive() const {
    std::string out;
    std::string directory;
    for (const Entry& entry : m_entries) {
        const std::uint32_t crc = crc32(entry.bytes);
        const std::uint32_t offset = size32(out.size());
        put32(out, 0x04034B50U);
        putCommon(out, crc, entry.bytes.size(), entry.path.size());
        out += entry.path;
        out += entry.bytes;

        put32(directory, 0x02014B50U);
        put16(directory, kMadeOnUnix | kVersion);
        putCommon(directory, crc, entry.bytes.size(), entry.path.size());
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        const std::uint32_t mode = entry.executable ? 0100755U : 0100644U;
        put32(directory, mode << 16);
        put32(directory, offset);
        directory += entry.path;
    }
    const std::uint32_t directoryOffset = size32(out.size());
    out += directory;
    put32(out, 0x06054B50U);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, size32(m_entries.size()));
    put16(out, size32(m_entries.size()));
    put32(out, size32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0); // comment
    return out;
}

} // namespace rungbox::course

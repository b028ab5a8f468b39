// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderFile.h"

namespace rungbox::files {

namespace {

using editor::kCodeCol;
using editor::kLastLine;
using editor::kSetValueCol;

constexpr std::string_view kLineEnd = "\r\n";

bool isLastCell(CellPos pos) {
    return pos.row == kLastLine && pos.col == kSetValueCol;
}

// The cell after `pos` in file order: columns 1 to 3 of a line, then column 1 of the next line.
// Never called on the last cell.
CellPos nextCell(CellPos pos) {
    if (pos.col < kSetValueCol) {
        return {pos.row, pos.col + 1};
    }
    return {pos.row + 1, kCodeCol};
}

// Walks the cells a save writes, calling `visit` with each; answers the cell the walk ends on.
template <typename Visit> CellPos walkSavedCells(const editor::CodeGrid& grid, Visit visit) {
    CellPos pos{1, kCodeCol};
    for (;;) {
        const std::string& text = grid.text(pos.row, pos.col);
        visit(text);
        if (isLastCell(pos)) {
            return pos;
        }
        pos = nextCell(pos);
        if (text == kEndCell) {
            return pos;
        }
    }
}

// Reads fields from a file's bytes, one at a time.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    // True while a field is left: bytes remain, or a comma was the last thing read (a comma
    // always separates two fields, so a comma at the very end leaves one empty field).
    bool hasField() const { return m_pos < m_bytes.size() || m_afterComma; }

    // The next field; only called when hasField().
    std::string next() {
        m_afterComma = false;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ') {
            ++m_pos;
        }
        std::string field;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            ++m_pos;
            while (m_pos < m_bytes.size() && m_bytes[m_pos] != '"' && !isLineEnd(m_bytes[m_pos])) {
                field += m_bytes[m_pos++];
            }
            // Whatever stands between the closing quote and the delimiter is not part of it.
            while (m_pos < m_bytes.size() && !isDelimiter(m_bytes[m_pos])) {
                ++m_pos;
            }
        } else {
            while (m_pos < m_bytes.size() && !isDelimiter(m_bytes[m_pos])) {
                field += m_bytes[m_pos++];
            }
        }
        consumeDelimiter();
        return field;
    }

private:
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool isDelimiter(char c) { return c == ',' || isLineEnd(c); }

    // Steps over a comma or over one line end (CR LF, LF or CR).
    void consumeDelimiter() {
        if (m_pos >= m_bytes.size()) {
            return;
        }
        const char c = m_bytes[m_pos++];
        if (c == ',') {
            m_afterComma = true;
        } else if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_afterComma = false;
};

} // namespace

std::string cellLine(const std::string& text) {
    // The reader itself decides: a cell it gives back exactly is written as it is, so the file of
    // every such program stays as it always was.
    FieldReader reader(text);
    if (reader.next() == text) {
        return text;
    }
    // Anything else (a comma, leading blanks, a leading quote) is quoted. A quoted field ends at
    // a quote or a line end, so those are left out: the cell stays one field, and every cell
    // after it stays in its place. Cells that Load fills never hold them inside quotes.
    std::string line = "\"";
    for (const char c : text) {
        if (c != '"' && c != '\r' && c != '\n') {
            line += c;
        }
    }
    line += '"';
    return line;
}

std::string_view versionLine(engine::InstructionSet set) {
    return set == engine::InstructionSet::Extended ? kExtendedVersion : kVersion;
}

std::vector<std::string> ladderFileLines(const editor::CodeGrid& grid) {
    std::vector<std::string> lines{std::string(kMagic),
                                   std::string(versionLine(grid.instructionSet()))};
    walkSavedCells(grid, [&](const std::string& text) { lines.push_back(cellLine(text)); });
    return lines;
}

std::string writeLadderFile(const editor::CodeGrid& grid) {
    std::string bytes;
    for (const std::string& line : ladderFileLines(grid)) {
        bytes += line;
        bytes += kLineEnd;
    }
    return bytes;
}

CellPos cellAfterSave(const editor::CodeGrid& grid) {
    return walkSavedCells(grid, [](const std::string&) {});
}

int savedCellCount(const editor::CodeGrid& grid) {
    int written = 0;
    walkSavedCells(grid, [&](const std::string&) { ++written; });
    return written;
}

bool holdsTextAfterEnd(const editor::CodeGrid& grid) {
    for (int k = savedCellCount(grid); k < kMaxCellFields; ++k) {
        if (!grid.text(1 + k / 3, kCodeCol + k % 3).empty()) {
            return true;
        }
    }
    return false;
}

LadderFileContents readLadderFile(std::string_view bytes, bool extendedAccepted) {
    LadderFileContents contents;
    FieldReader reader(bytes);
    if (!reader.hasField()) {
        contents.status = ReadStatus::EndedBeforeVersion;
        return contents;
    }
    if (reader.next() != kMagic) {
        contents.status = ReadStatus::BadMagic;
        return contents;
    }
    if (!reader.hasField()) {
        contents.status = ReadStatus::EndedBeforeVersion;
        return contents;
    }
    const std::string version = reader.next();
    if (extendedAccepted && version == kExtendedVersion) {
        contents.set = engine::InstructionSet::Extended;
    } else if (version != kVersion) {
        contents.status = ReadStatus::BadVersion;
        return contents;
    }
    while (reader.hasField() && static_cast<int>(contents.fields.size()) < kMaxCellFields) {
        contents.fields.push_back(reader.next());
    }
    return contents;
}

void placeFields(editor::CodeGrid& grid, const std::vector<std::string>& fields) {
    CellPos pos{1, kCodeCol};
    for (const std::string& field : fields) {
        grid.setText(pos.row, pos.col, field);
        if (isLastCell(pos)) {
            break;
        }
        pos = nextCell(pos);
    }
    grid.setLine(pos.row);
    grid.setColumn(pos.col);
}

} // namespace rungbox::files

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include "LadderFile.h"
#include "engine/LineSyntax.h"
#include "names/NamesFile.h"

#include <cerrno>
#include <cstring>

namespace rungbox::files {

using platform::FileError;

namespace {

using platform::BoxAnswer;
using platform::BoxStyle;

std::string unknownError(std::string_view command, const FileError& error) {
    return "Unknown error in " + std::string(command) + ": (" + engine::numberText(error.number) +
           ") " + error.description;
}

} // namespace

FileCommands::FileCommands(editor::Editor& editor, engine::Controller& controller,
                           platform::FileDialog& dialog, platform::MessageBoxes& boxes,
                           platform::FileSystem& fileSystem, platform::MainWindowShell& shell)
    : m_editor(editor), m_controller(controller), m_dialog(dialog), m_boxes(boxes),
      m_fileSystem(fileSystem), m_shell(shell) {}

bool FileCommands::saveAs() {
    const auto path = m_dialog.askSavePath(
        m_currentFile.hasPath() ? std::string_view(m_currentFile.path()) : kDefaultFileName,
        kPlcFilter);
    if (!path) {
        return false;
    }
    return writeProgram(*path, "mnuSaveAs");
}

bool FileCommands::save() {
    if (!m_currentFile.hasPath()) {
        return saveAs();
    }
    return writeProgram(m_currentFile.path(), "mnuSave");
}

bool FileCommands::writeProgram(const std::string& path, std::string_view command) {
    const editor::CodeGrid& grid = m_editor.grid();
    FileError error;
    auto fail = [&] {
        m_boxes.show(unknownError(command, error), BoxStyle::Ok, platform::kAppTitle);
        return false;
    };

    // The new file is written beside the chosen one and takes its place only when complete; a
    // failure on the way leaves whatever file was there untouched.
    auto file = m_fileSystem.beginSave(path, error);
    if (!file) {
        return fail();
    }
    for (std::string line : ladderFileLines(grid)) {
        line += "\r\n";
        if (!file->write(line, error)) {
            return fail();
        }
    }
    if (!file->commit(error) || !writeNames(path, error)) {
        return fail();
    }
    const bool namesKept = keepsNamesFileAlone(path);

    // The save walks the current cell through the cells it writes; it rests after the last one.
    const CellPos rest = cellAfterSave(grid);
    m_editor.grid().setLine(rest.row);
    m_editor.grid().setColumn(rest.col);
    // Text after END is not in the file: the program is not what was saved, so it keeps its
    // changed flag and its title mark, and the user is told why.
    const bool whole = !holdsTextAfterEnd(grid);
    m_editor.setCodeChanged(!whole);
    // Names that stayed out of a names file left alone are not saved: the title keeps its mark.
    const bool namesUnsaved = namesKept && m_editor.names() != m_namesAsRead;
    m_currentFile.set(path, grid, namesKept ? m_namesAsRead : m_editor.names(),
                      savedCellCount(grid));
    m_recentFiles.add(path);
    if (!whole) {
        m_boxes.show(l10n::text(kTextAfterEndNotSaved), BoxStyle::Exclamation, platform::kAppTitle);
    }
    if (namesUnsaved) {
        static constexpr l10n::Message kNamesNotSaved = QT_TRANSLATE_NOOP3(
            "Core",
            "The names were not saved: %1 was not read whole when the program was loaded, and "
            "saving leaves it as it is.\r\nSave the program under another name to keep the names "
            "beside it.",
            "file.names_not_saved");
        m_boxes.show(l10n::text(kNamesNotSaved, fileName(names::namesPathFor(path))),
                     BoxStyle::Exclamation, platform::kAppTitle);
    }
    return true;
}

bool FileCommands::keepsNamesFileAlone(const std::string& programPath) const {
    return programPath == m_namesLeftAlone;
}

bool FileCommands::writeNames(const std::string& programPath, FileError& error) {
    const std::string namesPath = names::namesPathFor(programPath);
    // A program saved under a name ending in ".names" has no room for a names file beside it.
    if (namesPath == programPath || keepsNamesFileAlone(programPath)) {
        return true;
    }
    const names::NameTable& table = m_editor.names();
    if (table.empty()) {
        return m_fileSystem.remove(namesPath, error);
    }
    auto file = m_fileSystem.beginSave(namesPath, error);
    return file && file->write(names::namesFileText(table), error) && file->commit(error);
}

bool FileCommands::load() {
    if (!askToSave(true)) {
        return false;
    }
    const auto path = m_dialog.askOpenPath(kPlcFilter);
    if (!path) {
        return false;
    }
    return readProgram(*path);
}

bool FileCommands::open(const std::string& path) {
    if (!askToSave(true)) {
        return false;
    }
    return readProgram(path);
}

bool FileCommands::readProgram(const std::string& path) {
    // The whole file is read and checked before the grid is touched: a file that cannot be read
    // or is not a program file leaves the program and its changed flag as they were.
    std::string bytes;
    FileError error;
    if (!m_fileSystem.readAll(path, bytes, error)) {
        if (error.number == ENOENT) {
            m_boxes.show(error.description, BoxStyle::Ok, platform::kAppTitle);
            // Gone from the disk: it has no place among the recent files any more.
            m_recentFiles.remove(path);
        } else {
            m_boxes.show(unknownError("mnuLoad", error), BoxStyle::Ok, platform::kAppTitle);
        }
        return false;
    }
    LadderFileContents contents = readLadderFile(bytes);
    switch (contents.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::BadMagic:
        static constexpr l10n::Message kInvalidFile =
            QT_TRANSLATE_NOOP3("Core", "Invalid Rungbox File", "file.invalid");
        m_boxes.show(l10n::text(kInvalidFile), BoxStyle::Critical, platform::kAppTitle);
        return false;
    case ReadStatus::BadVersion:
        static constexpr l10n::Message kIncompatible =
            QT_TRANSLATE_NOOP3("Core", "Incompatible Rungbox version", "file.incompatible");
        m_boxes.show(l10n::text(kIncompatible), BoxStyle::Critical, platform::kAppTitle);
        return false;
    case ReadStatus::EndedBeforeVersion:
        m_boxes.show(unknownError("mnuLoad", {ENODATA, std::strerror(ENODATA)}), BoxStyle::Ok,
                     platform::kAppTitle);
        return false;
    }

    m_editor.clearCode();
    m_editor.grid().setInstructionSet(contents.set);
    placeFields(m_editor.grid(), contents.fields);
    // Cells filled from a file are not edits, and a new program starts a new undo history.
    m_editor.setCodeChanged(false);
    m_editor.history().clear();
    readNames(path);
    m_currentFile.set(path, m_editor.grid(), m_editor.names());
    m_recentFiles.add(path);
    return true;
}

void FileCommands::readNames(const std::string& programPath) {
    m_editor.names() = {};
    m_namesAsRead = {};
    m_namesLeftAlone.clear();
    const std::string namesPath = names::namesPathFor(programPath);
    if (namesPath == programPath) {
        return;
    }
    std::string bytes;
    FileError error;
    if (!m_fileSystem.readAll(namesPath, bytes, error)) {
        if (error.number != ENOENT) {
            // Saves leave the file alone: without its names, they would remove it.
            m_namesLeftAlone = programPath;
            static constexpr l10n::Message kNamesUnread =
                QT_TRANSLATE_NOOP3("Core",
                                   "The names in %1 could not be read: (%2) %3\r\nSaving the "
                                   "program leaves that file as it is.",
                                   "file.names_unread");
            m_boxes.show(l10n::text(kNamesUnread, fileName(namesPath), std::to_string(error.number),
                                    error.description),
                         BoxStyle::Exclamation, platform::kAppTitle);
        }
        return;
    }
    names::NamesFileContents contents =
        names::readNamesFile(bytes, m_editor.grid().instructionSet());
    m_editor.names() = std::move(contents.table);
    m_namesAsRead = m_editor.names();
    if (contents.badLineCount > 0) {
        // Written back, the file would lose the lines that were skipped (every line of a file in
        // another encoding, or the whole of one too large to read): saves leave it as it is.
        m_namesLeftAlone = programPath;
        static constexpr l10n::Message kNamesSkipped =
            QT_TRANSLATE_NOOP3("Core",
                               "These lines of %1 were skipped; saving the program leaves that "
                               "file as it is:\r\n%2",
                               "file.names_skipped");
        m_boxes.show(l10n::text(kNamesSkipped, fileName(namesPath),
                                names::badLinesReport(contents, fileName(namesPath), "\r\n")),
                     BoxStyle::Exclamation, platform::kAppTitle);
    }
}

bool FileCommands::newProgram() {
    if (!askToSave(true)) {
        return false;
    }
    m_editor.setCodeChanged(false);
    m_editor.clearCode();
    m_editor.grid().setInstructionSet(engine::InstructionSet::Classic);
    m_editor.history().clear();
    m_editor.names() = {};
    m_namesAsRead = {};
    m_namesLeftAlone.clear();
    m_currentFile.set({}, m_editor.grid(), m_editor.names());
    return true;
}

void FileCommands::exit() {
    m_shell.closeMainWindow();
}

bool FileCommands::confirmClose() {
    if (!askToSave(false)) {
        return false;
    }
    m_controller.reset();
    return true;
}

bool FileCommands::askToSave(bool withCancel) {
    if (!m_editor.codeChanged()) {
        return true;
    }
    const BoxStyle style = withCancel ? BoxStyle::YesNoCancel : BoxStyle::YesNo;
    switch (m_boxes.show(l10n::text(kSaveQuestion), style, platform::kAppTitle)) {
    case BoxAnswer::Yes:
        // The user asked for the program to be kept: if it was not saved (dialog cancelled or the
        // write failed, or text after END stayed out of the file) the command stops rather than
        // throw the program away.
        return saveAs() && !m_editor.codeChanged();
    case BoxAnswer::No:
        return true;
    default:
        // Cancel, or a box closed without an answer: nothing is thrown away.
        return false;
    }
}

} // namespace rungbox::files

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include "LadderFile.h"
#include "engine/LineSyntax.h"

#include <cerrno>
#include <cstring>

namespace rungbox::files {

using platform::FileError;

namespace {

using platform::BoxAnswer;
namespace BoxStyle = platform::BoxStyle;

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
        m_boxes.show(unknownError(command, error), BoxStyle::OkOnly, platform::kAppTitle);
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
    if (!file->commit(error)) {
        return fail();
    }

    // The save walks the current cell through the cells it writes; it rests after the last one.
    const CellPos rest = cellAfterSave(grid);
    m_editor.grid().setLine(rest.row);
    m_editor.grid().setColumn(rest.col);
    m_editor.setCodeChanged(false);
    m_currentFile.set(path, grid);
    m_recentFiles.add(path);
    return true;
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
            m_boxes.show(error.description, BoxStyle::OkOnly, platform::kAppTitle);
            // Gone from the disk: it has no place among the recent files any more.
            m_recentFiles.remove(path);
        } else {
            m_boxes.show(unknownError("mnuLoad", error), BoxStyle::OkOnly, platform::kAppTitle);
        }
        return false;
    }
    LadderFileContents contents = readLadderFile(bytes);
    switch (contents.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::BadMagic:
        m_boxes.show("Invalid Rungbox File", BoxStyle::OkOnly | BoxStyle::Critical,
                     platform::kAppTitle);
        return false;
    case ReadStatus::BadVersion:
        m_boxes.show("Incompatible Rungbox version", BoxStyle::OkOnly | BoxStyle::Critical,
                     platform::kAppTitle);
        return false;
    case ReadStatus::EndedBeforeVersion:
        m_boxes.show(unknownError("mnuLoad", {ENODATA, std::strerror(ENODATA)}), BoxStyle::OkOnly,
                     platform::kAppTitle);
        return false;
    }

    m_editor.clearCode();
    placeFields(m_editor.grid(), contents.fields);
    // Cells filled from a file are not edits, and a new program starts a new undo history.
    m_editor.setCodeChanged(false);
    m_editor.history().clear();
    m_currentFile.set(path, m_editor.grid());
    m_recentFiles.add(path);
    return true;
}

bool FileCommands::newProgram() {
    if (!askToSave(true)) {
        return false;
    }
    m_editor.setCodeChanged(false);
    m_editor.clearCode();
    m_editor.history().clear();
    m_currentFile.set({}, m_editor.grid());
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
    const int style = BoxStyle::Question | (withCancel ? BoxStyle::YesNoCancel : BoxStyle::YesNo);
    switch (m_boxes.show(kSaveQuestion, style, platform::kAppTitle)) {
    case BoxAnswer::Yes:
        // The user asked for the program to be kept: if it was not saved (dialog cancelled or the
        // write failed) the command stops rather than throw the program away.
        return saveAs();
    case BoxAnswer::No:
        return true;
    default:
        // Cancel, or a box closed without an answer: nothing is thrown away.
        return false;
    }
}

} // namespace rungbox::files

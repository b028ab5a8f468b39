// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's file commands and its lifecycle: Save, Save As, Load, opening a file by name
// (command line, drop, recent files), New, Exit, closing the main window, and the save question
// that guards an edited program. They keep the current file and the recent files list.

#include "CurrentFile.h"
#include "DiskFileSystem.h"
#include "RecentFiles.h"
#include "editor/Editor.h"
#include "engine/Controller.h"
#include "l10n/Mark.h"
#include "l10n/Text.h"
#include "platform/Platform.h"

namespace rungbox::files {

/// The filter both file dialogs show, in the "description|pattern" form.
/// Its description is marked for the catalogues; the file dialogs translate only that part.
inline constexpr std::string_view kPlcFilter =
    QT_TRANSLATE_NOOP("FileFilter", "PLC file") " (*.PLC)|*.PLC";
/// The name the save dialog proposes.
inline constexpr std::string_view kDefaultFileName = "default.PLC";

/// Shown after a save when cells after the END line hold text: the file ends at END, so the
/// program stays marked as changed.
inline constexpr l10n::Message kTextAfterEndNotSaved =
    QT_TRANSLATE_NOOP3("Core",
                       "The file ends at the END line: the text on the lines after END was not "
                       "saved.\r\nMove it above END to keep it in the file.",
                       "file.text_after_end");

/// The two lines of the save question, joined by CR LF.
inline constexpr l10n::Message kSaveQuestion = QT_TRANSLATE_NOOP3(
    "Core", "The ladder code has changed.\r\nDo you want to save the ladder code?",
    "file.save_question");

/// The file commands of one main window. Holds references only; everything it is given must
/// outlive it.
class FileCommands {
public:
    FileCommands(editor::Editor& editor, engine::Controller& controller,
                 platform::FileDialog& dialog, platform::MessageBoxes& boxes,
                 platform::FileSystem& fileSystem, platform::MainWindowShell& shell);

    /// File > Save As. Writes the program atomically: the chosen file is replaced only by a
    /// complete new file. The dialog proposes the current file (default.PLC when there is none).
    /// Answers true when the file was written, which makes the chosen file the current one and
    /// the most recent; a cancelled dialog or a failure (with its message) answers false and
    /// leaves `codeChanged` and the current file as they were. The file holds the program up to
    /// its END line: when cells after it hold text, kTextAfterEndNotSaved is shown and the
    /// program stays changed (flag and title mark), since that text is not in the file.
    bool saveAs();

    /// File > Save: writes the program over the current file, atomically as Save As does;
    /// with no current file it is Save As. Answers true when the program was saved.
    ///
    /// Both write the program's names beside it (names::namesPathFor), atomically too, after the
    /// program file; with no names they remove a names file found there, so that names never
    /// attach to the wrong program. A names file that could not be read when the program was
    /// loaded is left as it is by saves to the same program file. A failure to write or remove
    /// the names file shows its message and answers false; the program file is written then.
    bool save();

    /// File > Load. Asks the save question first when the program changed. Reads and checks the
    /// whole file before it touches the grid: only a good file replaces the program. Answers
    /// true when a program was loaded, in the instruction set its version line tells. The names
    /// file beside it is read then: none gives no names; its bad lines, or a file that cannot be
    /// read, are reported in a message box after the load and never refuse the program.
    bool load();

    /// Loads the program file at `path` as Load does, without the dialog: the save question
    /// first, then the same checks and messages. A file that does not exist leaves the recent
    /// files list. Answers true when a program was loaded.
    bool open(const std::string& path);

    /// File > New. Asks the save question first when the program changed, then empties the grid
    /// and makes the program classic.
    /// Answers false when the question was cancelled (the program stays).
    bool newProgram();

    /// File > Exit: closes the main window the normal way, so the save question is asked.
    void exit();

    /// The main window is closing. Asks the save question (Yes or No) when the program changed;
    /// answers false when closing must stop (Yes was chosen but the program was not saved),
    /// otherwise resets the controller and answers true.
    bool confirmClose();

    /// The save question. Answers true to go on; false to stop (Cancel, or Yes with a save that
    /// did not complete or left text after END out of the file). `withCancel` offers the Cancel
    /// button.
    bool askToSave(bool withCancel);

    /// The file the program was last loaded from or saved to, and the window title naming it.
    const CurrentFile& currentFile() const { return m_currentFile; }
    std::string windowTitle() const { return l10n::english(windowTitleText()); }
    /// The window title as a text for the front ends to show in the user's language.
    l10n::Text windowTitleText() const {
        return m_currentFile.title(m_editor.grid(), m_editor.names());
    }

    /// The files last loaded or saved, most recent first.
    RecentFiles& recentFiles() { return m_recentFiles; }
    const RecentFiles& recentFiles() const { return m_recentFiles; }

private:
    bool writeProgram(const std::string& path, std::string_view command);
    bool readProgram(const std::string& path);
    bool writeNames(const std::string& programPath, platform::FileError& error);
    void readNames(const std::string& programPath);
    /// True when saves of `programPath` leave its names file as it is: it could not be read, or
    /// not whole, when the program was loaded.
    bool keepsNamesFileAlone(const std::string& programPath) const;

    editor::Editor& m_editor;
    engine::Controller& m_controller;
    platform::FileDialog& m_dialog;
    platform::MessageBoxes& m_boxes;
    platform::FileSystem& m_fileSystem;
    platform::MainWindowShell& m_shell;
    CurrentFile m_currentFile;
    RecentFiles m_recentFiles;
    /// The program file whose names file could not be read, or not whole, when it was loaded;
    /// empty for none.
    std::string m_namesLeftAlone;
    /// The names as read with the program, to tell whether names kept out of a file left alone
    /// were edited since.
    names::NameTable m_namesAsRead;
};

} // namespace rungbox::files

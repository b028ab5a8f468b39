// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ports of the core: every interface through which the core (engine, editor, files, panel,
// session) reaches the outside world, in one place. The Qt windows implement them for the user;
// rungbox-sim implements them on the console and in memory, the tests with recorders. Nothing in
// the core knows which one it talks to.
//
// The I/O panel is the engine's own port and lives with it (engine/IoPanel.h); it is named here
// too so that a front end finds all it has to provide in this one header.

#include "engine/IoPanel.h"

#include "l10n/Text.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace rungbox::platform {

using engine::IoPanel;

// --- Message boxes -------------------------------------------------------------------------------

/// The application's title. Message boxes that have no title of their own show it.
inline constexpr std::string_view kAppTitle = "rungbox";

/// The buttons of a message box.
enum class BoxButtons { Ok, YesNo, YesNoCancel };

/// The icon of a message box.
enum class BoxIcon { None, Critical, Question, Exclamation };

/// How a message box looks: its buttons and its icon. The named styles are the ones the
/// application shows.
struct BoxStyle {
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;

    static const BoxStyle Ok;          ///< an OK button, no icon
    static const BoxStyle Critical;    ///< an OK button, the critical icon
    static const BoxStyle Exclamation; ///< an OK button, the exclamation icon
    static const BoxStyle YesNo;       ///< a question with Yes and No
    static const BoxStyle YesNoCancel; ///< a question with Yes, No and Cancel

    friend constexpr bool operator==(const BoxStyle&, const BoxStyle&) = default;
};

inline constexpr BoxStyle BoxStyle::Ok{};
inline constexpr BoxStyle BoxStyle::Critical{BoxButtons::Ok, BoxIcon::Critical};
inline constexpr BoxStyle BoxStyle::Exclamation{BoxButtons::Ok, BoxIcon::Exclamation};
inline constexpr BoxStyle BoxStyle::YesNo{BoxButtons::YesNo, BoxIcon::Question};
inline constexpr BoxStyle BoxStyle::YesNoCancel{BoxButtons::YesNoCancel, BoxIcon::Question};

/// The button that closed a message box. Dismissed: a question without a Cancel button was
/// closed by Esc or by the box's own close button, with no answer; callers keep everything as it
/// was, as for Cancel.
enum class BoxAnswer { Dismissed, Ok, Cancel, Yes, No };

/// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    /// Shows `text` (lines joined by CR LF) in a modal box titled `title` with the buttons and
    /// icon of `style` and returns the button pressed. Blocks until the
    /// user answers. `title` is never empty: callers pass kAppTitle when the box has no title of
    /// its own.
    /// The texts come with their message ids and arguments, so that a front end shows them in
    /// the user's language; l10n::english() is what they say in English.
    virtual BoxAnswer show(const l10n::Text& text, BoxStyle style, const l10n::Text& title) = 0;

    /// Shows a text that is already in the user's language (or in none: a file's name, a
    /// system's message), as it stands.
    BoxAnswer show(std::string_view text, BoxStyle style, std::string_view title) {
        return show(l10n::verbatim(std::string(text)), style, l10n::verbatim(std::string(title)));
    }

    /// Shows a core text under a title that is never translated (kAppTitle).
    BoxAnswer show(const l10n::Text& text, BoxStyle style, std::string_view title) {
        return show(text, style, l10n::verbatim(std::string(title)));
    }
};

// --- The main window -----------------------------------------------------------------------------

/// What the run/stop control needs of the main window besides the I/O panel: its menus, the
/// input switches' enabled state and the progress display of a start. The run's clock is the
/// session's (Session::advance); a front end learns that a run started or stopped from its
/// SessionListener.
class RunWindow {
public:
    virtual ~RunWindow() = default;

    /// Enables or disables the File menu as a whole.
    virtual void setFileMenuEnabled(bool enabled) = 0;
    /// Enables or disables the Module menu as a whole.
    virtual void setModuleMenuEnabled(bool enabled) = 0;
    /// Enables or disables input switch n (0 to 15).
    virtual void setInputSwitchEnabled(int n, bool enabled) = 0;
    /// Shows or hides the "Loading " label and the progress bar.
    virtual void setProgressVisible(bool visible) = 0;
    /// Shows how far the copy has come: `copied` of `total` rows (0 to total; the bar is full
    /// at total).
    virtual void setProgress(int copied, int total) = 0;
};

/// What the file commands need of the main window itself.
class MainWindowShell {
public:
    virtual ~MainWindowShell() = default;
    /// Closes the main window as its close button does (which asks FileCommands::confirmClose).
    virtual void closeMainWindow() = 0;
};

// --- Files ---------------------------------------------------------------------------------------

/// The file dialog of the Load and Save As commands.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    /// Shows the save dialog proposing `defaultName` with `filter` ("description|pattern");
    /// the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> askSavePath(std::string_view defaultName,
                                                   std::string_view filter) = 0;
    /// Shows the open dialog with `filter`; the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> askOpenPath(std::string_view filter) = 0;
};

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

/// The file operations the Load and Save commands use, behind an interface so that tests can
/// make any single operation fail. files::DiskFileSystem is the real one.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    /// Reads the whole file at `path` into `bytes`. False (with `error` set) when it cannot.
    virtual bool readAll(const std::string& path, std::string& bytes, FileError& error) = 0;
    /// Starts saving to `path`. nullptr (with `error` set) when the temporary file cannot be made.
    virtual std::unique_ptr<SaveFile> beginSave(const std::string& path, FileError& error) = 0;
    /// Removes the file at `path`. True when it is gone, also when there was none; false (with
    /// `error` set) when it is still there.
    virtual bool remove(const std::string& path, FileError& error) = 0;
};

} // namespace rungbox::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the file tests: golden files, folder listings, a file system that fails on request,
// and file commands run on a window of their own in a forked child, told as a transcript.

#include "files/FileCommands.h"
#include "files/LadderFile.h"
#include "support/Recorders.h"

#include <grp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <utility>

namespace rungbox::test {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

inline void writeBytes(const fs::path& path, std::string_view bytes, int mode = 0644) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    fs::permissions(path, fs::perms(mode));
}

/// The golden file `name`. With RUNGBOX_UPDATE_GOLDEN set in the environment, `actual` is first
/// written to it (review the difference before committing it).
inline std::string golden(const std::string& name, const std::string& actual = "") {
    const fs::path path = fs::path(RUNGBOX_FILES_GOLDEN_DIR) / name;
    if (!actual.empty() && std::getenv("RUNGBOX_UPDATE_GOLDEN") != nullptr) {
        writeBytes(path, actual);
    }
    return readBytes(path);
}

/// The bytes of a ladder program file with the given cell lines behind the header.
inline std::string fileOf(const std::vector<std::string>& cellLines) {
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& line : cellLines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

/// `text` on one line: each CR LF shown as \r\n.
inline std::string escaped(std::string_view text) {
    return std::regex_replace(std::string(text), std::regex("\r\n"), "\\r\\n");
}

/// Every name under `folder`, sorted, with its permission bits in octal ("@" marks a link) and
/// the bytes of each regular file: what a failed save must leave exactly as it was.
inline std::string listing(const fs::path& folder) {
    std::set<std::string> lines;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::ostringstream line;
        line << " " << entry.path().lexically_relative(folder).string()
             << (entry.is_symlink() ? "@ " : " ") << std::oct
             << static_cast<int>(entry.status().permissions())
             << (entry.is_regular_file() ? "=" + escaped(readBytes(entry.path())) : "");
        lines.insert(line.str());
    }
    std::string text;
    for (const auto& line : lines) {
        text += line;
    }
    return text;
}

/// The operations of saving the nine-line file: beginSave, nine writes (one a line), commit.
inline constexpr int kSaveOperations = 11;

/// Passes everything to the disk but makes chosen save operations fail with EIO, as SQLite's
/// I/O-error tests do. Operations count from 1 in the order above; operation `failAt` fails (none
/// when 0), and with `persistent` every later one too. A failed one is not passed on to the disk.
struct FaultyFileSystem : files::DiskFileSystem {
    FaultyFileSystem(int failing, bool lasting) : failAt(failing), persistent(lasting) {}
    int failAt;
    bool persistent;
    int operations = 0;

    bool fails(platform::FileError& error) {
        if (++operations == failAt || (persistent && failAt > 0 && operations > failAt)) {
            error = {EIO, std::strerror(EIO)};
            return true;
        }
        return false;
    }
    struct File : platform::SaveFile {
        File(FaultyFileSystem& owner, std::unique_ptr<platform::SaveFile> file)
            : fs(owner), real(std::move(file)) {}
        bool write(std::string_view b, platform::FileError& e) override {
            return !fs.fails(e) && real->write(b, e);
        }
        bool commit(platform::FileError& e) override { return !fs.fails(e) && real->commit(e); }
        FaultyFileSystem& fs;
        std::unique_ptr<platform::SaveFile> real;
    };
    std::unique_ptr<platform::SaveFile> beginSave(const std::string& path,
                                                  platform::FileError& error) override {
        auto real = fails(error) ? nullptr : DiskFileSystem::beginSave(path, error);
        return real ? std::make_unique<File>(*this, std::move(real)) : nullptr;
    }
};

/// The main window's side of the file commands, writing down in `calls` each box, file dialog and
/// close. The first box is answered `reply`, any later one Ok; the file dialogs answer from
/// `paths` in turn (nullopt, or none left, is Cancel). Closing it runs confirmClose.
struct Window : platform::MainWindowShell, platform::FileDialog, platform::MessageBoxes {
    RecordingPanel panel;
    editor::CodeGrid grid;
    editor::Editor editor{grid};
    engine::Controller controller{panel};
    files::FileCommands commands;
    std::string calls;
    platform::BoxAnswer reply = platform::BoxAnswer::Ok;
    std::vector<std::optional<std::string>> paths;
    std::size_t answered = 0;

    explicit Window(platform::FileSystem& fs)
        : commands(editor, controller, *this, *this, fs, *this) {
        editor::setUpGrid(grid);
    }
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override {
        calls += "  box: " + escaped(l10n::english(text)) + " [" + platform::styleName(style) +
                 " " + l10n::english(title) + "]\n";
        return std::exchange(reply, platform::BoxAnswer::Ok);
    }
    void closeMainWindow() override {
        calls += commands.confirmClose() ? "  closed\n" : "  close refused\n";
    }
    std::optional<std::string> askSavePath(std::string_view name,
                                           std::string_view filter) override {
        return path("save " + std::string(name) + " " + std::string(filter));
    }
    std::optional<std::string> askOpenPath(std::string_view filter) override {
        return path("open " + std::string(filter));
    }
    std::optional<std::string> path(const std::string& call) {
        calls += "  " + call + "\n";
        return answered < paths.size() ? paths[answered++] : std::nullopt;
    }
    /// The cursor and selection, then each code cell that is not empty, as line.column=text.
    std::string program() const {
        std::ostringstream text;
        text << "cursor " << grid.line() << "," << grid.column() << " to " << grid.selectionLine()
             << "," << grid.selectionColumn();
        for (int cell = 3; cell < 3 * (editor::kLastLine + 1); ++cell) {
            if (const std::string& t = grid.text(cell / 3, cell % 3 + 1); !t.empty()) {
                text << " " << cell / 3 << "." << cell % 3 + 1 << "=" << t;
            }
        }
        return text.str();
    }
};

/// A file command run on a window holding the nine-line program, in a fresh folder.
struct Script {
    std::string name;
    std::function<void(const fs::path&)> setUp;        ///< prepares the folder
    std::function<void(files::FileCommands&)> command; ///< for example &FileCommands::newProgram
    std::optional<platform::BoxAnswer> answer;       ///< to the save question; nullopt: not edited
    std::vector<std::optional<std::string>> dialogs; ///< names in the folder the dialogs answer
    int failAt = 0;                                  ///< see FaultyFileSystem
    bool persistent = false;                         ///< see FaultyFileSystem
    rlim_t fileSizeLimit = 0;                        ///< bytes, 0 for none
};

/// The forked child's part of run(): as user and group 65534 ("nobody") when the tests run as
/// root, so that permissions apply, and under the file size limit, which fails a write with EFBIG
/// as a full disk would (SIGXFSZ is ignored). Ends the child when it cannot set that up.
inline std::string runInChild(const Script& script, const fs::path& dir) {
    const rlimit limit{script.fileSizeLimit, script.fileSizeLimit};
    ::umask(022);
    ::signal(SIGXFSZ, SIG_IGN);
    if ((::geteuid() == 0 &&
         (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) ||
        (script.fileSizeLimit > 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)) {
        ::_exit(1);
    }
    FaultyFileSystem fs(script.failAt, script.persistent);
    Window w(fs);
    files::placeFields(w.grid, {"LD", "0", "", "OUT", "1000", "", "END"});
    w.grid.select(2, 2, 2, 2);
    w.editor.setCodeChanged(script.answer.has_value());
    w.controller.setRelay(500, true);
    w.reply = script.answer.value_or(platform::BoxAnswer::Ok);
    for (const auto& name : script.dialogs) {
        w.paths.push_back(name ? std::optional((dir / *name).string()) : std::nullopt);
    }
    const std::string typed = w.program();
    script.command(w.commands);
    return w.calls + "  program " + (w.program() == typed ? "kept" : w.program()) +
           (w.editor.codeChanged() ? ", changed\n" : ", unchanged\n") +
           (w.controller.relay(500) ? "" : "  controller reset\n") +
           (script.failAt > 0 ? "  " + std::to_string(fs.operations) + " operations\n" : "");
}

/// Runs `script` in a forked child, in a fresh folder, and answers a transcript: the boxes,
/// dialogs and closes in turn, then the program and its changed flag, the controller, the save
/// operations when some were to fail, and the folder.
inline std::string run(const Script& script) {
    char name[] = "/tmp/rungbox-files-XXXXXX";
    const fs::path dir = ::mkdtemp(name);
    fs::permissions(dir, fs::perms::all); // open to the unprivileged child
    script.setUp(dir);
    const std::string before = listing(dir);
    // The child hands its transcript back through a shared page; a longer one is cut short.
    constexpr std::size_t kPage = 4096;
    auto* page = static_cast<char*>(
        ::mmap(nullptr, kPage, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::strncpy(page, runInChild(script, dir).c_str(), kPage - 1);
        ::_exit(0);
    }
    int status = 1; // stays so when there is no child to wait for
    ::waitpid(pid, &status, 0);
    const std::string out = status == 0 ? page : "  child failed\n";
    const std::string after = listing(dir);
    fs::permissions(dir, fs::perms::all); // a case may have locked it
    fs::remove_all(dir);
    ::munmap(page, kPage);
    return script.name + ":\n" + out + "  folder" + (after == before ? " as it was" : after) + "\n";
}

} // namespace rungbox::test

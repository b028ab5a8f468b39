#pragma once

// Helpers of the file tests: a scratch folder, a recording file dialog and window shell, a file
// system that fails on request, a snapshot of the grid, and a whole main window's worth of
// objects for the file commands to work on.

#include "editor/Editor.h"
#include "engine/Controller.h"
#include "files/FileCommands.h"
#include "files/FileSystem.h"
#include "support/Recorders.h"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rungbox::test {

namespace fs = std::filesystem;

/// A fresh folder under the system's temporary folder, removed with everything in it at the end.
/// `mode` sets its permission bits (0755 lets a dropped-privilege child reach into it).
class TempDir {
public:
    explicit TempDir(fs::perms mode = fs::perms(0755)) {
        std::string pattern = (fs::temp_directory_path() / "rungbox-files-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
        }
        m_path = pattern;
        fs::permissions(m_path, mode);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        // Make every folder inside writable again so that removal cannot fail on permissions.
        for (auto it = fs::recursive_directory_iterator(m_path, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
            }
        }
        fs::remove_all(m_path, ignored);
    }

    const fs::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

    /// The names in the folder, sorted.
    std::vector<std::string> entries() const { return entriesOf(m_path); }

    static std::vector<std::string> entriesOf(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path m_path;
};

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// A file dialog that answers from scripts and remembers what it was asked.
class RecordingDialog : public files::FileDialog {
public:
    struct Call {
        bool save = false;
        std::string defaultName;
        std::string filter;
    };
    std::vector<Call> calls;
    /// Answers of ShowSave and ShowOpen in turn; nullopt is Cancel, and so is an empty script.
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    /// Runs when the open dialog has been answered, before the command goes on (for example to
    /// remove the chosen file, as another program might).
    std::function<void()> afterOpen;

    std::optional<std::string> ShowSave(std::string_view defaultName,
                                        std::string_view filter) override {
        calls.push_back({true, std::string(defaultName), std::string(filter)});
        return take(saveAnswers);
    }
    std::optional<std::string> ShowOpen(std::string_view filter) override {
        calls.push_back({false, {}, std::string(filter)});
        auto answer = take(openAnswers);
        if (afterOpen) {
            afterOpen();
        }
        return answer;
    }

private:
    static std::optional<std::string> take(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

/// Stands in for the main window: closing it runs what the window's close runs.
class RecordingShell : public files::MainWindowShell {
public:
    int closeRequests = 0;
    /// What closing the window does (set to run Form_Unload); its answer says whether it closed.
    std::function<bool()> onClose;
    bool closed = false;

    void closeMainWindow() override {
        ++closeRequests;
        closed = onClose ? onClose() : true;
    }
};

/// The whole state of the grid that a command may change: every cell and the cursor.
struct GridSnapshot {
    std::vector<std::array<std::string, editor::kGridCols>> cells;
    int row = 0;
    int col = 0;
    int rowSel = 0;
    int colSel = 0;
    friend bool operator==(const GridSnapshot&, const GridSnapshot&) = default;
};

inline GridSnapshot snapshot(const editor::CodeGrid& grid) {
    GridSnapshot shot;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::array<std::string, editor::kGridCols> row;
        for (int c = 0; c < editor::kGridCols; ++c) {
            row[static_cast<std::size_t>(c)] = grid.TextMatrix(r, c);
        }
        shot.cells.push_back(std::move(row));
    }
    shot.row = grid.Row();
    shot.col = grid.Col();
    shot.rowSel = grid.RowSel();
    shot.colSel = grid.ColSel();
    return shot;
}

/// Writes a program into code lines 1, 2, ...: each entry is {code, location, set value}.
inline void putProgram(editor::CodeGrid& grid,
                       const std::vector<std::array<std::string, 3>>& lines) {
    int row = 1;
    for (const auto& line : lines) {
        for (int c = 0; c < 3; ++c) {
            grid.setTextMatrix(row, c + 1, line[static_cast<std::size_t>(c)]);
        }
        ++row;
    }
}

/// The bytes of a ladder program file with the given cell lines behind the header.
inline std::string fileOf(const std::vector<std::string>& cellLines) {
    std::string bytes = "QZV_RUNGBOX_MAGIC\r\n1.00\r\n";
    for (const auto& line : cellLines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

/// A file system that passes everything to the disk but makes chosen save operations fail, the
/// way SQLite's I/O-error tests do. The operations of a save are counted from 1: beginSave, each
/// write, commit. Operation `failAt` fails (0 for none); with `persistent` every later one fails
/// too. A failed operation is not passed on, so the disk sees the save stop there.
class FaultyFileSystem : public files::FileSystem {
public:
    int failAt = 0;
    bool persistent = false;
    int operations = 0; ///< save operations counted so far
    int failures = 0;   ///< of which failed

    bool readAll(const std::string& path, std::string& bytes, files::FileError& error) override {
        return m_disk.readAll(path, bytes, error);
    }

    std::unique_ptr<files::SaveFile> beginSave(const std::string& path,
                                               files::FileError& error) override {
        if (shouldFail(error)) {
            return nullptr;
        }
        auto real = m_disk.beginSave(path, error);
        if (!real) {
            return nullptr;
        }
        return std::make_unique<File>(*this, std::move(real));
    }

private:
    class File : public files::SaveFile {
    public:
        File(FaultyFileSystem& owner, std::unique_ptr<files::SaveFile> real)
            : m_owner(owner), m_real(std::move(real)) {}
        bool write(std::string_view bytes, files::FileError& error) override {
            return !m_owner.shouldFail(error) && m_real->write(bytes, error);
        }
        bool commit(files::FileError& error) override {
            return !m_owner.shouldFail(error) && m_real->commit(error);
        }

    private:
        FaultyFileSystem& m_owner;
        std::unique_ptr<files::SaveFile> m_real;
    };

    bool shouldFail(files::FileError& error) {
        ++operations;
        const bool fail =
            failAt > 0 && (operations == failAt || (persistent && operations > failAt));
        if (fail) {
            ++failures;
            error = {EIO, std::strerror(EIO)};
        }
        return fail;
    }

    files::DiskFileSystem m_disk;
};

/// The objects of one main window that the file commands work on, with recorders for the
/// dialogs, the message boxes and the window itself. Closing the window runs Form_Unload.
struct Window {
    RecordingPanel panel;
    editor::CodeGrid grid;
    editor::Editor editor{grid};
    engine::Controller controller{panel};
    RecordingDialog dialog;
    RecordingBoxes boxes;
    RecordingShell shell;
    files::FileSystem& fileSystem;
    files::FileCommands commands{editor, controller, dialog, boxes, fileSystem, shell};

    explicit Window(files::FileSystem& fs) : fileSystem(fs) {
        editor::setUpGrid(grid);
        shell.onClose = [this] { return commands.Form_Unload(); };
    }
};

/// The user and group a child drops to when the tests run as root ("nobody" on Debian).
inline constexpr uid_t kUnprivilegedId = 65534;

struct ChildOptions {
    /// Run as kUnprivilegedId without supplementary groups, so that permissions apply (root
    /// writes anywhere). When the tests do not run as root they already have no privileges.
    bool dropPrivileges = false;
    /// Largest file size the child may write (RLIMIT_FSIZE), as a full disk would stop it; 0 for
    /// no limit. SIGXFSZ is ignored so that the write fails with EFBIG instead.
    rlim_t fileSizeLimit = 0;
};

struct ChildResult {
    bool exitedNormally = false;
    std::string output; ///< what the child's body answered
};

/// Runs `body` in a forked child with `options` applied and answers what it returned. Failures
/// to set up the child are reported in `output` and a non-zero exit.
inline ChildResult runInChild(const ChildOptions& options,
                              const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return {false, std::string("pipe: ") + std::strerror(errno)};
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {false, std::string("fork: ") + std::strerror(errno)};
    }
    if (pid == 0) {
        ::close(fds[0]);
        auto answer = [&](const std::string& text, int code) {
            std::string_view rest = text;
            while (!rest.empty()) {
                const ssize_t n = ::write(fds[1], rest.data(), rest.size());
                if (n <= 0) {
                    break;
                }
                rest.remove_prefix(static_cast<std::size_t>(n));
            }
            ::_exit(code);
        };
        if (options.dropPrivileges && ::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 ||
                ::setresgid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) != 0 ||
                ::setresuid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) != 0) {
                answer(std::string("dropping privileges: ") + std::strerror(errno), 2);
            }
        }
        if (options.fileSizeLimit > 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                answer(std::string("setrlimit: ") + std::strerror(errno), 2);
            }
        }
        try {
            answer(body(), 0);
        } catch (const std::exception& e) {
            answer(std::string("exception: ") + e.what(), 3);
        } catch (...) {
            answer("exception", 3);
        }
    }
    ::close(fds[1]);
    std::string output;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, output};
}

/// The message boxes a window showed, one a line: text, then style and title in brackets.
inline std::string describeBoxes(const RecordingBoxes& boxes) {
    std::string text;
    for (const auto& box : boxes.shown) {
        text += box.text + " [" + std::to_string(box.style) + " " + box.title + "]\n";
    }
    return text;
}

} // namespace rungbox::test

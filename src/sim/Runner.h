// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim's core: the application's own session of work (controller, code grid, editor,
// run/stop control, file commands), built on console and in-memory ports and driven by a script
// instead of the user's hands.

#include "ConsoleBoxes.h"
#include "ScriptLine.h"
#include "SimPanel.h"
#include "files/DiskFileSystem.h"
#include "platform/Platform.h"
#include "session/Session.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace rungbox::sim {

/// Exit statuses of rungbox-sim.
namespace Exit {
inline constexpr int Ok = 0; ///< the script ran to its end
inline constexpr int Usage =
    1; ///< wrong command line, line not understood, file not loaded or saved
inline constexpr int StartRefused = 2; ///< a press could not start the run
inline constexpr int ProgramError = 3; ///< a program error stopped the run
inline constexpr int ExpectFailed = 4; ///< an `expect` line did not read what it expected
} // namespace Exit

/// One simulated main window and its script. Not copyable; holds everything it uses.
class Runner {
public:
    /// Prints commands' results and message boxes to `out`, complaints about the script to
    /// `err`. Both must outlive the runner. The window is set up as at start-up: grid laid out,
    /// controller reset, program unchanged.
    Runner(std::ostream& out, std::ostream& err);

    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    /// Loads the program file at `path` as File > Load does. True when a program was loaded;
    /// otherwise its message has been printed.
    bool load(const std::string& path);

    /// Runs the script read from `script` line by line to its end or to the first line that
    /// ends it early, and answers the exit status (Exit).
    int run(std::istream& script);

    /// Runs one command; `lineNumber` names the script line in a complaint. Answers Exit::Ok to
    /// go on, otherwise the exit status that ends the script.
    int execute(const Command& command, int lineNumber);

    /// Records every run from now on, in simulated time, for writeVcd().
    void recordRuns();
    /// Writes what recordRuns() recorded to `path` as a VCD file. False, with the reason printed
    /// on the error stream, when it cannot be written.
    bool writeVcd(const std::string& path);
    /// What recordRuns() recorded (empty before).
    trace::Recorder& recorder() { return m_session.tracing().recorder(); }

    /// Milliseconds of simulated time since the run started (moved only by `wait`).
    std::uint64_t clock() const { return m_session.clockMs(); }

    const SimPanel& panel() const { return m_panel; }
    const session::Session& session() const { return m_session; }
    const engine::Controller& controller() const { return m_session.controller(); }

private:
    // The open dialog answers the program's path, the save dialog the path of a `save` command
    // (and is cancelled otherwise: the save question is answered No).
    class PathDialog : public platform::FileDialog {
    public:
        std::optional<std::string> askSavePath(std::string_view, std::string_view) override {
            return std::exchange(m_savePath, std::nullopt);
        }
        std::optional<std::string> askOpenPath(std::string_view) override { return m_path; }
        std::optional<std::string> m_path;
        std::optional<std::string> m_savePath;
    };

    class NoShell : public platform::MainWindowShell {
    public:
        void closeMainWindow() override {}
    };

    int scans(std::int64_t count);
    int wait(std::int64_t milliseconds);
    int ended(session::RunEnd end);
    int step();
    bool atBreakpoint();
    void list();
    int machine(const Command& command, int lineNumber);
    int expect(const Command& command, int lineNumber);
    static std::optional<std::string> plantWord(const std::string& line, const std::string& key);
    int complain(int lineNumber, const std::string& why);

    std::ostream& m_out;
    std::ostream& m_err;
    // The ports first: the session is built on them.
    SimPanel m_panel;
    ConsoleBoxes m_boxes;
    PathDialog m_dialog;
    files::DiskFileSystem m_fileSystem;
    NoShell m_shell;
    session::Session m_session;
};

} // namespace rungbox::sim

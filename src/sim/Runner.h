// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// rungbox-sim's core: the application's own session of work (controller, code grid, editor,
// run/stop control, file commands), built on console and in-memory ports and driven by a script
// instead of the user's hands.

#include "ConsoleBoxes.h"
#include "Script.h"
#include "ScriptLine.h"
#include "SimPanel.h"
#include "TestResults.h"
#include "files/DiskFileSystem.h"
#include "platform/Platform.h"
#include "session/Session.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::sim {

/// Exit statuses of rungbox-sim.
namespace Exit {
inline constexpr int Ok = 0; ///< the script ran to its end
inline constexpr int Usage =
    1; ///< wrong command line, line not understood, file not loaded or saved
inline constexpr int StartRefused = 2; ///< a press could not start the run
inline constexpr int ProgramError = 3; ///< a program error stopped the run
inline constexpr int ExpectFailed = 4; ///< an `expect` line did not read what it expected, or a
                                       ///< test failed
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

    /// Loads the program file `program` (bytes, as a .PLC file holds them) with the names file
    /// `names` beside it (empty: none) as File > Load loads a file named `fileName` (a bare file
    /// name such as "latch.PLC"): the same checks and messages, without touching the disk.
    bool loadBytes(const std::string& fileName, std::string program, std::string names);

    /// Takes `table` as the program's names instead of those read beside it (--names): the
    /// names a script run line by line may use, and those of the diagrams and the VCD file.
    void useNames(names::NameTable table);

    /// Takes the program in `grid` (its code, location and set value cells) as its own, as if
    /// it had been loaded: for checking the window's program in a session of its own.
    void loadProgram(const editor::CodeGrid& grid);

    /// Runs the script read from `script` line by line, each line as soon as it is read, to its
    /// end or to the first line that ends it early, and answers the exit status (Exit). Tests
    /// are taken as their lines come: results() then holds only the tests reached.
    int run(std::istream& script);

    /// Runs `script`. Without `test` lines, line by line to its end or to the first line that
    /// ends it early. With them, a script with a line not understood is refused before anything
    /// runs; a failed `expect` inside a test fails that test and the script goes on, and a line
    /// that ends the script early fails every test not yet passed; results() tells each test's
    /// outcome. Answers the exit status: with tests, that of an early end, else ExpectFailed
    /// when a test failed, else Ok.
    int run(const Script& script);

    /// Bounds the work a script may make over this runner's life: the milliseconds of its `wait`
    /// lines, the scans of its `scan` lines and the ticks of its `tick` lines together (a scan a
    /// millisecond) at most `units`. A line that would pass the bound ends the script early
    /// without running, its complaint saying so. Unbounded at first, as rungbox-sim runs.
    void limitWork(std::uint64_t units) { m_workLimit = units; }
    /// The work made so far by the lines limitWork counts.
    std::uint64_t work() const { return m_work; }
    /// Told the work made so far (work()) during a long `wait`, every kProgressMs milliseconds
    /// of it, so that a front end can show progress. None at first.
    void onProgress(std::function<void(std::uint64_t)> progress) {
        m_progress = std::move(progress);
    }
    static constexpr std::uint64_t kProgressMs = 100000;

    /// Complaints about failed tests name test `name` only (for --test); empty: every test.
    void reportOnlyTest(std::string name) { m_onlyTest = std::move(name); }

    /// The tests of the last run(const Script&), in script order (empty without tests).
    const std::vector<TestResult>& results() const { return m_results; }
    /// The tests of the last run as reports and grade count them: results(), or for a script
    /// without tests the whole script as one test (wholeScriptTest()), passed when it ran to its
    /// end, else failed with what ended it.
    std::vector<TestResult> reportedResults() const;

    /// Runs one command; `lineNumber` names the script line in a complaint. Answers Exit::Ok to
    /// go on, otherwise the exit status that ends the script.
    int execute(const Command& command, int lineNumber);

    /// Records every run from now on, in simulated time, for writeVcd().
    void recordRuns();
    /// Writes what recordRuns() recorded to `path` as a VCD file. False, with the reason printed
    /// on the error stream, when it cannot be written.
    bool writeVcd(const std::string& path);
    /// The recording of the runs, for a timing diagram.
    trace::Tracing& tracing() { return m_session.tracing(); }
    /// What recordRuns() recorded (empty before).
    trace::Recorder& recorder() { return m_session.tracing().recorder(); }

    /// Milliseconds of simulated time since the run started (moved only by `wait`).
    std::uint64_t clock() const { return m_session.clockMs(); }

    /// The text of the last message box shown (a load's or a program error's), empty before.
    const std::string& lastMessage() const { return m_boxes.lastText(); }

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

    // The disk, or while loadBytes() loads, only the files it was given.
    class LoadFiles : public files::DiskFileSystem {
    public:
        bool readAll(const std::string& path, std::string& bytes,
                     platform::FileError& error) override;
        std::optional<std::vector<std::pair<std::string, std::string>>> m_memory;
    };

    class NoShell : public platform::MainWindowShell {
    public:
        void closeMainWindow() override {}
    };

    /// Takes `units` of work for the line `word` at `lineNumber`: Exit::Ok, or the complaint
    /// that ends the script when they would pass limitWork's bound.
    int spend(std::int64_t units, const char* word, int lineNumber);
    int scans(std::int64_t count);
    int wait(std::int64_t milliseconds);
    int ended(session::RunEnd end);
    int step();
    bool atBreakpoint();
    void showWord(engine::WordAddress word);
    void list();
    int machine(const Command& command, int lineNumber);
    int control(const Command& command, int lineNumber);
    int expect(const Command& command, int lineNumber);
    static std::optional<std::string> plantWord(const std::string& line, const std::string& key);
    void begin(const std::vector<TestInfo>& tests);
    int declareTest(const Command& command, int lineNumber);
    int runLine(const ScriptLine& line, int lineNumber);
    int stopped(int status, int lineNumber);
    int finish(int unreadableLine);
    Failure endedAt(int status, int lineNumber);
    int complain(int lineNumber, const std::string& why);
    int expectFailed(int lineNumber, const Command& command, const std::string& subject,
                     const std::string& actual);
    Failure failureAt(int lineNumber) const;
    void startTest();
    void closeTest();
    int endTests(int status, int lineNumber);

    // Counts the scans of the current run, for a failure's report.
    class ScanCounter : public session::SessionListener {
    public:
        explicit ScanCounter(const session::Session& session) : m_session(session) {}
        void runChanged() override {
            if (m_session.running()) {
                scans = 0;
            }
        }
        void scanned(std::uint64_t) override { ++scans; }
        std::uint64_t scans = 0;

    private:
        const session::Session& m_session;
    };

    std::ostream& m_out;
    std::ostream& m_err;
    // The ports first: the session is built on them.
    SimPanel m_panel;
    ConsoleBoxes m_boxes;
    PathDialog m_dialog;
    LoadFiles m_fileSystem;
    NoShell m_shell;
    session::Session m_session;
    ScanCounter m_scanCounter{m_session};
    // Tests: every test of the script, the one whose lines run now (-1 before the first), and
    // whether it has failed; the reason the script last ended early.
    std::vector<TestResult> m_results;
    bool m_testing = false;
    int m_current = -1;
    bool m_currentFailed = false;
    std::string m_endReason;
    std::string m_onlyTest;
    // The last run's exit status, and for a script without tests what ended it early.
    int m_status = Exit::Ok;
    Failure m_ending;
    std::uint64_t m_workLimit = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t m_work = 0;
    std::function<void(std::uint64_t)> m_progress;
};

} // namespace rungbox::sim

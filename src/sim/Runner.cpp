// SPDX-License-Identifier: GPL-3.0-or-later
#include "Runner.h"

#include "ScriptNames.h"
#include "engine/AddressMap.h"
#include "engine/BitAddress.h"
#include "engine/LineSyntax.h"
#include "names/NamesFile.h"
#include "session/LadderDiagram.h"
#include "trace/Signal.h"
#include "trace/VcdFile.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include <utility>
#include <vector>

namespace rungbox::sim {

namespace {

// A bit command's address as output and complaints show it: the relay number of classic
// scripts ("1000"), the address in the notation in extended programs' ("10.00", "W1.00").
std::string relaySubject(const Command& command) {
    return command.address.empty() ? std::to_string(command.number) : command.address;
}

} // namespace

Runner::Runner(std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_boxes(out),
      m_session(session::Ports{m_panel, m_panel, m_boxes, m_dialog, m_fileSystem, m_shell}) {
    m_session.addListener(&m_scanCounter);
    m_session.setUp();
}

bool Runner::load(const std::string& path) {
    m_dialog.m_path = path;
    const bool loaded = m_session.load();
    m_out.flush();
    return loaded;
}

bool Runner::loadBytes(const std::string& fileName, std::string program, std::string names) {
    std::vector<std::pair<std::string, std::string>> memory{{fileName, std::move(program)}};
    if (!names.empty()) {
        memory.emplace_back(names::namesPathFor(fileName), std::move(names));
    }
    m_fileSystem.m_memory = std::move(memory);
    const bool loaded = load(fileName);
    m_fileSystem.m_memory.reset();
    return loaded;
}

bool Runner::LoadFiles::readAll(const std::string& path, std::string& bytes,
                                platform::FileError& error) {
    if (!m_memory) {
        return DiskFileSystem::readAll(path, bytes, error);
    }
    for (const auto& [name, contents] : *m_memory) {
        if (name == path) {
            bytes = contents;
            return true;
        }
    }
    error = {ENOENT, "No such file or directory"};
    return false;
}

void Runner::useNames(names::NameTable table) {
    m_session.editor().names() = std::move(table);
}

void Runner::loadProgram(const editor::CodeGrid& grid) {
    editor::CodeGrid& own = m_session.grid();
    own.setInstructionSet(grid.instructionSet());
    own.setRowCount(grid.rowCount());
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (const int col : {editor::kCodeCol, editor::kLocationCol, editor::kSetValueCol}) {
            own.setText(row, col, grid.text(row, col));
        }
    }
}

// Each line runs as soon as it is read, so that a script typed or fed line by line sees each
// command's output at once. Tests are taken as their lines come.
int Runner::run(std::istream& script) {
    begin({});
    std::string text;
    int lineNumber = 0;
    while (std::getline(script, text)) {
        ++lineNumber;
        const ScriptLine line = parseNamedScriptLine(text, m_session.editor().names());
        if (line.kind == ScriptLine::Kind::Command && line.command.kind == CommandKind::Test) {
            if (const int refused = declareTest(line.command, lineNumber); refused != Exit::Ok) {
                return refused;
            }
        }
        if (const int status = runLine(line, lineNumber); status != Exit::Ok) {
            return status;
        }
    }
    return finish(script.bad() ? lineNumber + 1 : 0);
}

int Runner::run(const Script& given) {
    // A script read before its program was loaded is read again for an extended program, and
    // for a classic one when it was read for the extended set (grade reads one script for
    // programs of both sets).
    Script reread;
    const bool extended = m_session.grid().extended();
    const Script& script = extended || given.set != engine::InstructionSet::Classic
                               ? (reread = rereadScript(given, m_session.editor().names()))
                               : given;
    begin({});
    // A script with tests is refused whole, before anything runs and with no test to tell.
    if (!script.tests.empty()) {
        // The refusal is what ended the whole script, as grade's line for the program says.
        if (const ScriptStep* bad = script.firstError()) {
            m_status = complain(bad->number, bad->line.error);
            m_ending = endedAt(m_status, bad->number);
            return m_status;
        }
        if (script.unreadableLine != 0) {
            m_status = complain(script.unreadableLine, "the script could not be read");
            m_ending = endedAt(m_status, script.unreadableLine);
            return m_status;
        }
    }
    begin(script.tests);
    for (const ScriptStep& step : script.steps) {
        if (const int status = runLine(step.line, step.number); status != Exit::Ok) {
            return status;
        }
    }
    return finish(script.unreadableLine);
}

void Runner::begin(const std::vector<TestInfo>& tests) {
    m_testing = !tests.empty();
    m_results.clear();
    for (const TestInfo& info : tests) {
        m_results.push_back({info, false, {}});
    }
    m_current = -1;
    m_currentFailed = false;
    m_ending = {};
    m_status = Exit::Ok;
}

// A `test` line read as it comes: a name used before ends the script.
int Runner::declareTest(const Command& c, int lineNumber) {
    const auto same =
        std::find_if(m_results.begin(), m_results.end(),
                     [&c](const TestResult& test) { return test.info.name == c.name; });
    if (same != m_results.end()) {
        return stopped(complain(lineNumber, "test " + c.name + " is already named at line " +
                                                std::to_string(same->info.line)),
                       lineNumber);
    }
    m_testing = true;
    m_results.push_back({{c.name, static_cast<int>(c.count), c.hidden, lineNumber}, false, {}});
    return Exit::Ok;
}

int Runner::runLine(const ScriptLine& line, int lineNumber) {
    if (line.kind == ScriptLine::Kind::Skip) {
        return Exit::Ok;
    }
    const int status = line.kind == ScriptLine::Kind::Error ? complain(lineNumber, line.error)
                                                            : execute(line.command, lineNumber);
    return status == Exit::Ok ? Exit::Ok : stopped(status, lineNumber);
}

// The script ended early at `lineNumber` with `status`: the tests not yet passed fail, and so
// does a script without tests (unless a failed expect has already said why).
int Runner::stopped(int status, int lineNumber) {
    m_out.flush();
    m_status = status;
    if (m_testing) {
        return endTests(status, lineNumber);
    }
    if (m_ending.line == 0) {
        m_ending = endedAt(status, lineNumber);
    }
    return status;
}

int Runner::finish(int unreadableLine) {
    m_out.flush();
    if (unreadableLine != 0) {
        // A script that could not be read to its end did not run to its end.
        m_err << "rungbox-sim: line " << unreadableLine << ": the script could not be read\n";
        m_endReason = "the script could not be read";
        m_status = Exit::Usage;
        m_ending = endedAt(m_status, unreadableLine);
        return m_status;
    }
    m_status = m_testing ? endTests(Exit::Ok, 0) : Exit::Ok;
    return m_status;
}

std::vector<TestResult> Runner::reportedResults() const {
    if (m_testing) {
        return m_results;
    }
    return {{wholeScriptTest(), m_status == Exit::Ok, m_ending}};
}

// The state at a script line, for a failure's report.
Failure Runner::failureAt(int lineNumber) const {
    Failure failure;
    failure.line = lineNumber;
    failure.scan = m_scanCounter.scans;
    failure.clockMs = m_session.clockMs();
    const trace::Recorder& recorded = m_session.tracing().recorder();
    failure.traceMs = recorded.empty() ? 0 : recorded.lastMs();
    return failure;
}

// A `test` line: the test before it is over (passed unless an expect failed), this one begins.
void Runner::startTest() {
    closeTest();
    ++m_current;
    m_currentFailed = false;
}

void Runner::closeTest() {
    if (m_current >= 0 && !m_currentFailed) {
        m_results[static_cast<std::size_t>(m_current)].passed = true;
    }
}

// The script is over: at its end (Ok) the last test is decided like the others; ended early,
// the test it was in and every later one fail for the reason it ended.
int Runner::endTests(int status, int lineNumber) {
    if (status == Exit::Ok) {
        closeTest();
        const bool allPassed = std::all_of(m_results.begin(), m_results.end(),
                                           [](const TestResult& test) { return test.passed; });
        return allPassed ? Exit::Ok : Exit::ExpectFailed;
    }
    const Failure ended = endedAt(status, lineNumber);
    const std::size_t first = static_cast<std::size_t>(std::max(m_current, 0));
    for (std::size_t k = first; k < m_results.size(); ++k) {
        if (k == first && m_current >= 0 && m_currentFailed) {
            continue; // keeps the failure it already has
        }
        m_results[k].failure = ended;
    }
    return status;
}

// Why the script ended early at `lineNumber` with `status`, as a failure's report says it.
Failure Runner::endedAt(int status, int lineNumber) {
    if (status == Exit::ProgramError) {
        m_endReason = "a program error stopped the run: " + m_boxes.lastText();
    } else if (status == Exit::StartRefused) {
        m_endReason = "the run could not start: " + m_boxes.lastText();
    }
    Failure ended = failureAt(lineNumber);
    ended.reason = "the script ended at line " + std::to_string(lineNumber) + ": " + m_endReason;
    return ended;
}

int Runner::complain(int lineNumber, const std::string& why) {
    // Whatever the script printed so far comes before the complaint when both go to a terminal.
    m_out.flush();
    m_err << "rungbox-sim: line " << lineNumber << ": " << why << '\n';
    m_err.flush();
    m_endReason = why;
    return Exit::Usage;
}

int Runner::execute(const Command& command, int lineNumber) {
    switch (command.kind) {
    case CommandKind::In:
        if (!m_panel.inputSwitchEnabled(command.number) && m_session.running()) {
            return complain(lineNumber, "in: input " + std::to_string(command.number) +
                                            " is driven by the chosen module");
        }
        if (!m_panel.inputSwitchEnabled(command.number)) {
            return complain(lineNumber, "in: the input switches are disabled while the run is "
                                        "stopped; press first");
        }
        m_panel.setInputSwitch(command.number, command.on);
        return Exit::Ok;
    case CommandKind::Scan:
        if (const int status = spend(command.count, "scan", lineNumber); status != Exit::Ok) {
            return status;
        }
        return scans(command.count);
    case CommandKind::Tick:
        if (const int status = spend(command.count, "tick", lineNumber); status != Exit::Ok) {
            return status;
        }
        for (std::int64_t k = 0; k < command.count && m_session.running(); ++k) {
            m_session.tick();
        }
        return Exit::Ok;
    case CommandKind::Wait:
        if (const int status = spend(command.count, "wait", lineNumber); status != Exit::Ok) {
            return status;
        }
        return wait(command.count);
    case CommandKind::Press: {
        const bool starting = !m_session.running();
        m_session.toggleRun();
        if (!starting) {
            return Exit::Ok;
        }
        return m_session.running() ? Exit::Ok : Exit::StartRefused;
    }
    case CommandKind::Show:
        if (command.word) {
            showWord(*command.word);
        } else {
            m_out << m_panel.showLine() << '\n';
        }
        return Exit::Ok;
    case CommandKind::Set:
        m_session.controller().setWord(*command.word, command.value);
        return Exit::Ok;
    case CommandKind::Relay:
        m_out << "relay " << relaySubject(command) << " = "
              << (m_session.controller().bit(command.number) ? 1 : 0) << '\n';
        return Exit::Ok;
    case CommandKind::List:
        list();
        return Exit::Ok;
    case CommandKind::Ladder:
        m_out << session::LadderDiagram(m_session).text();
        return Exit::Ok;
    case CommandKind::Trace:
        // A relay already recorded stays as it is.
        m_session.tracing().recorder().add(
            trace::bitSignal(*engine::addressAtByte(command.number)));
        return Exit::Ok;
    case CommandKind::Save:
        if (m_session.running()) {
            return complain(lineNumber, "save: the File menu is disabled while the run goes on; "
                                        "press first");
        }
        // A failed save has printed its message; the script stops there.
        m_dialog.m_savePath = command.path;
        if (!m_session.saveAs()) {
            m_endReason = "save failed: " + m_boxes.lastText();
            return Exit::Usage;
        }
        return Exit::Ok;
    case CommandKind::Module:
    case CommandKind::Plant:
    case CommandKind::Hand:
        return machine(command, lineNumber);
    case CommandKind::Expect:
        return expect(command, lineNumber);
    case CommandKind::Test:
        startTest();
        return Exit::Ok;
    case CommandKind::Force:
    case CommandKind::Unforce:
        if (!m_session.running()) {
            return complain(lineNumber,
                            std::string(command.kind == CommandKind::Force ? "force" : "unforce") +
                                ": relays can be forced only while the run is on; "
                                "press first");
        }
        if (command.kind == CommandKind::Force) {
            m_session.debugger().force(command.number, command.on);
        } else {
            m_session.debugger().unforce(command.number);
        }
        return Exit::Ok;
    case CommandKind::Step:
        return step();
    case CommandKind::Break:
    case CommandKind::Unbreak:
        m_session.debugger().setBreakpoint(command.number, command.kind == CommandKind::Break);
        return Exit::Ok;
    }
    return Exit::Ok;
}

// A scan that leaves the run stopped has met a program error: its message has been shown and
// the run/stop control has stopped the run. A scan that leaves the controller between two lines
// has met a breakpoint; the next scan, step or wait goes on from there.
int Runner::scans(std::int64_t count) {
    for (std::int64_t k = 0; k < count && m_session.running(); ++k) {
        const int status = ended(m_session.scan());
        if (status != Exit::Ok || m_session.controller().midScan()) {
            return status;
        }
    }
    return Exit::Ok;
}

int Runner::ended(session::RunEnd end) {
    switch (end) {
    case session::RunEnd::Stopped:
        // How to switch a classic program to the set its line is written in: beside the
        // message, which stays as it is.
        if (!m_session.errorHint().empty()) {
            m_err << "rungbox-sim: " << l10n::english(m_session.errorHint()) << '\n';
        }
        return Exit::ProgramError;
    case session::RunEnd::Breakpoint:
        atBreakpoint();
        return Exit::Ok;
    case session::RunEnd::Done:
        break;
    }
    return Exit::Ok;
}

// One data word as `show WORD` prints it: "DM0100 = #0042 (66)", its 16 bits in hexadecimal
// and as an unsigned decimal.
void Runner::showWord(engine::WordAddress word) {
    const std::uint16_t value = controller().word(word);
    m_out << engine::wordAddressText(word) << " = " << engine::hexWordText(value) << " (" << value
          << ")\n";
}

bool Runner::atBreakpoint() {
    if (!m_session.controller().midScan()) {
        return false;
    }
    m_out << "break at line " << m_session.controller().nextLine() << '\n';
    return true;
}

// Simulated time runs on the session's clock, as the window's real time does: each millisecond
// one scan, every hundredth also a timer tick. A wait that stopped at a breakpoint goes on with
// the interrupted scan.
int Runner::spend(std::int64_t units, const char* word, int lineNumber) {
    const auto wanted = static_cast<std::uint64_t>(std::max<std::int64_t>(units, 0));
    if (wanted > m_workLimit - m_work) {
        return complain(lineNumber, std::string(word) + ": a check may simulate at most " +
                                        std::to_string(m_workLimit) +
                                        " ms (a scan or a tick counts as 1 ms); this line would "
                                        "pass that");
    }
    m_work += wanted;
    return Exit::Ok;
}

// A long wait goes in slices, with progress told between two; a run that ends early (a stop, a
// breakpoint) ends the wait there, as one advance() would.
int Runner::wait(std::int64_t milliseconds) {
    if (!m_session.running()) {
        return Exit::Ok;
    }
    m_session.debugger().setPaused(false);
    auto left = static_cast<std::uint64_t>(milliseconds);
    while (left > 0) {
        const std::uint64_t slice = m_progress ? std::min(left, kProgressMs) : left;
        const session::RunEnd end = m_session.advance(slice);
        left -= slice;
        if (end != session::RunEnd::Done || !m_session.running()) {
            return ended(end);
        }
        if (m_progress && left > 0) {
            m_progress(m_work - left);
        }
    }
    return Exit::Ok;
}

void Runner::recordRuns() {
    m_session.tracing().setRuns(trace::Tracing::Runs::All);
    m_session.setRecording(true);
}

bool Runner::writeVcd(const std::string& path) {
    platform::FileError error;
    if (!trace::saveVcd(m_session.tracing().recorder(), m_fileSystem, path, error,
                        &m_session.names())) {
        m_err << "rungbox-sim: cannot write " << path << ": " << error.description << '\n';
        return false;
    }
    return true;
}

// The Module menu, the machine's state line and its hands. The menu is locked during a run; the
// hands work only the chosen machine, and only during a run, as in the window.
int Runner::machine(const Command& command, int lineNumber) {
    machines::ModuleHost& modules = m_session.modules();
    if (command.kind == CommandKind::Module) {
        if (!m_session.chooseModule(static_cast<machines::ModuleKind>(command.number))) {
            return complain(lineNumber, "module: the Module menu is locked while the run is on; "
                                        "press first");
        }
        return Exit::Ok;
    }
    if (command.kind == CommandKind::Plant) {
        const machines::Plant* plant = modules.plant();
        m_out << (plant == nullptr ? std::string("none") : plant->stateLine()) << '\n';
        return Exit::Ok;
    }
    if (command.hand == Hand::Control) {
        return control(command, lineNumber);
    }
    const bool gate = command.hand == Hand::GateButton || command.hand == Hand::GateStop ||
                      command.hand == Hand::GateCar;
    const std::string name = gate ? "gate" : "conveyor";
    if (modules.kind() != (gate ? machines::ModuleKind::Gate : machines::ModuleKind::Conveyor)) {
        return complain(lineNumber, name + ": the chosen module is not the " + name +
                                        "; choose it with module " + name + " first");
    }
    if (!m_session.running()) {
        return complain(lineNumber,
                        name + ": the machine works only while the run is on; press first");
    }
    if (command.hand == Hand::GateCar) {
        modules.gate().setCar(command.on);
        return Exit::Ok;
    }
    machines::PushButton& button = command.hand == Hand::GateButton ? modules.gate().remote()
                                   : command.hand == Hand::GateStop ? modules.gate().stopButton()
                                   : command.hand == Hand::ConveyorStart
                                       ? modules.conveyor().startButton()
                                       : modules.conveyor().stopButton();
    if (command.momentary) {
        button.press();
    } else {
        button.hold(command.on);
    }
    return Exit::Ok;
}

// A control of a machine drawn from a scene: `motor forward`, `tank trip1 1`.
int Runner::control(const Command& command, int lineNumber) {
    const auto kind = static_cast<machines::ModuleKind>(command.number);
    const std::string name(machines::moduleWord(kind));
    machines::ModuleHost& modules = m_session.modules();
    if (modules.kind() != kind) {
        return complain(lineNumber, name + ": the chosen module is not the " + name +
                                        "; choose it with module " + name + " first");
    }
    if (!m_session.running()) {
        return complain(lineNumber,
                        name + ": the machine works only while the run is on; press first");
    }
    const machines::ControlKind controlKind = machines::moduleControls(kind)[command.control].kind;
    modules.plant()->operate(command.control,
                             machines::touchFor(controlKind, command.momentary, command.on));
    return Exit::Ok;
}

// The value of word `key` ("key=value") of a machine's state line.
std::optional<std::string> Runner::plantWord(const std::string& line, const std::string& key) {
    const std::string prefix = key + "=";
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        const std::string_view word(line.data() + start, end - start);
        if (word.substr(0, prefix.size()) == prefix) {
            return std::string(word.substr(prefix.size()));
        }
        start = end + 1;
    }
    return std::nullopt;
}

// Reads what the expect line names in the form `show` and `relay` print it, and ends the script
// with its own status when that differs from what the line expects.
int Runner::expect(const Command& command, int lineNumber) {
    std::string subject;
    std::string actual;
    switch (command.observed) {
    case Observed::Relay:
        subject = "relay " + relaySubject(command);
        actual = controller().bit(command.number) ? "1" : "0";
        break;
    case Observed::Inputs:
        subject = "in";
        actual = m_panel.inputLampDigits();
        break;
    case Observed::Outputs:
        subject = "out";
        actual = m_panel.outputLampDigits();
        break;
    case Observed::Timer:
        subject = "tim " + std::to_string(command.number);
        actual = command.number < engine::kTimerCount
                     ? m_panel.timerDisplay(command.number)
                     : engine::timerText(controller().timValue(command.number));
        break;
    case Observed::Counter:
        subject = "cnt " + std::to_string(command.number);
        actual = command.number < engine::kCounterCount
                     ? m_panel.counterDisplay(command.number)
                     : std::to_string(controller().cntValue(command.number));
        break;
    case Observed::Word: {
        subject = "word " + engine::wordAddressText(*command.word);
        actual = engine::hexWordText(controller().word(*command.word));
        break;
    }
    case Observed::Plant: {
        subject = "plant " + shownWord(command.key);
        const machines::Plant* plant = m_session.modules().plant();
        const std::optional<std::string> value =
            plant == nullptr ? std::nullopt : plantWord(plant->stateLine(), command.key);
        if (!value) {
            return complain(lineNumber, "expect plant: the plant line has no word " +
                                            shownWord(command.key) +
                                            (plant == nullptr ? " (no module)" : ""));
        }
        actual = *value;
        break;
    }
    }
    if (actual == command.expected) {
        return Exit::Ok;
    }
    return expectFailed(lineNumber, command, subject, actual);
}

// Outside a test a failed expect ends the script with its own status; inside one it fails the
// test (its first failure is the one reported) and the script goes on. A hidden test's failure
// names no expectation, as its output is read by the student too.
int Runner::expectFailed(int lineNumber, const Command& command, const std::string& subject,
                         const std::string& actual) {
    const std::string& expected = command.expected;
    m_out.flush();
    // The terminal is shown the expected text escaped (shownWord); a report holds it as it is.
    const std::string complaint =
        "expected " + subject + ' ' + shownWord(expected) + ", got " + actual;
    Failure failure = failureAt(lineNumber);
    failure.subject = subject;
    failure.expected = expected;
    failure.got = actual;
    failure.reason = "expected " + subject + ' ' + expected + ", got " + actual;
    if (!m_testing || m_current < 0) {
        m_err << "rungbox-sim: line " << lineNumber << ": " << complaint << '\n';
        m_err.flush();
        m_endReason = failure.reason;
        m_ending = std::move(failure);
        return Exit::ExpectFailed;
    }
    TestResult& test = m_results[static_cast<std::size_t>(m_current)];
    const bool reported = m_onlyTest.empty() || test.info.name == m_onlyTest;
    if (reported && test.info.hidden) {
        m_err << "rungbox-sim: hidden test " << test.info.name << " failed\n";
    } else if (reported) {
        m_err << "rungbox-sim: line " << lineNumber << ": test " << test.info.name << ": "
              << complaint << '\n';
    }
    m_err.flush();
    if (!m_currentFailed) {
        m_currentFailed = true;
        failure.signalsRead = readSignals(command, actual);
        test.failure = std::move(failure);
    }
    return Exit::Ok;
}

// Prints the line just executed with the result register and block stack it left; END shows
// them as the scan had them at its end.
int Runner::step() {
    if (!m_session.running()) {
        return Exit::Ok;
    }
    engine::Controller& plc = m_session.controller();
    const int line = plc.midScan() ? plc.nextLine() : plc.program().steps().front().line;
    bool result = plc.result();
    std::vector<bool> stack = plc.blockStack();
    m_session.stepLine();
    if (!m_session.running()) {
        return Exit::ProgramError;
    }
    if (plc.midScan()) {
        result = plc.result();
        stack = plc.blockStack();
    }
    const engine::LadderLine& executed = plc.ladderTable(line);
    m_out << "line " << line << ": " << executed.code << ' ' << executed.location
          << " R=" << (result ? 1 : 0) << " stack=";
    for (std::size_t k = 0; k < stack.size(); ++k) {
        m_out << (k == 0 ? "" : ",") << (stack[k] ? 1 : 0);
    }
    m_out << '\n';
    return Exit::Ok;
}

void Runner::list() {
    for (int row = 1; row <= editor::kLastLine; ++row) {
        const std::string& code = m_session.grid().text(row, editor::kCodeCol);
        if (code.empty()) {
            continue;
        }
        m_out << row << '\t' << code << '\t' << m_session.grid().text(row, editor::kLocationCol)
              << '\t' << m_session.grid().text(row, editor::kSetValueCol) << '\n';
    }
}

} // namespace rungbox::sim

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Runner.h"

#include "engine/AddressMap.h"
#include "session/LadderDiagram.h"
#include "trace/VcdWriter.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include <utility>
#include <vector>

namespace rungbox::sim {

Runner::Runner(std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_boxes(out),
      m_session(session::Ports{m_panel, m_panel, m_boxes, m_dialog, m_fileSystem, m_shell}) {
    m_session.setUp();
}

bool Runner::load(const std::string& path) {
    m_dialog.m_path = path;
    const bool loaded = m_session.load();
    m_out.flush();
    return loaded;
}

int Runner::run(std::istream& script) {
    std::string text;
    int lineNumber = 0;
    while (std::getline(script, text)) {
        ++lineNumber;
        const ScriptLine line = parseScriptLine(text);
        if (line.kind == ScriptLine::Kind::Skip) {
            continue;
        }
        if (line.kind == ScriptLine::Kind::Error) {
            return complain(lineNumber, line.error);
        }
        const int status = execute(line.command, lineNumber);
        if (status != Exit::Ok) {
            m_out.flush();
            return status;
        }
    }
    m_out.flush();
    if (script.bad()) {
        // A script that could not be read to its end did not run to its end.
        m_err << "rungbox-sim: line " << lineNumber + 1 << ": the script could not be read\n";
        return Exit::Usage;
    }
    return Exit::Ok;
}

int Runner::complain(int lineNumber, const std::string& why) {
    // Whatever the script printed so far comes before the complaint when both go to a terminal.
    m_out.flush();
    m_err << "rungbox-sim: line " << lineNumber << ": " << why << '\n';
    m_err.flush();
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
        return scans(command.count);
    case CommandKind::Tick:
        for (std::int64_t k = 0; k < command.count && m_session.running(); ++k) {
            m_session.tick();
        }
        return Exit::Ok;
    case CommandKind::Wait:
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
        m_out << m_panel.showLine() << '\n';
        return Exit::Ok;
    case CommandKind::Relay:
        m_out << "relay " << command.number << " = "
              << (m_session.controller().relay(command.number) ? 1 : 0) << '\n';
        return Exit::Ok;
    case CommandKind::List:
        list();
        return Exit::Ok;
    case CommandKind::Ladder:
        m_out << session::LadderDiagram(m_session).text();
        return Exit::Ok;
    case CommandKind::Trace:
        // A relay already recorded stays as it is.
        m_session.tracing().recorder().add({trace::SignalKind::Relay, command.number});
        return Exit::Ok;
    case CommandKind::Save:
        if (m_session.running()) {
            return complain(lineNumber, "save: the File menu is disabled while the run goes on; "
                                        "press first");
        }
        // A failed save has printed its message; the script stops there.
        m_dialog.m_savePath = command.path;
        return m_session.saveAs() ? Exit::Ok : Exit::Usage;
    case CommandKind::Module:
    case CommandKind::Plant:
    case CommandKind::Hand:
        return machine(command, lineNumber);
    case CommandKind::Expect:
        return expect(command, lineNumber);
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
        return Exit::ProgramError;
    case session::RunEnd::Breakpoint:
        atBreakpoint();
        return Exit::Ok;
    case session::RunEnd::Done:
        break;
    }
    return Exit::Ok;
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
int Runner::wait(std::int64_t milliseconds) {
    if (!m_session.running()) {
        return Exit::Ok;
    }
    m_session.debugger().setPaused(false);
    return ended(m_session.advance(static_cast<std::uint64_t>(milliseconds)));
}

void Runner::recordRuns() {
    m_session.tracing().setRuns(trace::Tracing::Runs::All);
    m_session.setRecording(true);
}

bool Runner::writeVcd(const std::string& path) {
    std::ostringstream text;
    trace::VcdWriter(text).write(m_session.tracing().recorder());
    platform::FileError error;
    auto file = m_fileSystem.beginSave(path, error);
    if (!file || !file->write(text.str(), error) || !file->commit(error)) {
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
        subject = "relay " + std::to_string(command.number);
        actual = controller().relay(command.number) ? "1" : "0";
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
        actual = m_panel.timerDisplay(command.number);
        break;
    case Observed::Counter:
        subject = "cnt " + std::to_string(command.number);
        actual = m_panel.counterDisplay(command.number);
        break;
    case Observed::Plant: {
        subject = "plant " + command.key;
        const machines::Plant* plant = m_session.modules().plant();
        const std::optional<std::string> value =
            plant == nullptr ? std::nullopt : plantWord(plant->stateLine(), command.key);
        if (!value) {
            return complain(lineNumber, "expect plant: the plant line has no word " + command.key +
                                            (plant == nullptr ? " (no module)" : ""));
        }
        actual = *value;
        break;
    }
    }
    if (actual == command.expected) {
        return Exit::Ok;
    }
    m_out.flush();
    m_err << "rungbox-sim: line " << lineNumber << ": expected " << subject << ' '
          << command.expected << ", got " << actual << '\n';
    m_err.flush();
    return Exit::ExpectFailed;
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

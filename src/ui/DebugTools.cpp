// SPDX-License-Identifier: GPL-3.0-or-later
#include "DebugTools.h"

#include "CodeGridView.h"
#include "MainWindow.h"
#include "WatchWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

// The register panel shows this many block-stack entries from the top; deeper ones are
// summed up as "...", since a stack of a hundred entries would not be read anyway.
constexpr int kStackEntriesShown = 12;

} // namespace

DebugTools::DebugTools(MainWindow& window)
    : m_window(window), m_debugger(window.session().debugger()) {
    m_menu = new QMenu("&Debug", &window);
    m_menu->setObjectName("debugMenu");
    // Before Help, wherever the other menus (a View menu among them) were put.
    window.menuBar()->insertMenu(window.helpMenu()->menuAction(), m_menu);

    session::Session& session = window.session();
    m_pause =
        m_menu->addAction("&Pause", this, [this] { m_debugger.setPaused(!m_debugger.paused()); });
    m_pause->setShortcut(Qt::Key_F6);
    m_stepScan = m_menu->addAction("Step &Scan", this,
                                   [this, &session] { session.stepScan(m_window.runTimeMs()); });
    m_stepScan->setShortcut(Qt::Key_F10);
    m_stepTick = m_menu->addAction("Step &Tick", this, [&session] { session.stepTick(); });
    m_stepTick->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    m_stepLine = m_menu->addAction("Step &Instruction", this, [this, &session] {
        session.stepLine();
        m_registers->show();
    });
    m_stepLine->setShortcut(Qt::Key_F11);
    m_menu->addSeparator();
    m_breakpoint = m_menu->addAction("Toggle &Breakpoint", this, [this] {
        const int line = m_window.grid().line();
        if (line >= 1 && line <= engine::kLastCodeLine) {
            m_debugger.toggleBreakpoint(line);
        }
    });
    m_breakpoint->setShortcut(Qt::Key_F9);
    m_menu->addSeparator();
    m_watch = m_menu->addAction("&Watch Table", this, [this] {
        m_watchWindow->show();
        m_watchWindow->raise();
    });
    m_watch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_menu->addAction("&Registers", this, [this] {
        m_registers->show();
        m_registers->raise();
    });

    m_registers = new QWidget(&window, Qt::Tool);
    m_registers->setObjectName("registerPanel");
    m_registers->setWindowTitle("Registers");
    m_registerLabel = new QLabel(m_registers);
    m_registerLabel->setObjectName("registerText");
    QFont mono("DejaVu Sans Mono");
    mono.setPointSizeF(10);
    m_registerLabel->setFont(mono);
    m_registerLabel->setMinimumWidth(300);
    (new QVBoxLayout(m_registers))->addWidget(m_registerLabel);

    m_watchWindow = new WatchWindow(m_debugger, &window);

    window.gridView()->setDebugger(&m_debugger);
    m_blinkTimer.setInterval(kBlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &DebugTools::blink);
    m_debugger.addListener(this);
    showState();
}

DebugTools::~DebugTools() {
    m_debugger.removeListener(this);
}

void DebugTools::debugStateChanged() {
    showState();
}

QString DebugTools::registerText() const {
    const int line = m_debugger.currentLine();
    if (line == 0) {
        return "Between scans";
    }
    const engine::Controller& plc = m_window.controller();
    const engine::LadderLine& next = plc.ladderTable(line);
    QString text = QString("Next line %1: %2 %3\nResult R = %4\n")
                       .arg(line)
                       .arg(QString::fromStdString(next.code))
                       .arg(next.location)
                       .arg(m_debugger.result() ? 1 : 0);
    const std::vector<bool> stack = m_debugger.blockStack();
    text += QString("Block stack (%1, top first):").arg(stack.size());
    for (std::size_t k = 0; k < stack.size() && k < kStackEntriesShown; ++k) {
        text += stack[k] ? " 1" : " 0";
    }
    if (stack.size() > kStackEntriesShown) {
        text += " ...";
    }
    return text;
}

void DebugTools::showState() {
    const engine::Controller& plc = m_window.controller();
    const bool running = plc.simulating();
    const bool paused = m_debugger.paused();
    m_menu->menuAction()->setEnabled(running);
    for (QAction* item : m_menu->actions()) {
        item->setEnabled(running);
    }
    m_pause->setText(paused ? "&Resume" : "&Pause");
    m_window.gridView()->setBrowsable(paused);
    m_window.gridView()->gridModel().refreshDebugMarks();
    if (const int line = m_debugger.currentLine(); line != 0) {
        m_window.gridView()->scrollTo(m_window.gridView()->gridModel().indexOfCell(line, 1));
    }
    for (int n = 0; n < engine::kInputCount; ++n) {
        m_window.inputLamp(n)->setLocked(plc.forced(n));
    }
    for (int n = 0; n < engine::kOutputCount; ++n) {
        m_window.outputLamp(n)->setLocked(plc.forced(engine::kFirstOutputRelay + n));
    }
    m_registerLabel->setText(registerText());
    if (paused && !m_blinkTimer.isActive()) {
        m_blinkTimer.start();
    } else if (!paused && m_blinkTimer.isActive()) {
        m_blinkTimer.stop();
        m_window.runButton()->setOn(running);
    }
    m_watchWindow->refresh();
}

void DebugTools::blink() {
    m_window.runButton()->setOn(!m_window.runButton()->isOn());
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DebugTools.h"

#include "DmTable.h"
#include "RegisterWordsView.h"
#include "WatchWindow.h"
#include "debug/Registers.h"
#include "ui/app/SessionSignals.h"
#include "ui/frontpanel/FrontPanel.h"
#include "ui/frontpanel/Lamp.h"
#include "ui/grid/CodeGridView.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace rungbox::ui {

DebugTools::DebugTools(session::Session& session, const SessionSignals& sessionSignals,
                       FrontPanel& panel, QMainWindow& window, QMenu* beforeMenu)
    : QObject(&window), m_session(session), m_panel(panel), m_debugger(session.debugger()) {
    setObjectName("debugTools");
    m_menu = new QMenu(tr("&Debug"), &window);
    m_menu->setObjectName("debugMenu");
    window.menuBar()->insertMenu(beforeMenu->menuAction(), m_menu);

    m_pause = m_menu->addAction(tr("&Pause"), this,
                                [this] { m_debugger.setPaused(!m_debugger.paused()); });
    m_pause->setObjectName("pauseItem");
    m_pause->setShortcut(Qt::Key_F6);
    m_stepScan = m_menu->addAction(tr("Step &Scan"), this, [&session] { session.stepScan(); });
    m_stepScan->setObjectName("stepScanItem");
    m_stepScan->setShortcut(Qt::Key_F10);
    m_stepTick = m_menu->addAction(tr("Step &Tick"), this, [&session] { session.stepTick(); });
    m_stepTick->setObjectName("stepTickItem");
    m_stepTick->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    m_stepLine = m_menu->addAction(tr("Step &Instruction"), this, [this, &session] {
        session.stepLine();
        m_registers->show();
    });
    m_stepLine->setObjectName("stepLineItem");
    m_stepLine->setShortcut(Qt::Key_F11);
    m_menu->addSeparator();
    m_breakpoint = m_menu->addAction(tr("Toggle &Breakpoint"), this, [this] {
        const int line = m_session.grid().line();
        if (line >= 1 && line <= engine::kLastCodeLine) {
            m_debugger.toggleBreakpoint(line);
        }
    });
    m_breakpoint->setObjectName("breakpointItem");
    m_breakpoint->setShortcut(Qt::Key_F9);
    m_menu->addSeparator();
    m_watch = m_menu->addAction(tr("&Watch Table"), this, [this] {
        m_watchWindow->show();
        m_watchWindow->raise();
    });
    m_watch->setObjectName("watchItem");
    m_watch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_menu
        ->addAction(tr("&Registers"), this,
                    [this] {
                        m_registers->show();
                        m_registers->raise();
                    })
        ->setObjectName("registersItem");
    // Data memory exists in extended programs only; a classic program's menu stays as it was.
    m_dmTableItem = m_menu->addAction(tr("&DM Table"), this, [this] {
        m_dmTable->refresh();
        m_dmTable->show();
        m_dmTable->raise();
    });
    m_dmTableItem->setObjectName("dmTableItem");
    connect(m_menu, &QMenu::aboutToShow, this,
            [this] { m_dmTableItem->setVisible(m_session.grid().extended()); });
    m_dmTableItem->setVisible(false);

    m_registers = std::make_unique<QWidget>(&window, Qt::Tool);
    m_registers->setObjectName("registerPanel");
    m_registers->setWindowTitle(tr("Registers"));
    m_registerLabel = new QLabel(m_registers.get());
    m_registerLabel->setObjectName("registerText");
    QFont mono("DejaVu Sans Mono");
    mono.setPointSizeF(10);
    m_registerLabel->setFont(mono);
    m_registerLabel->setMinimumWidth(300);
    auto* registerLayout = new QVBoxLayout(m_registers.get());
    registerLayout->addWidget(m_registerLabel);
    m_registerWords = new RegisterWordsView(m_debugger, m_registers.get());
    registerLayout->addWidget(m_registerWords, 1);

    m_watchWindow = std::make_unique<WatchWindow>(m_debugger, &window);
    m_dmTable = std::make_unique<DmTable>(session.controller(), &window);

    m_panel.gridView().setDebugger(&m_debugger);
    m_blinkTimer.setInterval(kBlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &DebugTools::blink);
    connect(&sessionSignals, &SessionSignals::debugChanged, this, &DebugTools::showState);
    connect(&sessionSignals, &SessionSignals::runChanged, this, &DebugTools::showState);
    connect(&sessionSignals, &SessionSignals::frame, this, [this] {
        if (m_watchWindow->isVisible()) {
            m_watchWindow->refresh();
        }
        if (m_dmTable->isVisible()) {
            m_dmTable->refresh();
        }
        if (m_registers->isVisible()) {
            m_registerWords->refresh();
        }
    });
    showState();
}

DebugTools::~DebugTools() = default;

QString DebugTools::registerText() const {
    return QString::fromStdString(debug::registerText(m_debugger));
}

// The breakpoint, the watch table and the registers work while stopped too (breakpoints are set
// before a run); pausing and stepping only during a run.
void DebugTools::showState() {
    const engine::Controller& plc = m_session.controller();
    const bool running = plc.simulating();
    const bool paused = m_debugger.paused();
    for (QAction* item : {m_pause, m_stepScan, m_stepTick, m_stepLine}) {
        item->setEnabled(running);
    }
    m_pause->setText(paused ? tr("&Resume") : tr("&Pause"));
    CodeGridView& grid = m_panel.gridView();
    grid.setBrowsable(paused);
    grid.gridModel().refreshDebugMarks();
    if (const int line = m_debugger.currentLine(); line != 0) {
        grid.scrollTo(grid.gridModel().indexOfCell(line, 1));
        // The line a paused scan reached is the grid's cursor line, which F9 and the ladder
        // diagram take, until the user clicks another line of the paused run.
        if (line != m_markedLine) {
            m_session.grid().setLine(line);
        }
    }
    m_markedLine = m_debugger.currentLine();
    for (int n = 0; n < engine::kInputCount; ++n) {
        m_panel.inputLamp(n).setLocked(plc.forced(n));
    }
    for (int n = 0; n < engine::kOutputCount; ++n) {
        m_panel.outputLamp(n).setLocked(plc.forced(engine::kFirstOutputRelay + n));
    }
    m_registerLabel->setText(registerText());
    m_registerWords->refresh();
    if (paused && !m_blinkTimer.isActive()) {
        m_blinkTimer.start();
    } else if (!paused && m_blinkTimer.isActive()) {
        m_blinkTimer.stop();
        m_panel.runButton().setOn(running);
    }
    m_watchWindow->refresh();
    if (m_dmTable->isVisible()) {
        m_dmTable->refresh();
    }
}

void DebugTools::blink() {
    m_panel.runButton().setOn(!m_panel.runButton().isOn());
}

} // namespace rungbox::ui

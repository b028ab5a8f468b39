// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's debugging tools: the Debug menu with its shortcut keys, the register panel
// (the line a paused scan executes next, the result register, the block stack), the watch
// table, the breakpoints and current line in the grid, the padlocks on forced lamps and the
// blinking run/stop lamp of a paused run. Everything it shows comes from the session's
// debug::Debugger; it only forwards the user's commands.

#include "session/Session.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace rungbox::ui {

class FrontPanel;
class SessionSignals;
class WatchWindow;
class DmTable;
class RegisterWordsView;

class DebugTools : public QObject {
    Q_OBJECT

public:
    /// Milliseconds between two changes of a paused run's blinking run/stop lamp.
    static constexpr int kBlinkMs = 400;

    /// Adds the Debug menu to `window`'s menu bar before `beforeMenu`, and shows `session`'s
    /// debugging state on `panel` as `signals` tells of it. Everything given must outlive the
    /// tools; the register panel and the watch table are theirs.
    DebugTools(session::Session& session, const SessionSignals& sessionSignals, FrontPanel& panel,
               QMainWindow& window, QMenu* beforeMenu);
    ~DebugTools() override;

    DebugTools(const DebugTools&) = delete;
    DebugTools& operator=(const DebugTools&) = delete;

    QMenu* menu() const { return m_menu; }
    QAction* pauseItem() const { return m_pause; }
    QAction* stepScanItem() const { return m_stepScan; }
    QAction* stepTickItem() const { return m_stepTick; }
    QAction* stepLineItem() const { return m_stepLine; }
    QAction* breakpointItem() const { return m_breakpoint; }
    QAction* watchItem() const { return m_watch; }
    QWidget* registerPanel() const { return m_registers.get(); }
    /// The register panel's text: "Line N: CODE", "R = r", "Stack (d): top ...".
    QString registerText() const;
    WatchWindow* watchWindow() const { return m_watchWindow.get(); }
    /// The Debug menu's "DM Table" item, shown for extended programs only.
    QAction* dmTableItem() const { return m_dmTableItem; }
    DmTable* dmTable() const { return m_dmTable.get(); }
    /// The register panel's words (extended programs).
    RegisterWordsView* registerWords() const { return m_registerWords; }
    /// True while the run/stop lamp blinks: the run is paused.
    bool blinking() const { return m_blinkTimer.isActive(); }

private:
    void showState();
    void blink();

    session::Session& m_session;
    FrontPanel& m_panel;
    debug::Debugger& m_debugger;
    QMenu* m_menu = nullptr;
    QAction* m_pause = nullptr;
    QAction* m_stepScan = nullptr;
    QAction* m_stepTick = nullptr;
    QAction* m_stepLine = nullptr;
    QAction* m_breakpoint = nullptr;
    QAction* m_watch = nullptr;
    std::unique_ptr<QWidget> m_registers;
    QLabel* m_registerLabel = nullptr;
    RegisterWordsView* m_registerWords = nullptr;
    std::unique_ptr<WatchWindow> m_watchWindow;
    QAction* m_dmTableItem = nullptr;
    std::unique_ptr<DmTable> m_dmTable;
    QTimer m_blinkTimer;
    int m_markedLine = 0; ///< the paused scan's next line when last shown, 0 for none
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of the main window that tests press, read and check, found as a user's tools would
// find them: by object name. A missing part fails the test at once with its name.

#include "ui/app/MainWindow.h"
#include "ui/app/SessionSignals.h"
#include "ui/debug/DebugTools.h"
#include "ui/explore/ExploreTools.h"
#include "ui/frontpanel/Lamp.h"
#include "ui/grid/CodeGridView.h"
#include "ui/ladder/LadderWindow.h"
#include "ui/machines/ModuleWindow.h"
#include "ui/names/NamesWindow.h"
#include "ui/timing/TimingWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace rungbox::test {

template <typename Part> Part* part(const QObject& window, const QString& name) {
    auto* found = window.findChild<Part*>(name);
    if (found == nullptr) {
        qFatal("no part named %s", qPrintable(name));
    }
    return found;
}

/// The part, or nullptr when it has not been made yet (a tool window before its first use).
template <typename Part> Part* madePart(const QObject& window, const QString& name) {
    return window.findChild<Part*>(name);
}

inline QString numbered(const char* name, int n) {
    return QString("%1%2").arg(name).arg(n);
}

inline ui::CodeGridView* gridView(const QObject& w) {
    return part<ui::CodeGridView>(w, "codeGrid");
}
inline ui::Lamp* runButton(const QObject& w) {
    return part<ui::Lamp>(w, "runButton");
}
inline QCheckBox* inputSwitch(const QObject& w, int n) {
    return part<QCheckBox>(w, numbered("inputSwitch", n));
}
inline ui::Lamp* inputLamp(const QObject& w, int n) {
    return part<ui::Lamp>(w, numbered("inputLamp", n));
}
inline ui::Lamp* outputLamp(const QObject& w, int n) {
    return part<ui::Lamp>(w, numbered("outputLamp", n));
}
inline QLabel* timerDisplay(const QObject& w, int n) {
    return part<QLabel>(w, numbered("timerDisplay", n));
}
inline QLabel* counterDisplay(const QObject& w, int n) {
    return part<QLabel>(w, numbered("counterDisplay", n));
}
inline QLabel* progressLabel(const QObject& w) {
    return part<QLabel>(w, "progressLabel");
}
inline QFrame* progressBar(const QObject& w) {
    return part<QFrame>(w, "progressBar");
}
inline QMenu* menu(const QObject& w, const char* name) {
    return part<QMenu>(w, name);
}
inline QAction* item(const QObject& w, const QString& name) {
    return part<QAction>(w, name);
}
inline QAction* moduleItem(const QObject& w, int n) {
    return item(w, numbered("moduleItem", n));
}
inline QAction* recentItem(const QObject& w, int n) {
    return item(w, numbered("recentItem", n));
}
inline QTimer* runTimer(const QObject& w) {
    return part<QTimer>(w, "runTimer");
}
inline ui::DebugTools* debugTools(const QObject& w) {
    return part<ui::DebugTools>(w, "debugTools");
}
inline ui::ExploreTools* exploreTools(const QObject& w) {
    return part<ui::ExploreTools>(w, "exploreTools");
}
inline ui::LadderWindow* ladderWindow(const QObject& w) {
    return madePart<ui::LadderWindow>(w, "ladderWindow");
}
inline ui::TimingWindow* timingWindow(const QObject& w) {
    return madePart<ui::TimingWindow>(w, "timingWindow");
}
inline ui::NamesWindow* namesWindow(const QObject& w) {
    return madePart<ui::NamesWindow>(w, "namesWindow");
}
/// The window of the machine chosen in the Module menu; nullptr with none chosen (or not made).
inline ui::ModuleWindow* moduleWindow(ui::MainWindow& w) {
    const machines::ModuleKind kind = w.session().modules().kind();
    if (kind == machines::ModuleKind::None) {
        return nullptr;
    }
    // Each machine's window is named after its module's word: "gateWindow", "motorWindow".
    const QString name = QString::fromUtf8(machines::moduleWord(kind).data(),
                                           static_cast<qsizetype>(machines::moduleWord(kind).size()));
    return madePart<ui::ModuleWindow>(w, name + "Window");
}

} // namespace rungbox::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameDisplays.h"

#include "CodeGridView.h"
#include "DebugTools.h"
#include "Lamp.h"
#include "MainWindow.h"
#include "NamesWindow.h"
#include "TimingWindow.h"
#include "WatchWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>

namespace rungbox::ui {

namespace {

using names::Address;

// "START: green push-button" for a named address, with its comment; empty without a name.
QString tipOf(const names::NameTable& table, Address address) {
    const names::NameEntry* entry = table.find(address);
    if (entry == nullptr) {
        return {};
    }
    QString tip = QString::fromStdString(entry->name) + " (" +
                  QString::fromStdString(names::addressText(address)) + ")";
    if (!entry->comment.empty()) {
        tip += ": " + QString::fromStdString(entry->comment);
    }
    return tip;
}

} // namespace

NameDisplays::NameDisplays(MainWindow& window) : QObject(&window), m_window(window) {
    QAction* item = window.viewMenu()->addAction("&Names", this, [this] { showEditor(); });
    item->setObjectName("namesItem");
    window.debugTools().watchWindow()->setNames(&window.session().names());
    window.gridView()->gridModel().setNames(&window.session().names());
}

NameDisplays::~NameDisplays() {
    // The editor works on the session's names: it goes before the session does.
    delete m_editor;
}

NamesWindow* NameDisplays::editor() const {
    return m_editor;
}

NamesWindow* NameDisplays::showEditor() {
    if (m_editor == nullptr) {
        m_editor = new NamesWindow(m_window.editor(), &m_window);
        connect(m_editor, &NamesWindow::namesChanged, this, &NameDisplays::follow);
    }
    m_editor->show();
    m_editor->raise();
    m_editor->refresh();
    return m_editor;
}

void NameDisplays::refresh() {
    if (m_editor != nullptr) {
        m_editor->refresh();
    }
    if (!(m_window.session().names() == m_shown)) {
        follow();
    }
}

void NameDisplays::follow() {
    updateTips();
    m_window.debugTools().watchWindow()->setNames(&m_window.session().names());
    if (TimingWindow* timing = m_window.timingWindow()) {
        timing->setNames(&m_window.session().names());
    }
    emit namesChanged();
}

void NameDisplays::updateTips() {
    const names::NameTable& table = m_window.session().names();
    m_shown = table;
    for (int n = 0; n < engine::kInputCount; ++n) {
        const QString tip = tipOf(table, Address::relay(n));
        m_window.inputLamp(n)->setToolTip(tip);
        m_window.inputSwitch(n)->setToolTip(QString("Input %1").arg(n, 2, 10, QChar('0')) +
                                            (tip.isEmpty() ? "" : ": " + tip));
    }
    for (int n = 0; n < engine::kOutputCount; ++n) {
        m_window.outputLamp(n)->setToolTip(
            tipOf(table, Address::relay(engine::kFirstOutputRelay + n)));
    }
    for (int n = 0; n < engine::kTimerCount; ++n) {
        m_window.timerDisplay(n)->setToolTip(tipOf(table, Address::timer(n)));
    }
    for (int n = 0; n < engine::kCounterCount; ++n) {
        m_window.counterDisplay(n)->setToolTip(tipOf(table, Address::counter(n)));
    }
}

} // namespace rungbox::ui

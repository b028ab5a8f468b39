// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's names in the main window: the View > Names editor, and the names in the tooltips
// of the lamps, switches and displays of the addresses that have one. Follows the names as they
// change (an edit in the editor, a program loaded, New).

#include "names/NameTable.h"

#include <QObject>
#include <QPointer>

namespace rungbox::ui {

class MainWindow;
class NamesWindow;

class NameDisplays : public QObject {
    Q_OBJECT

public:
    /// Adds View > Names to `window`'s View menu. `window` must outlive this.
    explicit NameDisplays(MainWindow& window);
    ~NameDisplays() override;

    /// View > Names: opens the names editor (made on first use).
    NamesWindow* showEditor();
    /// The names editor; null until first opened.
    NamesWindow* editor() const;

    /// Catches up with the program: the tooltips when its names changed, the editor's rows.
    void refresh();

signals:
    /// The names changed (edited, or replaced with the program).
    void namesChanged();

private:
    void follow();
    void updateTips();

    MainWindow& m_window;
    QPointer<NamesWindow> m_editor;
    /// The names the tooltips show.
    names::NameTable m_shown;
};

} // namespace rungbox::ui

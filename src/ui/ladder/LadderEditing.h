// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Editing in the Ladder Diagram window while stopped: the selection (the element of the grid's
// current line, moved with the arrow keys), the toolbar whose buttons name their keys, the
// address editor a new element opens, dragging a contact or coil from the toolbar onto a wire,
// and the right-click menu. What each key and tool does is ladder::DrawingModel's (the page's
// diagram draws with it too); every edit goes through ladder::DiagramEditor, so the grid follows
// as one undo step. During a run nothing here acts.

#include "ladder/DrawingModel.h"
#include "session/Session.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPointF>
#include <QToolBar>

class QKeyEvent;
class QMenu;

namespace rungbox::ui {

class LadderWindow;

class LadderEditing : public QObject {
    Q_OBJECT

public:
    /// Keys of the keyboard model, as the tooltips and the README name them.
    using Tool = ladder::Tool;

    /// `window` shows the diagram; `session` holds the grid and its editor. Both must outlive
    /// this.
    LadderEditing(LadderWindow& window, session::Session& session);

    QToolBar* toolBar() const { return m_toolBar; }
    QLabel* status() const { return m_status; }
    /// The action of `tool` (its shortcut key is handled by key(), not by the action).
    QAction* action(Tool tool) const;

    /// True while stopped: the diagram edits.
    bool active() const;
    /// Follows the run state (toolbar enabled while stopped).
    void refresh();
    /// Handles a key pressed in the diagram; false when it is not an editing key.
    bool key(QKeyEvent* event);
    /// Makes `tool`'s edit at the selection.
    void use(Tool tool);
    /// A contact (`coil` false) or OUT coil dropped at `point` (zoom 1 pixels of the picture).
    bool drop(QPointF point, bool coil);
    /// Opens the address editor on the selection.
    void editAddress();
    /// The right-click menu of the selection.
    void showMenu(const QPoint& globalPos);
    /// Selects the first element of the rung of the grid's current line.
    void selectCurrentRung();

    /// The address editor (hidden while not typing); for tests.
    QWidget* addressEditor() const { return m_editor; }
    QLineEdit* addressField() const { return m_address; }
    QLineEdit* setValueField() const { return m_setValue; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool apply(const ladder::Outcome& outcome, bool created);
    void moveSelection(int dx, int dy);
    bool commandKey(int key, bool shift);
    void confirmAddress();
    void cancelAddress();
    void say(const QString& text);
    QMenu* buildMenu();

    LadderWindow& m_window;
    session::Session& m_session;
    ladder::DrawingModel m_model;
    QToolBar* m_toolBar;
    QLabel* m_status;
    QList<QAction*> m_actions; // by Tool
    QWidget* m_editor;
    QLineEdit* m_address;
    QLineEdit* m_setValue;
};

} // namespace rungbox::ui

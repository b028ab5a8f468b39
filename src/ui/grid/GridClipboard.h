// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code grid's clipboard commands (Ctrl+C, Ctrl+X, Ctrl+V): lines copied or cut from the
// session's editor go to the system clipboard as their shown text, and the clipboard's text is
// pasted into the grid. The editor knows no clipboard; this carries the grid's requests out.

#include "session/Session.h"

#include <QObject>

namespace rungbox::ui {

class CodeGridView;

class GridClipboard : public QObject {
    Q_OBJECT

public:
    /// Carries out `grid`'s clipboard requests on `session`; both must outlive this object.
    GridClipboard(session::Session& session, CodeGridView& grid, QObject* parent = nullptr);

    void copyLines();
    void cutLines();
    void pasteClipboard();

private:
    session::Session& m_session;
};

} // namespace rungbox::ui

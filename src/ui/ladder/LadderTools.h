// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ladder diagram's menu items in the main window: View > Ladder Diagram opens the diagram
// window (made on first use, kept afterwards) and File > Export Diagram... writes the diagram of
// the program in the grid to a picture file. The diagram window looks at each of the session's
// frames while it is shown.

#include "session/Session.h"

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace rungbox::ui {

class LadderWindow;
class SessionSignals;
class WindowPlaces;

class LadderTools : public QObject {
    Q_OBJECT

public:
    /// Adds Export Diagram... to `fileMenu` and Ladder Diagram to `viewMenu`, each at the end.
    /// The diagram window is made with `window` as its parent and placed by `places`; it shows
    /// `session` and follows `sessionSignals`. Everything given must outlive the tools.
    LadderTools(session::Session& session, const SessionSignals& sessionSignals, QWidget& window,
                WindowPlaces& places, QMenu& fileMenu, QMenu& viewMenu);
    ~LadderTools() override;

    LadderTools(const LadderTools&) = delete;
    LadderTools& operator=(const LadderTools&) = delete;

    /// View > Ladder Diagram: opens the diagram window beside the main window (made on first
    /// use, kept afterwards) and brings it to the front.
    LadderWindow* showDiagram();
    /// File > Export Diagram: asks for a file and writes the diagram there, SVG or PNG by the
    /// name's extension. A failure is reported in a message box.
    void exportDiagram();
    /// Looks at the diagram now when its window is shown (each frame does).
    void showFrame();
    /// Closes the diagram window, if made (the main window is closing).
    void closeWindow();

private:
    session::Session& m_session;
    QWidget& m_window;
    WindowPlaces& m_places;
    std::unique_ptr<LadderWindow> m_ladderWindow;
};

} // namespace rungbox::ui

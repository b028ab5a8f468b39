// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Ladder Diagram window: the program in the grid drawn as rungs, beside the main window.
// It looks at the session's diagram on each of the session's frames (at most about 30 a second,
// and only while shown) and repaints only when the picture changed: while stopped it follows
// every edit, during a run it shows the power flow. A click on an element makes its line the grid's
// current line; the grid's current line is marked. Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom,
// Ctrl+0 resets. While stopped the diagram also edits (LadderEditing.h): the grid's current
// line's element is the selection.

#include "LadderPainter.h"
#include "platform/Platform.h"
#include "session/LadderDiagram.h"

#include <QScrollArea>
#include <QWidget>

namespace rungbox::ui {

class LadderCanvas;
class LadderEditing;

class LadderWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr double kMinZoom = 0.4;
    static constexpr double kMaxZoom = 3.0;

    /// `session` must outlive the window: its grid and controller are read, and the grid's
    /// current line is set when an element is clicked. `parent` (the main window) keeps the
    /// window on top of it; the window is a top-level window of its own.
    explicit LadderWindow(session::Session& session, QWidget* parent = nullptr);

    /// Looks at the diagram now (each frame does, while shown): true when the picture changed.
    bool poll();

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    const ladder::Monitor& monitor() const { return m_diagram.monitor(); }
    /// The canvas the diagram is painted on (for tests that click it).
    QWidget* canvas() const;
    /// Where line `line` is drawn in canvas coordinates; empty when it is not drawn.
    QRect lineRect(int line) const;
    /// Paint events of the canvas so far; for measuring how often the diagram is drawn.
    int paintCount() const { return m_paintCount; }

    /// The editing of the diagram: toolbar, keys, address editor.
    LadderEditing& editing() const { return *m_editing; }
    /// Scrolls line `line`'s element into view.
    void showLine(int line);
    /// The wire at `point` (zoom 1 pixels of the picture), as LadderPainter::wireAt.
    LadderPainter::WireHit wireAt(QPointF point) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class LadderCanvas;
    void clicked(QPointF point);
    void fitCanvas();

    session::Session& m_session;
    session::LadderDiagram m_diagram;
    QScrollArea* m_scroll;
    LadderCanvas* m_canvas;
    LadderEditing* m_editing;
    double m_zoom = 1.0;
    int m_shownLine = 0;
    int m_paintCount = 0;
};

/// Saves the picture of `layout` (with `flow`, nullptr while stopped, and `currentLine`
/// marked) at `path` through `fileSystem` (savePicture): SVG when the name ends in ".svg", else
/// PNG. False, with `error` set, when it could not be written.
bool exportLadder(const ladder::Layout& layout, const ladder::PowerFlow* flow, int currentLine,
                  platform::FileSystem& fileSystem, const std::string& path,
                  platform::FileError& error);

} // namespace rungbox::ui

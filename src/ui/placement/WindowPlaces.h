// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the tool windows open: beside the main window and wholly on its screen the first time,
// where the user left them afterwards, also in the next session when a settings store is given.

#include <QObject>
#include <QRect>

#include <vector>

class QSettings;
class QWidget;

namespace rungbox::ui {

/// Where a window whose frame is `size` goes beside `main` (the main window's frame) on
/// `screen` (the screen's available area), all in the same pixels: to the right, `gap` pixels
/// away, when it fits there; else to the left when it fits there; else on the side with more
/// room, narrowed to it but no narrower than `minimum`. Its top is level with the main
/// window's; the result is kept wholly on the screen (keepOnScreen).
QRect placeBeside(const QRect& main, QSize size, QSize minimum, const QRect& screen, int gap);

/// `rect` moved, and made smaller where it is larger than `screen`, to lie wholly within it.
QRect keepOnScreen(QRect rect, const QRect& screen);

/// Where a new window whose frame is `size` covers least of `main` and of the windows shown at
/// `shown` (all frames, in the pixels of `screen`): beside the main window (placeBeside) when
/// that covers nothing, else beside, below or above one of them, or in a corner of the screen,
/// whichever covers the fewest pixels, the main window's counting twice, as do the pixels a
/// window narrowed to fit beside another cannot show. Ties go to the place named first.
QRect placeLeastCovering(const QRect& main, QSize size, QSize minimum,
                         const std::vector<QRect>& shown, const QRect& screen, int gap);

class WindowPlaces : public QObject {
    Q_OBJECT

public:
    /// Pixels between the main window's frame and a tool window's beside it.
    static constexpr int kGap = 8;

    /// Places the tool windows of `main`, which must outlive this object.
    explicit WindowPlaces(QWidget& main, QObject* parent = nullptr);

    /// Remembers the places in `settings` from now on, each window under its object name;
    /// nullptr for this session only. Not owned; must outlive this object or be replaced.
    void setStore(QSettings* settings);
    /// Takes care of `window`, a top-level window with an object name: the first time it shows
    /// it opens at its remembered place or where it covers least (placeLeastCovering), wholly
    /// on the screen; each time it hides, its place is remembered. Not owned; it may be
    /// destroyed first. Every window made with the main window, or with a window of it, as its
    /// parent is taken care of so without asking, unless it is modal or a popup.
    void manage(QWidget* window);
    /// Remembers the places of the windows shown now (the main window is closing).
    void rememberShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFirst(QWidget& window);
    /// The frames of the windows placed here that are shown now, but `window`.
    std::vector<QRect> shownFrames(const QWidget& window) const;
    void remember(const QWidget& window);

    QWidget& m_main;
    QSettings* m_store = nullptr;
    /// The windows already placed once: later shows keep where the user left them.
    std::vector<const QObject*> m_placed;
};

} // namespace rungbox::ui

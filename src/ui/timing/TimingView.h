// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The timing diagram on screen: a recording drawn by TimingPainter, scrolled in time and over the
// signals, zoomed, with a cursor that reads every signal's value and the time.

#include "TimingPainter.h"
#include "trace/Recorder.h"
#include "trace/TimeWindow.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <optional>
#include <vector>

namespace rungbox::ui {

class TimingView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr double kStartMsPerPixel = trace::TimeWindow::kStartMsPerPixel;
    static constexpr double kMinMsPerPixel = trace::TimeWindow::kMinMsPerPixel;

    /// Shows `recorder`, which must outlive the view.
    explicit TimingView(const trace::Recorder& recorder, QWidget* parent = nullptr);

    /// Looks at the recorder again and repaints only when the recording, its signals or its
    /// span changed; true when it did. While the end of the recording is in view, the view
    /// follows it.
    bool refresh();

    void zoomIn();
    void zoomOut();
    /// Shows the whole recording in the width of the view.
    void fitAll();

    const TimingFrame& frame() const { return m_frame; }
    const trace::Recorder& recorder() const { return m_recorder; }
    /// Shows the signals at `rows` (positions in the recorder's list), top first; empty: all.
    void setRows(std::vector<std::size_t> rows);
    /// The number of rows shown.
    int rowCount() const;
    /// Shows timers' values in ticks (true) or, as their displays do, in seconds.
    void setTimerTicks(bool ticks);
    /// Shows the names of `names` (not owned; null for none) with the signals, and repaints.
    void setNames(const names::NameTable* names);
    /// Puts the cursor at `ms` (kept within the recording), or removes it.
    void setCursorMs(std::optional<std::uint64_t> ms);
    /// Puts the cursor at `ms` and scrolls it to the middle of the view, at the zoom it has.
    void showAt(std::uint64_t ms);
    /// The time at horizontal position `x` of the view's viewport, in milliseconds.
    double msAt(int x) const;

    /// Paints all signals of the span in view onto `painter` (for the exports); the size used.
    QSize renderAll(QPainter& painter) const;
    QSize renderSize() const;

signals:
    /// The cursor moved or the values under it changed.
    void cursorChanged();
    /// The name of signal `position` was clicked.
    void signalClicked(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zoomBy(double factor);
    /// Takes the time window's start and zoom into the frame, and repaints.
    void showTime();
    void updateScrollBars();
    void placeCursor(int x);
    int waveformWidth() const;

    const trace::Recorder& m_recorder;
    TimingFrame m_frame;
    trace::TimeWindow m_time;
    bool m_settingBars = false;
    // What the last repaint showed, to repaint only on change.
    std::uint64_t m_seenRevision = ~std::uint64_t{0};
    std::uint64_t m_seenFirst = 0;
    std::uint64_t m_seenLast = 0;
    std::size_t m_seenSignals = 0;
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingView.h"

#include "ui/common/Shades.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace rungbox::ui {

TimingView::TimingView(const trace::Recorder& recorder, QWidget* parent)
    : QAbstractScrollArea(parent), m_recorder(recorder) {
    m_frame.msPerPixel = m_time.msPerPixel();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(false);
    setMinimumSize(TimingPainter::kNameWidth + 200,
                   TimingPainter::kAxisHeight + 4 * TimingPainter::kRowHeight);
    updateScrollBars();
}

int TimingView::waveformWidth() const {
    return std::max(1, viewport()->width() - TimingPainter::kNameWidth);
}

double TimingView::msAt(int x) const {
    return m_frame.fromMs + (x - TimingPainter::kNameWidth) * m_frame.msPerPixel;
}

bool TimingView::refresh() {
    const bool changed = m_recorder.revision() != m_seenRevision ||
                         m_recorder.firstMs() != m_seenFirst || m_recorder.lastMs() != m_seenLast ||
                         m_recorder.signalList().size() != m_seenSignals;
    if (!changed) {
        return false;
    }
    m_seenRevision = m_recorder.revision();
    m_seenFirst = m_recorder.firstMs();
    m_seenLast = m_recorder.lastMs();
    m_seenSignals = m_recorder.signalList().size();
    m_frame.firstRow = std::min(m_frame.firstRow, std::max(0, rowCount() - 1));
    if (m_recorder.empty()) {
        m_frame.cursorMs.reset();
    }
    m_time.track(m_recorder, waveformWidth());
    showTime();
    emit cursorChanged();
    return true;
}

void TimingView::updateScrollBars() {
    m_settingBars = true;
    const double first = static_cast<double>(m_recorder.firstMs());
    const double totalPixels = m_time.totalPixels(m_recorder);
    const int page = waveformWidth();
    horizontalScrollBar()->setPageStep(page);
    horizontalScrollBar()->setSingleStep(std::max(1, page / 10));
    horizontalScrollBar()->setRange(0,
                                    std::max(0, static_cast<int>(std::ceil(totalPixels)) - page));
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround((m_frame.fromMs - first) / m_frame.msPerPixel)));
    const int rows = rowCount();
    const int visibleRows = std::max(1, (viewport()->height() - TimingPainter::kAxisHeight) /
                                            TimingPainter::kRowHeight);
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows));
    verticalScrollBar()->setValue(m_frame.firstRow);
    m_settingBars = false;
}

void TimingView::scrollContentsBy(int, int) {
    if (m_settingBars) {
        return;
    }
    m_time.scrollTo(horizontalScrollBar()->value(), m_recorder,
                    horizontalScrollBar()->value() >= horizontalScrollBar()->maximum());
    m_frame.fromMs = m_time.fromMs();
    m_frame.firstRow = verticalScrollBar()->value();
    viewport()->update();
}

void TimingView::showTime() {
    m_frame.fromMs = m_time.fromMs();
    m_frame.msPerPixel = m_time.msPerPixel();
    updateScrollBars();
    viewport()->update();
}

void TimingView::zoomBy(double factor) {
    m_time.zoomBy(factor, m_recorder, waveformWidth(), m_frame.cursorMs);
    showTime();
}

void TimingView::zoomIn() {
    zoomBy(1 / trace::TimeWindow::kZoomStep);
}

void TimingView::zoomOut() {
    zoomBy(trace::TimeWindow::kZoomStep);
}

void TimingView::fitAll() {
    m_time.fit(m_recorder, waveformWidth());
    showTime();
}

void TimingView::setNames(const names::NameTable* names) {
    m_frame.names = names;
    viewport()->update();
}

void TimingView::setCursorMs(std::optional<std::uint64_t> ms) {
    if (ms && !m_recorder.empty()) {
        ms = std::clamp(*ms, m_recorder.firstMs(), m_recorder.lastMs());
    } else {
        ms.reset();
    }
    if (ms == m_frame.cursorMs) {
        return;
    }
    m_frame.cursorMs = ms;
    viewport()->update();
    emit cursorChanged();
}

void TimingView::showAt(std::uint64_t ms) {
    refresh();
    m_time.centre(ms, m_recorder, waveformWidth());
    showTime();
    setCursorMs(ms);
}

void TimingView::placeCursor(int x) {
    const double ms = std::floor(msAt(x));
    setCursorMs(static_cast<std::uint64_t>(std::max(0.0, ms)));
}

int TimingView::rowCount() const {
    return static_cast<int>(TimingPainter::rowsOf(m_recorder, m_frame).size());
}

void TimingView::setRows(std::vector<std::size_t> rows) {
    if (rows == m_frame.rows) {
        return;
    }
    m_frame.rows = std::move(rows);
    m_frame.firstRow = std::min(m_frame.firstRow, std::max(0, rowCount() - 1));
    updateScrollBars();
    viewport()->update();
}

void TimingView::setTimerTicks(bool ticks) {
    m_frame.timerTicks = ticks;
    viewport()->update();
}

void TimingView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    TimingFrame shown = m_frame;
    shown.dark = isDark(palette());
    TimingPainter::paint(painter, viewport()->size(), m_recorder, shown);
}

void TimingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TimingView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        return;
    }
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        zoomBy(std::pow(trace::TimeWindow::kZoomStep, -steps));
    } else if ((event->modifiers() & Qt::ShiftModifier) != 0) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                        steps * horizontalScrollBar()->singleStep());
    } else {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - steps);
    }
    event->accept();
}

void TimingView::mousePressEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    const int y = static_cast<int>(event->position().y());
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (x >= TimingPainter::kNameWidth) {
        placeCursor(x);
    } else if (y >= TimingPainter::kAxisHeight) {
        const auto row = static_cast<std::size_t>(
            m_frame.firstRow + (y - TimingPainter::kAxisHeight) / TimingPainter::kRowHeight);
        const std::vector<std::size_t> rows = TimingPainter::rowsOf(m_recorder, m_frame);
        if (row < rows.size()) {
            emit signalClicked(static_cast<int>(rows[row]));
        }
    }
}

void TimingView::mouseMoveEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    if ((event->buttons() & Qt::LeftButton) != 0 && x >= TimingPainter::kNameWidth) {
        placeCursor(x);
    }
}

void TimingView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        break;
    case Qt::Key_Minus:
        zoomOut();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (m_frame.cursorMs) {
            const std::uint64_t ms = *m_frame.cursorMs;
            setCursorMs(event->key() == Qt::Key_Left ? (ms > 0 ? ms - 1 : 0) : ms + 1);
        } else {
            QAbstractScrollArea::keyPressEvent(event);
        }
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        break;
    }
}

QSize TimingView::renderSize() const {
    return TimingPainter::sizeFor(rowCount(), waveformWidth());
}

QSize TimingView::renderAll(QPainter& painter) const {
    TimingFrame all = m_frame;
    all.firstRow = 0;
    const QSize size = renderSize();
    TimingPainter::paint(painter, size, m_recorder, all);
    return size;
}

} // namespace rungbox::ui

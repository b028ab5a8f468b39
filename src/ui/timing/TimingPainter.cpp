// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingPainter.h"

#include "trace/Waveforms.h"
#include "ui/common/Shades.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <vector>

namespace rungbox::ui {

namespace {

using trace::Recorder;

const QColor kBackground(255, 255, 255);
const QColor kNameBackground(240, 240, 236);
const QColor kGrid(225, 225, 225);
const QColor kText(0, 0, 0);
const QColor kFaint(110, 110, 110);
const QColor kBit(20, 120, 50);
const QColor kBitFill(20, 120, 50, 40);
const QColor kBus(30, 60, 170);
const QColor kBusy(30, 60, 170, 90);
const QColor kDropped(200, 200, 200);
const QColor kCursor(220, 30, 30);

// Axis labels stand at least this far apart.
constexpr double kMinLabelGap = 90;
// Space between a row's edges and its waveform.
constexpr int kRowMargin = 5;

// Where time `ms` lies, in pixels from the painter's origin, and the colours as the frame's
// palette shows them.
class TimeScale : public trace::TimeScale {
public:
    explicit TimeScale(const TimingFrame& frame)
        : trace::TimeScale{frame.fromMs, frame.msPerPixel, TimingPainter::kNameWidth},
          m_dark(frame.dark) {}
    /// A colour of the diagram as the frame's palette shows it.
    QColor ink(const QColor& light) const { return m_dark ? darkShade(light) : light; }

private:
    bool m_dark;
};

// Bits: the core's line between two levels, filled below where the bit is high.
void paintBit(QPainter& painter, const trace::RowWave& row, int top, const TimeScale& scale,
              double to) {
    const double high = top + kRowMargin;
    const double low = top + TimingPainter::kRowHeight - kRowMargin;
    const trace::BitWave wave = trace::bitWave(row, scale, to);
    for (const auto& [from, end] : wave.high) {
        painter.fillRect(
            QRectF(static_cast<double>(from), high, static_cast<double>(end - from), low - high),
            scale.ink(kBitFill));
    }
    QPolygonF line;
    for (const auto& [x, on] : wave.line) {
        line << QPointF(x, on ? high : low);
    }
    painter.setPen(QPen(scale.ink(kBit), 1.5));
    painter.drawPolyline(line);
}

// Numbers: a bus with a crossing at each change and the value written where it fits; the core
// merges changes too close together into shaded busy stretches.
void paintNumber(QPainter& painter, const trace::RowWave& row, int top, const TimeScale& scale,
                 double to, const trace::Signal& signal, const TimingFrame& frame) {
    const double high = top + kRowMargin;
    const double low = top + TimingPainter::kRowHeight - kRowMargin;
    const double middle = (high + low) / 2;
    const QFontMetrics metrics(painter.font());
    for (const trace::BusPiece& piece : trace::busPieces(row, scale, to)) {
        if (piece.busy) {
            painter.fillRect(QRectF(piece.x0, high, piece.x1 - piece.x0, low - high),
                             scale.ink(kBusy));
            continue;
        }
        const double slant = std::min(3.0, (piece.x1 - piece.x0) / 2);
        painter.setPen(QPen(scale.ink(kBus), 1.2));
        painter.drawPolyline(
            QPolygonF({QPointF(piece.x0, middle), QPointF(piece.x0 + slant, high),
                       QPointF(piece.x1 - slant, high), QPointF(piece.x1, middle),
                       QPointF(piece.x1 - slant, low), QPointF(piece.x0 + slant, low),
                       QPointF(piece.x0, middle)}));
        const QString text = TimingPainter::valueText(signal, piece.value, frame);
        if (metrics.horizontalAdvance(text) + 6 < piece.x1 - piece.x0) {
            painter.setPen(scale.ink(kText));
            painter.drawText(QRectF(piece.x0, high, piece.x1 - piece.x0, low - high),
                             Qt::AlignCenter, text);
        }
    }
}

// The axis: a label with the time and the scan count every labelStep(), and a faint grid line
// down through the rows (drawn first, under the waveforms, with `labels` false).
void paintAxis(QPainter& painter, QSize size, const Recorder& recorder, const TimingFrame& frame,
               const TimeScale& scale, bool labels) {
    const auto ink = [&scale](const QColor& light) { return scale.ink(light); };
    const double step = trace::labelStep(frame.msPerPixel, kMinLabelGap);
    const double rightMs =
        frame.fromMs + (size.width() - TimingPainter::kNameWidth) * frame.msPerPixel;
    for (double t = std::max(0.0, std::ceil(frame.fromMs / step) * step); t <= rightMs; t += step) {
        const double x = scale.x(t);
        if (!labels) {
            painter.setPen(ink(kGrid));
            painter.drawLine(QPointF(x, TimingPainter::kAxisHeight - 6), QPointF(x, size.height()));
            continue;
        }
        painter.setPen(ink(kFaint));
        painter.drawLine(QPointF(x, TimingPainter::kAxisHeight - 6),
                         QPointF(x, TimingPainter::kAxisHeight));
        const auto ms = static_cast<std::uint64_t>(t);
        const QString time = QCoreApplication::translate("TimingPainter", "%1 ms").arg(ms);
        const auto scan = recorder.scanAt(ms);
        const QString scans =
            scan ? QCoreApplication::translate("TimingPainter", "scan %1").arg(*scan) : QString();
        // A label that would run off the right edge is left out.
        const QFontMetrics metrics(painter.font());
        if (x + 3 + std::max(metrics.horizontalAdvance(time), metrics.horizontalAdvance(scans)) >
            size.width()) {
            continue;
        }
        painter.setPen(ink(kText));
        painter.drawText(QPointF(x + 3, 15), time);
        painter.setPen(ink(kFaint));
        painter.drawText(QPointF(x + 3, 30), scans);
    }
    if (labels) {
        painter.setPen(ink(kFaint));
        painter.drawLine(0, TimingPainter::kAxisHeight, size.width(), TimingPainter::kAxisHeight);
    }
}

} // namespace

std::vector<std::size_t> TimingPainter::rowsOf(const Recorder& recorder, const TimingFrame& frame) {
    const std::size_t count = recorder.signalList().size();
    std::vector<std::size_t> order;
    if (frame.rows.empty()) {
        order.resize(count);
        std::iota(order.begin(), order.end(), std::size_t{0});
    } else {
        std::copy_if(frame.rows.begin(), frame.rows.end(), std::back_inserter(order),
                     [count](std::size_t p) { return p < count; });
    }
    return order;
}

QString TimingPainter::valueText(const trace::Signal& signal, int value, const TimingFrame& frame) {
    return QString::fromStdString(trace::valueText(signal, value, frame.timerTicks));
}

// A signal's name, after the name the program gives its address when it has one
// ("START in0"), cut with an ellipsis to the names' column.
QString TimingPainter::signalLabel(const trace::Signal& signal, const names::NameTable* names) {
    return QString::fromStdString(trace::signalLabel(signal, names));
}

void TimingPainter::paint(QPainter& painter, QSize size, const Recorder& recorder,
                          const TimingFrame& frame) {
    const TimeScale scale(frame);
    const auto ink = [&scale](const QColor& light) { return scale.ink(light); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), ink(kBackground));
    const double leftMs = frame.fromMs;
    const double rightMs = frame.fromMs + (size.width() - kNameWidth) * frame.msPerPixel;
    const std::vector<trace::Signal>& shown = recorder.signalList();
    const std::vector<std::size_t> order = rowsOf(recorder, frame);
    const int rows = std::max(0, (size.height() - kAxisHeight + kRowHeight - 1) / kRowHeight);
    const int lastRow = std::min(static_cast<int>(order.size()), frame.firstRow + rows);

    // The waveforms, clipped to their area.
    painter.save();
    painter.setClipRect(QRect(kNameWidth, kAxisHeight, size.width() - kNameWidth, size.height()));
    paintAxis(painter, size, recorder, frame, scale, false);
    if (!recorder.empty()) {
        const auto first = static_cast<double>(recorder.firstMs());
        // The value at the last sample lasts that millisecond.
        const auto end = static_cast<double>(recorder.lastMs() + 1);
        if (recorder.truncated() && leftMs < first) {
            const QRectF dropped(QPointF(scale.x(leftMs), kAxisHeight),
                                 QPointF(scale.x(first), size.height()));
            painter.fillRect(dropped, ink(kDropped));
            painter.setPen(ink(kFaint));
            const QRectF text = dropped.adjusted(4, 4, -4, -4);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                             QFontMetrics(painter.font())
                                 .elidedText(QCoreApplication::translate(
                                                 "TimingPainter", "dropped: complete from %1 ms")
                                                 .arg(first),
                                             Qt::ElideRight, static_cast<int>(text.width())));
        }
        const double from = std::max(leftMs, first);
        const double to = std::min(rightMs, end);
        const std::vector<std::size_t> visible(
            frame.firstRow < lastRow ? order.begin() + frame.firstRow : order.end(),
            frame.firstRow < lastRow ? order.begin() + lastRow : order.end());
        const std::vector<trace::RowWave> waves = trace::rowWaves(recorder, visible, from, to);
        for (std::size_t r = 0; r < waves.size(); ++r) {
            const trace::RowWave& row = waves[r];
            if (!row.first) {
                continue;
            }
            const int top = kAxisHeight + static_cast<int>(r) * kRowHeight;
            const trace::Signal& signal = shown[row.position];
            if (signal.isNumber()) {
                paintNumber(painter, row, top, scale, to, signal, frame);
            } else {
                paintBit(painter, row, top, scale, to);
            }
        }
    }
    painter.restore();

    // Names, with the values at the cursor, and the row lines.
    painter.fillRect(QRect(0, 0, kNameWidth, size.height()), ink(kNameBackground));
    const int valueRoom = painter.fontMetrics().horizontalAdvance(" -32768");
    const std::vector<std::optional<int>> atCursor =
        frame.cursorMs ? recorder.valuesAt(*frame.cursorMs)
                       : std::vector<std::optional<int>>(shown.size());
    for (int r = frame.firstRow; r < lastRow; ++r) {
        const std::size_t p = order[static_cast<std::size_t>(r)];
        const int top = kAxisHeight + (r - frame.firstRow) * kRowHeight;
        const QRect cell(6, top, kNameWidth - 12, kRowHeight);
        // The value at the cursor keeps its room at the right; a long label is cut short of it.
        const QRect nameCell = cell.adjusted(0, 0, -valueRoom, 0);
        painter.setPen(ink(kText));
        painter.drawText(nameCell, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(signalLabel(shown[p], frame.names),
                                                          Qt::ElideRight, nameCell.width()));
        if (const auto value = atCursor[p]) {
            painter.setPen(ink(kCursor));
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                             valueText(shown[p], *value, frame));
        }
        painter.setPen(ink(kGrid));
        painter.drawLine(0, top + kRowHeight, size.width(), top + kRowHeight);
    }

    // The axis, and where the cursor stands.
    painter.fillRect(QRect(kNameWidth, 0, size.width() - kNameWidth, kAxisHeight),
                     ink(kBackground));
    painter.save();
    painter.setClipRect(QRect(kNameWidth, 0, size.width() - kNameWidth, size.height()));
    paintAxis(painter, size, recorder, frame, scale, true);
    if (frame.cursorMs) {
        const double x = scale.x(static_cast<double>(*frame.cursorMs));
        painter.setPen(QPen(ink(kCursor), 1));
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    }
    painter.restore();
    painter.setPen(ink(kText));
    if (frame.cursorMs) {
        painter.setPen(ink(kCursor));
        painter.drawText(
            QPointF(6, 15),
            QCoreApplication::translate("TimingPainter", "t = %1 ms").arg(*frame.cursorMs));
        if (const auto scan = recorder.scanAt(*frame.cursorMs)) {
            painter.drawText(QPointF(6, 30),
                             QCoreApplication::translate("TimingPainter", "scan %1").arg(*scan));
        }
    } else if (recorder.empty()) {
        painter.drawText(QPointF(6, 15),
                         QCoreApplication::translate("TimingPainter", "nothing recorded"));
    }
    painter.setPen(ink(kFaint));
    painter.drawLine(kNameWidth, 0, kNameWidth, size.height());
    painter.restore();
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingPainter.h"

#include "engine/LineSyntax.h"
#include "ui/common/Shades.h"

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
// A bus segment narrower than this shows as busy rather than as a value.
constexpr double kMinSegment = 4;
// Space between a row's edges and its waveform.
constexpr int kRowMargin = 5;

// The first of 1, 2, 5, 10, 20, 50, ... milliseconds whose labels stand kMinLabelGap apart.
double labelStep(double msPerPixel) {
    double step = 1;
    for (;;) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (step * factor / msPerPixel >= kMinLabelGap) {
                return step * factor;
            }
        }
        step *= 10;
    }
}

// Where time `ms` lies, in pixels from the painter's origin.
class TimeScale {
public:
    explicit TimeScale(const TimingFrame& frame) : m_frame(frame) {}
    double x(double ms) const {
        return TimingPainter::kNameWidth + (ms - m_frame.fromMs) / m_frame.msPerPixel;
    }
    /// A colour of the diagram as the frame's palette shows it.
    QColor ink(const QColor& light) const { return m_frame.dark ? darkShade(light) : light; }

private:
    const TimingFrame& m_frame;
};

// One visible row's changes within the drawn span, as collected from the recorder.
struct Row {
    int position = 0;
    std::optional<int> first; // the value at the span's start
    std::vector<std::pair<std::uint64_t, int>> changes;
};

// Bits: each pixel column records whether it saw the signal high, low, and how it ended; a
// column that saw both draws a full-height line, so toggling too fast for the zoom stays visible.
void paintBit(QPainter& painter, const Row& row, int top, const TimeScale& scale, double from,
              double to) {
    const double high = top + kRowMargin;
    const double low = top + TimingPainter::kRowHeight - kRowMargin;
    const auto column = [&](double ms) { return static_cast<long>(std::floor(scale.x(ms))); };
    const long firstColumn = column(from);
    const long lastColumn = std::max(firstColumn, column(to) - 1);
    struct Seen {
        bool low = false;
        bool high = false;
        bool end = false;
    };
    std::vector<Seen> seen(static_cast<std::size_t>(lastColumn - firstColumn + 1));
    bool level = row.first.value_or(0) != 0;
    long done = firstColumn; // columns before this are filled in
    const auto fillTo = [&](long c) {
        for (; done < std::min(c, lastColumn + 1); ++done) {
            Seen& s = seen[static_cast<std::size_t>(done - firstColumn)];
            (level ? s.high : s.low) = true;
            s.end = level;
        }
    };
    for (const auto& [ms, value] : row.changes) {
        const long c = std::clamp(column(static_cast<double>(ms)), firstColumn, lastColumn);
        fillTo(c);
        Seen& s = seen[static_cast<std::size_t>(c - firstColumn)];
        (level ? s.high : s.low) = true;
        level = value != 0;
        (level ? s.high : s.low) = true;
        s.end = level;
        done = std::max(done, c + 1);
    }
    fillTo(lastColumn + 1);

    QPolygonF line;
    const auto y = [&](bool on) { return on ? high : low; };
    bool previous = row.first.value_or(0) != 0;
    line << QPointF(static_cast<double>(firstColumn), y(previous));
    for (long c = firstColumn; c <= lastColumn; ++c) {
        const Seen& s = seen[static_cast<std::size_t>(c - firstColumn)];
        const auto x = static_cast<double>(c);
        if (s.low && s.high) {
            line << QPointF(x, y(previous)) << QPointF(x, high) << QPointF(x, low)
                 << QPointF(x, y(s.end));
        } else if (s.end != previous) {
            line << QPointF(x, y(previous)) << QPointF(x, y(s.end));
        }
        if (s.end) {
            painter.fillRect(QRectF(x, high, 1, low - high), scale.ink(kBitFill));
        }
        previous = s.end;
    }
    line << QPointF(static_cast<double>(lastColumn + 1), y(previous));
    painter.setPen(QPen(scale.ink(kBit), 1.5));
    painter.drawPolyline(line);
}

// Numbers: a bus with a crossing at each change and the value written where it fits; changes
// closer together than kMinSegment merge into a shaded busy stretch.
void paintNumber(QPainter& painter, const Row& row, int top, const TimeScale& scale, double from,
                 double to, const trace::Signal& signal, const TimingFrame& frame) {
    const double high = top + kRowMargin;
    const double low = top + TimingPainter::kRowHeight - kRowMargin;
    const double middle = (high + low) / 2;
    const QFontMetrics metrics(painter.font());
    // A segment from x0; lastX is where its last change lies (x0 unless it is busy).
    struct Segment {
        double x0;
        int value;
        bool busy;
        double lastX;
    };
    const auto drawValue = [&](const Segment& s, double x1) {
        const double slant = std::min(3.0, (x1 - s.x0) / 2);
        painter.setPen(QPen(scale.ink(kBus), 1.2));
        painter.drawPolyline(
            QPolygonF({QPointF(s.x0, middle), QPointF(s.x0 + slant, high),
                       QPointF(x1 - slant, high), QPointF(x1, middle), QPointF(x1 - slant, low),
                       QPointF(s.x0 + slant, low), QPointF(s.x0, middle)}));
        const QString text = TimingPainter::valueText(signal, s.value, frame);
        if (metrics.horizontalAdvance(text) + 6 < x1 - s.x0) {
            painter.setPen(scale.ink(kText));
            painter.drawText(QRectF(s.x0, high, x1 - s.x0, low - high), Qt::AlignCenter, text);
        }
    };
    // A busy stretch ends at its last change: the value it settled on is drawn from there.
    const auto draw = [&](const Segment& s, double x1) {
        if (!s.busy) {
            drawValue(s, x1);
            return;
        }
        painter.fillRect(QRectF(s.x0, high, s.lastX - s.x0, low - high), scale.ink(kBusy));
        if (s.lastX < x1) {
            drawValue({s.lastX, s.value, false, s.lastX}, x1);
        }
    };
    const double left = scale.x(from);
    Segment open{left, row.first.value_or(0), false, left};
    // The first segment starts at the left edge, which may cut a value just before it changes:
    // one change close to the edge replaces the value, a second one makes it busy.
    bool atEdge = true;
    for (const auto& [ms, value] : row.changes) {
        const double x = scale.x(static_cast<double>(ms));
        if (atEdge && x - open.x0 < kMinSegment) {
            atEdge = false;
            open.value = value;
            continue;
        }
        atEdge = false;
        // Changes closer than kMinSegment to the one before merge into a busy stretch.
        if (x - open.lastX < kMinSegment) {
            open.busy = open.busy || value != open.value;
            open.value = value;
            open.lastX = x;
            continue;
        }
        draw(open, x);
        open = {x, value, false, x};
    }
    draw(open, scale.x(to));
}

// The axis: a label with the time and the scan count every labelStep(), and a faint grid line
// down through the rows (drawn first, under the waveforms, with `labels` false).
void paintAxis(QPainter& painter, QSize size, const Recorder& recorder, const TimingFrame& frame,
               const TimeScale& scale, bool labels) {
    const auto ink = [&scale](const QColor& light) { return scale.ink(light); };
    const double step = labelStep(frame.msPerPixel);
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
        const QString time = QString("%1 ms").arg(ms);
        const auto scan = recorder.scanAt(ms);
        const QString scans = scan ? QString("scan %1").arg(*scan) : QString();
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
    if (signal.kind == trace::SignalKind::TimerValue && !frame.timerTicks) {
        return QString::fromStdString(engine::timerText(value));
    }
    return QString::number(value);
}

// A signal's name, after the name the program gives its address when it has one
// ("START in0"), cut with an ellipsis to the names' column.
QString TimingPainter::signalLabel(const trace::Signal& signal, const names::NameTable* names) {
    const QString own = QString::fromStdString(signal.name());
    const std::string user = names != nullptr ? signal.userName(*names) : std::string();
    return user.empty() ? own : QString::fromStdString(user) + " " + own;
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
                                 .elidedText(QString("dropped: complete from %1 ms").arg(first),
                                             Qt::ElideRight, static_cast<int>(text.width())));
        }
        const double from = std::max(leftMs, first);
        const double to = std::min(rightMs, end);
        if (from < to && frame.firstRow < lastRow) {
            std::vector<Row> visible(static_cast<std::size_t>(lastRow - frame.firstRow));
            const auto fromMs = static_cast<std::uint64_t>(std::floor(from));
            const std::vector<std::optional<int>> start = recorder.valuesAt(fromMs);
            std::vector<int> rowOf(shown.size(), -1); // a position's visible row
            for (std::size_t r = 0; r < visible.size(); ++r) {
                const std::size_t position = order[static_cast<std::size_t>(frame.firstRow) + r];
                visible[r].position = static_cast<int>(position);
                visible[r].first = start[position];
                rowOf[position] = static_cast<int>(r);
            }
            recorder.forEachChange(
                fromMs, static_cast<std::uint64_t>(std::ceil(to)),
                [&](std::uint64_t ms, std::size_t position, int value) {
                    if (position < rowOf.size() && rowOf[position] >= 0) {
                        visible[static_cast<std::size_t>(rowOf[position])].changes.emplace_back(
                            ms, value);
                    }
                });
            for (std::size_t r = 0; r < visible.size(); ++r) {
                const Row& row = visible[r];
                const int top = kAxisHeight + static_cast<int>(r) * kRowHeight;
                // A signal added during the recording starts where its first value comes.
                Row drawn = row;
                double rowFrom = from;
                if (!drawn.first) {
                    if (drawn.changes.empty()) {
                        continue;
                    }
                    rowFrom = static_cast<double>(drawn.changes.front().first);
                    drawn.first = drawn.changes.front().second;
                }
                const trace::Signal& signal = shown[static_cast<std::size_t>(row.position)];
                if (signal.isNumber()) {
                    paintNumber(painter, drawn, top, scale, rowFrom, to, signal, frame);
                } else {
                    paintBit(painter, drawn, top, scale, rowFrom, to);
                }
            }
        }
    }
    painter.restore();

    // Names, with the values at the cursor, and the row lines.
    painter.fillRect(QRect(0, 0, kNameWidth, size.height()), ink(kNameBackground));
    const std::vector<std::optional<int>> atCursor =
        frame.cursorMs ? recorder.valuesAt(*frame.cursorMs)
                       : std::vector<std::optional<int>>(shown.size());
    for (int r = frame.firstRow; r < lastRow; ++r) {
        const std::size_t p = order[static_cast<std::size_t>(r)];
        const int top = kAxisHeight + (r - frame.firstRow) * kRowHeight;
        const QRect cell(6, top, kNameWidth - 12, kRowHeight);
        painter.setPen(ink(kText));
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         signalLabel(shown[p], frame.names));
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
        painter.drawText(QPointF(6, 15), QString("t = %1 ms").arg(*frame.cursorMs));
        if (const auto scan = recorder.scanAt(*frame.cursorMs)) {
            painter.drawText(QPointF(6, 30), QString("scan %1").arg(*scan));
        }
    } else if (recorder.empty()) {
        painter.drawText(QPointF(6, 15), "nothing recorded");
    }
    painter.setPen(ink(kFaint));
    painter.drawLine(kNameWidth, 0, kNameWidth, size.height());
    painter.restore();
}

} // namespace rungbox::ui

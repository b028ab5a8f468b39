// SPDX-License-Identifier: GPL-3.0-or-later
#include "Waveforms.h"

#include "engine/LineSyntax.h"

#include <algorithm>
#include <cmath>

namespace rungbox::trace {

std::vector<RowWave> rowWaves(const Recorder& recorder, const std::vector<std::size_t>& positions,
                              double from, double to) {
    std::vector<RowWave> rows(positions.size());
    for (std::size_t r = 0; r < positions.size(); ++r) {
        rows[r].position = positions[r];
        rows[r].from = from;
    }
    const std::size_t count = recorder.signalList().size();
    if (recorder.empty() || !(from < to)) {
        return rows;
    }
    const auto fromMs = static_cast<std::uint64_t>(std::floor(std::max(0.0, from)));
    const std::vector<std::optional<int>> start = recorder.valuesAt(fromMs);
    std::vector<int> rowOf(count, -1); // a position's row
    for (std::size_t r = 0; r < positions.size(); ++r) {
        if (positions[r] < count) {
            rows[r].first = start[positions[r]];
            rowOf[positions[r]] = static_cast<int>(r);
        }
    }
    recorder.forEachChange(
        fromMs, static_cast<std::uint64_t>(std::ceil(to)),
        [&](std::uint64_t ms, std::size_t position, int value) {
            if (position < count && rowOf[position] >= 0) {
                rows[static_cast<std::size_t>(rowOf[position])].changes.emplace_back(ms, value);
            }
        });
    for (RowWave& row : rows) {
        // A signal added during the recording starts where its first value comes.
        if (!row.first && !row.changes.empty()) {
            row.from = static_cast<double>(row.changes.front().first);
            row.first = row.changes.front().second;
        }
    }
    return rows;
}

BitWave bitWave(const RowWave& row, const TimeScale& scale, double to) {
    const auto column = [&](double ms) { return static_cast<long>(std::floor(scale.x(ms))); };
    const long firstColumn = column(row.from);
    const long lastColumn = std::max(firstColumn, column(to) - 1);
    // Each column records whether it saw the signal low, high, and how it ended.
    struct Seen {
        bool low = false;
        bool high = false;
        bool end = false;
    };
    std::vector<Seen> seen(static_cast<std::size_t>(lastColumn - firstColumn + 1));
    const auto at = [&](long c) -> Seen& {
        return seen[static_cast<std::size_t>(c - firstColumn)];
    };
    bool level = row.first.value_or(0) != 0;
    long done = firstColumn; // columns before this are filled in
    const auto fillTo = [&](long c) {
        for (; done < std::min(c, lastColumn + 1); ++done) {
            (level ? at(done).high : at(done).low) = true;
            at(done).end = level;
        }
    };
    for (const auto& [ms, value] : row.changes) {
        const long c = std::clamp(column(static_cast<double>(ms)), firstColumn, lastColumn);
        fillTo(c);
        Seen& s = at(c);
        (level ? s.high : s.low) = true;
        level = value != 0;
        (level ? s.high : s.low) = true;
        s.end = level;
        done = std::max(done, c + 1);
    }
    fillTo(lastColumn + 1);

    BitWave wave;
    bool previous = row.first.value_or(0) != 0;
    wave.line.emplace_back(static_cast<double>(firstColumn), previous);
    for (long c = firstColumn; c <= lastColumn; ++c) {
        const Seen& s = at(c);
        const auto x = static_cast<double>(c);
        if (s.low && s.high) {
            wave.line.insert(wave.line.end(), {{x, previous}, {x, true}, {x, false}, {x, s.end}});
        } else if (s.end != previous) {
            wave.line.insert(wave.line.end(), {{x, previous}, {x, s.end}});
        }
        if (s.end) {
            if (!wave.high.empty() && wave.high.back().second == c) {
                wave.high.back().second = c + 1;
            } else {
                wave.high.emplace_back(c, c + 1);
            }
        }
        previous = s.end;
    }
    wave.line.emplace_back(static_cast<double>(lastColumn + 1), previous);
    return wave;
}

std::vector<BusPiece> busPieces(const RowWave& row, const TimeScale& scale, double to) {
    // A segment from x0; lastX is where its last change lies (x0 unless it is busy).
    struct Segment {
        double x0;
        int value;
        bool busy;
        double lastX;
    };
    std::vector<BusPiece> pieces;
    const auto close = [&pieces](const Segment& s, double x1) {
        if (!s.busy) {
            pieces.push_back({s.x0, x1, s.value, false});
            return;
        }
        pieces.push_back({s.x0, s.lastX, s.value, true});
        if (s.lastX < x1) {
            pieces.push_back({s.lastX, x1, s.value, false});
        }
    };
    const double left = scale.x(row.from);
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
        close(open, x);
        open = {x, value, false, x};
    }
    close(open, scale.x(to));
    return pieces;
}

std::string valueText(const Signal& signal, int value, bool timerTicks) {
    if (signal.kind == SignalKind::TimerValue && !timerTicks) {
        return engine::timerText(value);
    }
    if (signal.isWord()) {
        return engine::hexWordText(static_cast<std::uint16_t>(value));
    }
    return std::to_string(value);
}

std::string signalLabel(const Signal& signal, const names::NameTable* names) {
    const std::string user = names != nullptr ? signal.userName(*names) : std::string();
    return user.empty() ? signal.name() : user + " " + signal.name();
}

double labelStep(double msPerPixel, double minGap) {
    double step = 1;
    for (;;) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (step * factor / msPerPixel >= minGap) {
                return step * factor;
            }
        }
        step *= 10;
    }
}

} // namespace rungbox::trace

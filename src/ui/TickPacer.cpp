// SPDX-License-Identifier: GPL-3.0-or-later
#include "TickPacer.h"

#include <algorithm>

namespace rungbox::ui {

TickPacer::TickPacer(int periodMs, int maxPerTick)
    : m_periodMs(std::max(periodMs, 1)), m_maxPerTick(std::max(maxPerTick, 1)) {}

void TickPacer::start(std::int64_t nowMs) {
    m_startMs = nowMs;
    m_counted = 0;
}

int TickPacer::due(std::int64_t nowMs) {
    const std::int64_t owedTotal = std::max<std::int64_t>(nowMs - m_startMs, 0) / m_periodMs;
    const std::int64_t owed = owedTotal - m_counted;
    if (owed <= 0) {
        return 0;
    }
    m_counted = owedTotal;
    return static_cast<int>(std::min<std::int64_t>(owed, m_maxPerTick));
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LampStrip.h"

#include <algorithm>

namespace rungbox::ui {

LampStrip::LampStrip(QPixmap strip, int cells)
    : m_strip(std::move(strip)), m_cells(std::max(cells, 1)),
      m_cellSize(m_strip.width() / m_cells, m_strip.height()) {
    // The cells are cut once so that showing one never copies pixels.
    for (int n = 0; n < m_cells; ++n) {
        m_cellPixmaps.push_back(
            m_strip.copy(n * m_cellSize.width(), 0, m_cellSize.width(), m_cellSize.height()));
    }
}

const QPixmap& LampStrip::cell(int n) const {
    return m_cellPixmaps[static_cast<std::size_t>(std::clamp(n, 0, m_cells - 1))];
}

} // namespace rungbox::ui

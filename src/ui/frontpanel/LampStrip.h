// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture strip: one image cut into equal cells side by side, a cell fetched by its number.

#include <QPixmap>

#include <vector>

namespace rungbox::ui {

class LampStrip {
public:
    /// `strip` holds `cells` cells of equal width in one row; `cells` is at least 1.
    LampStrip(QPixmap strip, int cells);

    int cellCount() const { return m_cells; }
    /// Size of one cell in pixels.
    QSize cellSize() const { return m_cellSize; }
    /// Cell `n` (0 to cellCount() - 1); a number outside is brought to the nearest cell.
    const QPixmap& cell(int n) const;
    const QPixmap& strip() const { return m_strip; }

private:
    QPixmap m_strip;
    int m_cells;
    QSize m_cellSize;
    std::vector<QPixmap> m_cellPixmaps;
};

} // namespace rungbox::ui

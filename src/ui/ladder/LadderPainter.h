// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paints a ladder diagram with QPainter: the window, the SVG export and the PNG export all draw
// through this one class, so they show the same picture. The placement is the layout's grid;
// this class only turns cells and rows into pixels.
//
// During a run, closed contacts, energised coils and every wire carrying power are drawn in the
// power colour and with a heavier pen, so that power does not depend on colour alone.

#include "ladder/Layout.h"
#include "ladder/PowerFlow.h"
#include "session/LadderDiagram.h"

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

class QPainter;

namespace rungbox::ui {

class LadderPainter {
public:
    /// Pixel sizes at zoom 1.
    static constexpr double kCellWidth = 72;
    static constexpr double kRowHeight = 40;
    static constexpr double kMargin = 44; ///< left of the left rail: the rungs' line numbers
    static constexpr double kRungGap = 14;

    /// Room added to the top of every row when the diagram shows names: a line for the name
    /// above the address.
    static constexpr double kNameRoom = 14;

    /// Paints `layout` with `flow` (nullptr while stopped) and marks `currentLine` (0: none),
    /// the breakpoints and forced relays of `marks` (nullptr: none), and the names of `names`
    /// above the addresses (nullptr: none). All are read when painting; they must outlive the
    /// painter.
    LadderPainter(const ladder::Layout& layout, const ladder::PowerFlow* flow, int currentLine,
                  const session::DebugMarks* marks = nullptr,
                  const names::NameTable* names = nullptr);

    /// The whole picture in pixels at zoom 1.
    QSizeF size() const { return m_size; }
    /// Paints the rungs meeting `visible` (zoom 1 pixels) with the picture's top left corner at
    /// (0, 0); scale the painter to zoom.
    void paint(QPainter& painter, QRectF visible) const;
    /// The code line of the element at `point` (zoom 1 pixels), 0 where there is none.
    int lineAt(QPointF point) const;
    /// Where rung `rung` (0 to the layout's rungs - 1) is drawn with its marks, across the whole
    /// picture (zoom 1 pixels): painting just this rectangle draws the rung and nothing of the
    /// next, which a printout needs to keep a rung on one page.
    QRectF rungRect(int rung) const;
    /// Where line `line` is drawn (zoom 1 pixels); empty when it is not drawn.
    QRectF rectOfLine(int line) const;

    /// Draws for a dark palette (see Shades.h); a picture for a file is drawn light.
    void setDark(bool dark) { m_dark = dark; }
    /// Frames the element of `line` as the editing selection (0: none).
    void setSelectedLine(int line) { m_selectedLine = line; }

    /// A horizontal wire near `point` (zoom 1 pixels): the line of the element it leaves, or
    /// with `before` set, of the element it enters (a wire from the left rail); line 0: none.
    struct WireHit {
        int line = 0;
        bool before = false;
    };
    WireHit wireAt(QPointF point) const;

private:
    QRectF cellRect(int rung, const ladder::Cell& cell) const;
    double wireY(int rung, int row) const;
    double x(int col) const { return kMargin + kCellWidth * col; }
    bool powered(int net) const;
    QColor ink(const QColor& light) const;
    QPen pen(bool on, double width) const;
    QString nameOf(const ladder::Element& el) const;

    void paintRung(QPainter& painter, int rung) const;
    void paintContact(QPainter& painter, const ladder::Element& el, int index) const;
    void paintLink(QPainter& painter, const ladder::Element& el) const;
    void paintCoil(QPainter& painter, const ladder::Element& el, int index) const;
    void paintBox(QPainter& painter, const ladder::Element& el, int index) const;
    void paintControl(QPainter& painter, const ladder::Element& el) const;
    void paintEnd(QPainter& painter, const ladder::Element& el) const;
    void hwire(QPainter& painter, double x0, double x1, double y, bool on) const;
    void paintDebugMarks(QPainter& painter, int rung, const ladder::Element& el) const;

    const ladder::Layout& m_layout;
    const ladder::PowerFlow* m_flow;
    int m_currentLine;
    int m_selectedLine = 0;
    bool m_dark = false;
    const session::DebugMarks* m_marks;
    const names::NameTable* m_names;
    /// kRowHeight, with kNameRoom when a name is shown.
    double m_rowHeight = kRowHeight;
    std::vector<double> m_rungTop;
    QSizeF m_size;
};

} // namespace rungbox::ui

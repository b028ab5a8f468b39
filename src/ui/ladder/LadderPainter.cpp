// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderPainter.h"

#include "ui/common/Shades.h"

#include "ladder/Labels.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rungbox::ui {

namespace {

using ladder::Element;
using ladder::ElementKind;

const QColor kInk(40, 40, 40);
const QColor kPower(0, 150, 60);      // green, as monitoring tools show power
const QColor kMarkInk(190, 30, 30);   // problems
const QColor kCurrent(255, 236, 150); // the grid's current line
const QColor kBoxFill(250, 250, 246);
const QColor kNameInk(20, 60, 140);   // names: blue, apart from the black addresses
const QColor kSelection(30, 90, 200); // the element being edited
constexpr double kThin = 1.5;
constexpr double kHeavy = 4.0;

QFont labelFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

QString markText(const Element& el) {
    return QString::fromStdString(ladder::markLine(el));
}

} // namespace

LadderPainter::LadderPainter(const ladder::Layout& layout, const ladder::PowerFlow* flow,
                             int currentLine, const session::DebugMarks* marks,
                             const names::NameTable* names)
    : m_layout(layout), m_flow(flow), m_currentLine(currentLine), m_marks(marks), m_names(names) {
    const auto& elements = layout.elements();
    if (std::any_of(elements.begin(), elements.end(),
                    [this](const Element& el) { return !nameOf(el).isEmpty(); })) {
        m_rowHeight += kNameRoom;
    }
    double y = kRungGap;
    for (const ladder::Rung& rung : layout.rungs()) {
        m_rungTop.push_back(y);
        y += rung.totalRows() * m_rowHeight + kRungGap;
    }
    // Wide enough for the rails and for the longest problem text.
    double width = x(layout.columns()) + kMargin / 2;
    const QFontMetricsF metrics(labelFont());
    for (const ladder::Rung& rung : layout.rungs()) {
        for (const int e : rung.marks) {
            width = std::max(width, x(0) + 6 +
                                        metrics.horizontalAdvance(markText(
                                            layout.elements()[static_cast<std::size_t>(e)])) +
                                        kMargin / 2);
        }
    }
    m_size = QSizeF(std::ceil(width), y);
}

QColor LadderPainter::ink(const QColor& light) const {
    return m_dark ? darkShade(light) : light;
}

QPen LadderPainter::pen(bool on, double width) const {
    QPen p(on ? ink(kPower) : ink(kInk), on ? kHeavy : width);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

QString LadderPainter::nameOf(const Element& el) const {
    if (m_names == nullptr || el.kind == ElementKind::Shift || el.kind == ElementKind::Link ||
        el.kind == ElementKind::Mark) {
        return {};
    }
    const auto address = ladder::operandAddress(el);
    return address ? QString::fromStdString(m_names->nameOf(*address)) : QString();
}

bool LadderPainter::powered(int net) const {
    return m_flow != nullptr && m_flow->net(net);
}

double LadderPainter::wireY(int rung, int row) const {
    // The name room is above the label: the wire keeps its place in the row's lower part.
    return m_rungTop[static_cast<std::size_t>(rung)] + row * m_rowHeight +
           (m_rowHeight - kRowHeight) + 0.62 * kRowHeight;
}

QRectF LadderPainter::cellRect(int rung, const ladder::Cell& cell) const {
    return QRectF(x(cell.col), m_rungTop[static_cast<std::size_t>(rung)] + cell.row * m_rowHeight,
                  cell.width * kCellWidth, cell.height * m_rowHeight);
}

void LadderPainter::hwire(QPainter& painter, double x0, double x1, double y, bool on) const {
    painter.setPen(pen(on, kThin));
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
}

int LadderPainter::lineAt(QPointF point) const {
    for (std::size_t r = 0; r < m_rungTop.size(); ++r) {
        const double top = m_rungTop[r];
        const int rows = m_layout.rungs()[r].totalRows();
        if (point.y() < top || point.y() >= top + rows * m_rowHeight || point.x() < x(0)) {
            continue;
        }
        const int row = static_cast<int>((point.y() - top) / m_rowHeight);
        const int col = static_cast<int>((point.x() - x(0)) / kCellWidth);
        const int e = m_layout.elementAt(static_cast<int>(r), col, row);
        return e < 0 ? 0 : m_layout.elements()[static_cast<std::size_t>(e)].line;
    }
    return 0;
}

LadderPainter::WireHit LadderPainter::wireAt(QPointF point) const {
    // A wire is hit within a third of a row above or below it.
    constexpr double kReach = kRowHeight / 3;
    for (std::size_t r = 0; r < m_rungTop.size(); ++r) {
        const int rung = static_cast<int>(r);
        for (const ladder::Wire& wire : m_layout.rungs()[r].wires) {
            if (wire.row0 != wire.row1 || std::abs(point.y() - wireY(rung, wire.row0)) > kReach ||
                point.x() < x(wire.col0) || point.x() > x(wire.col1)) {
                continue;
            }
            const bool before = wire.col0 == 0;
            const int e = m_layout.elementAt(rung, before ? wire.col1 : wire.col0 - 1, wire.row0);
            if (e >= 0) {
                return {m_layout.elements()[static_cast<std::size_t>(e)].line, before};
            }
        }
        // The wire through a contact: its left half leads in, its right half out; the wire
        // into a coil leads in.
        const double top = m_rungTop[r];
        if (point.y() >= top && point.x() >= x(0)) {
            const int row = static_cast<int>((point.y() - top) / kRowHeight);
            const int col = static_cast<int>((point.x() - x(0)) / kCellWidth);
            const int e = m_layout.elementAt(rung, col, row);
            const Element* el = e < 0 ? nullptr : &m_layout.elements()[static_cast<std::size_t>(e)];
            if (el != nullptr &&
                (el->kind == ElementKind::Contact || el->kind == ElementKind::Coil)) {
                return {el->line, el->kind == ElementKind::Coil ||
                                      point.x() < cellRect(rung, el->cell).center().x()};
            }
        }
    }
    return {};
}

QRectF LadderPainter::rungRect(int rung) const {
    const auto r = static_cast<std::size_t>(rung);
    const double top = m_rungTop[r];
    return QRectF(0, top, m_size.width(), m_layout.rungs()[r].totalRows() * m_rowHeight);
}

QRectF LadderPainter::rectOfLine(int line) const {
    const int e = m_layout.elementOfLine(line);
    if (e < 0) {
        return {};
    }
    const Element& el = m_layout.elements()[static_cast<std::size_t>(e)];
    return cellRect(el.rung, el.cell);
}

void LadderPainter::paint(QPainter& painter, QRectF visible) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), m_size).intersected(visible), ink(Qt::white));
    painter.setFont(labelFont());
    for (std::size_t r = 0; r < m_rungTop.size(); ++r) {
        const double top = m_rungTop[r];
        const double bottom = top + m_layout.rungs()[r].totalRows() * m_rowHeight;
        if (bottom >= visible.top() && top <= visible.bottom()) {
            paintRung(painter, static_cast<int>(r));
        }
    }
    if (!m_layout.ended()) {
        painter.setPen(ink(kMarkInk));
        painter.drawText(QPointF(x(0), m_size.height() - 4),
                         QCoreApplication::translate("LadderPainter", "(no END)"));
    }
    painter.restore();
}

void LadderPainter::paintRung(QPainter& painter, int r) const {
    const ladder::Rung& rung = m_layout.rungs()[static_cast<std::size_t>(r)];
    const double top = m_rungTop[static_cast<std::size_t>(r)];
    const std::vector<Element>& elements = m_layout.elements();

    // The current line first, as a background.
    for (const int e : rung.elements) {
        const Element& el = elements[static_cast<std::size_t>(e)];
        // An ADD's or SUB's operand line is shown by its box.
        if (m_currentLine > 0 && (el.line == m_currentLine || el.operandLine == m_currentLine)) {
            painter.fillRect(cellRect(r, el.cell).adjusted(1, 1, -1, -1), ink(kCurrent));
        }
    }
    for (std::size_t k = 0; k < rung.marks.size(); ++k) {
        if (elements[static_cast<std::size_t>(rung.marks[k])].line == m_currentLine) {
            painter.fillRect(QRectF(x(0), top + (rung.rows + static_cast<double>(k)) * m_rowHeight,
                                    m_size.width() - x(0) - kMargin / 2, m_rowHeight),
                             ink(kCurrent));
        }
    }

    // Rails and the rung's first line number.
    const bool running = m_flow != nullptr;
    if (rung.rows > 0) {
        painter.setPen(pen(running, 2.5));
        painter.drawLine(QPointF(x(0), top), QPointF(x(0), top + rung.rows * m_rowHeight));
        painter.setPen(pen(false, 2.5));
        painter.drawLine(QPointF(x(m_layout.columns()), top),
                         QPointF(x(m_layout.columns()), top + rung.rows * m_rowHeight));
        painter.setPen(ink(kInk));
        painter.drawText(QRectF(0, wireY(r, 0) - kRowHeight / 2, kMargin - 8, kRowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(rung.firstLine));
    }

    for (const ladder::Wire& wire : rung.wires) {
        painter.setPen(pen(powered(wire.net), kThin));
        painter.drawLine(QPointF(x(wire.col0), wireY(r, wire.row0)),
                         QPointF(x(wire.col1), wireY(r, wire.row1)));
    }
    for (const int e : rung.elements) {
        const Element& el = elements[static_cast<std::size_t>(e)];
        switch (el.kind) {
        case ElementKind::Contact:
            paintContact(painter, el, e);
            break;
        case ElementKind::Link:
            paintLink(painter, el);
            break;
        case ElementKind::Coil:
            paintCoil(painter, el, e);
            break;
        case ElementKind::Timer:
        case ElementKind::Counter:
        case ElementKind::Shift:
        case ElementKind::Keep:
        case ElementKind::Word:
            paintBox(painter, el, e);
            break;
        case ElementKind::End:
            paintEnd(painter, el);
            break;
        case ElementKind::Control:
            paintControl(painter, el);
            break;
        case ElementKind::Join:
        case ElementKind::Mark:
            break;
        }
        if (m_marks != nullptr) {
            paintDebugMarks(painter, r, el);
        }
    }

    // The editing selection: a frame around its element.
    for (const int e : rung.elements) {
        const Element& el = elements[static_cast<std::size_t>(e)];
        if (m_selectedLine > 0 && el.line == m_selectedLine && el.kind != ElementKind::Mark) {
            painter.save();
            painter.setPen(QPen(ink(kSelection), 2, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(cellRect(r, el.cell).adjusted(2, 2, -2, -2), 4, 4);
            painter.restore();
        }
    }

    // The problems, one row each below the rung.
    for (std::size_t k = 0; k < rung.marks.size(); ++k) {
        const Element& el = elements[static_cast<std::size_t>(rung.marks[k])];
        painter.setPen(ink(kMarkInk));
        painter.drawText(QRectF(x(0) + 6, top + (rung.rows + static_cast<double>(k)) * m_rowHeight,
                                m_size.width() - x(0), m_rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, markText(el));
    }
}

// A breakpoint is a red dot at the top left of its line's element; a forced relay's contact or
// coil carries a padlock at its top right, filled with the forced value's colour.
void LadderPainter::paintDebugMarks(QPainter& painter, int r, const Element& el) const {
    if (el.line <= 0 || el.kind == ElementKind::Mark) {
        return;
    }
    const QRectF cell = cellRect(r, el.cell);
    painter.save();
    if (m_marks->breakpoint(el.line)) {
        painter.setPen(QPen(ink(QColor(120, 0, 0)), 1));
        painter.setBrush(ink(QColor(220, 30, 30)));
        painter.drawEllipse(QPointF(cell.left() + 7, cell.top() + 7), 5, 5);
    }
    const std::optional<int> byte = ladder::forceByte(el);
    const int forced = byte ? m_marks->forced(*byte) : -1;
    if (forced >= 0) {
        const QRectF body(cell.right() - 15, cell.top() + 8, 10, 8);
        painter.setPen(QPen(ink(kInk), 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(body.left() + 2, body.top() - 5, 6, 10), 0, 180 * 16);
        painter.setBrush(ink(forced == 1 ? QColor(0, 160, 60) : QColor(200, 200, 200)));
        painter.drawRect(body);
    }
    painter.restore();
}

namespace {

// The colours a label is drawn in: its text, a marked element's text and the name above it.
struct LabelInks {
    QColor ink;
    QColor markInk;
    QColor nameInk;
};

void drawName(QPainter& painter, const QRectF& room, const QString& name, const QColor& nameInk) {
    painter.save();
    // A size smaller than the addresses', so that names of ten letters fit a contact's cell.
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(nameInk);
    const QString shown = QFontMetricsF(font).elidedText(name, Qt::ElideRight, room.width() - 4);
    painter.drawText(room, Qt::AlignHCenter | Qt::AlignBottom, shown);
    painter.restore();
}

// The label above an element, and above that its name (cut with an ellipsis to the cell's
// width), when it has one.
void drawLabel(QPainter& painter, const QRectF& cell, double wireY, const Element& el,
               const LabelInks& inks, const QString& name = {}) {
    painter.setPen(el.problem != ladder::Problem::None ? inks.markInk : inks.ink);
    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), wireY - cell.top() - 10),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QString::fromStdString(ladder::shownLabel(el)));
    if (!name.isEmpty()) {
        drawName(painter, QRectF(cell.left(), cell.top(), cell.width(), wireY - cell.top() - 23),
                 name, inks.nameInk);
    }
}

} // namespace

void LadderPainter::paintContact(QPainter& painter, const Element& el, int index) const {
    const QRectF cell = cellRect(el.rung, el.cell);
    const double y = wireY(el.rung, el.cell.row);
    const double cx = cell.center().x();
    const double half = 7;
    hwire(painter, cell.left(), cx - half, y, powered(el.inNet));
    hwire(painter, cx + half, cell.right(), y, powered(el.outNet));
    const bool closed = m_flow != nullptr && m_flow->active(index);
    painter.setPen(pen(closed, 2));
    painter.drawLine(QPointF(cx - half, y - 10), QPointF(cx - half, y + 10));
    painter.drawLine(QPointF(cx + half, y - 10), QPointF(cx + half, y + 10));
    if (el.form.negated) {
        painter.drawLine(QPointF(cx - half - 3, y + 10), QPointF(cx + half + 3, y - 10));
    }
    drawLabel(painter, cell, y, el, {ink(kInk), ink(kMarkInk), ink(kNameInk)}, nameOf(el));
}

void LadderPainter::paintLink(QPainter& painter, const Element& el) const {
    if (el.target < 0) {
        return; // nothing before it: the wire starts nowhere
    }
    const QRectF cell = cellRect(el.rung, el.cell);
    const double y = wireY(el.rung, el.cell.row);
    const QRectF tag(cell.center().x() - 20, y - 9, 40, 18);
    hwire(painter, cell.left(), tag.left(), y, powered(el.inNet));
    hwire(painter, tag.right(), cell.right(), y, powered(el.outNet));
    painter.setPen(pen(powered(el.outNet), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tag, 8, 8);
    painter.setPen(ink(kInk));
    painter.drawText(tag, Qt::AlignCenter, QString::number(el.targetLine));
}

void LadderPainter::paintCoil(QPainter& painter, const Element& el, int index) const {
    const QRectF cell = cellRect(el.rung, el.cell);
    const double y = wireY(el.rung, el.cell.row);
    const double cx = cell.center().x();
    const double r = 11;
    const bool on = m_flow != nullptr && m_flow->active(index);
    hwire(painter, cell.left(), cx - r, y, powered(el.inNet));
    hwire(painter, cx + r, cell.right(), y, on);
    painter.setPen(pen(on, 2));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(cx - r, y - r, 2 * r, 2 * r);
    painter.drawArc(circle, 120 * 16, 120 * 16);
    painter.drawArc(circle, -60 * 16, 120 * 16);
    if (el.form.op == engine::OpCode::OutNot) {
        painter.drawLine(QPointF(cx - 5, y + 8), QPointF(cx + 5, y - 8));
    } else if (el.form.op == engine::OpCode::Difu) {
        painter.drawLine(QPointF(cx, y + 6), QPointF(cx, y - 6));
        painter.drawLine(QPointF(cx - 4, y - 2), QPointF(cx, y - 6));
        painter.drawLine(QPointF(cx + 4, y - 2), QPointF(cx, y - 6));
    } else if (el.form.op == engine::OpCode::Difd) {
        painter.drawLine(QPointF(cx, y - 6), QPointF(cx, y + 6));
        painter.drawLine(QPointF(cx - 4, y + 2), QPointF(cx, y + 6));
        painter.drawLine(QPointF(cx + 4, y + 2), QPointF(cx, y + 6));
    } else if (el.form.op == engine::OpCode::Set || el.form.op == engine::OpCode::Rset) {
        painter.setPen(on ? ink(kPower) : ink(kInk));
        painter.drawText(circle, Qt::AlignCenter, el.form.op == engine::OpCode::Set ? "S" : "R");
    }
    drawLabel(painter, cell, y, el, {ink(kInk), ink(kMarkInk), ink(kNameInk)}, nameOf(el));
}

void LadderPainter::paintBox(QPainter& painter, const Element& el, int index) const {
    const QRectF cell = cellRect(el.rung, el.cell);
    const QRectF box = cell.adjusted(18, m_rowHeight - kRowHeight * 0.7, -18, -kRowHeight * 0.2);
    painter.setPen(pen(false, 1.5));
    painter.setBrush(ink(kBoxFill));
    painter.drawRect(box);
    if (const QString name = nameOf(el); !name.isEmpty()) {
        drawName(painter, QRectF(cell.left(), cell.top(), cell.width(), box.top() - cell.top() - 1),
                 name, ink(kNameInk));
    }
    painter.setBrush(Qt::NoBrush);
    for (int p = 0; p < el.pinCount; ++p) {
        const ladder::Pin& pin = el.pins[p];
        const double y = wireY(el.rung, pin.row);
        hwire(painter, cell.left(), box.left(), y, powered(pin.net));
        painter.setPen(ink(kInk));
        painter.drawText(
            QRectF(box.left() + 4, y - 9, 30, 18), Qt::AlignLeft | Qt::AlignVCenter,
            QString::fromUtf8(pin.name.data(), static_cast<qsizetype>(pin.name.size())));
    }
    QStringList lines;
    for (const std::string& line : ladder::boxText(el, index, m_flow, m_names)) {
        lines << QString::fromStdString(line);
    }
    painter.setPen(el.problem != ladder::Problem::None ? ink(kMarkInk) : ink(kInk));
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.drawText(box.adjusted(0, 3, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(ladder::shownLabel(el)));
    painter.restore();
    painter.setPen(ink(kInk));
    // A word box's operand lines use its whole width: its input has no name beside them.
    const bool word = el.kind == ElementKind::Word;
    if (word) {
        painter.drawText(box.adjusted(6, 20, -6, -4), Qt::AlignLeft | Qt::AlignTop,
                         lines.join('\n'));
    } else {
        painter.drawText(box.adjusted(34, 20, -6, -4), Qt::AlignRight | Qt::AlignTop,
                         lines.join('\n'));
    }
}

void LadderPainter::paintEnd(QPainter& painter, const Element& el) const {
    const QRectF cell = cellRect(el.rung, el.cell);
    const double y = wireY(el.rung, el.cell.row);
    const QRectF tag(cell.center().x() - 26, y - 11, 52, 22);
    hwire(painter, cell.left(), tag.left(), y, powered(el.inNet));
    hwire(painter, tag.right(), cell.right(), y, powered(el.inNet));
    painter.setPen(pen(false, 1.5));
    painter.drawRect(tag);
    painter.setPen(ink(kInk));
    painter.drawText(tag, Qt::AlignCenter, "END");
}

// IL, ILC, JMP and JME: a tag on the wire, as END's, with the instruction and its number.
void LadderPainter::paintControl(QPainter& painter, const Element& el) const {
    const QRectF cell = cellRect(el.rung, el.cell);
    const double y = wireY(el.rung, el.cell.row);
    const QRectF tag(cell.center().x() - 30, y - 11, 60, 22);
    hwire(painter, cell.left(), tag.left(), y, powered(el.inNet));
    hwire(painter, tag.right(), cell.right(), y, powered(el.inNet));
    painter.setPen(pen(false, 1.5));
    painter.drawRect(tag);
    painter.setPen(el.problem != ladder::Problem::None ? ink(kMarkInk) : ink(kInk));
    painter.drawText(tag, Qt::AlignCenter, QString::fromStdString(ladder::shownLabel(el)));
}

} // namespace rungbox::ui

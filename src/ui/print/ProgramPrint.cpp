// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramPrint.h"

#include "editor/UsedAddresses.h"
#include "files/LadderFile.h"
#include "ui/ladder/LadderPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace rungbox::ui {

namespace {

constexpr double kHeaderHeight = 30; // points, with the rule below it
constexpr double kRowHeight = 12;
constexpr double kSectionGap = 14;
const QColor kGrey(0x60, 0x60, 0x60);

QFont font(int pixels, bool bold = false, bool fixed = false) {
    QFont f(fixed ? "DejaVu Sans Mono" : "DejaVu Sans");
    f.setPixelSize(pixels); // in points: the painter is scaled to them
    f.setBold(bold);
    // No ligatures: a PDF's text is searched and copied letter by letter ("fi", not "ﬁ").
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

class Printout {
    Q_DECLARE_TR_FUNCTIONS(ProgramPrint)

public:
    Printout(QPagedPaintDevice& device, const PrintContent& content)
        : m_device(device), m_content(content), m_painter(&device) {
        m_scale = device.logicalDpiX() / 72.0;
        m_painter.scale(m_scale, m_scale);
        m_width = device.width() / m_scale;
        m_result.bodyTop = kHeaderHeight;
        m_result.bodyBottom = device.height() / m_scale;
        startPage();
    }

    void listing();
    void diagram();
    void namesTable();
    PrintResult finish() {
        m_painter.end();
        return m_result;
    }

private:
    void startPage();
    void newPage();
    /// Room for `height` points below y, on a new page when this one is full.
    void room(double height);
    void title(const QString& name);
    void row(const std::vector<std::pair<double, QString>>& cells, const QFont& f,
             const QColor& ink = Qt::black);

    QPagedPaintDevice& m_device;
    const PrintContent& m_content;
    QPainter m_painter;
    double m_scale = 1;
    double m_width = 0;
    double m_y = 0;
    PrintResult m_result;
};

void Printout::startPage() {
    ++m_result.pages;
    m_painter.setPen(Qt::black);
    m_painter.setFont(font(10, true));
    const QRectF line(0, 0, m_width, 14);
    m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_content.fileName);
    m_painter.setFont(font(9));
    m_painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, m_content.context);
    m_painter.setPen(kGrey);
    m_painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                       tr("%1   Page %2").arg(m_content.date).arg(m_result.pages));
    m_painter.drawLine(QPointF(0, 19), QPointF(m_width, 19));
    m_y = kHeaderHeight;
}

void Printout::newPage() {
    m_device.newPage();
    startPage();
}

void Printout::room(double height) {
    if (m_y + height > m_result.bodyBottom && m_y > kHeaderHeight) {
        newPage();
    }
}

void Printout::title(const QString& name) {
    room(kSectionGap + 3 * kRowHeight); // a title never ends a page
    if (m_y > kHeaderHeight) {
        m_y += kSectionGap;
    }
    m_painter.setPen(Qt::black);
    m_painter.setFont(font(12, true));
    m_painter.drawText(QRectF(0, m_y, m_width, 16), Qt::AlignLeft | Qt::AlignVCenter, name);
    m_y += 20;
}

void Printout::row(const std::vector<std::pair<double, QString>>& cells, const QFont& f,
                   const QColor& ink) {
    room(kRowHeight);
    m_painter.setFont(f);
    m_painter.setPen(ink);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double left = cells[i].first;
        const double right = i + 1 < cells.size() ? cells[i + 1].first - 4 : m_width;
        const QString shown =
            QFontMetricsF(f).elidedText(cells[i].second, Qt::ElideRight, right - left);
        m_painter.drawText(QRectF(left, m_y, right - left, kRowHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    m_y += kRowHeight;
}

// Line, instruction, operand, set value, then the operand's name and comment.
void Printout::listing() {
    title(tr("Program"));
    const editor::CodeGrid& grid = *m_content.grid;
    const std::vector<double> at = {0, 30, 80, 130, 175, 275};
    const auto cells = [&at](std::initializer_list<QString> texts) {
        std::vector<std::pair<double, QString>> row;
        for (const QString& t : texts) {
            row.emplace_back(at[row.size()], t);
        }
        return row;
    };
    row(cells({tr("Line"), tr("Code"), tr("Operand"), tr("Set", "set value"), tr("Name"),
               tr("Comment")}),
        font(8, true), kGrey);
    const int lines = (files::savedCellCount(grid) + 2) / 3;
    for (int line = 1; line <= lines; ++line) {
        const auto address = editor::addressOfLine(grid, line);
        const names::NameEntry* entry =
            address && m_content.names != nullptr ? m_content.names->find(*address) : nullptr;
        row(cells({QString::number(line), text(grid.text(line, editor::kCodeCol)),
                   text(grid.text(line, editor::kCodeCol + 1)),
                   text(grid.text(line, editor::kCodeCol + 2)),
                   entry != nullptr ? text(entry->name) : QString(),
                   entry != nullptr ? text(entry->comment) : QString()}),
            font(9, false, true));
    }
}

// Rung by rung, each whole on one page, at most the diagram's own size.
void Printout::diagram() {
    const ladder::Layout& layout = *m_content.layout;
    if (layout.rungs().empty()) {
        return;
    }
    title(tr("Ladder Diagram"));
    const LadderPainter drawing(layout, nullptr, 0, nullptr, m_content.names);
    const double fit = std::min(1.0, m_width / drawing.size().width());
    const double pageRoom = m_result.bodyBottom - kHeaderHeight;
    for (int r = 0; r < static_cast<int>(layout.rungs().size()); ++r) {
        const QRectF rung = drawing.rungRect(r).adjusted(0, -4, 0, 4);
        const double scale = std::min(fit, pageRoom / rung.height());
        room(rung.height() * scale);
        m_painter.save();
        m_painter.translate(0, m_y);
        m_painter.scale(scale, scale);
        m_painter.translate(0, -rung.top());
        m_painter.setClipRect(rung);
        drawing.paint(m_painter, rung);
        m_painter.restore();
        m_result.rungs.push_back({m_result.pages, m_y, m_y + rung.height() * scale});
        m_y += rung.height() * scale;
    }
}

void Printout::namesTable() {
    if (m_content.names == nullptr || m_content.names->size() == 0) {
        return;
    }
    title(tr("Names"));
    const auto set = m_content.names->instructionSet();
    row({{0, tr("Address")}, {70, tr("Name")}, {190, tr("Comment")}}, font(8, true), kGrey);
    for (const names::NameEntry& entry : m_content.names->entries()) {
        row({{0, text(names::addressText(entry.address, set))},
             {70, text(entry.name)},
             {190, text(entry.comment)}},
            font(9, false, true));
    }
}

} // namespace

PrintResult printProgram(QPagedPaintDevice& device, const PrintContent& content) {
    Printout printout(device, content);
    printout.listing();
    printout.diagram();
    printout.namesTable();
    return printout.finish();
}

} // namespace rungbox::ui

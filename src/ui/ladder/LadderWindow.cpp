// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderWindow.h"

#include "LadderPainter.h"
#include "ui/common/PictureExport.h"

#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace rungbox::ui {

// The painted diagram inside the scroll area; it is as large as the zoomed picture.
class LadderCanvas : public QWidget {
public:
    explicit LadderCanvas(LadderWindow& window) : m_window(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    LadderPainter painter() const {
        const ladder::Monitor& m = m_window.monitor();
        return LadderPainter(m.layout(), m.flow(), m.currentLine(), &m_window.m_diagram.marks());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        ++m_window.m_paintCount;
        QPainter p(this);
        p.fillRect(event->rect(), Qt::white);
        p.scale(m_window.m_zoom, m_window.m_zoom);
        const QRectF exposed(
            event->rect().x() / m_window.m_zoom, event->rect().y() / m_window.m_zoom,
            event->rect().width() / m_window.m_zoom, event->rect().height() / m_window.m_zoom);
        painter().paint(p, exposed);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_window.clicked(event->position() / m_window.m_zoom);
        }
    }
    void wheelEvent(QWheelEvent* event) override {
        if (event->modifiers() & Qt::ControlModifier) {
            const double steps = event->angleDelta().y() / 120.0;
            m_window.setZoom(m_window.m_zoom * std::pow(1.15, steps));
            event->accept();
            return;
        }
        QWidget::wheelEvent(event);
    }

private:
    LadderWindow& m_window;
};

LadderWindow::LadderWindow(session::Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_diagram(session),
      m_scroll(new QScrollArea(this)), m_canvas(new LadderCanvas(*this)) {
    setWindowTitle("Ladder Diagram");
    setObjectName("ladderWindow");
    m_canvas->setObjectName("ladderCanvas");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    m_scroll->setWidget(m_canvas);
    m_scroll->setBackgroundRole(QPalette::Base);
    resize(720, 640);

    auto zoomBy = [this](double factor) { setZoom(m_zoom * factor); };
    new QShortcut(QKeySequence::ZoomIn, this, [zoomBy] { zoomBy(1.25); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this, [zoomBy] { zoomBy(1.25); });
    new QShortcut(QKeySequence::ZoomOut, this, [zoomBy] { zoomBy(0.8); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { setZoom(1.0); });

    poll();
}

QWidget* LadderWindow::canvas() const {
    return m_canvas;
}

bool LadderWindow::poll() {
    const bool changed = m_diagram.poll();
    if (!changed) {
        return false;
    }
    const QSizeF size = m_canvas->painter().size() * m_zoom;
    m_canvas->resize(static_cast<int>(std::ceil(size.width())),
                     static_cast<int>(std::ceil(size.height())));
    m_canvas->update();
    if (monitor().currentLine() != m_shownLine) {
        m_shownLine = monitor().currentLine();
        const QRect rect = lineRect(m_shownLine);
        if (!rect.isEmpty()) {
            m_scroll->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 20,
                                    rect.height() / 2 + 20);
        }
    }
    return true;
}

QRect LadderWindow::lineRect(int line) const {
    const QRectF r = m_canvas->painter().rectOfLine(line);
    return QRectF(r.topLeft() * m_zoom, r.size() * m_zoom).toAlignedRect();
}

void LadderWindow::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const QSizeF size = m_canvas->painter().size() * m_zoom;
    m_canvas->resize(static_cast<int>(std::ceil(size.width())),
                     static_cast<int>(std::ceil(size.height())));
    m_canvas->update();
}

void LadderWindow::clicked(QPointF point) {
    const int line = m_canvas->painter().lineAt(point);
    // While a run holds the grid, the cursor stays where it is.
    if (line > 0 && m_session.grid().enabled()) {
        m_session.grid().setLine(line);
        poll();
    }
}

void LadderWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    poll();
}

bool exportLadder(const ladder::Layout& layout, const ladder::PowerFlow* flow, int currentLine,
                  platform::FileSystem& fileSystem, const std::string& path,
                  platform::FileError& error) {
    const LadderPainter drawing(layout, flow, currentLine);
    const QSizeF size = drawing.size();
    // PNG at twice the screen size, so that it prints sharply.
    const Picture picture{size, "Ladder Diagram", 2.0, [&](QPainter& painter) {
                              drawing.paint(painter, QRectF(QPointF(0, 0), size));
                          }};
    return savePicture(fileSystem, path, picture, error);
}

} // namespace rungbox::ui

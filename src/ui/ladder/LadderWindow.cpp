// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderWindow.h"

#include "LadderEditing.h"
#include "LadderPainter.h"
#include "ui/common/PictureExport.h"
#include "ui/common/Shades.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QSvgGenerator>
#include <QToolBar>
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
        setFocusPolicy(Qt::StrongFocus);
        setAcceptDrops(true);
    }

    LadderPainter painter() const {
        const ladder::Monitor& m = m_window.monitor();
        LadderPainter picture(m.layout(), m.flow(), m.currentLine(), &m_window.m_diagram.marks(),
                              &m_window.m_diagram.names());
        picture.setDark(isDark(palette()));
        if (m_window.m_editing != nullptr && m_window.m_editing->active()) {
            picture.setSelectedLine(m.currentLine());
        }
        return picture;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        ++m_window.m_paintCount;
        QPainter p(this);
        p.fillRect(event->rect(), shade(palette(), Qt::white));
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
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_window.clicked(event->position() / m_window.m_zoom);
            m_window.m_editing->editAddress();
        }
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        m_window.clicked(QPointF(event->pos()) / m_window.m_zoom);
        m_window.m_editing->showMenu(event->globalPos());
    }
    void keyPressEvent(QKeyEvent* event) override {
        // Ctrl+arrows scroll; every other key may be an editing key.
        const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
        QScrollBar* bar = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right
                              ? m_window.m_scroll->horizontalScrollBar()
                              : m_window.m_scroll->verticalScrollBar();
        const int step = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1 : 1;
        if (ctrl && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                     event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            bar->setValue(bar->value() + step * bar->singleStep() * 3);
            return;
        }
        if (!m_window.m_editing->key(event)) {
            QWidget::keyPressEvent(event);
        }
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasFormat("application/x-rungbox-ladder-element") &&
            m_window.m_editing->active()) {
            event->acceptProposedAction();
        }
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        const bool onWire = m_window.wireAt(event->position() / m_window.m_zoom).line > 0;
        onWire ? event->acceptProposedAction() : event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        const bool coil = event->mimeData()->data("application/x-rungbox-ladder-element") == "coil";
        if (m_window.m_editing->drop(event->position() / m_window.m_zoom, coil)) {
            event->acceptProposedAction();
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
      m_scroll(new QScrollArea(this)), m_canvas(new LadderCanvas(*this)), m_editing(nullptr) {
    setWindowTitle(tr("Ladder Diagram"));
    setObjectName("ladderWindow");
    m_canvas->setObjectName("ladderCanvas");
    m_editing = new LadderEditing(*this, session);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_editing->toolBar());
    layout->addWidget(m_scroll);
    // Below the diagram, so that a refusal shown does not push the diagram down; with room
    // from the window's edges.
    layout->addWidget(m_editing->status());
    m_editing->status()->setContentsMargins(8, 4, 8, 4);
    m_editing->status()->hide();
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(true); // no smaller than the canvas's minimum: the drawing
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
    m_editing->refresh();
    const bool changed = m_diagram.poll();
    if (!changed) {
        return false;
    }
    fitCanvas();
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

void LadderWindow::showLine(int line) {
    const QRect rect = lineRect(line);
    if (!rect.isEmpty()) {
        m_scroll->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 20,
                                rect.height() / 2 + 20);
    }
}

LadderPainter::WireHit LadderWindow::wireAt(QPointF point) const {
    return m_canvas->painter().wireAt(point);
}

QRect LadderWindow::lineRect(int line) const {
    const QRectF r = m_canvas->painter().rectOfLine(line);
    return QRectF(r.topLeft() * m_zoom, r.size() * m_zoom).toAlignedRect();
}

void LadderWindow::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    fitCanvas();
}

// The canvas is the zoomed drawing's size, and fills the window where the drawing is smaller: a
// click beside the drawing lands on it (and keeps the drawing keys), and its ground is the
// diagram's, in any palette.
void LadderWindow::fitCanvas() {
    const QSizeF drawing = m_canvas->painter().size() * m_zoom;
    const QSize size(static_cast<int>(std::ceil(drawing.width())),
                     static_cast<int>(std::ceil(drawing.height())));
    m_canvas->setMinimumSize(size);
    m_canvas->resize(size.expandedTo(m_scroll->viewport()->size()));
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
    if (m_editing->active()) {
        m_editing->selectCurrentRung();
        m_canvas->setFocus();
    }
    poll();
}

bool exportLadder(const ladder::Layout& layout, const ladder::PowerFlow* flow, int currentLine,
                  platform::FileSystem& fileSystem, const std::string& path,
                  platform::FileError& error) {
    const LadderPainter drawing(layout, flow, currentLine);
    const QSizeF size = drawing.size();
    // PNG at twice the screen size, so that it prints sharply.
    const Picture picture{size, LadderWindow::tr("Ladder Diagram"), 2.0, [&](QPainter& painter) {
                              drawing.paint(painter, QRectF(QPointF(0, 0), size));
                          }};
    return savePicture(fileSystem, path, picture, error);
}

} // namespace rungbox::ui

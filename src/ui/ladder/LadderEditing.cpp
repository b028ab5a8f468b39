// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderEditing.h"

#include "LadderWindow.h"
#include "ui/common/UiText.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

namespace rungbox::ui {

using engine::OpCode;
using engine::Operand;
using ladder::Node;
using ladder::Path;

namespace {

/// What a toolbar button carries when it is dragged onto the diagram.
constexpr const char* kDragMime = "application/x-rungbox-ladder-element";

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// The key name the keyboard model uses for a Qt key: "C", "/", "Delete"; empty for others.
std::string keyName(int key) {
    if (key == Qt::Key_Delete) {
        return "Delete";
    }
    return key > ' ' && key < 0x7f ? std::string(1, static_cast<char>(key)) : std::string();
}

// A toolbar button that can also be dragged onto a wire of the diagram.
class DragButton : public QToolButton {
public:
    DragButton(QByteArray what, QWidget* parent) : QToolButton(parent), m_what(std::move(what)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_pressed = event->position().toPoint();
        QToolButton::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) &&
            (event->position().toPoint() - m_pressed).manhattanLength() >=
                QApplication::startDragDistance()) {
            setDown(false);
            auto* drag = new QDrag(this);
            auto* mime = new QMimeData;
            mime->setData(kDragMime, m_what);
            drag->setMimeData(mime);
            drag->exec(Qt::CopyAction);
            return;
        }
        QToolButton::mouseMoveEvent(event);
    }

private:
    QByteArray m_what;
    QPoint m_pressed;
};

} // namespace

LadderEditing::LadderEditing(LadderWindow& window, session::Session& session)
    : QObject(&window), m_window(window), m_session(session), m_model(session.editor()),
      m_toolBar(new QToolBar(tr("Draw"), &window)), m_status(new QLabel(&window)),
      m_editor(new QWidget(window.canvas())), m_address(new QLineEdit(m_editor)),
      m_setValue(new QLineEdit(m_editor)) {
    m_toolBar->setObjectName("ladderToolBar");
    m_status->setObjectName("ladderStatus");
    m_status->setWordWrap(true);
    // Every tool of the extended set: its own show while the program is extended (refresh).
    for (const ladder::ToolInfo& info : ladder::drawingTools(engine::InstructionSet::Extended)) {
        auto* action = new QAction(uiLabel("Ladder", info.text), this);
        action->setObjectName(text(info.name));
        action->setToolTip(uiLabel("Ladder", info.tip));
        const Tool tool = info.tool;
        connect(action, &QAction::triggered, this, [this, tool] { use(tool); });
        m_actions.push_back(action);
        if (tool == Tool::Contact || tool == Tool::Coil) {
            auto* button = new DragButton(tool == Tool::Contact ? "contact" : "coil", m_toolBar);
            button->setDefaultAction(action);
            m_toolBar->addWidget(button);
        } else {
            m_toolBar->addAction(action);
        }
    }

    // The address editor: the address, and the set value of a box.
    m_editor->setObjectName("ladderAddressEditor");
    m_address->setObjectName("ladderAddress");
    m_setValue->setObjectName("ladderSetValue");
    m_address->setPlaceholderText(tr("address"));
    m_setValue->setPlaceholderText("###");
    m_setValue->setValidator(new QIntValidator(0, 20000, m_setValue));
    auto* row = new QHBoxLayout(m_editor);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(m_address);
    row->addWidget(m_setValue);
    m_editor->setAutoFillBackground(true);
    m_editor->hide();
    m_address->installEventFilter(this);
    m_setValue->installEventFilter(this);
    refresh();
}

QAction* LadderEditing::action(Tool tool) const {
    return m_actions.value(static_cast<int>(tool));
}

bool LadderEditing::active() const {
    return !m_session.running() && m_session.grid().enabled();
}

void LadderEditing::refresh() {
    const bool on = active();
    if (m_toolBar->isEnabled() != on) {
        m_toolBar->setEnabled(on);
    }
    const bool extended = m_session.grid().extended();
    for (const ladder::ToolInfo& info : ladder::drawingTools(engine::InstructionSet::Extended)) {
        QAction* tool = action(info.tool);
        if (info.extended && tool != nullptr && tool->isVisible() != extended) {
            tool->setVisible(extended);
        }
    }
    if (!on && m_editor->isVisible()) {
        m_editor->hide();
    }
}

void LadderEditing::say(const QString& text) {
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

// Shows what an edit did: the new selection, or why it was refused.
bool LadderEditing::apply(const ladder::Outcome& outcome, bool created) {
    m_window.poll();
    if (!outcome.done()) {
        say(uiLabel("Ladder", outcome.refusal));
        return false;
    }
    say({});
    m_window.showLine(outcome.line);
    if (created) {
        editAddress();
    }
    return true;
}

void LadderEditing::use(Tool tool) {
    if (!active()) {
        return;
    }
    const ladder::DrawingModel::Step step = m_model.use(tool);
    apply(step.outcome, step.created);
}

void LadderEditing::editAddress() {
    if (!active()) {
        return;
    }
    const ladder::AddressForm form = m_model.addressForm();
    if (!form.open) {
        if (!form.refusal.empty()) {
            say(uiLabel("Ladder", form.refusal));
        }
        return;
    }
    m_address->setText(QString::fromStdString(form.address));
    m_setValue->setVisible(form.hasSetValue);
    m_setValue->setText(QString::number(form.setValue));
    const QRect cell = m_window.lineRect(m_session.grid().line());
    m_editor->adjustSize();
    m_editor->move(cell.left(), cell.bottom());
    m_editor->show();
    m_editor->raise();
    m_address->setFocus();
    m_address->selectAll();
}

void LadderEditing::confirmAddress() {
    const std::optional<int> value =
        m_setValue->isVisible() ? std::optional(m_setValue->text().toInt()) : std::nullopt;
    const ladder::Outcome outcome = m_model.confirmAddress(m_address->text().toStdString(), value);
    if (!outcome.done()) {
        say(uiLabel("Ladder", outcome.refusal));
        return;
    }
    m_editor->hide();
    apply(outcome, false);
    m_window.canvas()->setFocus();
}

void LadderEditing::cancelAddress() {
    m_editor->hide();
    m_model.cancelAddress();
    m_window.poll();
    m_window.canvas()->setFocus();
}

bool LadderEditing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == m_address || watched == m_setValue)) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            confirmAddress();
            return true;
        }
        if (k == Qt::Key_Escape) {
            cancelAddress();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool LadderEditing::key(QKeyEvent* event) {
    if (!active()) {
        return false;
    }
    if ((event->modifiers() & Qt::AltModifier) != 0) {
        return false; // Alt keys open menus
    }
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const int k = event->key();
    if (ctrl) {
        return commandKey(k, (event->modifiers() & Qt::ShiftModifier) != 0);
    }
    switch (k) {
    case Qt::Key_Left:
        moveSelection(-1, 0);
        return true;
    case Qt::Key_Right:
        moveSelection(1, 0);
        return true;
    case Qt::Key_Up:
        moveSelection(0, -1);
        return true;
    case Qt::Key_Down:
        moveSelection(0, 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editAddress();
        return true;
    case Qt::Key_Escape:
        say({});
        return true;
    default:
        break;
    }
    if (const std::optional<Tool> tool =
            ladder::toolOfKey(keyName(k), m_session.grid().instructionSet())) {
        use(*tool);
        return true;
    }
    return false;
}

// Ctrl keys as in the grid: Z undoes, Y and Shift+Z redo; C copies the selection's rung, V pastes
// rungs after it.
bool LadderEditing::commandKey(int key, bool shift) {
    if (key == Qt::Key_Z && !shift) {
        m_model.undo();
    } else if (key == Qt::Key_Y || key == Qt::Key_Z) {
        m_model.redo();
    } else if (key == Qt::Key_C) {
        if (const auto copied = m_model.copyRung()) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(*copied));
        }
    } else if (key == Qt::Key_V) {
        apply(m_model.pasteRungs(QGuiApplication::clipboard()->text().toStdString()), false);
    } else {
        return false;
    }
    m_window.poll();
    return true;
}

// The nearest element in the direction (dx, dy), as the window draws the elements.
void LadderEditing::moveSelection(int dx, int dy) {
    const bool moved = m_model.moveSelection(dx, dy, [this](int line) {
        const QRect rect = m_window.lineRect(line);
        return ladder::DrawnBox{static_cast<double>(rect.x()), static_cast<double>(rect.y()),
                                static_cast<double>(rect.width()),
                                static_cast<double>(rect.height())};
    });
    if (moved) {
        m_window.poll();
        m_window.showLine(m_session.grid().line());
    }
}

void LadderEditing::selectCurrentRung() {
    m_model.selectCurrentRung();
    m_window.poll();
}

bool LadderEditing::drop(QPointF point, bool coil) {
    if (!active()) {
        return false;
    }
    const LadderPainter::WireHit hit = m_window.wireAt(point);
    if (hit.line <= 0) {
        return false;
    }
    m_session.grid().setLine(hit.line);
    ladder::DiagramEditor& diagram = m_model.diagram();
    const ladder::Place place = m_model.selection();
    if (coil) {
        return apply(diagram.edit(place,
                                  [&](Node& rung, const Path& at) {
                                      return ladder::addOutput(
                                          rung, at, Node::output(OpCode::Out, diagram.freeCoil()));
                                  }),
                     true);
    }
    return apply(diagram.edit(place,
                              [&](Node& rung, const Path& at) {
                                  return ladder::insertSeries(
                                      rung, at, Node::contact(Operand::Relay, false, 0),
                                      !hit.before);
                              }),
                 true);
}

QMenu* LadderEditing::buildMenu() {
    auto* menu = new QMenu(&m_window);
    menu->setObjectName("ladderMenu");
    // The tools with their keys, as the toolbar's tooltips name them.
    for (const ladder::ToolInfo& info : ladder::drawingTools(m_session.grid().instructionSet())) {
        QAction* item = menu->addAction(uiLabel("Ladder", info.text) + '\t' + text(info.key), this,
                                        [this, tool = info.tool] { use(tool); });
        item->setObjectName(text(info.name) + "Item");
    }
    menu->addSeparator();
    const bool selected = m_model.selection().rung >= 0;
    // The captions are marked where they are written and translated here.
    auto rungItem = [&](const char* label, const char* name, auto edit) {
        QAction* item = menu->addAction(tr(label), this, [edit] { edit(); });
        item->setObjectName(name);
        item->setEnabled(selected);
    };
    rungItem(QT_TR_NOOP("Address...\tEnter"), "addressItem", [this] { editAddress(); });
    rungItem(QT_TR_NOOP("Move Rung Up"), "rungUpItem",
             [this] { apply(m_model.moveRung(-1), false); });
    rungItem(QT_TR_NOOP("Move Rung Down"), "rungDownItem",
             [this] { apply(m_model.moveRung(1), false); });
    rungItem(QT_TR_NOOP("Delete Rung"), "deleteRungItem",
             [this] { apply(m_model.deleteRung(), false); });
    rungItem(QT_TR_NOOP("Copy Rung\tCtrl+C"), "copyRungItem", [this] {
        if (const auto copied = m_model.copyRung()) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(*copied));
        }
    });
    QAction* paste = menu->addAction(tr("Paste Rungs\tCtrl+V"), this, [this] {
        apply(m_model.pasteRungs(QGuiApplication::clipboard()->text().toStdString()), false);
    });
    paste->setObjectName("pasteRungsItem");
    return menu;
}

void LadderEditing::showMenu(const QPoint& globalPos) {
    if (!active()) {
        return;
    }
    QMenu* menu = buildMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderEditing.h"

#include "LadderWindow.h"

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

#include <cmath>
#include <cstring>
#include <limits>

namespace rungbox::ui {

using engine::OpCode;
using engine::Operand;
using ladder::Node;
using ladder::Path;

namespace {

/// What a toolbar button carries when it is dragged onto the diagram.
constexpr const char* kDragMime = "application/x-rungbox-ladder-element";

struct ToolInfo {
    LadderEditing::Tool tool;
    const char* text;
    const char* tip;
    Qt::Key key;
    const char* name; // objectName
};

// The keyboard model: each tool with its key, written once for toolbar, menu and keys.
const ToolInfo kTools[] = {
    {LadderEditing::Tool::Contact, "Contact", "Contact in series after the selection (C)",
     Qt::Key_C, "contactTool"},
    {LadderEditing::Tool::Parallel, "Parallel", "Contact in parallel with the selection (P)",
     Qt::Key_P, "parallelTool"},
    {LadderEditing::Tool::Not, "NOT", "NOT on a contact, OUT to OUT NOT and back (/)",
     Qt::Key_Slash, "notTool"},
    {LadderEditing::Tool::Coil, "OUT", "OUT coil, parallel to the rung's outputs (O)", Qt::Key_O,
     "coilTool"},
    {LadderEditing::Tool::Difu, "DIFU", "DIFU coil (D)", Qt::Key_D, "difuTool"},
    {LadderEditing::Tool::Timer, "TIM", "Timer box (T)", Qt::Key_T, "timerTool"},
    {LadderEditing::Tool::Counter, "CNT", "Counter box: a new rung with count and reset (K)",
     Qt::Key_K, "counterTool"},
    {LadderEditing::Tool::Shift, "SFT",
     "Shift-register box: a new rung with data, clock and reset (S)", Qt::Key_S, "shiftTool"},
    {LadderEditing::Tool::Rung, "Rung", "New rung after this one: a contact and an OUT coil (R)",
     Qt::Key_R, "rungTool"},
    {LadderEditing::Tool::Delete, "Delete", "Delete the selection (Delete)", Qt::Key_Delete,
     "deleteTool"},
};

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

// An address as typed: "100", "TIM 3", "T3", "CNT 2", "C2" (case and blanks do not matter).
bool parseAddress(const QString& typed, Operand& operand, int& number) {
    QString text = typed.toUpper().remove(' ');
    operand = Operand::Relay;
    for (const auto& [prefix, kind] : {std::pair{"TIM", Operand::Timer},
                                       {"CNT", Operand::Counter},
                                       {"T", Operand::Timer},
                                       {"C", Operand::Counter}}) {
        if (text.startsWith(prefix)) {
            operand = kind;
            text.remove(0, static_cast<int>(std::strlen(prefix)));
            break;
        }
    }
    bool ok = false;
    number = text.toInt(&ok);
    return ok;
}

// A name of the program's typed for an address stands for its address ("START" for 0, "LIGHT"
// for TIM 2). Names are tried first: a name such as "T1" means what its owner gave it.
bool parseNamedAddress(const QString& typed, const names::NameTable& table, Operand& operand,
                       int& number) {
    const names::NameEntry* entry = table.findName(typed.trimmed().toStdString());
    if (entry == nullptr) {
        return parseAddress(typed, operand, number);
    }
    switch (entry->address.kind) {
    case names::Address::Kind::Timer:
        operand = Operand::Timer;
        break;
    case names::Address::Kind::Counter:
        operand = Operand::Counter;
        break;
    case names::Address::Kind::Relay:
        operand = Operand::Relay;
        break;
    }
    number = entry->address.number;
    return true;
}

QString addressText(const Node& node) {
    const QString number = QString::number(node.number);
    if (node.kind == ladder::NodeKind::Contact && node.operand == Operand::Timer) {
        return "TIM " + number;
    }
    if (node.kind == ladder::NodeKind::Contact && node.operand == Operand::Counter) {
        return "CNT " + number;
    }
    return number;
}

bool hasSetValue(const Node& node) {
    return node.kind == ladder::NodeKind::Output &&
           (node.op == OpCode::Tim || node.op == OpCode::Cnt || node.op == OpCode::Sft);
}

} // namespace

LadderEditing::LadderEditing(LadderWindow& window, session::Session& session)
    : QObject(&window), m_window(window), m_session(session), m_diagram(session.editor()),
      m_toolBar(new QToolBar("Draw", &window)), m_status(new QLabel(&window)),
      m_editor(new QWidget(window.canvas())), m_address(new QLineEdit(m_editor)),
      m_setValue(new QLineEdit(m_editor)) {
    m_toolBar->setObjectName("ladderToolBar");
    m_status->setObjectName("ladderStatus");
    m_status->setWordWrap(true);
    for (const ToolInfo& info : kTools) {
        auto* action = new QAction(info.text, this);
        action->setObjectName(info.name);
        action->setToolTip(info.tip);
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
    m_address->setPlaceholderText("address");
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
    if (!on && m_editor->isVisible()) {
        m_editor->hide();
    }
}

void LadderEditing::say(const QString& text) {
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

ladder::Place LadderEditing::selection() {
    m_diagram.refresh();
    return m_diagram.placeOfLine(m_session.grid().line());
}

// Shows what an edit did: the new selection, or why it was refused.
bool LadderEditing::apply(const ladder::Outcome& outcome, bool created) {
    m_window.poll();
    if (!outcome.done()) {
        say(QString::fromStdString(outcome.refusal));
        return false;
    }
    say({});
    m_window.showLine(outcome.line);
    if (created) {
        m_typingNew = true;
        m_stepsAfterNew = m_session.editor().history().undoCount();
        editAddress();
    }
    return true;
}

void LadderEditing::use(Tool tool) {
    if (!active()) {
        return;
    }
    m_diagram.refresh();
    if (m_diagram.program().rungs().empty() && tool != Tool::Delete) {
        // A program drawn from nothing starts with a rung, whatever was asked for.
        tool = tool == Tool::Counter || tool == Tool::Shift ? tool : Tool::Rung;
    }
    switch (tool) {
    case Tool::Contact:
    case Tool::Parallel:
        addContact(tool == Tool::Parallel);
        return;
    case Tool::Not:
        toggleNot();
        return;
    case Tool::Coil:
        addOutput(OpCode::Out);
        return;
    case Tool::Difu:
        addOutput(OpCode::Difu);
        return;
    case Tool::Timer:
        addOutput(OpCode::Tim);
        return;
    case Tool::Counter:
        addRung(ladder::boxRung(OpCode::Cnt, 0, 10), true);
        return;
    case Tool::Shift:
        addRung(ladder::boxRung(OpCode::Sft, 200, 207), true);
        return;
    case Tool::Rung:
        addRung(ladder::simpleRung(0, m_diagram.freeCoil()), false);
        return;
    case Tool::Delete:
        deleteSelection();
        return;
    }
}

void LadderEditing::addContact(bool parallel) {
    const ladder::Place place = selection();
    const Node* selected =
        place.rung < 0
            ? nullptr
            : ladder::nodeAt(m_diagram.program().rungs()[static_cast<std::size_t>(place.rung)].tree,
                             place.path);
    // The new contact reads the next relay after the selected one: typing replaces it anyway.
    Node contact = Node::contact(Operand::Relay, false, 0);
    if (selected != nullptr && selected->kind == ladder::NodeKind::Contact &&
        selected->operand == Operand::Relay && selected->number < engine::kLastRelay) {
        contact.number = selected->number + 1;
    }
    const bool output = selected != nullptr && selected->kind == ladder::NodeKind::Output;
    apply(m_diagram.edit(place,
                         [&](Node& rung, const Path& at) {
                             // On an output, C puts the contact before it: nothing can follow.
                             return parallel ? ladder::insertParallel(rung, at, at.back(), contact)
                                             : ladder::insertSeries(rung, at, contact, !output);
                         }),
          true);
}

void LadderEditing::addOutput(OpCode op) {
    Node output = Node::output(op, m_diagram.freeCoil());
    if (op == OpCode::Tim) {
        output = Node::output(op, 0, 10);
    }
    apply(m_diagram.edit(
              selection(),
              [&](Node& rung, const Path& at) { return ladder::addOutput(rung, at, output); }),
          true);
}

void LadderEditing::addRung(Node rung, bool selectBox) {
    const int current = selection().rung;
    // A box rung opens its box for typing (it is written last), a plain rung its contact.
    const int boxOffset = static_cast<int>(ladder::rungCells(rung).size()) - 1;
    ladder::Outcome outcome =
        m_diagram.addRung(current < 0 && !m_diagram.program().rungs().empty()
                              ? static_cast<int>(m_diagram.program().rungs().size()) - 1
                              : current,
                          std::move(rung));
    if (outcome.done() && selectBox) {
        outcome.line += boxOffset;
        m_session.grid().setLine(outcome.line);
    }
    apply(outcome, true);
}

void LadderEditing::toggleNot() {
    apply(m_diagram.edit(selection(), ladder::toggleNot), false);
}

void LadderEditing::deleteSelection() {
    apply(m_diagram.edit(selection(), ladder::removeElement), false);
}

void LadderEditing::editAddress() {
    const ladder::Place place = selection();
    if (!active() || place.rung < 0) {
        return;
    }
    const ladder::ProgramRung& rung =
        m_diagram.program().rungs()[static_cast<std::size_t>(place.rung)];
    const Node* node = ladder::nodeAt(rung.tree, place.path);
    if (!rung.editable || node == nullptr || node->isGroup() || node->op == OpCode::End) {
        if (!rung.editable) {
            say(QString::fromStdString("this rung is edited in the grid: " + rung.reason));
        }
        return;
    }
    m_address->setText(addressText(*node));
    m_setValue->setVisible(hasSetValue(*node));
    m_setValue->setText(QString::number(node->setValue));
    const QRect cell = m_window.lineRect(m_session.grid().line());
    m_editor->adjustSize();
    m_editor->move(cell.left(), cell.bottom());
    m_editor->show();
    m_editor->raise();
    m_address->setFocus();
    m_address->selectAll();
}

void LadderEditing::confirmAddress() {
    Operand operand = Operand::Relay;
    int number = 0;
    if (!parseNamedAddress(m_address->text(), m_session.names(), operand, number)) {
        say("An address is a number, TIM or CNT and a number, or a name.");
        return;
    }
    const bool box = m_setValue->isVisible();
    const int value = m_setValue->text().toInt();
    const ladder::Outcome outcome =
        m_diagram.edit(selection(), [&](Node& rung, const Path& at) -> ladder::EditResult {
            const Node* node = ladder::nodeAt(rung, at);
            const Operand kind = node != nullptr && node->kind == ladder::NodeKind::Output
                                     ? Operand::Relay
                                     : operand;
            ladder::EditResult result = ladder::setAddress(rung, at, kind, number);
            return result.done() && box ? ladder::setSetValue(rung, result.selection, value)
                                        : result;
        });
    if (!outcome.done()) {
        say(QString::fromStdString(outcome.refusal));
        return;
    }
    m_typingNew = false;
    m_editor->hide();
    apply(outcome, false);
    m_window.canvas()->setFocus();
}

void LadderEditing::cancelAddress() {
    m_editor->hide();
    // Esc on a new element takes it away again: its edit is undone, as if never made.
    if (m_typingNew && m_session.editor().history().undoCount() == m_stepsAfterNew) {
        m_session.editor().undo();
    }
    m_typingNew = false;
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
    for (const ToolInfo& info : kTools) {
        if (info.key == k) {
            use(info.tool);
            return true;
        }
    }
    return false;
}

// Ctrl keys as in the grid: Z undoes, Y and Shift+Z redo; C copies the selection's rung, V pastes
// rungs after it.
bool LadderEditing::commandKey(int key, bool shift) {
    if (key == Qt::Key_Z && !shift) {
        m_session.editor().undo();
    } else if (key == Qt::Key_Y || key == Qt::Key_Z) {
        m_session.editor().redo();
    } else if (key == Qt::Key_C) {
        if (const auto text = m_diagram.copyRung(selection().rung)) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
        }
    } else if (key == Qt::Key_V) {
        apply(m_diagram.pasteRungs(selection().rung,
                                   QGuiApplication::clipboard()->text().toStdString()),
              false);
    } else {
        return false;
    }
    m_window.poll();
    return true;
}

// The nearest element in the direction (dx, dy): along a row first, across rows and rungs.
void LadderEditing::moveSelection(int dx, int dy) {
    const ladder::Layout& layout = m_window.monitor().layout();
    const QRect from = m_window.lineRect(m_session.grid().line());
    if (from.isEmpty()) {
        selectCurrentRung();
        return;
    }
    int best = 0;
    double bestScore = std::numeric_limits<double>::max();
    for (const ladder::Element& el : layout.elements()) {
        if (el.line <= 0 || el.kind == ladder::ElementKind::Join ||
            el.kind == ladder::ElementKind::Mark || el.kind == ladder::ElementKind::Link) {
            continue;
        }
        const QPointF to = QRectF(m_window.lineRect(el.line)).center();
        const double along =
            dx != 0 ? (to.x() - from.center().x()) * dx : (to.y() - from.center().y()) * dy;
        const double across =
            dx != 0 ? std::abs(to.y() - from.center().y()) : std::abs(to.x() - from.center().x());
        if (along <= 1) {
            continue;
        }
        const double score = along + 3 * across;
        if (score < bestScore) {
            bestScore = score;
            best = el.line;
        }
    }
    if (best > 0) {
        m_session.grid().setLine(best);
        m_window.poll();
        m_window.showLine(best);
    }
}

void LadderEditing::selectCurrentRung() {
    m_diagram.refresh();
    const auto& rungs = m_diagram.program().rungs();
    if (rungs.empty()) {
        return;
    }
    const int line = m_session.grid().line();
    int r = m_diagram.program().rungOfLine(line);
    if (r < 0) {
        // A line between rungs: the rung after it, else the last.
        r = static_cast<int>(rungs.size()) - 1;
        for (std::size_t i = 0; i < rungs.size(); ++i) {
            if (rungs[i].first > line) {
                r = static_cast<int>(i);
                break;
            }
        }
    }
    // END has nothing to edit: the rung before it is meant.
    if (rungs[static_cast<std::size_t>(r)].end && r > 0) {
        --r;
    }
    m_session.grid().setLine(rungs[static_cast<std::size_t>(r)].first);
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
    const ladder::Place place = selection();
    if (coil) {
        return apply(m_diagram.edit(place,
                                    [&](Node& rung, const Path& at) {
                                        return ladder::addOutput(
                                            rung, at,
                                            Node::output(OpCode::Out, m_diagram.freeCoil()));
                                    }),
                     true);
    }
    return apply(m_diagram.edit(place,
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
    for (const ToolInfo& info : kTools) {
        const QString tip = info.tip;
        const QString key = tip.mid(tip.lastIndexOf('(') + 1).chopped(1);
        QAction* item = menu->addAction(QString(info.text) + '\t' + key, this,
                                        [this, tool = info.tool] { use(tool); });
        item->setObjectName(QString(info.name) + "Item");
    }
    menu->addSeparator();
    const int rung = selection().rung;
    auto rungItem = [&](const char* text, const char* name, auto edit) {
        QAction* item = menu->addAction(text, this, [this, edit] { edit(); });
        item->setObjectName(name);
        item->setEnabled(rung >= 0);
    };
    rungItem("Address...\tEnter", "addressItem", [this] { editAddress(); });
    rungItem("Move Rung Up", "rungUpItem",
             [this, rung] { apply(m_diagram.moveRung(rung, -1), false); });
    rungItem("Move Rung Down", "rungDownItem",
             [this, rung] { apply(m_diagram.moveRung(rung, 1), false); });
    rungItem("Delete Rung", "deleteRungItem",
             [this, rung] { apply(m_diagram.deleteRung(rung), false); });
    rungItem("Copy Rung\tCtrl+C", "copyRungItem", [this, rung] {
        if (const auto text = m_diagram.copyRung(rung)) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
        }
    });
    QAction* paste = menu->addAction("Paste Rungs\tCtrl+V", this, [this, rung] {
        apply(m_diagram.pasteRungs(rung, QGuiApplication::clipboard()->text().toStdString()),
              false);
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

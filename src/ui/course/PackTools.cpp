// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackTools.h"

#include "StatementDocument.h"
#include "course/Bundle.h"
#include "course/FolderReader.h"
#include "course/Markdown.h"
#include "ui/check/CheckDialog.h"
#include "ui/common/WindowBox.h"
#include "ui/timing/TimingWindow.h" // the dialog keeps a pointer to its trace's window

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\r\n") + line;
    }
    return text;
}

// Only the addresses the statement's reader lets through are opened; anything else in a
// document (it holds none) would stay unopened.
void openLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == "http" || scheme == "https" || scheme == "mailto") {
        QDesktopServices::openUrl(url);
    }
}

} // namespace

PackTools::PackTools(session::Session& session, QMainWindow& window, QMenu& fileMenu,
                     QMenu& viewMenu, QString workFolder)
    : QObject(&window), m_session(session), m_workFolder(std::move(workFolder)) {
    setObjectName("packTools");
    fileMenu
        .addAction(tr("Open Exercise &Pack..."), this,
                   [this] {
                       if (const auto path =
                               m_session.ports().fileDialog.askOpenPath(kPackFilter)) {
                           openPack(*path);
                       }
                   })
        ->setObjectName("openPackItem");
    m_handInItem = fileMenu.addAction(tr("&Hand In..."), this, [this] { handIn(); });
    m_handInItem->setObjectName("handInItem");
    m_handInItem->setEnabled(false);
    buildPanel(window);
    QAction* panelItem = m_dock->toggleViewAction();
    panelItem->setText(tr("Exercise &Pack"));
    panelItem->setObjectName("packPanelItem");
    panelItem->setEnabled(false);
    viewMenu.addAction(panelItem);
}

PackTools::~PackTools() = default;

void PackTools::buildPanel(QMainWindow& window) {
    m_dock = new QDockWidget(tr("Exercise Pack"), &window);
    m_dock->setObjectName("packPanel");
    m_dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                        QDockWidget::DockWidgetClosable);
    auto* body = new QWidget(m_dock);
    auto* layout = new QVBoxLayout(body);
    m_packTitle = new QLabel(body);
    m_packTitle->setObjectName("packTitle");
    m_packTitle->setTextFormat(Qt::PlainText); // the pack's title is text, never markup
    m_packTitle->setWordWrap(true);
    QFont bold = m_packTitle->font();
    bold.setBold(true);
    m_packTitle->setFont(bold);
    m_list = new QTreeWidget(body);
    m_list->setObjectName("packExercises");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Exercise"), tr("State")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(StateColumn, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row >= 0 && row != m_current && !chooseExercise(row)) {
            m_list->setCurrentItem(m_list->topLevelItem(m_current)); // the work stayed there
        }
    });
    m_statement = new QTextBrowser(body);
    m_statement->setObjectName("packStatement");
    m_statement->setOpenLinks(false);
    m_statement->setOpenExternalLinks(false);
    connect(m_statement, &QTextBrowser::anchorClicked, this, &openLink);
    auto* split = new QSplitter(Qt::Vertical, body);
    split->addWidget(m_list);
    split->addWidget(m_statement);
    split->setStretchFactor(1, 3);
    split->setSizes({130, 400}); // a term's exercises in view, the statement the most room
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& label, const char* name, auto command) {
        auto* pushButton = new QPushButton(label, body);
        pushButton->setObjectName(name);
        connect(pushButton, &QPushButton::clicked, this, command);
        buttons->addWidget(pushButton);
        return pushButton;
    };
    m_checkButton = button(tr("Check"), "packCheckButton", [this] { check(); });
    m_resetButton = button(tr("Reset Exercise"), "packResetButton", [this] { resetExercise(); });
    buttons->addStretch();
    button(tr("Hand In..."), "packHandInButton", [this] { handIn(); });
    layout->addWidget(m_packTitle);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    m_dock->setWidget(body);
    m_dock->setMinimumWidth(360); // room for a statement's table
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
}

const course::Exercise* PackTools::exercise() const {
    if (!m_pack || m_current < 0) {
        return nullptr;
    }
    return &m_pack->exercises[static_cast<std::size_t>(m_current)];
}

QString PackTools::context() const {
    if (!m_pack) {
        return {};
    }
    const course::Exercise* current = exercise();
    return text(m_pack->title) + (current != nullptr ? ", " + text(current->title) : QString());
}

void PackTools::showError(const QString& message) {
    showWindowBox(m_session.ports().boxes, message, platform::BoxStyle::Exclamation,
                  tr("Exercise Pack"));
}

// A published pack is one file; anything else chosen is a pack folder or its pack.json.
std::optional<course::FileSet> PackTools::readFiles(const std::string& path, std::string& why) {
    const QFileInfo info(text(path));
    if (!info.isDir() && info.suffix().compare("rbxpack", Qt::CaseInsensitive) == 0) {
        std::string bytes;
        platform::FileError error;
        if (!m_session.ports().fileSystem.readAll(path, bytes, error)) {
            why = error.description;
            return std::nullopt;
        }
        return course::readPackFile(bytes, &why);
    }
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    return course::readFolder(folder.toStdString(), &why);
}

bool PackTools::openPack(const std::string& path) {
    const std::string name = QFileInfo(text(path)).fileName().toStdString();
    std::string why;
    std::optional<course::FileSet> files = readFiles(path, why);
    if (!files) {
        showError(tr("The exercise pack %1 could not be opened:\r\n%2").arg(text(name), text(why)));
        return false;
    }
    course::PackRead read = course::readPack(std::move(*files));
    if (!read.pack) {
        showError(tr("The exercise pack %1 could not be opened:\r\n%2")
                      .arg(text(name), text(joined(read.problems))));
        return false;
    }
    keepWork();
    // A teacher's own folder opens as the students see it: no model solution, no hidden test.
    m_pack = read.pack->teachersCopy() ? course::studentCopy(*read.pack) : std::move(*read.pack);
    m_work = std::make_unique<PackWork>(m_session.ports().fileSystem,
                                        m_workFolder.toStdString() + "/packs/" + m_pack->id);
    m_current = -1;
    showPack();
    if (!m_pack->exercises.empty()) {
        chooseExercise(0);
    }
    return true;
}

void PackTools::showPack() {
    m_packTitle->setText(text(m_pack->title));
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const course::Exercise& exercise : m_pack->exercises) {
        new QTreeWidgetItem(m_list, {text(exercise.title), QString()});
    }
    refreshStates();
    m_handInItem->setEnabled(true);
    m_dock->toggleViewAction()->setEnabled(true);
    m_dock->show();
}

void PackTools::refreshStates() {
    if (!m_pack) {
        return;
    }
    for (std::size_t i = 0; i < m_pack->exercises.size(); ++i) {
        const ExerciseState state = m_work->state(*m_pack, m_pack->exercises[i]);
        QTreeWidgetItem* item = m_list->topLevelItem(static_cast<int>(i));
        item->setText(StateColumn, QCoreApplication::translate("PackWork", stateText(state)));
        item->setForeground(StateColumn, state == ExerciseState::Passed ? QColor(0x1E, 0x7B, 0x34)
                                         : state == ExerciseState::Edited
                                             ? QColor(0x9A, 0x67, 0x00)
                                             : QColor(0x70, 0x70, 0x70));
    }
}

void PackTools::showStatement() {
    const course::Exercise* current = exercise();
    const std::string* statement =
        current != nullptr ? m_pack->files.find(current->files.statement) : nullptr;
    buildStatement(*m_statement->document(),
                   course::parseMarkdown(statement != nullptr ? *statement : std::string()),
                   m_pack->files);
}

bool PackTools::holdsCurrentWork() const {
    const course::Exercise* current = exercise();
    return current != nullptr &&
           m_session.files().currentFile().path() == m_work->programPath(*current);
}

void PackTools::keepWork() {
    if (holdsCurrentWork() &&
        m_session.files().currentFile().differs(m_session.grid(), m_session.names())) {
        m_session.save();
    }
}

bool PackTools::chooseExercise(int index) {
    if (!m_pack || index < 0 || index >= static_cast<int>(m_pack->exercises.size())) {
        return false;
    }
    keepWork();
    const course::Exercise& chosen = m_pack->exercises[static_cast<std::size_t>(index)];
    platform::FileError error;
    if (!m_work->start(*m_pack, chosen, false, error)) {
        showError(tr("The work on %1 could not be kept:\r\n%2")
                      .arg(text(chosen.title), text(error.description)));
        return false;
    }
    if (!m_session.open(m_work->programPath(chosen))) {
        return false;
    }
    m_current = index;
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentItem(m_list->topLevelItem(index));
    }
    showStatement();
    refreshStates();
    return true;
}

CheckDialog* PackTools::check() {
    const course::Exercise* current = exercise();
    if (current == nullptr) {
        return nullptr;
    }
    keepWork();
    const std::string* script = m_pack->files.find(current->files.tests);
    auto* dialog = new CheckDialog(m_session.ports(), m_dock->parentWidget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->checkText(script != nullptr ? *script : std::string(),
                      tr("%1 (visible tests)").arg(text(current->title)), m_session.grid(),
                      m_session.names());
    const auto& rows = dialog->result().rows();
    const auto passed =
        std::count_if(rows.begin(), rows.end(), [](auto& row) { return row.passed; });
    platform::FileError error;
    if (!m_work->recordCheck(current->id, static_cast<int>(passed), static_cast<int>(rows.size()),
                             error)) {
        showError(tr("The check could not be recorded:\r\n%1").arg(text(error.description)));
    }
    refreshStates();
    dialog->show();
    return dialog;
}

bool PackTools::handIn() {
    if (!m_pack) {
        return false;
    }
    keepWork();
    const auto path =
        m_session.ports().fileDialog.askSavePath(m_pack->id + ".rbxsub", kHandinFilter);
    if (!path) {
        return false;
    }
    course::Handin handin{m_pack->id, m_pack->title, {}};
    for (const course::Exercise& each : m_pack->exercises) {
        handin.work.emplace(each.id, m_work->handed(*m_pack, each));
    }
    platform::FileError error;
    auto file = m_session.ports().fileSystem.beginSave(*path, error);
    if (!file || !file->write(course::handinText(handin), error) || !file->commit(error)) {
        showError(tr("The hand-in could not be saved:\r\n%1").arg(text(error.description)));
        return false;
    }
    return true;
}

bool PackTools::resetExercise() {
    const course::Exercise* current = exercise();
    if (current == nullptr || !m_session.fileCommandsOpen()) {
        return false;
    }
    const auto answer =
        showWindowBox(m_session.ports().boxes,
                      tr("Go back to the starter program of %1?\r\nYour work on this exercise "
                         "will be lost.")
                          .arg(text(current->title)),
                      platform::BoxStyle::YesNo, tr("Reset Exercise"));
    if (answer != platform::BoxAnswer::Yes) {
        return false;
    }
    keepWork(); // so that loading the starter asks nothing
    platform::FileError error;
    if (!m_work->start(*m_pack, *current, true, error)) {
        showError(tr("The starter of %1 could not be restored:\r\n%2")
                      .arg(text(current->title), text(error.description)));
        return false;
    }
    const bool opened = m_session.open(m_work->programPath(*current));
    refreshStates();
    return opened;
}

} // namespace rungbox::ui

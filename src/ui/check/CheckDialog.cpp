// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckDialog.h"

#include "ui/common/UiText.h"
#include "ui/timing/TimingView.h"
#include "ui/timing/TimingWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <sstream>

namespace rungbox::ui {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

} // namespace

CheckDialog::CheckDialog(const session::Ports& ports, QWidget* parent)
    : QDialog(parent), m_ports(ports) {
    setWindowTitle(tr("Check With Script"));
    setObjectName("checkDialog");
    auto* layout = new QVBoxLayout(this);
    m_score = new QLabel(this);
    m_score->setObjectName("checkScore");
    m_score->setTextFormat(Qt::PlainText);
    m_message = new QLabel(this);
    m_message->setObjectName("checkMessage");
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->hide();
    m_list = new QTreeWidget(this);
    m_list->setObjectName("checkTests");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Test"), tr("Result"), tr("Points"), tr("Expected"), tr("Got"), tr("When")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setToolTip(tr("Double-click a failed test to see the run in the timing diagram"));
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { showFailure(m_list->indexOfTopLevelItem(item)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_score);
    layout->addWidget(m_message);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(720, 360);
}

CheckDialog::~CheckDialog() {
    // The timing window shows this dialog's recording: it goes first.
    delete m_timing;
}

std::string CheckDialog::scriptFilter() {
    return (tr("Rungbox script") + " (*.script)|*.script").toStdString();
}

CheckDialog* CheckDialog::askAndCheck(session::Session& main, QWidget* parent) {
    const auto path = main.ports().fileDialog.askOpenPath(scriptFilter());
    if (!path) {
        return nullptr;
    }
    auto* dialog = new CheckDialog(main.ports(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->check(*path, main.grid(), main.names());
    dialog->show();
    return dialog;
}

void CheckDialog::check(const std::string& path, const editor::CodeGrid& grid,
                        const names::NameTable& names) {
    sim::Script script;
    std::string error;
    if (!sim::readScriptFile(path, script, error, names)) {
        clearList();
        m_score->setText(tr("The script %1 could not be read: %2").arg(text(path), text(error)));
        return;
    }
    run(script, QFileInfo(text(path)).fileName(), grid, names);
}

void CheckDialog::checkText(std::string_view scriptText, const QString& title,
                            const editor::CodeGrid& grid, const names::NameTable& names) {
    std::istringstream in{std::string(scriptText)};
    run(sim::readScript(in, names), title, grid, names);
}

void CheckDialog::clearList() {
    delete m_timing;
    m_list->clear();
    m_message->hide();
    m_checked = false;
}

void CheckDialog::run(const sim::Script& script, const QString& title, const editor::CodeGrid& grid,
                      const names::NameTable& names) {
    clearList();
    setWindowTitle(tr("Check With Script: %1").arg(title));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_check.run(script, grid, names, true);
    QApplication::restoreOverrideCursor();
    m_checked = true;
    if (!m_check.message().empty()) {
        m_message->setText(uiText(m_check.message()));
        m_message->show();
    }
    for (const sim::CheckRow& test : m_check.rows()) {
        addTest(test);
    }
    m_score->setText(uiText(m_check.scoreText()));
}

void CheckDialog::addTest(const sim::CheckRow& test) {
    auto* item = new QTreeWidgetItem(m_list);
    item->setText(NameColumn, text(test.name));
    item->setText(ResultColumn, test.passed ? tr("passed") : tr("failed"));
    item->setText(PointsColumn, text(test.points));
    item->setForeground(ResultColumn, test.passed ? Qt::darkGreen : Qt::red);
    if (test.hidden) {
        item->setToolTip(NameColumn, tr("A hidden test: only its result shows"));
    }
    item->setText(ExpectedColumn, text(test.expected));
    item->setText(GotColumn, text(test.got));
    item->setText(WhenColumn, text(test.when));
}

TimingWindow* CheckDialog::showFailure(int row) {
    if (!m_checked || row < 0) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(row);
    const std::optional<std::uint64_t> failureMs = m_check.focus(index);
    if (!failureMs) {
        return nullptr;
    }
    if (m_timing == nullptr) {
        m_timing = new TimingWindow(m_check.runner()->tracing(), m_ports.fileDialog, m_ports.boxes,
                                    m_ports.fileSystem, parentWidget());
        m_timing->setAttribute(Qt::WA_DeleteOnClose);
        m_timing->setObjectName("checkTimingWindow"); // its own place, not the session's diagram's
    }
    m_timing->setWindowTitle(tr("Timing Diagram: %1 failed").arg(text(m_check.rows()[index].name)));
    m_timing->show();
    m_timing->refresh(); // the failed test's signals first
    // The whole run in view first (a check's run is short), then the failure in its middle.
    m_timing->view()->fitAll();
    m_timing->view()->showAt(*failureMs);
    m_timing->raise();
    m_timing->activateWindow();
    return m_timing;
}

} // namespace rungbox::ui

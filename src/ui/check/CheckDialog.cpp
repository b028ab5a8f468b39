// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckDialog.h"

#include "ui/timing/TimingView.h"
#include "ui/timing/TimingWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The last line of `printed`: the complaint that ended a script early.
QString lastLine(const std::string& printed) {
    const QStringList lines = text(printed).split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

CheckDialog::CheckDialog(const session::Ports& ports, QWidget* parent)
    : QDialog(parent), m_ports(ports) {
    setWindowTitle("Check With Script");
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
    m_list->setHeaderLabels({"Test", "Result", "Points", "Expected", "Got", "When"});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setToolTip("Double-click a failed test to see the run in the timing diagram");
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

CheckDialog* CheckDialog::askAndCheck(session::Session& main, QWidget* parent) {
    const auto path = main.ports().fileDialog.askOpenPath(kScriptFilter);
    if (!path) {
        return nullptr;
    }
    auto* dialog = new CheckDialog(main.ports(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->check(*path, main.grid());
    dialog->show();
    return dialog;
}

void CheckDialog::check(const std::string& path, const editor::CodeGrid& grid) {
    delete m_timing;
    m_list->clear();
    m_message->hide();
    m_printed.str({});
    m_complaints.str({});
    sim::Script script;
    std::string error;
    if (!sim::readScriptFile(path, script, error)) {
        m_runner.reset();
        m_score->setText("The script " + text(path) + " could not be read: " + text(error));
        return;
    }
    setWindowTitle("Check With Script: " + QFileInfo(text(path)).fileName());
    m_runner = std::make_unique<sim::Runner>(m_printed, m_complaints);
    m_runner->loadProgram(grid);
    m_runner->recordRuns();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int status = m_runner->run(script);
    QApplication::restoreOverrideCursor();
    if (script.tests.empty()) {
        m_message->setText(status == sim::Exit::Ok
                               ? "The script has no tests, and ran to its end."
                               : "The script has no tests, and stopped: " +
                                     lastLine(m_complaints.str() + m_printed.str()));
        m_message->show();
    } else if (m_runner->results().empty()) {
        m_message->setText("The script was refused: " + lastLine(m_complaints.str()));
        m_message->show();
    }
    listTests();
}

void CheckDialog::listTests() {
    std::int64_t score = 0;
    std::int64_t maxScore = 0;
    for (const sim::TestResult& test : m_runner->results()) {
        addTest(test);
        score += test.passed ? test.info.points : 0;
        maxScore += test.info.points;
    }
    m_score->setText(QString("%1 of %2 points").arg(score).arg(maxScore));
}

void CheckDialog::addTest(const sim::TestResult& test) {
    auto* item = new QTreeWidgetItem(m_list);
    const int points = test.info.points;
    item->setText(NameColumn, text(test.info.name));
    item->setText(ResultColumn, test.passed ? "passed" : "failed");
    item->setText(PointsColumn, QString("%1/%2").arg(test.passed ? points : 0).arg(points));
    item->setForeground(ResultColumn, test.passed ? Qt::darkGreen : Qt::red);
    if (test.passed || test.info.hidden) {
        item->setToolTip(NameColumn,
                         test.info.hidden ? "A hidden test: only its result shows" : QString());
        return;
    }
    const sim::Failure& f = test.failure;
    if (!f.subject.empty()) {
        item->setText(ExpectedColumn, text(f.subject + ' ' + f.expected));
        item->setText(GotColumn, text(f.got));
    } else {
        item->setText(GotColumn, text(f.reason));
    }
    if (f.line != 0) {
        item->setText(WhenColumn, QString("line %1, scan %2, %3 ms")
                                      .arg(f.line)
                                      .arg(static_cast<qulonglong>(f.scan))
                                      .arg(static_cast<qulonglong>(f.clockMs)));
    }
}

TimingWindow* CheckDialog::showFailure(int row) {
    if (m_runner == nullptr || row < 0 ||
        static_cast<std::size_t>(row) >= m_runner->results().size()) {
        return nullptr;
    }
    const sim::TestResult& test = m_runner->results()[static_cast<std::size_t>(row)];
    if (test.passed || test.info.hidden || test.failure.line == 0 ||
        m_runner->tracing().recorder().empty()) {
        return nullptr;
    }
    if (m_timing == nullptr) {
        m_timing = new TimingWindow(m_runner->tracing(), m_ports.fileDialog, m_ports.boxes,
                                    m_ports.fileSystem, parentWidget());
        m_timing->setAttribute(Qt::WA_DeleteOnClose);
        m_timing->setWindowTitle("Timing Diagram: " + text(test.info.name) + " failed");
    }
    m_timing->show();
    // The whole run in view first (a check's run is short), then the failure in its middle.
    m_timing->view()->fitAll();
    m_timing->view()->showAt(test.failure.traceMs);
    m_timing->raise();
    m_timing->activateWindow();
    return m_timing;
}

} // namespace rungbox::ui

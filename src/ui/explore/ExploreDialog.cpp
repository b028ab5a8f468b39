// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreDialog.h"

#include "ui/timing/TimingView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace rungbox::ui {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ExploreDialog::ExploreDialog(platform::FileDialog& dialog, platform::FileSystem& files,
                             platform::MessageBoxes& boxes, const names::NameTable& names,
                             QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_files(files), m_boxes(boxes), m_names(names) {
    setObjectName("exploreDialog");
    auto* layout = new QVBoxLayout(this);
    m_properties = new QPlainTextEdit(this);
    m_properties->setObjectName("propertiesEdit");
    m_properties->setPlaceholderText("never 1000 & 1001");
    m_properties->setPlainText(tr("# one property a line, over relays after every scan") +
                               "\nnever 1000 & 1001\n");
    m_properties->setVisible(false);
    layout->addWidget(m_properties);
    m_proveButton = new QPushButton(tr("&Prove"), this);
    m_proveButton->setObjectName("proveButton");
    m_proveButton->setVisible(false);
    layout->addWidget(m_proveButton);

    auto* progressRow = new QHBoxLayout;
    m_progress = new QLabel(this);
    m_progress->setObjectName("progressLabel");
    m_progress->setTextFormat(Qt::PlainText);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0); // the number of states is not known before the end
    m_bar->setVisible(false);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName("cancelButton");
    m_cancelButton->setEnabled(false);
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_bar);
    progressRow->addWidget(m_cancelButton);
    layout->addLayout(progressRow);

    m_result = new QPlainTextEdit(this); // plain text: file names are shown as they are
    m_result->setObjectName("resultText");
    m_result->setReadOnly(true);
    m_result->setMinimumSize(560, 160);
    layout->addWidget(m_result, 1);

    auto* buttons = new QHBoxLayout;
    m_timingButton = new QPushButton(tr("&Timing Diagram"), this);
    m_timingButton->setObjectName("timingButton");
    m_saveButton = new QPushButton(tr("&Save Script..."), this);
    m_saveButton->setObjectName("saveScriptButton");
    auto* close = new QPushButton(tr("Close"), this);
    buttons->addWidget(m_timingButton);
    buttons->addWidget(m_saveButton);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    m_timingButton->setEnabled(false);
    m_saveButton->setEnabled(false);

    connect(m_proveButton, &QPushButton::clicked, this, [this] { prove(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_timingButton, &QPushButton::clicked, this, [this] { showTiming(); });
    connect(m_saveButton, &QPushButton::clicked, this, [this] { saveScript(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    m_chunks.setInterval(0);
    connect(&m_chunks, &QTimer::timeout, this, [this] { runChunk(); });
}

ExploreDialog::~ExploreDialog() = default;

void ExploreDialog::clearResult() {
    m_chunks.stop();
    delete m_timingWindow; // it draws the runs of the exploration that goes
    m_timingWindow = nullptr;
    m_run.reset();
    m_result->clear();
    m_timingButton->setEnabled(false);
    m_saveButton->setEnabled(false);
}

void ExploreDialog::compare(const engine::Controller& reference, const std::string& referenceName,
                            const engine::Controller& candidate, const std::string& candidateName) {
    clearResult();
    setWindowTitle(tr("Compare With Program"));
    m_properties->setVisible(false);
    m_proveButton->setVisible(false);
    m_run =
        std::make_unique<explore::ExploreRun>(reference, referenceName, candidate, candidateName);
    begin();
}

void ExploreDialog::prepareProof(StartGrid start) {
    clearResult();
    setWindowTitle(tr("Prove Properties"));
    m_startGrid = std::move(start);
    m_properties->setVisible(true);
    m_proveButton->setVisible(true);
    m_progress->setText(tr("Type the properties, then Prove."));
}

void ExploreDialog::prove() {
    clearResult();
    const explore::PropertyList list =
        explore::parseProperties(m_properties->toPlainText().toStdString(), &m_names);
    if (!list.error.empty() || list.properties.empty()) {
        refuse(list.error.empty() ? tr("No property.") : text(list.error));
        return;
    }
    const auto started = m_startGrid ? m_startGrid() : nullptr;
    if (!started) {
        refuse(tr("The program cannot start."));
        return;
    }
    m_run = std::make_unique<explore::ExploreRun>(started->controller(), list.properties);
    begin();
}

void ExploreDialog::refuse(const QString& why) {
    m_progress->setText(tr("Refused."));
    m_result->setPlainText(why);
}

void ExploreDialog::begin() {
    m_bar->setVisible(true);
    m_cancelButton->setEnabled(true);
    m_proveButton->setEnabled(false);
    m_progress->setText(tr("Exploring..."));
    m_chunks.start();
}

void ExploreDialog::runChunk() {
    const bool more = m_run->advance();
    m_progress->setText(text(m_run->progressText()));
    if (!more) {
        finish();
    }
}

void ExploreDialog::cancel() {
    if (!m_chunks.isActive()) {
        return;
    }
    m_run->cancel();
    finish();
}

void ExploreDialog::finish() {
    m_chunks.stop();
    m_bar->setVisible(false);
    m_cancelButton->setEnabled(false);
    m_proveButton->setEnabled(true);
    m_progress->setText(m_run->cancelled() ? tr("Cancelled.") : tr("Done."));
    m_result->setPlainText(text(m_run->resultText()));
    m_timingButton->setEnabled(!m_run->runs().empty());
    m_saveButton->setEnabled(!m_run->script().empty());
}

QString ExploreDialog::resultText() const {
    return m_result->toPlainText();
}

void ExploreDialog::showTiming() {
    if (!m_run || m_run->runs().empty()) {
        return;
    }
    if (m_timingWindow == nullptr) {
        m_timingWindow = new QWidget(this, Qt::Window);
        m_timingWindow->setObjectName("counterexampleWindow");
        m_timingWindow->setWindowTitle(tr("Counterexample (a scan a millisecond)"));
        auto* layout = new QVBoxLayout(m_timingWindow);
        for (const auto& [name, recorder] : m_run->runs()) {
            auto* label = new QLabel(text(name), m_timingWindow);
            label->setTextFormat(Qt::PlainText);
            layout->addWidget(label);
            auto* view = new TimingView(*recorder, m_timingWindow);
            view->setNames(name == explore::ExploreRun::kReferenceRun ? nullptr : &m_names);
            view->setMinimumHeight(160);
            layout->addWidget(view, 1);
        }
        m_timingWindow->resize(800, 520);
    }
    m_timingWindow->show();
    m_timingWindow->raise();
    // Fitted once the views have their sizes, which the layout gives them after the show.
    QTimer::singleShot(0, m_timingWindow, [this] {
        for (auto* view : m_timingWindow->findChildren<TimingView*>()) {
            view->fitAll();
        }
    });
}

void ExploreDialog::saveScript() {
    if (!m_run || m_run->script().empty()) {
        return;
    }
    const auto path = m_dialog.askSavePath(
        "counterexample.script", (tr("Rungbox script") + " (*.script)|*.script").toStdString());
    if (!path) {
        return;
    }
    platform::FileError error;
    auto file = m_files.beginSave(*path, error);
    if (!file || !file->write(m_run->script(), error) || !file->commit(error)) {
        m_boxes.show(*path + ": " + error.description, platform::BoxStyle::Ok, platform::kAppTitle);
    }
}

void ExploreDialog::hideEvent(QHideEvent* event) {
    cancel(); // a hidden dialog does no work
    QDialog::hideEvent(event);
}

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExploreDialog.h"

#include "ui/timing/TimingView.h"
#include "explore/RunRecording.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <bit>

namespace rungbox::ui {

namespace {

// Scans per chunk of exploration: some milliseconds of work, so that the window answers at once.
constexpr std::size_t kScansPerChunk = 20000;

constexpr std::string_view kScriptFilter = "Rungbox script (*.script)|*.script";

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The compared relays worth drawing: those either program turned on somewhere, and the one that
// differs.
std::vector<int> drawnOutputs(const explore::Comparison& comparison) {
    std::vector<int> shown;
    const std::vector<int>& outputs = comparison.outputs();
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (comparison.coverage(0).everOn(i) || comparison.coverage(1).everOn(i) ||
            outputs[i] == comparison.differingRelay()) {
            shown.push_back(outputs[i]);
        }
    }
    return shown;
}

} // namespace

ExploreDialog::ExploreDialog(platform::FileDialog& dialog, platform::FileSystem& files,
                             platform::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_files(files), m_boxes(boxes) {
    setObjectName("exploreDialog");
    auto* layout = new QVBoxLayout(this);
    m_properties = new QPlainTextEdit(this);
    m_properties->setObjectName("propertiesEdit");
    m_properties->setPlaceholderText("never 1000 & 1001");
    m_properties->setPlainText("# one property a line, over relays after every scan\n"
                               "never 1000 & 1001\n");
    m_properties->setVisible(false);
    layout->addWidget(m_properties);
    m_proveButton = new QPushButton("&Prove", this);
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
    m_cancelButton = new QPushButton("Cancel", this);
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
    m_timingButton = new QPushButton("&Timing Diagram", this);
    m_timingButton->setObjectName("timingButton");
    m_saveButton = new QPushButton("&Save Script...", this);
    m_saveButton->setObjectName("saveScriptButton");
    auto* close = new QPushButton("Close", this);
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
    m_comparison.reset();
    m_proof.reset();
    m_script.clear();
    m_runs.clear();
    delete m_timingWindow;
    m_timingWindow = nullptr;
    m_cancelled = false;
    m_result->clear();
    m_timingButton->setEnabled(false);
    m_saveButton->setEnabled(false);
}

void ExploreDialog::compare(const engine::Controller& reference, const std::string& referenceName,
                            const engine::Controller& candidate, const std::string& candidateName) {
    clearResult();
    setWindowTitle("Compare With Program");
    m_properties->setVisible(false);
    m_proveButton->setVisible(false);
    m_referenceName = referenceName;
    m_candidateName = candidateName;
    m_comparison =
        std::make_unique<explore::Comparison>(reference, candidate, explore::ExploreOptions{});
    begin();
}

void ExploreDialog::prepareProof(StartGrid start) {
    clearResult();
    setWindowTitle("Prove Properties");
    m_startGrid = std::move(start);
    m_properties->setVisible(true);
    m_proveButton->setVisible(true);
    m_progress->setText("Type the properties, then Prove.");
}

void ExploreDialog::prove() {
    clearResult();
    const explore::PropertyList list =
        explore::parseProperties(m_properties->toPlainText().toStdString());
    if (!list.error.empty() || list.properties.empty()) {
        m_result->setPlainText(list.error.empty() ? "No property." : text(list.error));
        return;
    }
    const auto started = m_startGrid ? m_startGrid() : nullptr;
    if (!started) {
        m_result->setPlainText("The program cannot start.");
        return;
    }
    m_candidateName = "the program";
    m_proof = std::make_unique<explore::Proof>(started->controller(), list.properties,
                                               explore::ExploreOptions{});
    begin();
}

void ExploreDialog::begin() {
    const explore::Explorer& e = m_comparison ? m_comparison->explorer() : m_proof->explorer();
    const std::size_t vectors = std::size_t{1} << std::popcount(e.variedInputs());
    m_budget = std::max<std::size_t>(1, kScansPerChunk / vectors);
    m_bar->setVisible(true);
    m_cancelButton->setEnabled(true);
    m_proveButton->setEnabled(false);
    m_progress->setText("Exploring...");
    m_chunks.start();
}

void ExploreDialog::runChunk() {
    const bool more = m_comparison ? m_comparison->advance(m_budget) : m_proof->advance(m_budget);
    const explore::Explorer& e = m_comparison ? m_comparison->explorer() : m_proof->explorer();
    m_progress->setText(QString("%1 states, every sequence of up to %2 steps explored")
                            .arg(e.states())
                            .arg(e.depthDone()));
    if (!more) {
        finish();
    }
}

void ExploreDialog::cancel() {
    if (!m_chunks.isActive()) {
        return;
    }
    m_cancelled = true;
    finish();
}

void ExploreDialog::finish() {
    m_chunks.stop();
    m_bar->setVisible(false);
    m_cancelButton->setEnabled(false);
    m_proveButton->setEnabled(true);
    std::string summary = m_cancelled ? "Cancelled.\n" : "";
    summary += m_comparison ? comparisonResult() : proofResult();
    if (!m_script.empty()) {
        summary += "\nThe counterexample as a rungbox-sim script:\n" + m_script;
    }
    m_progress->setText(m_cancelled ? "Cancelled." : "Done.");
    m_result->setPlainText(text(summary));
    m_timingButton->setEnabled(!m_runs.empty());
    m_saveButton->setEnabled(!m_script.empty());
}

std::string ExploreDialog::comparisonResult() {
    explore::Comparison& c = *m_comparison;
    if (!m_cancelled && c.verdict() == explore::Comparison::Verdict::Different) {
        m_script = c.script(m_referenceName, m_candidateName);
        const auto& steps = c.counterexample().steps;
        const std::uint16_t inputs = c.explorer().variedInputs();
        const std::vector<int> shown = drawnOutputs(c);
        m_runs.emplace_back("Reference", explore::recordRun(c.machine(0), steps, inputs, shown));
        m_runs.emplace_back("Candidate", explore::recordRun(c.machine(1), steps, inputs, shown));
    }
    return "Reference: " + m_referenceName + "\nCandidate: " + m_candidateName + "\n\n" +
           c.summary();
}

std::string ExploreDialog::proofResult() {
    explore::Proof& p = *m_proof;
    for (std::size_t i = 0; !m_cancelled && i < p.properties().size(); ++i) {
        if (p.verdict(i) == explore::Proof::Verdict::Violated) {
            const explore::Property& property = p.properties()[i];
            m_script = p.script(i, m_candidateName);
            m_runs.emplace_back("Violation of " + text(property.text()),
                                explore::recordRun(p.machine(), p.violation(i)->steps,
                                                   p.explorer().variedInputs(), property.relays()));
            break;
        }
    }
    return p.summary();
}

QString ExploreDialog::resultText() const {
    return m_result->toPlainText();
}

void ExploreDialog::showTiming() {
    if (m_runs.empty()) {
        return;
    }
    if (m_timingWindow == nullptr) {
        m_timingWindow = new QWidget(this, Qt::Window);
        m_timingWindow->setObjectName("counterexampleWindow");
        m_timingWindow->setWindowTitle("Counterexample (one step a millisecond)");
        auto* layout = new QVBoxLayout(m_timingWindow);
        for (const auto& [name, recorder] : m_runs) {
            auto* label = new QLabel(name, m_timingWindow);
            label->setTextFormat(Qt::PlainText);
            layout->addWidget(label);
            auto* view = new TimingView(*recorder, m_timingWindow);
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
    if (m_script.empty()) {
        return;
    }
    const auto path = m_dialog.askSavePath("counterexample.script", kScriptFilter);
    if (!path) {
        return;
    }
    platform::FileError error;
    auto file = m_files.beginSave(*path, error);
    if (!file || !file->write(m_script, error) || !file->commit(error)) {
        m_boxes.show(*path + ": " + error.description, platform::BoxStyle::Ok,
                     platform::kAppTitle);
    }
}

void ExploreDialog::hideEvent(QHideEvent* event) {
    cancel(); // a hidden dialog does no work
    QDialog::hideEvent(event);
}

} // namespace rungbox::ui

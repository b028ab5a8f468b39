// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tools > Compare With Program... and Tools > Prove Properties...: the exploration of every input
// sequence, run in short chunks from the event loop so that the window stays live, with its
// progress, a Cancel button and the result; a counterexample opens as a timing diagram of the
// run(s) and can be saved as a rungbox-sim script.

#include "explore/ExploreRun.h"
#include "explore/ProgramStart.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace rungbox::ui {

class ExploreDialog : public QDialog {
    Q_OBJECT

public:
    /// Starts the program in the grid on a controller of its own; nothing when it cannot start
    /// (the reason has been shown).
    using StartGrid = std::function<std::unique_ptr<explore::StartedController>()>;

    /// `dialog`, `files` and `boxes` must outlive the dialog (they save the script), and so must
    /// `names`, the names of the program in the grid: properties may use them, and the timing
    /// diagram shows them with the signals of its runs (not the reference's, which is another
    /// program).
    ExploreDialog(platform::FileDialog& dialog, platform::FileSystem& files,
                  platform::MessageBoxes& boxes, const names::NameTable& names,
                  QWidget* parent = nullptr);
    ~ExploreDialog() override;

    /// Compares the candidate with the reference, each started; names them in the result.
    void compare(const engine::Controller& reference, const std::string& referenceName,
                 const engine::Controller& candidate, const std::string& candidateName);
    /// Shows the properties editor; its Prove button starts the grid's program with `start` and
    /// checks the properties typed.
    void prepareProof(StartGrid start);

    /// True while an exploration runs.
    bool exploring() const { return m_chunks.isActive(); }
    /// Stops a running exploration; the result says so.
    void cancel();
    /// The result text: the verdict and the coverage, or the reason nothing was explored.
    QString resultText() const;

    QPushButton* proveButton() const { return m_proveButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* timingButton() const { return m_timingButton; }
    QPushButton* saveScriptButton() const { return m_saveButton; }
    QPlainTextEdit* propertiesEdit() const { return m_properties; }
    /// The timing diagram of the counterexample, once opened.
    QWidget* counterexampleWindow() const { return m_timingWindow; }

    /// Opens the counterexample's timing diagram.
    void showTiming();
    /// Asks for a path and saves the counterexample's script there.
    void saveScript();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void prove();
    /// Nothing explored: the status says so and the result why.
    void refuse(const QString& why);
    void begin();
    void runChunk();
    void finish();
    void clearResult();

    platform::FileDialog& m_dialog;
    platform::FileSystem& m_files;
    platform::MessageBoxes& m_boxes;
    StartGrid m_startGrid;
    const names::NameTable& m_names;

    // The exploration, its result and counterexample; null before the first.
    std::unique_ptr<explore::ExploreRun> m_run;
    QTimer m_chunks;

    QPlainTextEdit* m_properties = nullptr;
    QPushButton* m_proveButton = nullptr;
    QLabel* m_progress = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPlainTextEdit* m_result = nullptr;
    QPushButton* m_timingButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QWidget* m_timingWindow = nullptr;
};

} // namespace rungbox::ui

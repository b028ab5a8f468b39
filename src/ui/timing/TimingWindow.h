// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// View > Timing Diagram: the recorded signals as waveforms, live while a run goes on and kept
// after it stops; zoom, a cursor, signals added and removed by name or address, and the
// recording exported as a VCD file or as a PNG or SVG picture.

#include "TimingView.h"
#include "platform/Platform.h"
#include "session/Session.h"
#include "trace/SignalRows.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rungbox::ui {

class TimingWindow : public QMainWindow {
    Q_OBJECT

public:
    /// The filters of the export dialogs, their descriptions in the user's language.
    static std::string vcdFilter();
    static std::string pictureFilter();
    /// Shows the recording of `session`, which must outlive the window, and exports through
    /// its ports. The window switches nothing on by itself: the Record item does.
    explicit TimingWindow(session::Session& session, QWidget* parent = nullptr);
    /// Shows a recording of a session of its own (a check's run) and exports through the
    /// window's ports. Everything given must outlive the window.
    TimingWindow(trace::Tracing& tracing, platform::FileDialog& dialog,
                 platform::MessageBoxes& boxes, platform::FileSystem& fileSystem,
                 QWidget* parent = nullptr);

    /// Shows the program's names (not owned, must outlive the window; null for none) with the
    /// signals and takes them in addSignal and removeSignal.
    void setNames(const names::NameTable* names);

    /// Adds the signal `text` names (Signal names such as "in3", "tim0_done" or a relay address,
    /// or a name of the program's: "START", "LIGHT_TIMER_done").
    /// False, with the reason in the status line, when it names none or is already shown.
    bool addSignal(const std::string& text);
    /// Removes the signal `text` names. False, with the reason in the status line, when it is
    /// not shown.
    bool removeSignal(const std::string& text);

    /// Writes the recording to `path` as a VCD file; a failure is shown in a message box.
    bool exportVcd(const std::string& path);
    /// Writes the diagram as it is in view, with every signal, to `path`: SVG when the name ends
    /// in ".svg", otherwise PNG. A failure is shown in a message box.
    bool exportPicture(const std::string& path);

    TimingView* view() const { return m_view; }
    QAction* recordItem() const { return m_recordItem; }
    QAction* exportVcdItem() const { return m_exportVcdItem; }
    QAction* exportPictureItem() const { return m_exportPictureItem; }
    QLineEdit* signalEdit() const { return m_signalEdit; }
    QLabel* statusLabel() const { return m_status; }
    /// What the status line says about the recording (or the last refused signal).
    QString statusText() const;

    /// Reads the recording again: repaints the view when it changed. Called on each of the
    /// session's frames while the window is shown.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void showStatus();
    /// Tells in a message box that the file at `path` could not be written, and `why`.
    void failWriting(const std::string& path, const std::string& why);

    /// The name an export suggests: the program file's name with "_timing", else "timing",
    /// and `extension`.
    std::string exportName(const std::string& extension) const;

    /// The view's rows: the signals the program names, in the recorder's order, then those the
    /// user added; empty (every signal) without a session or while the program names none.
    std::vector<std::size_t> rowsShown() const;

    session::Session* m_session = nullptr;
    trace::SignalRows m_rows; // the program's signals, then those the user added
    trace::Tracing& m_tracing;
    platform::FileDialog& m_dialog;
    platform::MessageBoxes& m_boxes;
    platform::FileSystem& m_fileSystem;

    TimingView* m_view = nullptr;
    const names::NameTable* m_names = nullptr;
    QAction* m_recordItem = nullptr;
    QAction* m_exportVcdItem = nullptr;
    QAction* m_exportPictureItem = nullptr;
    QLineEdit* m_signalEdit = nullptr;
    QLabel* m_status = nullptr;
    QString m_refusal; // why the last signal was refused, until the next change
};

} // namespace rungbox::ui

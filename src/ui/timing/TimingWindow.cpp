// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingWindow.h"

#include "editor/CodeGrid.h"
#include "engine/LineSyntax.h"
#include "files/CurrentFile.h"
#include "trace/VcdFile.h"
#include "trace/VcdWriter.h"
#include "ui/common/PictureExport.h"

#include <QAction>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>

#include <QSvgGenerator>
#include <QToolBar>
#include <algorithm>

namespace rungbox::ui {

namespace {

constexpr std::string_view kTitle = "Timing Diagram";

const char* const kSignalHelp = "a relay address (0 to 20000) or a name: in0..in15, out0..out15, "
                                "relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done";

// The signals the program in `grid` names, down to its END line: the relays of its contacts
// and coils, and the value and done bit of its timers and counters.
std::vector<trace::Signal> programSignals(const editor::CodeGrid& grid) {
    using trace::SignalKind;
    std::vector<trace::Signal> used;
    for (int line = 1; line <= engine::kLastCodeLine; ++line) {
        const std::string& code = grid.text(line, editor::kCodeCol);
        if (code == "END") {
            break;
        }
        const std::string& location = grid.text(line, editor::kLocationCol);
        if (location.empty()) {
            continue;
        }
        const int n = engine::readNumber(location);
        if (code.find("TIM") != std::string::npos) {
            used.push_back({SignalKind::TimerValue, n});
            used.push_back({SignalKind::TimerDone, n});
        } else if (code.find("CNT") != std::string::npos) {
            used.push_back({SignalKind::CounterValue, n});
            used.push_back({SignalKind::CounterDone, n});
        } else {
            used.push_back({SignalKind::Relay, n});
        }
    }
    return used;
}

template <typename T> bool contains(const std::vector<T>& list, const T& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

TimingWindow::TimingWindow(session::Session& session, QWidget* parent)
    : TimingWindow(session.tracing(), session.ports().fileDialog, session.ports().boxes,
                   session.ports().fileSystem, parent) {
    m_session = &session;
    setNames(&session.names());
}

TimingWindow::TimingWindow(trace::Tracing& tracing, platform::FileDialog& dialog,
                           platform::MessageBoxes& boxes, platform::FileSystem& fileSystem,
                           QWidget* parent)
    : QMainWindow(parent), m_tracing(tracing), m_dialog(dialog), m_boxes(boxes),
      m_fileSystem(fileSystem) {
    setWindowTitle(QString::fromUtf8(kTitle.data(), static_cast<qsizetype>(kTitle.size())));
    setObjectName("timingWindow");
    m_view = new TimingView(m_tracing.recorder(), this);
    m_view->setObjectName("timingView");
    setCentralWidget(m_view);
    buildMenus();
    buildToolBar();
    m_status = new QLabel(this);
    m_status->setObjectName("timingStatus");
    statusBar()->addWidget(m_status, 1);
    connect(m_view, &TimingView::signalClicked, this, [this](int position) {
        m_signalEdit->setText(QString::fromStdString(
            m_tracing.recorder().signalList()[static_cast<std::size_t>(position)].name()));
    });
    connect(m_view, &TimingView::cursorChanged, this, [this] { showStatus(); });
    resize(900, 520);
    showStatus();
}

std::string TimingWindow::exportName(const std::string& extension) const {
    std::string name = "timing";
    if (m_session != nullptr && m_session->files().currentFile().hasPath()) {
        // motor.PLC records as motor_timing.vcd.
        std::string program = files::fileName(m_session->files().currentFile().path());
        program = program.substr(0, program.rfind('.'));
        name = program.empty() ? name : program + "_timing";
    }
    return name + "." + extension;
}

void TimingWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("timingFileMenu");
    m_exportVcdItem = file->addAction("Export Timing as &VCD...", this, [this] {
        if (const auto path = m_dialog.askSavePath(exportName("vcd"), kVcdFilter)) {
            exportVcd(*path);
        }
    });
    m_exportPictureItem = file->addAction("Export Timing as &PNG/SVG...", this, [this] {
        if (const auto path = m_dialog.askSavePath(exportName("png"), kPictureFilter)) {
            exportPicture(*path);
        }
    });
    file->addSeparator();
    file->addAction("&Close", this, &QWidget::close);
}

void TimingWindow::buildToolBar() {
    QToolBar* bar = addToolBar("Timing");
    bar->setMovable(false);
    m_recordItem = bar->addAction("Record");
    m_recordItem->setObjectName("recordItem");
    m_recordItem->setCheckable(true);
    m_recordItem->setChecked(m_tracing.on());
    m_recordItem->setToolTip("Record the signals while a run goes on");
    connect(m_recordItem, &QAction::toggled, this, [this](bool on) {
        if (m_session != nullptr) {
            m_session->setRecording(on); // the session tells the window's other listeners
        } else {
            m_tracing.setOn(on);
        }
        showStatus();
    });
    bar->addSeparator();
    bar->addAction("Zoom In", m_view, &TimingView::zoomIn)
        ->setToolTip("Show half the time across the window");
    bar->addAction("Zoom Out", m_view, &TimingView::zoomOut)
        ->setToolTip("Show twice the time across the window");
    bar->addAction("Fit", m_view, &TimingView::fitAll)
        ->setToolTip("Show the whole recording across the window");
    QAction* ticks = bar->addAction("Ticks");
    ticks->setObjectName("timerTicksItem");
    ticks->setCheckable(true);
    ticks->setToolTip("Timers' values in ticks instead of seconds");
    connect(ticks, &QAction::toggled, m_view, &TimingView::setTimerTicks);
    bar->addSeparator();

    m_signalEdit = new QLineEdit(bar);
    m_signalEdit->setObjectName("signalEdit");
    m_signalEdit->setPlaceholderText("signal, e.g. 2000 or tim0");
    m_signalEdit->setToolTip(QString("The signal to add or remove: ") + kSignalHelp);
    m_signalEdit->setMaximumWidth(180);
    bar->addWidget(m_signalEdit);
    auto* add = new QPushButton("Add", bar);
    add->setObjectName("addSignal");
    auto* remove = new QPushButton("Remove", bar);
    remove->setObjectName("removeSignal");
    bar->addWidget(add);
    bar->addWidget(remove);
    const auto text = [this] { return m_signalEdit->text().trimmed().toStdString(); };
    connect(add, &QPushButton::clicked, this, [this, text] { addSignal(text()); });
    connect(m_signalEdit, &QLineEdit::returnPressed, this, [this, text] { addSignal(text()); });
    connect(remove, &QPushButton::clicked, this, [this, text] { removeSignal(text()); });
}

std::vector<std::size_t> TimingWindow::rowsShown() const {
    if (m_session == nullptr) {
        return {};
    }
    const std::vector<trace::Signal> used = programSignals(m_session->grid());
    const std::vector<trace::Signal>& list = m_tracing.recorder().signalList();
    std::vector<std::size_t> rows;
    for (const bool program : {true, false}) {
        for (std::size_t p = 0; p < list.size(); ++p) {
            const bool named = contains(used, list[p]);
            if (program ? named : !named && contains(m_added, list[p])) {
                rows.push_back(p);
            }
        }
    }
    // A program that names nothing (none typed yet) shows every signal.
    return used.empty() ? std::vector<std::size_t>{} : rows;
}

void TimingWindow::setNames(const names::NameTable* names) {
    m_names = names;
    m_view->setNames(names);
}

std::optional<trace::Signal> TimingWindow::signalNamed(const std::string& text) const {
    return m_names != nullptr ? trace::parseSignal(text, *m_names) : trace::parseSignal(text);
}

bool TimingWindow::addSignal(const std::string& text) {
    const auto signal = signalNamed(text);
    m_refusal.clear();
    const auto shown = [this](const trace::Signal& s) {
        const auto position = m_tracing.recorder().find(s);
        const std::vector<std::size_t> rows = rowsShown();
        return position && (rows.empty() || contains(rows, *position));
    };
    if (!signal) {
        m_refusal = QString("Not a signal: \"%1\"; give %2.")
                        .arg(QString::fromStdString(text), kSignalHelp);
    } else if (shown(*signal)) {
        m_refusal = QString("%1 is shown already.").arg(QString::fromStdString(signal->name()));
    } else {
        m_tracing.recorder().add(*signal); // a hidden one is recorded already
        m_added.push_back(*signal);
    }
    refresh();
    showStatus();
    return m_refusal.isEmpty();
}

bool TimingWindow::removeSignal(const std::string& text) {
    const auto signal = signalNamed(text);
    m_refusal.clear();
    if (!signal || !m_tracing.recorder().remove(*signal)) {
        m_refusal = QString("Not shown: \"%1\".").arg(QString::fromStdString(text));
    } else {
        std::erase(m_added, *signal);
    }
    refresh();
    showStatus();
    return m_refusal.isEmpty();
}

QString TimingWindow::statusText() const {
    if (!m_refusal.isEmpty()) {
        return m_refusal;
    }
    const trace::Recorder& recorder = m_tracing.recorder();
    QString text = m_tracing.on() ? "Recording" : "Not recording";
    if (recorder.empty()) {
        return text +
               (m_tracing.on() ? ": the next run is recorded." : ": press Record, then run.");
    }
    text += QString(" · %1 signals · %2 to %3 ms, %4 scans")
                .arg(recorder.signalList().size())
                .arg(recorder.firstMs())
                .arg(recorder.lastMs())
                .arg(recorder.lastScan());
    if (recorder.truncated()) {
        text += QString(" · older part dropped: complete from %1 ms").arg(recorder.firstMs());
    }
    if (const auto cursor = m_view->frame().cursorMs) {
        const auto scan = recorder.scanAt(*cursor);
        text += QString(" · cursor %1 ms, scan %2").arg(*cursor).arg(scan ? *scan : 0);
    }
    return text;
}

void TimingWindow::showStatus() {
    m_status->setText(statusText());
}

void TimingWindow::refresh() {
    m_view->setRows(rowsShown());
    if (m_view->refresh()) {
        showStatus();
    }
}

void TimingWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    refresh();
}

void TimingWindow::fail(const std::string& what, const std::string& path, const std::string& why) {
    m_boxes.show(what + " " + path + ": " + why, platform::BoxStyle::Exclamation,
                 platform::kAppTitle);
}

bool TimingWindow::exportVcd(const std::string& path) {
    platform::FileError error;
    if (!trace::saveVcd(m_tracing.recorder(), m_fileSystem, path, error, m_names)) {
        fail("Cannot write", path, error.description);
        return false;
    }
    return true;
}

bool TimingWindow::exportPicture(const std::string& path) {
    const Picture picture{QSizeF(m_view->renderSize()), "Rungbox timing diagram", 1.0,
                          [this](QPainter& painter) { m_view->renderAll(painter); }};
    platform::FileError error;
    if (!savePicture(m_fileSystem, path, picture, error)) {
        fail("Cannot write", path, error.description);
        return false;
    }
    return true;
}

} // namespace rungbox::ui

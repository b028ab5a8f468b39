// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimingWindow.h"

#include "files/CurrentFile.h"
#include "trace/SignalRows.h"
#include "trace/VcdFile.h"
#include "trace/VcdWriter.h"
#include "ui/common/PictureExport.h"
#include "ui/common/UiText.h"

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

TimingWindow::TimingWindow(session::Session& session, QWidget* parent)
    : TimingWindow(session.tracing(), session.ports().fileDialog, session.ports().boxes,
                   session.ports().fileSystem, parent) {
    m_session = &session;
    m_recordItem->setVisible(true);
    setNames(&session.names());
    showStatus();
}

TimingWindow::TimingWindow(trace::Tracing& tracing, platform::FileDialog& dialog,
                           platform::MessageBoxes& boxes, platform::FileSystem& fileSystem,
                           QWidget* parent)
    : QMainWindow(parent), m_tracing(tracing), m_dialog(dialog), m_boxes(boxes),
      m_fileSystem(fileSystem) {
    setWindowTitle(tr("Timing Diagram"));
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
    // A recording made elsewhere (a check's runs) is over: nothing more to record.
    m_recordItem->setVisible(false);
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
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("timingFileMenu");
    m_exportVcdItem = file->addAction(tr("Export Timing as &VCD..."), this, [this] {
        if (const auto path = m_dialog.askSavePath(exportName("vcd"), vcdFilter())) {
            exportVcd(*path);
        }
    });
    m_exportPictureItem = file->addAction(tr("Export Timing as &PNG/SVG..."), this, [this] {
        if (const auto path = m_dialog.askSavePath(exportName("png"), pictureFilter())) {
            exportPicture(*path);
        }
    });
    file->addSeparator();
    file->addAction(tr("&Close"), this, &QWidget::close);
}

void TimingWindow::buildToolBar() {
    QToolBar* bar = addToolBar(tr("Timing"));
    bar->setMovable(false);
    m_recordItem = bar->addAction(tr("Record"));
    m_recordItem->setObjectName("recordItem");
    m_recordItem->setCheckable(true);
    m_recordItem->setChecked(m_tracing.on());
    m_recordItem->setToolTip(tr("Record the signals while a run goes on"));
    connect(m_recordItem, &QAction::toggled, this, [this](bool on) {
        if (m_session != nullptr) {
            m_session->setRecording(on); // the session tells the window's other listeners
        } else {
            m_tracing.setOn(on);
        }
        showStatus();
    });
    bar->addSeparator();
    bar->addAction(tr("Zoom In"), m_view, &TimingView::zoomIn)
        ->setToolTip(tr("Show half the time across the window"));
    bar->addAction(tr("Zoom Out"), m_view, &TimingView::zoomOut)
        ->setToolTip(tr("Show twice the time across the window"));
    bar->addAction(tr("Fit"), m_view, &TimingView::fitAll)
        ->setToolTip(tr("Show the whole recording across the window"));
    QAction* ticks = bar->addAction(tr("Ticks"));
    ticks->setObjectName("timerTicksItem");
    ticks->setCheckable(true);
    ticks->setToolTip(tr("Timers' values in ticks instead of seconds"));
    connect(ticks, &QAction::toggled, m_view, &TimingView::setTimerTicks);
    bar->addSeparator();

    m_signalEdit = new QLineEdit(bar);
    m_signalEdit->setObjectName("signalEdit");
    m_signalEdit->setPlaceholderText(tr("signal, e.g. 2000 or tim0"));
    m_signalEdit->setToolTip(
        tr("The signal to add or remove: %1").arg(uiLabel("Trace", trace::kSignalHelp)));
    m_signalEdit->setMaximumWidth(180);
    bar->addWidget(m_signalEdit);
    auto* add = new QPushButton(tr("Add"), bar);
    add->setObjectName("addSignal");
    auto* remove = new QPushButton(tr("Remove"), bar);
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
    return m_rows.rows(m_tracing.recorder(), trace::programSignals(m_session->grid()));
}

void TimingWindow::setNames(const names::NameTable* names) {
    m_names = names;
    m_view->setNames(names);
}

bool TimingWindow::addSignal(const std::string& text) {
    const std::vector<trace::Signal> used = m_session != nullptr
                                                ? trace::programSignals(m_session->grid())
                                                : std::vector<trace::Signal>();
    m_refusal = uiLabel("Trace", m_rows.add(m_tracing.recorder(), used, text, m_names));
    refresh();
    showStatus();
    return m_refusal.isEmpty();
}

bool TimingWindow::removeSignal(const std::string& text) {
    m_refusal = uiLabel("Trace", m_rows.remove(m_tracing.recorder(), text, m_names));
    refresh();
    showStatus();
    return m_refusal.isEmpty();
}

QString TimingWindow::statusText() const {
    if (!m_refusal.isEmpty()) {
        return m_refusal;
    }
    const std::optional<std::uint64_t> cursor = m_view->frame().cursorMs;
    return uiLabel("Trace", m_session != nullptr
                                ? trace::recordingStatus(m_tracing, cursor)
                                : trace::recordedStatus(m_tracing.recorder(), cursor));
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

std::string TimingWindow::vcdFilter() {
    return (tr("Value change dump") + " (*.vcd)|*.vcd").toStdString();
}

std::string TimingWindow::pictureFilter() {
    return (tr("Picture") + " (*.png *.svg)|*.png;*.svg").toStdString();
}

void TimingWindow::failWriting(const std::string& path, const std::string& why) {
    const QString text =
        tr("Cannot write %1: %2").arg(QString::fromStdString(path), QString::fromStdString(why));
    m_boxes.show(text.toStdString(), platform::BoxStyle::Exclamation, platform::kAppTitle);
}

bool TimingWindow::exportVcd(const std::string& path) {
    platform::FileError error;
    if (!trace::saveVcd(m_tracing.recorder(), m_fileSystem, path, error, m_names)) {
        failWriting(path, error.description);
        return false;
    }
    return true;
}

bool TimingWindow::exportPicture(const std::string& path) {
    const Picture picture{QSizeF(m_view->renderSize()), tr("Rungbox timing diagram"), 1.0,
                          [this](QPainter& painter) { m_view->renderAll(painter); }};
    platform::FileError error;
    if (!savePicture(m_fileSystem, path, picture, error)) {
        failWriting(path, error.description);
        return false;
    }
    return true;
}

} // namespace rungbox::ui

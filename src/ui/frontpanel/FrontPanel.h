// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's client area: the controller's front panel (title, run/stop lamp-button,
// sixteen output lamps, eight counter and eight timer displays, sixteen input switches with their
// lamps, the progress display of a start) with the code grid laid out among them. It is the I/O
// panel the engine talks to; the window's menus are the main window's.

#include "LampStrip.h"
#include "engine/AddressMap.h"
#include "engine/IoPanel.h"
#include "names/NameTable.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QFrame;
class QLabel;

namespace rungbox::editor {
class Editor;
}

namespace rungbox::ui {

class CodeGridView;
class Lamp;
class SessionSignals;

class FrontPanel : public QWidget, public engine::IoPanel {
    Q_OBJECT

public:
    /// The panel without the code grid, which showGrid() adds.
    explicit FrontPanel(QWidget* parent = nullptr);
    ~FrontPanel() override;

    /// Puts the code grid in its place on the panel, editing through `editor` and following
    /// `signals`; both must outlive the panel. Once only.
    void showGrid(editor::Editor& editor, const SessionSignals& sessionSignals);
    CodeGridView& gridView() const { return *m_gridView; }
    Lamp& runButton() const { return *m_runButton; }
    Lamp& inputLamp(int n) const { return *m_inputLamps.at(static_cast<std::size_t>(n)); }
    Lamp& outputLamp(int n) const { return *m_outputLamps.at(static_cast<std::size_t>(n)); }

    /// Enables or disables input switch n (0 to 15).
    void setInputSwitchEnabled(int n, bool enabled);
    /// Shows or hides the "Loading " label and the progress bar.
    void setProgressVisible(bool visible);
    /// Shows `copied` of `total` lines copied by a start in the progress bar.
    void setProgress(int copied, int total);
    /// Names their address in the tooltips of the lamps, switches and displays whose address
    /// has a name in `table` ("START (0): green push-button"); the others keep their own.
    void showNames(const names::NameTable& table);

    // --- engine::IoPanel -----------------------------------------------------------------------

    std::uint16_t inputSwitches() const override { return m_switchBits; }
    void uncheckInputSwitch(int n) override;
    void setInputLamp(int n, bool on) override;
    void setOutputLamp(int n, bool on) override;
    void setTimerDisplay(int n, std::string_view text) override;
    void setCounterDisplay(int n, std::string_view text) override;
    void setRunLamp(bool on) override;

signals:
    /// The run/stop lamp-button was clicked.
    void runButtonClicked();

private:
    void buildFrames();
    void buildOutputs();
    void buildDisplays();
    void buildInputs();

    // The pictures come first: the lamps show them.
    LampStrip m_roundLamps;
    LampStrip m_squareLamps;
    CodeGridView* m_gridView = nullptr;
    Lamp* m_runButton = nullptr;
    QLabel* m_progressLabel = nullptr;
    QFrame* m_progressBar = nullptr;
    std::array<QCheckBox*, engine::kInputCount> m_inputSwitches{};
    std::array<Lamp*, engine::kInputCount> m_inputLamps{};
    std::array<Lamp*, engine::kOutputCount> m_outputLamps{};
    std::array<QLabel*, engine::kTimerCount> m_timerDisplays{};
    std::array<QLabel*, engine::kCounterCount> m_counterDisplays{};
    /// The switches as the controller reads them, switch n in bit n.
    std::uint16_t m_switchBits = 0;
};

} // namespace rungbox::ui

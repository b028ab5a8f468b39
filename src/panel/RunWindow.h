#pragma once

// What the run/stop control needs of the main window besides the I/O panel: its two timers,
// its menus, the input switches' enabled state and the progress display of a start.

namespace rungbox::panel {

class RunWindow {
public:
    virtual ~RunWindow() = default;

    /// Switches the scan timer (one scan per millisecond) on or off.
    virtual void setScanTimer(bool on) = 0;
    /// Switches the timer-tick timer (one tick per 100 ms) on or off.
    virtual void setTickTimer(bool on) = 0;
    /// Enables or disables the File menu as a whole.
    virtual void setFileMenuEnabled(bool enabled) = 0;
    /// Enables or disables the Module menu as a whole.
    virtual void setModuleMenuEnabled(bool enabled) = 0;
    /// Enables or disables input switch n (0 to 15).
    virtual void setInputSwitchEnabled(int n, bool enabled) = 0;
    /// Shows or hides the "Loading " label and the progress bar.
    virtual void setProgressVisible(bool visible) = 0;
    /// Sets the progress bar's width in twips (0 to 1800).
    virtual void setProgressWidth(int twips) = 0;
};

} // namespace rungbox::panel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The watch table: a small tool window listing chosen relays, timers and counters with their
// live values, where relays can be forced on or off. It reads the controller on the session's
// frames (at most about 30 a second, only while shown) and repaints only the cells that changed.

#include "debug/Debugger.h"
#include "debug/WatchList.h"
#include "names/NameTable.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rungbox::ui {

class WatchWindow : public QWidget {
    Q_OBJECT

public:
    /// `debugger` (and its controller) must outlive the window.
    explicit WatchWindow(debug::Debugger& debugger, QWidget* parent = nullptr);

    /// Adds the entry typed as `text` ("1000", "TIM 3", "CNT 2", or a name of the program's);
    /// false when it names nothing, and then the window says why below the entry.
    bool addEntry(const QString& text);
    /// Takes and shows the program's names (not owned, must outlive the window; null for none).
    void setNames(const names::NameTable* names);
    /// Forces the relay of the selected row on or off, or releases it (`on` empty).
    void forceSelected(std::optional<bool> on);
    /// Forces the word of the selected row to `typed` ("#0123" or "&291"), or releases it
    /// (`typed` empty). False when the row is no word's, the text no word or the run stopped.
    bool forceSelectedWord(const QString& typed);
    /// Shows the selected word row in `format`.
    void setSelectedFormat(debug::WordFormat format);
    /// Reads the controller now and updates the cells that changed.
    void refresh();

    QTableWidget* table() const { return m_table; }
    const debug::WatchList& watchList() const { return m_list; }

private:
    void rebuild();
    void showRow(int index, const debug::WatchRow& row);
    void updateButtons();

    debug::Debugger& m_debugger;
    debug::WatchList m_list;
    const names::NameTable* m_names = nullptr;
    std::vector<debug::WatchRow> m_shown;
    QTableWidget* m_table = nullptr;
    QLineEdit* m_entry = nullptr;
    QLabel* m_refusal = nullptr;
    QPushButton* m_forceOn = nullptr;
    QPushButton* m_forceOff = nullptr;
    QPushButton* m_release = nullptr;
    QPushButton* m_remove = nullptr;
    QComboBox* m_format = nullptr;    ///< the selected word row's format
    QLineEdit* m_wordValue = nullptr; ///< the value "Force word" forces
    QPushButton* m_forceWord = nullptr;
};

} // namespace rungbox::ui

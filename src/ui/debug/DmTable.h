// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The DM table: a small tool window listing the data memory of an extended program, DM0000 to
// DM1023 and the read-only DM6144 to DM6599, each with its value in hexadecimal. A value typed
// into a row ("#0123" or "&291") is written to the word as the user writes it
// (Controller::setWord), the read-only words included: that is how a program's tables are
// loaded. The table reads the controller on the session's frames (about 30 a second, only while
// shown, only the rows that changed) and costs nothing while the run is stopped.

#include "engine/Controller.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace rungbox::ui {

class DmTable : public QWidget {
    Q_OBJECT

public:
    /// `controller` must outlive the window.
    explicit DmTable(engine::Controller& controller, QWidget* parent = nullptr);

    /// Reads the controller now and writes the cells whose values changed.
    void refresh();
    /// Writes `typed` to the word of table row `row` (0 for DM0000); false, with the reason
    /// shown below the table, when it is no word ("#0123", "&291").
    bool setValue(int row, const QString& typed);

    QTableWidget* table() const { return m_table; }

private:
    void edited(QTableWidgetItem* item);

    engine::Controller& m_controller;
    QTableWidget* m_table = nullptr;
    QLabel* m_refusal = nullptr;
    std::vector<int> m_shown; ///< the value each row shows, -1 before the first refresh
    bool m_writing = false;   ///< refresh() is writing cells: their changes are not edits
};

} // namespace rungbox::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The register panel's words: a row for each word an extended program's lines use, its value in
// the row's format (a choice in the row: hexadecimal, BCD or decimal), and forcing the selected
// word to a typed value. Rows are written only where they changed.

#include "debug/Debugger.h"
#include "debug/Registers.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rungbox::ui {

class RegisterWordsView : public QWidget {
    Q_OBJECT

public:
    /// `debugger` (and its controller) must outlive the view.
    explicit RegisterWordsView(debug::Debugger& debugger, QWidget* parent = nullptr);

    /// Reads the controller now: new rows when the program's words changed, else only the
    /// cells whose values changed. Hidden while the program uses no word.
    void refresh();
    /// Shows row `row` in `format`.
    void setFormat(int row, debug::WordFormat format);
    /// Forces the selected row's word to `typed` ("#0123", "&291"), or releases it (empty).
    bool forceSelected(const QString& typed);

    QTableWidget* table() const { return m_table; }

private:
    void showRow(int row, const debug::WordRow& word);

    debug::Debugger& m_debugger;
    debug::RegisterWords m_words;
    std::vector<debug::WordRow> m_shown;
    QTableWidget* m_table = nullptr;
    QLineEdit* m_value = nullptr;
    QPushButton* m_force = nullptr;
    QPushButton* m_release = nullptr;
};

} // namespace rungbox::ui

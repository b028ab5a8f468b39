// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help > About: the product name, its version and what the simulated controller offers.

#include <QDialog>

namespace rungbox::ui {

class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);

    /// The OK button: closes the box.
    void closeBox();
};

} // namespace rungbox::ui

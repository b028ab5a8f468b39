// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsTools.h"

#include "ui/app/SessionSignals.h"
#include "ui/common/UiText.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace rungbox::ui {

OptionsTools::OptionsTools(session::Session& session, SessionSignals& sessionSignals,
                           QMainWindow& window, QMenu& beforeMenu)
    : QObject(&window), m_session(session), m_window(window) {
    setObjectName("optionsTools");
    auto* menu = new QMenu(tr("&Options"), &window);
    menu->setObjectName("optionsMenu");
    window.menuBar()->insertMenu(beforeMenu.menuAction(), menu);
    m_extendedItem = menu->addAction(tr("&Extended Instruction Set"));
    m_extendedItem->setObjectName("extendedSetItem");
    m_extendedItem->setCheckable(true);
    connect(m_extendedItem, &QAction::triggered, this, &OptionsTools::switchSet);

    m_hintLabel = new QLabel(&window);
    m_hintLabel->setObjectName("extendedHintLabel");
    m_setLabel = new QLabel(tr(kExtendedStatus), &window);
    m_setLabel->setObjectName("extendedSetLabel");
    m_setLabel->setContentsMargins(0, 0, 6, 0); // clear of the window's edge
    QStatusBar* status = window.statusBar();
    status->setSizeGripEnabled(false);
    status->addWidget(m_hintLabel, 1);
    status->addPermanentWidget(m_setLabel);

    connect(&sessionSignals, &SessionSignals::instructionSetChanged, this,
            &OptionsTools::followProgram);
    connect(&sessionSignals, &SessionSignals::fileChanged, this, &OptionsTools::followProgram);
    connect(&sessionSignals, &SessionSignals::runChanged, this, &OptionsTools::followRun);
    followProgram();
}

void OptionsTools::switchSet(bool extended) {
    m_session.setInstructionSet(extended ? engine::InstructionSet::Extended
                                         : engine::InstructionSet::Classic);
    followProgram(); // a refused switch leaves the item as the program is
}

void OptionsTools::followProgram() {
    const bool extended = m_session.grid().extended();
    m_extendedItem->setChecked(extended);
    if (extended) {
        m_hintLabel->clear(); // the program is switched: the hint has done its work
    }
    showStatus();
}

// A run locks the switch, as it locks the file commands; a stop by a program error may bring a
// hint, and a new start forgets it.
void OptionsTools::followRun() {
    m_extendedItem->setEnabled(!m_session.running());
    m_hintLabel->setText(uiText(m_session.errorHint()));
    showStatus();
}

void OptionsTools::showStatus() {
    const bool extended = m_session.grid().extended();
    m_setLabel->setVisible(extended);
    m_window.statusBar()->setVisible(extended || !m_hintLabel->text().isEmpty());
}

} // namespace rungbox::ui

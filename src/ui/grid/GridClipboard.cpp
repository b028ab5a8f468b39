// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridClipboard.h"

#include "CodeGridView.h"
#include "ui/common/CellText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace rungbox::ui {

GridClipboard::GridClipboard(session::Session& session, CodeGridView& grid, QObject* parent)
    : QObject(parent), m_session(session) {
    connect(&grid, &CodeGridView::copyRequested, this, &GridClipboard::copyLines);
    connect(&grid, &CodeGridView::cutRequested, this, &GridClipboard::cutLines);
    connect(&grid, &CodeGridView::pasteRequested, this, &GridClipboard::pasteClipboard);
}

void GridClipboard::copyLines() {
    if (const auto text = m_session.editor().copyLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void GridClipboard::cutLines() {
    if (const auto text = m_session.editor().cutLines()) {
        QGuiApplication::clipboard()->setText(shownText(*text));
    }
}

void GridClipboard::pasteClipboard() {
    // Cells hold 8-bit text, shown as Latin-1; a character beyond it arrives as '?'.
    m_session.paste(QGuiApplication::clipboard()->text().toLatin1().toStdString());
}

} // namespace rungbox::ui

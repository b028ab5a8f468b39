// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program on paper: on every page a header (the file's name, the pack and exercise when there
// is one, the date and the page number), then the mnemonic listing with line numbers and the
// names and comments of the lines' addresses, the ladder diagram rung by rung (a rung never cut
// across pages: it goes to the next page whole, scaled down only when it is taller than a page)
// and the names table. Drawn in points (1/72 inch) on any paged device: a printer or a PDF.

#include "editor/CodeGrid.h"
#include "ladder/Layout.h"
#include "names/NameTable.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace rungbox::ui {

/// What one printout shows.
struct PrintContent {
    QString fileName; ///< the program file's name ("motor.PLC"), or a stand-in for none
    QString context;  ///< "Week 3, A latch"; empty outside a pack
    QString date;     ///< as the header shows it
    const editor::CodeGrid* grid = nullptr;  ///< the program (not owned)
    const names::NameTable* names = nullptr; ///< its names (not owned)
    const ladder::Layout* layout = nullptr;  ///< its diagram (not owned)
};

/// Where each rung landed: page (from 1) and its top and bottom on it (points from the top of
/// the page's printable area).
struct PrintedRung {
    int page = 0;
    double top = 0;
    double bottom = 0;
};

/// How a printout came out.
struct PrintResult {
    int pages = 0;
    double bodyTop = 0;             ///< below the header (points)
    double bodyBottom = 0;          ///< the printable area's height (points)
    std::vector<PrintedRung> rungs; ///< in the layout's order
};

/// Prints `content` on `device`, whose page size and margins are used as they are. The device
/// gets new pages as the printout needs them.
PrintResult printProgram(QPagedPaintDevice& device, const PrintContent& content);

} // namespace rungbox::ui
